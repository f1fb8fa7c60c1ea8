#include "cli/table_check.h"

#include <algorithm>
#include <climits>
#include <array>
#include <cstdio>
#include <string_view>
#include <thread>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "cli/at_once.h"
#include "cli/check_values.h"
#include "cli/command_support.h"
#include "cli/messages.h"
#include "cli/table_lines.h"
#include "form/record_layout.h"
#include "panel/bitmap_check.h"
#include "panel/bitmap_problem_text.h"
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
// A unit line as long as most are, for guessing how many a table holds.
constexpr std::size_t kUsualLineBytes = 512;
// Tables of this many bytes and more are checked in two halves at once.
constexpr std::size_t kHalvedFrom = std::size_t{4} << 20;
// The fields whose values the form's drop-down lists offer, one list each,
// and the five weapon types, which share one list.
constexpr std::array<int, 6> kListFields = {3, 4, 5, 6, 31, 32};
constexpr std::array<int, 5> kWeaponTypeFields = {64, 84, 104, 124, 144};
// A field of a unit line compared with the lines before it: its name, or a
// list value that may have a case variant.
struct Compared {
    int line;
    int field;
    std::string_view value;
    std::string_view name;  // the unit's
};
// The fields of each kind, in field order: each kind is checked in a loop
// of its own, which the processor predicts far better than a switch per field.
struct FieldsByKind {
    std::vector<const FieldLayout*> integers, flags, movementClasses, texts;

    FieldsByKind() {
        for (const FieldLayout& f : form::RecordLayout()) {
            switch (f.kind) {
            case FieldKind::Integer: integers.push_back(&f); break;
            case FieldKind::Flag: flags.push_back(&f); break;
            case FieldKind::MovementClass: movementClasses.push_back(&f); break;
            case FieldKind::Text:
            case FieldKind::TableValue: texts.push_back(&f); break;
            case FieldKind::Marker: break;  // "○", or the line would be no unit line
            }
        }
    }
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
    return {true, panel::BitmapProblemText(panel::CheckBitmapFile(file).problem, LanguageInUse() == Language::Japanese
                                                                                    ? panel::ProblemLanguage::Japanese
                                                                                    : panel::ProblemLanguage::English)};
}

struct Reference {
    int line;
    std::string_view name;
    int field;
    int target;  // the unit number named
};

class Checker {
public:
    // later: the checker of the table's second half (`text`), while the
    // first is checked at the same time: the checks that compare a line with
    // the lines before it are left for Absorb.
    Checker(const CheckOptions& options, std::string_view text, bool later = false)
        : options_(options), limit_(options.limit > 0 ? options.limit : INT_MAX), textEnd_(text.data() + text.size()),
          later_(later) {
        // Room for the names of the second half's units, guessed from its
        // size, so that the list is not copied as it grows.
        if (later_) compared_.reserve(text.size() / kUsualLineBytes);
    }

