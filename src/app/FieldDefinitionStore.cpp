#include "FieldDefinitionStore.h"

#include "RegeditManagment.h"
#include "SettingsStore.h"
#include "fields/FieldDefinitions.h"

namespace {

struct STableNames
{
    int sheetKind;
    QString bytesValue;
    QString sizeValue;
    int size;
};

const STableNames kTables[] = {
    {kMainSheet, QStringLiteral("FieldDef_EH1"), QStringLiteral("FieldSize_EH1"), CFieldDefinitions::kMainTableSize},
    {kContSheet, QStringLiteral("FieldDef_EH2"), QStringLiteral("FieldSize_EH2"), CFieldDefinitions::kContTableSize},
};

} // namespace

namespace FieldDefinitionStore {

void Load(CFieldDefinitions& defs, const CSettingsStore& profile, const CRegeditManagment& library)
{
    for (const STableNames& t : kTables) {
        if (profile.ReadInt(SettingsSection::kDefaults, t.sizeValue, 0) != t.size) {
            library.WriteBytes(SettingsSection::kDefaults, t.bytesValue, CFieldDefinitions::BuiltInTable(t.sheetKind));
            profile.WriteInt(SettingsSection::kDefaults, t.sizeValue, t.size);
            // An older release kept the tables in the library's Settings section.
            library.DeleteValue(SettingsSection::kSettings, t.bytesValue);
            library.DeleteValue(SettingsSection::kSettings, t.sizeValue);
        }
        library.ReadBytes(SettingsSection::kDefaults, t.bytesValue, defs.Table(t.sheetKind));
    }
}

void Read(CFieldDefinitions& defs, const CSettingsStore& profile, const CRegeditManagment& library)
{
    for (const STableNames& t : kTables) {
        defs.Table(t.sheetKind) = CFieldDefinitions::BuiltInTable(t.sheetKind);
        if (profile.ReadInt(SettingsSection::kDefaults, t.sizeValue, 0) == t.size)
            library.ReadBytes(SettingsSection::kDefaults, t.bytesValue, defs.Table(t.sheetKind));
    }
}

void Save(const CFieldDefinitions& defs, const CSettingsStore& profile, const CRegeditManagment& library)
{
    for (const STableNames& t : kTables) {
        library.WriteBytes(SettingsSection::kDefaults, t.bytesValue, defs.Table(t.sheetKind));
        profile.WriteInt(SettingsSection::kDefaults, t.sizeValue, t.size);
    }
}

} // namespace FieldDefinitionStore
