#include "FormPrinter.h"

#include "PrintCalibration.h"
#include "app/SettingsStore.h"
#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "platform/LometricPainter.h"

namespace {

int ReadDefault(const CSettingsStore& profile, const QString& key, int fallback)
{
    return profile.ReadInt(SettingsSection::kDefaults, key, fallback);
}

} // namespace

CFormPrinter::CFormPrinter(CKivEditWindow& engine, const CFieldDefinitions& definitions, const CSettingsStore& profile,
                           int variant, quint8 crossMark)
    : m_engine(engine)
    , m_definitions(definitions)
    , m_profile(profile)
    , m_variant(variant)
    , m_crossMark(crossMark)
    , m_origin(kMainOffsetX, kOffsetY)
{
}

QPoint CFormPrinter::OriginFor(const CSettingsStore& profile, int page)
{
    using namespace PrintCalibration;
    if (page == 1)
        return {ReadDefault(profile, kLeftMargin, 0) + kMainOffsetX, kOffsetY - ReadDefault(profile, kTopMargin, 0)};
    return {ReadDefault(profile, kLeftMargin2, 0) + kContOffsetX, kOffsetY - ReadDefault(profile, kTopMargin2, 0)};
}

QPoint CFormPrinter::NominalOrigin(int page)
{
    return {page == 1 ? kMainOffsetX : kContOffsetX, kOffsetY};
}

int CFormPrinter::FontFactor(const CSettingsStore& profile)
{
    // A damaged value would print unreadably small or huge texts.
    using namespace PrintCalibration;
    return qBound(kFontFactorMin, ReadDefault(profile, kFontFactor, kFontFactorDefault), kFontFactorMax);
}

SLogRect CFormPrinter::GetFieldPrintRect(int index, int kind) const
{
    const SFieldTableRect p = CFieldTable::PrintRect(index, kind == 1 ? kMainSheet : kContSheet);
    return {p.left + m_origin.x(), m_origin.y() - p.top, p.right + m_origin.x(), m_origin.y() - p.bottom};
}

CFormPrinter::SPrintItem CFormPrinter::Item(int index, int kind, int page) const
{
    const SLogRect r = GetFieldPrintRect(index, kind);
    return {index, page, SLogRect{r.left + 2, r.top, r.right + 2, r.bottom}};
}

QList<CFormPrinter::SPrintItem> CFormPrinter::PrintItems(int page)
{
    m_origin = OriginFor(m_profile, page);
    QList<SPrintItem> items;
    // Box 1 of page 1 heads every continuation sheet, whatever its flags.
    if (page != 1) {
        for (int i = 0; i < 3; ++i)
            items.append(Item(i, 1, 1));
    }
    const int kind = page == 1 ? kMainSheet : kContSheet;
    const int count = page == 1 ? kMainFieldCount : kContFieldCount;
    for (int i = 0; i < count; ++i) {
        if (m_definitions.IsPrinted(i, kind, m_variant))
            items.append(Item(i, kind, page));
    }
    return items;
}

void CFormPrinter::OnPrint(CLometricPainter& dc, int page)
{
    dc.SetTextColour(Qt::black);
    m_engine.CreatePrintFonts(FontFactor(m_profile));
    const QList<SPrintItem> items = PrintItems(page);
    if (page == 1)
        PrintPositioningMark(dc, m_origin);
    for (const SPrintItem& item : items)
        m_engine.PrintField(dc, item.rect, quint16(item.index), quint16(item.page), false);
    if (page == 1)
        PrintCrossMark(dc);
}

void CFormPrinter::PrintPositioningMark(CLometricPainter& dc, QPoint origin)
{
    const int x0 = origin.x();
    const int y0 = origin.y();
    dc.SetPen(Qt::black, 1);
    dc.MoveTo(x0 + 115, y0 - 100);
    dc.LineTo(x0 + 115, y0 - 80);
    dc.LineTo(x0 + 135, y0 - 80);
    dc.MoveTo(x0 + 115, y0 - 2050);
    dc.LineTo(x0 + 115, y0 - 2010);
}

void CFormPrinter::PrintCrossMark(CLometricPainter& dc)
{
    dc.SetTextColour(Qt::black);
    dc.SetPen(Qt::black, 4);
    if (m_crossMark != 1)
        return;
    const int x = m_origin.x() + ReadDefault(m_profile, QStringLiteral("HorPosX2_EH"), 0);
    const int y = m_origin.y() + ReadDefault(m_profile, QStringLiteral("VertPosX2_EH"), 0);
    dc.MoveTo(x + 215, y - 1495);
    dc.LineTo(x + 245, y - 1525);
    dc.MoveTo(x + 245, y - 1495);
    dc.LineTo(x + 215, y - 1525);
}
