#include "DlgEH_Default19.h"

#include "FieldPickers.h"
#include "platform/Help.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace FieldPickers;

CDlgEH_Default19::CDlgEH_Default19(int code, QWidget* parent)
    : QDialog(parent)
    , m_code(code)
    , m_group(new QButtonGroup(this))
{
    setWindowTitle(kCaption19);
    auto* box = new QGroupBox(this);
    auto* boxLayout = new QVBoxLayout(box);
    const QStringList texts = ContainerTexts();
    const int chosen = ContainerChoice(code);
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts.at(i), box);
        m_group->addButton(button, i);
        boxLayout->addWidget(button);
        button->setChecked(i == chosen);
    }

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(kTakeOverText, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(kAbortText, QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(kHelpText, QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);

    m_ok->setToolTip(Text(kTextTipTakeOver));
    m_cancel->setToolTip(Text(kTextTipCancel));
    m_help->setToolTip(Text(kTextTipHelp));

    // A code other than 0 or 1 checks nothing; OK waits for a choice rather
    // than write a code the box does not know.
    m_ok->setEnabled(chosen >= 0);
    connect(m_group, &QButtonGroup::idToggled, this, [this] { m_ok->setEnabled(m_group->checkedId() >= 0); });
    Help::InstallHelpKey(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgEH_Default19::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgEH_Default19::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
}

void CDlgEH_Default19::accept()
{
    const std::optional<int> code = ContainerCode(m_group->checkedId());
    if (!code)
        return;
    m_code = *code;
    QDialog::accept();
}
