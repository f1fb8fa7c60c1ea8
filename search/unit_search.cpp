#include "search/unit_search.h"

#include <algorithm>

#include "table/cp932.h"

namespace kelvor::search {

bool NameContains(std::string_view name, std::string_view text) {
    return table::FindAtCharBoundary(name, text) != std::string_view::npos;
}

int FindNextUnit(int count, int current, std::string_view text, const std::function<std::string(int index)>& nameAt) {
    const int start = std::clamp(current + 1, 0, std::max(count, 0));
    for (int i = start; i < count; ++i)
        if (NameContains(nameAt(i), text)) return i;
    // Round to the top: the selected unit itself comes last.
    for (int i = 0; i < start; ++i)
        if (NameContains(nameAt(i), text)) return i;
    return -1;
}

}  // namespace kelvor::search
