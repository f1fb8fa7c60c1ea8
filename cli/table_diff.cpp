#include "cli/table_diff.h"

#include <algorithm>

#include "cli/table_lines.h"

namespace kelvor::cli {

namespace {

std::optional<std::string_view> FieldOf(const UnitFields& f, int i) {
    if (i >= f.count) return std::nullopt;
    return f.field[static_cast<std::size_t>(i)];
}

LineChange CompareUnits(const TableLine& a, const TableLine& b, UnitFields& fa, UnitFields& fb) {
    LineChange change{LineChange::Kind::Unit, a.number, a.text, b.text, {}};
    SplitFields(a.text, fa);
    SplitFields(b.text, fb);
    const int fields = std::min(std::max(fa.count, fb.count), static_cast<int>(fa.field.size()));
    for (int i = 0; i < fields; ++i) {
        const auto before = FieldOf(fa, i), after = FieldOf(fb, i);
        if (before != after) change.fields.push_back({i, before, after});
    }
    // Beyond field 193 the record holds nothing: there, or in a CR inside
    // the line, the lines differ as text.
    if (change.fields.empty()) change.kind = LineChange::Kind::Line;
    return change;
}

}  // namespace

std::vector<LineChange> DiffTables(const table::DocumentText& before, const table::DocumentText& after) {
    std::vector<LineChange> changes;
    const std::string_view a = before.view(), b = after.view();
    if (a == b) return changes;
    UnitFields fa, fb;
    std::size_t fromA = 0, fromB = 0;
    for (int number = 0; (fromA < a.size() || fromB < b.size()) && number < INT_MAX; ++number) {
        if (fromA >= a.size()) {
            const TableLine lb = NextLine(b, fromB, number);
            changes.push_back({LineChange::Kind::Added, number, {}, lb.text, {}});
            continue;
        }
        if (fromB >= b.size()) {
            const TableLine la = NextLine(a, fromA, number);
            changes.push_back({LineChange::Kind::Removed, number, la.text, {}, {}});
            continue;
        }
        const TableLine la = NextLine(a, fromA, number), lb = NextLine(b, fromB, number);
        if (la.text == lb.text) {
            if (la.end != lb.end)
                changes.push_back({LineChange::Kind::LineEnd, number, la.text, lb.text, {}, la.end, lb.end});
            continue;
        }
        if (IsUnitLine(la.text) && IsUnitLine(lb.text))
            changes.push_back(CompareUnits(la, lb, fa, fb));
        else
            changes.push_back({LineChange::Kind::Line, number, la.text, lb.text, {}});
    }
    return changes;
}

}  // namespace kelvor::cli
