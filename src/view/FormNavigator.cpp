#include "FormNavigator.h"

#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "fields/KivEditWindow.h"

#include "app/SettingsStore.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <iterator>

namespace {

// A move visits each field it passes over. An honest move, wrap included,
// visits each field of a sheet a few times at most; beyond that no field of
// the sheet can take the caret and the move ends where it is.
constexpr int kMaxVisits = 4 * kMainFieldCount;

} // namespace

const QString CFormNavigator::kCtrMessage =
    QStringLiteral("Die Eingabe in Feld Ctr. war falsch\r\nin diesem Feld sind nur\r\n1 für JA, 0 für NEIN erlaubt");

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

int CFormNavigator::ReadSetting(const char* key, int defaultValue) const
{
    return m_host.NavigatorSettings().ReadInt(SettingsSection::kDefaults, QLatin1String(key), defaultValue);
}

bool CFormNavigator::CtrRejected(int ctrField) const
{
    // The printed form asks for 1 (yes) or 0 (no), and so does the message; a
    // text holding either passes.
    const QString t = m_engine.GetFieldText(quint16(ctrField), 1);
    return !t.isEmpty() && !t.contains(QLatin1Char('0')) && !t.contains(QLatin1Char('1'));
}

void CFormNavigator::NextFieldCommand()
{
    NextField(m_engine.GetCurrentPage());
}

bool CFormNavigator::HasPresets(int field, int page)
{
    static constexpr int kMain[] = {0, 1, 2, 6, 10, 17, 20, 21, 23, 24, 26, 27, 29, 56, 69};
    static constexpr int kCont[] = {4, 8, 11, 20, 29};
    if (page == 1)
        return std::find(std::begin(kMain), std::end(kMain), field) != std::end(kMain);
    return page >= 2 && std::find(std::begin(kCont), std::end(kCont), field) != std::end(kCont);
}

int CFormNavigator::GoToFieldChecked(int field, int page)
{
    if (++m_visits > kMaxVisits)
        return 0;
    const int oldField = m_engine.GetCurrentField();
    const int oldPage = m_engine.GetCurrentPage();

    // The "Ctr." boxes of box 55 are checked when the caret leaves the
    // field after them; a wrong entry keeps the caret in the box.
    if (oldPage == 1 && (oldField == 42 || oldField == 44)) {
        const int ctr = oldField - 1;
        if (CtrRejected(ctr)) {
            m_host.ShowMessage(kCtrMessage);
            m_engine.ActivateField(quint16(ctr), 1);
            m_host.FocusEditor();
            m_host.UpdateStatusPanes();
            return 0;
        }
    }
    if (oldPage == 1 && oldField == 77)
        m_engine.SetFieldText(0, m_engine.GetCurrentText(), 2);

    if (ReadSetting("AutoFillPositions", 1) != 0) {
        const int current = m_engine.GetCurrentPage();
        const bool numbering = current == 1 ? (field == 11 || field == 14 || field == 30)
                                            : (field == 9 || field == 12 || field == 21 || field == 30);
        if (numbering)
            m_host.FillPositionFields();
    }

    // Stamp texts of page 1 go to the first continuation sheet as well.
    if (m_engine.GetCurrentPage() == 1) {
        if ((ReadSetting("Stamp_A", 0) == 1 || ReadSetting("Stamp_C", 0) == 1) && oldField == 77) {
            m_engine.SetFieldText(0, m_engine.GetCurrentText(), 2);
            if (ReadSetting("Stamp_A", 1) == 1) {
                m_engine.SetFieldText(5, m_engine.GetCurrentText(), 1);
                m_engine.ActivateField(5, 1);
                m_engine.ActivateField(77, 1);
                m_engine.SetFieldText(3, m_engine.GetCurrentText(), 2);
            }
        } else if (oldField >= 4 && oldField <= 8) {
            m_engine.SetFieldText(quint16(oldField - 2), m_engine.GetCurrentText(), 2);
            m_engine.SetFieldAttributes(quint16(oldField - 2), 2, m_engine.GetFieldAttributes(quint16(oldField), 1));
        }
    }

    // Leaving: the editor's text goes into the old field.
    if (ReadSetting("Stamp_A", 0) == 1 && oldField == 0 && m_engine.GetCurrentPage() != 1) {
        m_engine.SetFieldText(3, m_engine.GetCurrentText(), 2);
        m_engine.ActivateField(3, 2);
        m_engine.ActivateField(0, m_engine.GetCurrentPage());
        m_engine.ActivateField(0, quint16(oldPage));
    } else {
        m_engine.ActivateField(quint16(oldField), quint16(oldPage));
        if (oldField == 8) {
            QString t = m_engine.GetCurrentText();
            t.replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\r\n"));
            m_engine.SetCurrentText(t);
        }
    }

    // Arriving.
    const int targetPage = page == 0 ? oldPage : page;
    if (m_engine.ActivateField(quint16(field), quint16(targetPage)) == 0)
        m_host.FocusEditor();
    m_host.UpdateStatusPanes();

    const bool threeLines = ReadSetting("3LineInStamp", 1) == 1;
    if (page == 1) {
        if ((ReadSetting("Stamp_A", 0) == 1 || ReadSetting("Stamp_C", 0) == 1)
            && (field == 4 || field == 7 || field == 54 || field == 57) && threeLines) {
            TextInput3L(field, 1);
            return 0;
        }
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
        // The stamp lines of a continuation sheet; page 0 on page 1 keeps
        // the fields of page 1.
        if (targetPage != 1 && ReadSetting("Stamp_A", 0) == 1
            && (field == 2 || field == 5 || field == 39 || field == 42) && ReadSetting("3LineInStamp", 1) == 1) {
            TextInput3L(field, targetPage);
            return 0;
        }
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

void CFormNavigator::TextInput3L(int field, int page)
{
    const std::optional<QString> entered = m_host.RunTextInput3L(m_engine.GetCurrentText());
    if (entered) {
        // Trailing line breaks would count as lines of their own.
        QString t = *entered;
        qsizetype end = t.size();
        while (end > 0 && t.at(end - 1).isSpace())
            --end;
        t.truncate(end);
        const int lines = 1 + int(t.count(QStringLiteral("\r\n")));
        const quint8 size = lines == 2 ? 0x41 : lines == 3 ? 0x42 : 0;
        m_engine.SetCurrentText(t);
        const bool mirrored = page == 1 && (field == 4 || field == 7);
        if (mirrored)
            m_engine.SetFieldText(quint16(field - 2), t, 2);
        m_engine.SetFieldSize(quint16(field), quint16(page), size);
        if (mirrored)
            m_engine.SetFieldSize(quint16(field - 2), 2, size);
        m_engine.AlignCentre();
        m_engine.SetBold();
        if (mirrored) {
            m_engine.AlignCentre(quint16(field - 2), 2);
            m_engine.SetBold(quint16(field - 2), 2);
        }
        m_host.DocumentModified();
    }
    NextFieldCommand();
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
