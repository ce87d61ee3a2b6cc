#include "dBaseDocument.h"

#include "platform/Cp1252.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr char kTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr char kValidFlag = 0x20;

quint16 Le16(const char* p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

quint32 Le32(const char* p)
{
    return quint32(quint8(p[0])) | (quint32(quint8(p[1])) << 8) | (quint32(quint8(p[2])) << 16)
        | (quint32(quint8(p[3])) << 24);
}

void PutLe16(char* p, quint16 v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}

void PutLe32(char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}

// The user's message for a file that could not be opened or created, by the
// system's reason, with the full path.
QString FileErrorText(int error, const QString& path)
{
    const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    QString text;
    switch (error) {
    case ENOENT:
        // A missing folder on the way is a wrong path, a missing file in an existing one is not found.
        text = QFileInfo(QFileInfo(path).absolutePath()).isDir() ? QStringLiteral("%1 wurde nicht gefunden.")
                                                                 : QStringLiteral("%1 enthält eine falsche Pfadangabe.");
        break;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        text = QStringLiteral("%1 enthält eine falsche Pfadangabe.");
        break;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        text = QStringLiteral("Zugriff auf %1 wurde verweigert.");
        break;
    case ETXTBSY:
    case EBUSY:
        text = QStringLiteral("Freigabeverletzung beim Zugriff auf %1.");
        break;
    case ENOSPC:
    case EDQUOT:
        text = QStringLiteral("Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.");
        break;
    default:
        text = QStringLiteral("Unbekannter Fehler beim Zugriff auf %1.");
        break;
    }
    return text.arg(full);
}

// Opens path for reading and writing, without locks, so other programs may
// use the table at the same time; errno tells the reason on failure.
std::unique_ptr<QFile> OpenShared(const QString& path, int flags, int& error)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC | flags, 0666);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = EIO;
        return nullptr;
    }
    // A folder opens on some systems; it is no table.
    if (QFileInfo(path).isDir()) {
        error = EISDIR;
        return nullptr;
    }
    return file;
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

} // namespace

CdBaseDocument::CdBaseDocument() = default;

CdBaseDocument::~CdBaseDocument()
{
    CloseDevice();
}

void CdBaseDocument::ClearTable()
{
    m_fieldNames.clear();
    m_fieldTypes.clear();
    m_fieldLengths.clear();
    m_fieldDecimals.clear();
    m_fieldSet.clear();
    m_recordCount = 0;
    m_currentRecord = 0;
    m_recordModified = false;
}

int CdBaseDocument::AddField(const QString& name, char type, quint16 length, quint16 decimals)
{
    m_fieldNames.append(name.toUpper());
    m_fieldTypes.append(type);
    m_fieldLengths.append(length);
    m_fieldDecimals.append(qint16(decimals));
    m_fieldSet.append(false);
    return FieldCount();
}

bool CdBaseDocument::CreateTable(const QString& path, bool replace)
{
    CloseDevice();
    m_errorText.clear();
    if (!replace && QFileInfo::exists(path)) {
        m_errorText = QStringLiteral("%1 ist bereits vorhanden.")
                          .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
        return false;
    }
    int lengthSum = 1;
    for (quint16 length : std::as_const(m_fieldLengths)) {
        if (length < 1 || length > 255) {
            m_errorText = FormatErrorText();
            return false;
        }
        lengthSum += length;
    }
    if (lengthSum > kMaxRecordLength || 32 * qsizetype(FieldCount()) + 33 > 0xFFFF) {
        m_errorText = FormatErrorText();
        return false;
    }
    int error = 0;
    std::unique_ptr<QFile> file = OpenShared(path, O_CREAT | O_TRUNC, error);
    if (!file) {
        m_errorText = FileErrorText(error, path);
        return false;
    }
    m_file = std::move(file);
    m_device = m_file.get();
    m_version = kVersion;
    m_recordCount = 0;
    m_currentRecord = 0;
    m_recordModified = false;
    m_headerLength = quint16(kHeaderSize * FieldCount() + kHeaderSize + 1);
    m_recordLength = quint16(lengthSum);
    if (!WriteHeader()) {
        // A table without its header is no table: take back what was made.
        CloseDevice();
        QFile::remove(path);
        m_errorText = FileErrorText(ENOSPC, path);
        return false;
    }
    m_path = path;
    return true;
}

bool CdBaseDocument::OpenTable(const QString& path)
{
    ClearTable();
    CloseDevice();
    m_errorText.clear();
    int error = 0;
    std::unique_ptr<QFile> file = OpenShared(path, 0, error);
    if (!file) {
        m_errorText = FileErrorText(error, path);
        return false;
    }
    m_file = std::move(file);
    m_device = m_file.get();
    if (!ReadHeader()) {
        m_errorText = FormatErrorText();
        CloseDevice();
        ClearTable();
        return false;
    }
    m_recordModified = false;
    m_path = path;
    return true;
}

