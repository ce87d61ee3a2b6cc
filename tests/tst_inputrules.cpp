#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/CommandTable.h"
#include "app/SettingsStore.h"
#include "document/EinheitspapierDoc.h"
#include "masterdata/AddressTable.h"
#include "masterdata/DlgEH_Default08.h"
#include "masterdata/DlgStammDatenEingabe.h"
#include "fields/FieldDefinitions.h"
#include "platform/Prompts.h"
#include "presets/Common_DlgLaenderCode.h"
#include "presets/CountryCodes.h"
#include "presets/DlgEH_Default01.h"
#include "presets/DlgEH_Default19.h"
#include "presets/DlgEH_Default25.h"
#include "presets/DlgEH_Default54.h"
#include "presets/FieldPickers.h"
#include "view/DlgTextInput3L.h"
#include "view/EinheitspapierView.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kCtrMessage =
    QStringLiteral("Die Eingabe in Feld Ctr. war falsch\r\nin diesem Feld sind nur\r\n1 für JA, 0 für NEIN erlaubt");

void SetDefault(const char* key, int value)
{
    CSettingsStore::Profile().WriteInt(SettingsSection::kDefaults, QLatin1String(key), value);
}

void MakeEditable(CFieldDefinitions& defs, int sheetKind, std::initializer_list<int> fields)
{
    for (int i : fields)
        defs.SetFlags(i, sheetKind, 0, 0);
}

} // namespace

