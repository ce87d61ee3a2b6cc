#include "VelmoraImportApp.h"

#include "AboutDlg.h"
#include "AppConstants.h"
#include "ChildFrame.h"
#include "CommandTable.h"
#include "DlgProgramOptions.h"
#include "FieldDefinitionStore.h"
#include "FrameCommands.h"
#include "MainFrame.h"
#include "SplashWnd.h"
#include "StartUp.h"
#include "document/EinheitspapierDoc.h"
#include "masterdata/DlgStammDatenEingabe.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "presets/DlgDefaultTexte_EH.h"
#include "platform/LometricPainter.h"
#include "print/CalibrationSheet.h"
#include "print/PrinterChoice.h"
#include "service/DlgInternalInfo.h"
#include "service/SupportInfo.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/Common_DlgMargin02.h"
#include "print/DlgPrinterFontSize.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

namespace {

const QString kRecentSection = QStringLiteral("Recent File List");

} // namespace

CVelmoraImportApp::CVelmoraImportApp() = default;

CVelmoraImportApp::~CVelmoraImportApp()
{
    Help::SetOpenFunction(nullptr);
    delete m_mainFrame;
}

bool CVelmoraImportApp::InitInstance(const QStringList& arguments, bool showSplash)
{
    // Tooltips all look the same: white to light yellow, blue text, black border.
    qApp->setStyleSheet(QStringLiteral(
        "QToolTip { color: rgb(0,0,255); border: 1px solid black; "
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 rgb(255,255,200)); }"));

    Help::SetOpenFunction([this](QWidget*) { OpenManual(); });
    m_languageIndex = m_profile.ReadInt(SettingsSection::kSettings, QStringLiteral("Language"), 0);
    m_programDirectory = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!m_programDirectory.endsWith(QDir::separator()))
        m_programDirectory += QDir::separator();
    LoadRecentFiles();
    SupportInfo::FirstStartDate(m_profile, QDate::currentDate()); // recorded at the first start

    const auto version = m_library.InitFromApp(AppConstants::kVersionText, AppConstants::kBuildDate,
                                               QCoreApplication::applicationFilePath());
    if (!version.found)
        Prompts::Show(nullptr, QMessageBox::Critical, QStringLiteral("ERROR"));

    const StartUp::SCommandLine commandLine = StartUp::ParseCommandLine(arguments);
    if (commandLine.setupMode) {
        QStringList report;
        m_exitCode = StartUp::RunSetupMode(m_profile, m_library, &report) ? 0 : 1;
        return false;
    }

    m_mainFrame = new CMainFrame(*this);
    m_mainFrame->RestoreWorkspace();
    FieldDefinitionStore::Load(m_fieldDefinitions, m_profile, m_library);

    if (commandLine.path.isEmpty())
        NewDocument();
    else
        OpenDocument(commandLine.path);

    m_mainFrame->showMaximized();
    m_mainFrame->repaint();

    const int seconds = m_profile.ReadInt(SettingsSection::kSettings, QStringLiteral("SplashScreen"), 5);
    if (showSplash && seconds > 0 && !m_splash) {
        m_splash = new CSplashWnd(m_library.GetVersionString(), seconds, m_mainFrame);
        m_splash->show();
        m_splash->repaint();
    }
    return true;
}

// ---------------------------------------------------------------- documents

CChildFrame* CVelmoraImportApp::ShowDocument(std::unique_ptr<CEinheitspapierDoc> doc, const QString& path)
{
    auto* child = new CChildFrame(std::move(doc), m_fieldDefinitions);
    if (path.isEmpty())
        child->SetUntitledTitle(QStringLiteral("VuRiviT2L%1").arg(++m_untitledCount));
    else
        child->SetPathName(path);
    m_mainFrame->AddChild(child);
    child->View().OnInitialUpdate();
    return child;
}

CChildFrame* CVelmoraImportApp::NewDocument()
{
    m_formVariant = 0;
    auto doc = std::make_unique<CEinheitspapierDoc>(m_profile);
    doc->OnNewDocument();
    doc->InitialUpdate(quint32(m_formVariant));
    return ShowDocument(std::move(doc), QString());
}