bool CdBaseDocument::OpenDevice(QIODevice* device)
{
    ClearTable();
    CloseDevice();
    m_errorText.clear();
    if (!device || !device->isOpen() || device->isSequential()) {
        m_errorText = FormatErrorText();
        return false;
    }
    m_device = device;
    if (!ReadHeader()) {
        m_errorText = FormatErrorText();
        CloseDevice();
        ClearTable();
        return false;
    }
    m_recordModified = false;
    m_path.clear();
    return true;
}

void CdBaseDocument::CloseTable()
{
    CloseDevice();
    ClearTable();
}

void CdBaseDocument::CloseDevice()
{
    m_device = nullptr;
    if (m_file)
        m_file->close();
    m_file.reset();
}

bool CdBaseDocument::Seek(qint64 offset)
{
    return m_device && m_device->seek(offset);
}

bool CdBaseDocument::WriteAt(qint64 offset, const char* data, qint64 size)
{
    if (!Seek(offset))
        return false;
    return m_device->write(data, size) == size;
}

bool CdBaseDocument::Flush()
{
    if (m_file)
        return m_file->flush();
    return true;
}

bool CdBaseDocument::ReadHeader()
{
    if (!Seek(0))
        return false;
    char header[kHeaderSize];
    if (m_device->read(header, kHeaderSize) != kHeaderSize)
        return false;
    const quint8 version = quint8(header[0]);
    if (version != kVersion && version != kVersionWithMemo)
        return false;
    const quint32 count = Le32(header + 4);
    const quint16 headerLength = Le16(header + 8);
    const quint16 recordLength = Le16(header + 10);
    const qint64 fileSize = m_device->size();
    // Lengths the file cannot hold, or a record beyond the buffer, would make
    // every record offset a guess: such a file is not ours to read.
    if (headerLength < kHeaderSize + 1 || headerLength > fileSize || recordLength < 1
        || recordLength > kMaxRecordLength)
        return false;
    const int fieldCount = (headerLength - kHeaderSize - 1) / kDescriptorSize;
    const QByteArray descriptors = m_device->read(qint64(fieldCount) * kDescriptorSize);
    if (descriptors.size() != qsizetype(fieldCount) * kDescriptorSize)
        return false;

    QList<QString> names;
    QList<char> types;
    QList<quint16> lengths;
    QList<qint16> decimals;
    int lengthSum = 1;
    for (int i = 0; i < fieldCount; ++i) {
        const char* d = descriptors.constData() + qsizetype(i) * kDescriptorSize;
        names.append(Cp1252::Decode(d, qsizetype(qstrnlen(d, 11))));
        types.append(d[11]);
        lengths.append(quint8(d[16]));
        decimals.append(qint16(qint8(d[17])));
        lengthSum += quint8(d[16]);
    }
    // Fields reaching past the record would be read from the next one.
    if (lengthSum > recordLength)
        return false;

    m_version = version;
    m_year = quint8(header[1]);
    m_month = quint8(header[2]);
    m_day = quint8(header[3]);
    m_headerLength = headerLength;
    m_recordLength = recordLength;
    // A header may promise more records than the file holds: what is there counts.
    const quint64 present = quint64(fileSize - headerLength) / recordLength;
    m_recordCount = quint32(qMin<quint64>(count, present));
    if (names.size() != m_fieldNames.size()) {
        m_fieldSet = QList<bool>(fieldCount, false);
        // The table changed under us; the buffer no longer fits its fields.
        m_currentRecord = 0;
        m_recordModified = false;
    }
    m_fieldNames = names;
    m_fieldTypes = types;
    m_fieldLengths = lengths;
    m_fieldDecimals = decimals;
    if (m_currentRecord > m_recordCount + 1)
        m_currentRecord = 0;
    return true;
}

bool CdBaseDocument::WriteHeader()
{
    if (!m_device || (m_version != kVersion && m_version != kVersionWithMemo))
        return false;
    if (!Flush())
        return false;
    const QDate today = QDate::currentDate();
    m_year = quint8((today.year() - 1900) & 0xFF);
    m_month = quint8(today.month());
    m_day = quint8(today.day());
    m_version = kVersion;

    QByteArray bytes(kHeaderSize + kDescriptorSize * FieldCount() + 1, '\0');
    char* h = bytes.data();
    h[0] = char(kVersion);
    h[1] = char(m_year);
    h[2] = char(m_month);
    h[3] = char(m_day);
    PutLe32(h + 4, m_recordCount);
    // The lengths stay those the records were laid out with; a table from
    // another program may have a longer header or record than its fields need.
    PutLe16(h + 8, m_headerLength);
    PutLe16(h + 10, m_recordLength);
    for (int i = 0; i < FieldCount(); ++i) {
        char* d = h + kHeaderSize + i * kDescriptorSize;
        const QByteArray name = Cp1252::Encode(m_fieldNames.at(i)).left(10);
        std::memcpy(d, name.constData(), size_t(name.size()));
        d[11] = m_fieldTypes.at(i);
        d[16] = char(m_fieldLengths.at(i) & 0xFF);
        d[17] = char(m_fieldDecimals.at(i) & 0xFF);
    }
    bytes[bytes.size() - 1] = kTerminator;
    // The descriptors of a longer header keep whatever follows them.
    if (!WriteAt(0, bytes.constData(), qMin<qint64>(bytes.size(), m_headerLength)))
        return false;
    return Flush();
}

