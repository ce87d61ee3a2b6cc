#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CVelmoraStammDaten;

// Goods master data as UTF-8 CSV with a header row WBESCH1, WNR1 to WNR5,
// LAND1, LAND2, for exchange with merchandise systems. No widgets.
namespace GoodsCsv {

// The column names, in value order.
QStringList ColumnNames();

// Every entry of the loaded store, header first.
QByteArray Export(const CVelmoraStammDaten& store);

struct SImportResult
{
    int written = 0;
    // One German line per row left out: "Zeile N: reason".
    QStringList refused;
};

// Appends the rows to the loaded store and writes each to the table. False
// with a German reason when the text or its header row cannot be used;
// nothing is written then. Rows that do not fit or cannot be written are
// listed in result.refused; the others stay written.
bool Import(CVelmoraStammDaten& store, const QByteArray& csv, SImportResult& result, QString* error);

} // namespace GoodsCsv
