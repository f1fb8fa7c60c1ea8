// diff: what changed from one table to another, unit by unit.
#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_diff.h"
#include "cli/table_input.h"

namespace kelvor::cli {

namespace {

const char* LineEndName(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf: return "CR LF";
    case LineEnd::Lf: return "LF";
    case LineEnd::CrCrLf: return "CR CR LF";
    case LineEnd::None: break;
    }
    return "none";
}

const char* KindName(LineChange::Kind kind) {
    switch (kind) {
    case LineChange::Kind::Unit: return "unit";
    case LineChange::Kind::Line: return "line";
    case LineChange::Kind::LineEnd: return "line-end";
    case LineChange::Kind::Removed: return "removed";
    case LineChange::Kind::Added: return "added";
    }
    return "line";
}

Json OptionalText(const std::optional<std::string_view>& text) {
    return text ? Json(Utf8(*text)) : Json(nullptr);
}

std::string OptionalQuoted(const std::optional<std::string_view>& text) { return text ? Quoted(*text) : Say("(none)"); }

// The unit's name: the new line's, or the old one's when the new has none.
std::string_view UnitName(const LineChange& c) {
    UnitFields f;
    SplitFields(c.after, f);
    if (!f.field[0].empty()) return f.field[0];
    SplitFields(c.before, f);
    return f.field[0];
}

Json ChangeJson(const LineChange& c) {
    Json entry{{"line", c.line}, {"kind", KindName(c.kind)}};
    switch (c.kind) {
    case LineChange::Kind::Unit: {
        entry["unit"] = UnitNumberOfLine(c.line);
        entry["name"] = Utf8(UnitName(c));
        Json fields = Json::array();
        for (const FieldChange& f : c.fields) {
            Json field;
            AddFieldJson(field, f.field);
            field["old"] = OptionalText(f.before);
            field["new"] = OptionalText(f.after);
            fields.push_back(std::move(field));
        }
        entry["fields"] = std::move(fields);
        break;
    }
    case LineChange::Kind::LineEnd:
        entry["oldEnd"] = LineEndName(c.endBefore);
        entry["newEnd"] = LineEndName(c.endAfter);
        break;
    case LineChange::Kind::Line:
    case LineChange::Kind::Removed:
    case LineChange::Kind::Added:
        entry["old"] = c.kind == LineChange::Kind::Added ? Json(nullptr) : Json(Utf8(c.before));
        entry["new"] = c.kind == LineChange::Kind::Removed ? Json(nullptr) : Json(Utf8(c.after));
        break;
    }
    return entry;
}

void AppendChangeText(const LineChange& c, std::string& report) {
    switch (c.kind) {
    case LineChange::Kind::Unit:
        report += LineLabel(c.line, true, UnitName(c)) + ":\n";
        for (const FieldChange& f : c.fields)
            report += Say("  field {1}: {2} -> {3}", {FieldLabel(f.field), OptionalQuoted(f.before), OptionalQuoted(f.after)}) +
                      "\n";
        break;
    case LineChange::Kind::LineEnd:
        report += Say("line {1}: line end {2} -> {3}", {std::to_string(c.line), LineEndName(c.endBefore), LineEndName(c.endAfter)}) +
                  "\n";
        break;
    case LineChange::Kind::Line:
        report += Say("line {1}", {std::to_string(c.line)}) + ":\n  - " + Utf8(c.before) + "\n  + " + Utf8(c.after) + "\n";
        break;
    case LineChange::Kind::Removed:
        report += Say("line {1}: only in the old table", {std::to_string(c.line)}) + "\n  - " + Utf8(c.before) + "\n";
        break;
    case LineChange::Kind::Added:
        report += Say("line {1}: only in the new table", {std::to_string(c.line)}) + "\n  + " + Utf8(c.after) + "\n";
        break;
    }
}

}  // namespace

int RunDiff(const table::Path& before, const table::Path& after, Output& output) {
    table::DocumentText a, b;
    std::string reason;
    if (!LoadTable(before, a, reason)) return Unusable(output, before, reason);
    if (!LoadTable(after, b, reason)) return Unusable(output, after, reason);

    const std::vector<LineChange> changes = DiffTables(a, b);
    if (output.json) {
        JsonListWriter writer(output.out, {{"old", PathText(before)}, {"new", PathText(after)}}, "changes");
        for (const LineChange& c : changes) writer.Add(ChangeJson(c));
        writer.Finish();
    } else {
        std::string report;
        for (const LineChange& c : changes) AppendChangeText(c, report);
        output.out << report;
    }
    return changes.empty() ? kExitClean : kExitFindings;
}

}  // namespace kelvor::cli
