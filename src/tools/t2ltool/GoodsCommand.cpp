#include "GoodsCommand.h"

#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "masterdata/GoodsCsv.h"
#include "masterdata/VelmoraStammDaten.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// CSV files beyond this are refused rather than held in memory.
constexpr qint64 kMaxCsvSize = 256LL * 1024 * 1024;

void Print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int Usage()
{
    Print(stderr, QStringLiteral("Aufruf: t2ltool goods import DATEI.csv [--table TABELLE.dbf]\n"
                                 "       t2ltool goods export DATEI.csv [--table TABELLE.dbf]"));
    return 2;
}

} // namespace

int RunGoodsCommand(const QStringList& args)
{
    // t2ltool goods import|export FILE [--table PATH]
    if (args.size() != 4 && !(args.size() == 6 && args.at(4) == QLatin1String("--table")))
        return Usage();
    const QString& mode = args.at(2);
    const QString& csvPath = args.at(3);
    if (mode != QLatin1String("import") && mode != QLatin1String("export"))
        return Usage();

    CRegeditManagment library;
    CVelmoraStammDaten store(library.GetDataDirectory());
    CVelmoraStammDaten::SLocation location = CVelmoraStammDaten::LocationFromSettings(CSettingsStore::Profile());
    if (args.size() == 6) {
        const QFileInfo table(args.at(5));
        location.directory = table.absolutePath();
        location.fileName = table.fileName();
    }
    store.SetLocation(location.directory, location.fileName, location.layout);
    const QString tablePath = QDir::toNativeSeparators(store.TablePath());

    if (mode == QLatin1String("export")) {
        // An export reads; it must not leave a new empty table behind.
        if (!QFileInfo(store.TablePath()).isFile()) {
            Print(stderr, QStringLiteral("Die Stammdatendatei %1 gibt es nicht.").arg(tablePath));
            return 1;
        }
        if (store.LoadEntries() < 0) {
            Print(stderr, store.ErrorText());
            return 1;
        }
        QString error;
        if (!SaveFileAtomically(csvPath, GoodsCsv::Export(store), &error)) {
            Print(stderr, QStringLiteral("%1 konnte nicht geschrieben werden: %2").arg(csvPath, error));
            return 1;
        }
        Print(stdout, QStringLiteral("%1 Datensätze exportiert.").arg(store.EntryCount()));
        return 0;
    }

    QFile in(csvPath);
    if (!in.open(QIODevice::ReadOnly)) {
        Print(stderr, QStringLiteral("%1 kann nicht gelesen werden: %2").arg(csvPath, in.errorString()));
        return 1;
    }
    const QByteArray csv = in.read(kMaxCsvSize + 1);
    if (csv.size() > kMaxCsvSize) {
        Print(stderr, QStringLiteral("%1 ist zu groß.").arg(csvPath));
        return 1;
    }
    if (store.LoadEntries() < 0) {
        Print(stderr, store.ErrorText());
        return 1;
    }
    GoodsCsv::SImportResult result;
    QString error;
    if (!GoodsCsv::Import(store, csv, result, &error)) {
        Print(stderr, QStringLiteral("%1: %2").arg(csvPath, error));
        return 1;
    }
    Print(stdout, QStringLiteral("%1 Datensätze in %2 geschrieben.").arg(result.written).arg(tablePath));
    for (const QString& line : result.refused)
        Print(stderr, QStringLiteral("Abgelehnt: %1").arg(line));
    return result.refused.isEmpty() ? 0 : 1;
}
