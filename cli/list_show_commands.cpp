// list: every unit with its unit number and line number. show: every field
// of one unit, as the form shows it.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"
#include "form/record_display.h"
#include "form/record_layout.h"
#include "table/text_format.h"

namespace kelvor::cli {

namespace {

using form::FieldKind;

// Every field's value as the form shows it, by the form's own display code:
// integers as the number the box holds, flags as "○" or "×" by the check
// box, movement classes by name; other fields as the record holds them.
// Code page 932.
std::array<std::string, table::kFieldCount> ShownValues(const table::DocumentText& text, int lineNumber) {
    table::UnitRecord record;
    form::ReadUnitRecord(text, lineNumber, record);
    form::FormMembers members;
    form::MembersFromRecord(record, members);
    std::array<std::string, table::kFieldCount> shown;
    for (const form::FieldLayout& f : form::RecordLayout()) {
        const auto i = static_cast<std::size_t>(f.field);
        if (f.kind == FieldKind::Integer)
            shown[i] = std::to_string(members.number[i]);
        else if (f.kind == FieldKind::Flag)
            shown[i] = members.number[i] ? table::kMarkSet : table::kMarkClear;
        else
            shown[i] = record[i];
    }
    return shown;
}

}  // namespace

int RunList(const table::Path& path, Output& output) {
    table::MappedFile text;
    std::string reason;
    if (!LoadTable(path, text, reason)) return Unusable(output, path, reason);

    std::optional<JsonListWriter> writer;
    if (output.json) writer.emplace(output.out, Json{{"table", PathText(path)}}, "units");
    std::string report;
    ForEachLine(text.view(), [&](const TableLine& line) {
        if (!IsUnitLine(line.text)) return;
        table::Cursor c{line.text.data(), line.text.data() + line.text.size()};
        std::string name;
        table::ReadField(c, name);
        if (output.json) {
            writer->Add({{"unit", UnitNumberOfLine(line.number)}, {"line", line.number}, {"name", Utf8(name)}});
        } else {
            report += std::to_string(UnitNumberOfLine(line.number)) + "\t" + std::to_string(line.number) + "\t" +
                      Utf8(name) + "\n";
        }
    });
    if (output.json)
        writer->Finish();
    else
        output.out << Say("unit\tline\tname") << "\n" << report;
    return kExitClean;
}

int RunShow(const table::Path& path, int unitNumber, Output& output) {
    table::DocumentText text;
    std::string reason;
    if (!LoadTable(path, text, reason)) return Unusable(output, path, reason);

    TableLine line;
    if (!FindUnitLine(text.view(), unitNumber, line, reason)) return Unusable(output, path, reason);

    UnitFields fields;
    SplitFields(line.text, fields);
    const std::array<std::string, table::kFieldCount> values = ShownValues(text, line.number);
    Json shown = Json::array();
    std::string report = LineLabel(line.number, true, fields.field[0]) + "\n";
    for (const form::FieldLayout& f : form::RecordLayout()) {
        const bool held = f.field < fields.Held();
        const std::string_view stored = held ? fields.field[static_cast<std::size_t>(f.field)] : std::string_view();
        const std::string& value = values[static_cast<std::size_t>(f.field)];
        if (output.json) {
            Json entry;
            AddFieldJson(entry, f.field);
            entry["value"] = held ? Json(Utf8(value)) : Json(nullptr);
            entry["stored"] = held ? Json(Utf8(stored)) : Json(nullptr);
            shown.push_back(std::move(entry));
            continue;
        }
        report += "  " + FieldLabel(f.field) + ": ";
        if (!held) {
            report += Say("(the line ends before this field)") + "\n";
            continue;
        }
        report += Utf8(value);
        if (value != stored) report += Say("  (stored {1})", {Quoted(stored)});
        report += "\n";
    }
    if (output.json)
        WriteJson(output.out, {{"table", PathText(path)},
                               {"unit", unitNumber},
                               {"line", line.number},
                               {"fieldCount", fields.count},
                               {"fields", std::move(shown)}});
    else
        output.out << report;
    return kExitClean;
}

}  // namespace kelvor::cli
