#include "Common_DlgBundeslaenderCode.h"

#include "FederalStates.h"
#include "platform/Help.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace FederalStates;

Common_DlgBundeslaenderCode::Common_DlgBundeslaenderCode(const QString& code, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_code(code)
    , m_list(new QListWidget(this))
{
    setWindowTitle(caption.isEmpty() ? kCaption : caption);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->addItems(Texts());
    // All seventeen rows at once, no scrolling.
    m_list->setFixedHeight(m_list->sizeHintForRow(0) * m_list->count() + 2 * m_list->frameWidth());
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 16);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(kOkText, QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(kCancelText, QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);

    m_list->setToolTip(kTipList);
    m_cancel->setToolTip(kTipCancel);
    m_ok->setToolTip(kTipOk);

    const int row = InitialRow(code);
    if (row >= 0)
        m_list->setCurrentRow(row);
    // Without a state chosen there is no number to take over.
    m_ok->setEnabled(row >= 0);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { m_ok->setEnabled(SelectedRow() >= 0); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &Common_DlgBundeslaenderCode::accept);
    Help::InstallHelpKey(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &Common_DlgBundeslaenderCode::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Common_DlgBundeslaenderCode::reject);
}

void Common_DlgBundeslaenderCode::accept()
{
    const std::optional<QString> code = ResultCode(SelectedRow());
    if (!code)
        return;
    m_code = *code;
    QDialog::accept();
}

int Common_DlgBundeslaenderCode::SelectedRow() const
{
    // The current row alone may be a mere focus mark; only a selected row counts.
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}
