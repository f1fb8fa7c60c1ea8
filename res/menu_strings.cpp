// The string table, the version record and the look-ups.
#include "kelvor_version.h"
#include "res/unit_form_template.h"

namespace kelvor::res {

namespace {

constexpr VersionString kVersionStrings[] = {
    {"Comments", "Halvane1.0 ユニットエディタ"},
    {"FileDescription", "Halvane1.0 ユニットエディタ"},
    {"FileVersion", KELVOR_VERSION_COMMAS},
    {"InternalName", "Kelvor"},
    {"ProductName", "Kelvor ｱﾌﾟﾘｹｰｼｮﾝ"},
    {"ProductVersion", KELVOR_VERSION_COMMAS},
};

}  // namespace

const DialogTemplate* FindDialog(int id) {
    switch (id) {
    case kIdUnitForm: return &UnitFormTemplate();
    case kIdAboutBox: return &AboutBoxTemplate();
    case kIdSearchBox: return &SearchBoxTemplate();
    default: return nullptr;
    }
}

const IconTemplate* FindIcon(int id) { return id == kIdAppIcon ? &AppIconTemplate() : nullptr; }

std::string_view FindString(int id) {
    if (id == kIdAboutEntry) return "Kelvor のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    return {};
}

const VersionRecord& Version() {
    static const VersionRecord version{
        {KELVOR_VERSION_MAJOR, KELVOR_VERSION_MINOR, KELVOR_VERSION_PATCH, KELVOR_VERSION_TWEAK},
        {KELVOR_VERSION_MAJOR, KELVOR_VERSION_MINOR, KELVOR_VERSION_PATCH, KELVOR_VERSION_TWEAK},
        "041104b0",
        kVersionStrings};
    return version;
}

}  // namespace kelvor::res
