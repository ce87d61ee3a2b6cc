#pragma once

#include <QByteArray>
#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CSettingsStore;

// The support information: the texts of the internal information dialog and
// the lines of the support file. No widgets; the printer lookup and the
// runtime versions come in from outside, so tests decide them.
namespace SupportInfo {

inline const QString kNotDefined = QStringLiteral("Nicht definiert");
// Reading with these defaults tells a missing value from a stored one.
inline constexpr int kMissingNumber = 12061953;
inline const QString kMissingText = QStringLiteral("@");
// Where the first start of the program is recorded (yyyy-MM-dd).
inline const QString kFirstStartName = QStringLiteral("FirstStart");

struct SPrinterDetails
{
    QString driver;
    QString port;
    QString processor;
};
// The stored printer's details, or nothing when there is no such printer.
using PrinterLookup = std::function<std::optional<SPrinterDetails>(const QString& name)>;

struct SInput
{
    QString applicationTitle;
    QStringList recentFiles;
    QDate today;
    // The lines under the runtime heading, e.g. "Qt 6.4.2" and the system.
    QStringList runtimeVersions;
    PrinterLookup printer;
};

// The support file's lines, in order, without their CR LF.
QStringList Lines(const CSettingsStore& profile, const SInput& input);

// "%-23s%s" and "0x%0.8x (%d)".
QString ValueLine(const QString& name, const QString& value);
QString NumberText(int number);

// What this system offers in place of installed runtime frameworks.
QStringList RuntimeVersions();

// The file's bytes: byte order mark, UTF-16 little-endian, every line ending in CR LF.
QByteArray FileBytes(const QStringList& lines);
// Documents folder + "/" + title + "_Daten.txt".
QString FilePath(const QString& documentsDirectory, const QString& applicationTitle);
// Writes the file whole or not at all: an old file stays when writing fails.
bool WriteFile(const QString& path, const QStringList& lines, QString* errorText);
QString WrittenMessage(const QString& path);
QString FailedMessage(const QString& path);

// The dialog's two texts.
QString EnvironmentText(const QSize& desktop, int scalingPercent, const QString& programDirectory);
QString VersionLine(const QString& versionString, const QString& buildDate, const QDate& firstInstallation);

// The recorded first start; records today when none is stored (or it is unreadable).
QDate FirstStartDate(const CSettingsStore& profile, const QDate& today);

} // namespace SupportInfo
