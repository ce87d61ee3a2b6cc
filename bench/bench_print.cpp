// Printing every sheet of the largest document the format allows (255 sheets:
// page 1 and 254 continuation sheets, every field filled with 200 characters) to PDF:
// through PrintJob::WritePdf into a file, and through PrintJob::PrintSheets
// into a PDF writer on a buffer (the page output without the file).

#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "print/FormPrinter.h"
#include "print/PrintJob.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>

namespace {

constexpr int kTextLength = 200;

QTemporaryDir* g_dir = nullptr;

// 200 characters of customs-style German, different for every field.
QString FieldText(int seed)
{
    static const QStringList words = {
        QStringLiteral("Zollanmeldung"),  QStringLiteral("Warenbeschreibung"), QStringLiteral("Größe"),
        QStringLiteral("Rohmasse"),       QStringLiteral("Packstücke"),        QStringLiteral("Übergabe"),
        QStringLiteral("Empfänger"),      QStringLiteral("Versandland"),       QStringLiteral("Bestimmungsstelle"),
        QStringLiteral("Maschinenteile"), QStringLiteral("Edelstahlrohre"),    QStringLiteral("Präzisionslager"),
        QStringLiteral("Düsseldorf"),     QStringLiteral("Lübeck"),            QStringLiteral("Straße"),
        QStringLiteral("Verschluss"),     QStringLiteral("Kennzeichen"),       QStringLiteral("Ölfilter"),
    };
    QString text = QString::number(seed);
    for (int k = 0; text.size() < kTextLength; ++k) {
        text += QLatin1Char(k % 5 == 4 ? ',' : ' ');
        text += words.at((seed * 7 + k * 13) % words.size());
    }
    text.truncate(kTextLength);
    return text;
}

struct SMaximal
{
    SMaximal()
        : printer(doc.Engine(), definitions, profile, 0, 0)
    {
        definitions.Reset();
        doc.SetContinuationCount(CKivEditWindow::kMaxContPages);
        CKivEditWindow& engine = doc.Engine();
        int seed = 0;
        for (int page = 1; page <= engine.GetPageCount(); ++page) {
            const int count = page == 1 ? engine.GetFieldCount() : engine.GetContFieldCount();
            for (int i = 0; i < count; ++i)
                engine.SetFieldText(static_cast<quint16>(i), FieldText(seed++), static_cast<quint16>(page));
        }
        pages.resize(engine.GetPageCount());
        std::iota(pages.begin(), pages.end(), 1);
    }

    CEinheitspapierDoc doc;
    CSettingsStore profile = CSettingsStore::Profile();
    CFieldDefinitions definitions;
    CFormPrinter printer;
    QList<int> pages;
};

SMaximal& Maximal()
{
    static SMaximal m;
    return m;
}

// Sheets without their texts would make a small file and a flattering time.
constexpr qint64 kMinBytesPerPage = 2000;

void Report(benchmark::State& state, qint64 bytes)
{
    if (bytes < kMinBytesPerPage * Maximal().pages.size()) {
        state.SkipWithError("the PDF is too small to hold the texts");
        return;
    }
    state.counters["pages"] = double(Maximal().pages.size());
    state.counters["pdf_bytes"] = double(bytes);
}

void BM_WritePdfAllPages(benchmark::State& state)
{
    SMaximal& m = Maximal();
    if (m.pages.size() != 1 + CKivEditWindow::kMaxContPages) {
        state.SkipWithError("the maximal document did not come out as built");
        return;
    }
    const QString path = g_dir->filePath(QStringLiteral("all.pdf"));
    QString error;
    bool ok = true;
    for (auto _ : state)
        ok = PrintJob::WritePdf(path, m.printer, m.pages, &error) && ok;
    if (!ok)
        state.SkipWithError(qPrintable(QStringLiteral("WritePdf failed: ") + error));
    else
        Report(state, QFileInfo(path).size());
}

void BM_PrintSheetsToBuffer(benchmark::State& state)
{
    SMaximal& m = Maximal();
    qint64 size = 0;
    bool ok = true;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(PrintJob::kPdfResolution);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            ok = PrintJob::PrintSheets(writer, m.printer, m.pages) && ok;
        }
        size = buffer.size();
        benchmark::DoNotOptimize(buffer.data().constData());
    }
    if (!ok)
        state.SkipWithError("PrintSheets failed");
    else
        Report(state, size);
}

} // namespace

// The file benchmark waits on the file system, so wall time is what counts.
BENCHMARK(BM_WritePdfAllPages)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PrintSheetsToBuffer)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The page output reads the settings store; keep it away from the real one.
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    g_dir = &dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
