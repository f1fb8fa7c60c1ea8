#include "form/record_display.h"

#include "form/record_layout.h"

namespace kelvor::form {

int StoredFieldsAt(table::Cursor c, table::UnitRecord& stored) {
    for (std::string& entry : stored) entry.clear();
    if (!table::IsUnitLine(c)) return 0;
    int count = 0;
    while (count < table::kFieldCount && table::ReadField(c, stored[static_cast<std::size_t>(count)])) ++count;
    return count;
}

int ReadStoredFields(const table::DocumentText& text, int lineNumber, table::UnitRecord& stored) {
    return StoredFieldsAt(text.LineStart(lineNumber), stored);
}

void NamesFromStored(const table::UnitRecord& stored, int count, table::UnitRecord& rec) {
    rec = stored;
    for (int f = table::kFirstMovementField; f <= table::kLastMovementField && f < count; ++f)
        rec[static_cast<std::size_t>(f)] = table::MovementClassName(rec[static_cast<std::size_t>(f)]);
}

int ReadUnitRecord(const table::DocumentText& text, int lineNumber, table::UnitRecord& rec) {
    table::UnitRecord stored;
    const int count = ReadStoredFields(text, lineNumber, stored);
    NamesFromStored(stored, count, rec);
    return count;
}

void MembersFromRecord(const table::UnitRecord& rec, FormMembers& members) {
    for (const FieldLayout& f : RecordLayout()) {
        const auto i = static_cast<std::size_t>(f.field);
        switch (f.kind) {
        case FieldKind::Text:
            members.text[i] = rec[i];
            break;
        case FieldKind::Integer:
            members.number[i] = table::ParseDecimal(rec[i]);
            break;
        case FieldKind::Flag:
            members.number[i] = rec[i] == table::kMarkSet ? 1 : 0;
            break;
        case FieldKind::MovementClass:
        case FieldKind::TableValue:
        case FieldKind::Marker:
            break;
        }
    }
}

}  // namespace kelvor::form