class TestInputRules : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    CFieldDefinitions m_defs;

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_defs.Reset();
    }
    void cleanup() { m_settings.reset(); }

    // ------------------------------------------------------------ leaving a field

    void ctrCheck_data()
    {
        QTest::addColumn<int>("ctr"); // 41 or 43; checked when leaving the field after it
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rejected");
        QTest::newRow("2 is refused") << 41 << "2" << true;
        QTest::newRow("0 is no") << 43 << "0" << false;
        QTest::newRow("1 is yes") << 43 << "1" << false;
        QTest::newRow("10 contains a 1") << 41 << "10" << false;
        QTest::newRow("x1 contains a 1") << 41 << "x1" << false;
        QTest::newRow("empty") << 41 << "" << false;
        QTest::newRow("left 3") << 41 << "3" << true;
        QTest::newRow("right x") << 43 << "x" << true;
    }

    void ctrCheck()
    {
        QFETCH(int, ctr);
        QFETCH(QString, text);
        QFETCH(bool, rejected);
        SMessages messages;
        SShownForm f(m_defs);
        f.view.GoToField(ctr, 1);
        f.Type(text);
        f.view.GoToField(ctr + 1, 1);
        QCOMPARE(f.Current(), ctr + 1);
        QVERIFY(messages.texts.isEmpty());
        f.view.GoToField(ctr + 2, 1);
        QCOMPARE(f.Text(ctr, 1), text);
        if (rejected) {
            QCOMPARE(messages.texts, QStringList{kCtrMessage});
            QCOMPARE(messages.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(f.Current(), ctr);
        } else {
            QVERIFY(messages.texts.isEmpty());
            QCOMPARE(f.Current(), ctr + 2);
        }
    }

    void field77IsMirrored_data()
    {
        QTest::addColumn<int>("stampA");
        QTest::addColumn<int>("stampC");
        QTest::addColumn<bool>("stampLines"); // page-1 field 5 and continuation field 3 take it too
        QTest::newRow("no stamps") << 0 << 0 << false;
        QTest::newRow("stamp A") << 1 << 0 << true;
        QTest::newRow("stamp C only") << 0 << 1 << false;
    }

    void field77IsMirrored()
    {
        QFETCH(int, stampA);
        QFETCH(int, stampC);
        QFETCH(bool, stampLines);
        SetDefault("Stamp_A", stampA);
        SetDefault("Stamp_C", stampC);
        MakeEditable(m_defs, kMainSheet, {77});
        SShownForm f(m_defs);
        f.SetText(5, 1, QStringLiteral("alt5"));
        f.SetText(3, 2, QStringLiteral("alt3"));
        f.view.GoToField(77, 1);
        QCOMPARE(f.Current(), 77);
        f.Type(QStringLiteral("Zollamt Hamburg"));
        f.view.GoToField(78, 1);
        QCOMPARE(f.Current(), 78);
        QCOMPARE(f.Text(77, 1), QStringLiteral("Zollamt Hamburg"));
        QCOMPARE(f.Text(0, 2), QStringLiteral("Zollamt Hamburg"));
        QCOMPARE(f.Text(5, 1), stampLines ? QStringLiteral("Zollamt Hamburg") : QStringLiteral("alt5"));
        QCOMPARE(f.Text(3, 2), stampLines ? QStringLiteral("Zollamt Hamburg") : QStringLiteral("alt3"));
    }

    void stampLinesAreMirroredWithAttributes()
    {
        MakeEditable(m_defs, kMainSheet, {3, 4, 5, 6, 7, 8});
        SShownForm f(m_defs);
        f.view.GoToField(6, 1);
        f.Engine().SetFieldSize(6, 1, 0x42);
        f.Engine().SetBold(6, 1);
        f.Engine().AlignCentre(6, 1);
        f.Type(QStringLiteral("12.3.2024"));
        f.view.GoToField(9, 1);
        QCOMPARE(f.Text(4, 2), QStringLiteral("12.3.2024"));
        QCOMPARE(f.Engine().GetFieldAttributes(4, 2), f.Engine().GetFieldAttributes(6, 1));
        QVERIFY(f.Engine().IsBold(4, 2));
        QCOMPARE(f.Engine().GetFieldSize(4, 2), 0x42);
    }

    void continuationHeadGoesToStampLine3()
    {
        SetDefault("Stamp_A", 1);
        SShownForm f(m_defs);
        f.doc.SetContinuationCount(2);
        f.view.SetCurrentPage(3);
        f.view.GoToField(0, 3);
        QCOMPARE(int(f.Engine().GetCurrentPage()), 3);
        f.Type(QStringLiteral("Blatt drei"));
        f.view.GoToField(1, 3);
        QCOMPARE(int(f.Engine().GetCurrentPage()), 3);
        QCOMPARE(f.Text(0, 3), QStringLiteral("Blatt drei"));
        QCOMPARE(f.Text(3, 2), QStringLiteral("Blatt drei"));
    }

    void field8CollapsesDoubleLineBreaks_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("one empty line") << 2 << "A\r\n\r\nB" << "A\r\nB";
        QTest::newRow("two empty lines keep one") << 2 << "A\r\n\r\n\r\nB" << "A\r\n\r\nB";
        QTest::newRow("three empty lines keep two") << 2 << "A\r\n\r\n\r\n\r\nB" << "A\r\n\r\nB";
        QTest::newRow("page 1 stamp line 6") << 1 << "A\r\n\r\nB" << "A\r\nB";
        QTest::newRow("nothing to collapse") << 2 << "A\r\nB" << "A\r\nB";
    }

    void field8CollapsesDoubleLineBreaks()
    {
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        MakeEditable(m_defs, kMainSheet, {8});
        SShownForm f(m_defs);
        f.view.SetCurrentPage(page);
        f.view.GoToField(8, page);
        QCOMPARE(f.Current(), 8);
        f.Type(typed);
        f.view.GoToField(9, page);
        QCOMPARE(f.Text(8, page), stored);
    }

    // ------------------------------------------------------------ arriving

    void autofillOnEnteringBox5_data()
    {
        QTest::addColumn<int>("autofill");
        QTest::addColumn<QString>("box5");
        QTest::newRow("on") << 1 << "3";
        QTest::newRow("off") << 0 << "old";
    }

    void autofillOnEnteringBox5()
    {
        QFETCH(int, autofill);
        QFETCH(QString, box5);
        SetDefault("AutoFillPositions", autofill);
        SShownForm f(m_defs);
        f.SetText(14, 1, QStringLiteral("old"));
        f.SetText(11, 2, QStringLiteral("Kisten"));
        f.SetText(20, 2, QStringLiteral("Fässer"));
        f.Click(14, kMainSheet);
        QCOMPARE(f.Current(), 14);
        QCOMPARE(f.Text(14, 1), box5);
        QCOMPARE(f.view.Editor()->WindowText(), box5);
    }

    // A point inside two fields: the first editable one in index order wins;
    // with none editable the caret stays.
    void clickOnOverlappingFields_data()
    {
        QTest::addColumn<bool>("firstEditable");
        QTest::addColumn<bool>("secondEditable");
        QTest::addColumn<int>("entered"); // 0: the first, 1: the second, -1: caret stays
        QTest::newRow("both editable") << true << true << 0;
        QTest::newRow("first not editable") << false << true << 1;
        QTest::newRow("none editable") << false << false << -1;
    }

    void clickOnOverlappingFields()
    {
        QFETCH(bool, firstEditable);
        QFETCH(bool, secondEditable);
        QFETCH(int, entered);
        const int zoom = 10;
        int first = -1, second = -1;
        QPoint shared;
        for (int i = 0; i < kMainFieldCount && first < 0; ++i) {
            const SFieldTableRect a = CFieldTable::ScreenRect(i, kMainSheet, zoom);
            for (int j = i + 1; j < kMainFieldCount; ++j) {
                const SFieldTableRect b = CFieldTable::ScreenRect(j, kMainSheet, zoom);
                const int l = qMax(a.left, b.left), r = qMin(a.right, b.right);
                const int t = qMax(a.top, b.top), btm = qMin(a.bottom, b.bottom);
                if (r - l >= 10 && btm - t >= 10) {
                    first = i;
                    second = j;
                    shared = QPoint((l + r) / 2, (t + btm) / 2);
                    break;
                }
            }
        }
        if (first < 0)
            QSKIP("the form has no overlapping fields");
        CFieldDefinitions defs;
        for (int i = 0; i < kMainFieldCount; ++i)
            defs.SetFlags(i, kMainSheet, 0, CFieldDefinitions::kNotEditable);
        defs.SetFlags(79, kMainSheet, 0, 0); // somewhere for the caret to start
        if (firstEditable)
            defs.SetFlags(first, kMainSheet, 0, 0);
        if (secondEditable)
            defs.SetFlags(second, kMainSheet, 0, 0);
        SShownForm f(defs);
        // The same point at the zoom the view shows.
        const int z = f.view.ZoomFactor();
        shared = QPoint(shared.x() * z / zoom, shared.y() * z / zoom);
        f.view.GoToField(79, 1);
        QCOMPARE(f.Current(), 79);
        f.ClickAt(shared.x(), shared.y());
        QCOMPARE(f.Current(), entered == 0 ? first : entered == 1 ? second : 79);
    }

    void notEditableFieldsArePassed_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("arrived");
        QTest::newRow("page 1 forwards") << 1 << 2 << 5 << 9;
        QTest::newRow("page 1 backwards") << 1 << 9 << 5 << 2;
        QTest::newRow("page 1 beyond the last field") << 1 << 79 << 85 << 0;
        QTest::newRow("continuation forwards") << 2 << 9 << 10 << 11;
        QTest::newRow("continuation backwards") << 2 << 11 << 10 << 9;
    }

    void notEditableFieldsArePassed()
    {
        QFETCH(int, page);
        QFETCH(int, from);
        QFETCH(int, target);
        QFETCH(int, arrived);
        m_defs.SetFlags(10, kContSheet, 0, CFieldDefinitions::kNotEditable);
        MakeEditable(m_defs, kContSheet, {9, 11});
        SShownForm f(m_defs);
        f.view.SetCurrentPage(page);
        f.view.GoToField(from, page);
        QCOMPARE(f.Current(), from);
        f.view.GoToField(target, page);
        QCOMPARE(f.Current(), arrived);
        QCOMPARE(int(f.Engine().GetCurrentPage()), page);
    }

    // ------------------------------------------------------------ three-line input

    void threeLineInput_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed"); // empty: "Abbrechen"
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("mirror"); // continuation field of page 2 taking the text, -1 for none
        QTest::addColumn<int>("runs");   // line 2 moves on to line 5, which asks again
        QTest::newRow("AMT and ORT") << 1 << 7 << "" << "AMT\nORT\n" << "AMT\r\nORT" << 0x41 << 5 << 1;
        QTest::newRow("three lines") << 1 << 4 << "" << "A\nB\nC" << "A\r\nB\r\nC" << 0x42 << 2 << 2;
        QTest::newRow("stamp C") << 1 << 54 << "" << "X\nY" << "X\r\nY" << 0x41 << -1 << 2;
        QTest::newRow("continuation sheet") << 2 << 5 << "" << "X\nY \n\n" << "X\r\nY" << 0x41 << -1 << 1;
        QTest::newRow("cancelled") << 1 << 7 << "alt" << "" << "alt" << -1 << -1 << 1;
    }

    void threeLineInput()
    {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, size);
        QFETCH(int, mirror);
        QFETCH(int, runs);
        SetDefault("Stamp_A", 1);
        SetDefault("Stamp_C", 1);
        QString shown;
        SDialogDriver driver([&](QDialog& d) {
            auto* dlg = qobject_cast<CDlgTextInput3L*>(&d);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Texteingabe"));
            if (driver.runs > 1) {
                dlg->reject(); // the next stamp line
                return;
            }
            shown = dlg->Edit()->toPlainText();
            if (typed.isEmpty()) {
                QCOMPARE(dlg->CancelButton()->text(), QStringLiteral("Abbrechen"));
                dlg->CancelButton()->click();
                return;
            }
            QCOMPARE(dlg->OkButton()->text(), QStringLiteral("OK"));
            dlg->Edit()->setPlainText(typed);
            dlg->OkButton()->click();
        });
        SShownForm f(m_defs);
        f.SetText(field, page, before);
        const int sizeBefore = f.Engine().GetFieldSize(quint16(field), quint16(page));
        f.view.SetCurrentPage(page);
        f.view.GoToField(field, page);
        QCOMPARE(driver.runs, runs);
        QCOMPARE(shown, before);
        QCOMPARE(f.Text(field, page), stored);
        QVERIFY(f.Current() != field); // moved on past the stamp line
        QVERIFY(f.view.Navigator().IsEditable(f.Current(), page));
        QCOMPARE(f.doc.IsModified(), size >= 0);
        if (size < 0) {
            QCOMPARE(f.Engine().GetFieldSize(quint16(field), quint16(page)), sizeBefore);
            return;
        }
        QCOMPARE(f.Engine().GetFieldSize(quint16(field), quint16(page)), size);
        QVERIFY(f.Engine().IsBold(quint16(field), quint16(page)));
        QCOMPARE(f.Engine().GetAlignment(quint16(field), quint16(page)), int(CKivEditWindow::kAlignCentre));
        if (mirror >= 0) {
            QCOMPARE(f.Text(mirror, 2), stored);
            QCOMPARE(f.Engine().GetFieldSize(quint16(mirror), 2), size);
            QVERIFY(f.Engine().IsBold(quint16(mirror), 2));
            QCOMPARE(f.Engine().GetAlignment(quint16(mirror), 2), int(CKivEditWindow::kAlignCentre));
        }
    }

    void threeLineInputTrimsLeadingWhiteSpace()
    {
        SetDefault("Stamp_A", 1);
        QString shown;
        SDialogDriver driver([&](QDialog& d) {
            shown = static_cast<CDlgTextInput3L&>(d).Edit()->toPlainText();
            d.reject();
        });
        SShownForm f(m_defs);
        f.SetText(7, 1, QStringLiteral("  \r\nAMT"));
        f.view.GoToField(7, 1);
        QCOMPARE(shown, QStringLiteral("AMT"));
        QCOMPARE(f.Text(7, 1), QStringLiteral("  \r\nAMT"));
    }

    void threeLineInputNeedsItsSettings_data()
    {
        QTest::addColumn<int>("stampA");
        QTest::addColumn<int>("stampC");
        QTest::addColumn<int>("threeLines");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("runs");
        QTest::newRow("switched off") << 1 << 1 << 0 << 1 << 0;
        QTest::newRow("no stamp") << 0 << 0 << 1 << 1 << 0;
        QTest::newRow("stamp C on page 1") << 0 << 1 << 1 << 1 << 1;
        QTest::newRow("stamp C on a continuation sheet") << 0 << 1 << 1 << 2 << 0;
    }

    void threeLineInputNeedsItsSettings()
    {
        QFETCH(int, stampA);
        QFETCH(int, stampC);
        QFETCH(int, threeLines);
        QFETCH(int, page);
        QFETCH(int, runs);
        SetDefault("Stamp_A", stampA);
        SetDefault("Stamp_C", stampC);
        SetDefault("3LineInStamp", threeLines);
        SDialogDriver driver([](QDialog& d) { d.reject(); });
        SShownForm f(m_defs);
        f.view.SetCurrentPage(page);
        f.view.GoToField(page == 1 ? 7 : 5, page);
        QCOMPARE(driver.runs, runs);
    }

    // ------------------------------------------------------------ F2

    void insertPresetsEnabledFields()
    {
        const QList<int> main{0, 1, 2, 6, 10, 17, 20, 21, 23, 24, 26, 27, 29, 56, 69};
        const QList<int> cont{4, 8, 11, 20, 29};
        SShownForm f(m_defs);
        QVERIFY(f.view.HandlesCommand(Cmd::kInsertPresets));
        for (int page : {1, 2}) {
            const int count = page == 1 ? kMainFieldCount : kContFieldCount;
            for (int i = 0; i < count; ++i) {
                f.Engine().ActivateField(quint16(i), quint16(page));
                const SCommandState s = f.view.UpdateCommand(Cmd::kInsertPresets);
                QCOMPARE(s.enabled, (page == 1 ? main : cont).contains(i));
                QVERIFY(!s.checked);
            }
        }
    }

    void insertPresetsBox19_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("preselected"); // code of the checked button, -1 for none
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("stored");
        QTest::newRow("1 is preselected") << "1" << 1 << true << "1";
        QTest::newRow("0 chosen") << "" << 0 << true << "0";
        QTest::newRow("cancelled") << "1" << 1 << false << "1";
    }

    void insertPresetsBox19()
    {
        QFETCH(QString, text);
        QFETCH(int, preselected);
        QFETCH(bool, ok);
        QFETCH(QString, stored);
        int checked = -2;
        SDialogDriver driver([&](QDialog& d) {
            auto* dlg = qobject_cast<CDlgEH_Default19*>(&d);
            QVERIFY(dlg);
            checked = dlg->Group()->checkedId();
            if (!ok) {
                dlg->CancelButton()->click();
                return;
            }
            if (checked < 0)
                dlg->Group()->button(0)->click();
            dlg->OkButton()->click();
        });
        SShownForm f(m_defs);
        f.view.GoToField(24, 1);
        f.Type(text);
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(driver.runs, 1);
        if (preselected >= 0)
            QCOMPARE(checked, FieldPickers::ContainerChoice(preselected));
        QCOMPARE(f.Text(24, 1), stored);
        QCOMPARE(f.Current() != 24, ok);
        QCOMPARE(f.doc.IsModified(), ok);
    }

    // Each field opens its own picker; OK writes what the picker hands back
    // into the field, cancel leaves field and caret alone.
    void insertPresetsPickers_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("picker");
        QTest::addColumn<int>("countryMode"); // -1: no country list
        QTest::addColumn<bool>("ok");
        QTest::newRow("box 15") << 20 << "Common_DlgLaenderCode" << 3 << true;
        QTest::newRow("box 17") << 21 << "Common_DlgLaenderCode" << 1 << true;
        QTest::newRow("box 18 nationality") << 23 << "Common_DlgLaenderCode" << 0 << true;
        QTest::newRow("box 21 nationality") << 26 << "Common_DlgLaenderCode" << 0 << true;
        QTest::newRow("box 21 cancelled") << 26 << "Common_DlgLaenderCode" << 0 << false;
        QTest::newRow("box 25") << 27 << "CDlgEH_Default25" << -1 << true;
        QTest::newRow("box 25 cancelled") << 27 << "CDlgEH_Default25" << -1 << false;
        QTest::newRow("box 54") << 69 << "CDlgEH_Default54" << -1 << true;
    }

    void insertPresetsPickers()
    {
        QFETCH(int, field);
        QFETCH(QString, picker);
        QFETCH(int, countryMode);
        QFETCH(bool, ok);
        QString result;
        SDialogDriver driver([&](QDialog& d) {
            QCOMPARE(QString::fromLatin1(d.metaObject()->className()), picker);
            if (!ok) {
                d.reject();
                return;
            }
            if (auto* countries = qobject_cast<Common_DlgLaenderCode*>(&d)) {
                QCOMPARE(countries->windowTitle(), CountryCodes::Caption(countryMode));
                countries->NameList()->setCurrentRow(0);
                countries->accept();
                result = countryMode == 0 ? countries->CountryCode() : countries->CountryName();
            } else if (auto* transport = qobject_cast<CDlgEH_Default25*>(&d)) {
                transport->List()->setCurrentRow(2);
                transport->accept();
                result = transport->ResultText();
            } else if (auto* date = qobject_cast<CDlgEH_Default54*>(&d)) {
                date->PlaceEdit()->clear();
                date->accept();
                result = date->Result();
            }
        });
        SShownForm f(m_defs);
        f.view.GoToField(field, 1);
        QCOMPARE(f.Current(), field);
        f.Type(QStringLiteral("alt"));
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(driver.runs, 1);
        if (!ok) {
            QCOMPARE(f.Text(field, 1), QStringLiteral("alt"));
            QCOMPARE(f.Current(), field);
            QVERIFY(!f.doc.IsModified());
            return;
        }
        QVERIFY(!result.isEmpty());
        QCOMPARE(f.Text(field, 1), result);
        QVERIFY(f.Current() != field);
        QVERIFY(f.doc.IsModified());
    }

    void insertPresetsBox1()
    {
        m_defs.SetFlags(2, kMainSheet, 0, CFieldDefinitions::kNotShown);
        QStringList given;
        SDialogDriver driver([&](QDialog& d) {
            auto* dlg = qobject_cast<CDlgEH_Default01*>(&d);
            QVERIFY(dlg);
            given = QStringList{dlg->PartA(), dlg->PartB(), dlg->PartC()};
            dlg->Group(FieldPickers::EPart::kA)->buttons().at(0)->click();
            dlg->accept();
        });
        SShownForm f(m_defs);
        f.SetText(1, 1, QStringLiteral("B-alt"));
        f.SetText(2, 1, QStringLiteral("versteckt"));
        f.view.GoToField(1, 1);
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(driver.runs, 1);
        // A part that is not shown is neither offered nor written.
        QCOMPARE(given.at(2), QString());
        QCOMPARE(f.Text(0, 1), FieldPickers::PartCodes(FieldPickers::EPart::kA).at(0));
        QCOMPARE(f.Text(2, 1), QStringLiteral("versteckt"));
    }

    void insertPresetsAddress_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("customsField");
        QTest::addColumn<bool>("table");
        QTest::addColumn<bool>("ok");
        QTest::newRow("box 2") << 1 << 10 << 9 << true << true;
        QTest::newRow("box 8") << 1 << 17 << 16 << true << true;
        QTest::newRow("continuation box 2") << 2 << 8 << 7 << true << true;
        QTest::newRow("cancelled") << 1 << 10 << 9 << true << false;
        QTest::newRow("no table, not created") << 1 << 10 << 9 << false << true;
    }

    void insertPresetsAddress()
    {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(int, customsField);
        QFETCH(bool, table);
        QFETCH(bool, ok);
        const QString path = m_settings->Path() + QStringLiteral("/Adressen.dbf");
        CSettingsStore::Profile().WriteString(SettingsSection::kSettings, CAddressTable::kSettingName, path);
        if (table) {
            CAddressTable t(path);
            QVERIFY(t.Create());
            CdBaseDocument& db = t.Table();
            QCOMPARE(db.ReadRecord(1), qint64(1));
            const QStringList values{"Alpha KG", "Str. 2", "", "", "DE2"};
            for (int p = 0; p < 5; ++p)
                QCOMPARE(db.SetCharField(p, values.at(p)), 0);
            QCOMPARE(db.WriteRecord(1), qint64(1));
        }
        SMessages messages(QMessageBox::No); // no new table
        SDialogDriver driver([&](QDialog& d) {
            auto* dlg = qobject_cast<CDlgEH_Default08*>(&d);
            QVERIFY(dlg);
            if (ok)
                dlg->OkButton()->click();
            else
                dlg->reject();
        });
        SShownForm f(m_defs);
        f.view.SetCurrentPage(page);
        f.SetText(customsField, page, QStringLiteral("alt-nr"));
        f.view.GoToField(field, page);
        QCOMPARE(f.Current(), field);
        f.Type(QStringLiteral("alt"));
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(driver.runs, table ? 1 : 0);
        if (!table || !ok) {
            QCOMPARE(f.Text(field, page), QStringLiteral("alt"));
            QCOMPARE(f.Text(customsField, page), QStringLiteral("alt-nr"));
            QCOMPARE(f.Current(), field);
            QVERIFY(!f.doc.IsModified());
            return;
        }
        QCOMPARE(f.Text(field, page), QStringLiteral("Alpha KG\r\nStr. 2"));
        QCOMPARE(f.Text(customsField, page), QStringLiteral("DE2"));
        QVERIFY(f.Current() > field);
        QVERIFY(f.doc.IsModified());
    }

    void insertPresetsAddressStartsOnFieldEntry_data()
    {
        QTest::addColumn<QString>("fieldText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("own entry, other case") << QStringLiteral("beta ag\r\nWeg 1") << QStringLiteral("Beta AG\r\nWeg 9");
        QTest::newRow("unknown name") << QStringLiteral("Gamma") << QStringLiteral("Alpha KG\r\nStr. 2");
        QTest::newRow("empty box") << QString() << QStringLiteral("Alpha KG\r\nStr. 2");
    }

    // F2 on a filled address box opens the list on the entry the box came from.
    void insertPresetsAddressStartsOnFieldEntry()
    {
        QFETCH(QString, fieldText);
        QFETCH(QString, expected);
        const QString path = m_settings->Path() + QStringLiteral("/Adressen.dbf");
        CSettingsStore::Profile().WriteString(SettingsSection::kSettings, CAddressTable::kSettingName, path);
        {
            CAddressTable t(path);
            QVERIFY(t.Create());
            CdBaseDocument& db = t.Table();
            const QList<QStringList> records{{"Beta AG", "Weg 9", "", "", "DE9"}, {"Alpha KG", "Str. 2", "", "", "DE2"}};
            for (int r = 0; r < records.size(); ++r) {
                QCOMPARE(db.ReadRecord(1), qint64(1));
                for (int p = 0; p < 5; ++p)
                    QCOMPARE(db.SetCharField(p, records.at(r).at(p)), 0);
                QCOMPARE(db.WriteRecord(quint32(r + 1)), qint64(r + 1));
            }
        }
        SMessages messages;
        QString shown;
        SDialogDriver driver([&](QDialog& d) {
            auto* dlg = qobject_cast<CDlgEH_Default08*>(&d);
            QVERIFY(dlg);
            shown = dlg->List()->currentItem() ? dlg->List()->currentItem()->text() : QString();
            dlg->OkButton()->click();
        });
        SShownForm f(m_defs);
        f.SetText(10, 1, fieldText);
        f.view.GoToField(10, 1);
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(driver.runs, 1);
        QCOMPARE(shown, expected.section(QStringLiteral("\r\n"), 0, 0));
        QCOMPARE(f.Text(10, 1), expected);
    }

    void insertPresetsGoods_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("numberField");
        QTest::addColumn<bool>("ok");
        QTest::newRow("page 1 box 31") << 1 << 29 << 31 << true;
        QTest::newRow("first position") << 2 << 11 << 13 << true;
        QTest::newRow("third position") << 2 << 29 << 31 << true;
        QTest::newRow("cancelled") << 2 << 20 << 22 << false;
    }

    void insertPresetsGoods()
    {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(int, numberField);
        QFETCH(bool, ok);
        SMessages messages;
        bool selection = false;
        SDialogDriver driver([&](QDialog& d) {
            auto* dlg = qobject_cast<CDlgStammDatenEingabe*>(&d);
            QVERIFY(dlg);
            selection = dlg->windowTitle() == QStringLiteral("Stammdatenauswahl");
            if (!ok) {
                dlg->reject();
                return;
            }
            dlg->DescriptionEdit()->setPlainText(QStringLiteral("10 Kisten\nSchrauben  "));
            dlg->ValueEdit(1)->setText(QStringLiteral("73181595"));
            dlg->ValueEdit(2)->setText(QStringLiteral("00"));
            if (dlg->IsEditing())
                dlg->OnEditOrSave(); // a first entry of a new table
            dlg->accept();
        });
        SShownForm f(m_defs);
        f.view.SetCurrentPage(page);
        f.SetText(numberField, page, QStringLiteral("alt-nr"));
        f.view.GoToField(field, page);
        QCOMPARE(f.Current(), field);
        f.Type(QStringLiteral("alt"));
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(driver.runs, 1);
        QVERIFY(selection);
        if (!ok) {
            QCOMPARE(f.Text(field, page), QStringLiteral("alt"));
            QCOMPARE(f.Text(numberField, page), QStringLiteral("alt-nr"));
            QCOMPARE(f.Current(), field);
            return;
        }
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(f.Text(field, page), QStringLiteral("10 Kisten\r\nSchrauben"));
        QCOMPARE(f.Text(numberField, page), QStringLiteral("73181595"));
        QVERIFY(f.doc.IsModified());
    }

    void insertPresetsDate_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<bool>("yes");
        QTest::newRow("stamp A, yes") << 1 << 6 << true;
        QTest::newRow("stamp C, no") << 1 << 56 << false;
        QTest::newRow("continuation, yes") << 2 << 4 << true;
    }

    void insertPresetsDate()
    {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(bool, yes);
        SMessages messages(yes ? QMessageBox::Yes : QMessageBox::No);
        SShownForm f(m_defs);
        f.view.SetCurrentPage(page);
        f.Engine().ActivateField(quint16(field), quint16(page));
        f.Type(QStringLiteral("alt"));
        const QDate today = QDate::currentDate();
        f.view.ExecuteCommand(Cmd::kInsertPresets);
        QCOMPARE(messages.texts, QStringList{QStringLiteral("Soll das aktuelle Datum eingefügt werden?")});
        QCOMPARE(messages.buttons, QMessageBox::Yes | QMessageBox::No);
        const QString date = QStringLiteral("%1.%2.%3").arg(today.day()).arg(today.month()).arg(today.year());
        QCOMPARE(f.Text(field, page), yes ? date : QStringLiteral("alt"));
        QCOMPARE(f.Current() != field, yes);
    }
};

QTEST_MAIN(TestInputRules)
#include "tst_inputrules.moc"
