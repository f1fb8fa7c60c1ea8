#include "cli/table_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "cli/messages.h"
#include "cli/table_lines.h"
#include "form/record_layout.h"
#include "panel/bitmap_check.h"
#include "panel/panel_geometry.h"
#include "table/cp932.h"
#include "table/cp932_codec.h"
#include "table/text_format.h"

namespace kelvor::cli {

namespace {

using form::FieldKind;
using form::FieldLayout;

constexpr int kFirstReferenceField = 50, kLastReferenceField = 51;
constexpr int kPictureField = 189;
// The fields whose values the form's drop-down lists offer, one list each,
// and the five weapon types, which share one list.
constexpr std::array<int, 6> kListFields = {3, 4, 5, 6, 31, 32};
constexpr std::array<int, 5> kWeaponTypeFields = {64, 84, 104, 124, 144};

std::string Quote(std::string_view cp932) {
    std::string quoted(1, '"');
    quoted += table::Utf8FromCp932(cp932);
    quoted += '"';
    return quoted;
}

// Digits as "%d" writes a number: no sign, no leading zero, no overflow.
bool IsPlainDecimal(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text[0] == '0')) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return text == "0" || table::ParseDecimal(text) != 0;
}

bool IsMovementCode(std::string_view text) {
    for (const table::MovementClass& mc : table::MovementClasses())
        if (text == mc.code) return true;
    return false;
}

// One drop-down list's items as the form builds them: the first of the
// values that are equal with letter case ignored.
class ListItems {
public:
    // The earlier value this one is a case variant of, or nullptr.
    const std::pair<std::string_view, int>* Offer(std::string_view value, int line) {
        if (!exact_.emplace(value, line).second) return nullptr;  // the very same text: one item
        const auto [it, added] = folded_.emplace(table::FoldCase(value), std::make_pair(value, line));
        return added ? nullptr : &it->second;
    }

private:
    std::unordered_map<std::string_view, int> exact_;
    std::unordered_map<std::string, std::pair<std::string_view, int>> folded_;
};

// What the picture panel would make of a picture file.
struct PictureFile {
    bool there = false;
    std::string problem;  // why the panel refuses it; "" when it shows it
};

PictureFile ReadPicture(const table::Path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    const std::uintmax_t bytes = std::filesystem::file_size(path, ec);
    if (!ec && bytes > panel::kMaxBitmapFileBytes)
        return {true, Say("it is {1} bytes, more than any picture the panel reads", {std::to_string(bytes)})};
    std::string file, error;
    if (!table::ReadWholeFile(path, file, &error)) return {true, Say("it cannot be read: {1}", {Say(error)})};
    return {true, panel::CheckBitmapFile(file).problem};
}

struct Reference {
    Finding finding;
    int target;  // the unit number named
};

class Checker {
public:
    Checker(const CheckOptions& options) : options_(options) {}

    void Line(const TableLine& line) {
        isUnit_.push_back(IsUnitLine(line.text));
        const bool unit = isUnit_.back();
        if (unit) SplitFields(line.text, fields_);
        const std::string_view name = unit ? fields_.field[0] : std::string_view();

        if (line.end == LineEnd::CrCrLf) Add(line.number, name, unit, -1, Problem::LineEnd, Say("ends in CR CR LF, not CR LF"));
        if (line.end == LineEnd::Lf) Add(line.number, name, unit, -1, Problem::LineEnd, Say("ends in a bare LF, not CR LF"));
        if (const std::size_t bad = table::FindInvalidCp932(line.text); bad != std::string_view::npos) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(line.text[bad])));
            Add(line.number, name, unit, -1, Problem::InvalidCp932,
                Say("byte {1} of the line ({2}) starts no character of code page 932: the editor shows \"\uFFFD\" there",
                    {std::to_string(bad), hex}));
        }
        if (const std::size_t nul = line.text.find('\0'); nul != std::string_view::npos)
            Add(line.number, name, unit, -1, Problem::NulByte,
                Say("byte {1} of the line is NUL: a single-unit file holding it does not import", {std::to_string(nul)}));
        if (unit) UnitLine(line);
    }

    std::vector<Finding> Finish() {
        for (Reference& r : references_) {
            const long long line = static_cast<long long>(r.target) + 2;
            if (line < static_cast<long long>(isUnit_.size()) && isUnit_[static_cast<std::size_t>(line)]) continue;
            findings_.push_back(std::move(r.finding));
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) { return std::tie(a.line, a.field) < std::tie(b.line, b.field); });
        return std::move(findings_);
    }

    void AddTableNote(Problem problem, std::string message) { Add(-1, {}, false, -1, problem, std::move(message)); }

