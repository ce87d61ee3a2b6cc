#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/CommandTable.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "platform/Prompts.h"
#include "view/DlgDeleteEHWarenpositon.h"
#include "view/DlgMoveEHWarenpositon.h"
#include "view/EinheitspapierView.h"
#include "view/PagesAndPositions.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace PagesAndPositions;

namespace {

// Fields 0-7 of a position are "<tag>-0" .. "<tag>-7", its "Code B. V." is "<tag>-bv".
void SetPosition(CKivEditWindow& e, int page, int first, const QString& tag)
{
    for (int i = 0; i < kFieldsPerPosition; ++i)
        e.SetFieldText(quint16(first + i), QStringLiteral("%1-%2").arg(tag).arg(i), quint16(page));
    e.SetFieldText(quint16(first + kFieldsPerPosition), tag + QStringLiteral("-bv"), quint16(page));
}

// The eight moving texts of a position as one string; "" for an empty one.
QString PositionTexts(const CKivEditWindow& e, int page, int first)
{
    QStringList t;
    bool empty = true;
    for (int i = 0; i < kFieldsPerPosition; ++i) {
        t << e.GetFieldText(quint16(first + i), quint16(page));
        empty = empty && t.last().isEmpty();
    }
    return empty ? QString() : t.join(QLatin1Char('|'));
}

QString Expected(const QString& tag)
{
    QStringList t;
    for (int i = 0; i < kFieldsPerPosition; ++i)
        t << QStringLiteral("%1-%2").arg(tag).arg(i);
    return t.join(QLatin1Char('|'));
}

SPositionPlace ContPlace(int k) // k-th position of the continuation sheets, from 0
{
    return {2 + k / 3, ContPositionFirstField(k % 3 + 1)};
}

} // namespace

