#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every question and message of the program goes through here, so tests can
// answer them without a modal box appearing. The defaults show Qt's German
// message boxes and file dialogs.
namespace Prompts {

using AskFunction = std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                                              QMessageBox::StandardButtons buttons,
                                                              QMessageBox::StandardButton defaultButton)>;
using FileFunction = std::function<QString(QWidget* parent, const QString& title, const QString& dir, const QString& filter)>;

using LinksFunction = std::function<int(QWidget* parent, const QString& title, const QString& instruction,
                                        const QString& content, const QStringList& links, int defaultLink)>;

// Replaced by tests; reset with nullptr.
void SetLinksFunction(LinksFunction f);
void SetAskFunction(AskFunction f);
void SetOpenFileFunction(FileFunction f);
void SetSaveFileFunction(FileFunction f);

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
// A message with OK only.
void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// A warning with one command link per choice; the index of the chosen link.
// Escape does not close it: one of the links must be chosen.
int ChooseLink(QWidget* parent, const QString& title, const QString& instruction, const QString& content,
               const QStringList& links, int defaultLink);

QString GetOpenFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter);
QString GetSaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter);

} // namespace Prompts
