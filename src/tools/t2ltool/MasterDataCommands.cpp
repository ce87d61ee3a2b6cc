#include "MasterDataCommands.h"

#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "masterdata/AddressTable.h"
#include "masterdata/dBaseDocument.h"
#include "platform/Csv.h"
#include "platform/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

// CSV files beyond this are refused rather than held in memory.
constexpr qint64 kMaxCsvSize = 256LL * 1024 * 1024;

const QStringList kColumns{QStringLiteral("ADRESS1"), QStringLiteral("ADRESS2"), QStringLiteral("ADRESS3"),
                           QStringLiteral("ADRESS4"), QStringLiteral("ZOLLNR")};

void PrintLine(FILE* out, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), out);
    std::fputc('\n', out);
}

// A string as JSON, quotes and escapes included.
QByteArray JsonValue(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

int Usage()
{
    PrintLine(stderr, QStringLiteral("Aufruf: t2ltool dbf-dump DATEI.dbf\n"
                                     "       t2ltool addresses import|export DATEI.csv [--table TABELLE.dbf]"));
    return 2;
}

int Import(CAddressTable& table, const QString& csvPath)
{
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        PrintLine(stderr, QStringLiteral("%1 kann nicht gelesen werden: %2").arg(csvPath, file.errorString()));
        return 1;
    }
    if (file.size() > kMaxCsvSize) {
        PrintLine(stderr, QStringLiteral("%1 ist zu groß.").arg(csvPath));
        return 1;
    }
    QList<Csv::SRow> rows;
    QString error;
    if (!Csv::Parse(file.readAll(), rows, &error)) {
        PrintLine(stderr, QStringLiteral("%1: %2").arg(csvPath, error));
        return 1;
    }
    const QList<int> columns = rows.isEmpty() ? QList<int>(kColumns.size(), -1)
                                              : Csv::ColumnIndexes(rows.first().values, kColumns);
    if (columns.contains(-1)) {
        PrintLine(stderr, QStringLiteral("%1: Die Kopfzeile muss die Spalten ADRESS1, ADRESS2, ADRESS3, ADRESS4 und "
                                         "ZOLLNR enthalten.")
                              .arg(csvPath));
        return 1;
    }
    if (!QFileInfo::exists(table.Path()) ? !table.Create(false) : !table.Open()) {
        PrintLine(stderr, table.ErrorText());
        return 1;
    }

    int written = 0;
    int refused = 0;
    bool failed = false;
    for (qsizetype r = 1; r < rows.size() && !failed; ++r) {
        const Csv::SRow& row = rows.at(r);
        QStringList values;
        for (int c : columns)
            values.append(row.values.value(c).trimmed());
        QString reason;
        for (int k = 0; k < values.size() && reason.isEmpty(); ++k) {
            const QString& v = values.at(k);
            const int length = k < CAddressTable::kLineCount ? CAddressTable::kLineLength
                                                             : CAddressTable::kCustomsFieldLength;
            if (v.contains(u'\r') || v.contains(u'\n'))
                reason = QStringLiteral("%1 enthält einen Zeilenumbruch.").arg(kColumns.at(k));
            else if (CdBaseDocument::EncodeFieldText(v).size() > length)
                reason = QStringLiteral("%1 ist länger als %2 Zeichen.").arg(kColumns.at(k)).arg(length);
        }
        if (reason.isEmpty() && values.first().isEmpty())
            reason = QStringLiteral("ADRESS1 ist leer.");
        if (!reason.isEmpty()) {
            PrintLine(stderr, QStringLiteral("Zeile %1 übergangen: %2").arg(row.line).arg(reason));
            ++refused;
            continue;
        }
        const QString text = values.mid(0, CAddressTable::kLineCount).join(QStringLiteral("\r\n"));
        const quint32 record = table.Table().RecordCount() + 1;
        if (table.Save(record, text, values.last(), true) != CAddressTable::ESaveResult::kSaved) {
            PrintLine(stderr, QStringLiteral("Zeile %1: %2").arg(row.line).arg(table.WriteFailedText()));
            failed = true;
            break;
        }
        ++written;
    }
    table.Close();
    PrintLine(stdout, QStringLiteral("%1 Adressen geschrieben, %2 Zeilen übergangen.").arg(written).arg(refused));
    return failed || refused > 0 ? 1 : 0;
}

