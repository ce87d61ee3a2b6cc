#include "SupportInfo.h"

#include "app/SettingsStore.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QSysInfo>
#include <QtGlobal>

namespace {

const QString kSeparator = QStringLiteral("-------------------------------------------------------");

const char* const kSettingsNumbers[] = {"PrnFactorV", "PrnFactorH", "WinFormScaledFactor", "WinFormScaledFactorOv",
                                        "Stammdaten"};
const char* const kSettingsTexts[] = {"AdressdatenDatei", "StammdatenDatei"};
const char* const kDefaultsNumbers[] = {
    "PrinterFontFactor", "ShowMarginDlgEH", "Left_Margin_EH", "Top_Margin_EH",     "Left_Margin2_EH",
    "Top_Margin2_EH",    "VertPosX2_EH",    "HorPosX2_EH",    "ZoomFactor",        "ZoomFactorLU",
    "EditTextColor",     "3LineInStamp",    "AutoFillPositions", "EH_ShowXX",      "Feld2",
    "Feld2S2",           "Feld14",          "Feld17",         "Feld34",            "Stamp_A",
    "Stamp_C"};
constexpr int kRecentListed = 6;

QString Number(const CSettingsStore& profile, const QString& section, const QString& name)
{
    const int n = profile.ReadInt(section, name, SupportInfo::kMissingNumber);
    return n == SupportInfo::kMissingNumber ? SupportInfo::kNotDefined : SupportInfo::NumberText(n);
}

QString Text(const CSettingsStore& profile, const QString& section, const QString& name)
{
    const QString t = profile.ReadString(section, name, SupportInfo::kMissingText);
    return t == SupportInfo::kMissingText ? SupportInfo::kNotDefined : t;
}

} // namespace

namespace SupportInfo {

QString ValueLine(const QString& name, const QString& value)
{
    return name.leftJustified(23) + value;
}

QString NumberText(int number)
{
    return QStringLiteral("0x%1 (%2)").arg(quint32(number), 8, 16, QLatin1Char('0')).arg(number);
}

QStringList Lines(const CSettingsStore& profile, const SInput& input)
{
    const QString& S = SettingsSection::kSettings;
    const QString& D = SettingsSection::kDefaults;
    QStringList out;
    out << QStringLiteral("Umgebungs- und Programmparameter zu %1").arg(input.applicationTitle);
    out << QStringLiteral("Version KIV");
    out << QStringLiteral("Erstellt: %1").arg(input.today.toString(QStringLiteral("dd.MM.yyyy"))) << QString();
    out << QStringLiteral("Installiert: %1").arg(profile.ReadString(QString(), QStringLiteral("Installation"),
                                                                     QStringLiteral("XX")))
        << QString();

    out << QStringLiteral("Installierte Laufzeitversionen:");
    for (const QString& v : input.runtimeVersions)
        out << QStringLiteral("   ") + v;
    if (input.runtimeVersions.isEmpty())
        out << QStringLiteral("Laufzeitversionen nicht ermittelt.");

    out << QStringLiteral("Adressdatendatei:    %1").arg(Text(profile, S, QStringLiteral("AdressdatenDatei")));
    out << QStringLiteral("Stammdatendatei:     %1").arg(Text(profile, S, QStringLiteral("StammdatenDatei")));
    out << QString();
    out << QString() << kSeparator << QString() << kSeparator;

    out << QString() << QStringLiteral("Registry-Details:");
    for (const char* name : kSettingsNumbers)
        out << ValueLine(QLatin1String(name), Number(profile, S, QLatin1String(name)));
    for (const char* name : kSettingsTexts)
        out << ValueLine(QLatin1String(name), Text(profile, S, QLatin1String(name)));

    out << QString() << QStringLiteral("Einheitspapier T2L:");
    out << ValueLine(QStringLiteral("ReUsePrn"), Number(profile, D, QStringLiteral("ReUsePrn")));
    out << ValueLine(QStringLiteral("Printer"), Text(profile, D, QStringLiteral("Printer")));
    const QString printer = profile.ReadString(D, QStringLiteral("Printer"), kMissingText);
    if (printer != kMissingText && input.printer) {
        if (const std::optional<SPrinterDetails> details = input.printer(printer)) {
            out << ValueLine(QStringLiteral("Druckertreiber"), details->driver);
            out << ValueLine(QStringLiteral("Druckerport"), details->port);
            out << ValueLine(QStringLiteral("PrintProcessor"), details->processor);
        }
    }
    for (const char* name : kDefaultsNumbers)
        out << ValueLine(QLatin1String(name), Number(profile, D, QLatin1String(name)));

    out << kSeparator;
    const QString& F = SettingsSection::kFont;
    for (const char* prefix : {"E", "D", "P"}) {
        for (const char* bold : {"", "B"}) {
            for (int i = 0; i <= 4; ++i) {
                const QString name = QStringLiteral("%1Font%2%3").arg(QLatin1String(prefix)).arg(i).arg(QLatin1String(bold));
                const int n = profile.ReadInt(F, name, kMissingNumber);
                if (n != kMissingNumber)
                    out << ValueLine(name, NumberText(n));
            }
        }
    }

    if (!input.recentFiles.isEmpty() && !input.recentFiles.first().isEmpty()) {
        out << kSeparator << QString() << QStringLiteral("Zuletzt benutzte Dateien:");
        for (int i = 0; i < kRecentListed && i < input.recentFiles.size(); ++i)
            out << QStringLiteral("%1: %2").arg(i + 1).arg(input.recentFiles.at(i));
    }
    out << kSeparator;
    return out;
}

QStringList RuntimeVersions()
{
    return {QStringLiteral("Qt %1").arg(QLatin1String(qVersion())), QSysInfo::prettyProductName()};
}

QByteArray FileBytes(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + text.size() * 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        bytes.append(char(u & 0xFF));
        bytes.append(char(u >> 8));
    }
    return bytes;
}