quint32 CdBaseDocument::RecordCount()
{
    if (m_device)
        ReadHeader();
    return m_recordCount;
}

qint64 CdBaseDocument::ReadRecord(quint32 n)
{
    if (!m_device || n < 1 || n > m_recordCount)
        return kFailed;
    if (m_currentRecord != 0 && m_recordModified) {
        // The changes must not be lost by reading over them.
        if (WriteRecord(m_currentRecord) < 0)
            return kFailed;
    }
    const qint64 offset = qint64(m_headerLength) + qint64(n - 1) * m_recordLength;
    m_currentRecord = 0;
    m_buffer.fill('\0');
    if (!Seek(offset))
        return kFailed;
    if (m_device->read(m_buffer.data(), m_recordLength) < 0)
        return kFailed;
    m_currentRecord = n;
    m_recordModified = false;
    m_fieldSet.fill(false);
    return n;
}

qint64 CdBaseDocument::WriteRecord(quint32 n)
{
    if (!m_device || n < 1 || quint64(n) > quint64(m_recordCount) + 1)
        return kFailed;
    const bool append = n > m_recordCount;
    if (append) {
        // A new record takes only the values given to it, never what the
        // buffer kept of the record read before.
        for (int p = 0; p < FieldCount(); ++p) {
            if (!m_fieldSet.at(p))
                std::memset(m_buffer.data() + FieldOffset(p), ' ', m_fieldLengths.at(p));
        }
    }
    m_buffer[0] = kValidFlag;
    const qint64 offset = qint64(m_headerLength) + qint64(n - 1) * m_recordLength;
    // The buffer meant for another record must not later be written back
    // over the one it was read from.
    auto failed = [this, n]() -> qint64 {
        if (n != m_currentRecord)
            DiscardChanges();
        return kFailed;
    };
    if (!WriteAt(offset, m_buffer.data(), m_recordLength))
        return failed();
    if (append) {
        if (!WriteAt(offset + m_recordLength, &kEndOfFile, 1))
            return failed();
        const quint32 before = m_recordCount;
        const quint8 version = m_version;
        m_recordCount = n;
        // Without the new count the record is not part of the table: that is a failed write.
        if (!WriteHeader()) {
            m_recordCount = before;
            m_version = version;
            return failed();
        }
    }
    if (!Flush())
        return failed();
    m_recordModified = false;
    m_currentRecord = n;
    m_fieldSet.fill(false);
    return n;
}

void CdBaseDocument::DiscardChanges()
{
    m_currentRecord = 0;
    m_recordModified = false;
    m_fieldSet.fill(false);
}

int CdBaseDocument::Checked(int position) const
{
    if (position < 0 || position >= FieldCount())
        throw CdBaseFieldError("dBase field position out of range");
    return position;
}

int CdBaseDocument::FieldOffset(int position) const
{
    int offset = 1;
    for (int i = 0; i < position; ++i)
        offset += m_fieldLengths.at(i);
    return offset;
}

int CdBaseDocument::GetCharField(int position, QString& text) const
{
    text.clear();
    if (m_currentRecord == 0)
        return kNoRecord;
    if (m_fieldTypes.at(Checked(position)) != 'C')
        return kWrongType;
    text = DecodeFieldText(m_buffer.data() + FieldOffset(position), m_fieldLengths.at(position));
    return 0;
}

int CdBaseDocument::SetCharField(int position, const QString& text)
{
    const QByteArray bytes = EncodeFieldText(text);
    if (m_currentRecord == 0)
        return kNoRecord;
    if (m_fieldTypes.at(Checked(position)) != 'C')
        return kWrongType;
    const int length = m_fieldLengths.at(position);
    if (bytes.size() > length)
        return kTooLong;
    char* field = m_buffer.data() + FieldOffset(position);
    std::memset(field, ' ', size_t(length));
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
    m_recordModified = true;
    m_fieldSet[position] = true;
    return 0;
}

QByteArray CdBaseDocument::EncodeFieldText(const QString& text)
{
    // Typographic dashes and quotation marks become plain ones, the euro sign
    // an E, as older programs reading these tables expect.
    QString plain = text;
    for (QChar& c : plain) {
        const char16_t u = c.unicode();
        if (u >= 0x2012 && u <= 0x2015)
            c = u'-';
        else if (u >= 0x2018 && u <= 0x201B)
            c = u'\'';
        else if ((u >= 0x201C && u <= 0x201F) || u == 0x2033 || u == 0x2034)
            c = u'"';
        else if (u == 0x20AC)
            c = u'E';
    }
    return Cp1252::Encode(plain);
}

QString CdBaseDocument::DecodeFieldText(const char* data, int size)
{
    QString text = Cp1252::Decode(data, qsizetype(qstrnlen(data, size_t(size))));
    qsizetype end = text.size();
    while (end > 0 && IsBlank(text.at(end - 1)))
        --end;
    text.truncate(end);
    return text;
}
