// export: one unit to a single-unit file, byte for byte as the editor's
// export writes it once the unit is shown.
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/import_problems.h"
#include "cli/messages.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"
#include "form/record_display.h"
#include "table/safe_save.h"
#include "unitfile/unit_file_format.h"

namespace kelvor::cli {

namespace {

// Where the file says other than the table's line: fields after field 193
// are left out, as the editor's own export does.
std::vector<std::string> Rewritten(std::string_view line) {
    UnitFields stored;
    SplitFields(line, stored);
    std::vector<std::string> notes;
    if (stored.count > table::kFieldCount)
        notes.push_back(Say("the {1} fields after field 193 are left out", {std::to_string(stored.count - table::kFieldCount)}));
    return notes;
}

}  // namespace

int RunExport(const table::Path& path, int unitNumber, const std::optional<table::Path>& target, Output& output) {
    table::DocumentText text;
    std::string reason;
    if (!LoadTable(path, text, reason)) return Unusable(output, path, reason);
    TableLine line;
    if (!FindUnitLine(text.view(), unitNumber, line, reason)) return Unusable(output, path, reason);

    // The unit's fields as the line stores them, as the editor exports them.
    table::UnitRecord record;
    const int fields = form::ReadStoredFields(text, line.number, record);
    const std::string unit = LineLabel(line.number, true, record[0]);
    if (fields < table::kFieldCount)
        return Unusable(output, path,
                        Say("{1} holds only {2} of the 194 fields of a unit: its single-unit file would end in empty "
                            "fields, which import refuses",
                            {unit, std::to_string(fields)}));
    std::string bytes;
    if (!unitfile::ComposeUnitFile(line.number, record, bytes))
        return Unusable(output, path, Say("{1} cannot be written as one line: a field holds a comma, CR or LF", {unit}));
    // A file the import would refuse is not written.
    const unitfile::ImportCheck check = unitfile::CheckUnitFile(unitfile::UnitFileLine(bytes), text);
    if (!check.ok())
        return Unusable(output, path, Say("{1} cannot be exported: {2}", {unit, ImportProblemReason(check)}));

    const table::Path file = target ? *target : table::Path(unitfile::UnitFileName(unitNumber));
    if (SameFile(file, path)) return Unusable(output, file, Say("is the table itself; name another file"));
    table::SaveError failure;
    if (!table::ReplaceFileSafely(file, bytes, table::Path(), &failure)) return SaveFailed(output, failure);

    const std::vector<std::string> notes = Rewritten(line.text);
    if (output.json) {
        WriteJson(output.out, {{"table", PathText(path)},
                               {"unit", unitNumber},
                               {"line", line.number},
                               {"name", Utf8(record[0])},
                               {"file", PathText(file)},
                               {"notes", notes}});
        return kExitClean;
    }
    output.out << Say("wrote {1}: {2}", {PathText(file), unit}) << "\n";
    for (const std::string& note : notes) output.out << Say("note: ") << note << "\n";
    return kExitClean;
}

}  // namespace kelvor::cli
