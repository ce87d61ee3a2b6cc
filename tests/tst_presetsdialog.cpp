#include "GuiTestSupport.h"
#include "TestSupport.h"

#include "app/ChildFrame.h"
#include "app/FieldDefinitionStore.h"
#include "app/FrameCommands.h"
#include "app/MainFrame.h"
#include "app/RegeditManagment.h"
#include "app/SettingsStore.h"
#include "app/VelmoraImportApp.h"
#include "document/DocumentPresets.h"
#include "document/EinheitspapierDoc.h"
#include "fields/FieldDefinitions.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "presets/DlgDefaultTexte_EH.h"
#include "presets/PresetSettings.h"
#include "view/EinheitspapierView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

const QString kStoredMessage = QStringLiteral(
    "Die Vorgabedaten wurden gesichert\nund werden beim nächsten neuen\nDokument benutzt.");

// Clicks the box itself, as a user does, not just the middle of a wide widget.
void Tick(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

// The stamp boxes: sheet kind and the first of six fields.
struct SStampGroup
{
    const char* name;
    int sheetKind;
    int first;
};
const SStampGroup kStampGroups[] = {
    {"A, page 1", kMainSheet, 3}, {"A, continuation", kContSheet, 1}, {"C, page 1", kMainSheet, 53}, {"C2", kContSheet, 38}};

bool InStampGroup(int field, int sheetKind)
{
    for (const SStampGroup& g : kStampGroups)
        if (g.sheetKind == sheetKind && field >= g.first && field < g.first + 6)
            return true;
    return false;
}

} // namespace

class TestPresetsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    std::unique_ptr<SMessages> m_messages;
    std::unique_ptr<CRegeditManagment> m_library;
    CFieldDefinitions m_defs;
    const QString D = SettingsSection::kDefaults;

    CSettingsStore Profile() const { return CSettingsStore::Profile(); }
    QString Stored(const QString& value) const { return Profile().ReadString(D, value, QStringLiteral("<fehlt>")); }

    std::unique_ptr<CDlgDefaultTexte_EH> NewDialog()
    {
        auto dlg = std::make_unique<CDlgDefaultTexte_EH>(Profile(), *m_library, m_defs);
        dlg->show();
        return dlg;
    }

    // A new document as the editor makes it, first shown.
    std::unique_ptr<CEinheitspapierDoc> NewDocument() const
    {
        auto doc = std::make_unique<CEinheitspapierDoc>(Profile());
        doc->OnNewDocument();
        doc->InitialUpdate();
        return doc;
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_messages = std::make_unique<SMessages>();
        m_library = std::make_unique<CRegeditManagment>();
        m_library->InitFromNames(QStringLiteral("1.0.0.0"));
        m_defs = CFieldDefinitions();
        FieldDefinitionStore::Load(m_defs, Profile(), *m_library);
    }
    void cleanup()
    {
        Help::SetOpenFunction(nullptr);
        CDlgDefaultTexte_EH::SetRunFunction(nullptr);
        m_messages.reset();
        m_library.reset();
        m_settings.reset();
    }

    // ------------------------------------------------------------ consignee

    void consigneeLines_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("reopened");
        const QString sixty = QString(49, QLatin1Char('a')) + QString(11, QLatin1Char('b'));
        QTest::newRow("60 characters") << sixty << QStringList{QString(49, QLatin1Char('a')), "", "", ""}
                                       << QString(49, QLatin1Char('a'));
        QTest::newRow("49 characters stay") << QString(49, QLatin1Char('x')) << QStringList{QString(49, QLatin1Char('x')), "", "", ""}
                                            << QString(49, QLatin1Char('x'));
        QTest::newRow("five lines") << "Eins\r\nZwei\r\nDrei\r\nVier\r\nFünf" << QStringList{"Eins", "Zwei", "Drei", "Vier"}
                                    << "Eins\r\nZwei\r\nDrei\r\nVier";
        QTest::newRow("line feeds only") << "Müller GmbH\nHafenstraße 1" << QStringList{"Müller GmbH", "Hafenstraße 1", "", ""}
                                         << "Müller GmbH\r\nHafenstraße 1";
        QTest::newRow("empty line inside") << "A\r\n\r\nC" << QStringList{"A", "", "C", ""} << "A\r\n\r\nC";
        QTest::newRow("empty") << "" << QStringList{"", "", "", ""} << "";
        // A cut through a character outside the basic plane would store half of it.
        QTest::newRow("cut at a surrogate pair") << QString(48, QLatin1Char('x')) + QStringLiteral("\U0001F600y")
                                                 << QStringList{QString(48, QLatin1Char('x')), "", "", ""}
                                                 << QString(48, QLatin1Char('x'));
    }

    void consigneeLines()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, stored);
        QFETCH(QString, reopened);
        SPresetValues v = PresetSettings::Read(Profile());
        v.consignee = typed;
        QVERIFY(PresetSettings::Store(v, Profile(), *m_library, m_defs));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Stored(QStringLiteral("Firma%1").arg(i + 1)), stored.at(i));
        QCOMPARE(PresetSettings::Read(Profile()).consignee, reopened);
    }

    void consigneeOpensJoinedAndTrimmed()
    {
        const CSettingsStore p = Profile();
        p.WriteString(D, QStringLiteral("Firma1"), QStringLiteral("A"));
        p.WriteString(D, QStringLiteral("Firma2"), QStringLiteral("B  "));
        p.WriteString(D, QStringLiteral("Firma3"), QString());
        p.WriteString(D, QStringLiteral("Firma4"), QStringLiteral("   "));
        auto dlg = NewDialog();
        QCOMPARE(dlg->ConsigneeEdit()->toPlainText(), QStringLiteral("A\nB"));
        QCOMPARE(dlg->Values().consignee, QStringLiteral("A\r\nB"));
    }

    // ------------------------------------------------------------ fresh profile

    void freshProfile()
    {
        auto dlg = NewDialog();
        QVERIFY(!dlg->UseConsigneeBox()->isChecked());
        QVERIFY(!dlg->UseDeclarantBox()->isChecked());
        QVERIFY(dlg->UseField17Box()->isChecked());
        QVERIFY(dlg->UseField34Box()->isChecked());
        QVERIFY(dlg->AutoFillBox()->isChecked());
        QVERIFY(dlg->ThreeLineBox()->isChecked());
        QVERIFY(dlg->ShowXxxBox()->isChecked());
        for (QCheckBox* off : {dlg->NotOnPage2Box(), dlg->StampABox(), dlg->StampCBox(), dlg->StampC2Box(), dlg->DateInStampBox()})
            QVERIFY2(!off->isChecked(), qPrintable(off->text()));
        QCOMPARE(dlg->RoleList()->currentIndex(), 0);
        QCOMPARE(dlg->Field17List()->currentText(), QStringLiteral("01 - Schleswig-Holstein"));
        QCOMPARE(dlg->Field34List()->currentText(), QStringLiteral("01 - Schleswig-Holstein"));
        QVERIFY(dlg->ConsigneeEdit()->toPlainText().isEmpty());

        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        const QList<std::pair<const char*, const char*>> expected = {
            {"Feld2", "0"}, {"Feld2S2", "0"}, {"Feld14", "0"}, {"Feld17", "4"}, {"Feld34", "4"}, {"Anmelder", "0"},
            {"AutoFillPositions", "1"}, {"3LineInStamp", "1"}, {"EH_ShowXX", "1"}, {"AutoDateInStamp", "0"},
            {"Stamp_A", "0"}, {"Stamp_C", "0"}, {"Stamp_C2", "0"}, {"Bundesland1", "01"}, {"Bundesland2", "01"},
            {"ZollNummer1", ""}, {"ZollNummer2", ""}, {"Firma1", ""}, {"Firma4", ""}};
        for (const auto& [name, value] : expected)
            QCOMPARE(Stored(QString::fromLatin1(name)), QString::fromLatin1(value));
        QCOMPARE(m_messages->texts, QStringList{kStoredMessage});
    }

    // ------------------------------------------------------------ federal states

    void federalStates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("storedOnOk");
        QTest::newRow("07") << "07" << 6 << "07";
        QTest::newRow("99 Ausland is not offered") << "99" << -1 << "00";
        QTest::newRow("16 last state") << "16" << 15 << "16";
        QTest::newRow("17") << "17" << -1 << "00";
        QTest::newRow("00") << "00" << -1 << "00";
        QTest::newRow("one digit") << "7" << 6 << "07";
        QTest::newRow("digits then text") << "03x" << 2 << "03";
        QTest::newRow("no digits") << "Bayern" << -1 << "00";
        QTest::newRow("empty") << "" << -1 << "00";
        QTest::newRow("negative") << "-3" << -1 << "00";
        QTest::newRow("leading blank") << " 7" << -1 << "00";
        QTest::newRow("huge") << "99999999999999999999" << -1 << "00";
    }

    void federalStates()
    {
        QFETCH(QString, code);
        QFETCH(int, row);
        QFETCH(QString, storedOnOk);
        // Box 34b reads Bundesland1, box 17b Bundesland2; a different state in
        // the other list shows that the two are not crossed.
        Profile().WriteString(D, QStringLiteral("Bundesland1"), code);
        Profile().WriteString(D, QStringLiteral("Bundesland2"), QStringLiteral("03"));
        auto dlg = NewDialog();
        QCOMPARE(dlg->Field34List()->count(), 16);
        QCOMPARE(dlg->Field34List()->itemText(15), QStringLiteral("16 - Thüringen"));
        QCOMPARE(dlg->Field34List()->currentIndex(), row);
        if (row == 6)
            QCOMPARE(dlg->Field34List()->currentText(), QStringLiteral("07 - Rheinland-Pfalz"));
        QCOMPARE(dlg->Field17List()->currentText(), QStringLiteral("03 - Niedersachsen"));
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        QCOMPARE(Stored(QStringLiteral("Bundesland1")), storedOnOk);
        QCOMPARE(Stored(QStringLiteral("Bundesland2")), QStringLiteral("03"));
    }

    // ------------------------------------------------------------ declarant role

    void declarantRoles_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("row");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("Ausführer") << 1 << 1;
        QTest::newRow("Versender") << 2 << 2;
        QTest::newRow("Einführer") << 3 << 3;
        QTest::newRow("Subunternehmer") << 4 << 4;
        QTest::newRow("unknown role") << 5 << -1;
        QTest::newRow("negative") << -1 << -1;
    }

    // The row chosen here is the role a new document writes into box 14.
    void declarantRoles()
    {
        QFETCH(int, stored);
        QFETCH(int, row);
        Profile().WriteInt(D, QStringLiteral("Anmelder"), stored);
        auto dlg = NewDialog();
        QCOMPARE(dlg->RoleList()->count(), 5);
        QCOMPARE(dlg->RoleList()->currentIndex(), row);
        for (int r = 0; r < 5; ++r)
            QCOMPARE(dlg->RoleList()->itemText(r), DocumentPresets::DeclarantRoleText(r));
        dlg->UseDeclarantBox()->setChecked(true);
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        QCOMPARE(NewDocument()->Engine().GetFieldText(19, 1), row < 0 ? QString() : dlg->RoleList()->itemText(row));
    }

    // ------------------------------------------------------------ stamps

    void stampFlags_data()
    {
        QTest::addColumn<bool>("a");
        QTest::addColumn<bool>("c");
        QTest::addColumn<bool>("c2");
        QTest::newRow("all off") << false << false << false;
        QTest::newRow("all on") << true << true << true;
        QTest::newRow("A only") << true << false << false;
        QTest::newRow("C only") << false << true << false;
        QTest::newRow("C2 only") << false << false << true;
    }

    void stampFlags()
    {
        QFETCH(bool, a);
        QFETCH(bool, c);
        QFETCH(bool, c2);
        // Every flag byte starts with a bit the switches never set, so any
        // byte they touch outside their boxes shows.
        CFieldDefinitions defs;
        defs.Table(kMainSheet).fill(char(0x04));
        defs.Table(kContSheet).fill(char(0x04));
        PresetSettings::ApplyStampFlags(defs, a, c, c2);
        const bool on[] = {a, a, c, c2};
        for (int g = 0; g < 4; ++g)
            for (int i = kStampGroups[g].first; i < kStampGroups[g].first + 6; ++i)
                for (int v = 0; v < 4; ++v)
                    QVERIFY2(defs.Flags(i, kStampGroups[g].sheetKind, v) == (on[g] ? 0 : 0x0B),
                             qPrintable(QStringLiteral("%1 field %2 variant %3").arg(kStampGroups[g].name).arg(i).arg(v)));
        for (int kind : {int(kMainSheet), int(kContSheet)})
            for (int i = 0; i < (kind == kMainSheet ? kMainFieldCount : kContFieldCount); ++i)
                if (!InStampGroup(i, kind))
                    for (int v = 0; v < 4; ++v)
                        QVERIFY2(defs.Flags(i, kind, v) == 0x04, qPrintable(QStringLiteral("kind %1 field %2").arg(kind).arg(i)));
    }

    // Stamp A off: its six boxes of both sheet kinds can no longer be edited
    // or seen, at once and after the next start.
    void stampAOffSurvivesARestart()
    {
        Profile().WriteInt(D, QStringLiteral("Stamp_A"), 1);
        PresetSettings::ApplyStampFlags(m_defs, true, false, false);
        FieldDefinitionStore::Save(m_defs, Profile(), *m_library);

        auto dlg = NewDialog();
        QVERIFY(dlg->StampABox()->isChecked());
        Tick(dlg->StampABox());
        QVERIFY(!dlg->StampABox()->isChecked());
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        QVERIFY(dlg->Stored());
        QCOMPARE(Stored(QStringLiteral("Stamp_A")), QStringLiteral("0"));

        CFieldDefinitions restarted;
        CRegeditManagment library;
        library.InitFromNames(QStringLiteral("1.0.0.0"));
        FieldDefinitionStore::Load(restarted, Profile(), library);
        for (const CFieldDefinitions* defs : {&m_defs, &restarted})
            for (int g = 0; g < 2; ++g)
                for (int i = kStampGroups[g].first; i < kStampGroups[g].first + 6; ++i) {
                    QVERIFY(!defs->IsEditable(i, kStampGroups[g].sheetKind));
                    QVERIFY(!defs->IsShown(i, kStampGroups[g].sheetKind));
                    QVERIFY(!defs->IsPrinted(i, kStampGroups[g].sheetKind));
                }
        QVERIFY(restarted.IsEditable(9, kMainSheet));
        QVERIFY(restarted.IsEditable(0, kContSheet));
    }

    // ------------------------------------------------------------ the dialog as a clerk uses it

    void typingAndTickingIsStored()
    {
        auto dlg = NewDialog();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QPlainTextEdit* consignee = dlg->ConsigneeEdit();
        consignee->setFocus();
        QTest::keyClicks(consignee, QStringLiteral("Spedition Muster GmbH"));
        QTest::keyClick(consignee, Qt::Key_Return);
        QTest::keyClicks(consignee, QStringLiteral("Hafenstraße 1"));
        QTest::keyClick(consignee, Qt::Key_Return);
        QTest::keyClicks(consignee, QStringLiteral("20457 Hamburg"));
        QTest::keyClicks(dlg->ConsigneeNumberEdit(), QStringLiteral("DE1234567"));
        QTest::keyClicks(dlg->DeclarantNumberEdit(), QStringLiteral("DE7654321"));
        // Down twice from the empty row: "Versender - 00300".
        QTest::keyClick(dlg->RoleList(), Qt::Key_Down);
        QTest::keyClick(dlg->RoleList(), Qt::Key_Down);
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(dlg->Field17List(), Qt::Key_Down); // to "09 - Bayern"
        QTest::keyClick(dlg->Field34List(), Qt::Key_End); // "16 - Thüringen"
        for (QCheckBox* box : {dlg->UseConsigneeBox(), dlg->UseDeclarantBox(), dlg->UseField17Box(), dlg->NotOnPage2Box(),
                               dlg->StampABox(), dlg->StampCBox(), dlg->DateInStampBox(), dlg->ThreeLineBox()})
            Tick(box);
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);

        QVERIFY(!dlg->isVisible());
        QCOMPARE(m_messages->texts, QStringList{kStoredMessage});
        const QList<std::pair<const char*, QString>> expected = {
            {"Firma1", QStringLiteral("Spedition Muster GmbH")}, {"Firma2", QStringLiteral("Hafenstraße 1")},
            {"Firma3", QStringLiteral("20457 Hamburg")}, {"Firma4", QString()},
            {"ZollNummer1", QStringLiteral("DE1234567")}, {"ZollNummer2", QStringLiteral("DE7654321")},
            {"Anmelder", QStringLiteral("2")}, {"Bundesland2", QStringLiteral("09")}, {"Bundesland1", QStringLiteral("16")},
            {"Feld2", QStringLiteral("4")}, {"Feld2S2", QStringLiteral("1")}, {"Feld14", QStringLiteral("4")},
            {"Feld17", QStringLiteral("0")}, {"Feld34", QStringLiteral("4")}, {"Stamp_A", QStringLiteral("1")},
            {"Stamp_C", QStringLiteral("1")}, {"Stamp_C2", QStringLiteral("0")}, {"AutoDateInStamp", QStringLiteral("1")},
            {"3LineInStamp", QStringLiteral("0")}, {"AutoFillPositions", QStringLiteral("1")}};
        for (const auto& [name, value] : expected)
            QCOMPARE(Stored(QString::fromLatin1(name)), value);
        QVERIFY(m_defs.IsEditable(3, kMainSheet) && m_defs.IsShown(53, kMainSheet));
        QVERIFY(!m_defs.IsShown(38, kContSheet));

        // What a new document receives from it.
        auto doc = NewDocument();
        QCOMPARE(doc->Engine().GetFieldText(17, 1), QStringLiteral("Spedition Muster GmbH\r\nHafenstraße 1\r\n20457 Hamburg"));
        QCOMPARE(doc->Engine().GetFieldText(16, 1), QStringLiteral("DE1234567"));
        QCOMPARE(doc->Engine().GetFieldText(19, 1), QStringLiteral("Versender - 00300"));
        QCOMPARE(doc->Engine().GetFieldText(18, 1), QStringLiteral("DE7654321"));
        QVERIFY(!doc->Engine().GetFieldText(6, 1).isEmpty()); // the date in stamp A
    }

    void cancelStoresNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Abbruch") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelStoresNothing()
    {
        QFETCH(bool, escape);
        const QByteArray flagsBefore = m_defs.Table(kMainSheet);
        auto dlg = NewDialog();
        QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
        QTest::keyClicks(dlg->ConsigneeEdit(), QStringLiteral("Nicht speichern"));
        Tick(dlg->StampABox());
        Tick(dlg->UseField34Box());
        if (escape)
            QTest::keyClick(dlg->ConsigneeNumberEdit(), Qt::Key_Escape);
        else
            QTest::mouseClick(dlg->CancelButton(), Qt::LeftButton);
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        QVERIFY(!dlg->isVisible());
        for (const char* name : {"Firma1", "Stamp_A", "Feld34", "Bundesland1", "Anmelder"})
            QVERIFY2(!Profile().Contains(D, QString::fromLatin1(name)), name);
        QCOMPARE(m_defs.Table(kMainSheet), flagsBefore);
        QVERIFY(m_messages->texts.isEmpty());
    }

    void helpOpensTheManual_data()
    {
        QTest::addColumn<bool>("key");
        QTest::newRow("Hilfe") << false;
        QTest::newRow("F1") << true;
    }

    void helpOpensTheManual()
    {
        QFETCH(bool, key);
        QList<QWidget*> calls;
        Help::SetOpenFunction([&calls](QWidget* parent) { calls << parent; });
        auto dlg = NewDialog();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        if (key)
            QTest::keyClick(dlg->ConsigneeNumberEdit(), Qt::Key_F1);
        else
            QTest::mouseClick(dlg->HelpButton(), Qt::LeftButton);
        QCOMPARE(calls, QList<QWidget*>{dlg.get()});
        QVERIFY(dlg->isVisible()); // help does not end the dialog
        QVERIFY(!Profile().Contains(D, QStringLiteral("Feld17")));
    }

    void tooltips()
    {
        auto dlg = NewDialog();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Voreinstellungen und Vorgabetexte (Einheitspapier)"));
        QCOMPARE(dlg->ConsigneeEdit()->toolTip(), QStringLiteral("Eintragen: Firmenname und Adresse des Versenders/Ausführers"));
        QCOMPARE(dlg->DeclarantNumberEdit()->toolTip(), QStringLiteral("Eintragen: Zollnummer des Anmelders/Vertereters"));
        QCOMPARE(dlg->Field17List()->toolTip(), QStringLiteral("Auswählen: Bestimmungsland"));
        QCOMPARE(dlg->Field34List()->toolTip(), QStringLiteral("Auswählen: Ursprungsland"));
        QCOMPARE(dlg->NotOnPage2Box()->toolTip(), QStringLiteral("Deaktiviert die Angaben für die Ergänzungsblätter"));
        QCOMPARE(dlg->ThreeLineBox()->toolTip(), QStringLiteral("Ermöglicht eine dreizeilige Eingabe im Stempelfeld 2 und 5"));
        QVERIFY(dlg->ShowXxxBox()->toolTip().isEmpty());
        QVERIFY(dlg->StampC2Box()->toolTip().isEmpty());
        QCOMPARE(dlg->CancelButton()->text(), QStringLiteral("Abbruch"));
        QCOMPARE(dlg->OkButton()->toolTip(), QStringLiteral("Dialog beenden und alle Daten sichern"));
        QCOMPARE(dlg->HelpButton()->toolTip(), QStringLiteral("Aufruf der On-Line Hilfe"));
    }

    // A settings file that cannot be written must not be reported as saved.
    void unwritableSettingsAreReported()
    {
        const QString file = Profile().FileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file)); // a folder where the file belongs
        auto dlg = NewDialog();
        QTest::keyClicks(dlg->ConsigneeNumberEdit(), QStringLiteral("DE1"));
        QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        QVERIFY(!dlg->Stored());
        QCOMPARE(m_messages->texts.size(), 1);
        QVERIFY(m_messages->texts.first().startsWith(QStringLiteral("Die Vorgabedaten konnten nicht gesichert werden.")));
        QVERIFY(m_messages->texts.first().contains(file));
    }

    // ------------------------------------------------------------ in the program

    void formPresetsCommand()
    {
        std::function<void(CDlgDefaultTexte_EH&)> act;
        int runs = 0;
        CDlgDefaultTexte_EH::SetRunFunction([&](QDialog& d) {
            ++runs;
            d.show();
            act(static_cast<CDlgDefaultTexte_EH&>(d));
            return d.result();
        });
        {
            CVelmoraImportApp app;
            QVERIFY(app.InitInstance({}, false));
            CMainFrame* frame = app.MainFrame();
            QAction* command = frame->Action(Cmd::kFormPresets);
            QVERIFY(command->isEnabled());
            QCOMPARE(command->shortcut(), QKeySequence(Qt::Key_F8));
            CEinheitspapierView* view = frame->ActiveView();
            view->PrepareForDisplay();
            QVERIFY(!view->Navigator().IsEditable(3, 1)); // stamp A is off at first

            act = [](CDlgDefaultTexte_EH& d) {
                Tick(d.StampABox());
                QTest::mouseClick(d.OkButton(), Qt::LeftButton);
            };
            frame->RouteCommand(Cmd::kFormPresets);
            QCOMPARE(runs, 1);
            QVERIFY(view->Navigator().IsEditable(3, 1));
            QVERIFY(view->Navigator().IsEditable(1, 2));

            // Switched off while the caret stands in a stamp box: the caret moves on.
            view->GoToField(3, 1);
            QCOMPARE(int(view->Engine().GetCurrentField()), 3);
            frame->RouteCommand(Cmd::kFormPresets);
            QCOMPARE(runs, 2);
            QVERIFY(!view->Navigator().IsEditable(3, 1));
            QVERIFY(view->Navigator().IsEditable(view->Engine().GetCurrentField(), 1));

            // Cancel leaves everything as it is.
            act = [](CDlgDefaultTexte_EH& d) {
                Tick(d.StampABox());
                QTest::mouseClick(d.CancelButton(), Qt::LeftButton);
            };
            frame->RouteCommand(Cmd::kFormPresets);
            QVERIFY(!view->Navigator().IsEditable(3, 1));

            // Without a document there is nothing to set up.
            frame->ActiveChild()->close();
            QCoreApplication::processEvents();
            QVERIFY(frame->Children().isEmpty());
            QVERIFY(!command->isEnabled());
        }
        CVelmoraImportApp restarted;
        QVERIFY(restarted.InitInstance({}, false));
        QVERIFY(!restarted.FieldDefinitions().IsShown(3, kMainSheet));
        QVERIFY(!restarted.FieldDefinitions().IsShown(1, kContSheet));
        QCOMPARE(CSettingsStore::Profile().ReadInt(D, QStringLiteral("Stamp_A"), -1), 0);
    }
};

QTEST_MAIN(TestPresetsDialog)
#include "tst_presetsdialog.moc"
