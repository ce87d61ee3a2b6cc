// The dBase table engine: file layout byte for byte, record and field
// operations with their result codes, the text encoding, damaged files.

#include "masterdata/dBaseDocument.h"

#include "platform/Cp1252.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct SField
{
    QByteArray name;
    char type = 'C';
    quint8 length = 10;
};

// Table bytes as another program may write them; each part can be bent to
// make a damaged file.
struct STableBytes
{
    quint8 version = 0x03;
    QList<SField> fields;
    QList<QByteArray> records; // deletion flag and field bytes, padded to the record length
    qint64 headerCount = -1;    // -1: the number of records
    int headerLength = -1;      // -1: as the fields need
    int recordLength = -1;
    bool endMark = true;

    int NeededRecordLength() const
    {
        int n = 1;
        for (const SField& f : fields)
            n += f.length;
        return n;
    }

    QByteArray Bytes() const
    {
        const int hl = headerLength >= 0 ? headerLength : 32 * int(fields.size()) + 33;
        const int rl = recordLength >= 0 ? recordLength : NeededRecordLength();
        QByteArray b(32, '\0');
        b[0] = char(version);
        b[1] = char(99);
        b[2] = char(7);
        b[3] = char(14);
        const quint32 count = quint32(headerCount >= 0 ? headerCount : records.size());
        for (int i = 0; i < 4; ++i)
            b[4 + i] = char((count >> (8 * i)) & 0xFF);
        b[8] = char(hl & 0xFF);
        b[9] = char(hl >> 8);
        b[10] = char(rl & 0xFF);
        b[11] = char(rl >> 8);
        for (const SField& f : fields) {
            QByteArray d(32, '\0');
            d.replace(0, f.name.size(), f.name);
            d[11] = f.type;
            d[16] = char(f.length);
            b += d;
        }
        b += '\x0D';
        while (b.size() < hl)
            b += '\0';
        for (QByteArray r : records) {
            r = r.leftJustified(rl, ' ', true);
            b += r;
        }
        if (endMark)
            b += '\x1A';
        return b;
    }
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The address table's fields.
void AddAddressFields(CdBaseDocument& db)
{
    db.ClearTable();
    for (const char* name : {"Adress1", "Adress2", "Adress3", "Adress4"})
        db.AddField(QString::fromLatin1(name), 'C', 80, 0);
    db.AddField(QStringLiteral("zollnr"), 'C', 25, 0);
}

// Two character fields A (5) and B (3) and a numeric N (4); records given as raw bytes.
STableBytes SmallTable(const QList<QByteArray>& records)
{
    STableBytes t;
    t.fields = {{"A", 'C', 5}, {"B", 'C', 3}, {"N", 'N', 4}};
    t.records = records;
    return t;
}

// A tool of the interoperability tests; the test fails, naming the package,
// when it is missing (scripts/bootstrap.sh test installs them).
QString Tool(const QString& name, const QStringList& firstIn = {})
{
    QString path = firstIn.isEmpty() ? QString() : QStandardPaths::findExecutable(name, firstIn);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name);
    return path;
}

struct SRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

SRun Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    SRun r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// The Python that has the dbfread module: Debian's own first.
QString PythonWithDbfread()
{
    for (const QString& python : {Tool(QStringLiteral("python3"), {QStringLiteral("/usr/bin")}),
                                  Tool(QStringLiteral("python3"))}) {
        if (!python.isEmpty() && Run(python, {QStringLiteral("-c"), QStringLiteral("import dbfread")}).exitCode == 0)
            return python;
    }
    return QString();
}

} // namespace

