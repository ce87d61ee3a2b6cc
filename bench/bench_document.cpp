// Load and save of the largest document the format allows: 255 sheets, every
// field filled. The copy benchmark moves the same number of bytes with
// memcpy, as the floor the reader and writer are measured against.

#include "BenchSupport.h"
#include "document/EinheitspapierDoc.h"

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using BenchSupport::kTextLength;

using BenchSupport::FillMaximalDocument;

// The saved bytes of the maximal document, made once and checked to read back.
const QByteArray& MaximalBytes()
{
    static const QByteArray bytes = [] {
        CEinheitspapierDoc doc;
        FillMaximalDocument(doc);
        return doc.SaveToBytes();
    }();
    return bytes;
}

bool CheckMaximal(benchmark::State& state, CEinheitspapierDoc& doc)
{
    if (doc.Engine().GetPageCount() != 1 + CKivEditWindow::kMaxContPages
        || doc.Engine().GetFieldText(43, 255).size() != kTextLength) {
        state.SkipWithError("the maximal document did not come out as built");
        return false;
    }
    return true;
}

void Report(benchmark::State& state, qsizetype bytes)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
    state.counters["doc_bytes"] = double(bytes);
}

void BM_CopyBaseline(benchmark::State& state)
{
    const QByteArray& source = MaximalBytes();
    for (auto _ : state) {
        QByteArray copy(source.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), source.constData(), size_t(source.size()));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    Report(state, MaximalBytes().size());
}

void BM_LoadFromBytes(benchmark::State& state)
{
    const QByteArray& source = MaximalBytes();
    CEinheitspapierDoc doc;
    for (auto _ : state) {
        const auto status = doc.LoadFromBytes(source);
        benchmark::DoNotOptimize(status);
    }
    if (CheckMaximal(state, doc))
        Report(state, source.size());
}

void BM_SaveToBytes(benchmark::State& state)
{
    CEinheitspapierDoc doc;
    FillMaximalDocument(doc);
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray out = doc.SaveToBytes();
        size = out.size();
        benchmark::DoNotOptimize(out.constData());
    }
    if (size != MaximalBytes().size())
        state.SkipWithError("the saved size differs from the maximal document");
    else
        Report(state, size);
}

void BM_LoadFromFile(benchmark::State& state)
{
    const QString path = BenchSupport::TemporaryDir()->filePath(QStringLiteral("load.t2l"));
    {
        CEinheitspapierDoc doc;
        doc.LoadFromBytes(MaximalBytes());
        if (!doc.SaveToFile(path)) {
            state.SkipWithError("cannot write the benchmark file");
            return;
        }
    }
    CEinheitspapierDoc doc;
    for (auto _ : state) {
        const auto status = doc.LoadFromFile(path);
        benchmark::DoNotOptimize(status);
    }
    if (CheckMaximal(state, doc))
        Report(state, MaximalBytes().size());
}

void BM_SaveToFile(benchmark::State& state)
{
    const QString path = BenchSupport::TemporaryDir()->filePath(QStringLiteral("save.t2l"));
    CEinheitspapierDoc doc;
    FillMaximalDocument(doc);
    bool ok = true;
    for (auto _ : state)
        ok = doc.SaveToFile(path) && ok;
    if (!ok)
        state.SkipWithError("SaveToFile failed");
    else
        Report(state, MaximalBytes().size());
}

} // namespace

BENCHMARK(BM_CopyBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToBytes)->Unit(benchmark::kMillisecond);
// File benchmarks wait on the file system, so wall time is what counts.
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    // Documents read the settings store.
    return BenchSupport::RunBenchmarks(argc, argv);
}