int Export(CAddressTable& table, const QString& csvPath)
{
    if (!table.Open()) {
        PrintLine(stderr, table.ErrorText());
        return 1;
    }
    QList<QStringList> rows{kColumns};
    CdBaseDocument& db = table.Table();
    const int fields = qMin(db.FieldCount(), int(kColumns.size()));
    for (quint32 r = 1; r <= db.RecordCount(); ++r) {
        if (db.ReadRecord(r) != qint64(r)) {
            PrintLine(stderr, QStringLiteral("Datensatz %1 von %2 kann nicht gelesen werden.").arg(r).arg(table.Path()));
            return 1;
        }
        QStringList values;
        for (int p = 0; p < fields; ++p) {
            QString text;
            db.GetCharField(p, text);
            values.append(text);
        }
        while (values.size() < kColumns.size())
            values.append(QString());
        rows.append(values);
    }
    table.Close();
    QString error;
    if (!SaveFileAtomically(csvPath, Csv::Format(rows), &error)) {
        PrintLine(stderr, QStringLiteral("%1 kann nicht geschrieben werden: %2").arg(csvPath, error));
        return 1;
    }
    PrintLine(stdout, QStringLiteral("%1 Adressen exportiert.").arg(rows.size() - 1));
    return 0;
}

} // namespace

int RunDbfDump(const QStringList& args)
{
    if (args.size() != 3)
        return Usage();
    CdBaseDocument db;
    if (!db.OpenTable(args.at(2))) {
        PrintLine(stderr, db.ErrorText());
        return 1;
    }
    const quint32 count = db.RecordCount();
    // Written by hand to keep the keys in the documented order.
    QByteArray json = "{\n  \"version\": " + QByteArray::number(db.Version()) + ",\n  \"recordCount\": "
        + QByteArray::number(count) + ",\n  \"headerLength\": " + QByteArray::number(db.HeaderLength())
        + ",\n  \"recordLength\": " + QByteArray::number(db.RecordLength()) + ",\n  \"fields\": [";
    for (int p = 0; p < db.FieldCount(); ++p) {
        json += (p > 0 ? ",\n    " : "\n    ");
        json += "{\"name\": " + JsonValue(db.FieldName(p)) + ", \"type\": " + JsonValue(QString(QChar(uchar(db.FieldType(p)))))
            + ", \"length\": " + QByteArray::number(db.FieldLength(p))
            + ", \"decimals\": " + QByteArray::number(db.FieldDecimals(p)) + "}";
    }
    json += db.FieldCount() > 0 ? "\n  ],\n  \"records\": [" : "],\n  \"records\": [";
    for (quint32 r = 1; r <= count; ++r) {
        if (db.ReadRecord(r) != qint64(r)) {
            PrintLine(stderr, QStringLiteral("Datensatz %1 kann nicht gelesen werden.").arg(r));
            return 1;
        }
        json += (r > 1 ? ",\n    " : "\n    ");
        json += QByteArray("{\"deleted\": ") + (db.IsCurrentDeleted() ? "true" : "false") + ", \"values\": [";
        for (int p = 0; p < db.FieldCount(); ++p) {
            QString text;
            if (p > 0)
                json += ", ";
            json += db.GetCharField(p, text) == 0 ? JsonValue(text) : QByteArray("null");
        }
        json += "]}";
    }
    json += count > 0 ? "\n  ]\n}\n" : "]\n}\n";
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    if (std::fflush(stdout) != 0) {
        PrintLine(stderr, QStringLiteral("Die Ausgabe konnte nicht geschrieben werden."));
        return 1;
    }
    return 0;
}

int RunAddressCommand(const QStringList& args)
{
    // addresses import|export FILE [--table PATH]
    if (args.size() != 4 && !(args.size() == 6 && args.at(4) == QLatin1String("--table")))
        return Usage();
    const QString& command = args.at(2);
    if (command != QLatin1String("import") && command != QLatin1String("export"))
        return Usage();
    QString tablePath;
    QString dataDirectory;
    if (args.size() == 6) {
        tablePath = args.at(5);
    } else {
        CRegeditManagment library;
        dataDirectory = library.GetDataDirectory();
        tablePath = CAddressTable::TablePath(CSettingsStore::Profile(), dataDirectory);
    }
    CAddressTable table(tablePath, dataDirectory);
    return command == QLatin1String("import") ? Import(table, args.at(3)) : Export(table, args.at(3));
}
