#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a temporary file beside path and renames it over path only
// when every byte is on disk; otherwise the old file stays as it was.
// On failure errorText gets the system's reason.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText);