class TestPages : public QObject
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

    // ------------------------------------------------------------ boxes 3, 5 and 32

    void fillNumbering_data()
    {
        QTest::addColumn<int>("sheets");
        QTest::addColumn<QStringList>("descriptions"); // box 31 of every continuation position
        QTest::addColumn<QString>("box3");             // page 1, "number/total"
        QTest::addColumn<QString>("box5");
        QTest::addColumn<QStringList>("box32");  // per position; "-": left as it was
        QTest::addColumn<QStringList>("sheetBox3"); // per continuation sheet; "-": left as it was
        QTest::newRow("new document") << 1 << QStringList{"", "", ""} << "/" << "1" << QStringList{"-", "-", "-"}
                                      << QStringList{"-"};
        QTest::newRow("stops at the first empty position")
            << 2 << QStringList{"Kisten", "Fässer", " \t", "Säcke", "Ballen", "Rollen"} << "1/3" << "3"
            << QStringList{"2", "3", "-", "-", "-", "-"} << QStringList{"2/3", "-"};
        QTest::newRow("all described") << 2 << QStringList{"a", "b", "c", "d", "e", "f"} << "1/3" << "7"
                                       << QStringList{"2", "3", "4", "5", "6", "7"} << QStringList{"2/3", "3/3"};
        QTest::newRow("first position empty") << 1 << QStringList{"", "Kisten", ""} << "1/2" << "1"
                                              << QStringList{"-", "-", "-"} << QStringList{"2/2"};
        QTest::newRow("white space only counts as empty") << 1 << QStringList{" \r\n", "", ""} << "/" << "1"
                                                          << QStringList{"-", "-", "-"} << QStringList{"-"};
    }

    void fillNumbering()
    {
        QFETCH(int, sheets);
        QFETCH(QStringList, descriptions);
        QFETCH(QString, box3);
        QFETCH(QString, box5);
        QFETCH(QStringList, box32);
        QFETCH(QStringList, sheetBox3);
        SShownForm f(m_defs, sheets);
        f.SetText(11, 1, QStringLiteral("9"));
        f.SetText(12, 1, QStringLiteral("9"));
        f.SetText(14, 1, QStringLiteral("old"));
        f.SetText(30, 1, QStringLiteral("old"));
        for (int k = 0; k < descriptions.size(); ++k) {
            const SPositionPlace p = ContPlace(k);
            f.SetText(p.firstField, p.page, descriptions.at(k));
            f.SetText(p.firstField + 1, p.page, QStringLiteral("old"));
        }
        for (int page = 2; page <= sheets + 1; ++page) {
            f.SetText(9, page, QStringLiteral("x"));
            f.SetText(10, page, QStringLiteral("x"));
        }

        f.view.ExecuteCommand(Cmd::kFillPositions);

        QCOMPARE(f.Text(11, 1) + QLatin1Char('/') + f.Text(12, 1), box3);
        QCOMPARE(f.Text(14, 1), box5);
        QCOMPARE(f.Text(30, 1), QStringLiteral("1"));
        for (int k = 0; k < box32.size(); ++k) {
            const SPositionPlace p = ContPlace(k);
            QCOMPARE(f.Text(p.firstField + 1, p.page), box32.at(k) == QLatin1String("-") ? QStringLiteral("old") : box32.at(k));
        }
        for (int page = 2; page <= sheets + 1; ++page) {
            const QString want = sheetBox3.at(page - 2);
            QCOMPARE(f.Text(9, page) + QLatin1Char('/') + f.Text(10, page), want == QLatin1String("-") ? QStringLiteral("x/x") : want);
        }
        QVERIFY(f.doc.IsModified());
    }

    void fillReachesTheFieldUnderTheEditor()
    {
        // The clerk stands in box 5 with a typed number; the fill must win
        // over the editor's text when the caret moves on.
        SShownForm f(m_defs);
        f.view.GoToField(14, 1);
        QTest::keyClicks(f.view.Editor(), QStringLiteral("9"));
        f.view.ExecuteCommand(Cmd::kFillPositions);
        QCOMPARE(f.view.Editor()->WindowText(), QStringLiteral("1"));
        QTest::keyClick(f.view.Editor(), Qt::Key_Tab);
        QCOMPARE(f.Text(14, 1), QStringLiteral("1"));
    }

    // ------------------------------------------------------------ moving between pages

    void enablingRules_data()
    {
        QTest::addColumn<int>("sheets");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("backwards"); // first and previous page
        QTest::addColumn<bool>("forwards");  // next and last page
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("deletePosition");
        QTest::newRow("one sheet, page 1") << 1 << 1 << false << true << false << false;
        QTest::newRow("one sheet, page 2") << 1 << 2 << true << false << false << true;
        QTest::newRow("three sheets, page 2") << 3 << 2 << true << true << true << true;
        QTest::newRow("three sheets, last page") << 3 << 4 << true << false << true << true;
    }

    void enablingRules()
    {
        QFETCH(int, sheets);
        QFETCH(int, page);
        QFETCH(bool, backwards);
        QFETCH(bool, forwards);
        QFETCH(bool, remove);
        QFETCH(bool, deletePosition);
        SShownForm f(m_defs, sheets);
        for (int p = 1; p < page; ++p)
            f.view.ExecuteCommand(Cmd::kNextPage);
        QCOMPARE(f.view.CurrentPage(), page);
        for (int id : {Cmd::kFirstPage, Cmd::kPreviousPage, Cmd::kNextPage, Cmd::kLastPage, Cmd::kAddPage, Cmd::kRemoveLastPage,
                       Cmd::kFillPositions, Cmd::kMovePosition, Cmd::kDeletePosition})
            QVERIFY(f.view.HandlesCommand(id));
        QCOMPARE(f.view.UpdateCommand(Cmd::kFirstPage).enabled, backwards);
        QCOMPARE(f.view.UpdateCommand(Cmd::kPreviousPage).enabled, backwards);
        QCOMPARE(f.view.UpdateCommand(Cmd::kNextPage).enabled, forwards);
        QCOMPARE(f.view.UpdateCommand(Cmd::kLastPage).enabled, forwards);
        QCOMPARE(f.view.UpdateCommand(Cmd::kRemoveLastPage).enabled, remove);
        QCOMPARE(f.view.UpdateCommand(Cmd::kDeletePosition).enabled, deletePosition);
        QVERIFY(f.view.UpdateCommand(Cmd::kFillPositions).enabled);
        QVERIFY(f.view.UpdateCommand(Cmd::kMovePosition).enabled);
    }

    void pageCommands_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("page"); // 0: nothing happens
        QTest::newRow("next on the last page") << 3 << int(Cmd::kNextPage) << 0;
        QTest::newRow("previous on page 1") << 1 << int(Cmd::kPreviousPage) << 0;
        QTest::newRow("first on page 1") << 1 << int(Cmd::kFirstPage) << 1;
        QTest::newRow("next from page 1") << 1 << int(Cmd::kNextPage) << 2;
        QTest::newRow("previous from page 3") << 3 << int(Cmd::kPreviousPage) << 2;
        QTest::newRow("previous from page 2") << 2 << int(Cmd::kPreviousPage) << 1;
        QTest::newRow("first from page 3") << 3 << int(Cmd::kFirstPage) << 1;
        QTest::newRow("last from page 1") << 1 << int(Cmd::kLastPage) << 3;
    }

    void pageCommands()
    {
        QFETCH(int, start);
        QFETCH(int, command);
        QFETCH(int, page);
        SShownForm f(m_defs, 2);
        for (int p = 1; p < start; ++p)
            f.view.ExecuteCommand(Cmd::kNextPage);
        const int startField = start == 1 ? 10 : 22;
        f.view.GoToField(startField, start);
        QTest::keyClicks(f.view.Editor(), QStringLiteral("Hamburg"));
        QSignalSpy status(&f.view, &CEinheitspapierView::StatusChanged);

        f.view.ExecuteCommand(command);

        if (page == 0) {
            QCOMPARE(f.view.CurrentPage(), start);
            QCOMPARE(int(f.Engine().GetCurrentField()), startField);
            QCOMPARE(int(f.Engine().GetCurrentPage()), start);
            return;
        }
        QCOMPARE(f.view.CurrentPage(), page);
        QCOMPARE(int(f.Engine().GetCurrentPage()), page);
        QCOMPARE(int(f.Engine().GetCurrentField()), 0);
        QCOMPARE(f.view.PageText(), QStringLiteral("Einheitspapier - Seite %1 von 3").arg(page));
        QVERIFY(status.count() >= 1);
        // The text being typed was kept before the page changed.
        QCOMPARE(f.Text(startField, start), QStringLiteral("Hamburg"));
    }

    void arrivalSkipsFieldsThatCannotBeEdited()
    {
        CFieldDefinitions defs;
        defs.Reset();
        defs.SetFlags(0, kContSheet, 0, CFieldDefinitions::kNotEditable | CFieldDefinitions::kNotShown);
        SShownForm f(defs, 2);
        f.view.ExecuteCommand(Cmd::kNextPage);
        QCOMPARE(f.view.CurrentPage(), 2);
        QVERIFY(f.Engine().GetCurrentField() > 0);
        QVERIFY(defs.IsEditable(f.Engine().GetCurrentField(), kContSheet));
        f.view.ExecuteCommand(Cmd::kLastPage);
        QCOMPARE(f.view.CurrentPage(), 3);
        QVERIFY(f.Engine().GetCurrentField() > 0);
    }

    // ------------------------------------------------------------ adding and removing sheets

    void addPageNeedsDescribedPositions_data()
    {
        QTest::addColumn<QStringList>("descriptions"); // box 31 of the last sheet's positions
        QTest::addColumn<bool>("typed");               // the third one is still in the editor
        QTest::addColumn<bool>("added");
        QTest::newRow("four characters each") << QStringList{"Kist", "Fass", "Sack"} << false << true;
        QTest::newRow("three characters block") << QStringList{"Kisten", "Fas", "Säcke"} << false << false;
        QTest::newRow("an empty position blocks") << QStringList{"Kisten", "Fässer", ""} << false << false;
        QTest::newRow("typed text counts") << QStringList{"Kisten", "Fässer", "Sack"} << true << true;
        QTest::newRow("typed text too short") << QStringList{"Kisten", "Fässer", "Sac"} << true << false;
    }

    void addPageNeedsDescribedPositions()
    {
        QFETCH(QStringList, descriptions);
        QFETCH(bool, typed);
        QFETCH(bool, added);
        SShownForm f(m_defs);
        f.view.ExecuteCommand(Cmd::kNextPage);
        f.SetText(11, 2, descriptions.at(0));
        f.SetText(20, 2, descriptions.at(1));
        if (typed) {
            f.view.GoToField(29, 2);
            QTest::keyClicks(f.view.Editor(), descriptions.at(2));
            f.doc.SetModified(false); // typing is a change of its own
        } else {
            f.SetText(29, 2, descriptions.at(2));
        }
        QCOMPARE(f.view.UpdateCommand(Cmd::kAddPage).enabled, added);
        SMessages messages;

        f.view.ExecuteCommand(Cmd::kAddPage);

        QCOMPARE(int(f.doc.ContinuationCount()), added ? 2 : 1);
        QCOMPARE(f.Engine().GetPageCount(), added ? 3 : 2);
        QCOMPARE(f.view.CurrentPage(), added ? 3 : 2);
        QCOMPARE(f.doc.IsModified(), added);
        QCOMPARE(messages.texts, added ? QStringList() : QStringList{Text(kTextUnfilledPositions)});
    }

    void addPageSetsUpTheNewSheet_data()
    {
        QTest::addColumn<bool>("stamps");
        QTest::newRow("without stamps") << false;
        QTest::newRow("with stamp A") << true;
    }

    void addPageSetsUpTheNewSheet()
    {
        QFETCH(bool, stamps);
        if (stamps)
            CSettingsStore::Profile().WriteInt(SettingsSection::kDefaults, QStringLiteral("Stamp_A"), 1);
        SShownForm f(m_defs);
        f.SetText(7, 2, QStringLiteral("DE 4711"));
        f.SetText(8, 2, QStringLiteral("Spedition Nord\r\nKai 3"));
        f.SetText(1, 2, QStringLiteral("Stempel"));
        f.Engine().SetFieldAttributes(1, 2, 0x0112);
        for (int first : {11, 20, 29})
            f.SetText(first, 2, QStringLiteral("Kisten"));
        QSignalSpy modified(&f.view, &CEinheitspapierView::ModifiedChanged);
        SMessages messages;

        f.view.ExecuteCommand(Cmd::kAddPage);

        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(f.view.CurrentPage(), 3);
        QCOMPARE(f.view.PageText(), QStringLiteral("Einheitspapier - Seite 3 von 3"));
        QCOMPARE(f.Text(7, 3), QStringLiteral("DE 4711"));
        QCOMPARE(f.Text(8, 3), QStringLiteral("Spedition Nord\r\nKai 3"));
        QCOMPARE(f.Text(1, 3), stamps ? QStringLiteral("Stempel") : QString());
        QCOMPARE(f.Engine().GetFieldAttributes(1, 3), quint16(stamps ? 0x0112 : 0x0003));
        // Box 2 keeps page 2's small size when the stamps are copied with their words.
        QCOMPARE(f.Engine().GetFieldSize(7, 3), stamps ? f.Engine().GetFieldSize(7, 2) : 3);
        for (int i : {0, 11, 20, 37, 43})
            QCOMPARE(f.Engine().GetFieldSize(quint16(i), 3), 3);
        for (int i = 38; i <= 42; ++i)
            QCOMPARE(f.Engine().GetFieldSize(quint16(i), 3), 1);
        QCOMPARE(f.Text(11, 3), QString());
        QVERIFY(f.doc.IsModified());
        QCOMPARE(modified.count(), 1);
    }

    void addPageStopsAtTheSheetLimit()
    {
        SShownForm f(m_defs, CKivEditWindow::kMaxContPages);
        const int last = CKivEditWindow::kMaxContPages + 1;
        for (int first : {11, 20, 29})
            f.SetText(first, last, QStringLiteral("Kisten"));
        f.SetText(0, last, QStringLiteral("bleibt"));
        SMessages messages;

        f.view.ExecuteCommand(Cmd::kAddPage);

        QCOMPARE(messages.texts, QStringList{SheetLimitMessage()});
        QCOMPARE(messages.texts.first(), QStringLiteral("Es können höchstens 254 Ergänzungsblätter angelegt werden."));
        QCOMPARE(int(f.doc.ContinuationCount()), CKivEditWindow::kMaxContPages);
        QCOMPARE(f.Engine().GetPageCount(), last);
        QCOMPARE(f.Text(0, last), QStringLiteral("bleibt"));
        QVERIFY(!f.doc.IsModified());
        // The document still saves and reads back whole.
        CEinheitspapierDoc back;
        QCOMPARE(back.LoadFromBytes(f.doc.SaveToBytes()), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(back.Engine().GetFieldText(0, quint16(last)), QStringLiteral("bleibt"));
    }

    void documentOfPageOneOnly()
    {
        // A file without continuation layout: nothing may address a sheet.
        const QByteArray bytes = CT2lBytes()
                                     .Header(0)
                                     .Word(0x1206)
                                     .Word(2)
                                     .MainSheet()
                                     .Word(0x1001)
                                     .Word(0)
                                     .Texts({})
                                     .Words({})
                                     .Byte(0x40)
                                     .Bytes();
        SShownForm f(m_defs, 1, bytes);
        QCOMPARE(f.status, CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(int(f.doc.ContinuationCount()), 0);
        SMessages messages;
        QVERIFY(!f.view.UpdateCommand(Cmd::kAddPage).enabled);
        QVERIFY(!f.view.UpdateCommand(Cmd::kNextPage).enabled);
        f.view.ExecuteCommand(Cmd::kAddPage);
        QCOMPARE(messages.texts, QStringList{NoSheetLayoutMessage()});
        QCOMPARE(f.Engine().GetPageCount(), 1);
        f.view.ExecuteCommand(Cmd::kLastPage);
        QCOMPARE(f.view.CurrentPage(), 1);
        f.view.ExecuteCommand(Cmd::kFillPositions);
        QCOMPARE(f.Text(14, 1), QStringLiteral("1"));
        QCOMPARE(MoveListEntries(f.Engine(), 0), QStringList{"Position 1 auf Seite 1"});
        QVERIFY(DeleteListEntries(f.Engine(), 0).isEmpty());
        QVERIFY(!DeletePosition(f.Engine(), 0, 0));
        QVERIFY(!MovePosition(f.Engine(), 0, 0, 1));
    }

    void removeLastPage_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }

    void removeLastPage()
    {
        QFETCH(bool, yes);
        SShownForm f(m_defs, 2);
        f.view.ExecuteCommand(Cmd::kLastPage);
        QTest::keyClicks(f.view.Editor(), QStringLiteral("weg"));
        f.doc.SetModified(false); // typing is a change of its own
        SMessages messages(yes ? QMessageBox::Yes : QMessageBox::No);

        f.view.ExecuteCommand(Cmd::kRemoveLastPage);

        QCOMPARE(messages.texts, QStringList{Text(kTextRemoveLastPage)});
        QCOMPARE(messages.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(f.view.CurrentPage(), yes ? 1 : 3);
        QCOMPARE(int(f.Engine().GetCurrentPage()), yes ? 1 : 3);
        QCOMPARE(int(f.doc.ContinuationCount()), yes ? 1 : 2);
        QCOMPARE(f.view.PageText(), yes ? QStringLiteral("Einheitspapier - Seite 1 von 2") : QStringLiteral("Einheitspapier - Seite 3 von 3"));
        QCOMPARE(f.view.UpdateCommand(Cmd::kRemoveLastPage).enabled, !yes);
        QCOMPARE(f.doc.IsModified(), yes);
        if (yes) {
            // The removed sheet's texts are gone, not waiting for the next sheet.
            f.doc.SetContinuationCount(2);
            QCOMPARE(f.Text(0, 3), QString());
        }
    }

    // ------------------------------------------------------------ goods position lists

    void listEntriesMarkEmptyPositions()
    {
        CEinheitspapierDoc doc;
        doc.SetContinuationCount(2);
        CKivEditWindow& e = doc.Engine();
        e.SetFieldText(29, QStringLiteral("x"), 1);
        e.SetFieldText(11, QStringLiteral("ab"), 2);
        e.SetFieldText(20, QStringLiteral("abc"), 2);
        e.SetFieldText(11, QStringLiteral("Kisten"), 3);
        e.SetFieldText(29, QStringLiteral("  "), 3);
        const QStringList cont = {"Position 1 auf Seite 2 (leer)", "Position 2 auf Seite 2", "Position 3 auf Seite 2 (leer)",
                                  "Position 1 auf Seite 3", "Position 2 auf Seite 3 (leer)", "Position 3 auf Seite 3 (leer)"};
        QCOMPARE(MoveListEntries(e, 2), QStringList{"Position 1 auf Seite 1"} + cont);
        QCOMPARE(DeleteListEntries(e, 2), cont);
    }

    void listIndexes_data()
    {
        QTest::addColumn<bool>("moveList");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("page"); // 0: no such entry
        QTest::addColumn<int>("firstField");
        QTest::newRow("move: page 1") << true << 0 << 1 << 29;
        QTest::newRow("move: page 2, position 1") << true << 1 << 2 << 11;
        QTest::newRow("move: page 2, position 3") << true << 3 << 2 << 29;
        QTest::newRow("move: page 3, position 2") << true << 5 << 3 << 20;
        QTest::newRow("move: beyond the last sheet") << true << 7 << 0 << 0;
        QTest::newRow("move: negative") << true << -1 << 0 << 0;
        QTest::newRow("delete: page 2, position 1") << false << 0 << 2 << 11;
        QTest::newRow("delete: page 3, position 3") << false << 5 << 3 << 29;
        QTest::newRow("delete: beyond the last sheet") << false << 6 << 0 << 0;
    }

    void listIndexes()
    {
        QFETCH(bool, moveList);
        QFETCH(int, index);
        QFETCH(int, page);
        QFETCH(int, firstField);
        const std::optional<SPositionPlace> place = moveList ? MoveIndexToPlace(index, 2) : DeleteIndexToPlace(index, 2);
        QCOMPARE(place.has_value(), page != 0);
        if (!place)
            return;
        QCOMPARE(place->page, page);
        QCOMPARE(place->firstField, firstField);
        const int position = page == 1 ? 1 : ContPositionOfField(firstField);
        QCOMPARE(moveList ? MoveListIndex(page, position) : DeleteListIndex(page, position), index);
    }

    // ------------------------------------------------------------ moving a goods position

    void movePreselection_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::newRow("page 1") << 1 << 29 << 0 << -1;
        QTest::newRow("box 2 of page 2") << 2 << 7 << 1 << 1;
        QTest::newRow("position 2 of page 2") << 2 << 22 << 2 << 1;
        QTest::newRow("position 3 of page 3") << 3 << 30 << 6 << 1;
    }

    void movePreselection()
    {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(int, source);
        QFETCH(int, target);
        SShownForm f(m_defs, 2);
        for (int p = 1; p < page; ++p)
            f.view.ExecuteCommand(Cmd::kNextPage);
        f.view.GoToField(field, page);
        CDlgMoveEHWarenpositon dlg(&f.view);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Warenposition verschieben"));
        QCOMPARE(dlg.SourceList()->count(), 7);
        QCOMPARE(dlg.TargetList()->count(), 7);
        QCOMPARE(dlg.SourceList()->currentIndex(), source);
        QCOMPARE(dlg.TargetList()->currentIndex(), target);
        // Without a target OK has nothing to do.
        QCOMPARE(dlg.OkButton()->isEnabled(), target >= 0);
        QCOMPARE(dlg.CancelButton()->toolTip(), Text(kTextTipCancel));
    }

    void moveCopiesEightFields()
    {
        SShownForm f(m_defs, 2);
        SetPosition(f.Engine(), 2, 11, QStringLiteral("s"));
        SetPosition(f.Engine(), 3, 29, QStringLiteral("t"));
        f.Engine().SetFieldAttributes(11, 2, 0x0104);
        const quint16 targetWord = f.Engine().GetFieldAttributes(29, 3);
        f.view.ExecuteCommand(Cmd::kNextPage);
        f.view.GoToField(13, 2); // the editor stands inside the source
        SDialogDriver driver([](QDialog& d) {
            auto& dlg = static_cast<CDlgMoveEHWarenpositon&>(d);
            QCOMPARE(dlg.SourceList()->currentIndex(), 1);
            dlg.TargetList()->setCurrentIndex(MoveListIndex(3, 3));
            QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        });

        f.view.ExecuteCommand(Cmd::kMovePosition);

        QCOMPARE(driver.runs, 1);
        QCOMPARE(PositionTexts(f.Engine(), 3, 29), Expected(QStringLiteral("s")));
        QCOMPARE(PositionTexts(f.Engine(), 2, 11), QString());
        QCOMPARE(f.Text(19, 2), QStringLiteral("s-bv"));
        QCOMPARE(f.Text(37, 3), QStringLiteral("t-bv"));
        QCOMPARE(f.Engine().GetFieldAttributes(11, 2), quint16(0x0104));
        QCOMPARE(f.Engine().GetFieldAttributes(29, 3), targetWord);
        QVERIFY(f.doc.IsModified());
        // The editor does not bring the moved text back when the caret moves on.
        QTest::keyClick(f.view.Editor(), Qt::Key_Tab);
        QCOMPARE(f.Text(13, 2), QString());
    }

    void moveToAndFromPageOne()
    {
        CEinheitspapierDoc doc;
        CKivEditWindow& e = doc.Engine();
        SetPosition(e, 1, 29, QStringLiteral("m"));
        e.SetFieldText(76, QStringLiteral("code"), 1);
        QVERIFY(MovePosition(e, 1, 0, MoveListIndex(2, 2)));
        QCOMPARE(PositionTexts(e, 2, 20), Expected(QStringLiteral("m")));
        QCOMPARE(PositionTexts(e, 1, 29), QString());
        QCOMPARE(e.GetFieldText(37, 1), QStringLiteral("m-bv")); // page 1's field after the position
        QCOMPARE(e.GetFieldText(76, 1), QStringLiteral("code"));
        QVERIFY(MovePosition(e, 1, MoveListIndex(2, 2), 0));
        QCOMPARE(PositionTexts(e, 1, 29), Expected(QStringLiteral("m")));
        // Places beyond the sheets are refused and change nothing.
        QVERIFY(!MovePosition(e, 1, 0, 4));
        QCOMPARE(PositionTexts(e, 1, 29), Expected(QStringLiteral("m")));
    }

    void moveOntoItselfKeepsTheTexts()
    {
        SShownForm f(m_defs, 1);
        SetPosition(f.Engine(), 2, 20, QStringLiteral("p"));
        QVERIFY(!MovePosition(f.Engine(), 1, 2, 2));
        SDialogDriver driver([](QDialog& d) {
            auto& dlg = static_cast<CDlgMoveEHWarenpositon&>(d);
            dlg.SourceList()->setCurrentIndex(2);
            dlg.TargetList()->setCurrentIndex(2);
            QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        });

        f.view.ExecuteCommand(Cmd::kMovePosition);

        QCOMPARE(PositionTexts(f.Engine(), 2, 20), Expected(QStringLiteral("p")));
        QVERIFY(!f.doc.IsModified());
    }

    void cancelChangesNothing()
    {
        SShownForm f(m_defs, 1);
        SetPosition(f.Engine(), 2, 11, QStringLiteral("p"));
        f.view.ExecuteCommand(Cmd::kNextPage);
        SDialogDriver driver([](QDialog& d) {
            for (QComboBox* c : d.findChildren<QComboBox*>())
                c->setCurrentIndex(c->count() - 1);
            QPushButton* cancel = nullptr;
            for (QPushButton* b : d.findChildren<QPushButton*>())
                if (b->text() == QLatin1String("Abbrechen"))
                    cancel = b;
            QVERIFY(cancel);
            QTest::mouseClick(cancel, Qt::LeftButton);
        });

        f.view.ExecuteCommand(Cmd::kMovePosition);
        f.view.ExecuteCommand(Cmd::kDeletePosition);

        QCOMPARE(driver.runs, 2);
        QCOMPARE(PositionTexts(f.Engine(), 2, 11), Expected(QStringLiteral("p")));
        QVERIFY(!f.doc.IsModified());
    }

    void dialogsNeedAView()
    {
        CDlgMoveEHWarenpositon move(nullptr);
        QCOMPARE(move.exec(), CDlgMoveEHWarenpositon::kAborted);
        CDlgDeleteEHWarenpositon del(nullptr);
        QCOMPARE(del.exec(), CDlgDeleteEHWarenpositon::kAborted);
    }

    // ------------------------------------------------------------ deleting a goods position

    void deleteClosesTheGap_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("after"); // the six positions afterwards; "" empty
        QTest::newRow("first") << 0 << QStringList{"P2", "P3", "P4", "P5", "P6", ""};
        QTest::newRow("across the sheet boundary") << 2 << QStringList{"P1", "P2", "P4", "P5", "P6", ""};
        QTest::newRow("last") << 5 << QStringList{"P1", "P2", "P3", "P4", "P5", ""};
    }

    void deleteClosesTheGap()
    {
        QFETCH(int, index);
        QFETCH(QStringList, after);
        SShownForm f(m_defs, 2);
        SetPosition(f.Engine(), 1, 29, QStringLiteral("M"));
        for (int k = 0; k < 6; ++k) {
            const SPositionPlace p = ContPlace(k);
            SetPosition(f.Engine(), p.page, p.firstField, QStringLiteral("P%1").arg(k + 1));
            f.Engine().SetFieldAttributes(quint16(p.firstField), quint16(p.page), quint16(0x0100 + k));
        }
        f.view.ExecuteCommand(Cmd::kLastPage);
        f.view.GoToField(22, 3);
        SDialogDriver driver([index](QDialog& d) {
            auto& dlg = static_cast<CDlgDeleteEHWarenpositon&>(d);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Warenposition löschen"));
            QCOMPARE(dlg.PositionList()->count(), 6);
            QCOMPARE(dlg.PositionList()->currentIndex(), DeleteListIndex(3, 2)); // where the caret stands
            dlg.PositionList()->setCurrentIndex(index);
            QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        });

        f.view.ExecuteCommand(Cmd::kDeletePosition);

        QCOMPARE(driver.runs, 1);
        for (int k = 0; k < 6; ++k) {
            const SPositionPlace p = ContPlace(k);
            QCOMPARE(PositionTexts(f.Engine(), p.page, p.firstField), after.at(k).isEmpty() ? QString() : Expected(after.at(k)));
            // "Code B. V." and the attribute words stay with their place.
            QCOMPARE(f.Text(p.firstField + kFieldsPerPosition, p.page), QStringLiteral("P%1-bv").arg(k + 1));
            QCOMPARE(f.Engine().GetFieldAttributes(quint16(p.firstField), quint16(p.page)), quint16(0x0100 + k));
        }
        QCOMPARE(PositionTexts(f.Engine(), 1, 29), Expected(QStringLiteral("M")));
        QCOMPARE(int(f.doc.ContinuationCount()), 2);
        QVERIFY(f.doc.IsModified());
    }

    void deleteRefusesPlacesOutsideTheSheets()
    {
        CEinheitspapierDoc doc;
        SetPosition(doc.Engine(), 2, 29, QStringLiteral("P"));
        for (int index : {-1, 3, 300}) {
            QVERIFY(!DeletePosition(doc.Engine(), 1, index));
            // A count beyond the engine's sheets does not reach past them either.
            QVERIFY(!DeletePosition(doc.Engine(), 200, index));
        }
        QVERIFY(DeletePosition(doc.Engine(), 200, 2));
        QCOMPARE(PositionTexts(doc.Engine(), 2, 29), QString());
    }

    void deleteIsNotOfferedOnPageOne()
    {
        SShownForm f(m_defs);
        SDialogDriver driver([](QDialog&) {});
        f.view.ExecuteCommand(Cmd::kDeletePosition);
        QCOMPARE(driver.runs, 0);
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
