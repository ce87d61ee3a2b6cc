#include "DlgEH_Default01.h"

#include "platform/Help.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace FieldPickers;

namespace {

// Buttons of a part in rows of `columns`, the current text's code checked.
QButtonGroup* AddGroup(QWidget* box, EPart part, const QString& text, int columns)
{
    auto* group = new QButtonGroup(box);
    auto* grid = new QGridLayout(box);
    const QStringList codes = PartCodes(part);
    const int chosen = PartChoice(part, text);
    for (int i = 0; i < codes.size(); ++i) {
        auto* button = new QRadioButton(codes.at(i), box);
        group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns, Qt::AlignLeft);
        button->setChecked(i == chosen);
    }
    grid->setRowStretch(int((codes.size() + columns - 1) / columns), 1);
    return group;
}

} // namespace

CDlgEH_Default01::CDlgEH_Default01(const QString& partA, const QString& partB, const QString& partC, QWidget* parent)
    : QDialog(parent)
    , m_textA(partA)
    , m_textB(partB)
    , m_textC(partC)
    , m_heading(new QLabel(kHeading01, this))
{
    setWindowTitle(kCaption01);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);

    auto* boxA = new QGroupBox(this);
    auto* boxB = new QGroupBox(this);
    m_partCBox = new QGroupBox(this);
    m_groups[0] = AddGroup(boxA, EPart::kA, partA, 1);
    m_groups[1] = AddGroup(boxB, EPart::kB, partB, 3);
    m_groups[2] = AddGroup(m_partCBox, EPart::kC, partC, 1);
    // Part C is not the clerk's to choose here; it only carries its value.
    m_partCBox->hide();

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(kTakeOverText, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(kAbortText, QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(kHelpText, QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);

    auto* parts = new QHBoxLayout;
    parts->addWidget(boxA);
    parts->addWidget(boxB);
    parts->addWidget(m_partCBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(parts);
    layout->addWidget(buttons);

    Help::InstallHelpKey(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgEH_Default01::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgEH_Default01::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
}

QButtonGroup* CDlgEH_Default01::Group(EPart part) const
{
    return m_groups[int(part)];
}

void CDlgEH_Default01::accept()
{
    m_textA = PartText(EPart::kA, m_groups[0]->checkedId());
    m_textB = PartText(EPart::kB, m_groups[1]->checkedId());
    m_textC = PartText(EPart::kC, m_groups[2]->checkedId());
    QDialog::accept();
}
