// libFuzzer target for the .t2l reader: any bytes are loaded, then the
// document is used the way the form view and the save command use it.

#include "document/EinheitspapierDoc.h"
#include "document/T2lJson.h"

#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

[[noreturn]] void Abort(const char* what)
{
    std::fprintf(stderr, "fuzz_t2l_reader: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// Prints the first line where two JSON texts part, then aborts.
[[noreturn]] void AbortOnDifference(const char* what, const QByteArray& a, const QByteArray& b)
{
    const QList<QByteArray> la = a.split('\n');
    const QList<QByteArray> lb = b.split('\n');
    for (qsizetype i = 0; i < qMax(la.size(), lb.size()); ++i) {
        const QByteArray x = i < la.size() ? la.at(i) : QByteArray("<end>");
        const QByteArray y = i < lb.size() ? lb.at(i) : QByteArray("<end>");
        if (x != y) {
            std::fprintf(stderr, "line %lld:\n  first:  %.300s\n  second: %.300s\n", static_cast<long long>(i + 1),
                         x.constData(), y.constData());
            break;
        }
    }
    Abort(what);
}

void Check(bool condition, const char* what)
{
    if (!condition)
        Abort(what);
}

// Every page and field within the engine's own counts, as the form view
// reads them to draw the sheets.
void ReadEveryField(const CEinheitspapierDoc& doc)
{
    const CKivEditWindow& engine = doc.Engine();
    const int pages = engine.GetPageCount();
    Check(pages >= 1 && pages <= 1 + CKivEditWindow::kMaxContPages, "page count out of range");
    Check(pages == 1 + doc.ContinuationCount(), "continuation count differs from the page count");
    for (int page = 1; page <= pages; ++page) {
        const bool main = page == 1;
        const int count = main ? engine.GetFieldCount() : engine.GetContFieldCount();
        for (int i = 0; i < count; ++i) {
            const quint16 index = static_cast<quint16>(i);
            const quint16 p = static_cast<quint16>(page);
            const QString text = engine.GetFieldText(index, p);
            Check(engine.GetFieldTextLength(index, p) == text.size(), "text length differs from the text");
            const quint16 word = engine.GetFieldAttributes(index, p);
            Check(engine.GetFieldSize(index, p) == (word & 0xEF), "size code differs from the attribute word");
            Check(engine.IsBold(index, p) == bool(word & CKivEditWindow::kBoldBit), "bold flag differs");
            Check(engine.GetAlignment(index, p) == (word & CKivEditWindow::kAlignMask), "alignment differs");
            if (main) {
                SFieldRect rect;
                engine.GetFieldRect(index, rect);
                (void)engine.GetFieldBottom(index);
            } else {
                (void)engine.GetContFieldLeft(index);
                (void)engine.GetContFieldBottom(index);
            }
        }
        // One past the last field is not a field.
        const quint16 past = static_cast<quint16>(count);
        if (count < 0xFFFF) {
            Check(engine.GetFieldText(past, static_cast<quint16>(page)).isEmpty(), "text beyond the field count");
            Check(engine.GetFieldSize(past, static_cast<quint16>(page)) == 64, "size beyond the field count");
        }
    }
}

void Run(const QByteArray& input)
{
    CEinheitspapierDoc doc;
    QString error;
    const CEinheitspapierDoc::ELoadStatus status = doc.LoadFromBytes(input, &error);
    if (status == CEinheitspapierDoc::ELoadStatus::kFailed)
        Check(!error.isEmpty(), "a damaged document without an error text");

    ReadEveryField(doc);

    // What `t2ltool dump` writes, `t2ltool build` must turn back into the same document.
    const QByteArray dumped = T2lJson::ToJson(doc);
    QByteArray built;
    QString buildError;
    if (!T2lJson::ToT2lBytes(dumped, built, &buildError)) {
        std::fprintf(stderr, "%s\n", buildError.toLocal8Bit().constData());
        Abort("the JSON of a document does not build");
    }
    CEinheitspapierDoc fromJson;
    if (fromJson.LoadFromBytes(built, &buildError) != CEinheitspapierDoc::ELoadStatus::kLoaded) {
        std::fprintf(stderr, "%s\n", buildError.toLocal8Bit().constData());
        Abort("the document built from JSON does not read");
    }
    const QByteArray rebuiltJson = T2lJson::ToJson(fromJson);
    if (rebuiltJson != dumped)
        AbortOnDifference("the document built from JSON differs", dumped, rebuiltJson);

    // Saving trims trailing white space in the store, so the JSON to compare
    // with is the one taken after the save.
    const QByteArray saved = doc.SaveToBytes();
    // The program always writes its own form variant; a foreign file's
    // variant is not carried into the copy it saves.
    doc.SetFormVariant(0);
    const QByteArray json = T2lJson::ToJson(doc);

    CEinheitspapierDoc again;
    QString againError;
    if (again.LoadFromBytes(saved, &againError) != CEinheitspapierDoc::ELoadStatus::kLoaded) {
        std::fprintf(stderr, "%s\n", againError.toLocal8Bit().constData());
        Abort(status == CEinheitspapierDoc::ELoadStatus::kLoaded ? "a loaded document saved to unreadable bytes"
                                                                 : "an empty form saved to unreadable bytes");
    }
    ReadEveryField(again);
    const QByteArray againJson = T2lJson::ToJson(again);
    if (againJson != json)
        AbortOnDifference("the saved document reads back differently", json, againJson);
    if (again.SaveToBytes() != saved)
        Abort("saving the read-back document gives other bytes");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The settings store must never reach the user's real settings.
    static QTemporaryDir settingsDir;
    if (!settingsDir.isValid())
        Abort("no temporary directory for the settings");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // No copy: a read past the end must hit ASan, not a terminating zero.
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        Run(input);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_t2l_reader: uncaught exception: %s\n", e.what());
        std::abort();
    }
    return 0;
}
