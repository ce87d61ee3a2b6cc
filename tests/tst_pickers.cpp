#include "TestSupport.h"

#include "app/SettingsStore.h"
#include "platform/Help.h"
#include "presets/DlgEH_Default01.h"
#include "presets/DlgEH_Default19.h"
#include "presets/DlgEH_Default25.h"
#include "presets/DlgEH_Default54.h"
#include "presets/FieldPickers.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace FieldPickers;

namespace {

struct SHelpRecorder
{
    SHelpRecorder()
    {
        Help::SetOpenFunction([this](QWidget* parent) { parents << parent; });
    }
    ~SHelpRecorder() { Help::SetOpenFunction(nullptr); }
    QList<QWidget*> parents;
};

// Code of the checked button of a group, "" when none is checked.
QString Checked(const QButtonGroup* group)
{
    const QAbstractButton* b = group->checkedButton();
    return b ? b->text() : QString();
}

QAbstractButton* ButtonWithText(const QButtonGroup* group, const QString& text)
{
    for (QAbstractButton* b : group->buttons()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QString Selected(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.size() == 1 ? items.first()->text() : QString();
}

void ClickItem(QListWidget* list, const QString& text, bool twice = false)
{
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    const QPoint p = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

QStringList ButtonTexts(const QWidget* dialog)
{
    QStringList texts;
    for (const QPushButton* b : dialog->findChildren<QPushButton*>())
        texts << b->text();
    texts.sort();
    return texts;
}

const QString kAbsent = QStringLiteral("<absent>");

QString Stored(const QString& value)
{
    const CSettingsStore profile = CSettingsStore::Profile();
    if (!profile.Contains(SettingsSection::kSettings, value))
        return kAbsent;
    return profile.ReadString(SettingsSection::kSettings, value, QString());
}

} // namespace

class TestPickers : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;

private Q_SLOTS:
    void init() { m_settings = std::make_unique<CIsolatedSettings>(); }
    void cleanup() { m_settings.reset(); }

    // ------------------------------------------------------------ box 1

    void box1_data()
    {
        QTest::addColumn<QStringList>("in");       // parts A, B, C
        QTest::addColumn<QStringList>("checked");  // A and B at opening, "" for none
        QTest::addColumn<QStringList>("clicks");   // A and B buttons to click, "" for none
        QTest::addColumn<QStringList>("out");
        QTest::newRow("ex in lower case") << QStringList{"ex", "B", "T2"} << QStringList{"", "B"} << QStringList{"", ""}
                                          << QStringList{"", "B", "T2"};
        QTest::newRow("T2L survives") << QStringList{"EX", "Z", "T2L"} << QStringList{"EX", "Z"} << QStringList{"", ""}
                                      << QStringList{"EX", "Z", "T2L"};
        QTest::newRow("T2X is emptied") << QStringList{"IM", "A", "T2X"} << QStringList{"IM", "A"} << QStringList{"", ""}
                                        << QStringList{"IM", "A", ""};
        QTest::newRow("whole text only") << QStringList{"EX ", "AB", "t2l"} << QStringList{"", ""} << QStringList{"", ""}
                                         << QStringList{"", "", ""};
        QTest::newRow("empty") << QStringList{"", "", ""} << QStringList{"", ""} << QStringList{"", ""} << QStringList{"", "", ""};
        QTest::newRow("clicked") << QStringList{"EU", "X", "T2LSM"} << QStringList{"EU", "X"} << QStringList{"CO", "Y"}
                                 << QStringList{"CO", "Y", "T2LSM"};
        QTest::newRow("clicked from nothing") << QStringList{"", "", ""} << QStringList{"", ""} << QStringList{"IN", "F"}
                                              << QStringList{"IN", "F", ""};
    }

    void box1()
    {
        QFETCH(QStringList, in);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, out);
        CDlgEH_Default01 dialog(in.at(0), in.at(1), in.at(2));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Checked(dialog.Group(EPart::kA)), checked.at(0));
        QCOMPARE(Checked(dialog.Group(EPart::kB)), checked.at(1));
        // Part C is carried, never shown.
        QVERIFY(!dialog.PartCBox()->isVisible());
        for (QAbstractButton* b : dialog.Group(EPart::kC)->buttons())
            QVERIFY(!b->isVisible());
        for (int part = 0; part < 2; ++part) {
            if (clicks.at(part).isEmpty())
                continue;
            QAbstractButton* b = ButtonWithText(dialog.Group(part == 0 ? EPart::kA : EPart::kB), clicks.at(part));
            QVERIFY(b && b->isVisible());
            QTest::mouseClick(b, Qt::LeftButton);
        }
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE((QStringList{dialog.PartA(), dialog.PartB(), dialog.PartC()}), out);
    }

