#include "FieldFonts.h"

#include "app/SettingsStore.h"

namespace {

constexpr int kRegular = 400;
constexpr int kBold = 700;

// Defaults of section Font: size classes 0-4, then small 8 and 9, then bold 0-4.
constexpr int kScreenDefaults[12] = {30, 38, 42, 46, 52, 26, 22, 28, 38, 42, 46, 52};
constexpr int kPrintDefaults[12] = {22, 32, 36, 42, 46, 24, 19, 22, 32, 38, 42, 46};

// A base height beyond this (0.1 mm) is a damaged setting, not a wish.
constexpr int kMaxBaseHeight = 600;

QString ValueName(CFieldFonts::ESet set, int index, bool bold)
{
    static const char* prefixes[] = {"EFont", "DFont", "PFont"};
    return QStringLiteral("%1%2%3").arg(QLatin1String(prefixes[set])).arg(index).arg(bold ? QStringLiteral("B") : QString());
}

int DefaultHeight(CFieldFonts::ESet set, int index, bool bold)
{
    const int* table = set == CFieldFonts::kPrint ? kPrintDefaults : kScreenDefaults;
    if (index == 8 || index == 9)
        return table[5 + (index - 8)];
    return table[bold ? 7 + index : index];
}

} // namespace

CFieldFonts::CFieldFonts()
{
    static constexpr int regular[5] = {30, 38, 42, 46, 52};
    static constexpr int bold[5] = {28, 38, 42, 46, 52};
    for (auto& set : m_fonts) {
        for (int k = 0; k < 5; ++k) {
            set[k] = SLogFont{regular[k], kRegular, 0};
            set[5 + k] = SLogFont{bold[k], kBold, 0};
        }
    }
    m_tilted = SLogFont{60, kBold, -150};
}

void CFieldFonts::DefineFont(int id, const SLogFont& font)
{
    auto put = [&](ESet set, int slot, int weight) {
        SLogFont f = font;
        f.weight = weight;
        m_fonts[set][slot] = f;
    };
    if (id >= 0 && id <= 4)
        put(kEditor, id, kRegular);
    else if (id >= 16 && id <= 20)
        put(kEditor, 5 + id - 16, kBold);
    else if (id == 65 || id == 66)
        put(kEditor, 10 + id - 65, kRegular);
    else if (id >= 8 && id <= 12)
        put(kPrint, id - 8, kRegular);
    else if (id >= 24 && id <= 28)
        put(kPrint, 5 + id - 24, kBold);
    else if (id == 67 || id == 68)
        put(kPrint, 10 + id - 67, kRegular);
}

int CFieldFonts::BaseHeight(const CSettingsStore& profile, ESet set, int index, bool bold)
{
    const int fallback = DefaultHeight(set, index, bold);
    const int v = profile.ReadInt(QStringLiteral("Font"), ValueName(set, index, bold), fallback);
    return (v > 0 && v <= kMaxBaseHeight) ? v : fallback;
}

void CFieldFonts::CreateScreenFonts(const CSettingsStore& profile, int zoom, qreal screenDpi)
{
    const int z = qMax(zoom, 1);
    const qreal dpi = screenDpi > 0 ? screenDpi : 96.0;
    // Editor heights go from 0.1 mm through 0.01 mm to pixels, as the display
    // fonts are drawn, so the editor shows the same size as the drawn text.
    auto build = [&](int index, bool bold, int slot) {
        const int weight = (bold && index < 8) ? kBold : kRegular;
        const int displayHeight = BaseHeight(profile, kDisplay, index, bold) * z / 12;
        m_fonts[kDisplay][slot] = SLogFont{qMax(displayHeight, 1), weight, 0};
        const int editorUnits = BaseHeight(profile, kEditor, index, bold) * z / 12;
        const int editorPixels = qRound(editorUnits * 10 * dpi / 2540.0);
        m_fonts[kEditor][slot] = SLogFont{qMax(editorPixels, 1), weight, 0};
    };
    for (int k = 0; k < 5; ++k) {
        build(k, false, k);
        build(k, true, 5 + k);
    }
    build(8, false, 10);
    build(9, false, 11);
}

void CFieldFonts::CreatePrintFonts(const CSettingsStore& profile, int percentage)
{
    auto build = [&](int index, bool bold, int slot) {
        const int weight = (bold && index < 8) ? kBold : kRegular;
        const int h = BaseHeight(profile, kPrint, index, bold) * percentage / 100;
        // A percentage of 0 or less leaves no usable font; keep a visible one.
        m_fonts[kPrint][slot] = SLogFont{qMax(h, 1), weight, 0};
    };
    for (int k = 0; k < 5; ++k) {
        build(k, false, k);
        build(k, true, 5 + k);
    }
    build(8, false, 10);
    build(9, false, 11);
}

const SLogFont* CFieldFonts::Font(ESet set, int sizeCode, bool bold) const
{
    const SLogFont* f = nullptr;
    if (sizeCode >= 0 && sizeCode <= 4)
        f = &m_fonts[set][bold ? 5 + sizeCode : sizeCode];
    else if (sizeCode == kSmallFont8 || sizeCode == kSmallFont9)
        f = &m_fonts[set][10 + sizeCode - kSmallFont8];
    else if (sizeCode == kNoField && set == kPrint)
        f = &m_tilted;
    return (f && f->IsValid()) ? f : nullptr;
}
