#include "cli/table_diff.h"

#include <algorithm>

#include "cli/line_alignment.h"

namespace kelvor::cli {

namespace {

using Kind = LineChange::Kind;

std::optional<std::string_view> FieldOf(const UnitFields& f, int i) {
    if (i >= f.count) return std::nullopt;
    return f.field[static_cast<std::size_t>(i)];
}

LineChange Change(Kind kind, int line, int newLine, std::string_view before, std::string_view after) {
    LineChange change;
    change.kind = kind;
    change.line = line;
    change.newLine = newLine;
    change.before = before;
    change.after = after;
    return change;
}

class Differ {
public:
    Differ(const LineList& a, const LineList& b) : a_(a), b_(b) {}

    void Step(const AlignStep& step) {
        for (int k = 0; k < step.count; ++k) {
            const int i = step.before + k, j = step.after + k;
            switch (step.kind) {
            case AlignStep::Kind::Same:
                Moved(i, j);
                if (a_[i].end != b_[j].end) {
                    LineChange change = Change(Kind::LineEnd, i, j, a_[i].text, b_[j].text);
                    change.endBefore = a_[i].end;
                    change.endAfter = b_[j].end;
                    Add(std::move(change));
                }
                break;
            case AlignStep::Kind::Changed:
                Moved(i, j);
                Paired(a_[i], b_[j]);
                break;
            case AlignStep::Kind::Removed: Add(Change(Kind::Removed, i, -1, a_[i].text, {})); break;
            case AlignStep::Kind::Added: Add(Change(Kind::Added, -1, j, {}, b_[j].text)); break;
            }
        }
    }

    std::vector<LineChange> Take() { return std::move(changes_); }

private:
    void Add(LineChange change) { changes_.push_back(std::move(change)); }

    // Old line i stands as new line j: a run of lines moved by the same
    // number of lines is one renumbering, reported where it starts.
    void Moved(int i, int j) {
        if (j == i) {
            run_ = -1;
            return;
        }
        if (run_ >= 0) {
            LineChange& r = changes_[static_cast<std::size_t>(run_)];
            if (r.line + r.count == i && r.newLine + r.count == j) {
                ++r.count;
                return;
            }
        }
        run_ = static_cast<int>(changes_.size());
        Add(Change(Kind::Renumbered, i, j, {}, {}));
    }

    void Paired(const TableLine& a, const TableLine& b) {
        if (!IsUnitLine(a.text) || !IsUnitLine(b.text)) {
            Add(Change(Kind::Line, a.number, b.number, a.text, b.text));
            return;
        }
        LineChange change = Change(Kind::Unit, a.number, b.number, a.text, b.text);
        SplitFields(a.text, fa_);
        SplitFields(b.text, fb_);
        const int fields = std::min(std::max(fa_.count, fb_.count), static_cast<int>(fa_.field.size()));
        for (int f = 0; f < fields; ++f) {
            const auto before = FieldOf(fa_, f), after = FieldOf(fb_, f);
            if (before != after) change.fields.push_back({f, before, after});
        }
        // Beyond field 193 the record holds nothing: there, or in a CR inside
        // the line, the lines differ as text.
        if (change.fields.empty()) change.kind = Kind::Line;
        Add(std::move(change));
    }

    const LineList& a_;
    const LineList& b_;
    std::vector<LineChange> changes_;
    int run_ = -1;  // the renumbering still open, by index into changes_
    UnitFields fa_, fb_;
};

}  // namespace

std::vector<LineChange> DiffTables(std::string_view before, std::string_view after) {
    if (before == after) return {};
    const LineList a(before), b(after);
    Differ differ(a, b);
    for (const AlignStep& step : AlignLines(a, b)) differ.Step(step);
    return differ.Take();
}

}  // namespace kelvor::cli