CChildFrame* CVelmoraImportApp::OpenDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* c : m_mainFrame->Children()) {
        if (!c->PathName().isEmpty() && QFileInfo(c->PathName()) == QFileInfo(absolute)) {
            m_mainFrame->MdiArea()->setActiveSubWindow(c);
            return c;
        }
    }

    auto doc = std::make_unique<CEinheitspapierDoc>(m_profile);
    QString error;
    const auto status = doc->LoadFromFile(absolute, &error);
    if (status == CEinheitspapierDoc::ELoadStatus::kFailed) {
        Prompts::Show(m_mainFrame, QMessageBox::Warning, error);
        return nullptr;
    }
    doc->SetModified(false);
    // What the form shows when it is first shown: the file's messages first.
    const bool unknown = status != CEinheitspapierDoc::ELoadStatus::kLoaded;
    if (doc->LoadErrorId() != 0) {
        QApplication::beep();
        Prompts::Show(m_mainFrame, QMessageBox::Critical, CEinheitspapierDoc::MessageText(doc->LoadErrorId()));
    }
    if (doc->IsForeignVariant())
        Prompts::Show(m_mainFrame, QMessageBox::Warning, CEinheitspapierDoc::ForeignFileMessage());
    doc->InitialUpdate(quint32(m_formVariant));
    // A file that is no T2L document opens as an empty form without its
    // name, so a save can never write the form over it unasked.
    CChildFrame* child = ShowDocument(std::move(doc), unknown ? QString() : absolute);
    if (!unknown)
        AddToRecentFiles(absolute);
    return child;
}

void CVelmoraImportApp::OnFileOpen()
{
    const QString path = Prompts::GetOpenFileName(m_mainFrame, QStringLiteral("Öffnen"), QString(),
                                                  QStringLiteral("Einheitspapier T2L. (*.t2l)"));
    if (!path.isEmpty())
        OpenDocument(path);
}

void CVelmoraImportApp::AddToRecentFiles(const QString& path)
{
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    m_recentFiles.removeAll(native);
    m_recentFiles.prepend(native);
    while (m_recentFiles.size() > kMaxRecentFiles)
        m_recentFiles.removeLast();
}

void CVelmoraImportApp::OpenRecentFile(int index)
{
    if (index < 0 || index >= m_recentFiles.size())
        return;
    const QString path = m_recentFiles.at(index);
    if (!OpenDocument(path))
        m_recentFiles.removeAt(index); // it is gone or unreadable
}

void CVelmoraImportApp::LoadRecentFiles()
{
    m_recentFiles.clear();
    for (int i = 1; i <= kMaxRecentFiles; ++i) {
        const QString p = m_profile.ReadString(kRecentSection, QStringLiteral("File%1").arg(i), QString());
        if (!p.isEmpty())
            m_recentFiles.append(p);
    }
}

void CVelmoraImportApp::SaveRecentFiles() const
{
    m_profile.DeleteSection(kRecentSection);
    for (int i = 0; i < m_recentFiles.size(); ++i)
        m_profile.WriteString(kRecentSection, QStringLiteral("File%1").arg(i + 1), m_recentFiles.at(i));
}

void CVelmoraImportApp::OnMainFrameClosing()
{
    if (m_splash)
        m_splash->HideSplash();
    if (!m_registryCleared)
        SaveRecentFiles();
}

// ---------------------------------------------------------------- commands

