#include "cli/command_support.h"

#include <filesystem>
#include <system_error>

#include "cli/messages.h"
#include "cli/table_input.h"
#include "cli/table_lines.h"
#include "cli/utf8_text.h"
#include "form/record_layout.h"

namespace kelvor::cli {

int Unusable(Output& output, const table::Path& file, const std::string& reason) {
    output.err << "kelvor-cli: " << PathText(file) << ": " << reason << '\n';
    return kExitUnusable;
}

int SaveFailed(Output& output, const table::SaveError& failure) {
    using Kind = table::SaveError::Kind;
    std::string reason;
    switch (failure.kind) {
    case Kind::Backup:
        reason = Say("the replaced table could not be set aside here: {1}; nothing was written", {Say(failure.systemError)});
        break;
    case Kind::Open:
        reason = Say("cannot be written: {1}", {Say(failure.systemError)});
        break;
    case Kind::Write:
    case Kind::Replace:
    case Kind::None:
        reason = Say("could not be saved: {1}; the file is as it was", {Say(failure.systemError)});
        break;
    }
    return Unusable(output, failure.path, reason);
}

bool SameFile(const table::Path& a, const table::Path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

std::string Utf8(std::string_view cp932) {
    std::string utf8(Utf8Room(cp932.size()), '\0');
    utf8.resize(static_cast<std::size_t>(WriteUtf8(cp932, utf8.data()) - utf8.data()));
    return utf8;
}

std::string Quoted(std::string_view cp932) {
    std::string quoted(1, '"');
    quoted += Utf8(cp932);
    quoted += '"';
    return quoted;
}

std::string FieldLabel(int field) {
    const form::FieldLayout& f = form::RecordLayout()[static_cast<std::size_t>(field)];
    std::string label = std::to_string(field) + " " + std::string(f.name);
    if (!f.caption.empty()) label += " [" + std::string(f.caption) + "]";
    return label;
}

std::string LineLabel(int line, bool unit, std::string_view name) {
    return unit ? Say("line {1}, unit {2} {3}", {std::to_string(line), std::to_string(UnitNumberOfLine(line)), Quoted(name)})
                : Say("line {1}", {std::to_string(line)});
}

void AddFieldJson(Json& object, int field) {
    const form::FieldLayout& f = form::RecordLayout()[static_cast<std::size_t>(field)];
    object["field"] = field;
    object["fieldName"] = std::string(f.name);
    object["caption"] = std::string(f.caption);
}

namespace {

std::string Dump(const Json& value, int indent) {
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

void WriteJson(std::ostream& out, const Json& document) { out << Dump(document, 2) << '\n'; }

JsonListWriter::JsonListWriter(std::ostream& out, const Json& head, const char* listKey) : out_(out) {
    out_ << "{\n";
    for (const auto& [key, value] : head.items()) out_ << "  " << Dump(Json(key), -1) << ": " << Dump(value, -1) << ",\n";
    out_ << "  " << Dump(Json(listKey), -1) << ": [";
}

void JsonListWriter::Add(const Json& item) {
    out_ << (first_ ? "\n    " : ",\n    ") << Dump(item, -1);
    first_ = false;
}

void JsonListWriter::Finish() { out_ << (first_ ? "]\n}\n" : "\n  ]\n}\n"); }

}  // namespace kelvor::cli
