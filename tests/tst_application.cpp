#include "TestSupport.h"

#include "app/ChildFrame.h"
#include "app/CommandTable.h"
#include "app/FrameCommands.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "app/StartUp.h"
#include "app/VelmoraImportApp.h"
#include "document/EinheitspapierDoc.h"
#include "platform/Prompts.h"
#include "view/EinheitspapierView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace {

// Records every message the program shows and answers with a fixed button.
struct SPromptRecorder
{
    SPromptRecorder()
    {
        Prompts::SetAskFunction([this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons,
                                       QMessageBox::StandardButton) {
            messages.append(text);
            return answer;
        });
        Prompts::SetSaveFileFunction([this](QWidget*, const QString&, const QString&, const QString&) { return savePath; });
        Prompts::SetOpenFileFunction([this](QWidget*, const QString&, const QString&, const QString&) { return openPath; });
        Prompts::SetLinksFunction([this](QWidget*, const QString& title, const QString& instruction, const QString&,
                                         const QStringList& links, int defaultLink) {
            messages.append(title + QLatin1Char('|') + instruction + QLatin1Char('|') + links.join(QLatin1Char('|'))
                            + QLatin1Char('|') + QString::number(defaultLink));
            return link;
        });
    }
    ~SPromptRecorder()
    {
        Prompts::SetAskFunction(nullptr);
        Prompts::SetSaveFileFunction(nullptr);
        Prompts::SetOpenFileFunction(nullptr);
        Prompts::SetLinksFunction(nullptr);
    }
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    QString savePath;
    QString openPath;
    int link = 1;
};

