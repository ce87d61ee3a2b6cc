// Printing every sheet of the largest document the format allows (255 sheets:
// page 1 and 254 continuation sheets, every field filled with 200 characters) to PDF:
// through PrintJob::WritePdf into a file, and through PrintJob::PrintSheets
// into a PDF writer on a buffer (the page output without the file).

#include "BenchSupport.h"
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


struct SMaximal
{
    SMaximal()
        : printer(doc.Engine(), definitions, profile, 0, 0)
    {
        definitions.Reset();
        BenchSupport::FillMaximalDocument(doc);
        pages.resize(doc.Engine().GetPageCount());
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
    const QString path = BenchSupport::TemporaryDir()->filePath(QStringLiteral("all.pdf"));
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
    // The page output reads the settings store.
    return BenchSupport::RunBenchmarks(argc, argv);
}
