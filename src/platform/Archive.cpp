#include "Archive.h"

#include "Cp1252.h"

#include <QtEndian>

#include <cstring>

void CArchiveWriter::WriteByte(quint8 value)
{
    m_out.append(static_cast<char>(value));
}

void CArchiveWriter::WriteWord(quint16 value)
{
    char b[2];
    qToLittleEndian(value, b);
    m_out.append(b, 2);
}

void CArchiveWriter::WriteDWord(quint32 value)
{
    char b[4];
    qToLittleEndian(value, b);
    m_out.append(b, 4);
}

void CArchiveWriter::WriteBytes(const char* data, qsizetype size)
{
    m_out.append(data, size);
}

void CArchiveWriter::WriteCount(quint32 count)
{
    if (count < 0xFFFF) {
        WriteWord(static_cast<quint16>(count));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(count);
    }
}

void CArchiveWriter::WriteString(const QString& text)
{
    const qsizetype len = text.size();
    WriteByte(0xFF);
    WriteWord(0xFFFE);
    if (len < 0xFF) {
        WriteByte(static_cast<quint8>(len));
    } else if (len < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<quint16>(len));
    } else {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<quint32>(len));
    }
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        m_out.append(reinterpret_cast<const char*>(text.utf16()), len * 2);
    } else {
        for (QChar c : text)
            WriteWord(c.unicode());
    }
}

qsizetype CArchiveWriter::StringSize(const QString& text)
{
    const qsizetype len = text.size();
    const qsizetype prefix = len < 0xFF ? 4 : (len < 0xFFFE ? 6 : 10);
    return prefix + 2 * len;
}

qsizetype CArchiveWriter::StringListSize(const QStringList& list)
{
    qsizetype n = CountSize(quint32(list.size()));
    for (const QString& s : list)
        n += StringSize(s);
    return n;
}

void CArchiveWriter::WriteStringList(const QStringList& list)
{
    WriteCount(static_cast<quint32>(list.size()));
    for (const QString& s : list)
        WriteString(s);
}

void CArchiveWriter::WriteWordList(const QList<quint16>& list)
{
    WriteCount(static_cast<quint32>(list.size()));
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        m_out.append(reinterpret_cast<const char*>(list.constData()), list.size() * 2);
    } else {
        for (quint16 w : list)
            WriteWord(w);
    }
}

bool CArchiveReader::Fail()
{
    m_error = Error::EndOfFile;
    return false;
}

bool CArchiveReader::ReadBytes(char* dst, qsizetype size)
{
    if (size < 0 || Remaining() < size)
        return Fail();
    if (size == 0)
        return true;
    std::memcpy(dst, m_data + m_pos, static_cast<size_t>(size));
    m_pos += size;
    return true;
}

bool CArchiveReader::Skip(qsizetype size)
{
    if (size < 0 || Remaining() < size)
        return Fail();
    m_pos += size;
    return true;
}

bool CArchiveReader::ReadByte(quint8& value)
{
    if (Remaining() < 1)
        return Fail();
    value = static_cast<quint8>(m_data[m_pos++]);
    return true;
}

bool CArchiveReader::ReadWord(quint16& value)
{
    if (Remaining() < 2)
        return Fail();
    value = qFromLittleEndian<quint16>(m_data + m_pos);
    m_pos += 2;
    return true;
}

bool CArchiveReader::ReadDWord(quint32& value)
{
    if (Remaining() < 4)
        return Fail();
    value = qFromLittleEndian<quint32>(m_data + m_pos);
    m_pos += 4;
    return true;
}

bool CArchiveReader::ReadCount(quint32& count)
{
    quint16 w = 0;
    if (!ReadWord(w))
        return false;
    if (w != 0xFFFF) {
        count = w;
        return true;
    }
    return ReadDWord(count);
}

bool CArchiveReader::ReadString(QString& text)
{
    // Length prefix: byte, or 0xFF + WORD, or 0xFF + 0xFFFF + DWORD;
    // 0xFF + 0xFFFE announces UTF-16 and the length follows once more.
    bool wide = false;
    quint32 len = 0;
    quint8 b = 0;
    quint16 w = 0;
    if (!ReadByte(b))
        return false;
    if (b < 0xFF) {
        len = b;
    } else {
        if (!ReadWord(w))
            return false;
        if (w == 0xFFFE) {
            wide = true;
            if (!ReadByte(b))
                return false;
            if (b < 0xFF) {
                len = b;
            } else {
                if (!ReadWord(w))
                    return false;
                if (w < 0xFFFF)
                    len = w;
                else if (!ReadDWord(len))
                    return false;
            }
        } else if (w < 0xFFFF) {
            len = w;
        } else if (!ReadDWord(len)) {
            return false;
        }
    }

    const qsizetype bytes = wide ? qsizetype(len) * 2 : qsizetype(len);
    if (Remaining() < bytes)
        return Fail();
    const char* p = m_data + m_pos;
    if (!wide) {
        text = Cp1252::Decode(p, bytes);
    } else if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        text = QString(reinterpret_cast<const QChar*>(p), qsizetype(len));
    } else {
        text.resize(qsizetype(len));
        for (qsizetype i = 0; i < qsizetype(len); ++i)
            text[i] = QChar(qFromLittleEndian<quint16>(p + 2 * i));
    }
    m_pos += bytes;
    return true;
}

bool CArchiveReader::ReadStringList(QStringList& list, quint32 maxCount)
{
    quint32 count = 0;
    if (!ReadCount(count))
        return false;
    if (count > maxCount) {
        m_error = Error::Invalid;
        return false;
    }
    // Every string takes at least one byte.
    if (qsizetype(count) > Remaining())
        return Fail();
    list.clear();
    list.reserve(count);
    QString s;
    for (quint32 i = 0; i < count; ++i) {
        if (!ReadString(s))
            return false;
        list.append(s);
    }
    return true;
}

bool CArchiveReader::ReadWordList(QList<quint16>& list, quint32 maxCount)
{
    quint32 count = 0;
    if (!ReadCount(count))
        return false;
    if (count > maxCount) {
        m_error = Error::Invalid;
        return false;
    }
    if (qsizetype(count) * 2 > Remaining())
        return Fail();
    list.resize(count);
    if (count == 0)
        return true;
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        std::memcpy(list.data(), m_data + m_pos, size_t(count) * 2);
        m_pos += qsizetype(count) * 2;
    } else {
        for (quint32 i = 0; i < count; ++i)
            ReadWord(list[i]);
    }
    return true;
}
