#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSettings;

// Section names of the profile root.
namespace SettingsSection {
inline const QString kSettings = QStringLiteral("Settings");
inline const QString kDefaults = QStringLiteral("VURivi_Defaults");
inline const QString kFont = QStringLiteral("Font");
inline const QString kWorkspace = QStringLiteral("Workspace");
inline const QString kRecentFiles = QStringLiteral("Recent File List");
} // namespace SettingsSection

// One settings root: a QSettings INI file named by organisation and
// application. Every read goes to the store and takes the caller's default
// when the value is missing or unreadable; there is no cache. An empty
// section addresses values at the root itself.
class CSettingsStore
{
public:
    CSettingsStore(QString organisation, QString application);

    // The profile root of this program ("Brennik" / "Velmora-T2L").
    static CSettingsStore Profile();

    int ReadInt(const QString& section, const QString& value, int defaultValue) const;
    void WriteInt(const QString& section, const QString& value, int number) const;
    QString ReadString(const QString& section, const QString& value, const QString& defaultValue) const;
    void WriteString(const QString& section, const QString& value, const QString& text) const;
    // Null when the value is missing.
    QByteArray ReadBytes(const QString& section, const QString& value) const;
    void WriteBytes(const QString& section, const QString& value, const QByteArray& bytes) const;

    bool Contains(const QString& section, const QString& value) const;
    bool DeleteValue(const QString& section, const QString& value) const;
    void DeleteSection(const QString& section) const;
    void DeleteRoot() const;

    QString FileName() const;
    const QString& Organisation() const { return m_organisation; }
    const QString& Application() const { return m_application; }

private:
    std::unique_ptr<QSettings> Open() const;
    static QString Key(const QString& section, const QString& value);

    QString m_organisation;
    QString m_application;
};
