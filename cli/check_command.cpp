// check: what in a table the editor would refuse, rewrite or cannot show.
#include <system_error>

#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_check.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"

namespace kelvor::cli {

namespace {

// The findings of one problem shown before the rest are only counted.
constexpr int kShownPerProblem = 20;

}  // namespace

int RunCheck(const table::Path& path, const std::optional<table::Path>& pictures, bool all, Output& output) {
    table::MappedFile text;
    std::string reason;
    if (!LoadTable(path, text, reason)) return Unusable(output, path, reason);

    CheckOptions options;
    options.limit = all ? 0 : kShownPerProblem;
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

    const CheckReport report = CheckTable(text.view(), options);
    int errors = 0, notes = 0;
    Json notShown = Json::object();
    for (int p = 0; p < kProblemCount; ++p) {
        const int count = report.counts[static_cast<std::size_t>(p)];
        (IsNote(static_cast<Problem>(p)) ? notes : errors) += count;
        if (!all && count > kShownPerProblem) notShown[ProblemCode(static_cast<Problem>(p))] = count - kShownPerProblem;
    }

    if (output.json) {
        JsonListWriter writer(output.out,
                              {{"table", PathText(path)}, {"errors", errors}, {"notes", notes}, {"notShown", notShown}},
                              "findings");
        for (const Finding& f : report.findings) {
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
        std::string text;
        for (const Finding& f : report.findings) {
            if (IsNote(f.problem)) text += Say("note: ");
            if (f.line >= 0) text += LineLabel(f.line, f.unit, f.unitName);
            if (f.field >= 0) text += Say(", field {1}", {FieldLabel(f.field)});
            text += (f.line >= 0 ? ": " : "") + f.message + "\n";
        }
        for (const auto& [problem, count] : notShown.items())
            text += Say("... {1} more {2} findings not shown (--all shows every one)",
                        {std::to_string(count.get<int>()), problem}) +
                    "\n";
        text += Say("{1}: {2}, {3}", {PathText(path), Count(errors, "{1} error", "{1} errors"),
                                        Count(notes, "{1} note", "{1} notes")}) +
                "\n";
        output.out << text;
    }
    return errors ? kExitFindings : kExitClean;
}

}  // namespace kelvor::cli