void CVelmoraImportApp::ExecuteCommand(int id)
{
    switch (id) {
    case Cmd::kNew: NewDocument(); break;
    case Cmd::kOpen: OnFileOpen(); break;
    case Cmd::kHelp:
    case Cmd::kHelpIndex: OpenManual(); break;
    case Cmd::kHomepage: OpenHomepage(); break;
    case Cmd::kAbout: ShowAbout(); break;
    case Cmd::kFormPresets: EditFormPresets(); break;
    case Cmd::kMasterData: EditMasterData(); break;
    case Cmd::kProgramOptions: EditProgramOptions(); break;
    case Cmd::kInternalInfo: ShowInternalInfo(); break;
    case Cmd::kMargins: Common_DlgMargin02::RunMargins(m_profile, m_mainFrame); break;
    case Cmd::kPrintSizeCorrection: Common_CDlgPrintSizeCorr::RunCorrection(m_profile, m_languageIndex, m_mainFrame); break;
    case Cmd::kPrinterFontSizes: CDlgPrinterFontSize::RunFontSize(m_profile, m_mainFrame); break;
    case Cmd::kResetFonts:
    case Cmd::kResetMenus:
    case Cmd::kResetAll: ResetSettings(id); break;
    case Cmd::kPrintSetup:
        // A printer chosen here replaces the remembered one.
        if (PrinterChoice::RunSetup(m_mainFrame, [](QDialog& d) { return d.exec(); })) {
            m_profile.WriteString(SettingsSection::kDefaults, QStringLiteral("Printer"), QStringLiteral("@"));
            m_profile.WriteInt(SettingsSection::kDefaults, QStringLiteral("ReUsePrn"), 0);
        }
        break;
    case Cmd::kCalibrationSheet: PrintCalibrationSheet(); break;
    default: break;
    }
}

SCommandState CVelmoraImportApp::UpdateCommand(int id) const
{
    SCommandState s;
    switch (id) {
    case Cmd::kNew: case Cmd::kOpen: case Cmd::kHelp: case Cmd::kHelpIndex: case Cmd::kHomepage: case Cmd::kAbout:
    case Cmd::kResetFonts: case Cmd::kResetMenus: case Cmd::kResetAll: case Cmd::kPrintSetup:
    case Cmd::kMasterData: case Cmd::kCalibrationSheet:
    case Cmd::kPrintSizeCorrection: case Cmd::kPrinterFontSizes:
    case Cmd::kProgramOptions: case Cmd::kInternalInfo:
        s.enabled = true;
        break;
    case Cmd::kMargins:
        s.enabled = m_mainFrame && !m_mainFrame->Children().isEmpty(); // margins are a form's print setting
        break;
    case Cmd::kFormPresets:
        s.enabled = m_mainFrame && !m_mainFrame->Children().isEmpty(); // works on the forms' field flags
        break;
    default:
        // Dialogs that are not part of the program yet.
        s.enabled = false;
        break;
    }
    return s;
}

void CVelmoraImportApp::OpenManual()
{
    for (const QString& candidate : StartUp::ManualCandidates(QCoreApplication::applicationDirPath())) {
        if (QFileInfo::exists(candidate)) {
            if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath())))
                Prompts::Show(m_mainFrame, QMessageBox::Warning,
                              QStringLiteral("Das Handbuch %1 konnte nicht geöffnet werden:\nes ist kein Programm zum Anzeigen von PDF-Dateien eingerichtet.").arg(candidate));
            return;
        }
    }
    Prompts::Show(m_mainFrame, QMessageBox::Warning,
                  QStringLiteral("Das Handbuch %1 wurde nicht gefunden.").arg(AppConstants::kManualFileName));
}

void CVelmoraImportApp::OpenHomepage()
{
    if (!QDesktopServices::openUrl(QUrl(QStringLiteral(T2L_HOMEPAGE))))
        Prompts::Show(m_mainFrame, QMessageBox::Warning,
                      QStringLiteral("Das Programm konnte auf Ihrem Rechner\nleider keinen Internet-Browser finden."));
}

void CVelmoraImportApp::ShowAbout()
{
    CAboutDlg dialog(m_library.GetVersionString(), m_mainFrame);
    dialog.SetSystemInfoFunction([this](QWidget* parent) { ShowInternalInfo(parent); });
    dialog.exec();
    if (dialog.WebPageRequested())
        OpenHomepage();
}

void CVelmoraImportApp::EditFormPresets()
{
    CDlgDefaultTexte_EH dialog(m_profile, m_library, m_fieldDefinitions, m_mainFrame);
    if (dialog.Run() != QDialog::Accepted || !m_mainFrame)
        return;
    for (CChildFrame* c : m_mainFrame->Children())
        CDlgDefaultTexte_EH::ShowChangedFlags(c->View());
}

void CVelmoraImportApp::EditMasterData()
{
    CDlgStammDatenEingabe dialog(m_profile, m_library.GetDataDirectory(), false, m_mainFrame);
    dialog.exec();
}

