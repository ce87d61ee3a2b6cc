#pragma once

class CFieldDefinitions;
class CRegeditManagment;
class CSettingsStore;

// Keeps the field-definition flags of both sheet kinds: the tables as bytes
// values in the library root, a size marker for each in the profile root.
namespace FieldDefinitionStore {

// At start: a table whose marker is missing or wrong is first rewritten from
// the built-in table (and the older location cleaned up); then both tables
// are read into defs. A missing bytes value leaves that table as it was.
void Load(CFieldDefinitions& defs, const CSettingsStore& profile, const CRegeditManagment& library);

// The stored tables as they are, writing nothing: a table never stored reads
// as its built-in form. For tools that only look.
void Read(CFieldDefinitions& defs, const CSettingsStore& profile, const CRegeditManagment& library);

void Save(const CFieldDefinitions& defs, const CSettingsStore& profile, const CRegeditManagment& library);

} // namespace FieldDefinitionStore
