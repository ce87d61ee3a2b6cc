#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <stdexcept>

class QIODevice;
class QFile;

// A field position outside the field list: a programming error of the caller.
class CdBaseFieldError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

// dBase III table file with character fields, addressed by record number.
// Records count from 1, field positions from 0. No indexes, no memo fields;
// callers keep their own sorted lists. The file is shared with other programs
// without locks, so the header is read again wherever the count matters.
class CdBaseDocument
{
public:
    // Result codes of the record and field operations.
    enum : int { kFailed = -1, kNoRecord = -2, kWrongType = -3, kTooLong = -8 };

    static constexpr int kMaxRecordLength = 4000;
    static constexpr quint8 kVersion = 0x03;
    static constexpr quint8 kVersionWithMemo = 0x83;

    CdBaseDocument();
    ~CdBaseDocument();
    CdBaseDocument(const CdBaseDocument&) = delete;
    CdBaseDocument& operator=(const CdBaseDocument&) = delete;

    void ClearTable();
    int AddField(const QString& name, char type, quint16 length, quint16 decimals);
    bool CreateTable(const QString& path, bool replace = false);
    bool OpenTable(const QString& path);
    // A device the caller owns, open for reading (and writing, to change it).
    bool OpenDevice(QIODevice* device);
    void CloseTable();

    quint32 RecordCount();
    qint64 ReadRecord(quint32 n);
    qint64 WriteRecord(quint32 n);
    // Forgets field changes not yet written; the buffer holds no record afterwards.
    void DiscardChanges();
    int GetCharField(int position, QString& text) const;
    int SetCharField(int position, const QString& text);
    quint32 CurrentRecord() const { return m_currentRecord; }

    // The message of the last failed create or open, full path included;
    // the caller decides whether and how to show it.
    const QString& ErrorText() const { return m_errorText; }

    bool IsOpen() const { return m_device != nullptr; }
    const QString& Path() const { return m_path; }
    quint8 Version() const { return m_version; }
    quint16 HeaderLength() const { return m_headerLength; }
    quint16 RecordLength() const { return m_recordLength; }
    int FieldCount() const { return int(m_fieldNames.size()); }
    QString FieldName(int position) const { return m_fieldNames.at(Checked(position)); }
    char FieldType(int position) const { return m_fieldTypes.at(Checked(position)); }
    quint16 FieldLength(int position) const { return m_fieldLengths.at(Checked(position)); }
    qint16 FieldDecimals(int position) const { return m_fieldDecimals.at(Checked(position)); }
    // The deletion flag of the record in the buffer ('*' when another program deleted it).
    bool IsCurrentDeleted() const { return m_currentRecord != 0 && m_buffer[0] == '*'; }

    // The bytes a text takes in a character field, before padding.
    static QByteArray EncodeFieldText(const QString& text);
    static QString DecodeFieldText(const char* data, int size);

    static QString FormatErrorText() { return QStringLiteral("Unerwartetes Dateiformat."); }

private:
    bool ReadHeader();
    bool WriteHeader();
    bool Seek(qint64 offset);
    bool WriteAt(qint64 offset, const char* data, qint64 size);
    bool Flush();
    int FieldOffset(int position) const;
    int Checked(int position) const;
    void CloseDevice();

    QString m_path;
    std::unique_ptr<QFile> m_file; // owned when opened by path
    QIODevice* m_device = nullptr;
    quint8 m_version = 0;
    quint8 m_year = 0;
    quint8 m_month = 0;
    quint8 m_day = 0;
    quint16 m_headerLength = 0;
    quint16 m_recordLength = kMaxRecordLength;
    quint32 m_recordCount = 0;
    QList<QString> m_fieldNames;
    QList<char> m_fieldTypes;
    QList<quint16> m_fieldLengths;
    QList<qint16> m_fieldDecimals;
    // Fields given a value since the buffer was last read or written: an
    // appended record takes only these and blanks the rest.
    QList<bool> m_fieldSet;
    std::array<char, kMaxRecordLength + 1> m_buffer {};
    quint32 m_currentRecord = 0;
    bool m_recordModified = false;
    QString m_errorText;
};
