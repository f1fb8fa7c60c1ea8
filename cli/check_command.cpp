// check: what in a table the editor would refuse, rewrite or cannot show.
#include <system_error>

#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_check.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"

namespace kelvor::cli {

int RunCheck(const table::Path& path, const std::optional<table::Path>& pictures, Output& output) {
    table::DocumentText text;
    std::string reason;
    if (!LoadTable(path, text, reason)) return Unusable(output, path, reason);

    CheckOptions options;
    std::error_code ec;
    if (pictures) {
        // A folder named on the command line must be there.
        if (!std::filesystem::is_directory(*pictures, ec)) return Unusable(output, *pictures, Say("is no folder of unit pictures"));
        options.pictures = *pictures;
        options.picturesName = PathText(*pictures);
    } else {
        const table::Path beside = path.parent_path() / "unit";
        options.picturesName = Say("unit/ beside the table");
        if (std::filesystem::is_directory(beside, ec)) options.pictures = beside;
    }

    const std::vector<Finding> findings = CheckTable(text, options);
    int errors = 0, notes = 0;
    for (const Finding& f : findings) ++(IsNote(f.problem) ? notes : errors);

    if (output.json) {
        JsonListWriter writer(output.out, {{"table", PathText(path)}, {"errors", errors}, {"notes", notes}}, "findings");
        for (const Finding& f : findings) {
            Json entry{{"severity", IsNote(f.problem) ? "note" : "error"}, {"problem", ProblemCode(f.problem)}};
            entry["line"] = f.line >= 0 ? Json(f.line) : Json(nullptr);
            if (f.unit) {
                entry["unit"] = UnitNumberOfLine(f.line);
                entry["name"] = Utf8(f.unitName);
            }
            if (f.field >= 0) AddFieldJson(entry, f.field);
            entry["message"] = f.message;
            writer.Add(entry);
        }
        writer.Finish();
    } else {
        std::string report;
        for (const Finding& f : findings) {
            if (IsNote(f.problem)) report += Say("note: ");
            if (f.line >= 0) report += LineLabel(f.line, f.unit, f.unitName);
            if (f.field >= 0) report += Say(", field {1}", {FieldLabel(f.field)});
            report += (f.line >= 0 ? ": " : "") + f.message + "\n";
        }
        report += Say("{1}: {2}, {3}", {PathText(path), Count(errors, "{1} error", "{1} errors"),
                                          Count(notes, "{1} note", "{1} notes")}) +
                  "\n";
        output.out << report;
    }
    return errors ? kExitFindings : kExitClean;
}

}  // namespace kelvor::cli
