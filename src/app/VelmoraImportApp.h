#pragma once

#include "RegeditManagment.h"
#include "SettingsStore.h"
#include "fields/FieldDefinitions.h"
#include "view/EinheitspapierView.h"
#include "MainFrame.h"
#include "SplashWnd.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class CChildFrame;
class CMainFrame;
class CSplashWnd;

// The application: start-up and setup mode, the documents, the recent-file
// list and the commands that belong to no document.
class CVelmoraImportApp : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxRecentFiles = 8;

    CVelmoraImportApp();
    ~CVelmoraImportApp() override;

    // Runs start-up with the command-line arguments (without the program
    // name). Returns false when the program ends here (setup mode).
    bool InitInstance(const QStringList& arguments, bool showSplash = true);
    int ExitCode() const { return m_exitCode; }

    CMainFrame* MainFrame() const { return m_mainFrame; }
    const CSettingsStore& Profile() const { return m_profile; }
    const CRegeditManagment& Library() const { return m_library; }
    CFieldDefinitions& FieldDefinitions() { return m_fieldDefinitions; }
    int LanguageIndex() const { return m_languageIndex; }
    const QString& ProgramDirectory() const { return m_programDirectory; }
    int CurrentFormVariant() const { return m_formVariant; }
    void SetCurrentFormVariant(int variant) { m_formVariant = variant; }

    // --- documents
    CChildFrame* NewDocument();
    // Opens a file, or shows the window that already has it. Null when it
    // cannot be opened (the message has been shown).
    CChildFrame* OpenDocument(const QString& path);
    void OnFileOpen();
    QStringList RecentFiles() const { return m_recentFiles; }
    void AddToRecentFiles(const QString& path);
    void OpenRecentFile(int index);

    // --- commands of the application
    void ExecuteCommand(int id);
    SCommandState UpdateCommand(int id) const;
    void OpenManual();
    void OpenHomepage();
    void ShowAbout();
    // The presets dialog; after OK the open forms show the changed stamp boxes.
    void EditFormPresets();
    // The goods master data, for maintenance.
    void EditMasterData();
    // "Programmeinstellungen" (database paths, paper format check).
    void EditProgramOptions();
    // "Interne Programminformationen", modal over parent (null: the main window).
    void ShowInternalInfo(QWidget* parent = nullptr);
    // The three reset commands: ask, delete, set the flag, close.
    void ResetSettings(int commandId);
    bool RegistryCleared() const { return m_registryCleared; }

    // The printer chosen by name; an unknown name keeps the current one.
    bool SelectPrinterByName(const QString& name);
    QString CurrentPrinterName() const;
    // Lines, marks and rulers on plain paper, for setting up a printer.
    void PrintCalibrationSheet();

    // Settings written back when the main window closes (unless cleared).
    void OnMainFrameClosing();

private:
    void LoadRecentFiles();
    void SaveRecentFiles() const;
    CChildFrame* ShowDocument(std::unique_ptr<class CEinheitspapierDoc> doc, const QString& path);

    CSettingsStore m_profile = CSettingsStore::Profile();
    CRegeditManagment m_library;
    CFieldDefinitions m_fieldDefinitions;
    QPointer<CMainFrame> m_mainFrame;
    QPointer<CSplashWnd> m_splash;
    QStringList m_recentFiles;
    QString m_programDirectory;
    int m_languageIndex = 0;
    int m_formVariant = 0;
    int m_untitledCount = 0;
    int m_exitCode = 0;
    bool m_registryCleared = false;
};
