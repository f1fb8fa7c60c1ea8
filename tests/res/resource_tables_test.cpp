// The look-ups, the About and search boxes, the menu, the string table, the
// version record and the icon.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "res/control_ids.h"
#include "res/resources.h"

namespace kelvor::res {
namespace {

// The version the build was configured with, "major.minor.patch.tweak".
std::vector<int> ProjectVersion() {
    std::vector<int> numbers;
    std::istringstream text(KELVOR_PROJECT_VERSION);
    for (std::string part; std::getline(text, part, '.');) numbers.push_back(std::stoi(part));
    return numbers;
}

bool Inside(const ControlTemplate& c, const DialogTemplate& t) {
    return c.x >= 0 && c.y >= 0 && c.x + c.cx <= t.cx && c.y + c.cy <= t.cy;
}

TEST(ResourceLookups, KnownIdsFindTheirResourceAndOthersNothing) {
    const std::pair<int, std::string> titles[] = {
        {kIdUnitForm, "Halvane ユニットエディタ"}, {kIdAboutBox, "Kelvorのﾊﾞｰｼﾞｮﾝ情報"}, {kIdSearchBox, "兵器の検索"}};
    for (const auto& [id, title] : titles) {
        const DialogTemplate* t = FindDialog(id);
        ASSERT_NE(t, nullptr) << id;
        EXPECT_EQ(t->id, id);
        EXPECT_EQ(t->title, title);
        EXPECT_STREQ(t->fontFace, "ＭＳ Ｐゴシック");
        for (const ControlTemplate& c : t->controls) EXPECT_TRUE(Inside(c, *t)) << id << "/" << c.id;
    }
    for (int id : {0, -1, kIdAboutEntry, kIdMainMenu}) EXPECT_EQ(FindDialog(id), nullptr) << id;
    EXPECT_NE(FindIcon(kIdAppIcon), nullptr);
    EXPECT_EQ(FindIcon(kIdAboutEntry), nullptr);
    EXPECT_EQ(FindString(kIdAboutEntry), "Kelvor のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_TRUE(FindString(kIdUnitForm).empty());
}

TEST(SmallBoxes, OkIsTheOnlyDefaultAndEachControlDoesItsPart) {
    for (int id : {kIdAboutBox, kIdSearchBox}) {
        std::vector<int> defaults;
        for (const ControlTemplate& c : FindDialog(id)->controls)
            if (c.style & kDefault) defaults.push_back(c.id);
        EXPECT_EQ(defaults, std::vector<int>{kIdOk}) << id;
    }
    for (const ControlTemplate& c : FindDialog(kIdAboutBox)->controls) {
        if (c.kind == ControlKind::Icon) {
            EXPECT_NE(FindIcon(std::atoi(c.text)), nullptr) << c.text;
        }
        if (c.kind == ControlKind::Label) {
            EXPECT_EQ(std::string(c.text), std::string("Kelvor Version ") + KELVOR_PROJECT_VERSION);
            EXPECT_TRUE(c.style & kNoPrefix) << "the version text shows '&' as it is";
        }
    }
    // The search text comes first, so it has the focus when the box opens.
    const auto search = FindDialog(kIdSearchBox)->controls;
    ASSERT_EQ(search.size(), 3u);
    EXPECT_EQ(search[0].id, kIdSearchText);
    EXPECT_EQ(search[0].style & (kBorder | kTabStop | kAutoHScroll), kBorder | kTabStop | kAutoHScroll);
    EXPECT_EQ(search[2].id, kIdCancel);
    EXPECT_STREQ(search[2].text, "ｷｬﾝｾﾙ");
}

TEST(VersionRecord, NumbersKeyAndStringsAreExact) {
    const std::vector<int> version = ProjectVersion();
    ASSERT_EQ(version.size(), 4u) << KELVOR_PROJECT_VERSION;
    const std::string commas = std::to_string(version[0]) + ", " + std::to_string(version[1]) + ", " +
                               std::to_string(version[2]) + ", " + std::to_string(version[3]);
    const VersionRecord& v = Version();
    for (const std::uint16_t* n : {v.fileVersion, v.productVersion}) EXPECT_EQ(std::vector<int>(n, n + 4), version);
    EXPECT_STREQ(v.stringTableKey, "041104b0");
    std::vector<std::pair<std::string, std::string>> strings;
    for (const VersionString& s : v.strings) strings.emplace_back(s.key, s.value);
    EXPECT_EQ(strings, (std::vector<std::pair<std::string, std::string>>{
                           {"Comments", "Halvane1.0 ユニットエディタ"}, {"FileDescription", "Halvane1.0 ユニットエディタ"},
                           {"FileVersion", commas}, {"InternalName", "Kelvor"},
                           {"ProductName", "Kelvor ｱﾌﾟﾘｹｰｼｮﾝ"}, {"ProductVersion", commas}}));
}

TEST(AppIcon, TwoSizesInClassicColoursOnly) {
    const std::set<std::uint32_t> classic = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                             0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                             0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const auto images = FindIcon(kIdAppIcon)->images;
    ASSERT_EQ(images.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const IconImage& image = images[i];
        EXPECT_EQ(image.width, 32 >> i);
        EXPECT_EQ(image.height, 32 >> i);
        ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width * image.height));
        std::set<std::uint32_t> colours;
        for (std::uint32_t p : image.pixels) {
            ASSERT_TRUE(p >> 24 == 0 || p >> 24 == 0xFF) << std::hex << p << ": neither opaque nor transparent";
            if (p >> 24) colours.insert(p & 0xFFFFFF);
        }
        EXPECT_GE(colours.size(), 3u) << "a picture, not a blank";
        for (std::uint32_t c : colours) EXPECT_TRUE(classic.count(c)) << std::hex << c << " is not a classic colour";
    }
}

}  // namespace
}  // namespace kelvor::res
