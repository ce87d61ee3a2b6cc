#pragma once

#include <QDate>
#include <QString>

class CKivEditWindow;
class CSettingsStore;

// The stored presets that new and opened documents receive.
namespace DocumentPresets {

// Text of a declarant role (1..4) for box 14; empty for any other value.
QString DeclarantRoleText(int role);

// Declarant of box 14 and today's date in the stamps (main-sheet fields 19,
// 18, 6, 56). Runs whenever a document's contents are reset.
void ApplyPresets(CKivEditWindow& engine, const CSettingsStore& profile, const QDate& today);

// The own company for box 8 and box 2 of the first continuation sheet
// (main-sheet fields 17, 16; fields 8, 7 of page 2). Runs once when a
// document is first shown, after an opened file has been read.
void ApplyInitialUpdatePresets(CKivEditWindow& engine, const CSettingsStore& profile);

} // namespace DocumentPresets