private:
    void UnitLine(const TableLine& line) {
        const UnitFields& f = fields_;
        const std::string_view name = f.field[0];
        const int n = line.number;
        if (f.strayCr)
            Add(n, name, true, -1, Problem::StrayCr,
                Say("holds a CR after field {1}: what follows it is no field to the editor", {std::to_string(f.count - 1)}));
        if (f.EmptyLast()) {
            Add(n, name, true, table::kFieldCount - 1, Problem::EmptyLastField,
                Say("is empty, the line ending in a comma: the editor reads only 193 fields, says so, and Apply writes "
                    "\"0\" here"));
        } else if (f.count < table::kFieldCount) {
            Add(n, name, true, -1, Problem::FieldCount,
                Say("has {1} fields, not 194: the editor says so and shows the missing ones empty, and Apply writes all 194",
                    {std::to_string(f.count)}));
        } else if (f.count > table::kFieldCount) {
            Add(n, name, true, -1, Problem::FieldCount,
                Say("has {1} fields, not 194: Apply drops fields 194 to {2}",
                    {std::to_string(f.count), std::to_string(f.count - 1)}));
        }

        const auto [first, added] = names_.emplace(name, n);
        if (!added)
            Add(n, name, true, 0, Problem::DuplicateName,
                Say("the same name as unit {1} (line {2})",
                    {std::to_string(UnitNumberOfLine(first->second)), std::to_string(first->second)}));

        const auto layout = form::RecordLayout();
        const int held = f.EmptyLast() ? table::kFieldCount - 1 : f.Held();
        for (int i = 0; i < held; ++i) Field(n, layout[static_cast<std::size_t>(i)], f.field[static_cast<std::size_t>(i)]);
        for (std::size_t l = 0; l < kListFields.size(); ++l)
            if (kListFields[l] < held) ListValue(n, kListFields[l], lists_[l]);
        for (int field : kWeaponTypeFields)
            if (field < held) ListValue(n, field, weaponTypes_);
    }

    void Field(int line, const FieldLayout& layout, std::string_view value) {
        const std::string_view name = fields_.field[0];
        switch (layout.kind) {
        case FieldKind::Integer: {
            const int shown = table::ParseDecimal(value);
            const bool plain = IsPlainDecimal(value);
            if (layout.hasRange && (shown < layout.min || shown > layout.max)) {
                const std::string min = std::to_string(layout.min), max = std::to_string(layout.max);
                Add(line, name, true, layout.field, Problem::OutOfRange,
                    plain ? Say("{1} outside {2} to {3}: Apply keeps it until the box is changed, and takes only a "
                                "number in range then",
                                {std::to_string(shown), min, max})
                          : Say("{1} shows as {2}, outside {3} to {4}: Apply keeps it until the box is changed, and "
                                "takes only a number in range then",
                                {Quote(value), std::to_string(shown), min, max}));
            } else if (!plain) {
                Add(line, name, true, layout.field, Problem::NotPlainDecimal,
                    Say("{1} is not plain decimal: the form shows {2}; Apply keeps it until the box is changed",
                        {Quote(value), std::to_string(shown)}));
            }
            if (layout.field >= kFirstReferenceField && layout.field <= kLastReferenceField && shown != 0)
                references_.push_back({Finding{line, true, name, layout.field, Problem::MissingReference,
                                               Say("names unit {1}, which no unit has", {std::to_string(shown)})},
                                       shown});
            if (layout.field == kPictureField && options_.pictures) Picture(line, shown);
            break;
        }
        case FieldKind::Flag:
            if (value != table::kMarkSet && value != table::kMarkClear)
                Add(line, name, true, layout.field, Problem::BadFlag,
                    Say("{1} is neither \"○\" nor \"×\": the form shows it clear; Apply keeps it until the box is changed",
                        {Quote(value)}));
            break;
        case FieldKind::MovementClass:
            if (!IsMovementCode(value))
                Add(line, name, true, layout.field, Problem::UnknownMovementCode,
                    Say("{1} is no movement class: the form shows it as not from the table; Apply keeps it until the "
                        "list is changed",
                        {Quote(value)}));
            break;
        case FieldKind::Text:
        case FieldKind::TableValue:
        case FieldKind::Marker:
            break;
        }
    }

    void ListValue(int line, int field, ListItems& items) {
        const std::string_view value = fields_.field[static_cast<std::size_t>(field)];
        if (const auto* earlier = items.Offer(value, line))
            Add(line, fields_.field[0], true, field, Problem::CaseVariant,
                Say("{1} differs from {2} (line {3}) only in letter case: the form selects {2}; Apply keeps {1} until "
                    "the list is changed",
                    {Quote(value), Quote(earlier->first), std::to_string(earlier->second)}));
    }

    void Picture(int line, int number) {
        const std::string file = panel::UnitPictureFileName(number);
        auto it = pictures_.find(number);
        if (it == pictures_.end()) it = pictures_.emplace(number, ReadPicture(*options_.pictures / file)).first;
        if (!it->second.there)
            Add(line, fields_.field[0], true, kPictureField, Problem::MissingPicture,
                Say("names picture {1}, which {2} does not hold", {file, options_.picturesName}));
        else if (!it->second.problem.empty())
            Add(line, fields_.field[0], true, kPictureField, Problem::UnusablePicture,
                Say("names picture {1}, which the panel cannot show: {2}", {file, it->second.problem}));
    }

    void Add(int line, std::string_view name, bool unit, int field, Problem problem, std::string message) {
        findings_.push_back(Finding{line, unit, name, field, problem, std::move(message)});
    }

    const CheckOptions& options_;
    UnitFields fields_;
    std::vector<bool> isUnit_;  // by line number
    std::vector<Finding> findings_;
    std::vector<Reference> references_;
    std::unordered_map<std::string_view, int> names_;
    std::array<ListItems, kListFields.size()> lists_;
    ListItems weaponTypes_;
    std::unordered_map<int, PictureFile> pictures_;
};

}  // namespace

