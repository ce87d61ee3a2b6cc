#include "AddressTable.h"

#include "app/SettingsStore.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString CAddressTable::TablePath(const CSettingsStore& profile, const QString& dataDirectory)
{
    QString path = profile.ReadString(SettingsSection::kSettings, kSettingName, QString());
    if (path.isEmpty() || path == QLatin1String("@")) {
        QString dir = dataDirectory;
        if (!dir.endsWith(QLatin1Char('/')))
            dir += QLatin1Char('/');
        path = dir + kFileName;
        profile.WriteString(SettingsSection::kSettings, kSettingName, path);
    }
    return path;
}

CAddressTable::CAddressTable(QString path, QString dataDirectory)
    : m_path(std::move(path))
    , m_dataDirectory(std::move(dataDirectory))
{
}

bool CAddressTable::Open()
{
    m_error.clear();
    if (!m_table.OpenTable(m_path)) {
        m_error = m_table.ErrorText();
        return false;
    }
    return true;
}

bool CAddressTable::Create(bool withFirstEntry)
{
    m_error.clear();
    m_table.ClearTable();
    for (int i = 1; i <= kLineCount; ++i)
        m_table.AddField(QStringLiteral("ADRESS%1").arg(i), 'C', kLineLength, 0);
    m_table.AddField(QStringLiteral("ZOLLNR"), 'C', kCustomsFieldLength, 0);
    // The data directory may not exist yet on first use.
    if (!m_dataDirectory.isEmpty() && QFileInfo(m_path).absolutePath() == QDir(m_dataDirectory).absolutePath())
        QDir().mkpath(m_dataDirectory);
    const bool created = m_table.CreateTable(m_path, false);
    if (!created && !QFileInfo::exists(m_path)) {
        // Nothing there to open: the reason is the create's.
        m_error = m_table.ErrorText();
        return false;
    }
    m_table.CloseTable();
    if (!Open())
        return false;
    if (!created || !withFirstEntry)
        return true; // a table that appeared in between is used as it is
    if (m_table.WriteRecord(1) != 1 || m_table.ReadRecord(1) != 1
        || m_table.SetCharField(0, kFirstEntry) != 0) {
        m_error = WriteFailedText();
        m_table.CloseTable();
        return false;
    }
    for (int p = 1; p <= kLineCount; ++p)
        m_table.SetCharField(p, QString());
    if (m_table.WriteRecord(1) != 1) {
        m_error = WriteFailedText();
        m_table.CloseTable();
        return false;
    }
    return true;
}

QList<CAddressTable::SEntry> CAddressTable::Entries()
{
    QList<SEntry> entries;
    // The count is read once per listing: asking the file at every record
    // costs more than the records themselves; records another program appends
    // meanwhile show at the next listing.
    const quint32 count = m_table.RecordCount();
    entries.reserve(qsizetype(qMin<quint32>(count, 1u << 20)));
    for (quint32 i = 1; i <= count; ++i) {
        if (m_table.ReadRecord(i) != qint64(i))
            continue;
        SEntry entry;
        m_table.GetCharField(0, entry.text);
        entry.record = i;
        entries.append(entry);
    }
    return entries;
}

CAddressTable::SAddress CAddressTable::Read(quint32 record)
{
    SAddress address;
    if (m_table.ReadRecord(record) != qint64(record))
        return address;
    QStringList lines;
    for (int p = 0; p < kLineCount; ++p) {
        QString line;
        m_table.GetCharField(p, line);
        lines.append(line);
    }
    address.text = lines.join(kCrLf);
    m_table.GetCharField(kLineCount, address.customsNumber);
    return address;
}

namespace {

const QCollator& ListCollator()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

QCollatorSortKey CAddressTable::ListKey(const QString& text)
{
    return ListCollator().sortKey(text);
}

bool CAddressTable::ListLess(const QString& a, const QString& b)
{
    const int order = ListCollator().compare(a, b);
    // Equal for the collator (case only): a fixed order all the same.
    return order != 0 ? order < 0 : a < b;
}

int CAddressTable::FindPrefix(const QStringList& texts, const QString& prefix)
{
    for (int i = 0; i < texts.size(); ++i) {
        if (texts.at(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QStringList CAddressTable::SplitLines(const QString& text)
{
    QString rest = text + kCrLf.repeated(kLineCount);
    QStringList lines;
    for (int i = 0; i < kLineCount; ++i) {
        const qsizetype end = rest.indexOf(kCrLf);
        // Trailing blanks would only pad the field; reading drops them anyway.
        lines.append(rest.left(end).trimmed());
        rest = rest.mid(end + 2);
    }
    return lines;
}

QString CAddressTable::CheckLines(const QString& text)
{
    const QStringList lines = SplitLines(text);
    for (int i = 0; i < lines.size(); ++i) {
        if (CdBaseDocument::EncodeFieldText(lines.at(i)).size() > kLineLength)
            return QStringLiteral("Zeile %1 der Adresse ist zu lang: Es sind höchstens %2 Zeichen möglich.")
                .arg(i + 1)
                .arg(kLineLength);
    }
    return QString();
}

QString CAddressTable::CheckCustomsNumber(const QString& number)
{
    if (number.size() > kCustomsInputLength)
        return QStringLiteral("Geben Sie höchstens %1 Zeichen ein.").arg(kCustomsInputLength);
    return QString();
}

CAddressTable::ESaveResult CAddressTable::Save(quint32 record, const QString& text, const QString& customsNumber,
                                              bool newEntry)
{
    const QStringList lines = SplitLines(text);
    if (newEntry && lines.first().isEmpty())
        return ESaveResult::kNothingToSave;
    // Refused before anything is written, so no field keeps another record's text.
    if (!CheckLines(text).isEmpty() || CdBaseDocument::EncodeFieldText(customsNumber).size() > kCustomsFieldLength)
        return ESaveResult::kTooLong;
    const quint32 count = m_table.RecordCount();
    if (record <= count) {
        if (m_table.ReadRecord(record) != qint64(record))
            return ESaveResult::kFailed;
    } else if (m_table.CurrentRecord() == 0) {
        // The fields need a record in the buffer; the append starts from blanks all the same.
        const qint64 loaded = count > 0 ? m_table.ReadRecord(1) : -1;
        if (loaded < 0 && (count > 0 || m_table.WriteRecord(1) != 1 || m_table.ReadRecord(1) != 1))
            return ESaveResult::kFailed;
        if (count == 0)
            record = 1;
    }
    bool written = true;
    for (int p = 0; p < kLineCount && written; ++p)
        written = m_table.SetCharField(p, lines.at(p)) == 0;
    written = written && m_table.SetCharField(kLineCount, customsNumber) == 0
        && m_table.WriteRecord(record) == qint64(record);
    if (!written) {
        // What was not saved must not reach the file later, e.g. after "Abbrechen".
        m_table.DiscardChanges();
        return ESaveResult::kFailed;
    }
    return ESaveResult::kSaved;
}

QString CAddressTable::WriteFailedText() const
{
    return QStringLiteral("Die Adresse konnte nicht in %1 gespeichert werden.")
        .arg(QDir::toNativeSeparators(QFileInfo(m_path).absoluteFilePath()));
}
