#pragma once

#include <QString>

class CSettingsStore;
class QPageLayout;
class QPrinter;
class QWidget;

// The paper format check before printing: the forms are A4 portrait sheets.
namespace PaperCheck {

inline const QString kSettingName = QStringLiteral("PrnPapielageCheck");

// A4 (210 x 297 mm, each within 1 mm) in portrait orientation.
bool IsA4Portrait(const QPageLayout& layout);

// The question for a printer whose paper is not A4 portrait.
QString QuestionText(const QPageLayout& layout);

} // namespace PaperCheck

// Whether to print: true when the check is switched off (`PrnPapielageCheck`
// 0) or the printer's paper is A4 portrait; otherwise the user decides.
bool ConfirmPaperFormat(QWidget* parent, const CSettingsStore& profile, const QPrinter& printer);
