// Edit › "検索(&S)...": the search box, then the next unit whose name holds
// the text, wrapping round to the top.
#pragma once

#include <functional>
#include <string>

#include "app/framework/dialog.h"

namespace kelvor::search {

// Asks for a text in the search box, offering lastSearch; on OK with a
// non-empty text remembers it in lastSearch and shows the next unit of
// `units` whose name holds it with selectUnit, or tells the user that none
// does. Cancel or an empty text change nothing.
void RunUnitSearch(fw::Dialog& owner, fw::ListBox& units, std::string& lastSearch,
                   const std::function<int(int listIndex)>& selectUnit);

}  // namespace kelvor::search
