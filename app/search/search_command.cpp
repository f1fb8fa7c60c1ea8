#include "app/search/search_command.h"

#include <QCoreApplication>

#include "app/framework/codec.h"
#include "app/framework/modal.h"
#include "app/search/search_dlg.h"
#include "search/unit_search.h"
#include "table/unit_index.h"

namespace kelvor::search {

void RunUnitSearch(QWidget* owner, fw::ModalServices& modal, const table::UnitIndex& units, int current,
                   std::string& lastSearch, const std::function<int(int row)>& selectUnit) {
    std::string text;
    {
        CSearchDlg box(owner);
        box.SetSearchText(lastSearch);
        if (!modal.RunModal(box)) return;
        text = box.SearchText();
    }
    if (text.empty()) return;

    lastSearch = text;
    SearchAgain(owner, modal, units, current, lastSearch, selectUnit);
}

void SearchAgain(QWidget* owner, fw::ModalServices& modal, const table::UnitIndex& units, int current,
                 const std::string& lastSearch, const std::function<int(int row)>& selectUnit) {
    if (lastSearch.empty()) return;
    const int found = FindNextUnit(units.Count(), current, lastSearch,
                                   [&units](int row) { return std::string(units.Name(row)); });
    if (found >= 0)
        selectUnit(found);
    else
        modal.MessageBox(fw::ToCp932(QCoreApplication::translate("UnitSearch", "指定された文字列は見つかりませんでした")),
                         fw::kIconInformation, owner);
}

}  // namespace kelvor::search
