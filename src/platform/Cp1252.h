#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the 8-bit code page of the files this program shares with
// other Windows software. Fixed table, independent of the system locale.
namespace Cp1252 {

QString Decode(const char* data, qsizetype size);
inline QString Decode(const QByteArray& bytes) { return Decode(bytes.constData(), bytes.size()); }

// Characters without a 1252 byte become '?'.
QByteArray Encode(const QString& text);

} // namespace Cp1252
