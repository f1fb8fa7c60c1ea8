#include "cli/table_merge.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "cli/at_once.h"
#include "cli/line_alignment.h"
#include "cli/table_lines.h"

namespace kelvor::cli {

namespace {

using Kind = MergeConflict::Kind;
using Field = std::optional<std::string_view>;

// What one side did to each line of the base, and the lines it added
// before each (the last place: after them all).
struct SideChanges {
    std::vector<int> line;      // by base line: the side's line standing for it, -1 where removed
    std::vector<bool> changed;  // by base line: the side's line has other text
    std::vector<std::pair<int, int>> added;  // by place: the side's first line added there, and how many

    SideChanges(const LineList& base, const LineList& side)
        : line(static_cast<std::size_t>(base.size()), -1),
          changed(static_cast<std::size_t>(base.size()), false),
          added(static_cast<std::size_t>(base.size()) + 1, {0, 0}) {
        for (const AlignStep& step : AlignLines(base, side)) {
            if (step.kind == AlignStep::Kind::Added) {
                auto& [first, count] = added[static_cast<std::size_t>(step.before)];
                if (count == 0) first = step.after;
                count += step.count;
                continue;
            }
            if (step.kind == AlignStep::Kind::Removed) continue;
            for (int k = 0; k < step.count; ++k) {
                line[static_cast<std::size_t>(step.before + k)] = step.after + k;
                changed[static_cast<std::size_t>(step.before + k)] = step.kind == AlignStep::Kind::Changed;
            }
        }
    }
};

std::string_view EndBytes(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf: return "\r\n";
    case LineEnd::Lf: return "\n";
    case LineEnd::CrCrLf: return "\r\r\n";
    case LineEnd::None: break;
    }
    return {};
}

// A side that kept the base's line end takes the other side's.
LineEnd MergedEnd(LineEnd base, LineEnd ours, LineEnd theirs) { return ours == base ? theirs : ours; }

// Fields split at every comma, whatever they hold: joined again they give
// the line byte for byte.
void SplitAtCommas(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    ForEachCommaField(line, [&](std::string_view field) { fields.push_back(field); });
}

Field FieldAt(const std::vector<std::string_view>& fields, std::size_t i) {
    return i < fields.size() ? Field(fields[i]) : std::nullopt;
}

// Lines first to first + count - 1 as they stand, line ends between them.
std::string_view Span(const LineList& lines, int first, int count) {
    const char* from = lines[first].text.data();
    const TableLine& last = lines[first + count - 1];
    return {from, static_cast<std::size_t>(last.text.data() + last.text.size() - from)};
}

class Merger {
public:
    Merger(const LineList& base, const LineList& ours, const LineList& theirs, const SideChanges& oursChanges,
           const SideChanges& theirsChanges, MergeResult& result)
        : base_(base), ours_(ours), theirs_(theirs), oursChanges_(oursChanges), theirsChanges_(theirsChanges),
          result_(result) {}

    void Run() {
        for (int place = 0; place <= base_.size(); ++place) {
            Added(place);
            if (place < base_.size()) BaseLine(place);
        }
    }

private:
    void Added(int place) {
        const auto [oursFirst, oursCount] = oursChanges_.added[static_cast<std::size_t>(place)];
        const auto [theirsFirst, theirsCount] = theirsChanges_.added[static_cast<std::size_t>(place)];
        if (oursCount && theirsCount) {
            bool same = oursCount == theirsCount;
            for (int k = 0; same && k < oursCount; ++k) same = ours_[oursFirst + k].text == theirs_[theirsFirst + k].text;
            if (!same) {
                Conflict(Kind::Added, -1, -1, NameOfUnitLine(ours_[oursFirst].text), std::nullopt,
                         Span(ours_, oursFirst, oursCount), Span(theirs_, theirsFirst, theirsCount));
            }
        }
        if (oursCount) {
            for (int k = 0; k < oursCount; ++k) Emit(ours_[oursFirst + k], ours_[oursFirst + k].end);
            result_.fromOurs += oursCount;
        } else {
            for (int k = 0; k < theirsCount; ++k) Emit(theirs_[theirsFirst + k], theirs_[theirsFirst + k].end);
            result_.fromTheirs += theirsCount;
        }
    }

