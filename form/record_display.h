// Showing a unit: its record read from its line, and the members set from
// the record by each field's kind. Plain code; the lists are selected by the
// window, from the record's own text.
#pragma once

#include "form/form_members.h"
#include "table/document.h"
#include "table/text_format.h"

namespace kelvor::form {

// Reads the unit line `lineNumber` of the text into rec, emptied first, so
// that fields a short line lacks are empty and never another unit's. The
// movement-class codes read become their names. Gives how many fields the
// line holds, at most 194: fewer means a short line (0: no unit line there).
int ReadUnitRecord(const table::DocumentText& text, int lineNumber, table::UnitRecord& rec);

// The same, with every field's bytes as the line stores them (movement
// codes as codes, a code no class has included).
int ReadStoredFields(const table::DocumentText& text, int lineNumber, table::UnitRecord& stored);
// The same for the unit line at `c`.
int StoredFieldsAt(table::Cursor c, table::UnitRecord& stored);
// The record a display shows for `count` stored fields: movement codes as
// their names.
void NamesFromStored(const table::UnitRecord& stored, int count, table::UnitRecord& rec);

// Sets the members by kind: text as it is, integers through ParseDecimal,
// check boxes set exactly for "○". List fields and the marker have no
// member; the unit number is left to the caller.
void MembersFromRecord(const table::UnitRecord& rec, FormMembers& members);

}  // namespace kelvor::form
