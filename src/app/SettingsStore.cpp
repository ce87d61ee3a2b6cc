#include "SettingsStore.h"

#include "AppConstants.h"

#include <QFile>
#include <QSettings>

CSettingsStore::CSettingsStore(QString organisation, QString application)
    : m_organisation(std::move(organisation))
    , m_application(std::move(application))
{
}

CSettingsStore CSettingsStore::Profile()
{
    return CSettingsStore(AppConstants::kCompanyKey, AppConstants::kApplicationTitle);
}

std::unique_ptr<QSettings> CSettingsStore::Open() const
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, m_organisation,
                                       m_application);
}

QString CSettingsStore::Key(const QString& section, const QString& value)
{
    return section.isEmpty() ? value : section + QLatin1Char('/') + value;
}

int CSettingsStore::ReadInt(const QString& section, const QString& value, int defaultValue) const
{
    const QVariant v = Open()->value(Key(section, value));
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok)
        return defaultValue;
    // Stored as a 32-bit unsigned number, handed out as int.
    return static_cast<int>(static_cast<quint32>(n));
}

void CSettingsStore::WriteInt(const QString& section, const QString& value, int number) const
{
    Open()->setValue(Key(section, value), number);
}

QString CSettingsStore::ReadString(const QString& section, const QString& value,
                                   const QString& defaultValue) const
{
    const QVariant v = Open()->value(Key(section, value));
    if (!v.isValid() || !v.canConvert<QString>())
        return defaultValue;
    return v.toString();
}

void CSettingsStore::WriteString(const QString& section, const QString& value, const QString& text) const
{
    Open()->setValue(Key(section, value), text);
}

QByteArray CSettingsStore::ReadBytes(const QString& section, const QString& value) const
{
    const QVariant v = Open()->value(Key(section, value));
    if (!v.isValid())
        return QByteArray();
    QByteArray bytes = v.toByteArray();
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}

void CSettingsStore::WriteBytes(const QString& section, const QString& value, const QByteArray& bytes) const
{
    Open()->setValue(Key(section, value), bytes);
}

bool CSettingsStore::Contains(const QString& section, const QString& value) const
{
    return Open()->contains(Key(section, value));
}

bool CSettingsStore::DeleteValue(const QString& section, const QString& value) const
{
    auto s = Open();
    const QString key = Key(section, value);
    if (!s->contains(key))
        return false;
    s->remove(key);
    return true;
}

void CSettingsStore::DeleteSection(const QString& section) const
{
    if (section.isEmpty())
        return;
    Open()->remove(section);
}

void CSettingsStore::DeleteRoot() const
{
    QString file;
    {
        auto s = Open();
        s->clear();
        s->sync();
        file = s->fileName();
    }
    QFile::remove(file);
}

QString CSettingsStore::FileName() const
{
    return Open()->fileName();
}
