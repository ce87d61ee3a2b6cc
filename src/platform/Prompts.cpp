#include "Prompts.h"

#include "app/AppConstants.h"

#include <QCommandLinkButton>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

Prompts::AskFunction g_ask;
Prompts::FileFunction g_open;
Prompts::FileFunction g_save;
Prompts::LinksFunction g_links;

// Closes only through one of its links.
class CLinksDialog : public QDialog
{
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Escape)
            return;
        QDialog::keyPressEvent(e);
    }
    void reject() override {}
};

} // namespace

namespace Prompts {

void SetAskFunction(AskFunction f) { g_ask = std::move(f); }
void SetOpenFileFunction(FileFunction f) { g_open = std::move(f); }
void SetSaveFileFunction(FileFunction f) { g_save = std::move(f); }
void SetLinksFunction(LinksFunction f) { g_links = std::move(f); }

int ChooseLink(QWidget* parent, const QString& title, const QString& instruction, const QString& content,
               const QStringList& links, int defaultLink)
{
    if (g_links)
        return g_links(parent, title, instruction, content, links, defaultLink);
    CLinksDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(&dialog);
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto* heading = new QLabel(instruction, &dialog);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    heading->setFont(big);
    head->addWidget(icon);
    head->addWidget(heading, 1);
    layout->addLayout(head);
    layout->addWidget(new QLabel(content, &dialog));
    int chosen = -1;
    for (int i = 0; i < links.size(); ++i) {
        auto* b = new QCommandLinkButton(links.at(i), &dialog);
        b->setDefault(i == defaultLink);
        b->setAutoDefault(i == defaultLink);
        if (i == defaultLink)
            b->setFocus();
        QObject::connect(b, &QPushButton::clicked, &dialog, [&dialog, &chosen, i] {
            chosen = i;
            dialog.accept();
        });
        layout->addWidget(b);
    }
    dialog.exec();
    return chosen;
}

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    if (g_ask)
        return g_ask(parent, icon, text, buttons, defaultButton);
    QMessageBox box(icon, AppConstants::kApplicationTitle, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    Ask(parent, icon, text, QMessageBox::Ok, QMessageBox::Ok);
}

QString GetOpenFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter)
{
    if (g_open)
        return g_open(parent, title, dir, filter);
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString GetSaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter)
{
    if (g_save)
        return g_save(parent, title, dir, filter);
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

} // namespace Prompts
