#pragma once

#include <QString>

class CSettingsStore;

// What the program options dialog decides, without any widget: the values it
// shows, what OK stores, and the creation of empty master data tables.
namespace ProgramOptions {

inline const QString kAddressPathName = QStringLiteral("AdressdatenDatei");
inline const QString kGoodsPathName = QStringLiteral("StammdatenDatei");
inline const QString kPaperCheckName = QStringLiteral("PrnPapielageCheck");
inline constexpr int kPaperCheckDefault = 1;

struct SValues
{
    QString addressPath;
    QString goodsPath;
    int paperCheck = kPaperCheckDefault;
};

// The stored values; an empty path shows the data directory's default file.
SValues Load(const CSettingsStore& profile, const QString& dataDirectory);
void Store(const CSettingsStore& profile, const SValues& values);

enum class ECreateResult { kCreated, kKept, kFailed };

struct SCreateOutcome
{
    ECreateResult result = ECreateResult::kFailed;
    QString path;  // the table the request was about
    QString error; // why it failed
};

// Create an empty table where the stored settings put it, never over an
// existing file. Call after Store, so the table is where the master data
// dialogs will look for it. An empty goods path means the default file of
// the layout (`Stammdaten`) in the data directory, not the working directory.
SCreateOutcome CreateGoodsTable(const CSettingsStore& profile, const QString& dataDirectory);
SCreateOutcome CreateAddressTable(const CSettingsStore& profile, const QString& dataDirectory);

// The message for a table that could not be created.
QString CreateFailedText(const SCreateOutcome& outcome);

// The numbered texts of the dialog.
QString Text(int id);

} // namespace ProgramOptions
