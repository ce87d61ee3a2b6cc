#include "DlgMoveEHWarenpositon.h"

#include "EinheitspapierView.h"
#include "PagesAndPositions.h"
#include "document/EinheitspapierDoc.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PagesAndPositions;

CDlgMoveEHWarenpositon::CDlgMoveEHWarenpositon(CEinheitspapierView* view, QWidget* parent)
    : QDialog(parent ? parent : view)
    , m_view(view)
    , m_source(new QComboBox(this))
    , m_target(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Warenposition verschieben"));
    auto* layout = new QVBoxLayout(this);
    auto* sourceLabel = new QLabel(QStringLiteral("Zu verschiebende Warenposition:"), this);
    sourceLabel->setBuddy(m_source);
    auto* targetLabel = new QLabel(QStringLiteral("verschieben nach:"), this);
    targetLabel->setBuddy(m_target);
    auto* warning = new QLabel(QStringLiteral("Achtung: Die Daten an der Zielposition werden überschrieben!"), this);
    warning->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    layout->addWidget(sourceLabel);
    layout->addWidget(m_source);
    layout->addWidget(targetLabel);
    layout->addWidget(m_target);
    layout->addWidget(warning);
    layout->addWidget(buttons);

    m_source->setToolTip(Text(kTextTipMoveSource));
    m_target->setToolTip(Text(kTextTipMoveTarget));
    m_cancel->setToolTip(Text(kTextTipCancel));
    m_ok->setToolTip(Text(kTextTipMoveOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgMoveEHWarenpositon::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgMoveEHWarenpositon::reject);

    if (m_view) {
        const CKivEditWindow& e = m_view->Document().Engine();
        const int c = m_view->Document().ContinuationCount();
        const QStringList entries = MoveListEntries(e, c);
        m_source->addItems(entries);
        m_target->addItems(entries);
        const int page = m_view->CurrentPage();
        if (page <= 1) {
            m_source->setCurrentIndex(0);
            m_target->setCurrentIndex(-1);
        } else {
            const int current = MoveListIndex(page, ContPositionOfField(e.GetCurrentField()));
            m_source->setCurrentIndex(current < entries.size() ? current : -1);
            m_target->setCurrentIndex(entries.size() > 1 ? 1 : -1);
        }
    }
    connect(m_source, &QComboBox::currentIndexChanged, this, &CDlgMoveEHWarenpositon::UpdateOk);
    connect(m_target, &QComboBox::currentIndexChanged, this, &CDlgMoveEHWarenpositon::UpdateOk);
    UpdateOk();
}

int CDlgMoveEHWarenpositon::exec()
{
    if (!m_view)
        return kAborted;
    return QDialog::exec();
}

void CDlgMoveEHWarenpositon::UpdateOk()
{
    // Without a chosen target there is nowhere to move to.
    m_ok->setEnabled(m_view && m_source->currentIndex() >= 0 && m_target->currentIndex() >= 0);
}

void CDlgMoveEHWarenpositon::accept()
{
    if (!m_view || m_source->currentIndex() < 0 || m_target->currentIndex() < 0)
        return;
    const int from = m_source->currentIndex();
    const int to = m_target->currentIndex();
    // A move onto itself keeps the position as it is.
    if (from != to) {
        // The editor must not stand on a field that is about to change.
        m_view->GoToField(0, m_view->CurrentPage());
        m_changed = MovePosition(m_view->Document().Engine(), m_view->Document().ContinuationCount(), from, to);
    }
    QDialog::accept();
}
