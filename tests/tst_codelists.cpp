#include "TestSupport.h"

#include "platform/Help.h"
#include "presets/Common_DlgBundeslaenderCode.h"
#include "presets/Common_DlgLaenderCode.h"
#include "presets/CountryCodes.h"
#include "presets/FederalStates.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace CountryCodes;

namespace {

// Records every request for the manual.
struct SHelpRecorder
{
    SHelpRecorder()
    {
        Help::SetOpenFunction([this](QWidget* parent) { parents << parent; });
    }
    ~SHelpRecorder() { Help::SetOpenFunction(nullptr); }
    QList<QWidget*> parents;
};

int EntryOf(const QString& name)
{
    for (int i = 0; i < Count(); ++i) {
        if (Name(i) == name)
            return i;
    }
    return -1;
}

QList<int> EntriesWithCode(const QString& code)
{
    QList<int> entries;
    for (int i = 0; i < Count(); ++i) {
        if (Code(i) == code)
            entries << i;
    }
    return entries;
}

QString Selected(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.size() == 1 ? items.first()->text() : QString();
}

int SelectedEntry(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.size() == 1 ? items.first()->data(Qt::UserRole).toInt() : -1;
}

QListWidgetItem* ItemOfEntry(const QListWidget* list, int entry)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toInt() == entry)
            return list->item(row);
    }
    return nullptr;
}

QListWidgetItem* ItemWithText(const QListWidget* list, const QString& text)
{
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    return items.isEmpty() ? nullptr : items.first();
}

QPoint Centre(QListWidget* list, QListWidgetItem* item)
{
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

void Click(QListWidget* list, QListWidgetItem* item)
{
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, Centre(list, item));
}

