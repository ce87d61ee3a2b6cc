#include "DlgEH_Default25.h"

#include "FieldPickers.h"
#include "platform/Help.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FieldPickers;

CDlgEH_Default25::CDlgEH_Default25(int code, QWidget* parent)
    : QDialog(parent)
    , m_code(code)
    , m_list(new QListWidget(this))
{
    setWindowTitle(kCaption25);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->addItems(TransportTexts());
    // Every mode at a glance.
    m_list->setFixedHeight(m_list->sizeHintForRow(0) * m_list->count() + 2 * m_list->frameWidth());
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 16);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(kTakeOverText, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(kAbortText, QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(kHelpText, QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    m_list->setToolTip(Text(kTextTipTransport));
    m_ok->setToolTip(Text(kTextTipTakeOver));
    m_cancel->setToolTip(Text(kTextTipCancel));
    m_help->setToolTip(Text(kTextTipHelp));

    const int row = TransportRow(code);
    if (row >= 0)
        m_list->setCurrentRow(row);
    // Codes beyond the list select nothing; OK waits for a choice rather
    // than write a code the box does not know.
    m_ok->setEnabled(row >= 0);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { m_ok->setEnabled(SelectedRow() >= 0); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CDlgEH_Default25::accept);
    Help::InstallHelpKey(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgEH_Default25::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgEH_Default25::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { Help::Open(this); });
}

int CDlgEH_Default25::SelectedRow() const
{
    // The current row alone may be a mere focus mark; only a selected row counts.
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CDlgEH_Default25::accept()
{
    const std::optional<int> code = TransportCode(SelectedRow());
    if (!code)
        return;
    m_code = *code;
    QDialog::accept();
}
