// diff: what changed from one table to another, unit by unit.
#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_diff.h"
#include "cli/table_input.h"

namespace kelvor::cli {

namespace {

const char* KindName(LineChange::Kind kind) {
    switch (kind) {
    case LineChange::Kind::Unit: return "unit";
    case LineChange::Kind::Line: return "line";
    case LineChange::Kind::LineEnd: return "line-end";
    case LineChange::Kind::Removed: return "removed";
    case LineChange::Kind::Added: return "added";
    case LineChange::Kind::Renumbered: return "renumbered";
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

Json LineNumber(int line) { return line >= 0 ? Json(line) : Json(nullptr); }

Json ChangeJson(const LineChange& c) {
    Json entry{{"line", LineNumber(c.line)}, {"newLine", LineNumber(c.newLine)}, {"kind", KindName(c.kind)}};
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
    case LineChange::Kind::Renumbered:
        entry["count"] = c.count;
        break;
    case LineChange::Kind::Removed:
    case LineChange::Kind::Added:
        if (const std::string_view line = c.kind == LineChange::Kind::Added ? c.after : c.before; IsUnitLine(line)) {
            entry["unit"] = UnitNumberOfLine(c.kind == LineChange::Kind::Added ? c.newLine : c.line);
            entry["name"] = Utf8(NameOfUnitLine(line));
        }
        [[fallthrough]];
    case LineChange::Kind::Line:
        entry["old"] = c.kind == LineChange::Kind::Added ? Json(nullptr) : Json(Utf8(c.before));
        entry["new"] = c.kind == LineChange::Kind::Removed ? Json(nullptr) : Json(Utf8(c.after));
        break;
    }
    return entry;
}

// "line 50", and ", now line 49" when the line stands elsewhere in the new table.
std::string Where(const LineChange& c, bool unit, std::string_view name) {
    std::string where = LineLabel(c.line, unit, name);
    if (c.newLine != c.line) {
        where += Say(", now line {1}", {std::to_string(c.newLine)});
        if (unit) where += Say(", unit {1}", {std::to_string(UnitNumberOfLine(c.newLine))});
    }
    return where;
}

// "lines 13 to 152", or "line 13" for one.
std::string Lines(int first, int count) {
    return count == 1 ? Say("line {1}", {std::to_string(first)})
                      : Say("lines {1} to {2}", {std::to_string(first), std::to_string(first + count - 1)});
}

void AppendChangeText(const LineChange& c, std::string& report) {
    switch (c.kind) {
    case LineChange::Kind::Unit:
        report += Where(c, true, UnitName(c)) + ":\n";
        for (const FieldChange& f : c.fields)
            report += Say("  field {1}: {2} -> {3}", {FieldLabel(f.field), OptionalQuoted(f.before), OptionalQuoted(f.after)}) +
                      "\n";
        break;
    case LineChange::Kind::LineEnd:
        report += Where(c, false, {}) + Say(": line end {1} -> {2}", {LineEndName(c.endBefore), LineEndName(c.endAfter)}) +
                  "\n";
        break;
    case LineChange::Kind::Line:
        report += Where(c, false, {}) + ":\n  - " + Utf8(c.before) + "\n  + " + Utf8(c.after) + "\n";
        break;
    case LineChange::Kind::Removed:
        report += LineLabel(c.line, IsUnitLine(c.before), NameOfUnitLine(c.before)) + Say(": only in the old table") +
                  "\n  - " + Utf8(c.before) + "\n";
        break;
    case LineChange::Kind::Added:
        report += Say("new {1}", {LineLabel(c.newLine, IsUnitLine(c.after), NameOfUnitLine(c.after))}) +
                  Say(": only in the new table") + "\n  + " + Utf8(c.after) + "\n";
        break;
    case LineChange::Kind::Renumbered: {
        const int shift = c.newLine - c.line;
        report += Say("{1} renumbered: now {2} (unit numbers {3})",
                      {Lines(c.line, c.count), Lines(c.newLine, c.count), (shift > 0 ? "+" : "") + std::to_string(shift)}) +
                  "\n";
        break;
    }
    }
}

}  // namespace

int RunDiff(const table::Path& before, const table::Path& after, Output& output) {
    table::MappedFile a, b;
    std::string reason;
    if (!LoadTable(before, a, reason)) return Unusable(output, before, reason);
    if (!LoadTable(after, b, reason)) return Unusable(output, after, reason);

    const std::vector<LineChange> changes = DiffTables(a.view(), b.view());
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
