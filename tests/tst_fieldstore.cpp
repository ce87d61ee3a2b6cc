#include "fields/FieldDefinitions.h"
#include "fields/FieldTable.h"
#include "fields/KivEditWindow.h"
#include "fields/KivEditWindow_EHP.h"

#include <QTest>

namespace {

// Stands in for the editor widget: holds a text and remembers where it was put.
class CFakeEditor : public IFieldEditorWindow
{
public:
    QString WindowText() const override { return text; }
    void SetWindowText(const QString& t) override { text = t; }
    void ShowField(const SFieldRect& r, quint16 attributes, const QString& t, const SLogFont*) override
    {
        rect = r;
        word = attributes;
        text = t;
    }
    QString text;
    SFieldRect rect;
    quint16 word = 0;
};

} // namespace

class TestFieldStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshEngine()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        QCOMPARE(e.GetPageCount(), 2);
        QCOMPARE(e.GetPageMode(), 0x2000);
        QCOMPARE(e.GetPageState(), quint16(0x2002));
        for (int i = 0; i < 80; ++i) {
            QCOMPARE(e.GetFieldAttributes(i, 1), quint16(1));
            QVERIFY(e.GetFieldText(i, 1).isEmpty());
        }
        for (int i = 0; i < 44; ++i)
            QCOMPARE(e.GetFieldAttributes(i, 2), quint16(1));

        e.SetFieldCount(80, 0, false);
        QCOMPARE(e.GetPageState(), quint16(0x1000));
        QCOMPARE(e.GetPageCount(), 1);
    }

    void formEngineSizes()
    {
        CKivEditWindow_EHP e;
        for (int i = 0; i < 80; ++i)
            QCOMPARE(e.GetFieldAttributes(i, 1), quint16(3));
        const QList<int> small = {7, 8, 17, 26, 35, 38, 39, 40, 41, 42};
        for (int i = 0; i < 44; ++i)
            QCOMPARE(e.GetFieldAttributes(i, 2), quint16(small.contains(i) ? 1 : 3));
    }

    void contPageCount()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        e.SetFieldText(5, QStringLiteral("first sheet"), 2);
        e.SetFieldAttributes(5, 2, 0x0113);

        QCOMPARE(e.SetContPageCount(3, 2), 3);
        QCOMPARE(e.GetPageCount(), 4);
        QCOMPARE(e.GetFieldText(5, 2), QStringLiteral("first sheet"));
        QCOMPARE(e.GetFieldAttributes(5, 2), quint16(0x0113));
        for (int p = 3; p <= 4; ++p) {
            for (int i = 0; i < 44; ++i) {
                QVERIFY(e.GetFieldText(i, p).isEmpty());
                QCOMPARE(e.GetFieldAttributes(i, p), quint16(2));
            }
        }

        e.SetFieldText(0, QStringLiteral("last"), 4);
        QCOMPARE(e.SetContPageCount(2, 2), 2);
        QCOMPARE(e.GetPageCount(), 3);
        QCOMPARE(e.SetContPageCount(3, 7), 3);
        QVERIFY(e.GetFieldText(0, 4).isEmpty());
        QCOMPARE(e.GetFieldAttributes(0, 4), quint16(7));

        // 254 sheets is the most the page count holds; more is refused.
        QCOMPARE(e.SetContPageCount(254, 2), 254);
        QCOMPARE(e.GetPageCount(), 255);
        QCOMPARE(e.SetContPageCount(255, 2), -1);
        QCOMPARE(e.GetPageCount(), 255);
    }

    void pageZeroMeansCurrentPage()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        e.SetContPageCount(3, 2);
        QCOMPARE(e.ActivateField(4, 3), 0);
        QCOMPARE(e.GetCurrentPage(), quint16(3));
        e.SetFieldText(4, QStringLiteral("x"), 0);
        QCOMPARE(e.GetFieldText(4, 3), QStringLiteral("x"));
        QVERIFY(e.GetFieldText(4, 2).isEmpty());
        QVERIFY(e.GetFieldText(4, 4).isEmpty());
        QCOMPARE(e.GetFieldText(4, 0), QStringLiteral("x"));
    }

    // Indexes at or beyond the field count are answered softly; addresses
    // outside the stored arrays raise and change nothing.
    void outOfRange()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        e.SetFieldText(80, QStringLiteral("ignored"), 1);
        QVERIFY(e.GetFieldText(80, 1).isEmpty());
        QVERIFY(e.GetFieldText(44, 2).isEmpty());
        QCOMPARE(e.GetFieldSize(80, 1), 64);
        QCOMPARE(e.GetAlignment(44, 2), 0);
        SFieldRect r;
        QCOMPARE(e.DefineField(80, SFieldRect{1, 2, 3, 4}), -1);
        QCOMPARE(e.GetFieldRect(80, r), -1);
        QCOMPARE(e.DefineContField(44, SFieldRect{1, 2, 3, 4}), -1);
        QCOMPARE(e.ActivateField(80, 1), -1);
        QCOMPARE(e.ActivateField(0, 3), -1); // no page 3
        QCOMPARE(e.GetCurrentPage(), quint16(1));

        QVERIFY_THROWS_EXCEPTION(CFieldRangeError, e.GetFieldText(0, 3));
        QVERIFY_THROWS_EXCEPTION(CFieldRangeError, e.SetFieldText(0, QStringLiteral("x"), 3));
        QVERIFY_THROWS_EXCEPTION(CFieldRangeError, e.SetFieldAttributes(0, 3, 9));
        QVERIFY_THROWS_EXCEPTION(CFieldRangeError, e.GetFieldAttributes(80, 1));
        // An index past K must not reach into the next sheet's slots.
        e.SetContPageCount(2, 2);
        QVERIFY_THROWS_EXCEPTION(CFieldRangeError, e.SetFieldAttributes(44, 2, 9));
        QCOMPARE(e.GetFieldAttributes(0, 3), quint16(2));
        QVERIFY_THROWS_EXCEPTION(CFieldRangeError, e.GetFieldAttributes(0, 0xFFFF));
    }

    void rectangles()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        QCOMPARE(e.DefineField(78, 0, 0, 0, 0), 0);
        QCOMPARE(e.GetFieldLeft(78), quint16(0));
        QCOMPARE(e.DefineContField(43, SFieldRect{10, 20, 30, 40}), 0);
        QCOMPARE(e.GetContFieldBottom(43), quint16(40));
        QCOMPARE(e.GetContFieldBottom(44), quint16(0));
        e.SetFieldCount(80, 0, false);
        QCOMPARE(e.GetContFieldLeft(0), quint16(0)); // single-sheet mode
    }

    void attributeOperations()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        e.SetFieldAttributes(3, 1, 0x0100 | 0x10 | 2); // centred, bold, size 2
        e.SetFieldSize(3, 1, 3);
        QCOMPARE(e.GetFieldAttributes(3, 1), quint16(0x0103)); // still centred, no longer bold
        e.SetFieldSize(3, 1, 65);
        e.SetBold(3, 1);
        QCOMPARE(e.GetFieldSize(3, 1), 65);
        QVERIFY(e.IsBold(3, 1));
        e.SetBold(3, 1);
        QCOMPARE(e.GetFieldAttributes(3, 1), quint16(0x0151));
        e.AlignRight(3, 1);
        QCOMPARE(e.GetAlignment(3, 1), 0x200);
    }

    void activateCommitsEditorText()
    {
        CKivEditWindow e;
        e.SetFieldCount(80, 44, true);
        e.DefineContField(9, SFieldRect{1, 2, 3, 4});
        CFakeEditor editor;
        e.SetEditorWindow(&editor);
        e.SetFieldText(9, QStringLiteral("stored"), 2);

        QCOMPARE(e.ActivateField(5, 1), 0);
        editor.text = QStringLiteral("typed");
        QCOMPARE(e.ActivateField(9, 2), 0);
        QCOMPARE(e.GetFieldText(5, 1), QStringLiteral("typed"));
        QCOMPARE(editor.text, QStringLiteral("stored"));
        QCOMPARE(editor.rect, (SFieldRect{1, 2, 3, 4}));

        editor.text = QStringLiteral("changed");
        QCOMPARE(e.GetCurrentText(), QStringLiteral("changed"));
        e.SetCurrentText(QStringLiteral("set"));
        QCOMPARE(editor.text, QStringLiteral("set"));
        QCOMPARE(e.GetFieldText(9, 2), QStringLiteral("set"));
    }

    void tableLookups()
    {
        QCOMPARE(CFieldTable::ScreenRect(0, kMainSheet), (SFieldTableRect{1074, 115, 1165, 175}));
        QCOMPARE(CFieldTable::ScreenRect(0, kMainSheet, 15), (SFieldTableRect{1611, 172, 1747, 262}));
        QCOMPARE(CFieldTable::ScreenRect(80, kMainSheet), CFieldTable::ScreenRect(0, kMainSheet));
        QCOMPARE(CFieldTable::ScreenRect(-1, kContSheet), CFieldTable::ScreenRect(0, kContSheet));
        QCOMPARE(CFieldTable::ScreenRect(43, kContSheet), (SFieldTableRect{1845, 2820, 1985, 2870}));
        QCOMPARE(CFieldTable::PrintRect(4, kContSheet), (SFieldTableRect{1785, 100, 2105, 170}));
        QCOMPARE(CFieldTable::ScreenRect(78, kMainSheet), (SFieldTableRect{}));
    }

    void defaultFlags()
    {
        CFieldDefinitions d;
        QCOMPARE(d.Flags(2, kMainSheet), quint8(0)); // starts empty until loaded
        d.Reset();
        QVERIFY(!d.IsPrinted(2, kMainSheet));
        QVERIFY(d.IsEditable(2, kMainSheet) && d.IsShown(2, kMainSheet));
        for (int i : {3, 4, 5, 6, 7, 8, 53, 54, 55, 56, 57, 58, 77}) {
            for (int v = 0; v < 4; ++v)
                QCOMPARE(d.Flags(i, kMainSheet, v), quint8(0x0B));
        }
        QCOMPARE(d.Flags(9, kMainSheet), quint8(0));
        QCOMPARE(d.Table(kContSheet), QByteArray(176, '\0'));
        QCOMPARE(d.Flags(80, kMainSheet), quint8(0));
        QCOMPARE(d.Flags(0, kMainSheet, 4), quint8(0));
        d.SetFlags(0, kMainSheet, 1, 0x02);
        QCOMPARE(d.Flags(0, kMainSheet, 0), quint8(0));
        QCOMPARE(d.Flags(0, kMainSheet, 1), quint8(0x02));
    }
};

QTEST_GUILESS_MAIN(TestFieldStore)
#include "tst_fieldstore.moc"
