#include "DlgEH_Default54.h"

#include "FieldPickers.h"
#include "app/SettingsStore.h"
#include "platform/Help.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FieldPickers;

CDlgEH_Default54::CDlgEH_Default54(QWidget* parent)
    : QDialog(parent)
    , m_place(new QLineEdit(this))
    , m_remember(new QCheckBox(kRememberText, this))
{
    setWindowTitle(kCaption54);
    const SPlaceMemory memory = ReadPlaceMemory(CSettingsStore::Profile());
    m_remember->setChecked(memory.remember);
    m_place->setText(memory.place);
    m_place->setMinimumWidth(m_place->fontMetrics().averageCharWidth() * 32);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(kInsertDateText, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(kCancel54Text, QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);

    auto* form = new QFormLayout;
    auto* label = new QLabel(kPlaceLabel, this);
    label->setBuddy(m_place);
    form->addRow(label, m_place);
    form->addRow(QString(), m_remember);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    m_place->setToolTip(Text(kTextTipPlace));
    m_ok->setToolTip(Text(kTextTipTakeOver));
    m_cancel->setToolTip(Text(kTextTipAbort));

    Help::InstallHelpKey(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgEH_Default54::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgEH_Default54::reject);
}

void CDlgEH_Default54::accept()
{
    const QDate date = m_date.isValid() ? m_date : QDate::currentDate();
    m_result = TakeDate(CSettingsStore::Profile(), m_place->text(), m_remember->isChecked(), date);
    QDialog::accept();
}
