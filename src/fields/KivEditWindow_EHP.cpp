#include "KivEditWindow_EHP.h"

#include "FieldTable.h"

CKivEditWindow_EHP::CKivEditWindow_EHP()
{
    SetupNewForm();
}

void CKivEditWindow_EHP::SetupNewForm()
{
    SetFieldCount(0, 0, false);
    SetFieldCount(kMainFieldCount, kContFieldCount, true);
    ResetCurrentField();
    for (int i = 0; i < kMainFieldCount; ++i) {
        SetFieldSize(i, 1, 3);
        AlignLeft(i, 1);
    }
    for (int i = 0; i < kContFieldCount; ++i)
        SetFieldSize(i, 2, static_cast<quint8>(CFieldTable::ContDefaultSizeClass(i)));
}

bool CKivEditWindow_EHP::AcceptsContFieldCount(quint16 count) const
{
    return count == 0 || count == kContFieldCount;
}