const char* ProblemCode(Problem problem) {
    switch (problem) {
    case Problem::FieldCount: return "field-count";
    case Problem::EmptyLastField: return "empty-last-field";
    case Problem::StrayCr: return "stray-cr";
    case Problem::NotPlainDecimal: return "not-plain-decimal";
    case Problem::OutOfRange: return "out-of-range";
    case Problem::BadFlag: return "bad-flag";
    case Problem::UnknownMovementCode: return "unknown-movement-code";
    case Problem::CaseVariant: return "case-variant";
    case Problem::MissingReference: return "missing-reference";
    case Problem::MissingPicture: return "missing-picture";
    case Problem::UnusablePicture: return "unusable-picture";
    case Problem::LineEnd: return "line-end";
    case Problem::InvalidCp932: return "invalid-cp932";
    case Problem::NulByte: return "nul-byte";
    case Problem::DuplicateName: return "duplicate-name";
    case Problem::PicturesNotChecked: return "pictures-not-checked";
    }
    return "unknown";
}

bool IsNote(Problem problem) { return problem == Problem::DuplicateName || problem == Problem::PicturesNotChecked; }

std::vector<Finding> CheckTable(const table::DocumentText& text, const CheckOptions& options) {
    Checker checker(options);
    if (!options.pictures)
        checker.AddTableNote(Problem::PicturesNotChecked,
                             Say("no picture folder {1}: the unit pictures were not checked", {options.picturesName}));
    ForEachLine(text.view(), [&](const TableLine& line) { checker.Line(line); });
    return checker.Finish();
}

}  // namespace kelvor::cli
