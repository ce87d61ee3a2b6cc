#pragma once

#include "dBaseDocument.h"

#include <QList>
#include <QCollator>
#include <QString>
#include <QStringList>

class CSettingsStore;

// The address table (ADRESS1 to ADRESS4, ZOLLNR) and what the address dialog
// decides with it: where it lives, its first creation, the list of entries,
// and how an address text of several lines goes into the four fields.
class CAddressTable
{
public:
    static constexpr int kLineCount = 4;
    static constexpr int kLineLength = 80;
    static constexpr int kCustomsFieldLength = 25;
    // What the customs-number edit accepts; the field holds one more.
    static constexpr int kCustomsInputLength = 24;
    static inline const QString kSettingName = QStringLiteral("AdressdatenDatei");
    static inline const QString kFileName = QStringLiteral("Adress1.dbf");
    static inline const QString kFirstEntry = QStringLiteral("Erster Eintrag");

    struct SEntry
    {
        QString text; // ADRESS1, as the list shows it
        quint32 record = 0;
    };

    struct SAddress
    {
        QString text; // the four lines joined with CR LF
        QString customsNumber;
    };

    // The table's path from the settings; an empty value or "@" becomes the
    // data directory's table, and that path is written back.
    static QString TablePath(const CSettingsStore& profile, const QString& dataDirectory);

    explicit CAddressTable(QString path, QString dataDirectory = QString());

    const QString& Path() const { return m_path; }
    bool Open();
    // Makes the table, with its one first entry unless told otherwise;
    // never replaces a file.
    bool Create(bool withFirstEntry = true);
    void Close() { m_table.CloseTable(); }
    // Why the last open or create failed, for the user.
    const QString& ErrorText() const { return m_error; }
    CdBaseDocument& Table() { return m_table; }

    // One entry per record, in record order; records another program marked
    // as deleted are listed as well.
    QList<SEntry> Entries();
    SAddress Read(quint32 record);
    // The list's order: alphabetical, case-insensitive, German rules.
    static bool ListLess(const QString& a, const QString& b);
    // The same order as a key computed once per text, for long lists.
    static QCollatorSortKey ListKey(const QString& text);
    // The first of texts (in list order) that begins with prefix, ignoring case; -1 for none.
    static int FindPrefix(const QStringList& texts, const QString& prefix);

    // The four field texts of an address text: lines after the fourth are
    // dropped, each line loses the white space around it.
    static QStringList SplitLines(const QString& text);
    // Empty when the address fits its fields, else the German reason.
    static QString CheckLines(const QString& text);
    // The message of an input longer than the customs-number edit takes, or empty.
    static QString CheckCustomsNumber(const QString& number);

    enum class ESaveResult { kSaved, kNothingToSave, kTooLong, kFailed };
    // Writes the address into record (record count + 1 appends). A new entry
    // whose first line is empty is not written. The record written is
    // CurrentRecord() of the table afterwards.
    ESaveResult Save(quint32 record, const QString& text, const QString& customsNumber, bool newEntry);
    // The message for a record that could not be written.
    QString WriteFailedText() const;

private:
    CdBaseDocument m_table;
    QString m_path;
    QString m_dataDirectory;
    QString m_error;
};
