#include "FormNavigator.h"

#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "fields/KivEditWindow.h"

#include <QScopedValueRollback>

namespace {

// A move visits each field it passes over. An honest move, wrap included,
// visits each field of a sheet a few times at most; beyond that no field of
// the sheet can take the caret and the move ends where it is.
constexpr int kMaxVisits = 4 * kMainFieldCount;

} // namespace

CFormNavigator::CFormNavigator(CKivEditWindow& engine, const CFieldDefinitions& definitions, IHost& host)
    : m_engine(engine)
    , m_definitions(definitions)
    , m_host(host)
{
}

bool CFormNavigator::IsEditable(int field, int page) const
{
    const int p = page == 0 ? m_engine.GetCurrentPage() : page;
    return m_definitions.IsEditable(field, p == 1 ? kMainSheet : kContSheet, m_host.FormVariant());
}

CFormNavigator::SMove::SMove(CFormNavigator& n)
    : navigator(n)
{
    if (navigator.m_openMoves++ == 0)
        navigator.m_visits = 0;
}

CFormNavigator::SMove::~SMove()
{
    --navigator.m_openMoves;
}

int CFormNavigator::GoToField(int field, int page)
{
    const SMove move(*this);
    return GoToFieldChecked(field, page);
}

int CFormNavigator::GoToFieldChecked(int field, int page)
{
    if (++m_visits > kMaxVisits)
        return 0;
    const int oldField = m_engine.GetCurrentField();
    const int oldPage = m_engine.GetCurrentPage();

    // Leaving: the editor's text goes into the old field.
    m_engine.ActivateField(oldField, oldPage);

    // Arriving.
    const int targetPage = page == 0 ? oldPage : page;
    if (m_engine.ActivateField(field, targetPage) == 0)
        m_host.FocusEditor();
    m_host.UpdateStatusPanes();

    if (page == 1) {
        if (field >= kMainFieldCount) {
            GoToFieldChecked(0, 1);
            if (!IsEditable(m_engine.GetCurrentField(), 1) && !m_inNextField)
                NextField(1);
            return 0;
        }
        if (!IsEditable(field, 1)) {
            if (oldField < field || field == 0)
                return GoToFieldChecked(field + 1, 1);
            return GoToFieldChecked(field - 1, 1);
        }
    } else {
        if (field >= kContFieldCount) {
            GoToFieldChecked(0, page);
            if (!IsEditable(m_engine.GetCurrentField(), targetPage) && !m_inNextField)
                NextField(targetPage);
            return 0;
        }
        if (!IsEditable(field, targetPage)) {
            if (oldField >= field && field >= 1)
                return GoToFieldChecked(field - 1, page);
            return GoToFieldChecked(field + 1, page);
        }
    }
    m_host.EnsureVisible();
    return 0;
}

void CFormNavigator::NextField(int shownPage)
{
    // A wrap inside the loop below must not start another loop.
    const QScopedValueRollback<bool> running(m_inNextField, true);
    const SMove move(*this);
    const int bound = shownPage == 1 ? kMainBound : kContBound;
    // One round over the sheet at most: a sheet without editable fields ends it.
    for (int step = 0; step <= kMainFieldCount + 1; ++step) {
        const int f = m_engine.GetCurrentField();
        GoToField(f >= bound ? 0 : f + 1, shownPage);
        if (IsEditable(m_engine.GetCurrentField(), shownPage))
            return;
    }
}

void CFormNavigator::PreviousField(int shownPage)
{
    const SMove move(*this);
    const int bound = shownPage == 1 ? kMainBound : kContBound;
    for (int step = 0; step <= kMainFieldCount + 1; ++step) {
        const int f = m_engine.GetCurrentField();
        GoToField(f == 0 ? bound : f - 1, shownPage);
        const int now = m_engine.GetCurrentField();
        // The signature box is reached with Tab only.
        if (IsEditable(now, shownPage) && !(shownPage == 1 && now == 70))
            return;
    }
}

int CFormNavigator::HitTest(QPoint point, int sheetKind, int zoom) const
{
    const int count = CFieldTable::FieldCount(sheetKind);
    for (int i = 0; i < count; ++i) {
        const SFieldTableRect r = CFieldTable::ScreenRect(i, sheetKind, zoom);
        const bool inside = point.x() >= r.left && point.x() < r.right && point.y() >= r.top && point.y() < r.bottom;
        if (inside && m_definitions.IsEditable(i, sheetKind, m_host.FormVariant()))
            return i;
    }
    return -1;
}
