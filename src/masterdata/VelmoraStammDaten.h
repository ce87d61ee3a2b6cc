#pragma once

#include "dBaseDocument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class CSettingsStore;

// The goods table held in memory: eight parallel lists, one entry per record,
// loaded whole and written back entry by entry. It reads and writes the
// current layout (WBESCH1 holds the whole description) and the legacy one
// (seven description lines in fields 0 to 6). No widgets; failures come back
// as German texts for the caller to show.
class CVelmoraStammDaten
{
public:
    enum ELayout : int { kLayoutNone = 0, kLayoutLegacy = 2, kLayoutCurrent = 3 };
    // The eight values of an entry, in the order of the current table.
    enum EValue : int { kWBESCH1 = 0, kWNR1, kWNR2, kWNR3, kWNR4, kWNR5, kLAND1, kLAND2, kValueCount };
    using SValues = std::array<QString, kValueCount>;

    static const QString kCurrentFileName; // "ARTIKEL1.DBF"
    static const QString kLegacyFileName;  // "ARTIKEL.DBF"
    static constexpr int kLegacyLines = 7;

    // Where the settings put the goods table: directory (empty: the data
    // directory), file name and layout.
    struct SLocation
    {
        QString directory;
        QString fileName;
        int layout = kLayoutCurrent;
    };
    static SLocation LocationFromSettings(const CSettingsStore& profile);

    explicit CVelmoraStammDaten(QString dataDirectory = QString());
    ~CVelmoraStammDaten();
    CVelmoraStammDaten(const CVelmoraStammDaten&) = delete;
    CVelmoraStammDaten& operator=(const CVelmoraStammDaten&) = delete;

    // 0, or -1 for a layout other than 2 or 3.
    int SetLocation(const QString& directory, const QString& fileName, int layout);
    const QString& TablePath() const { return m_tablePath; }
    int Layout() const { return m_layout; }

    // Replaces the entries by the table's records; a missing table is created
    // empty in the current layout. -1 when the table cannot be opened or
    // created (ErrorText says why); the store is then empty.
    int LoadEntries();
    // Writes every changed entry. An entry that does not fit its record or
    // cannot be written keeps its change flag, so a later save tries again;
    // the result is then -1 and ErrorText names it.
    int SaveEntries();
    // Creates an empty table of the current layout at the table path, never
    // over an existing file. True when created.
    bool CreateGoodsTable();
    // Writes one entry now, changed or not; 0 or -1 (ErrorText says why).
    int SaveEntry(int entry);

    int EntryCount() const { return int(m_values[0].size()); }
    void Resize(int n);
    // Appends an entry marked for saving; its number.
    int AppendEntry(const SValues& values);
    // Replaces an entry and marks it for saving.
    void SetEntry(int entry, const SValues& values);
    SValues Entry(int entry) const;
    const QString& Value(int entry, int value) const { return m_values[value].at(entry); }
    const QStringList& List(int value) const { return m_values[value]; }
    bool IsChanged(int entry) const { return m_changed.at(entry) != 0; }

    // A German text when a value is longer than its field of the open table
    // (legacy: any of the seven description lines); empty when all fit.
    QString CheckFits(const SValues& values) const;

    const QString& ErrorText() const { return m_error; }

    // Texts of the two selection lists.
    static QString DescriptionListText(const QString& description);
    static QString GoodsNumberText(const SValues& values);
    // The legacy description: seven lines, each without trailing white space,
    // joined by CR LF; and its split into seven lines (later lines dropped).
    static QString JoinLegacyDescription(const QStringList& lines);
    static QStringList SplitLegacyDescription(const QString& description);

private:
    // Record number of each entry in the file; 0 for one not yet written.
    QList<quint32> m_records;
    std::array<QStringList, kValueCount> m_values;
    QByteArray m_changed;
    QString m_tablePath;
    QString m_dataDirectory;
    QString m_error;
    CdBaseDocument m_table;
    int m_layout = kLayoutNone;
    bool m_open = false;

    QStringList FieldTexts(const SValues& values) const;
    int WriteEntry(int entry);
    bool PrepareAppend(quint32 record);
    void DiscardBuffer();
};