    void box1CancelKeepsTheTexts()
    {
        CDlgEH_Default01 dialog(QStringLiteral("ex"), QStringLiteral("A"), QStringLiteral("T2X"));
        dialog.show();
        QTest::mouseClick(ButtonWithText(dialog.Group(EPart::kB), QStringLiteral("D")), Qt::LeftButton);
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE((QStringList{dialog.PartA(), dialog.PartB(), dialog.PartC()}), (QStringList{"ex", "A", "T2X"}));
    }

    void box1Texts()
    {
        CDlgEH_Default01 dialog{QString(), QString(), QString()};
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vorgaben für Feld 1"));
        QCOMPARE(dialog.Heading()->text(), QStringLiteral("1  A N M E L D U N G"));
        QCOMPARE(ButtonTexts(&dialog), (QStringList{"Abbruch", "Hilfe", "Übernehmen"}));
        QCOMPARE(dialog.OkButton()->text(), QStringLiteral("Übernehmen"));
        QStringList labels;
        for (EPart part : {EPart::kA, EPart::kB, EPart::kC}) {
            for (QAbstractButton* b : dialog.Group(part)->buttons())
                labels << b->text();
        }
        QCOMPARE(labels, (QStringList{"EU", "EX", "IM", "CO", "IN", "A", "B", "C", "D", "E", "F", "X", "Y", "Z",
                                      "T1", "T2", "T2F", "T", "T2L", "T2LF", "T2SM", "T2LSM"}));
    }

    // ------------------------------------------------------------ box 19

