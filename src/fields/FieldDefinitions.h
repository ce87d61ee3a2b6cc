#pragma once

#include "FieldTable.h"

#include <QByteArray>

// Per-field flags of both sheet kinds: one record of four bytes per field,
// one byte per form variant. Only the active variant's byte is consulted;
// the other bytes are kept as they are and stored with the rest.
class CFieldDefinitions
{
public:
    enum EFlag : quint8 {
        kNotPrinted = 0x01,
        kNotEditable = 0x02,
        kNotShown = 0x08,
    };

    static constexpr int kRecordSize = 4;
    static constexpr int kMainTableSize = kMainFieldCount * kRecordSize; // 320
    static constexpr int kContTableSize = kContFieldCount * kRecordSize; // 176

    // Starts all zero: a table only holds what was loaded or reset into it.
    CFieldDefinitions();

    static QByteArray BuiltInTable(int sheetKind);
    void Reset(); // copies the built-in tables over the working tables

    QByteArray& Table(int sheetKind) { return sheetKind == kMainSheet ? m_main : m_cont; }
    const QByteArray& Table(int sheetKind) const { return sheetKind == kMainSheet ? m_main : m_cont; }

    // Out-of-range indexes or variants read as 0 (no flag) and write nothing.
    quint8 Flags(int index, int sheetKind, int variant = 0) const;
    void SetFlags(int index, int sheetKind, int variant, quint8 flags);

    bool IsPrinted(int index, int sheetKind, int variant = 0) const { return !(Flags(index, sheetKind, variant) & kNotPrinted); }
    bool IsEditable(int index, int sheetKind, int variant = 0) const { return !(Flags(index, sheetKind, variant) & kNotEditable); }
    bool IsShown(int index, int sheetKind, int variant = 0) const { return !(Flags(index, sheetKind, variant) & kNotShown); }

private:
    QByteArray m_main;
    QByteArray m_cont;
};
