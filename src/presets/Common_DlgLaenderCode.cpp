#include "Common_DlgLaenderCode.h"

#include "platform/Help.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace CountryCodes;

namespace {

constexpr int kVisibleRows = 18;

// Every row carries its table entry.
void Fill(QListWidget* list, const QList<int>& rows, QString (*text)(int))
{
    for (int entry : rows) {
        auto* item = new QListWidgetItem(text(entry), list);
        item->setData(Qt::UserRole, entry);
    }
}

// Wide enough for the longest text without a horizontal scroll bar.
int TextWidth(QListWidget* list)
{
    return list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth() + 8;
}

void FitHeight(QListWidget* list)
{
    list->setMinimumHeight(list->sizeHintForRow(0) * kVisibleRows + 2 * list->frameWidth());
}

} // namespace

Common_DlgLaenderCode::Common_DlgLaenderCode(int mode, const QString& name, const QString& code, QWidget* parent)
    : QDialog(parent)
    , m_name(name)
    , m_code(code)
    , m_codeList(new QListWidget(this))
    , m_nameList(new QListWidget(this))
    , m_codeLabel(new QLabel(kCodeLabel, this))
    , m_nameLabel(new QLabel(kNameLabel, this))
{
    setWindowTitle(Caption(mode));
    m_codeLabel->setBuddy(m_codeList);
    m_nameLabel->setBuddy(m_nameList);
    for (QListWidget* list : {m_codeList, m_nameList}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
    }
    Fill(m_codeList, m_lists.CodeRows(), &Code);
    Fill(m_nameList, m_lists.NameRows(), &Name);
    // The codes need no more room than their two letters; the names take the rest.
    m_codeList->setFixedWidth(qMax(TextWidth(m_codeList), m_codeLabel->sizeHint().width()));
    m_nameList->setMinimumWidth(TextWidth(m_nameList));
    FitHeight(m_codeList);
    FitHeight(m_nameList);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(kOkText, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(kCancelText, QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(kHelpText, QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(m_codeLabel, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(m_nameLabel, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(m_codeList, 1, 0);
    grid->addWidget(m_nameList, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    m_codeList->setToolTip(kTipCodeList);
    m_nameList->setToolTip(kTipNameList);
    m_cancel->setToolTip(kTipCancel);
    m_help->setToolTip(kTipHelp);
    m_ok->setToolTip(kTipOk);

    m_lists.Open(name, code);
    ShowSelection(nullptr);

    connect(m_nameList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_lists.SelectNameRow(row);
        ShowSelection(m_nameList);
    });
    connect(m_codeList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_lists.SelectCodeRow(row);
        ShowSelection(m_codeList);
    });
    connect(m_nameList, &QListWidget::itemDoubleClicked, this, &Common_DlgLaenderCode::accept);
    connect(m_codeList, &QListWidget::itemDoubleClicked, this, &Common_DlgLaenderCode::accept);
    Help::InstallHelpKey(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &Common_DlgLaenderCode::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Common_DlgLaenderCode::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
    // Typing searches the list that has the focus: the codes where the field
    // takes a code (mode 0 or another value without a caption of its own),
    // otherwise the names.
    (mode >= 1 && mode <= 4 ? m_nameList : m_codeList)->setFocus();
}

void Common_DlgLaenderCode::ShowSelection(QListWidget* chosenIn)
{
    // Mirroring one list into the other must not count as a new choice there.
    const QSignalBlocker blockCodes(m_codeList);
    const QSignalBlocker blockNames(m_nameList);
    m_codeList->setCurrentRow(m_lists.CodeRow());
    m_nameList->setCurrentRow(m_lists.NameRow());
    // The list the user works in stays where it is; the other one brings
    // the matching row into the middle.
    for (QListWidget* list : {m_codeList, m_nameList}) {
        if (list != chosenIn && list->currentItem())
            list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
}

void Common_DlgLaenderCode::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only now do the lists know their height to centre the preselection.
    if (!event->spontaneous())
        ShowSelection(nullptr);
}

void Common_DlgLaenderCode::accept()
{
    // Without a country there is nothing to take over; the values stay.
    const int entry = m_nameList->selectedItems().isEmpty() ? -1 : m_lists.ChosenEntry();
    if (entry >= 0) {
        m_name = Name(entry);
        m_code = Code(entry);
    }
    QDialog::accept();
}
