#pragma once

#include "SettingsStore.h"

#include <QString>

// The library root ("KIV" / executable name): field definitions and install
// information, the product version and the data directory. Machine-wide keys
// do not exist for a user here; what went there is left out.
class CRegeditManagment
{
public:
    struct SVersion
    {
        quint32 packed = 0;
        int major = 0;
        int minor = 0;
        int patch = 0;
        bool found = false; // false: no version text (the caller reports "ERROR")
    };

    explicit CRegeditManagment(QString executableName = QString());

    // Reads the product version, stores names and paths, writes the install
    // information and marks the manager initialised.
    SVersion InitFromApp(const QString& versionText, const QString& buildDate,
                         const QString& executablePath);

    // Initialised for reading and writing values, without writing anything.
    void InitFromNames(const QString& versionText);

    bool IsInitialised() const { return m_initialised; }
    quint32 GetVersion() const { return m_version; }
    QString GetVersionString() const;
    static SVersion ParseProductVersion(const QString& text);

    // Bytes values of <library root>/<section>. Before initialisation they do
    // nothing and report kNotInitialised (the caller shows "CRegeditManagment-Error").
    enum EStatus { kOk = 0, kNotFound = 2, kTooLong = 234, kNotInitialised = -1 };
    EStatus WriteBytes(const QString& section, const QString& value, const QByteArray& bytes) const;
    // Reads at most buffer.size() bytes into the start of buffer; a missing or
    // longer value leaves buffer as it was.
    EStatus ReadBytes(const QString& section, const QString& value, QByteArray& buffer) const;
    bool DeleteValue(const QString& section, const QString& value) const;
    void WriteInstallInformation() const;

    // Documents folder + "/" + executable name; empty when there is no
    // documents folder (the caller reports "Fehler, keine Datenpfad").
    QString GetDataDirectory() const;
    QString GetDataDirectoryWithSeparator() const;

    const CSettingsStore& Root() const { return m_root; }
    const QString& ExecutableName() const { return m_executableName; }
    const QString& BuildDate() const { return m_buildDate; }

private:
    CSettingsStore m_root;
    QString m_executableName;
    QString m_executablePath;
    QString m_buildDate;
    quint32 m_version = 0;
    bool m_initialised = false;
};
