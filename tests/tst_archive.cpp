#include "platform/Archive.h"
#include "platform/Cp1252.h"

#include <QTest>

class TestArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stringLengthForms_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("empty") << 0 << QByteArray::fromHex("FFFEFF00");
        QTest::newRow("254: one length byte") << 254 << QByteArray::fromHex("FFFEFFFE");
        QTest::newRow("255: byte 0xFF and a word") << 255 << QByteArray::fromHex("FFFEFFFF FF00");
        QTest::newRow("0xFFFD: still a word") << 0xFFFD << QByteArray::fromHex("FFFEFFFF FDFF");
        QTest::newRow("0xFFFE: word 0xFFFF and a dword") << 0xFFFE << QByteArray::fromHex("FFFEFFFF FFFF FEFF0000");
    }

    void stringLengthForms()
    {
        QFETCH(int, length);
        QFETCH(QByteArray, prefix);
        QString text(length, QChar(u'ä'));
        QByteArray bytes;
        CArchiveWriter(bytes).WriteString(text);
        QCOMPARE(bytes.left(prefix.size()).toHex(' '), prefix.toHex(' '));
        QCOMPARE(bytes.size(), prefix.size() + 2 * length);
        if (length > 0)
            QCOMPARE(bytes.mid(prefix.size(), 2), QByteArray::fromHex("E400")); // UTF-16LE

        CArchiveReader reader(bytes);
        QString back;
        QVERIFY(reader.ReadString(back));
        QCOMPARE(back, text);
        QCOMPARE(reader.Remaining(), 0);
    }

    void eightBitStrings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("short, 1252 umlaut") << QByteArray::fromHex("03") + "Gr\xFC" << QStringLiteral("Grü");
        QTest::newRow("euro and dashes") << QByteArray::fromHex("03") + "\x80\x96\x84" << QStringLiteral("€–„");
        QTest::newRow("word length") << QByteArray::fromHex("FF0001") + QByteArray(256, 'x') << QString(256, u'x');
        QTest::newRow("dword length") << QByteArray::fromHex("FFFFFF02000000") + "ok" << QStringLiteral("ok");
        QTest::newRow("empty") << QByteArray::fromHex("00") << QString();
    }

    void eightBitStrings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        CArchiveReader reader(bytes);
        QString back;
        QVERIFY(reader.ReadString(back));
        QCOMPARE(back, text);
        QCOMPARE(reader.Remaining(), 0);
    }

    void counts()
    {
        QByteArray bytes;
        CArchiveWriter w(bytes);
        w.WriteCount(0xFFFE);
        w.WriteCount(0xFFFF);
        QCOMPARE(bytes.toHex(' '), QByteArray("fe ff ff ff ff ff 00 00"));
        CArchiveReader r(bytes);
        quint32 a = 0, b = 0;
        QVERIFY(r.ReadCount(a) && r.ReadCount(b));
        QCOMPARE(a, 0xFFFEu);
        QCOMPARE(b, 0xFFFFu);
    }

    // Declared lengths and counts larger than the data fail at once, without
    // reserving memory for them.
    void hostileLengths_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("isList");
        QTest::newRow("utf16 length past end") << QByteArray::fromHex("FFFEFF05 4100") << false;
        QTest::newRow("dword length near 2^32") << QByteArray::fromHex("FFFEFFFFFFFF FFFFFFFF 4100") << false;
        QTest::newRow("8-bit length past end") << QByteArray::fromHex("0A414243") << false;
        QTest::newRow("list count near 2^32") << QByteArray::fromHex("FFFF FEFFFFFF 00") << true;
        QTest::newRow("list cut inside a string") << QByteArray::fromHex("0200 FFFEFF00 FFFE") << true;
        QTest::newRow("nothing at all") << QByteArray() << false;
    }

    void hostileLengths()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, isList);
        CArchiveReader reader(bytes);
        if (isList) {
            QStringList list;
            QVERIFY(!reader.ReadStringList(list));
        } else {
            QString s;
            QVERIFY(!reader.ReadString(s));
        }
        QCOMPARE(reader.LastError(), CArchiveReader::Error::EndOfFile);
    }

    void listCountAboveLimitIsInvalid()
    {
        QByteArray bytes;
        CArchiveWriter(bytes).WriteWordList(QList<quint16>(5, 1));
        CArchiveReader reader(bytes);
        QList<quint16> list;
        QVERIFY(!reader.ReadWordList(list, 4));
        QCOMPARE(reader.LastError(), CArchiveReader::Error::Invalid);
    }

    void cp1252RoundTrip()
    {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString text = Cp1252::Decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x81), QChar(0x0081)); // undefined in 1252: kept as the C1 control
        QCOMPARE(text.at(0xE4), QChar(u'ä'));
        QCOMPARE(Cp1252::Encode(text), all);
        QCOMPARE(Cp1252::Encode(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