void CVelmoraImportApp::EditProgramOptions()
{
    CDlgProgramOptions dialog(m_profile, m_library.GetDataDirectory(), m_mainFrame);
    dialog.exec();
}

void CVelmoraImportApp::ShowInternalInfo(QWidget* parent)
{
    Common_DlgInternalInfo::SContext context;
    context.versionString = m_library.GetVersionString();
    context.buildDate = m_library.BuildDate();
    context.programDirectory = QCoreApplication::applicationDirPath();
    context.recentFiles = m_recentFiles;
    Common_DlgInternalInfo dialog(m_profile, context, parent ? parent : m_mainFrame.data());
    dialog.exec();
}

void CVelmoraImportApp::ResetSettings(int commandId)
{
    struct SReset
    {
        int id;
        const char16_t* title;
        const char16_t* content;
        const char16_t* section; // empty: the whole profile
    };
    static const SReset resets[] = {
        {Cmd::kResetFonts, u"Schriftgrößenmodifikationen löschen",
         u"Mit diesem Aufruf werden alle werden die\nSchriftgrößenmodifikationen dieses Programms\nauf die Ursprungswerte zurückgesetzt!\n\nDas Programm wird anschliessend ohne Rückfrage beendet.\nGeöffnete Dateien werden nicht gesichert!",
         u"Font"},
        {Cmd::kResetMenus, u"Menü- und Symbolleisten-Modifikationen löschen",
         u"Mit diesem Aufruf werden alle werden die Menü- und\nSymbolleisten-Modifikationen dieses Programms\nauf die Ursprungswerte zurückgesetzt!\n\nDas Programm wird anschliessend ohne Rückfrage beendet.\nGeöffnete Dateien werden nicht gesichert!",
         u"Workspace"},
        {Cmd::kResetAll, u"Registry-Einträge dieses Programms löschen",
         u"Mit diesem Aufruf werden alle Einträge dieses\nProgramms in der Registry gelöscht!\n\nDas Programm wird anschliessend ohne Rückfrage beendet.\nGeöffnete Dateien werden nicht gesichert!",
         u""},
    };
    for (const SReset& r : resets) {
        if (r.id != commandId)
            continue;
        const int choice = Prompts::ChooseLink(m_mainFrame, QString::fromUtf16(r.title), QStringLiteral("Achtung!"),
                                               QString::fromUtf16(r.content),
                                               {QStringLiteral("Ja, Werte zurücksetzen, Programm beenden."),
                                                QStringLiteral("Nein, zurück zum Programm.")},
                                               1);
        if (choice != 0)
            return;
        const QString section = QString::fromUtf16(r.section);
        if (section.isEmpty())
            m_profile.DeleteRoot();
        else
            m_profile.DeleteSection(section);
        m_registryCleared = true;
        if (m_mainFrame)
            m_mainFrame->CloseForReset();
        return;
    }
}

bool CVelmoraImportApp::SelectPrinterByName(const QString& name)
{
    return PrinterChoice::SelectByName(m_mainFrame, name);
}

QString CVelmoraImportApp::CurrentPrinterName() const
{
    return PrinterChoice::Current();
}

void CVelmoraImportApp::PrintCalibrationSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!PrinterChoice::Configure(printer)) {
        Prompts::Show(m_mainFrame, QMessageBox::Warning, PrinterChoice::NoPrinterText());
        return;
    }
    if (Prompts::Ask(m_mainFrame, QMessageBox::Question,
                     QStringLiteral("Das Kalibrierblatt wird auf dem Drucker %1 gedruckt.\n"
                                    "Bitte legen Sie ein weißes Blatt A4 ein (keinen Vordruck).\n\nJetzt drucken?")
                         .arg(printer.printerName()),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        != QMessageBox::Yes)
        return;
    printer.setDocName(QStringLiteral("Velmora-T2L Kalibrierblatt"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        Prompts::Show(m_mainFrame, QMessageBox::Warning, PrinterChoice::PrintFailedText(printer.printerName()));
        return;
    }
    CLometricPainter dc(painter, printer.logicalDpiX());
    CalibrationSheet::Print(dc, m_profile, &m_fieldDefinitions);
    painter.end();
}
