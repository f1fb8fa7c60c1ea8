// Dialogs 100 (the About box) and 131 (the search box).
#include "kelvor_version.h"
#include "res/unit_form_template.h"

namespace kelvor::res {

namespace {

constexpr ControlTemplate kAboutControls[] = {
    {1, ControlKind::PushButton, "OK", 178, 7, 50, 14, kTabStop | kDefault},
    {-1, ControlKind::Icon, "128", 11, 17, 20, 20, 0},
    {-1, ControlKind::Label, "Kelvor Version " KELVOR_VERSION_STRING, 40, 10, 119, 8, kNoPrefix},
};

constexpr ControlTemplate kSearchControls[] = {
    {1245, ControlKind::Edit, "", 5, 5, 175, 15, kBorder | kTabStop | kAutoHScroll},
    {1, ControlKind::PushButton, "OK", 75, 25, 50, 14, kTabStop | kDefault},
    {2, ControlKind::PushButton, "ｷｬﾝｾﾙ", 130, 25, 50, 14, kTabStop},
};

}  // namespace

const DialogTemplate& AboutBoxTemplate() {
    static const DialogTemplate about{kIdAboutBox, "Kelvorのﾊﾞｰｼﾞｮﾝ情報", 235, 55, "ＭＳ Ｐゴシック", 9, 0, false, false,
                                      kAboutControls};
    return about;
}

const DialogTemplate& SearchBoxTemplate() {
    static const DialogTemplate search{kIdSearchBox, "兵器の検索", 187, 45, "ＭＳ Ｐゴシック", 9, 0, false, false,
                                       kSearchControls};
    return search;
}

}  // namespace kelvor::res