    void Line(const TableLine& line) {
        isUnit_.push_back(IsUnitLine(line.text));
        const bool unit = isUnit_.back();
        if (unit) SplitFields(line.text, fields_);
        const std::string_view name = unit ? fields_.field[0] : std::string_view();

        if (line.end == LineEnd::CrCrLf)
            Add(line.number, name, unit, -1, Problem::LineEnd, [] { return Say("ends in CR CR LF, not CR LF"); });
        if (line.end == LineEnd::Lf)
            Add(line.number, name, unit, -1, Problem::LineEnd, [] { return Say("ends in a bare LF, not CR LF"); });
        const std::size_t invalidGoesTo = findings_.size();
        if (const std::size_t nul = line.text.find('\0'); nul != std::string_view::npos)
            Add(line.number, name, unit, -1, Problem::NulByte, [&] {
                return Say("byte {1} of the line is NUL: a single-unit file holding it does not import", {std::to_string(nul)});
            });
        // A unit line is looked at field by field, where a field of digits or
        // a mark needs no look-up; a comma ends any character, so the first
        // byte that starts none is the same as in the line as a whole.
        const bool byField = unit && !fields_.strayCr && fields_.count <= table::kFieldCount;
        badByte_ = byField ? std::string_view::npos : table::FindInvalidCp932(line.text);
        if (unit) UnitLine(line);
        if (const std::size_t bad = badByte_; bad != std::string_view::npos) {
            const std::size_t before = findings_.size();
            Add(line.number, name, unit, -1, Problem::InvalidCp932, [&] {
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(line.text[bad])));
                return Say("byte {1} of the line ({2}) starts no character of code page 932: the editor shows \"\uFFFD\" there",
                           {std::to_string(bad), hex});
            });
            // Said before what the rest of the line holds, as ever.
            if (findings_.size() > before)
                std::rotate(findings_.begin() + static_cast<std::ptrdiff_t>(invalidGoesTo), findings_.end() - 1, findings_.end());
        }
    }

    CheckReport Finish() {
        for (const Reference& r : references_) {
            const long long line = static_cast<long long>(r.target) + 2;
            if (line < static_cast<long long>(isUnit_.size()) && isUnit_[static_cast<std::size_t>(line)]) continue;
            Add(r.line, r.name, true, r.field, Problem::MissingReference,
                [&] { return Say("names unit {1}, which no unit has", {std::to_string(r.target)}); });
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) { return std::tie(a.line, a.field) < std::tie(b.line, b.field); });
        return {std::move(findings_), counts_};
    }

    // Takes in what the checker of the lines after this one's found, its
    // lines numbered from 0, as if this checker had checked them too.
    void Absorb(Checker& later, int lineOffset) {
        isUnit_.insert(isUnit_.end(), later.isUnit_.begin(), later.isUnit_.end());
        for (Finding& f : later.findings_) {
            int& count = counts_[static_cast<std::size_t>(f.problem)];
            f.line += lineOffset;
            if (count++ < limit_) findings_.push_back(std::move(f));
        }
        for (std::size_t p = 0; p < counts_.size(); ++p)
            counts_[p] += later.counts_[p] - std::min(later.counts_[p], limit_);
        for (Reference r : later.references_) {
            r.line += lineOffset;
            references_.push_back(r);
        }
        for (Compared c : later.compared_) {
            c.line += lineOffset;
            CompareWithEarlierLines(c);
        }
    }

    void AddTableNote(Problem problem, std::string message) {
        Add(-1, {}, false, -1, problem, [&] { return std::move(message); });
    }

