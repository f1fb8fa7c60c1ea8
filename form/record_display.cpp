#include "form/record_display.h"

#include "form/record_layout.h"

namespace kelvor::form {

int ReadUnitRecord(const table::DocumentText& text, int lineNumber, table::UnitRecord& rec) {
    for (std::string& entry : rec) entry.clear();
    const table::Cursor start = text.LineStart(lineNumber);
    if (!table::IsUnitLine(start)) return 0;
    if (table::ParseUnitLine(start, rec)) return table::kFieldCount;

    // A short line: the parse kept what it read and turned no codes into
    // names. Count the fields and name the codes that are there.
    table::Cursor c = start;
    int count = 0;
    while (count < table::kFieldCount && table::SkipFields(c, 1)) ++count;
    for (int f = table::kFirstMovementField; f <= table::kLastMovementField && f < count; ++f)
        rec[static_cast<std::size_t>(f)] = table::MovementClassName(rec[static_cast<std::size_t>(f)]);
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