void DoubleClick(QListWidget* list, QListWidgetItem* item)
{
    QVERIFY(item);
    const QPoint p = Centre(list, item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

class TestCodeLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ------------------------------------------------------------ the country table

    void tableHoldsEveryCountryOnce()
    {
        QCOMPARE(Count(), 352);
        QCOMPARE(int(kCountryTableSpan.size()), 353);
        QCOMPARE(QString::fromUtf16(kCountryTableSpan.back().code), QStringLiteral("2000"));
        QCOMPARE(Code(0) + Name(0), QStringLiteral("USVereinigte Staaten"));
        QCOMPARE(Code(1) + Name(1), QStringLiteral("GBVereinigtes Königreich"));
        QCOMPARE(Code(45) + Name(45), QStringLiteral("PSBesetzte palästinensische Gebiete"));
        QCOMPARE(Code(351) + Name(351), QStringLiteral("CYZypern"));
        // Nothing beyond the table, the terminator included.
        QCOMPARE(Code(352), QString());
        QCOMPARE(Name(-1), QString());

        QSet<QString> names;
        for (int i = 0; i < Count(); ++i) {
            const QString code = Code(i);
            QVERIFY2(code.size() == 2 && code.at(0).isUpper() && code.at(1).isUpper() && code.at(0).unicode() < 128
                         && code.at(1).unicode() < 128,
                     qPrintable(code));
            QVERIFY2(!Name(i).isEmpty() && Name(i).trimmed() == Name(i), qPrintable(Name(i)));
            names.insert(Name(i));
        }
        // Only the name tells entries apart.
        QCOMPARE(names.size(), Count());
    }

    void sharedCodesListTheStateFirst_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("first"); // in table order
        QTest::newRow("AE") << "AE" << 8 << "Arab. Emirate, Ver.";
        QTest::newRow("FR") << "FR" << 11 << "Déairade-I";
        QTest::newRow("CH") << "CH" << 2 << "Schweiz";
        QTest::newRow("ES") << "ES" << 3 << "Spanien";
        QTest::newRow("GB") << "GB" << 5 << "Vereinigtes Königreich";
        QTest::newRow("AN, withdrawn") << "AN" << 7 << "Antillen, Niederl.";
        QTest::newRow("DE") << "DE" << 1 << "Deutschland";
    }

    void sharedCodesListTheStateFirst()
    {
        QFETCH(QString, code);
        QFETCH(int, entries);
        QFETCH(QString, first);
        const QList<int> withCode = EntriesWithCode(code);
        QCOMPARE(int(withCode.size()), entries);
        QCOMPARE(Name(withCode.first()), first);
        // The code list keeps them in table order, so its first item is the same entry.
        CCountryList lists;
        const int row = lists.FirstCodeRowEqual(code);
        for (int i = 0; i < entries; ++i)
            QCOMPARE(lists.CodeRows().at(row + i), withCode.at(i));
    }

    void terminatorEndsTheTable_data()
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("count");
        QTest::newRow("1999 ends it") << QStringList{"DE", "1999", "AT"} << 1;
        QTest::newRow("1998 does not") << QStringList{"DE", "1998", "AT"} << 3;
        QTest::newRow("letters read as 0") << QStringList{"AE", "X2000", "20000"} << 2;
        QTest::newRow("terminator first") << QStringList{"2000", "DE"} << 0;
        QTest::newRow("no terminator: the end") << QStringList{"DE", "AT"} << 2;
    }

    void terminatorEndsTheTable()
    {
        QFETCH(QStringList, codes);
        QFETCH(int, count);
        std::vector<SCountryEntry> table;
        for (const QString& code : codes)
            table.push_back({reinterpret_cast<const char16_t*>(code.utf16()), u"Land"});
        QCOMPARE(CountBeforeTerminator(table), count);
    }

    // ------------------------------------------------------------ the sorted lists

    void listsHoldEveryEntryOnce()
    {
        CCountryList lists;
        QList<int> all;
        for (int i = 0; i < Count(); ++i)
            all << i;
        for (const QList<int>* rows : {&lists.NameRows(), &lists.CodeRows()}) {
            QList<int> sorted = *rows;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, all);
        }
    }

    void namesSortAsInAGermanDictionary_data()
    {
        QTest::addColumn<QStringList>("neighbours"); // consecutive rows of the name list
        QTest::newRow("Ä as A") << QStringList{"Afghanistan", "Ägypten", "Albanien"};
        QTest::newRow("Ö as O") << QStringList{"Oman", "Österreich", "Ost-Jerusalem"};
        QTest::newRow("hyphen skipped") << QStringList{"Südgeorgien und die Südlichen Sandwichinseln", "Süd-Grenadinen", "Südkorea"};
        QTest::newRow("blank before letters") << QStringList{"Ecuador", "El Salvador", "Elfenbeinküste"};
        QTest::newRow("accent and apostrophe") << QStringList{"Costa Rica", "Côte d’Ivoire", "Cristobal"};
        QTest::newRow("ß as ss") << QStringList{"Griechenland", "Grönland", "Großbritannien", "Guadeloupe-In"};
    }

    void namesSortAsInAGermanDictionary()
    {
        QFETCH(QStringList, neighbours);
        CCountryList lists;
        const int first = lists.NameRowOfEntry(EntryOf(neighbours.first()));
        QVERIFY(first >= 0);
        for (int i = 0; i < neighbours.size(); ++i)
            QCOMPARE(Name(lists.NameRows().value(first + i)), neighbours.at(i));
        QCOMPARE(Name(lists.NameRows().first()), QStringLiteral("Abu Dhabi"));
        QCOMPARE(Name(lists.NameRows().last()), QStringLiteral("Zypern"));
        QCOMPARE(Code(lists.CodeRows().first()), QStringLiteral("AD"));
        QCOMPARE(Code(lists.CodeRows().last()), QStringLiteral("ZW"));
    }

    void sortKeyIgnoresTheMachineLocale()
    {
        // Turkish lower-cases I to a dotless ı; the key must not follow it.
        const QLocale old;
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        const QString island = SortKey(u"ISLAND");
        QLocale::setDefault(old);
        QCOMPARE(island, QStringLiteral("island"));
        QVERIFY(CompareListTexts(u"Bonaíre-I", u"Bonaire") > 0);
        QVERIFY(CompareListTexts(u"bonaire", u"Bonaire") != 0); // deterministic, never "equal"
    }

    // ------------------------------------------------------------ preselection and choice

    void preselection_data()
    {
        QTest::addColumn<QString>("inName");
        QTest::addColumn<QString>("inCode");
        QTest::addColumn<QString>("name");     // selected in the name list, and OK's name
        QTest::addColumn<QString>("code");     // selected in the code list, and OK's code
        QTest::addColumn<QString>("codeItem"); // the entry behind the selected code item
        QTest::newRow("nothing given: DE") << "" << "" << "Deutschland" << "DE" << "Deutschland";
        QTest::newRow("name in lower case") << "vereinigte" << "" << "Vereinigte Staaten" << "US" << "Vereinigte Staaten";
        QTest::newRow("name beginning") << "Vereinigtes" << "" << "Vereinigtes Königreich" << "GB" << "Vereinigtes Königreich";
        QTest::newRow("umlaut in lower case") << "ägy" << "" << "Ägypten" << "EG" << "Ägypten";
        QTest::newRow("first in table order") << "Gua" << "" << "Guadeloupe-In" << "FR" << "Déairade-I";
        QTest::newRow("territory: the state's code item") << "Büsingen" << "" << "Büsingen" << "CH" << "Schweiz";
        QTest::newRow("name wins over code") << "Frankreich" << "DE" << "Frankreich" << "FR" << "Déairade-I";
        QTest::newRow("code in lower case") << "" << "fr" << "Déairade-I" << "FR" << "Déairade-I";
        QTest::newRow("code beginning") << "" << "a" << "Andorra" << "AD" << "Andorra";
        QTest::newRow("unknown code: DE") << "" << "QQ" << "Deutschland" << "DE" << "Deutschland";
        QTest::newRow("unknown name: the code") << "Atlantis" << "at" << "Österreich" << "AT" << "Österreich";
        QTest::newRow("unknown name, no code: DE") << "Atlantis" << "" << "Deutschland" << "DE" << "Deutschland";
    }

    void preselection()
    {
        QFETCH(QString, inName);
        QFETCH(QString, inCode);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, codeItem);
        CCountryList lists;
        lists.Open(inName, inCode);
        QCOMPARE(Name(lists.NameRows().value(lists.NameRow(), -1)), name);
        QCOMPARE(Code(lists.CodeRows().value(lists.CodeRow(), -1)), code);
        QCOMPARE(Name(lists.CodeRows().value(lists.CodeRow(), -1)), codeItem);
        QCOMPARE(Name(lists.ChosenEntry()), name);

        // The dialog shows the same and OK hands it back.
        Common_DlgLaenderCode dialog(0, inName, inCode);
        dialog.show();
        QCOMPARE(Selected(dialog.NameList()), name);
        QCOMPARE(Selected(dialog.CodeList()), code);
        QCOMPARE(Name(SelectedEntry(dialog.CodeList())), codeItem);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.CountryName(), name);
        QCOMPARE(dialog.CountryCode(), code);
    }

    void listsFollowEachOther()
    {
        Common_DlgLaenderCode dialog(2, QString(), QStringLiteral("DE"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // A code item of a territory brings up the territory's name.
        const int reunion = EntryOf(QStringLiteral("Réunion"));
        Click(dialog.CodeList(), ItemOfEntry(dialog.CodeList(), reunion));
        QCOMPARE(Selected(dialog.NameList()), QStringLiteral("Réunion"));
        QCOMPARE(SelectedEntry(dialog.CodeList()), reunion);

        // A name brings up the first item of its code, which may be another entry's ...
        Click(dialog.NameList(), ItemWithText(dialog.NameList(), QStringLiteral("Monaco")));
        QCOMPARE(Selected(dialog.CodeList()), QStringLiteral("FR"));
        QCOMPARE(Name(SelectedEntry(dialog.CodeList())), QStringLiteral("Déairade-I"));
        QCOMPARE(Selected(dialog.NameList()), QStringLiteral("Monaco"));
        // ... but OK takes the entry of the name list.
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.CountryName(), QStringLiteral("Monaco"));
        QCOMPARE(dialog.CountryCode(), QStringLiteral("FR"));
    }

    void typingSearchesTheListTheFieldTakes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        // A nationality box takes a code: "DE" must not find "Demokratische Republik Kongo".
        QTest::newRow("codes") << 0 << QStringLiteral("DE") << QStringLiteral("Deutschland") << QStringLiteral("DE");
        QTest::newRow("names") << 1 << QStringLiteral("Estl") << QStringLiteral("Estland") << QStringLiteral("EE");
    }

    void typingSearchesTheListTheFieldTakes()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QString, code);
        Common_DlgLaenderCode dialog(mode, QString(), QStringLiteral("AT"));
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.focusWidget());
        QTest::keyClicks(dialog.focusWidget(), typed);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.CountryName(), name);
        QCOMPARE(dialog.CountryCode(), code);
    }

    void doubleClickTakesOver_data()
    {
        QTest::addColumn<bool>("inCodeList");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::newRow("name list") << false << "Kanal-In, Brit." << "Kanal-In, Brit." << "GB";
        QTest::newRow("code list") << true << "AT" << "Österreich" << "AT";
    }

    void doubleClickTakesOver()
    {
        QFETCH(bool, inCodeList);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, code);
        Common_DlgLaenderCode dialog(1, QStringLiteral("Deutschland"), QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = inCodeList ? dialog.CodeList() : dialog.NameList();
        DoubleClick(list, ItemWithText(list, text));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.CountryName(), name);
        QCOMPARE(dialog.CountryCode(), code);
    }

    void cancelAndHelpKeepTheValues()
    {
        SHelpRecorder help;
        Common_DlgLaenderCode dialog(3, QStringLiteral("frank"), QStringLiteral("xx"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Click(dialog.NameList(), ItemWithText(dialog.NameList(), QStringLiteral("Polen")));
        QTest::mouseClick(dialog.HelpButton(), Qt::LeftButton);
        QTest::keyClick(dialog.NameList(), Qt::Key_F1);
        QCOMPARE(help.parents, (QList<QWidget*>{&dialog, &dialog}));
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.CountryName(), QStringLiteral("frank"));
        QCOMPARE(dialog.CountryCode(), QStringLiteral("xx"));
    }

    void okWithoutANameKeepsTheValues()
    {
        Common_DlgLaenderCode dialog(0, QString(), QStringLiteral("DE"));
        dialog.show();
        dialog.NameList()->clearSelection();
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.CountryName(), QString());
        QCOMPARE(dialog.CountryCode(), QStringLiteral("DE"));
    }

    void countryDialogTexts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("0") << 0 << "Ländercodes";
        QTest::newRow("1") << 1 << "Bestimmungsland";
        QTest::newRow("2") << 2 << "Ursprungsland";
        QTest::newRow("3") << 3 << "Versendungsland";
        QTest::newRow("4") << 4 << "Erzeugungsland";
        QTest::newRow("5") << 5 << "Ländercodes";
        QTest::newRow("-1") << -1 << "Ländercodes";
    }

    void countryDialogTexts()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        Common_DlgLaenderCode dialog(mode, QString(), QString());
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(dialog.CodeLabel()->text(), QStringLiteral("Länder-\n&code"));
        QCOMPARE(dialog.CodeLabel()->buddy(), dialog.CodeList());
        QCOMPARE(dialog.NameLabel()->text(), QStringLiteral("Land"));
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("Übernehmen"));
        QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(dialog.HelpButton()->text(), QStringLiteral("Hilfe"));
        QCOMPARE(dialog.CodeList()->toolTip(), QStringLiteral("In diesem Fenster den ISO-Ländercode auswählen"));
        QCOMPARE(dialog.NameList()->toolTip(), QStringLiteral("In diesem Fenster das Land auswählen"));
        QCOMPARE(dialog.CancelButton()->toolTip(), QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
        QCOMPARE(dialog.HelpButton()->toolTip(), QStringLiteral("Aufruf der On-Line Hilfe"));
        QCOMPARE(dialog.OkButton()->toolTip(), QStringLiteral("Dialog beenden und alle Daten sichern"));
        QCOMPARE(dialog.NameList()->count(), 352);
        QCOMPARE(dialog.CodeList()->count(), 352);
    }

    // ------------------------------------------------------------ federal states

    void federalStateTexts()
    {
        const QStringList texts = FederalStates::Texts();
        QCOMPARE(texts.size(), 17);
        QCOMPARE(texts.first(), QStringLiteral("01 - Schleswig-Holstein"));
        QCOMPARE(texts.at(7), QStringLiteral("08 - Baden-Würtemberg"));
        QCOMPARE(texts.at(15), QStringLiteral("16 - Thüringen"));
        QCOMPARE(texts.last(), QStringLiteral("99 - Ausland"));
        QCOMPARE(FederalStates::Text(1078), QStringLiteral("07 - Rheinland-Pfalz"));
        QCOMPARE(FederalStates::StateTexts(), texts.mid(0, 16));
        // Every row's code is the number its text starts with.
        for (int row = 0; row < texts.size(); ++row)
            QCOMPARE(FederalStates::ResultCode(row).value_or(QString()), texts.at(row).left(2));
        QVERIFY(!FederalStates::ResultCode(-1));
        QVERIFY(!FederalStates::ResultCode(17));
    }

    void federalStatePreselection_data()
    {
        QTest::addColumn<QString>("inCode");
        QTest::addColumn<QString>("selected"); // "" for none
        QTest::newRow("07") << "07" << "07 - Rheinland-Pfalz";
        QTest::newRow("7") << "7" << "07 - Rheinland-Pfalz";
        QTest::newRow("empty: the first") << "" << "01 - Schleswig-Holstein";
        QTest::newRow("16") << "16" << "16 - Thüringen";
        QTest::newRow("99 finds Ausland") << "99" << "99 - Ausland";
        QTest::newRow("17 is no code") << "17" << "";
        QTest::newRow("00") << "00" << "";
        QTest::newRow("letters") << "Bayern" << "";
        QTest::newRow("long number") << "99999999999999999999" << "";
    }

    void federalStatePreselection()
    {
        QFETCH(QString, inCode);
        QFETCH(QString, selected);
        const int row = FederalStates::InitialRow(inCode);
        QCOMPARE(FederalStates::Texts().value(row), selected);

        Common_DlgBundeslaenderCode dialog(inCode);
        dialog.show();
        QCOMPARE(Selected(dialog.List()), selected);
        // OK needs a state; without one it neither closes nor invents "00".
        QCOMPARE(dialog.OkButton()->isEnabled(), !selected.isEmpty());
        dialog.accept();
        QCOMPARE(dialog.result(), selected.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QCOMPARE(dialog.isVisible(), selected.isEmpty());
        QCOMPARE(dialog.StateCode(), selected.isEmpty() ? inCode : selected.left(2));
    }

    void federalStateChoice_data()
    {
        QTest::addColumn<QString>("inCode");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("code");
        QTest::newRow("Ausland gives 99") << "07" << "99 - Ausland" << false << "99";
        QTest::newRow("from nothing selected") << "42" << "03 - Niedersachsen" << false << "03";
        QTest::newRow("double-click") << "99" << "12 - Brandenburg" << true << "12";
    }

    void federalStateChoice()
    {
        QFETCH(QString, inCode);
        QFETCH(QString, choice);
        QFETCH(bool, doubleClick);
        QFETCH(QString, code);
        Common_DlgBundeslaenderCode dialog(inCode);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidgetItem* item = ItemWithText(dialog.List(), choice);
        if (doubleClick) {
            DoubleClick(dialog.List(), item);
        } else {
            Click(dialog.List(), item);
            QVERIFY(dialog.OkButton()->isEnabled());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.StateCode(), code);
    }

    void federalStateDialogTexts()
    {
        Common_DlgBundeslaenderCode plain(QStringLiteral("02"));
        QCOMPARE(plain.windowTitle(), QStringLiteral("Ländernummer (Inland)"));
        QCOMPARE(plain.List()->count(), 17);
        QCOMPARE(plain.OkButton()->text(), QStringLiteral("Übernehmen"));
        QCOMPARE(plain.CancelButton()->text(), QStringLiteral("Abbruch"));
        QCOMPARE(plain.List()->toolTip(), QStringLiteral("In diesem Fenster das Bundesland auswählen"));
        QCOMPARE(plain.CancelButton()->toolTip(), QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
        QCOMPARE(plain.OkButton()->toolTip(), QStringLiteral("Dialog beenden und alle Daten sichern"));
        Common_DlgBundeslaenderCode titled(QStringLiteral("02"), QStringLiteral("Ursprungsregion"));
        QCOMPARE(titled.windowTitle(), QStringLiteral("Ursprungsregion"));

        titled.show();
        QTest::keyClick(titled.List(), Qt::Key_Down);
        QTest::keyClick(titled.List(), Qt::Key_Escape);
        QCOMPARE(titled.result(), int(QDialog::Rejected));
        QCOMPARE(titled.StateCode(), QStringLiteral("02"));
    }
};

QTEST_MAIN(TestCodeLists)
#include "tst_codelists.moc"
