#include "cli/line_alignment.h"

#include <xxhash.h>

#include <algorithm>
#include <utility>

namespace kelvor::cli {

LineList::LineList(std::string_view text) {
    // Enough for lines of a few hundred bytes, as unit lines are, without
    // copying the list as it grows.
    lines_.reserve(text.size() / 256 + 16);
    ForEachLine(text, [&](const TableLine& line) { lines_.push_back(line); });
}

std::uint64_t LineList::Hash(int i) const {
    std::call_once(hashed_, [&] {
        hashes_.resize(lines_.size());
        for (std::size_t k = 0; k < lines_.size(); ++k) hashes_[k] = XXH3_64bits(lines_[k].text.data(), lines_[k].text.size());
    });
    return hashes_[static_cast<std::size_t>(i)];
}

namespace {

using Kind = AlignStep::Kind;
using Match = std::pair<int, int>;  // an old line and the new line of equal text

// How many lines changed where they stand are passed over before the
// lines after them are searched for the ones that match.
constexpr int kLookAhead = 8;
// How often a block between matches is searched again for lines that
// occur once on each side; a block past that is paired as it stands.
constexpr int kMaxDepth = 64;
// A block of at most this many old lines times new lines is paired by
// name; a larger one in order.
constexpr long long kMaxNamePairing = 1 << 16;

// The longest chain of matches (sorted by old line) whose new lines rise too.
std::vector<Match> LongestRising(const std::vector<Match>& byOld) {
    std::vector<int> tops;  // for each chain length, the match ending the best chain so far
    std::vector<int> previous(byOld.size(), -1);
    for (std::size_t k = 0; k < byOld.size(); ++k) {
        const auto at = std::lower_bound(tops.begin(), tops.end(), byOld[k].second,
                                         [&](int top, int line) { return byOld[static_cast<std::size_t>(top)].second < line; });
        if (at != tops.begin()) previous[k] = *(at - 1);
        if (at == tops.end())
            tops.push_back(static_cast<int>(k));
        else
            *at = static_cast<int>(k);
    }
    std::vector<Match> chain(tops.size());
    std::size_t n = chain.size();
    for (int k = tops.empty() ? -1 : tops.back(); k >= 0; k = previous[static_cast<std::size_t>(k)])
        chain[--n] = byOld[static_cast<std::size_t>(k)];
    return chain;
}

// The lines of equal text in order: equal lines at the start and end of a
// block are matched as they stand; in between, the lines that occur once
// on each side anchor the alignment, and the blocks between them are
// aligned the same way.
class Matcher {
public:
    Matcher(const LineList& a, const LineList& b) : a_(a), b_(b) {}

    std::vector<Match> Run() {
        Solve(0, a_.size(), 0, b_.size(), 0);
        return std::move(matches_);
    }

private:
    bool Equal(int i, int j) const { return a_[i].text == b_[j].text; }

    void Solve(int a0, int a1, int b0, int b1, int depth) {
        for (;;) {
            while (a0 < a1 && b0 < b1 && Equal(a0, b0)) matches_.push_back({a0++, b0++});
            // A few lines that differ, as many on each side, and the lines after
            // them equal again: the common edit, followed without searching the
            // rest. Lines inside such a block may still match (one removed
            // there and another added): the block is aligned by itself.
            int differ = 1;
            while (differ <= kLookAhead && a0 + differ < a1 && b0 + differ < b1 && !Equal(a0 + differ, b0 + differ))
                ++differ;
            if (differ > kLookAhead || a0 + differ >= a1 || b0 + differ >= b1) break;
            if (differ > 1) Solve(a0, a0 + differ, b0, b0 + differ, depth + 1);
            a0 += differ;
            b0 += differ;
        }
        int tail = 0;
        for (; a0 < a1 && b0 < b1 && Equal(a1 - 1, b1 - 1); ++tail) --a1, --b1;
        if (a0 < a1 && b0 < b1 && depth < kMaxDepth) {
            const std::vector<Match> anchors = UniqueOnBothSides(a0, a1, b0, b1);
            if (!anchors.empty()) {
                for (const Match& m : anchors) {
                    Solve(a0, m.first, b0, m.second, depth + 1);
                    matches_.push_back(m);
                    a0 = m.first + 1;
                    b0 = m.second + 1;
                }
                Solve(a0, a1, b0, b1, depth + 1);
            }
        }
        for (int k = 0; k < tail; ++k) matches_.push_back({a1 + k, b1 + k});
    }

