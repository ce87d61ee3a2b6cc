#pragma once

#include "KivEditWindow.h"

// The engine of the T2L form: 80 main-sheet fields and 44 per continuation
// sheet, with the sizes and alignment the form gives its fields.
class CKivEditWindow_EHP : public CKivEditWindow
{
public:
    // Sets up the state of a new form: one continuation sheet, all fields empty.
    CKivEditWindow_EHP();

    // Back to a new, empty form, whatever the engine held before.
    void SetupNewForm();

    // Size class of every field of a continuation sheet added later.
    static constexpr quint8 kAddedSheetSizeClass = 3;

protected:
    // Continuation sheets of this form have exactly its own fields (or none).
    bool AcceptsContFieldCount(quint16 count) const override;
};