    void box19_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("checked"); // "" for none
        QTest::addColumn<int>("click");       // button to click, -1 for none
        QTest::addColumn<QString>("result");  // "" when OK cannot be pressed
        const QString no = QStringLiteral("0 - Nicht in Container befördert");
        const QString yes = QStringLiteral("1 - In Container befördert");
        QTest::newRow("empty selects 0") << "" << no << -1 << "0";
        QTest::newRow("1") << "1" << yes << -1 << "1";
        QTest::newRow("5 selects nothing") << "5" << "" << -1 << "";
        QTest::newRow("5, then 1 chosen") << "5" << "" << 1 << "1";
        QTest::newRow("0, then 1 chosen") << "0" << no << 1 << "1";
        QTest::newRow("a sign is no digit") << "-1" << no << -1 << "0";
        QTest::newRow("digits first") << "1 Container" << yes << 0 << "0";
    }

    void box19()
    {
        QFETCH(QString, text);
        QFETCH(QString, checked);
        QFETCH(int, click);
        QFETCH(QString, result);
        const int code = CodeFromText(text);
        CDlgEH_Default19 dialog(code);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Checked(dialog.Group()), checked);
        if (click >= 0)
            QTest::mouseClick(dialog.Group()->button(click), Qt::LeftButton);
        // Without a choice there is no code to write: OK waits.
        QCOMPARE(dialog.OkButton()->isEnabled(), !result.isEmpty());
        dialog.accept();
        if (result.isEmpty()) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.Code(), code);
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ResultText(), result);
    }

    // ------------------------------------------------------------ box 25

    void box25Codes()
    {
        // Eight rows, codes 1 to 9 without 6; every row's code finds the row again.
        const QStringList texts = TransportTexts();
        QCOMPARE(texts.size(), 8);
        QList<int> codes;
        for (int row = 0; row < texts.size(); ++row) {
            const int code = TransportCode(row).value_or(-1);
            codes << code;
            QVERIFY(texts.at(row).startsWith(QString::number(code) + QStringLiteral(" - ")));
            QCOMPARE(TransportRow(code), row);
        }
        QCOMPARE(codes, (QList<int>{1, 2, 3, 4, 5, 7, 8, 9}));
        QVERIFY(!TransportCode(-1));
        QVERIFY(!TransportCode(8));
        QCOMPARE(TransportRow(0), 0);
        QCOMPARE(TransportRow(6), 4);
        QCOMPARE(TransportRow(10), -1);
        QCOMPARE(Text(1097), QStringLiteral("9 - Eigener Antrieb"));
    }

    void box25_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected"); // "" for none
        QTest::addColumn<QString>("choice");   // row to click, "" for none
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("result");   // "" when OK cannot be pressed
        QTest::newRow("7") << "7" << "7 - Festinstallierte Transporteinrichtungen" << "" << false << "7";
        QTest::newRow("6 selects 5") << "6" << "5 - Postsendungen" << "" << false << "5";
        QTest::newRow("empty selects 1") << "" << "1 - Seeverkehr" << "" << false << "1";
        QTest::newRow("9") << "9" << "9 - Eigener Antrieb" << "" << false << "9";
        QTest::newRow("10 selects nothing") << "10" << "" << "" << false << "";
        QTest::newRow("choosing 8") << "3" << "3 - Straßenverkehr" << "8 - Binnenschiffahrt" << false << "8";
        QTest::newRow("double-click from nothing") << "12" << "" << "2 - Eisenbahnverkehr" << true << "2";
    }

    void box25()
    {
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QString, choice);
        QFETCH(bool, doubleClick);
        QFETCH(QString, result);
        const int code = CodeFromText(text);
        CDlgEH_Default25 dialog(code);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Selected(dialog.List()), selected);
        if (!choice.isEmpty())
            ClickItem(dialog.List(), choice, doubleClick);
        if (!doubleClick) {
            QCOMPARE(dialog.OkButton()->isEnabled(), !result.isEmpty());
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        }
        if (result.isEmpty()) {
            dialog.accept(); // not even a direct call closes it without a choice
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.Code(), code);
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ResultText(), result);
    }

    // ------------------------------------------------------------ box 54

    void box54Opening_data()
    {
        QTest::addColumn<QString>("reuse"); // stored ReuseDatumOrt, "" for none
        QTest::addColumn<QString>("place"); // stored DatumOrt, "" for none
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fresh profile") << "" << "" << true << "";
        QTest::newRow("remembered") << "1" << "Hamburg" << true << "Hamburg";
        QTest::newRow("place without switch") << "" << "Hamburg" << true << "Hamburg";
        QTest::newRow("switched off") << "0" << "Hamburg" << false << "";
    }

    void box54Opening()
    {
        QFETCH(QString, reuse);
        QFETCH(QString, place);
        QFETCH(bool, checked);
        QFETCH(QString, shown);
        const CSettingsStore profile = CSettingsStore::Profile();
        if (!reuse.isEmpty())
            profile.WriteInt(SettingsSection::kSettings, QStringLiteral("ReuseDatumOrt"), reuse.toInt());
        if (!place.isEmpty())
            profile.WriteString(SettingsSection::kSettings, QStringLiteral("DatumOrt"), place);
        CDlgEH_Default54 dialog;
        QCOMPARE(dialog.RememberCheck()->isChecked(), checked);
        QCOMPARE(dialog.PlaceEdit()->text(), shown);
    }

    void box54Ok_data()
    {
        QTest::addColumn<QString>("storedPlace"); // DatumOrt before, "" for none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("remember");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("reuse"); // stored afterwards
        QTest::addColumn<QString>("place"); // stored afterwards
        QTest::newRow("Hamburg and a blank") << "" << "Hamburg " << true << QDate(2024, 3, 5) << "Hamburg, 5.3.2024" << "1"
                                             << "Hamburg";
        QTest::newRow("no place") << "Bremen" << "" << true << QDate(2024, 3, 5) << "5.3.2024" << "1" << "";
        QTest::newRow("blanks only") << "" << "   " << true << QDate(2024, 12, 31) << "31.12.2024" << "1" << "";
        QTest::newRow("not remembered") << "Bremen" << "Kiel" << false << QDate(2024, 11, 12) << "Kiel, 12.11.2024" << "0"
                                        << "Bremen";
        QTest::newRow("umlauts kept") << "" << "Lübeck" << true << QDate(2025, 1, 9) << "Lübeck, 9.1.2025" << "1" << "Lübeck";
    }

    void box54Ok()
    {
        QFETCH(QString, storedPlace);
        QFETCH(QString, typed);
        QFETCH(bool, remember);
        QFETCH(QDate, date);
        QFETCH(QString, result);
        QFETCH(QString, reuse);
        QFETCH(QString, place);
        if (!storedPlace.isEmpty())
            CSettingsStore::Profile().WriteString(SettingsSection::kSettings, QStringLiteral("DatumOrt"), storedPlace);
        {
            CDlgEH_Default54 dialog;
            dialog.SetDate(date);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.PlaceEdit()->setText(typed);
            if (dialog.RememberCheck()->isChecked() != remember)
                QTest::mouseClick(dialog.RememberCheck(), Qt::LeftButton);
            QCOMPARE(dialog.RememberCheck()->isChecked(), remember);
            QTest::keyClick(dialog.PlaceEdit(), Qt::Key_Return); // "Datum einsetzen" is the default
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Result(), result);
        }
        QCOMPARE(Stored(QStringLiteral("ReuseDatumOrt")), reuse);
        QCOMPARE(Stored(QStringLiteral("DatumOrt")), place);
        // The next run starts from what was stored.
        CDlgEH_Default54 next;
        QCOMPARE(next.RememberCheck()->isChecked(), remember);
        QCOMPARE(next.PlaceEdit()->text(), remember ? place : QString());
    }

    void box54CancelStoresNothing()
    {
        CDlgEH_Default54 dialog;
        dialog.show();
        QTest::keyClicks(dialog.PlaceEdit(), QStringLiteral("Hamburg"));
        QTest::mouseClick(dialog.RememberCheck(), Qt::LeftButton);
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.Result(), QString());
        QCOMPARE(Stored(QStringLiteral("ReuseDatumOrt")), kAbsent);
        QCOMPARE(Stored(QStringLiteral("DatumOrt")), kAbsent);
    }

    void box54TakesTodayWithoutADate()
    {
        CDlgEH_Default54 dialog;
        const QDate before = QDate::currentDate();
        dialog.accept();
        const QDate after = QDate::currentDate();
        QVERIFY(dialog.Result() == DateText(QString(), before) || dialog.Result() == DateText(QString(), after));
    }

    // ------------------------------------------------------------ texts and help

    void pickerTexts()
    {
        CDlgEH_Default19 d19(0);
        QCOMPARE(d19.windowTitle(), QStringLiteral("Vorgaben für Feld 19"));
        QCOMPARE(ButtonTexts(&d19), (QStringList{"Abbruch", "Hilfe", "Übernehmen"}));
        QCOMPARE(d19.OkButton()->toolTip(), QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden"));
        QCOMPARE(d19.CancelButton()->toolTip(), QStringLiteral("Dialog abbrechen"));
        QCOMPARE(d19.HelpButton()->toolTip(), QStringLiteral("Aufruf der On-Line Hilfe"));

        CDlgEH_Default25 d25(0);
        QCOMPARE(d25.windowTitle(), QStringLiteral("Vorgaben für Verkehrszweig"));
        QCOMPARE(ButtonTexts(&d25), (QStringList{"Abbruch", "Hilfe", "Übernehmen"}));
        QCOMPARE(d25.List()->toolTip(), QStringLiteral("Hier den Verkehrsweg auswählen"));
        QCOMPARE(d25.OkButton()->toolTip(), QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden"));
        QCOMPARE(d25.CancelButton()->toolTip(), QStringLiteral("Dialog abbrechen"));
        QCOMPARE(d25.HelpButton()->toolTip(), QStringLiteral("Aufruf der On-Line Hilfe"));

        CDlgEH_Default54 d54;
        QCOMPARE(d54.windowTitle(), QStringLiteral("Aktuelles Datum einfügen"));
        QCOMPARE(ButtonTexts(&d54), (QStringList{"Abbrechen", "Datum einsetzen"}));
        QCOMPARE(d54.RememberCheck()->text(), QStringLiteral("Ortsname merken"));
        QCOMPARE(d54.PlaceEdit()->toolTip(), QStringLiteral("Ortsname eintragen"));
        QCOMPARE(d54.OkButton()->toolTip(), QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden"));
        QCOMPARE(d54.CancelButton()->toolTip(), QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
        QStringList labels;
        for (const QLabel* l : d54.findChildren<QLabel*>())
            labels << l->text();
        QCOMPARE(labels, QStringList{"Ort:"});

        // Box 1 has no tooltips at all.
        CDlgEH_Default01 d01{QString(), QString(), QString()};
        for (const QWidget* w : d01.findChildren<QWidget*>())
            QCOMPARE(w->toolTip(), QString());
    }

    void helpOpensTheManual()
    {
        SHelpRecorder help;
        CDlgEH_Default01 d01{QString(), QString(), QString()};
        CDlgEH_Default19 d19(0);
        CDlgEH_Default25 d25(0);
        for (QDialog* d : std::initializer_list<QDialog*>{&d01, &d19, &d25}) {
            d->show();
            QPushButton* button = nullptr;
            for (QPushButton* b : d->findChildren<QPushButton*>()) {
                if (b->text() == QLatin1String("Hilfe"))
                    button = b;
            }
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(help.parents.value(help.parents.size() - 1), d);
            QVERIFY(d->isVisible()); // help leaves the dialog open
        }
        QCOMPARE(help.parents.size(), 3);
    }
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