private:
    void UnitLine(const TableLine& line) {
        const UnitFields& f = fields_;
        const std::string_view name = f.field[0];
        const int n = line.number;
        if (f.strayCr)
            Add(n, name, true, -1, Problem::StrayCr, [&] {
                return Say("holds a CR after field {1}: what follows it is no field to the editor", {std::to_string(f.count - 1)});
            });
        if (f.EmptyLast()) {
            Add(n, name, true, table::kFieldCount - 1, Problem::EmptyLastField, [] {
                return Say("is empty, the line ending in a comma: the editor reads only 193 fields, says so, and Apply writes "
                           "\"0\" here");
            });
        } else if (f.count < table::kFieldCount) {
            Add(n, name, true, -1, Problem::FieldCount, [&] {
                return Say("has {1} fields, not 194: the editor says so and shows the missing ones empty, and Apply writes all 194",
                           {std::to_string(f.count)});
            });
        } else if (f.count > table::kFieldCount) {
            Add(n, name, true, -1, Problem::FieldCount, [&] {
                return Say("has {1} fields, not 194: Apply drops fields 194 to {2}",
                           {std::to_string(f.count), std::to_string(f.count - 1)});
            });
        }

        const int held = f.EmptyLast() ? table::kFieldCount - 1 : f.Held();
        const auto value = [&](const FieldLayout* layout) { return f.field[static_cast<std::size_t>(layout->field)]; };
        for (const FieldLayout* layout : kinds_.integers) {
            if (layout->field >= held) break;
            if (!Integer(n, *layout, value(layout))) NotSurelyCp932(line, value(layout));
        }
        // The fields that name other units and the picture, once more.
        for (int field = kFirstReferenceField; field <= kLastReferenceField && field < held; ++field)
            if (const int unit = ReadInteger(f.field[static_cast<std::size_t>(field)], textEnd_).shown)
                references_.push_back({n, name, field, unit});
        if (kPictureField < held && options_.pictures)
            Picture(n, ReadInteger(f.field[static_cast<std::size_t>(kPictureField)], textEnd_).shown);
        for (const FieldLayout* layout : kinds_.flags) {
            if (layout->field >= held) break;
            if (!IsMark(value(layout))) {
                Add(n, name, true, layout->field, Problem::BadFlag, [&] {
                    return Say("{1} is neither \"○\" nor \"×\": the form shows it clear; Apply keeps it until the box is changed",
                               {Quoted(value(layout))});
                });
                NotSurelyCp932(line, value(layout));
            }
        }
        for (const FieldLayout* layout : kinds_.movementClasses) {
            if (layout->field >= held) break;
            if (!movementCodes_.Has(value(layout))) {
                Add(n, name, true, layout->field, Problem::UnknownMovementCode, [&] {
                    return Say("{1} is no movement class: the form shows it as not from the table; Apply keeps it until the "
                               "list is changed",
                               {Quoted(value(layout))});
                });
                NotSurelyCp932(line, value(layout));
            }
        }
        for (const FieldLayout* layout : kinds_.texts) {
            if (layout->field >= held) break;
            NotSurelyCp932(line, value(layout));
        }
        const auto compare = [&](int field) {
            const Compared c{n, field, f.field[static_cast<std::size_t>(field)], name};
            // A text without letters has no case variant.
            if (field != 0 && table::IsCaseless(c.value)) return;
            if (later_)
                compared_.push_back(c);
            else
                CompareWithEarlierLines(c);
        };
        compare(0);
        for (int field : kListFields)
            if (field < held) compare(field);
        for (int field : kWeaponTypeFields)
            if (field < held) compare(field);
    }

    // A unit's name or list value against those of the lines before it.
    void CompareWithEarlierLines(const Compared& c) {
        if (c.field == 0) {
            if (const std::optional<int> first = names_.Offer(c.value, c.line))
                Add(c.line, c.name, true, 0, Problem::DuplicateName, [&] {
                    return Say("the same name as unit {1} (line {2})",
                               {std::to_string(UnitNumberOfLine(*first)), std::to_string(*first)});
                });
            return;
        }
        const auto list = std::find(kListFields.begin(), kListFields.end(), c.field);
        ListItems& items = list == kListFields.end() ? weaponTypes_ : lists_[static_cast<std::size_t>(list - kListFields.begin())];
        if (const auto* earlier = items.Offer(c.value, c.line))
            Add(c.line, c.name, true, c.field, Problem::CaseVariant, [&] {
                return Say("{1} differs from {2} (line {3}) only in letter case: the form selects {2}; Apply keeps {1} until "
                           "the list is changed",
                           {Quoted(c.value), Quoted(earlier->first), std::to_string(earlier->second)});
            });
    }

    // A field that may hold bytes that are no character of code page 932:
    // the first such byte of the line is remembered.
    void NotSurelyCp932(const TableLine& line, std::string_view value) {
        const auto offset = static_cast<std::size_t>(value.data() - line.text.data());
        if (offset >= badByte_) return;
        if (const std::size_t at = table::FindInvalidCp932(value); at != std::string_view::npos)
            badByte_ = std::min(badByte_, offset + at);
    }

    // Checks an integer field; true when it holds digits only.
    bool Integer(int line, const FieldLayout& layout, std::string_view value) {
        const std::string_view name = fields_.field[0];
        const cli::Integer number = ReadInteger(value, textEnd_);
        const int shown = number.shown;
        if (layout.hasRange && (shown < layout.min || shown > layout.max)) {
            Add(line, name, true, layout.field, Problem::OutOfRange, [&] {
                const std::string min = std::to_string(layout.min), max = std::to_string(layout.max);
                return number.plain ? Say("{1} outside {2} to {3}: Apply keeps it until the box is changed, and takes only a "
                                          "number in range then",
                                          {std::to_string(shown), min, max})
                                    : Say("{1} shows as {2}, outside {3} to {4}: Apply keeps it until the box is changed, and "
                                          "takes only a number in range then",
                                          {Quoted(value), std::to_string(shown), min, max});
            });
        } else if (!number.plain) {
            Add(line, name, true, layout.field, Problem::NotPlainDecimal, [&] {
                return Say("{1} is not plain decimal: the form shows {2}; Apply keeps it until the box is changed",
                           {Quoted(value), std::to_string(shown)});
            });
        }
        return number.plain;
    }

    void Picture(int line, int number) {
        const std::string file = panel::UnitPictureFileName(number);
        auto it = pictures_.find(number);
        if (it == pictures_.end()) it = pictures_.emplace(number, ReadPicture(*options_.pictures / file)).first;
        if (!it->second.there)
            Add(line, fields_.field[0], true, kPictureField, Problem::MissingPicture, [&] {
                return Say("names picture {1}, which {2} does not hold", {file, options_.picturesName});
            });
        else if (!it->second.problem.empty())
            Add(line, fields_.field[0], true, kPictureField, Problem::UnusablePicture, [&] {
                return Say("names picture {1}, which the panel cannot show: {2}", {file, it->second.problem});
            });
    }

    // Counts the finding, and keeps it while fewer than the limit of its
    // problem are kept: only then is its message written.
    template <class Message>
    void Add(int line, std::string_view name, bool unit, int field, Problem problem, Message&& message) {
        if (counts_[static_cast<std::size_t>(problem)]++ >= limit_) return;
        findings_.push_back(Finding{line, unit, name, field, problem, std::string(message())});
    }

    const CheckOptions& options_;
    const int limit_;
    const char* textEnd_;
    const bool later_;
    std::vector<Compared> compared_;  // for a later checker: left for Absorb
    const FieldsByKind kinds_;
    std::size_t badByte_ = std::string_view::npos;  // in the line being checked
    std::array<int, kProblemCount> counts_{};
    MovementCodes movementCodes_;
    UnitFields fields_;
    std::vector<bool> isUnit_;  // by line number
    std::vector<Finding> findings_;
    std::vector<Reference> references_;
    FirstSeen names_;
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

CheckReport CheckTable(std::string_view text, const CheckOptions& options) {
    Checker checker(options, text);
    if (!options.pictures)
        checker.AddTableNote(Problem::PicturesNotChecked,
                             Say("no picture folder {1}: the unit pictures were not checked", {options.picturesName}));
    // A large table is checked in two halves at once, each by a processor
    // of its own where there are two.
    const std::string_view all = text;
    std::size_t half = all.size();
    if (all.size() >= kHalvedFrom && std::thread::hardware_concurrency() > 1)
        if (const std::size_t lf = all.find('\n', all.size() / 2); lf != std::string_view::npos) half = lf + 1;
    int lines = 0;
    const auto first = [&] {
        ForEachLine(all.substr(0, half), [&](const TableLine& line) {
            checker.Line(line);
            ++lines;
        });
    };
    if (half == all.size()) {
        first();
    } else {
        Checker later(options, all.substr(half), true);
        AtOnce([&] { ForEachLine(all.substr(half), [&](const TableLine& line) { later.Line(line); }); }, first);
        checker.Absorb(later, lines);
    }
    return checker.Finish();
}

}  // namespace kelvor::cli
