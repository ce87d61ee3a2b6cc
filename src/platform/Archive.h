#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// The little-endian archive layout of .t2l files: integers, counts, strings
// with length prefix (UTF-16 written, UTF-16 or 8-bit read), string and word lists.

class CArchiveWriter
{
public:
    explicit CArchiveWriter(QByteArray& out) : m_out(out) {}

    void WriteByte(quint8 value);
    void WriteWord(quint16 value);
    void WriteDWord(quint32 value);
    void WriteBytes(const char* data, qsizetype size);
    void WriteCount(quint32 count);
    void WriteString(const QString& text);
    void WriteStringList(const QStringList& list);
    void WriteWordList(const QList<quint16>& list);

    // Bytes the writers above produce.
    static qsizetype CountSize(quint32 count) { return count < 0xFFFF ? 2 : 6; }
    static qsizetype StringSize(const QString& text);
    static qsizetype StringListSize(const QStringList& list);
    static qsizetype WordListSize(const QList<quint16>& list) { return CountSize(quint32(list.size())) + 2 * list.size(); }

private:
    QByteArray& m_out;
};

// Reads from a byte range it does not own. Every read checks the remaining
// bytes first; a declared length or count is only honoured when the bytes it
// needs are present, so memory stays bounded by the input size.
class CArchiveReader
{
public:
    // EndOfFile: the data ended inside a value. Invalid: a declared count was refused.
    enum class Error { None, EndOfFile, Invalid };

    CArchiveReader(const char* data, qsizetype size) : m_data(data), m_size(size) {}
    explicit CArchiveReader(const QByteArray& bytes) : CArchiveReader(bytes.constData(), bytes.size()) {}

    bool ReadByte(quint8& value);
    bool ReadWord(quint16& value);
    bool ReadDWord(quint32& value);
    bool ReadBytes(char* dst, qsizetype size);
    bool Skip(qsizetype size);
    bool ReadCount(quint32& count);
    bool ReadString(QString& text);
    // A list whose declared count exceeds maxCount is refused with Error::Invalid.
    bool ReadStringList(QStringList& list, quint32 maxCount = UINT32_MAX);
    bool ReadWordList(QList<quint16>& list, quint32 maxCount = UINT32_MAX);

    qsizetype Position() const { return m_pos; }
    qsizetype Remaining() const { return m_size - m_pos; }
    Error LastError() const { return m_error; }

private:
    bool Fail();

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    Error m_error = Error::None;
};
