#pragma once

#include "platform/LogFont.h"

#include <array>

class CSettingsStore;

// The three font sets of the field engine: editor fonts (heights in screen
// pixels), display fonts (0.1 mm on the drawn form) and print fonts (0.1 mm
// on the printer), each with five size classes regular and bold and the two
// small fonts, plus the tilted font the printer uses for a missing field.
class CFieldFonts
{
public:
    enum ESet { kEditor, kDisplay, kPrint };

    // Size codes of the small fonts and the answer for a missing field.
    static constexpr int kSmallFont8 = 65;
    static constexpr int kSmallFont9 = 66;
    static constexpr int kNoField = 64;

    CFieldFonts();

    // Replaces one editor or print font by its id (0-4, 16-20, 65, 66 editor;
    // 8-12, 24-28, 67, 68 print), with the weight that id stands for.
    // Other ids do nothing.
    void DefineFont(int id, const SLogFont& font);

    // Rebuilds the display and editor fonts for a zoom (10 = 100 %) on a
    // screen of the given dpi, from section Font.
    void CreateScreenFonts(const CSettingsStore& profile, int zoom, qreal screenDpi);
    // Rebuilds the print fonts at a percentage of their configured heights.
    void CreatePrintFonts(const CSettingsStore& profile, int percentage);

    // The font for a size code (bits 0-7 without bold) and bold flag; null
    // where the code selects no font (the caller keeps the font it has).
    const SLogFont* Font(ESet set, int sizeCode, bool bold) const;

    // Base height of a Font value: the stored one, or the default where it is
    // missing or unusable (zero, negative or absurdly large).
    static int BaseHeight(const CSettingsStore& profile, ESet set, int index, bool bold);

private:
    // Slots per set: 0-4 regular, 5-9 bold, 10 small 8, 11 small 9.
    static constexpr int kSlots = 12;
    std::array<std::array<SLogFont, kSlots>, 3> m_fonts;
    SLogFont m_tilted;
};
