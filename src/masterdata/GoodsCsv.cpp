#include "GoodsCsv.h"

#include "VelmoraStammDaten.h"
#include "platform/Csv.h"

using Store = CVelmoraStammDaten;

namespace GoodsCsv {

QStringList ColumnNames()
{
    return {QStringLiteral("WBESCH1"), QStringLiteral("WNR1"), QStringLiteral("WNR2"), QStringLiteral("WNR3"),
            QStringLiteral("WNR4"),    QStringLiteral("WNR5"), QStringLiteral("LAND1"), QStringLiteral("LAND2")};
}

QByteArray Export(const CVelmoraStammDaten& store)
{
    QList<QStringList> rows;
    rows.reserve(store.EntryCount() + 1);
    rows << ColumnNames();
    for (int e = 0; e < store.EntryCount(); ++e) {
        const Store::SValues v = store.Entry(e);
        rows << QStringList(v.begin(), v.end());
    }
    return Csv::Format(rows);
}

bool Import(CVelmoraStammDaten& store, const QByteArray& csv, SImportResult& result, QString* error)
{
    result = SImportResult();
    QList<Csv::SRow> rows;
    if (!Csv::Parse(csv, rows, error))
        return false;
    if (rows.isEmpty()) {
        if (error)
            *error = QStringLiteral("Die Datei enthält keine Kopfzeile.");
        return false;
    }
    const QList<int> columns = Csv::ColumnIndexes(rows.first().values, ColumnNames());
    // Without the description column the header is not ours; guessing would
    // put values into the wrong fields.
    if (columns.at(Store::kWBESCH1) < 0) {
        if (error)
            *error = QStringLiteral("Die Kopfzeile enthält keine Spalte WBESCH1.");
        return false;
    }
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const Csv::SRow& row = rows.at(i);
        Store::SValues values;
        for (int k = 0; k < Store::kValueCount; ++k) {
            const int c = columns.at(k);
            values[k] = c >= 0 && c < row.values.size() ? row.values.at(c) : QString();
        }
        const QString tooLong = store.CheckFits(values);
        if (!tooLong.isEmpty()) {
            result.refused << QStringLiteral("Zeile %1: %2").arg(row.line).arg(tooLong);
            continue;
        }
        const int entry = store.AppendEntry(values);
        if (store.SaveEntry(entry) < 0) {
            result.refused << QStringLiteral("Zeile %1: %2").arg(row.line).arg(store.ErrorText());
            continue;
        }
        ++result.written;
    }
    return true;
}

} // namespace GoodsCsv
