#pragma once

#include <QtGlobal>

// The fields of the T2L form: for each sheet kind, which index is which box,
// where the field lies on the drawn form and where its text is printed.
// All values are 0.1 mm from the sheet's top-left corner, y growing downwards.

enum ESheetKind { kMainSheet = 1, kContSheet = 2 };

constexpr int kMainFieldCount = 80;
constexpr int kContFieldCount = 44;

struct SFieldTableRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const SFieldTableRect&, const SFieldTableRect&) = default;
};

class CFieldTable
{
public:
    static int FieldCount(int sheetKind);

    // Screen rectangle scaled by the zoom (10 = 100 %), each value truncated
    // toward zero. An index outside the sheet kind's table yields entry 0.
    static SFieldTableRect ScreenRect(int index, int sheetKind, int zoom = 10);

    // Unscaled print rectangle; an index outside the table yields entry 0.
    static SFieldTableRect PrintRect(int index, int sheetKind);

    // Flag byte of the built-in field definitions (main sheet only; the
    // continuation sheet's built-in flags are all zero).
    static quint8 DefaultFlags(int index, int sheetKind);

    // Size class the form gives a field of the first continuation sheet.
    static int ContDefaultSizeClass(int index);
};
