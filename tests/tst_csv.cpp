// The CSV reader and writer shared by the master-data imports and exports.

#include "platform/Csv.h"

#include <QTest>

class TestCsv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("plain, CR LF and LF")
            << QByteArray("a,b\r\nc,d\ne,f") << QList<QStringList>{{"a", "b"}, {"c", "d"}, {"e", "f"}} << QList<int>{1, 2, 3};
        QTest::newRow("quoted separator, quotes, line break")
            << QByteArray("\"x,y\",\"sag \"\"ja\"\"\",\"1\n2\"\r\nnext,,\r\n")
            << QList<QStringList>{{"x,y", "sag \"ja\"", "1\r\n2"}, {"next", "", ""}} << QList<int>{1, 3};
        QTest::newRow("byte order mark, empty lines, umlauts")
            << QByteArray("\xEF\xBB\xBFK\xC3\xB6ln\r\n\r\n\r\n\"\"\r\n")
            << QList<QStringList>{{QStringLiteral("Köln")}, {""}} << QList<int>{1, 4};
        QTest::newRow("quote inside a plain value is text")
            << QByteArray("12\" Rohr,b") << QList<QStringList>{{"12\" Rohr", "b"}} << QList<int>{1};
    }
    void parse()
    {
        QFETCH(QByteArray, input);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QList<int>, lines);
        QList<Csv::SRow> got;
        QString error;
        QVERIFY2(Csv::Parse(input, got, &error), qPrintable(error));
        QCOMPARE(got.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(got.at(i).values, rows.at(i));
            QCOMPARE(got.at(i).line, lines.at(i));
        }
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("message");
        QTest::newRow("not UTF-8") << QByteArray("K\xF6ln") << QStringLiteral("Die Datei ist nicht in UTF-8 geschrieben.");
        QTest::newRow("open quote") << QByteArray("a\r\n\"b,\r\nc")
                                    << QStringLiteral("Zeile 2: Das Anführungszeichen wird nicht geschlossen.");
    }
    void errors()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, message);
        QList<Csv::SRow> got;
        QString error;
        QVERIFY(!Csv::Parse(input, got, &error));
        QCOMPARE(error, message);
        QVERIFY(got.isEmpty());
    }

    void formatReadsBack()
    {
        const QList<QStringList> rows{{"ADRESS1", "ZOLLNR"},
                                      {QStringLiteral("Müller, \"Hof\""), " 12 "},
                                      {"Zeile\r\nzwei", ""},
                                      {"", ""}};
        const QByteArray bytes = Csv::Format(rows);
        QCOMPARE(bytes.left(16), QByteArray("ADRESS1,ZOLLNR\r\n"));
        QList<Csv::SRow> got;
        QVERIFY(Csv::Parse(bytes, got, nullptr));
        QCOMPARE(got.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(got.at(i).values, rows.at(i));
    }

    void columnIndexes()
    {
        QCOMPARE(Csv::ColumnIndexes({" zollnr", "x", "ADRESS1 "}, {"ADRESS1", "ADRESS2", "ZOLLNR"}),
                 (QList<int>{2, -1, 0}));
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
