// The demo unit table as the editor will read it: line ends, heading lines,
// field counts, values of every field kind, and the special units that the
// editor's tests rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "form/record_layout.h"
#include "table/cp932.h"
#include "table/text_format.h"
#include "test_files.h"
#include "tests/table/unit_lines.h"
#include "tools/cp932_text.h"
#include "tools/demo_game.h"
#include "tools/demo_table.h"

namespace kelvor::demo {
namespace {

using table::testing::Split;
using form::FieldKind;

// Lines of a text whose every line ends in CR LF; fails the test otherwise.
std::vector<std::string> CrLfLines(const std::string& text) {
    EXPECT_TRUE(text.size() >= 2 && text.ends_with("\r\n"));
    std::vector<std::string> lines = Split(text, "\r\n");
    lines.pop_back();  // after the last CR LF
    for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    return lines;
}

bool IsUnit(const std::string& line) { return table::IsUnitLine({line.data(), line.data() + line.size()}) == 1; }

// Whole double-byte characters only: every lead byte has a valid trail byte.
bool WellFormedCp932(const std::string& s, bool* hasTrail5C, bool* hasTrail7E) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!table::IsLeadByte(static_cast<unsigned char>(s[i]))) continue;
        if (i + 1 == s.size()) return false;
        const auto t = static_cast<unsigned char>(s[++i]);
        if (t < 0x40 || t == 0x7F || t > 0xFC) return false;
        if (t == 0x5C) *hasTrail5C = true;
        if (t == 0x7E) *hasTrail7E = true;
    }
    return true;
}

class DemoTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        text_ = new std::string(DemoGameTable());
        lines_ = new std::vector<std::string>(CrLfLines(*text_));
    }
    static void TearDownTestSuite() {
        delete text_;
        delete lines_;
    }
    // The fields of unit number n (line n + 2).
    static std::vector<std::string> Unit(int n) { return Split((*lines_)[static_cast<std::size_t>(n + 2)], ","); }

    static std::string* text_;
    static std::vector<std::string>* lines_;
};
std::string* DemoTable::text_ = nullptr;
std::vector<std::string>* DemoTable::lines_ = nullptr;

TEST_F(DemoTable, HeadingsThenBlankThenWholeUnitLines) {
    ASSERT_EQ(lines_->size(), static_cast<std::size_t>(kGameUnitCount + 3));
    EXPECT_FALSE(IsUnit((*lines_)[0]));
    EXPECT_FALSE(IsUnit((*lines_)[1]));
    EXPECT_EQ((*lines_)[2], "");
    table::UnitRecord rec;
    for (int n = 1; n <= kGameUnitCount; ++n) {
        const std::string& line = (*lines_)[static_cast<std::size_t>(n + 2)];
        ASSERT_TRUE(IsUnit(line)) << "unit " << n;
        const auto fields = Split(line, ",");
        EXPECT_EQ(fields.size(), 194u) << "unit " << n;
        EXPECT_FALSE(fields.back().empty()) << "unit " << n;
        const std::string withEnd = line + "\r\n";
        EXPECT_EQ(table::ParseUnitLine({withEnd.data(), withEnd.data() + withEnd.size()}, rec), 1) << "unit " << n;
    }
}

TEST_F(DemoTable, EveryFieldHoldsAValueOfItsKind) {
    std::set<std::string> codes;
    for (const auto& c : table::MovementClasses()) codes.insert(c.code);
    int oddCodes = 0;
    for (int n = 1; n <= kGameUnitCount; ++n) {
        const auto fields = Unit(n);
        ASSERT_EQ(fields.size(), 194u);
        for (const form::FieldLayout& f : form::RecordLayout()) {
            const std::string& v = fields[static_cast<std::size_t>(f.field)];
            const std::string where = "unit " + std::to_string(n) + " field " + std::to_string(f.field);
            bool trail5C = false, trail7E = false;
            EXPECT_TRUE(WellFormedCp932(v, &trail5C, &trail7E)) << where;
            switch (f.kind) {
                case FieldKind::Marker: EXPECT_EQ(v, table::kMarkSet) << where; break;
                case FieldKind::Flag: EXPECT_TRUE(v == table::kMarkSet || v == table::kMarkClear) << where; break;
                case FieldKind::Integer: {
                    // Plain decimal as the form writes it back: no sign, no leading zero.
                    ASSERT_FALSE(v.empty()) << where;
                    EXPECT_TRUE(std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; })) << where;
                    EXPECT_TRUE(v == "0" || v[0] != '0') << where;
                    const int value = table::ParseDecimal(v);
                    if (f.hasRange) {
                        EXPECT_GE(value, f.min) << where;
                        EXPECT_LE(value, f.max) << where;
                    }
                    break;
                }
                case FieldKind::MovementClass:
                    if (!codes.count(v)) ++oddCodes;
                    EXPECT_EQ(v.size(), 8u) << where;
                    break;
                case FieldKind::TableValue: EXPECT_FALSE(v.empty()) << where; break;
                case FieldKind::Text:
                    if (f.field == 0) {
                        EXPECT_FALSE(v.empty()) << where;
                    }
                    break;
            }
        }
    }
    EXPECT_EQ(oddCodes, 1);  // the one unit kept for the out-of-table code
    EXPECT_EQ(Unit(kUnitOddMovement)[27], "00000011");
}

