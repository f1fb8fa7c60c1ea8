#include "search/search_command.h"

#include "app/framework/codec.h"
#include "search/search_dlg.h"
#include "search/unit_search.h"

namespace kelvor::search {

namespace {

constexpr const char* kNotFound = "指定された文字列は見つかりませんでした";

}  // namespace

void RunUnitSearch(fw::Dialog& owner, fw::ListBox& units, std::string& lastSearch,
                   const std::function<int(int listIndex)>& selectUnit) {
    CSearchDlg box(owner.GetPlatform(), &owner);
    box.m_strSearchText = lastSearch;
    if (box.DoModal() != fw::kIdOk) return;
    if (box.m_strSearchText.empty()) return;

    lastSearch = box.m_strSearchText;
    const int found = FindNextUnit(units.GetCount(), units.GetCurSel(), lastSearch,
                                   [&units](int i) { return units.GetText(i); });
    if (found >= 0)
        selectUnit(found);
    else
        owner.GetPlatform().modal.MessageBox(fw::Cp932FromUtf8(kNotFound), fw::kIconInformation, &owner);
}

}  // namespace kelvor::search
