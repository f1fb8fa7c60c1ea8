// Which lines of one table stand for which lines of another, as `diff`
// aligns the lines of two texts: lines of equal text are matched in order,
// as many as can be; of the lines between two matches, those that are
// paired count as the same line changed, the rest as removed or added.
#pragma once

#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

#include "cli/table_lines.h"

namespace kelvor::cli {

// The lines of a text, with a hash of each line's text made when an
// alignment first needs it (once, also when two alignments on two threads
// use one list). Views into the text: good for as long as it is.
class LineList {
public:
    explicit LineList(std::string_view text);
    LineList(const LineList&) = delete;
    LineList& operator=(const LineList&) = delete;

    int size() const { return static_cast<int>(lines_.size()); }
    const TableLine& operator[](int i) const { return lines_[static_cast<std::size_t>(i)]; }
    std::uint64_t Hash(int i) const;

private:
    std::vector<TableLine> lines_;
    mutable std::once_flag hashed_;
    mutable std::vector<std::uint64_t> hashes_;
};

struct AlignStep {
    enum class Kind {
        Same,     // `count` lines of equal text (their line ends may differ)
        Changed,  // `count` lines paired one to one, their texts differing
        Removed,  // `count` lines of the old text that the new one lacks
        Added,    // `count` lines of the new text that the old one lacks
    };
    Kind kind = Kind::Same;
    int before = 0;  // the first old line concerned (for Added: the old line it stands before)
    int after = 0;   // the first new line concerned (for Removed: the new line it stands before)
    int count = 0;
};

// The steps from old to new, in line order: every line of each text is in
// exactly one step. The lines of a block that differs are paired by the
// text before their first comma (a unit's name), as many as keep their
// order; what is left between two pairs is paired in order when it is as
// many lines on each side, and otherwise removed and added.
std::vector<AlignStep> AlignLines(const LineList& before, const LineList& after);

}  // namespace kelvor::cli