QString FilePath(const QString& documentsDirectory, const QString& applicationTitle)
{
    QString dir = documentsDirectory;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + applicationTitle + QStringLiteral("_Daten.txt");
}

bool WriteFile(const QString& path, const QStringList& lines, QString* errorText)
{
    return SaveFileAtomically(path, FileBytes(lines), errorText);
}

QString WrittenMessage(const QString& path)
{
    return QStringLiteral("Die Supportdaten wurden in der Datei\r\n%1\r\ngesichert.").arg(QDir::toNativeSeparators(path));
}

QString FailedMessage(const QString& path)
{
    return QStringLiteral("Die Datei\r\n%1\r\nkonnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(path));
}

QString EnvironmentText(const QSize& desktop, int scalingPercent, const QString& programDirectory)
{
    QString text = QStringLiteral("Bildschirmauflösung: %1 x %2").arg(desktop.width()).arg(desktop.height());
    if (scalingPercent != 100)
        text += QStringLiteral(" (%1 DPI)").arg(scalingPercent);
    return text + QStringLiteral("\r\nProgrammverzeichnis: ") + programDirectory;
}

QString VersionLine(const QString& versionString, const QString& buildDate, const QDate& firstInstallation)
{
    return QStringLiteral("%1 - Version %2 - (%3) - Erstinstallation: %4.%5.%6")
        .arg(QStringLiteral("Velmora-T2L für Linux"), versionString, buildDate)
        .arg(firstInstallation.day())
        .arg(firstInstallation.month())
        .arg(firstInstallation.year());
}

QDate FirstStartDate(const CSettingsStore& profile, const QDate& today)
{
    const QDate stored = QDate::fromString(profile.ReadString(SettingsSection::kSettings, kFirstStartName, QString()),
                                           Qt::ISODate);
    if (stored.isValid())
        return stored;
    profile.WriteString(SettingsSection::kSettings, kFirstStartName, today.toString(Qt::ISODate));
    return today;
}

} // namespace SupportInfo
