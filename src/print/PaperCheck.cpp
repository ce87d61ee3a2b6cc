#include "PaperCheck.h"

#include "app/SettingsStore.h"
#include "platform/Prompts.h"

#include <QPageLayout>
#include <QPrinter>

namespace {

constexpr qreal kA4Width = 210.0;
constexpr qreal kA4Height = 297.0;
constexpr qreal kTolerance = 1.0;

} // namespace

namespace PaperCheck {

bool IsA4Portrait(const QPageLayout& layout)
{
    if (!layout.isValid() || layout.orientation() != QPageLayout::Portrait)
        return false;
    // The sheet as it lies, orientation applied.
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    return qAbs(sheet.width() - kA4Width) <= kTolerance && qAbs(sheet.height() - kA4Height) <= kTolerance;
}

QString QuestionText(const QPageLayout& layout)
{
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    const QString orientation = layout.orientation() == QPageLayout::Landscape ? QStringLiteral("Querformat")
                                                                               : QStringLiteral("Hochformat");
    return QStringLiteral("Das Papier des Druckers ist nicht DIN A4 im Hochformat:\n"
                          "eingestellt ist %1 (%2 x %3 mm, %4).\n\n"
                          "Das Formular passt nur auf DIN A4 im Hochformat.\n\n"
                          "Möchten Sie trotzdem drucken?")
        .arg(layout.pageSize().name())
        .arg(qRound(sheet.width()))
        .arg(qRound(sheet.height()))
        .arg(orientation);
}

} // namespace PaperCheck

bool ConfirmPaperFormat(QWidget* parent, const CSettingsStore& profile, const QPrinter& printer)
{
    if (profile.ReadInt(SettingsSection::kSettings, PaperCheck::kSettingName, 1) == 0)
        return true;
    const QPageLayout layout = printer.pageLayout();
    if (PaperCheck::IsA4Portrait(layout))
        return true;
    return Prompts::Ask(parent, QMessageBox::Warning, PaperCheck::QuestionText(layout),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}