TEST_F(DemoTable, RangeEndsAreReachedAndFlagNumbersCoverTheSheet) {
    const auto high = Unit(kUnitAllMaximum), low = Unit(kUnitAllMinimum);
    for (const form::FieldLayout& f : form::RecordLayout()) {
        if (f.kind != FieldKind::Integer || !f.hasRange) continue;
        EXPECT_EQ(high[static_cast<std::size_t>(f.field)], std::to_string(f.max)) << f.field;
        EXPECT_EQ(low[static_cast<std::size_t>(f.field)], std::to_string(f.min)) << f.field;
    }
    std::set<int> flags;
    for (int n = 1; n <= kGameUnitCount; ++n) flags.insert(table::ParseDecimal(Unit(n)[2]));
    for (int flag = 0; flag <= 33; ++flag) EXPECT_TRUE(flags.count(flag)) << flag;
}

TEST_F(DemoTable, HoldsTheUnitsTheEditorsTestsNeed) {
    std::map<std::string, int> names;
    bool trail5C = false, trail7E = false;
    for (int n = 1; n <= kGameUnitCount; ++n) {
        const std::string name = Unit(n)[0];
        ++names[name];
        WellFormedCp932(name, &trail5C, &trail7E);
    }
    EXPECT_TRUE(trail5C) << "no name with a 0x5C trail byte";
    EXPECT_TRUE(trail7E) << "no name with a 0x7E trail byte";
    EXPECT_EQ(Unit(kUnitTrailByte5C)[0], Cp932("ソ連戦車"));
    EXPECT_EQ(Unit(kUnitSameNameA)[0], Unit(kUnitSameNameB)[0]);

    // Two table values that are equal only when letter case is ignored.
    bool caseTwins = false;
    for (int field : {3, 4, 5, 6, 31, 32}) {
        std::set<std::string> seen;
        for (int n = 1; n <= kGameUnitCount; ++n) seen.insert(Unit(n)[static_cast<std::size_t>(field)]);
        for (const auto& a : seen)
            for (const auto& b : seen) caseTwins |= a != b && table::EqualsIgnoreCase(a, b);
    }
    EXPECT_TRUE(caseTwins);

    // Fields 50 and 51 name other units by unit number = line number - 2.
    for (auto [unit, field, target] : {std::tuple{kUnitTransforms, 50, kUnitTransformTarget},
                                       std::tuple{kUnitMissileRef, 51, kUnitMissileTarget}}) {
        const int named = table::ParseDecimal(Unit(unit)[static_cast<std::size_t>(field)]);
        EXPECT_EQ(named, target);
        ASSERT_LT(static_cast<std::size_t>(named + 2), lines_->size());
        EXPECT_TRUE(IsUnit((*lines_)[static_cast<std::size_t>(named + 2)]));
        EXPECT_NE(named, unit);
    }
}

TEST(DemoGameFolder, PicturesExistForAllButTheMissingOne) {
    testing::TempFolder dir;
    ASSERT_TRUE(WriteDemoGame(dir.Path()));
    const std::string text = testing::ReadBytes(dir.Path() / "weapon.dat");
    EXPECT_EQ(text, DemoGameTable());
    int missing = 0;
    for (const std::string& line : CrLfLines(text)) {
        if (!IsUnit(line)) continue;
        const std::string picture = std::to_string(table::ParseDecimal(Split(line, ",")[189])) + ".bmp";
        if (!std::filesystem::exists(dir.Path() / "unit" / picture)) ++missing;
    }
    EXPECT_EQ(missing, 1);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "bmp" / "panel_btn.bmp"));
}

TEST(DemoGameFolder, SameBytesEveryRun) {
    testing::TempFolder a, b;
    ASSERT_TRUE(WriteDemoGame(a.Path()));
    ASSERT_TRUE(WriteDemoGame(b.Path()));
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(a.Path())) {
        if (!entry.is_regular_file()) continue;
        ++files;
        const auto rel = std::filesystem::relative(entry.path(), a.Path());
        EXPECT_EQ(testing::ReadBytes(entry.path()), testing::ReadBytes(b.Path() / rel)) << rel;
    }
    EXPECT_EQ(files, 22);  // weapon.dat, the sheet, 20 pictures
}

TEST(DemoGameFolder, UnwritableFolderIsReported) {
    testing::TempFolder dir;
    const auto blocker = dir.Path() / "file";
    std::ofstream(blocker) << "x";
    EXPECT_FALSE(WriteDemoGame(blocker / "game"));
}

TEST(LargeTable, WholeUnitLinesUpToTheAskedSize) {
    for (std::size_t bytes : {std::size_t{0}, std::size_t{300000}}) {
        const std::string text = DemoLargeTable(bytes);
        EXPECT_TRUE(text.starts_with(DemoHeadingLines()));
        EXPECT_GE(text.size(), bytes);
        const auto lines = CrLfLines(text);
        EXPECT_LT(text.size() - (lines.back().size() + 2), std::max(bytes, DemoHeadingLines().size() + 1));
        for (std::size_t i = 3; i < lines.size(); ++i) {
            ASSERT_TRUE(IsUnit(lines[i])) << i;
            ASSERT_EQ(Split(lines[i], ",").size(), 194u) << i;
        }
    }
    EXPECT_EQ(DemoLargeTable(300000), DemoLargeTable(300000));
}

TEST(Cp932Text, RefusesWhatCodePage932CannotHold) {
    std::string out = "kept";
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80", out));  // an emoji
    EXPECT_FALSE(Utf8ToCp932("\xE6\xAD", out));          // cut UTF-8
    EXPECT_EQ(out, "kept");
    ASSERT_TRUE(Utf8ToCp932("ソ×", out));
    EXPECT_EQ(out, "\x83\x5C\x81\x7E");
}

}  // namespace
}  // namespace kelvor::demo