class TestDbase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("t%1.dbf").arg(++m_counter));
    }

    void createdTableLayoutAndFirstAppend()
    {
        CdBaseDocument db;
        AddAddressFields(db);
        QVERIFY(db.CreateTable(m_path, false));
        QCOMPARE(db.HeaderLength(), quint16(193));
        QCOMPARE(db.RecordLength(), quint16(346));
        QByteArray b = ReadAll(m_path);
        QCOMPARE(b.size(), 193);
        QCOMPARE(quint8(b[0]), quint8(0x03));
        const QDate today = QDate::currentDate();
        QCOMPARE(quint8(b[1]), quint8(today.year() - 1900));
        QCOMPARE(quint8(b[2]), quint8(today.month()));
        QCOMPARE(quint8(b[3]), quint8(today.day()));
        QCOMPARE(b.mid(4, 8), QByteArray::fromHex("00000000" "c100" "5a01"));
        QCOMPARE(b.mid(12, 20), QByteArray(20, '\0'));
        QCOMPARE(b.at(192), '\x0D');
        // Names upper case, zero padded; type, length, decimals; reserved zero.
        QCOMPARE(b.mid(32, 32), QByteArray("ADRESS1\0\0\0\0C\0\0\0\0\x50\0", 18) + QByteArray(14, '\0'));
        QCOMPARE(b.mid(32 + 4 * 32, 18), QByteArray("ZOLLNR\0\0\0\0\0C\0\0\0\0\x19\0", 18));

        QCOMPARE(db.RecordCount(), 0u);
        QCOMPARE(db.ReadRecord(1), qint64(-1));
        QCOMPARE(db.WriteRecord(1), qint64(1));
        QCOMPARE(db.RecordCount(), 1u);
        b = ReadAll(m_path);
        QCOMPARE(b.size(), 193 + 346 + 1);
        QCOMPARE(b.back(), '\x1A');
        QCOMPARE(b.mid(4, 4), QByteArray::fromHex("01000000"));
        // A first record from a fresh buffer is valid and blank.
        QCOMPARE(b.mid(193, 346), QByteArray(346, ' '));
    }

    void createNeverReplacesUnlessAsked()
    {
        WriteAll(m_path, "something else");
        CdBaseDocument db;
        AddAddressFields(db);
        QVERIFY(!db.CreateTable(m_path, false));
        QVERIFY(!db.IsOpen());
        QCOMPARE(ReadAll(m_path), QByteArray("something else"));
        AddAddressFields(db);
        QVERIFY(db.CreateTable(m_path, true));
        QCOMPARE(ReadAll(m_path).size(), 193);
    }

    void versions_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("dBase III") << 0x03 << true;
        QTest::newRow("dBase III with memo") << 0x83 << true;
        QTest::newRow("FoxBase") << 0x02 << false;
        QTest::newRow("Visual FoxPro") << 0x30 << false;
        QTest::newRow("dBase IV") << 0x04 << false;
    }
    void versions()
    {
        QFETCH(int, version);
        QFETCH(bool, accepted);
        STableBytes t = SmallTable({" abcdexyz1234"});
        t.version = quint8(version);
        WriteAll(m_path, t.Bytes());
        CdBaseDocument db;
        QCOMPARE(db.OpenTable(m_path), accepted);
        if (!accepted) {
            QCOMPARE(db.ErrorText(), QStringLiteral("Unerwartetes Dateiformat."));
            QVERIFY(!db.IsOpen());
            return;
        }
        QCOMPARE(db.RecordCount(), 1u);
        QCOMPARE(db.FieldCount(), 3);
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QString text;
        QCOMPARE(db.GetCharField(0, text), 0);
        QCOMPARE(text, QStringLiteral("abcde"));
        // An append writes the header as this program writes it.
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("x")), 0);
        QCOMPARE(db.WriteRecord(2), qint64(2));
        QCOMPARE(quint8(ReadAll(m_path).at(0)), quint8(0x03));
    }

    void missingFileMessages()
    {
        CdBaseDocument db;
        QVERIFY(!db.OpenTable(m_path));
        QCOMPARE(db.ErrorText(), QStringLiteral("%1 wurde nicht gefunden.").arg(m_path));
        const QString inMissingFolder = m_dir.filePath(QStringLiteral("fehlt/Adress1.dbf"));
        QVERIFY(!db.OpenTable(inMissingFolder));
        QCOMPARE(db.ErrorText(), QStringLiteral("%1 enthält eine falsche Pfadangabe.").arg(inMissingFolder));
        AddAddressFields(db);
        QVERIFY(!db.CreateTable(inMissingFolder));
        QCOMPARE(db.ErrorText(), QStringLiteral("%1 enthält eine falsche Pfadangabe.").arg(inMissingFolder));
        QVERIFY(!db.IsOpen());
        // A folder is no table.
        QVERIFY(!db.OpenTable(m_dir.path()));
        QCOMPARE(db.ErrorText(), QStringLiteral("Zugriff auf %1 wurde verweigert.").arg(m_dir.path()));
    }

    void accessDenied()
    {
        WriteAll(m_path, SmallTable({}).Bytes());
        QFile::setPermissions(m_path, QFileDevice::ReadOwner);
        if (QFile(m_path).open(QIODevice::ReadWrite))
            QSKIP("running with rights that ignore file permissions");
        CdBaseDocument db;
        QVERIFY(!db.OpenTable(m_path));
        QCOMPARE(db.ErrorText(), QStringLiteral("Zugriff auf %1 wurde verweigert.").arg(m_path));
    }

    void recordRanges()
    {
        WriteAll(m_path, SmallTable({" aaaaabbb0001", " cccccddd0002"}).Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        const QByteArray before = ReadAll(m_path);
        QCOMPARE(db.ReadRecord(0), qint64(-1));
        QCOMPARE(db.ReadRecord(3), qint64(-1));
        QCOMPARE(db.WriteRecord(0), qint64(-1));
        QCOMPARE(db.WriteRecord(4), qint64(-1));
        QCOMPARE(ReadAll(m_path), before);
        QString text;
        QCOMPARE(db.CurrentRecord(), 0u);
        QCOMPARE(db.GetCharField(0, text), -2);
        QCOMPARE(db.SetCharField(0, QStringLiteral("x")), -2);
        QCOMPARE(db.ReadRecord(2), qint64(2));
        QCOMPARE(db.CurrentRecord(), 2u);
        QCOMPARE(db.GetCharField(2, text), -3);
        QVERIFY(text.isEmpty());
        QCOMPARE(db.SetCharField(2, QStringLiteral("1")), -3);
        QVERIFY_THROWS_EXCEPTION(CdBaseFieldError, db.GetCharField(3, text));
        QVERIFY_THROWS_EXCEPTION(CdBaseFieldError, db.SetCharField(-1, text));
        db.CloseTable();
        QCOMPARE(db.ReadRecord(1), qint64(-1));
        QCOMPARE(db.WriteRecord(1), qint64(-1));
        QCOMPARE(db.RecordCount(), 0u);
    }

    void fieldTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("stored"); // the five bytes of field A
        QTest::addColumn<QString>("readBack");
        QTest::newRow("exact length") << QStringLiteral("12345") << 0 << QByteArray("12345") << QStringLiteral("12345");
        QTest::newRow("empty") << QString() << 0 << QByteArray("     ") << QString();
        QTest::newRow("too long") << QStringLiteral("123456") << -8 << QByteArray("aaaaa") << QStringLiteral("aaaaa");
        QTest::newRow("umlauts") << QStringLiteral("Öß ü") << 0 << QByteArray("\xD6\xDF \xFC ") << QStringLiteral("Öß ü");
        QTest::newRow("euro") << QStringLiteral("5 €") << 0 << QByteArray("5 E  ") << QStringLiteral("5 E");
        QTest::newRow("quotation marks") << QStringLiteral("„x“‚’") << 0 << QByteArray("\"x\"''")
                                         << QStringLiteral("\"x\"''");
        QTest::newRow("dashes, primes") << QStringLiteral("‒–—―″") << 0 << QByteArray("----\"") << QStringLiteral("----\"");
        QTest::newRow("letters 1252 has") << QStringLiteral("Škoda") << 0 << QByteArray("\x8Akoda")
                                          << QStringLiteral("Škoda");
        QTest::newRow("no 1252 letter") << QStringLiteral("Łódź") << 0 << QByteArray("?\xF3" "d? ") << QStringLiteral("?ód?");
        QTest::newRow("trailing white space") << QStringLiteral("a\t\r\n ") << 0 << QByteArray("a\t\r\n ")
                                              << QStringLiteral("a");
        QTest::newRow("too long after encoding stays") << QStringLiteral("€€€€€€") << -8 << QByteArray("aaaaa")
                                                       << QStringLiteral("aaaaa");
    }
    void fieldTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(QByteArray, stored);
        QFETCH(QString, readBack);
        WriteAll(m_path, SmallTable({" aaaaabbb0001"}).Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(0, text), result);
        QCOMPARE(db.WriteRecord(1), qint64(1));
        const QByteArray b = ReadAll(m_path);
        const int record = 32 + 3 * 32 + 1;
        QCOMPARE(b.mid(record, 13), QByteArray(" ") + stored + "bbb0001");
        CdBaseDocument again;
        QVERIFY(again.OpenTable(m_path));
        QCOMPARE(again.ReadRecord(1), qint64(1));
        QString got;
        QCOMPARE(again.GetCharField(0, got), 0);
        QCOMPARE(got, readBack);
        QCOMPARE(again.GetCharField(1, got), 0);
        QCOMPARE(got, QStringLiteral("bbb"));
    }

    void bytesFromOtherPrograms()
    {
        // A zero byte ends the text; a deleted record reads like any other and
        // is valid once written back; other field types are carried unchanged.
        WriteAll(m_path, SmallTable({QByteArray("*ab\0de\xE4\xF6\xFC" "0042", 13)}).Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QVERIFY(db.IsCurrentDeleted());
        QString text;
        QCOMPARE(db.GetCharField(0, text), 0);
        QCOMPARE(text, QStringLiteral("ab"));
        QCOMPARE(db.GetCharField(1, text), 0);
        QCOMPARE(text, QStringLiteral("äöü"));
        QCOMPARE(db.WriteRecord(1), qint64(1));
        const QByteArray b = ReadAll(m_path);
        QCOMPARE(b.mid(129, 13), QByteArray(" ab\0de\xE4\xF6\xFC" "0042", 13));
    }

    void changedRecordIsWrittenBeforeReadingAnother()
    {
        WriteAll(m_path, SmallTable({" aaaaabbb0001", " cccccddd0002"}).Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(1, QStringLiteral("neu")), 0);
        QCOMPARE(ReadAll(m_path).mid(129, 13), QByteArray(" aaaaabbb0001"));
        QCOMPARE(db.ReadRecord(2), qint64(2));
        QCOMPARE(ReadAll(m_path).mid(129, 13), QByteArray(" aaaaaneu0001"));
        // Rewriting a record leaves the header (and its date) alone.
        QCOMPARE(ReadAll(m_path).left(4), QByteArray::fromHex("0363070e"));
    }

    void newRecordTakesNothingFromTheRecordReadBefore()
    {
        WriteAll(m_path, SmallTable({" aaaaabbb0001"}).Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        // The way the dialogs make a new record: the read of the new number fails.
        QCOMPARE(db.ReadRecord(2), qint64(-1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("neu")), 0);
        QCOMPARE(db.SetCharField(1, QStringLiteral("zu lang")), -8);
        QCOMPARE(db.WriteRecord(2), qint64(2));
        const QByteArray b = ReadAll(m_path);
        QCOMPARE(b.mid(129 + 13, 14), QByteArray(" neu  ") + "   " + "    " + "\x1A");
        QCOMPARE(b.size(), 129 + 2 * 13 + 1);
        QCOMPARE(b.back(), '\x1A');
        // The record read before is untouched.
        QCOMPARE(b.mid(129, 13), QByteArray(" aaaaabbb0001"));
    }

    void recordCountFollowsOtherWriters()
    {
        CdBaseDocument db;
        AddAddressFields(db);
        QVERIFY(db.CreateTable(m_path));
        CdBaseDocument other;
        QVERIFY(other.OpenTable(m_path));
        QCOMPARE(other.WriteRecord(1), qint64(1));
        QCOMPARE(other.WriteRecord(2), qint64(2));
        QCOMPARE(db.RecordCount(), 2u);
        QCOMPARE(db.ReadRecord(2), qint64(2));
    }

    void largeRecordNumbers()
    {
        // 70,000 one-byte records: numbers beyond 16 bits address the right record.
        STableBytes t;
        t.fields = {{"A", 'C', 5}};
        QByteArray bytes = t.Bytes();
        bytes.chop(1);
        const quint32 n = 70000;
        for (quint32 i = 1; i <= n; ++i)
            bytes += ' ' + QByteArray::number(i).rightJustified(5, '0');
        bytes += '\x1A';
        for (int i = 0; i < 4; ++i)
            bytes[4 + i] = char((n >> (8 * i)) & 0xFF);
        WriteAll(m_path, bytes);
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.RecordCount(), n);
        QCOMPARE(db.ReadRecord(65537), qint64(65537));
        QString text;
        db.GetCharField(0, text);
        QCOMPARE(text, QStringLiteral("65537"));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("neu")), 0);
        QCOMPARE(db.WriteRecord(n + 1), qint64(n + 1));
        QCOMPARE(db.RecordCount(), n + 1);
        QCOMPARE(db.ReadRecord(n + 1), qint64(n + 1));
        db.GetCharField(0, text);
        QCOMPARE(text, QStringLiteral("neu"));
    }

    void damagedHeaders_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        STableBytes t = SmallTable({" aaaaabbb0001"});
        STableBytes longRecord = t;
        longRecord.recordLength = 4001;
        QTest::newRow("record longer than the buffer") << longRecord.Bytes();
        STableBytes zeroRecord = t;
        zeroRecord.recordLength = 0;
        QTest::newRow("record length 0") << zeroRecord.Bytes();
        STableBytes fieldsPastRecord = t;
        fieldsPastRecord.recordLength = 10;
        QTest::newRow("fields longer than the record") << fieldsPastRecord.Bytes();
        STableBytes headerPastFile = t;
        headerPastFile.headerLength = 5000;
        QTest::newRow("header longer than the file") << headerPastFile.Bytes().left(300);
        STableBytes shortHeader = t;
        shortHeader.headerLength = 20;
        QTest::newRow("header shorter than 33") << shortHeader.Bytes();
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("half a header") << t.Bytes().left(20);
    }
    void damagedHeaders()
    {
        QFETCH(QByteArray, bytes);
        WriteAll(m_path, bytes);
        CdBaseDocument db;
        QVERIFY(!db.OpenTable(m_path));
        QCOMPARE(db.ErrorText(), QStringLiteral("Unerwartetes Dateiformat."));
        QVERIFY(!db.IsOpen());
    }

    void countBeyondTheFileReadsWhatIsThere()
    {
        STableBytes t = SmallTable({" aaaaabbb0001", " cccccddd0002"});
        t.headerCount = 0xFFFFFFFF;
        WriteAll(m_path, t.Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.RecordCount(), 2u);
        QString text;
        QCOMPARE(db.ReadRecord(2), qint64(2));
        db.GetCharField(0, text);
        QCOMPARE(text, QStringLiteral("ccccc"));
        QCOMPARE(db.ReadRecord(3), qint64(-1));
        // An append lands after the records that are there and mends the count.
        QCOMPARE(db.WriteRecord(3), qint64(3));
        const QByteArray b = ReadAll(m_path);
        QCOMPARE(b.mid(4, 4), QByteArray::fromHex("03000000"));
        QCOMPARE(b.size(), 129 + 3 * 13 + 1);
    }

    void longerHeaderOfAnotherProgramKeepsItsLayout()
    {
        // Some writers leave room after the terminator; an append must not move the records.
        STableBytes t = SmallTable({" aaaaabbb0001"});
        t.headerLength = 32 * 3 + 33 + 263;
        t.recordLength = 16;
        WriteAll(m_path, t.Bytes());
        CdBaseDocument db;
        QVERIFY(db.OpenTable(m_path));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("zwei")), 0);
        QCOMPARE(db.WriteRecord(2), qint64(2));
        CdBaseDocument again;
        QVERIFY(again.OpenTable(m_path));
        QCOMPARE(again.HeaderLength(), quint16(t.headerLength));
        QCOMPARE(again.RecordLength(), quint16(16));
        QString text;
        QCOMPARE(again.ReadRecord(1), qint64(1));
        again.GetCharField(0, text);
        QCOMPARE(text, QStringLiteral("aaaaa"));
        QCOMPARE(again.ReadRecord(2), qint64(2));
        again.GetCharField(0, text);
        QCOMPARE(text, QStringLiteral("zwei"));
    }

    void failedWritesAreReported()
    {
        // A device that refuses writes: the engine must not claim success.
        QByteArray bytes = SmallTable({" aaaaabbb0001"}).Bytes();
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        CdBaseDocument db;
        QVERIFY(db.OpenDevice(&buffer));
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("neu")), 0);
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        QCOMPARE(db.WriteRecord(1), qint64(-1));
        // The change is still there, and reading does not drop it.
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        QCOMPARE(db.ReadRecord(1), qint64(-1));
        QString text;
        QCOMPARE(db.GetCharField(0, text), 0);
        QCOMPARE(text, QStringLiteral("neu"));
        QCOMPARE(db.RecordCount(), 1u);

        // A failed append: the count stays, and the buffer meant for the new
        // record is never written back over record 1.
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        QCOMPARE(db.WriteRecord(2), qint64(-1));
        QCOMPARE(db.RecordCount(), 1u);
        QCOMPARE(db.CurrentRecord(), 0u);
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.GetCharField(0, text), 0);
        QCOMPARE(text, QStringLiteral("aaaaa"));
    }

    void readsTablesOfShapelib()
    {
        const QString shell = Tool(QStringLiteral("sh"));
        if (Tool(QStringLiteral("dbfcreate")).isEmpty() || Tool(QStringLiteral("dbfadd")).isEmpty()
            || Tool(QStringLiteral("dbfdump")).isEmpty())
            QFAIL("dbfcreate, dbfadd or dbfdump missing: install the Debian package shapelib");
        const QString base = m_dir.filePath(QStringLiteral("shapelib"));
        // printf gives the umlauts as the 1252 bytes another dBase writer stores.
        const SRun made = Run(shell, {QStringLiteral("-c"),
                                      QStringLiteral("dbfcreate \"$0\" -s NAME 10 -s ORT 20 -n MENGE 5 0"
                                                     " && dbfadd \"$0\" \"$(printf 'M\\374ller')\" \"$(printf 'K\\366ln')\" 42"
                                                     " && dbfadd \"$0\" Zweite '' 7"),
                                      base});
        QVERIFY2(made.exitCode == 0, made.err.constData());
        const QString path = base + QStringLiteral(".dbf");
        CdBaseDocument db;
        QVERIFY2(db.OpenTable(path), qPrintable(db.ErrorText()));
        QCOMPARE(db.RecordCount(), 2u);
        QCOMPARE(db.FieldCount(), 3);
        QCOMPARE(db.FieldName(2), QStringLiteral("MENGE"));
        QCOMPARE(db.FieldType(2), 'N');
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QString text;
        QCOMPARE(db.GetCharField(0, text), 0);
        QCOMPARE(text, QStringLiteral("Müller"));
        QCOMPARE(db.GetCharField(1, text), 0);
        QCOMPARE(text, QStringLiteral("Köln"));
        QCOMPARE(db.GetCharField(2, text), -3);
        QCOMPARE(db.ReadRecord(2), qint64(2));
        QCOMPARE(db.GetCharField(1, text), 0);
        QCOMPARE(text, QString());

        // Changed and appended here, read there.
        QCOMPARE(db.ReadRecord(1), qint64(1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("Weiß")), 0);
        QCOMPARE(db.WriteRecord(1), qint64(1));
        QCOMPARE(db.ReadRecord(3), qint64(-1));
        QCOMPARE(db.SetCharField(0, QStringLiteral("Dritte")), 0);
        QCOMPARE(db.SetCharField(1, QStringLiteral("Öhringen")), 0);
        QCOMPARE(db.WriteRecord(3), qint64(3));
        db.CloseTable();
        const SRun dump = Run(Tool(QStringLiteral("dbfdump")), {QStringLiteral("-m"), path});
        QCOMPARE(dump.exitCode, 0);
        const QString text1252 = Cp1252::Decode(dump.out);
        QVERIFY2(text1252.contains(QStringLiteral("NAME: Weiß")), qPrintable(text1252));
        QVERIFY(text1252.contains(QStringLiteral("MENGE:    42")));
        QVERIFY(text1252.contains(QStringLiteral("Record: 2\nNAME: Dritte")));
        QVERIFY(text1252.contains(QStringLiteral("ORT: Öhringen")));
    }

    void tablesWrittenHereReadElsewhere()
    {
        CdBaseDocument db;
        AddAddressFields(db);
        QVERIFY(db.CreateTable(m_path));
        const QList<QStringList> records{
            {QStringLiteral("Müller & Söhne GmbH"), QStringLiteral("„Am Hafen“ 5"), QStringLiteral("D–20457 Hamburg"),
             QString(80, u'x'), QStringLiteral("DE123456789012345")},
            {QStringLiteral("Zweite"), QString(), QString(), QString(), QString()}};
        for (qsizetype i = 0; i < records.size(); ++i) {
            const quint32 n = quint32(i + 1);
            if (i == 0) {
                QCOMPARE(db.WriteRecord(1), qint64(1));
                QCOMPARE(db.ReadRecord(1), qint64(1));
            } else {
                QCOMPARE(db.ReadRecord(n), qint64(-1));
            }
            for (int p = 0; p < 5; ++p)
                QCOMPARE(db.SetCharField(p, records.at(i).at(p)), 0);
            QCOMPARE(db.WriteRecord(n), qint64(n));
        }
        db.CloseTable();
        const QList<QStringList> expected{
            {QStringLiteral("Müller & Söhne GmbH"), QStringLiteral("\"Am Hafen\" 5"), QStringLiteral("D-20457 Hamburg"),
             QString(80, u'x'), QStringLiteral("DE123456789012345")},
            {QStringLiteral("Zweite"), QString(), QString(), QString(), QString()}};

        const QString python = PythonWithDbfread();
        if (python.isEmpty())
            QFAIL("python3 with dbfread missing: install the Debian package python3-dbfread");
        const SRun read = Run(python, {QStringLiteral("-c"),
                                       QStringLiteral("import dbfread, json, sys\n"
                                                      "t = dbfread.DBF(sys.argv[1], encoding='cp1252')\n"
                                                      "print(json.dumps({'fields': [[f.name, f.type, f.length] for f in t.fields],"
                                                      " 'records': [list(r.values()) for r in t]}))"),
                                       m_path});
        QVERIFY2(read.exitCode == 0, read.err.constData());
        const QJsonObject json = QJsonDocument::fromJson(read.out).object();
        QCOMPARE(json.value(QStringLiteral("fields")).toArray().at(4).toArray(),
                 (QJsonArray{QStringLiteral("ZOLLNR"), QStringLiteral("C"), 25}));
        const QJsonArray got = json.value(QStringLiteral("records")).toArray();
        QCOMPARE(got.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(got.at(i).toVariant().toStringList(), expected.at(i));

        if (Tool(QStringLiteral("dbfdump")).isEmpty())
            QFAIL("dbfdump missing: install the Debian package shapelib");
        const SRun dump = Run(Tool(QStringLiteral("dbfdump")), {QStringLiteral("-m"), m_path});
        QCOMPARE(dump.exitCode, 0);
        const QString text = Cp1252::Decode(dump.out);
        for (const QString& value : {QStringLiteral("ADRESS1: Müller & Söhne GmbH"), QStringLiteral("ADRESS2: \"Am Hafen\" 5"),
                                     QStringLiteral("ADRESS3: D-20457 Hamburg"), QStringLiteral("ZOLLNR: DE123456789012345"),
                                     QStringLiteral("Record: 1\nADRESS1: Zweite")})
            QVERIFY2(text.contains(value), qPrintable(value));
    }

    void dbfDumpCommand()
    {
        STableBytes t = SmallTable({" M\xFCllerxyz0042", "*ab   \x80   0007"});
        t.version = 0x83;
        WriteAll(m_path, t.Bytes());
        const SRun run = Run(QStringLiteral(T2LTOOL_PATH), {QStringLiteral("dbf-dump"), m_path});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(json.value(QStringLiteral("version")).toInt(), 0x83);
        QCOMPARE(json.value(QStringLiteral("recordCount")).toInt(), 2);
        QCOMPARE(json.value(QStringLiteral("headerLength")).toInt(), 129);
        QCOMPARE(json.value(QStringLiteral("recordLength")).toInt(), 13);
        QCOMPARE(json.value(QStringLiteral("fields")).toArray().at(2).toObject(),
                 (QJsonObject{{"name", "N"}, {"type", "N"}, {"length", 4}, {"decimals", 0}}));
        const QJsonArray records = json.value(QStringLiteral("records")).toArray();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records.at(0).toObject(),
                 (QJsonObject{{"deleted", false}, {"values", QJsonArray{QStringLiteral("Mülle"), "rxy", QJsonValue()}}}));
        QCOMPARE(records.at(1).toObject(),
                 (QJsonObject{{"deleted", true}, {"values", QJsonArray{"ab", QStringLiteral("€"), QJsonValue()}}}));
        // The file is read, not changed.
        QCOMPARE(ReadAll(m_path), t.Bytes());
    }

    void dbfDumpRefuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        STableBytes foxPro = SmallTable({});
        foxPro.version = 0x30;
        QTest::newRow("other version") << foxPro.Bytes() << QStringLiteral("Unerwartetes Dateiformat.");
        QTest::newRow("missing") << QByteArray() << QStringLiteral("%1 wurde nicht gefunden.");
    }
    void dbfDumpRefuses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (!bytes.isEmpty())
            WriteAll(m_path, bytes);
        const SRun run = Run(QStringLiteral(T2LTOOL_PATH), {QStringLiteral("dbf-dump"), m_path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(QString::fromLocal8Bit(run.err).trimmed(), message.contains(u'%') ? message.arg(m_path) : message);
        QCOMPARE(Run(QStringLiteral(T2LTOOL_PATH), {QStringLiteral("dbf-dump")}).exitCode, 2);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(TestDbase)
#include "tst_dbase.moc"
