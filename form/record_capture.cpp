#include "form/record_capture.h"

#include "form/record_layout.h"

namespace kelvor::form {

void RecordFromMembers(const FormMembers& members, const SelectedItemText& selected, table::UnitRecord& rec) {
    for (const FieldLayout& f : RecordLayout()) {
        const auto i = static_cast<std::size_t>(f.field);
        switch (f.kind) {
        case FieldKind::Text:
            rec[i] = members.text[i];
            break;
        case FieldKind::Integer:
            rec[i] = std::to_string(members.number[i]);
            break;
        case FieldKind::Flag:
            rec[i] = members.number[i] == 1 ? table::kMarkSet : table::kMarkClear;
            break;
        case FieldKind::MovementClass:
        case FieldKind::TableValue:
            if (std::optional<std::string> item = selected(f.field)) rec[i] = std::move(*item);
            break;
        case FieldKind::Marker:
            break;
        }
    }
}

bool ComposeChangedLine(const table::UnitRecord& captured, const table::UnitRecord& stored, int storedCount,
                        const FieldSet& changed, std::string& line) {
    table::UnitRecord out;
    for (int f = 0; f < table::kFieldCount; ++f) {
        const auto i = static_cast<std::size_t>(f);
        if (f < storedCount && !changed[i])
            out[i] = stored[i];
        else if (f >= table::kFirstMovementField && f <= table::kLastMovementField)
            out[i] = table::MovementClassCode(captured[i]);
        else
            out[i] = captured[i];
    }
    return table::JoinUnitFields(out, line) != 0;
}

}  // namespace kelvor::form