    void BaseLine(int i) {
        const auto at = static_cast<std::size_t>(i);
        const int o = oursChanges_.line[at], t = theirsChanges_.line[at];
        const bool oursChanged = oursChanges_.changed[at], theirsChanged = theirsChanges_.changed[at];
        const TableLine& b = base_[i];
        if (o < 0 || t < 0) {
            // Removed on one side (or both): a conflict when the other changed it.
            if (o < 0 && t >= 0 && theirsChanged) {
                Conflict(Kind::RemovedChanged, i, -1, NameOfUnitLine(theirs_[t].text), b.text, std::nullopt, theirs_[t].text);
            } else if (t < 0 && o >= 0 && oursChanged) {
                Conflict(Kind::RemovedChanged, i, -1, NameOfUnitLine(ours_[o].text), b.text, ours_[o].text, std::nullopt);
                Emit(ours_[o], ours_[o].end);
            } else {
                ++(o < 0 ? result_.fromOurs : result_.fromTheirs);
            }
            return;
        }
        const TableLine &a = ours_[o], &c = theirs_[t];
        const LineEnd end = MergedEnd(b.end, a.end, c.end);
        if (!theirsChanged || (oursChanged && a.text == c.text)) {
            result_.fromOurs += oursChanged;
            Emit(a, end);
        } else if (!oursChanged) {
            ++result_.fromTheirs;
            Emit(c, end);
        } else if (!IsUnitLine(b.text) || !IsUnitLine(a.text) || !IsUnitLine(c.text) || !MergeFields(i, b, a, c, end)) {
            Conflict(Kind::Line, i, -1, NameOfUnitLine(a.text), b.text, a.text, c.text);
            Emit(a, end);
        }
    }

    // Field by field; false when the fields taken would leave a gap (one
    // side shortened the line and the other lengthened it).
    bool MergeFields(int baseLine, const TableLine& b, const TableLine& a, const TableLine& c, LineEnd end) {
        SplitAtCommas(b.text, baseFields_);
        SplitAtCommas(a.text, oursFields_);
        SplitAtCommas(c.text, theirsFields_);
        const std::size_t count = std::max({baseFields_.size(), oursFields_.size(), theirsFields_.size()});
        merged_.clear();
        const std::size_t conflictsBefore = result_.conflicts.size();
        for (std::size_t i = 0; i < count; ++i) {
            const Field before = FieldAt(baseFields_, i), mine = FieldAt(oursFields_, i), other = FieldAt(theirsFields_, i);
            Field taken = mine;
            if (mine == before) {
                taken = other;
            } else if (other != before && other != mine) {
                Conflict(Kind::Field, baseLine, static_cast<int>(i), {}, before, mine, other);
            }
            if (!taken) continue;
            if (merged_.size() != i) {
                result_.conflicts.resize(conflictsBefore);
                return false;
            }
            merged_.push_back(*taken);
        }
        for (std::size_t k = conflictsBefore; k < result_.conflicts.size(); ++k) result_.conflicts[k].name = merged_.front();
        ++result_.fromOurs;
        ++result_.fromTheirs;
        std::string& line = result_.made.emplace_back();
        for (std::size_t i = 0; i < merged_.size(); ++i) {
            if (i) line += ',';
            line += merged_[i];
        }
        StartLine();
        Put(line);
        EndLine(end);
        return true;
    }

    void Conflict(Kind kind, int baseLine, int field, std::string_view name, Field base, Field ours, Field theirs) {
        result_.conflicts.push_back({kind, line_, baseLine, field, name, base, ours, theirs});
    }

    // Bytes that follow the last piece where they stand (the next line of
    // the same text) lengthen it.
    void Put(std::string_view bytes) {
        if (bytes.empty()) return;
        std::vector<std::string_view>& pieces = result_.pieces;
        if (!pieces.empty() && pieces.back().data() + pieces.back().size() == bytes.data())
            pieces.back() = {pieces.back().data(), pieces.back().size() + bytes.size()};
        else
            pieces.push_back(bytes);
    }
    // A line written after the text's last line, which had no line end,
    // gives that line the one the editor writes.
    void StartLine() {
        if (open_) Put("\r\n");
    }
    void EndLine(LineEnd end) {
        Put(EndBytes(end));
        Ended(end);
    }
    void Ended(LineEnd end) {
        open_ = end == LineEnd::None;
        ++line_;
    }
    // A line of one of the texts, with the line end it had there or another.
    void Emit(const TableLine& line, LineEnd end) {
        StartLine();
        if (end != line.end) {
            Put(line.text);
            EndLine(end);
            return;
        }
        Put({line.text.data(), line.text.size() + EndBytes(end).size()});  // as it stands there
        Ended(end);
    }

    const LineList &base_, &ours_, &theirs_;
    const SideChanges &oursChanges_, &theirsChanges_;
    MergeResult& result_;
    int line_ = 0;  // the line of the result written next
    bool open_ = false;
    std::vector<std::string_view> baseFields_, oursFields_, theirsFields_, merged_;
};

}  // namespace

MergeResult MergeTables(std::string_view base, std::string_view ours, std::string_view theirs) {
    // Ours is read and aligned with the base on a second thread while
    // theirs is here: the two share only the base's lines.
    std::optional<LineList> baseLines, oursLines, theirsLines;
    AtOnce([&] { oursLines.emplace(ours); },
           [&] {
               baseLines.emplace(base);
               theirsLines.emplace(theirs);
           });
    std::optional<SideChanges> oursChanges, theirsChanges;
    AtOnce([&] { oursChanges.emplace(*baseLines, *oursLines); },
           [&] { theirsChanges.emplace(*baseLines, *theirsLines); });
    MergeResult result;
    Merger(*baseLines, *oursLines, *theirsLines, *oursChanges, *theirsChanges, result).Run();
    return result;
}

}  // namespace kelvor::cli
