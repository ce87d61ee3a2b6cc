#include "VelmoraStammDaten.h"

#include "app/SettingsStore.h"
#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>

namespace {

struct SFieldDef
{
    const char* name;
    quint16 length;
};

// The current layout, in field order.
constexpr SFieldDef kCurrentFields[CVelmoraStammDaten::kValueCount] = {
    {"WBESCH1", 254}, {"WNR1", 8}, {"WNR2", 2}, {"WNR3", 4}, {"WNR4", 4}, {"WNR5", 1}, {"LAND1", 3}, {"LAND2", 3},
};

// What the user calls each value, for the messages.
QString ValueName(int value)
{
    switch (value) {
    case CVelmoraStammDaten::kWBESCH1: return QStringLiteral("Die Bezeichnung (Feld 31)");
    case CVelmoraStammDaten::kLAND1: return QStringLiteral("Das Ursprungsland (Feld 34)");
    case CVelmoraStammDaten::kLAND2: return QStringLiteral("Die Region des Ursprungslandes (Feld 34)");
    default: return QStringLiteral("Der Teil %1 der Warennummer (Feld 33)").arg(value - CVelmoraStammDaten::kWNR1 + 1);
    }
}

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

const QString CVelmoraStammDaten::kCurrentFileName = QStringLiteral("ARTIKEL1.DBF");
const QString CVelmoraStammDaten::kLegacyFileName = QStringLiteral("ARTIKEL.DBF");

CVelmoraStammDaten::SLocation CVelmoraStammDaten::LocationFromSettings(const CSettingsStore& profile)
{
    SLocation location;
    location.layout = profile.ReadInt(SettingsSection::kSettings, QStringLiteral("Stammdaten"), 1) == kLayoutLegacy
                          ? kLayoutLegacy
                          : kLayoutCurrent;
    // Anything up to two characters ("@" among them) means the default file.
    const QString path = profile.ReadString(SettingsSection::kSettings, QStringLiteral("StammdatenDatei"), QString());
    if (path.size() > 2) {
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        location.directory = slash < 0 ? QString() : path.left(slash);
        location.fileName = path.mid(slash + 1);
    } else {
        location.fileName = location.layout == kLayoutLegacy ? kLegacyFileName : kCurrentFileName;
    }
    return location;
}

CVelmoraStammDaten::CVelmoraStammDaten(QString dataDirectory)
    : m_dataDirectory(std::move(dataDirectory))
{
}

CVelmoraStammDaten::~CVelmoraStammDaten()
{
    m_table.CloseTable();
}

int CVelmoraStammDaten::SetLocation(const QString& directory, const QString& fileName, int layout)
{
    if (layout != kLayoutLegacy && layout != kLayoutCurrent)
        return -1;
    QString dir = directory.isEmpty() ? m_dataDirectory : directory;
    // "/x" has its directory in the root; "" and "/" alike mean none.
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    m_tablePath = dir + fileName;
    m_layout = layout;
    return 0;
}

void CVelmoraStammDaten::Resize(int n)
{
    for (QStringList& list : m_values)
        list.resize(n);
    m_changed.resize(n, 0);
    m_records.resize(n, 0);
}

int CVelmoraStammDaten::AppendEntry(const SValues& values)
{
    const int entry = EntryCount();
    Resize(entry + 1);
    SetEntry(entry, values);
    return entry;
}

void CVelmoraStammDaten::SetEntry(int entry, const SValues& values)
{
    for (int k = 0; k < kValueCount; ++k)
        m_values[k][entry] = values[k];
    m_changed[entry] = 1;
}

CVelmoraStammDaten::SValues CVelmoraStammDaten::Entry(int entry) const
{
    SValues values;
    for (int k = 0; k < kValueCount; ++k)
        values[k] = m_values[k].at(entry);
    return values;
}

bool CVelmoraStammDaten::CreateGoodsTable()
{
    m_table.ClearTable();
    for (const SFieldDef& f : kCurrentFields)
        m_table.AddField(QString::fromLatin1(f.name), 'C', f.length, 0);
    m_layout = kLayoutCurrent;
    // The data directory may not exist yet on first use.
    if (m_tablePath.startsWith(m_dataDirectory + QLatin1Char('/')) && !m_dataDirectory.isEmpty())
        QDir().mkpath(m_dataDirectory);
    m_open = m_table.CreateTable(m_tablePath, false);
    if (!m_open)
        m_error = m_table.ErrorText();
    return m_open;
}

int CVelmoraStammDaten::LoadEntries()
{
    m_error.clear();
    for (QStringList& list : m_values)
        list.clear();
    m_changed.clear();
    m_records.clear();
    m_table.CloseTable();
    m_open = false;

    if (!QFile(m_tablePath).open(QIODevice::ReadOnly)) {
        CreateGoodsTable();
        m_table.CloseTable();
        m_open = false;
    }
    if (!m_table.OpenTable(m_tablePath)) {
        // Why it cannot be opened says more than why it could not be made.
        if (!m_table.ErrorText().isEmpty())
            m_error = m_table.ErrorText();
        return -1;
    }
    // A table this program created for the older layout has the current
    // layout (it never writes the older one); read it as what it is, or the
    // next start would refuse the table it made.
    if (m_layout == kLayoutLegacy && m_table.FieldCount() == kValueCount
        && m_table.FieldName(0).compare(QLatin1String("WBESCH1"), Qt::CaseInsensitive) == 0
        && m_table.FieldName(1).compare(QLatin1String("WNR1"), Qt::CaseInsensitive) == 0)
        m_layout = kLayoutCurrent;
    // Reading beyond the field list would be a fault; a table without the
    // fields of its layout is not a goods table.
    const int needed = m_layout == kLayoutLegacy ? kLegacyLines + kValueCount - 1 : kValueCount;
    if (m_table.FieldCount() < needed) {
        m_table.CloseTable();
        m_error = QStringLiteral("Die Datei %1 ist keine Warenstammdatei: sie hat weniger als %2 Felder.")
                      .arg(QDir::toNativeSeparators(m_tablePath))
                      .arg(needed);
        return -1;
    }
    m_open = true;

    QString text;
    for (quint32 r = 1; r <= m_table.RecordCount(); ++r) {
        if (m_table.ReadRecord(r) < 0)
            break;
        m_records.append(r);
        if (m_layout == kLayoutLegacy) {
            QStringList lines;
            for (int p = 0; p < kLegacyLines; ++p) {
                m_table.GetCharField(p, text);
                lines << text;
            }
            m_values[kWBESCH1].append(JoinLegacyDescription(lines));
            for (int k = kWNR1; k < kValueCount; ++k) {
                m_table.GetCharField(kLegacyLines - 1 + k, text);
                m_values[k].append(text);
            }
        } else {
            for (int k = 0; k < kValueCount; ++k) {
                m_table.GetCharField(k, text);
                m_values[k].append(text);
            }
        }
    }
    m_changed = QByteArray(EntryCount(), 0);
    return 0;
}

QStringList CVelmoraStammDaten::FieldTexts(const SValues& values) const
{
    QStringList texts;
    if (m_layout == kLayoutLegacy)
        texts = SplitLegacyDescription(values[kWBESCH1]);
    else
        texts << values[kWBESCH1];
    for (int k = kWNR1; k < kValueCount; ++k)
        texts << values[k];
    return texts;
}

QString CVelmoraStammDaten::CheckFits(const SValues& values) const
{
    if (!m_open)
        return QString();
    const QStringList texts = FieldTexts(values);
    for (int p = 0; p < texts.size(); ++p) {
        const int length = m_table.FieldLength(p);
        if (CdBaseDocument::EncodeFieldText(texts.at(p)).size() <= length)
            continue;
        const int value = m_layout == kLayoutLegacy ? (p < kLegacyLines ? 0 : p - kLegacyLines + 1) : p;
        if (m_layout == kLayoutLegacy && p < kLegacyLines)
            return QStringLiteral("Die Zeile %1 der Bezeichnung (Feld 31) ist zu lang: höchstens %2 Zeichen passen in die Stammdatendatei.")
                .arg(p + 1)
                .arg(length);
        return QStringLiteral("%1 ist zu lang: höchstens %2 Zeichen passen in die Stammdatendatei.")
            .arg(ValueName(value))
            .arg(length);
    }
    return QString();
}

int CVelmoraStammDaten::WriteEntry(int entry)
{
    if (!m_open) {
        m_error = QStringLiteral("Die Stammdaten konnten nicht gespeichert werden: die Datei %1 ist nicht geöffnet.")
                      .arg(QDir::toNativeSeparators(m_tablePath));
        return -1;
    }
    const SValues values = Entry(entry);
    // Checked before the record buffer is touched: a refused field would
    // otherwise keep the text of the record read last.
    const QString tooLong = CheckFits(values);
    if (!tooLong.isEmpty()) {
        m_error = tooLong;
        return -1;
    }
    quint32 record = m_records.at(entry);
    if (record == 0) {
        // After the records really in the file, whoever appended them.
        record = m_table.RecordCount() + 1;
        if (!PrepareAppend(record)) {
            m_error = QStringLiteral("Der neue Datensatz konnte nicht in die Datei %1 geschrieben werden.")
                          .arg(QDir::toNativeSeparators(m_tablePath));
            return -1;
        }
    } else if (m_table.ReadRecord(record) < 0) {
        m_error = QStringLiteral("Der Datensatz %1 der Datei %2 konnte nicht gelesen werden.")
                      .arg(record)
                      .arg(QDir::toNativeSeparators(m_tablePath));
        return -1;
    }
    const QStringList texts = FieldTexts(values);
    for (int p = 0; p < texts.size(); ++p)
        m_table.SetCharField(p, texts.at(p));
    if (m_table.WriteRecord(record) < 0) {
        DiscardBuffer();
        m_error = QStringLiteral("Der Datensatz %1 konnte nicht in die Datei %2 geschrieben werden.")
                      .arg(record)
                      .arg(QDir::toNativeSeparators(m_tablePath));
        return -1;
    }
    m_records[entry] = record;
    m_changed[entry] = 0;
    return 0;
}

bool CVelmoraStammDaten::PrepareAppend(quint32 record)
{
    // Fields can only be set with a record in the buffer. The engine blanks
    // every field not set for an appended record, so which one it is does
    // not matter; an empty table gets a blank record that is written over next.
    if (m_table.CurrentRecord() != 0)
        return true;
    if (record > 1)
        return m_table.ReadRecord(record - 1) >= 0;
    return m_table.WriteRecord(1) >= 0;
}

void CVelmoraStammDaten::DiscardBuffer()
{
    // A buffer that failed to reach its record must not be written over the
    // record it was read from by the next read.
    m_table.CloseTable();
    m_open = m_table.OpenTable(m_tablePath);
}

int CVelmoraStammDaten::SaveEntry(int entry)
{
    m_error.clear();
    return WriteEntry(entry);
}

int CVelmoraStammDaten::SaveEntries()
{
    // Nothing is written for unchanged entries: an empty table stays empty.
    QString firstError;
    int result = 0;
    for (int i = 0; i < EntryCount(); ++i) {
        if (m_changed.at(i) == 0)
            continue;
        if (WriteEntry(i) < 0) {
            result = -1;
            if (firstError.isEmpty())
                firstError = m_error;
        }
    }
    m_error = firstError;
    return result;
}

QString CVelmoraStammDaten::DescriptionListText(const QString& description)
{
    const qsizetype cr = description.indexOf(QLatin1Char('\r'));
    return cr < 0 ? description : description.left(cr);
}

QString CVelmoraStammDaten::GoodsNumberText(const SValues& values)
{
    return QStringList{values[kWNR1], values[kWNR2], values[kWNR3], values[kWNR4], values[kWNR5]}.join(QLatin1Char('-'));
}

QString CVelmoraStammDaten::JoinLegacyDescription(const QStringList& lines)
{
    QStringList trimmed;
    for (int i = 0; i < kLegacyLines; ++i) {
        QString line = i < lines.size() ? lines.at(i) : QString();
        qsizetype n = line.size();
        while (n > 0 && line.at(n - 1).isSpace())
            --n;
        line.truncate(n);
        trimmed << line;
    }
    return trimmed.join(kCrLf);
}

QStringList CVelmoraStammDaten::SplitLegacyDescription(const QString& description)
{
    QString rest = description;
    for (int i = 0; i < 9; ++i)
        rest += kCrLf;
    QStringList lines;
    for (int i = 0; i < kLegacyLines; ++i) {
        const qsizetype cr = rest.indexOf(QLatin1Char('\r'));
        lines << rest.left(cr);
        rest = rest.mid(cr + 2);
    }
    return lines;
}
