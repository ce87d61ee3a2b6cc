#include "RegeditManagment.h"

#include "AppConstants.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// Decimal digits from the start of text up to the first non-digit.
int LeadingNumber(QStringView text)
{
    int n = 0;
    for (QChar c : text) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        n = n * 10 + (c.unicode() - '0');
        if (n > 0xFFFF)
            break;
    }
    return n;
}

} // namespace

CRegeditManagment::CRegeditManagment(QString executableName)
    : m_root(AppConstants::kLibraryBrand,
             executableName.isEmpty() ? AppConstants::kExecutableName : executableName)
    , m_executableName(m_root.Application())
{
}

CRegeditManagment::SVersion CRegeditManagment::ParseProductVersion(const QString& text)
{
    SVersion v;
    if (text.isEmpty())
        return v;
    v.found = true;
    const QStringView all(text);
    v.major = LeadingNumber(all);
    const qsizetype dot1 = all.indexOf(QLatin1Char('.'));
    if (dot1 >= 0) {
        const QStringView rest = all.mid(dot1 + 1);
        v.minor = LeadingNumber(rest);
        const qsizetype dot2 = rest.indexOf(QLatin1Char('.'));
        if (dot2 >= 0)
            v.patch = LeadingNumber(rest.mid(dot2 + 1).left(2));
    }
    // The packed form keeps one byte per part.
    v.major &= 0xFF;
    v.minor &= 0xFF;
    v.patch &= 0xFF;
    v.packed = quint32(v.major) * 65536 + quint32(v.minor) * 256 + quint32(v.patch);
    return v;
}

CRegeditManagment::SVersion CRegeditManagment::InitFromApp(const QString& versionText,
                                                           const QString& buildDate,
                                                           const QString& executablePath)
{
    const SVersion v = ParseProductVersion(versionText);
    m_version = v.packed;
    m_buildDate = buildDate;
    m_executablePath = executablePath;
    m_initialised = true;
    WriteInstallInformation();
    return v;
}

void CRegeditManagment::InitFromNames(const QString& versionText)
{
    m_version = ParseProductVersion(versionText).packed;
    m_initialised = true;
}

QString CRegeditManagment::GetVersionString() const
{
    return QString::asprintf("%d.%01d.%02d", int((m_version >> 16) & 0xFF), int((m_version >> 8) & 0xFF),
                             int(m_version & 0xFF));
}

CRegeditManagment::EStatus CRegeditManagment::WriteBytes(const QString& section, const QString& value,
                                                         const QByteArray& bytes) const
{
    if (!m_initialised)
        return kNotInitialised;
    m_root.WriteBytes(section, value, bytes);
    return kOk;
}

CRegeditManagment::EStatus CRegeditManagment::ReadBytes(const QString& section, const QString& value,
                                                        QByteArray& buffer) const
{
    if (!m_initialised)
        return kNotInitialised;
    const QByteArray stored = m_root.ReadBytes(section, value);
    if (stored.isNull())
        return kNotFound;
    if (stored.size() > buffer.size())
        return kTooLong;
    std::copy(stored.cbegin(), stored.cend(), buffer.begin());
    return kOk;
}

bool CRegeditManagment::DeleteValue(const QString& section, const QString& value) const
{
    if (!m_initialised)
        return false;
    return m_root.DeleteValue(section, value);
}

void CRegeditManagment::WriteInstallInformation() const
{
    m_root.WriteInt(QString(), QStringLiteral("Version"), static_cast<int>(m_version));
    const QString folder = m_executablePath.isEmpty()
                               ? QString()
                               : QDir::toNativeSeparators(QFileInfo(m_executablePath).absolutePath());
    m_root.WriteString(QString(), QStringLiteral("Path"), folder);
}

QString CRegeditManagment::GetDataDirectory() const
{
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        return QString();
    return docs + QLatin1Char('/') + m_executableName;
}

QString CRegeditManagment::GetDataDirectoryWithSeparator() const
{
    QString dir = GetDataDirectory();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}
