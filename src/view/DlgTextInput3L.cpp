#include "DlgTextInput3L.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgTextInput3L::CDlgTextInput3L(const QString& text, QWidget* parent)
    : QDialog(parent)
    , m_edit(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Texteingabe"));
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    m_text = text.mid(start);
    m_edit->setPlainText(QString(m_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_edit->setTabChangesFocus(true);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    // Enter belongs to the edit: it starts a new line.
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void CDlgTextInput3L::accept()
{
    QString t = m_edit->toPlainText();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text = t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QDialog::accept();
}
