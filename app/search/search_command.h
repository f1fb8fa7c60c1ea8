// Edit › "検索(&S)...": the search box, then the next unit whose name holds
// the text, wrapping round to the top.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace kelvor::fw {
class ModalServices;
}
namespace kelvor::table {
class UnitIndex;
}

namespace kelvor::search {

// Asks for a text in the search box, offering lastSearch; on OK with a
// non-empty text remembers it in lastSearch and shows the next unit of
// `units` below row `current` whose name holds it with selectUnit, or tells
// the user that none does. Cancel or an empty text change nothing.
void RunUnitSearch(QWidget* owner, fw::ModalServices& modal, const table::UnitIndex& units, int current,
                   std::string& lastSearch, const std::function<int(int row)>& selectUnit);

// The same search with lastSearch, without the box; nothing while there was
// no search yet.
void SearchAgain(QWidget* owner, fw::ModalServices& modal, const table::UnitIndex& units, int current,
                 const std::string& lastSearch, const std::function<int(int row)>& selectUnit);

}  // namespace kelvor::search
