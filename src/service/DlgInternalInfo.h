#pragma once

#include "SupportInfo.h"
#include "app/SettingsStore.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Interne Programminformationen": system and program data for support, and
// the support file written to the documents folder.
class Common_DlgInternalInfo : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDialogId = 21101;

    struct SContext
    {
        QString versionString;
        QString buildDate;
        QString programDirectory;
        QStringList recentFiles;
    };

    Common_DlgInternalInfo(const CSettingsStore& profile, SContext context, QWidget* parent = nullptr);

    // Where "Daten in Datei sichern" writes.
    QString TargetPath() const;
    // The installed printers' details; tests put in their own.
    static void SetPrinterLookup(SupportInfo::PrinterLookup lookup);
    static std::optional<SupportInfo::SPrinterDetails> SystemPrinter(const QString& name);

    QPlainTextEdit* EnvironmentEdit() const { return m_environment; }
    QLineEdit* VersionEdit() const { return m_version; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void SaveSupportFile();

    const CSettingsStore m_profile;
    SContext m_context;
    QPlainTextEdit* m_environment;
    QLineEdit* m_version;
    QPushButton* m_save;
    QPushButton* m_ok;
};
