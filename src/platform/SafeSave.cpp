#include "SafeSave.h"

#include <QSaveFile>

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write reports success even when the disk takes
    // only part of it (file too large, disk full) and the loss goes unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || file.size() != bytes.size()) {
        if (errorText)
            *errorText = file.error() != QFileDevice::NoError ? file.errorString()
                                                              : QStringLiteral("Es konnten nicht alle Daten geschrieben werden.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}