QStringList MenuTitles(QMenuBar* bar)
{
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    return titles;
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

    std::unique_ptr<CIsolatedSettings> m_settings;
    std::unique_ptr<SPromptRecorder> m_prompts;
    const QString D = SettingsSection::kDefaults;

    QString TempPath(const QString& name) const { return m_settings->Path() + QLatin1Char('/') + name; }

    void WriteDocument(const QString& path, const QString& box2Text)
    {
        CEinheitspapierDoc doc;
        doc.Engine().SetFieldText(10, box2Text, 1);
        QVERIFY(doc.SaveToFile(path));
    }

private Q_SLOTS:
    void init()
    {
        m_settings = std::make_unique<CIsolatedSettings>();
        m_prompts = std::make_unique<SPromptRecorder>();
    }
    void cleanup()
    {
        m_prompts.reset();
        m_settings.reset();
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("setup");
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QStringList{} << false << "";
        QTest::newRow("-init") << QStringList{"-init"} << true << "";
        QTest::newRow("-init with text after it") << QStringList{"-initialise", "now"} << true << "";
        QTest::newRow("blanks without quotes") << QStringList{"/tmp/Meine", "Belege/Beleg", "1.t2l"} << false << "/tmp/Meine Belege/Beleg 1.t2l";
        QTest::newRow("quoted") << QStringList{"\"/tmp/Meine Belege/a.t2l\""} << false << "/tmp/Meine Belege/a.t2l";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, setup);
        QFETCH(QString, path);
        const StartUp::SCommandLine c = StartUp::ParseCommandLine(arguments);
        QCOMPARE(c.setupMode, setup);
        QCOMPARE(c.path, path);
    }

    void recentFileNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short") << "/tmp/a.t2l" << "/tmp/a.t2l";
        QTest::newRow("long") << "/home/clerk/Belege/2026/Dezember/Hamburg.t2l" << "/.../2026/Dezember/Hamburg.t2l";
        QTest::newRow("long name") << "/home/clerk/Ein-sehr-langer-Dateiname-für-T2L.t2l" << "Ein-sehr-langer-Dateiname-für-T2L.t2l";
    }

    void recentFileNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QCOMPARE(StartUp::AbbreviatePath(path), shown);
        QVERIFY(StartUp::AbbreviatePath(path).size() <= 30 || StartUp::AbbreviatePath(path) == QFileInfo(path).fileName());
    }

    void startsWithANewDocument()
    {
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        CMainFrame* frame = app.MainFrame();
        QCOMPARE(frame->Children().size(), 1);
        QCOMPARE(frame->ActiveChild()->Title(), QStringLiteral("VuRiviT2L1"));
        QCOMPARE(frame->CurrentMenuId(), 130);
        QCOMPARE(MenuTitles(frame->menuBar()).mid(0, 6),
                 (QStringList{"&Datei", "&Bearbeiten", "&Optionen", "&Formular", "&Ansicht", "&Hilfe"}));
        QCOMPARE(frame->StatusPaneText(1), QStringLiteral("Einheitspapier - Seite 1 von 2"));
        QCOMPARE(frame->StatusPaneText(2), QStringLiteral("Einfügen"));
        // The field definitions were written at this first start.
        QCOMPARE(app.Profile().ReadInt(D, QStringLiteral("FieldSize_EH1"), 0), 320);
    }

    void opensAPathWithBlanks()
    {
        QDir().mkpath(TempPath(QStringLiteral("Meine Belege")));
        const QString path = TempPath(QStringLiteral("Meine Belege/Beleg 1.t2l"));
        WriteDocument(path, QStringLiteral("Müller"));
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance(path.split(QLatin1Char(' ')), false));
        CChildFrame* child = app.MainFrame()->ActiveChild();
        QVERIFY(child);
        QCOMPARE(QFileInfo(child->PathName()), QFileInfo(path));
        QCOMPARE(child->Document().Engine().GetFieldText(10, 1), QStringLiteral("Müller"));
        QCOMPARE(app.RecentFiles().value(0), QDir::toNativeSeparators(path));
    }

    void unreadableFilesAreReported()
    {
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({TempPath(QStringLiteral("fehlt.t2l"))}, false));
        QCOMPARE(app.MainFrame()->Children().size(), 0);
        QCOMPARE(app.MainFrame()->CurrentMenuId(), 128);
        QVERIFY(m_prompts->messages.value(0).contains(QStringLiteral("fehlt.t2l")));

        // Not a T2L file: message 18, and the empty form does not take its name.
        QFile other(TempPath(QStringLiteral("brief.t2l")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("Sehr geehrte Damen und Herren,");
        other.close();
        CChildFrame* child = app.OpenDocument(other.fileName());
        QVERIFY(child);
        QVERIFY(m_prompts->messages.last().startsWith(QStringLiteral("Dies ist kein bekanntes Dokumentformat")));
        QVERIFY(child->PathName().isEmpty());
    }

    void commandEnabling()
    {
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame->Action(Cmd::kSave)->isEnabled());
        QVERIFY(frame->Action(Cmd::kFontBold)->isEnabled());
        QVERIFY(!frame->Action(Cmd::kUndo)->isEnabled());
        QVERIFY(frame->Action(Cmd::kAlignLeft)->isChecked());

        frame->ActiveChild()->close();
        QCoreApplication::processEvents();
        QCOMPARE(frame->CurrentMenuId(), 128);
        QCOMPARE(MenuTitles(frame->menuBar()), (QStringList{"&Datei", "&Optionen", "&Ansicht", "&Hilfe"}));
        QVERIFY(!frame->Action(Cmd::kSave)->isEnabled());
        QVERIFY(!frame->Action(Cmd::kFontBold)->isEnabled());
        QVERIFY(frame->Action(Cmd::kNew)->isEnabled());
        frame->RouteCommand(Cmd::kNew);
        QCOMPARE(frame->Children().size(), 1);
        QCOMPARE(frame->ActiveChild()->Title(), QStringLiteral("VuRiviT2L2"));
    }

    void keyTable()
    {
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        CMainFrame* frame = app.MainFrame();
        const QKeySequence ctrlZ(Qt::CTRL | Qt::Key_Z);
        QVERIFY(frame->Action(Cmd::kAlignCentre)->shortcuts().contains(ctrlZ));
        QVERIFY(!frame->Action(Cmd::kUndo)->shortcuts().contains(ctrlZ));
        QVERIFY(frame->Action(Cmd::kUndo)->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)));
        // No key belongs to two commands.
        QHash<QString, int> owners;
        for (const SCommand& c : CommandTable::All())
            for (const QKeySequence& k : c.keys) {
                QVERIFY2(!owners.contains(k.toString()), qPrintable(k.toString()));
                owners.insert(k.toString(), c.id);
            }

        // Ctrl+Z in the editor centres the field's text.
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        CEinheitspapierView* view = frame->ActiveView();
        view->PrepareForDisplay();
        view->GoToField(28, 1);
        QTest::keyClicks(view->Editor(), QStringLiteral("Hafen"));
        QTest::keyClick(view->Editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->Engine().GetAlignment(28, 1), int(CKivEditWindow::kAlignCentre));
        QCOMPARE(view->Engine().GetCurrentText(), QStringLiteral("Hafen"));
        // Ctrl+Right turns the page; the editor does not take it as a word jump.
        QTest::keyClick(view->Editor(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(view->CurrentPage(), 2);
        QCOMPARE(frame->StatusPaneText(1), QStringLiteral("Einheitspapier - Seite 2 von 2"));
    }

    void saveAndReopen()
    {
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        CMainFrame* frame = app.MainFrame();
        CEinheitspapierView* view = frame->ActiveView();
        view->PrepareForDisplay();
        view->GoToField(17, 1);
        QTest::keyClicks(view->Editor(), QStringLiteral("Empfaenger AG"));
        QVERIFY(view->Document().IsModified());
        QVERIFY(frame->Action(Cmd::kUndo)->isEnabled()); // as soon as there is something to undo
        QVERIFY(frame->ActiveChild()->isWindowModified());

        m_prompts->savePath = TempPath(QStringLiteral("neu"));
        frame->RouteCommand(Cmd::kSave);
        const QString saved = TempPath(QStringLiteral("neu.t2l"));
        QVERIFY(QFile::exists(saved));
        QVERIFY(!view->Document().IsModified());
        QCOMPARE(frame->ActiveChild()->Title(), QStringLiteral("neu.t2l"));

        // Opening it again shows the window that has it.
        QCOMPARE(app.OpenDocument(saved), frame->ActiveChild());
        frame->ActiveChild()->close();
        m_prompts->openPath = saved;
        frame->RouteCommand(Cmd::kOpen);
        QCOMPARE(frame->ActiveChild()->Document().Engine().GetFieldText(17, 1), QStringLiteral("Empfaenger AG"));
    }

    void closingAChangedDocumentAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("fileWritten");
        QTest::newRow("Abbrechen") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("Nein") << int(QMessageBox::No) << true << false;
        QTest::newRow("Ja") << int(QMessageBox::Yes) << true << true;
    }

    void closingAChangedDocumentAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, fileWritten);
        const QString path = TempPath(QStringLiteral("offen.t2l"));
        WriteDocument(path, QStringLiteral("alt"));
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({path}, false));
        CMainFrame* frame = app.MainFrame();
        CEinheitspapierView* view = frame->ActiveView();
        view->PrepareForDisplay();
        view->GoToField(10, 1);
        view->Editor()->selectAll();
        QTest::keyClicks(view->Editor(), QStringLiteral("neu"));
        m_prompts->answer = QMessageBox::StandardButton(answer);
        frame->ActiveChild()->close();
        QCoreApplication::processEvents();
        QCOMPARE(frame->Children().isEmpty(), closed);
        QVERIFY(m_prompts->messages.last().contains(QStringLiteral("offen.t2l")));
        CEinheitspapierDoc check;
        QCOMPARE(check.LoadFromFile(path), CEinheitspapierDoc::ELoadStatus::kLoaded);
        QCOMPARE(check.Engine().GetFieldText(10, 1), fileWritten ? QStringLiteral("neu") : QStringLiteral("alt"));
    }

    void resetCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("link");
        QTest::addColumn<bool>("fontGone");
        QTest::addColumn<bool>("workspaceGone");
        QTest::addColumn<bool>("defaultsGone");
        QTest::newRow("fonts, Nein") << int(Cmd::kResetFonts) << 1 << false << false << false;
        QTest::newRow("fonts, Ja") << int(Cmd::kResetFonts) << 0 << true << false << false;
        QTest::newRow("menus, Ja") << int(Cmd::kResetMenus) << 0 << false << true << false;
        QTest::newRow("all, Ja") << int(Cmd::kResetAll) << 0 << true << true << true;
        QTest::newRow("all, Nein") << int(Cmd::kResetAll) << 1 << false << false << false;
    }

    void resetCommands()
    {
        QFETCH(int, command);
        QFETCH(int, link);
        QFETCH(bool, fontGone);
        QFETCH(bool, workspaceGone);
        QFETCH(bool, defaultsGone);
        const CSettingsStore p = CSettingsStore::Profile();
        p.WriteInt(QStringLiteral("Font"), QStringLiteral("DFont1"), 50);
        p.WriteInt(D, QStringLiteral("Feld14"), 0);
        p.WriteString(QStringLiteral("Recent File List"), QStringLiteral("File1"), TempPath(QStringLiteral("x.t2l")));
        {
            CVelmoraImportApp app;
            QVERIFY(app.InitInstance({}, false));
            app.MainFrame()->show();
            m_prompts->link = link;
            app.MainFrame()->RouteCommand(command);
            QVERIFY(m_prompts->messages.last().contains(QStringLiteral("|Achtung!|Ja, Werte zurücksetzen, Programm beenden.|Nein, zurück zum Programm.|1")));
            QCOMPARE(app.RegistryCleared(), link == 0);
            QCOMPARE(app.MainFrame()->isVisible(), link != 0);
            if (link != 0)
                app.MainFrame()->close(); // a normal exit writes the workspace back
        }
        QCOMPARE(!p.Contains(QStringLiteral("Font"), QStringLiteral("DFont1")), fontGone);
        QCOMPARE(!p.Contains(QStringLiteral("Workspace"), QStringLiteral("State")), workspaceGone || link == 0);
        QCOMPARE(!p.Contains(D, QStringLiteral("Feld14")), defaultsGone);
        // After a reset nothing is written back, not even the recent files.
        QCOMPARE(p.Contains(QStringLiteral("Recent File List"), QStringLiteral("File1")), !(link == 0 && defaultsGone));
    }

    void setupMode()
    {
        const CSettingsStore p = CSettingsStore::Profile();
        p.WriteInt(QStringLiteral("Workspace"), QStringLiteral("StatusBar"), 0);
        CVelmoraImportApp app;
        QVERIFY(!app.InitInstance({QStringLiteral("-init"), QStringLiteral("egal")}, false));
        QVERIFY(!app.MainFrame());
        QVERIFY(!p.Contains(QStringLiteral("Workspace"), QStringLiteral("StatusBar")));
        QVERIFY(QFileInfo(app.Library().GetDataDirectory()).isDir());
    }

    void userToolbarsAreKept()
    {
        {
            CVelmoraImportApp app;
            QVERIFY(app.InitInstance({}, false));
            QVERIFY(app.MainFrame()->AddUserToolbar(QStringLiteral("Seiten"), {Cmd::kFirstPage, 0, Cmd::kLastPage}));
            for (int i = 1; i < CMainFrame::kMaxUserToolbars; ++i)
                QVERIFY(app.MainFrame()->AddUserToolbar(QStringLiteral("Leiste %1").arg(i), {}));
            QVERIFY(!app.MainFrame()->AddUserToolbar(QStringLiteral("zu viel"), {}));
            app.MainFrame()->close();
        }
        CVelmoraImportApp again;
        QVERIFY(again.InitInstance({}, false));
        const QList<QToolBar*> bars = again.MainFrame()->UserToolbars();
        QCOMPARE(bars.size(), CMainFrame::kMaxUserToolbars);
        QCOMPARE(bars.first()->windowTitle(), QStringLiteral("Seiten"));
        QCOMPARE(bars.first()->actions().first()->data().toInt(), int(Cmd::kFirstPage));
        QCOMPARE(bars.first()->actions().last()->data().toInt(), int(Cmd::kCustomize));
    }

    void splashSwallowsTheFirstPress()
    {
        QWidget owner;
        QLineEdit target(&owner);
        owner.show();
        QPointer<CSplashWnd> splash = new CSplashWnd(QStringLiteral("1.0.00"), 30, &owner);
        splash->show();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&target, &press);
        QVERIFY(target.text().isEmpty());
        QTRY_VERIFY(splash.isNull());
        QKeyEvent again(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QCoreApplication::sendEvent(&target, &again);
        QCOMPARE(target.text(), QStringLiteral("b"));

        // Without a press it goes after its seconds; with 0 seconds there is none.
        QPointer<CSplashWnd> timed = new CSplashWnd(QStringLiteral("1.0.00"), 1, &owner);
        timed->show();
        QTRY_VERIFY_WITH_TIMEOUT(timed.isNull(), 3000);
        CSettingsStore::Profile().WriteInt(SettingsSection::kSettings, QStringLiteral("SplashScreen"), 0);
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, true));
        QVERIFY(app.MainFrame()->findChildren<CSplashWnd*>().isEmpty());
    }

    void droppedFilesOpen()
    {
        const QString path = TempPath(QStringLiteral("gezogen.t2l"));
        WriteDocument(path, QStringLiteral("aus dem Dateimanager"));
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        app.MainFrame()->OpenDroppedFiles(&data);
        QCOMPARE(app.MainFrame()->Children().size(), 2);
        QCOMPARE(app.MainFrame()->ActiveChild()->Document().Engine().GetFieldText(10, 1), QStringLiteral("aus dem Dateimanager"));
    }

    void unknownPrinterKeepsTheCurrentOne()
    {
        CVelmoraImportApp app;
        QVERIFY(app.InitInstance({}, false));
        QVERIFY(!app.SelectPrinterByName(QStringLiteral("Gibt es nicht 4711")));
        QCOMPARE(m_prompts->messages.last(),
                 QStringLiteral("Der Drucker Gibt es nicht 4711 konnte nicht gefunden werden.\nEs wird der Standarddrucker verwendet."));
        QVERIFY(app.CurrentPrinterName().isEmpty());
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