    std::vector<Match> UniqueOnBothSides(int a0, int a1, int b0, int b1) const {
        struct Slot {
            std::uint64_t hash = 0;
            int a = -1, b = -1;  // a == -1: free
            int inA = 0, inB = 0;
        };
        std::size_t capacity = 16;
        while (capacity < 2 * static_cast<std::size_t>(a1 - a0)) capacity <<= 1;
        std::vector<Slot> slots(capacity);
        const auto find = [&](std::uint64_t hash, std::string_view text) -> Slot& {
            for (std::size_t s = hash & (capacity - 1);; s = (s + 1) & (capacity - 1)) {
                Slot& slot = slots[s];
                if (slot.a < 0 || (slot.hash == hash && a_[slot.a].text == text)) return slot;
            }
        };
        for (int i = a0; i < a1; ++i) {
            Slot& slot = find(a_.Hash(i), a_[i].text);
            if (slot.a < 0) slot = {a_.Hash(i), i, -1, 0, 0};
            ++slot.inA;
        }
        for (int j = b0; j < b1; ++j) {
            Slot& slot = find(b_.Hash(j), b_[j].text);
            if (slot.a < 0) continue;  // no such line on the old side
            ++slot.inB;
            slot.b = j;
        }
        std::vector<Match> unique;
        for (const Slot& slot : slots)
            if (slot.inA == 1 && slot.inB == 1) unique.push_back({slot.a, slot.b});
        std::sort(unique.begin(), unique.end());
        return LongestRising(unique);
    }

    const LineList& a_;
    const LineList& b_;
    std::vector<Match> matches_;
};

// The text before a line's first comma: a unit line's name.
std::string_view Key(const TableLine& line) { return line.text.substr(0, line.text.find(',')); }

class StepList {
public:
    StepList(const LineList& a, const LineList& b) : a_(a), b_(b) {}

    void Add(Kind kind, int before, int after, int count) {
        if (count <= 0) return;
        if (!steps_.empty()) {
            AlignStep& last = steps_.back();
            const int beforeEnd = last.before + (last.kind == Kind::Added ? 0 : last.count);
            const int afterEnd = last.after + (last.kind == Kind::Removed ? 0 : last.count);
            if (last.kind == kind && beforeEnd == before && afterEnd == after) {
                last.count += count;
                return;
            }
        }
        steps_.push_back({kind, before, after, count});
    }

    // Lines that differ: the block a0..a1 of old lines against b0..b1.
    void Block(int a0, int a1, int b0, int b1) {
        const int na = a1 - a0, nb = b1 - b0;
        if (na == 0 || nb == 0 || static_cast<long long>(na) * nb > kMaxNamePairing) {
            InOrder(a0, a1, b0, b1);
            return;
        }
        // The longest run of names both sides keep in order, by the table of
        // its lengths from each pair of places on.
        const auto width = static_cast<std::size_t>(nb + 1);
        std::vector<int> longest(static_cast<std::size_t>(na + 1) * width, 0);
        const auto at = [&](int i, int j) -> int& { return longest[static_cast<std::size_t>(i) * width + static_cast<std::size_t>(j)]; };
        for (int i = na - 1; i >= 0; --i)
            for (int j = nb - 1; j >= 0; --j)
                at(i, j) = Key(a_[a0 + i]) == Key(b_[b0 + j]) ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        int i = 0, j = 0, fromI = 0, fromJ = 0;
        while (i < na && j < nb) {
            if (Key(a_[a0 + i]) == Key(b_[b0 + j]) && at(i, j) == at(i + 1, j + 1) + 1) {
                InOrder(a0 + fromI, a0 + i, b0 + fromJ, b0 + j);
                Add(Kind::Changed, a0 + i, b0 + j, 1);
                fromI = ++i;
                fromJ = ++j;
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
        InOrder(a0 + fromI, a1, b0 + fromJ, b1);
    }

    std::vector<AlignStep> Take() { return std::move(steps_); }

private:
    // Paired one to one when the counts agree or the block is large;
    // otherwise removed, then added.
    void InOrder(int a0, int a1, int b0, int b1) {
        const int na = a1 - a0, nb = b1 - b0;
        const bool pair = na == nb || static_cast<long long>(na) * nb > kMaxNamePairing;
        const int paired = pair ? std::min(na, nb) : 0;
        Add(Kind::Changed, a0, b0, paired);
        Add(Kind::Removed, a0 + paired, b0 + paired, na - paired);
        Add(Kind::Added, a1, b0 + paired, nb - paired);
    }

    const LineList& a_;
    const LineList& b_;
    std::vector<AlignStep> steps_;
};

}  // namespace

std::vector<AlignStep> AlignLines(const LineList& before, const LineList& after) {
    StepList steps(before, after);
    int a = 0, b = 0;
    for (const Match& m : Matcher(before, after).Run()) {
        steps.Block(a, m.first, b, m.second);
        steps.Add(Kind::Same, m.first, m.second, 1);
        a = m.first + 1;
        b = m.second + 1;
    }
    steps.Block(a, before.size(), b, after.size());
    return steps.Take();
}

}  // namespace kelvor::cli
