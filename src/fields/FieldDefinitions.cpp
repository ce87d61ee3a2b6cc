#include "FieldDefinitions.h"

CFieldDefinitions::CFieldDefinitions()
    : m_main(kMainTableSize, '\0')
    , m_cont(kContTableSize, '\0')
{
}

QByteArray CFieldDefinitions::BuiltInTable(int sheetKind)
{
    const int count = CFieldTable::FieldCount(sheetKind);
    QByteArray table(count * kRecordSize, '\0');
    for (int i = 0; i < count; ++i) {
        const char flags = static_cast<char>(CFieldTable::DefaultFlags(i, sheetKind));
        for (int v = 0; v < kRecordSize; ++v)
            table[i * kRecordSize + v] = flags;
    }
    return table;
}

void CFieldDefinitions::Reset()
{
    m_main = BuiltInTable(kMainSheet);
    m_cont = BuiltInTable(kContSheet);
}

quint8 CFieldDefinitions::Flags(int index, int sheetKind, int variant) const
{
    const QByteArray& t = Table(sheetKind);
    const qsizetype pos = qsizetype(index) * kRecordSize + variant;
    if (index < 0 || variant < 0 || variant >= kRecordSize || pos >= t.size())
        return 0;
    return static_cast<quint8>(t.at(pos));
}

void CFieldDefinitions::SetFlags(int index, int sheetKind, int variant, quint8 flags)
{
    QByteArray& t = Table(sheetKind);
    const qsizetype pos = qsizetype(index) * kRecordSize + variant;
    if (index < 0 || variant < 0 || variant >= kRecordSize || pos >= t.size())
        return;
    t[pos] = static_cast<char>(flags);
}
