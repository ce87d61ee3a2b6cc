#include "DlgDeleteEHWarenpositon.h"

#include "EinheitspapierView.h"
#include "PagesAndPositions.h"
#include "document/EinheitspapierDoc.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace PagesAndPositions;

CDlgDeleteEHWarenpositon::CDlgDeleteEHWarenpositon(CEinheitspapierView* view, QWidget* parent)
    : QDialog(parent ? parent : view)
    , m_view(view)
    , m_positions(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Warenposition löschen"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Zu löschende Warenposition:"), this);
    label->setBuddy(m_positions);
    auto* note = new QLabel(QStringLiteral("Diese Funktion kann nicht rückgängig gemacht werden."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(m_positions);
    layout->addWidget(note);
    layout->addWidget(buttons);

    m_positions->setToolTip(QStringLiteral("Die Warenposition, die gelöscht werden soll"));
    m_ok->setToolTip(QStringLiteral("Warenposition löschen und Dialog beenden"));
    m_cancel->setToolTip(Text(kTextTipCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgDeleteEHWarenpositon::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgDeleteEHWarenpositon::reject);

    if (m_view) {
        const CKivEditWindow& e = m_view->Document().Engine();
        const QStringList entries = DeleteListEntries(e, m_view->Document().ContinuationCount());
        m_positions->addItems(entries);
        const int current = DeleteListIndex(m_view->CurrentPage(), ContPositionOfField(e.GetCurrentField()));
        m_positions->setCurrentIndex(current >= 0 && current < entries.size() ? current : -1);
    }
    auto updateOk = [this] { m_ok->setEnabled(m_view && m_positions->currentIndex() >= 0); };
    connect(m_positions, &QComboBox::currentIndexChanged, this, updateOk);
    updateOk();
}

int CDlgDeleteEHWarenpositon::exec()
{
    if (!m_view)
        return kAborted;
    return QDialog::exec();
}

void CDlgDeleteEHWarenpositon::accept()
{
    if (!m_view || m_positions->currentIndex() < 0)
        return;
    // The editor must not stand on a field that is about to change.
    m_view->GoToField(0, m_view->CurrentPage());
    m_changed = DeletePosition(m_view->Document().Engine(), m_view->Document().ContinuationCount(),
                               m_positions->currentIndex());
    QDialog::accept();
}
