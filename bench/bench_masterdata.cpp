// Master data at the sizes users reach: the address dialog opening a table of
// 65,535 addresses (the most its record numbers allow) and filling its sorted
// list, and the goods store loading a table of 20,000 entries.

#include "BenchSupport.h"
#include "app/SettingsStore.h"
#include "masterdata/DlgEH_Default08.h"
#include "masterdata/VelmoraStammDaten.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr int kAddresses = 65535;
constexpr int kGoods = 20000;


struct SField
{
    const char* name;
    int length;
};

// A dBase III table written in one go; building it through the engine would
// rewrite the header once per record.
bool WriteTable(const QString& path, const QList<SField>& fields, int records,
                const std::function<QByteArray(int record, int field)>& text)
{
    int recordLength = 1;
    for (const SField& f : fields)
        recordLength += f.length;
    const int headerLength = 32 * int(fields.size()) + 33;
    QByteArray bytes(headerLength, '\0');
    bytes[0] = 0x03;
    bytes[1] = char(126);
    bytes[2] = 12;
    bytes[3] = 11;
    qToLittleEndian<quint32>(quint32(records), bytes.data() + 4);
    qToLittleEndian<quint16>(quint16(headerLength), bytes.data() + 8);
    qToLittleEndian<quint16>(quint16(recordLength), bytes.data() + 10);
    for (int i = 0; i < fields.size(); ++i) {
        char* d = bytes.data() + 32 + 32 * i;
        qstrncpy(d, fields.at(i).name, 11);
        d[11] = 'C';
        d[16] = char(fields.at(i).length);
    }
    bytes[headerLength - 1] = 0x0D;
    bytes.reserve(headerLength + qsizetype(records) * recordLength + 1);
    for (int r = 0; r < records; ++r) {
        bytes += ' ';
        for (int i = 0; i < fields.size(); ++i)
            bytes += text(r, i).leftJustified(fields.at(i).length, ' ', true);
    }
    bytes += char(0x1A);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Different words in front, so the sort has work to do.
QByteArray Word(int seed)
{
    static const char* words[] = {"Spedition", "Müller", "Hafen", "Logistik", "Zoll", "Bäckerei", "Maschinenbau",
                                  "Handel", "Transporte", "Lager", "Werk", "Import"};
    return QByteArray(words[(seed * 7) % 12]) + ' ' + QByteArray::number((seed * 7919) % 100003);
}

const QString& AddressTable()
{
    static const QString path = [] {
        const QString p = BenchSupport::TemporaryDir()->filePath(QStringLiteral("Adress1.dbf"));
        WriteTable(p, {{"ADRESS1", 80}, {"ADRESS2", 80}, {"ADRESS3", 80}, {"ADRESS4", 80}, {"ZOLLNR", 25}}, kAddresses,
                   [](int r, int f) {
                       return f == 0 ? Word(r) + " GmbH" : f == 4 ? QByteArray::number(r) : QByteArray("Hauptstraße 1");
                   });
        return p;
    }();
    return path;
}

const QString& GoodsTable()
{
    static const QString path = [] {
        const QString p = BenchSupport::TemporaryDir()->filePath(QStringLiteral("ARTIKEL1.DBF"));
        WriteTable(p,
                   {{"WBESCH1", 254}, {"WNR1", 8}, {"WNR2", 2}, {"WNR3", 4}, {"WNR4", 4}, {"WNR5", 1}, {"LAND1", 3},
                    {"LAND2", 3}},
                   kGoods, [](int r, int f) {
                       switch (f) {
                       case 0: return Word(r) + "\r\n10 Kisten Schrauben, verzinkt\r\nPalette " + QByteArray::number(r);
                       case 1: return QByteArray::number(73180000 + r);
                       case 6: return QByteArray("DE");
                       case 7: return QByteArray("01");
                       default: return QByteArray("0");
                       }
                   });
        return p;
    }();
    return path;
}

void BM_AddressDialogOpens(benchmark::State& state)
{
    const CSettingsStore profile = CSettingsStore::Profile();
    profile.WriteString(SettingsSection::kSettings, CAddressTable::kSettingName, AddressTable());
    int rows = 0;
    for (auto _ : state) {
        CDlgEH_Default08 dialog(profile, BenchSupport::TemporaryDir()->path());
        if (!dialog.OpenTable()) {
            state.SkipWithError("the address table did not open");
            return;
        }
        rows = dialog.List()->count();
        benchmark::DoNotOptimize(rows);
    }
    if (rows != kAddresses)
        state.SkipWithError("the list does not hold every address");
    state.counters["records"] = double(rows);
}

void BM_GoodsStoreLoads(benchmark::State& state)
{
    const QFileInfo table(GoodsTable());
    int entries = 0;
    for (auto _ : state) {
        CVelmoraStammDaten store;
        store.SetLocation(table.absolutePath(), table.fileName(), CVelmoraStammDaten::kLayoutCurrent);
        if (store.LoadEntries() != 0) {
            state.SkipWithError("the goods table did not load");
            return;
        }
        entries = store.EntryCount();
        benchmark::DoNotOptimize(entries);
    }
    if (entries != kGoods)
        state.SkipWithError("the store does not hold every entry");
    state.counters["records"] = double(entries);
}

} // namespace

// Both wait on the file system, so wall time is what counts.
BENCHMARK(BM_AddressDialogOpens)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GoodsStoreLoads)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The dialogs read the settings store.
    return BenchSupport::RunBenchmarks(argc, argv);
}
