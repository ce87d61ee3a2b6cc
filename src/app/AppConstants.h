#pragma once

#include <QString>

// Names that tie the program to its settings, files and the desktop.
namespace AppConstants {
inline const QString kApplicationTitle = QStringLiteral("Velmora-T2L");
inline const QString kCompanyKey = QStringLiteral("Brennik");
inline const QString kLibraryBrand = QStringLiteral("KIV");
inline const QString kExecutableName = QStringLiteral(T2L_EXECUTABLE_NAME);
inline const QString kVersionText = QStringLiteral(T2L_VERSION_TEXT);
inline const QString kBuildDate = QStringLiteral("Oct  9 2021");
inline const QString kManualFileName = QStringLiteral("velmora-t2l.pdf");
inline const QString kDocumentExtension = QStringLiteral(".t2l");
} // namespace AppConstants
