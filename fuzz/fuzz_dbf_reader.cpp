// libFuzzer target for the dBase table engine: any bytes are opened as a
// table and read the way the address and goods dialogs read them; a table
// that opens must also take an append and read it back.

#include "masterdata/dBaseDocument.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

[[noreturn]] void Abort(const char* what)
{
    std::fprintf(stderr, "fuzz_dbf_reader: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void Check(bool condition, const char* what)
{
    if (!condition)
        Abort(what);
}

// Every record and every character field, as the dialogs fill their lists.
void ReadEverything(CdBaseDocument& db, qint64 size)
{
    const quint32 count = db.RecordCount();
    Check(qint64(db.HeaderLength()) + qint64(count) * db.RecordLength() <= size, "more records than the file holds");
    int lengthSum = 1;
    for (int p = 0; p < db.FieldCount(); ++p)
        lengthSum += db.FieldLength(p);
    Check(lengthSum <= db.RecordLength(), "fields reach past the record");
    Check(db.RecordLength() <= CdBaseDocument::kMaxRecordLength, "record longer than the buffer");
    for (quint32 r = 1; r <= count; ++r) {
        Check(db.ReadRecord(r) == qint64(r), "a record within the count does not read");
        for (int p = 0; p < db.FieldCount(); ++p) {
            QString text;
            const int result = db.GetCharField(p, text);
            Check(result == (db.FieldType(p) == 'C' ? 0 : CdBaseDocument::kWrongType), "unexpected field result");
            Check(text.size() <= db.FieldLength(p), "field text longer than its field");
        }
    }
    Check(db.ReadRecord(count + 1) == CdBaseDocument::kFailed, "a record beyond the count reads");
}

void Run(const QByteArray& input)
{
    QByteArray bytes = input;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadWrite))
        Abort("buffer does not open");
    CdBaseDocument db;
    if (!db.OpenDevice(&buffer)) {
        Check(db.ErrorText() == CdBaseDocument::FormatErrorText(), "refused without the format message");
        return;
    }
    ReadEverything(db, input.size());

    // An append of a record with one field set: the count grows by one, the
    // new record holds that text and blanks elsewhere.
    const quint32 count = db.RecordCount();
    if (count == 0xFFFFFFFFu)
        return;
    int charField = -1;
    for (int p = 0; p < db.FieldCount() && charField < 0; ++p) {
        if (db.FieldType(p) == 'C' && db.FieldLength(p) >= 3)
            charField = p;
    }
    if (count > 0)
        Check(db.ReadRecord(count) == qint64(count), "the last record does not read");
    else
        Check(db.WriteRecord(1) == 1, "the first record of an empty table is not written");
    const quint32 target = count > 0 ? count + 1 : 1;
    if (charField >= 0)
        Check(db.SetCharField(charField, QStringLiteral("Neu")) == 0, "a short text does not fit");
    if (count > 0)
        Check(db.WriteRecord(target) == qint64(target), "the append fails");
    else if (charField >= 0)
        Check(db.WriteRecord(1) == 1, "rewriting the first record fails");
    Check(db.RecordCount() == target, "the append did not count");
    Check(quint8(bytes.at(0)) == CdBaseDocument::kVersion, "the append did not write the version");

    CdBaseDocument again;
    QBuffer reread(&bytes);
    if (!reread.open(QIODevice::ReadOnly))
        Abort("buffer does not reopen");
    Check(again.OpenDevice(&reread), "the table does not open after the append");
    Check(again.RecordCount() == target, "the appended record is not counted on reopening");
    ReadEverything(again, bytes.size());
    Check(again.ReadRecord(target) == qint64(target), "the appended record does not read");
    for (int p = 0; p < again.FieldCount(); ++p) {
        QString text;
        if (again.GetCharField(p, text) == 0)
            Check(text == (p == charField ? QStringLiteral("Neu") : QString()), "the new record took foreign bytes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        Run(input);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_dbf_reader: uncaught exception: %s\n", e.what());
        std::abort();
    }
    return 0;
}
