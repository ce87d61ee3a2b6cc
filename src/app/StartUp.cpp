#include "StartUp.h"

#include "AppConstants.h"
#include "RegeditManagment.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace StartUp {

SCommandLine ParseCommandLine(const QStringList& arguments)
{
    SCommandLine result;
    const QString line = arguments.join(QLatin1Char(' '));
    if (line.startsWith(QLatin1String("-init"))) {
        result.setupMode = true;
        return result;
    }
    QString path = line.trimmed();
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        path = path.mid(1, path.size() - 2);
    path.remove(QLatin1Char('"'));
    result.path = path;
    return result;
}

QString AbbreviatePath(const QString& path, int maxChars)
{
    if (path.size() <= maxChars)
        return path;
    const QChar sep = QDir::separator();
    const QString native = QDir::toNativeSeparators(path);
    const QStringList parts = native.split(sep);
    if (parts.size() < 2)
        return native;
    const QString name = parts.last();
    const QString root = parts.first() + sep; // "" + "/" for an absolute path
    // Take directories from the end for as long as they fit.
    QString tail = name;
    QString best;
    for (qsizetype i = parts.size() - 2; i >= 1; --i) {
        const QString candidate = root + QStringLiteral("...") + sep + tail;
        if (candidate.size() > maxChars)
            break;
        best = candidate;
        tail = parts.at(i) + sep + tail;
    }
    if (best.isEmpty()) {
        const QString shortest = root + QStringLiteral("...") + sep + name;
        return shortest.size() <= maxChars ? shortest : name;
    }
    return best;
}

namespace {

bool CopyReplacing(const QString& from, const QString& to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

bool RunSetupMode(const CSettingsStore& profile, const CRegeditManagment& library, QStringList* report)
{
    auto say = [report](const QString& line) {
        if (report)
            report->append(line);
    };
    bool ok = true;
    profile.DeleteSection(QStringLiteral("Workspace"));
    say(QStringLiteral("Fensterzustand gelöscht."));

    const QString dataDir = library.GetDataDirectory();
    if (dataDir.isEmpty()) {
        say(QStringLiteral("Fehler, keine Datenpfad"));
        ok = false;
    } else if (!QDir().mkpath(dataDir)) {
        say(QStringLiteral("Das Datenverzeichnis %1 konnte nicht angelegt werden.").arg(dataDir));
        ok = false;
    } else {
        say(QStringLiteral("Datenverzeichnis: %1").arg(dataDir));
        // The user and the user's group may read and write; nobody else may write.
        for (const char* name : {"ARTIKEL1.DBF", "ARTIKEL.DBF", "Adress1.dbf"}) {
            const QString file = dataDir + QLatin1Char('/') + QLatin1String(name);
            if (!QFile::exists(file))
                continue;
            const QFileDevice::Permissions p = QFile::permissions(file) | QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup
                                               | QFileDevice::WriteGroup;
            if (QFile::setPermissions(file, p & ~QFileDevice::WriteOther))
                say(QStringLiteral("Zugriff für Benutzer und Gruppe: %1").arg(file));
            else
                say(QStringLiteral("Die Rechte von %1 konnten nicht gesetzt werden.").arg(file));
        }
    }

    // The desktop entry and the document type, for this user only.
    const QString programDir = QFileInfo(QStandardPaths::findExecutable(AppConstants::kExecutableName)).absolutePath();
    const QStringList shareCandidates = {programDir + QStringLiteral("/../share"), QStringLiteral(T2L_SOURCE_PACKAGING_DIR)};
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& base : shareCandidates) {
        const QString desktop = base + QStringLiteral("/applications/velmora-t2l.desktop");
        const QString mime = base + QStringLiteral("/mime/packages/velmora-t2l.xml");
        const QString flatDesktop = base + QStringLiteral("/velmora-t2l.desktop");
        const QString flatMime = base + QStringLiteral("/velmora-t2l.xml");
        const QString desktopFile = QFile::exists(desktop) ? desktop : (QFile::exists(flatDesktop) ? flatDesktop : QString());
        const QString mimeFile = QFile::exists(mime) ? mime : (QFile::exists(flatMime) ? flatMime : QString());
        if (desktopFile.isEmpty() || mimeFile.isEmpty())
            continue;
        CopyReplacing(desktopFile, dataHome + QStringLiteral("/applications/velmora-t2l.desktop"));
        CopyReplacing(mimeFile, dataHome + QStringLiteral("/mime/packages/velmora-t2l.xml"));
        if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QProcess::execute(QStringLiteral("update-mime-database"), {dataHome + QStringLiteral("/mime")});
        if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
            QProcess::execute(QStringLiteral("update-desktop-database"), {dataHome + QStringLiteral("/applications")});
        say(QStringLiteral("Dateityp .t2l für diesen Benutzer angemeldet."));
        break;
    }
    return ok;
}

QStringList ManualCandidates(const QString& programDir)
{
    return {programDir + QLatin1Char('/') + AppConstants::kManualFileName,
            programDir + QStringLiteral("/../share/velmora-t2l/") + AppConstants::kManualFileName,
            QDir::currentPath() + QLatin1Char('/') + AppConstants::kManualFileName};
}

} // namespace StartUp
