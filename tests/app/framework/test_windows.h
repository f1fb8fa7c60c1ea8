// Small window templates of our own for the window layer's tests: a
// main-window kind (menu, list, edits, hidden disabled default OK) and a
// box kind (Enter presses OK).
#pragma once

#include <array>

#include "app/framework/dialog.h"
#include "res/resources.h"

namespace kelvor::fw::testing {

enum Ids {
    kList = 1008,
    kName = 1011,
    kNumber = 1012,
    kSecond = 1022,
    kKind = 1018,
    kFlag = 1025,
    kPicture = 1236,
    kApply = 1217,
    kBoxText = 1245,
    kCmdOpen = 57601,
    kCmdGrayed = 32774,
    kCmdSearch = 32771,
};

using res::ControlKind;
constexpr std::uint32_t kNumberEdit = res::kBorder | res::kTabStop | res::kAutoHScroll | res::kAlignRight;

inline constexpr std::array<res::ControlTemplate, 12> kMainControls{{
    {kList, ControlKind::ListBox, "", 5, 10, 110, 120, res::kTabStop | res::kBorder | res::kVScroll | res::kNotify},
    {-1, ControlKind::GroupBox, "兵器情報", 120, 5, 200, 140, 0},
    {-1, ControlKind::Label, "旗", 235, 15, 20, 10, res::kCenterVertical},
    {kName, ControlKind::Edit, "", 125, 25, 110, 12, res::kBorder | res::kTabStop | res::kAutoHScroll},
    {kNumber, ControlKind::Edit, "", 235, 25, 20, 12, kNumberEdit},
    {kSecond, ControlKind::Edit, "", 255, 25, 20, 12, kNumberEdit},
    {kKind, ControlKind::ComboBox, "", 125, 40, 45, 100, res::kTabStop | res::kVScroll},
    {kFlag, ControlKind::CheckBox, "ｽﾃﾙｽ", 175, 40, 40, 8, res::kTabStop},
    {kPicture, ControlKind::Frame, "", 125, 60, 60, 40, res::kBlackFrame | res::kSunken},
    {kApply, ControlKind::PushButton, "適用", 200, 110, 75, 15, res::kTabStop},
    {kIdOk, ControlKind::PushButton, "OK", 200, 130, 50, 14,
     res::kTabStop | res::kDefault | res::kHidden | res::kDisabled},
    {kIdCancel, ControlKind::PushButton, "ｷｬﾝｾﾙ", 255, 130, 50, 14, res::kTabStop},
}};

inline constexpr std::array<res::MenuItemTemplate, 4> kFileItems{{
    {"開く(&O)...", kCmdOpen, false},
    {nullptr, 0, false},
    {"一括読み込み...", kCmdGrayed, true},
    {"単体データの書き出し...", 32772, false},
}};
inline constexpr std::array<res::MenuItemTemplate, 1> kEditItems{{{"検索(&S)...", kCmdSearch, false}}};
inline constexpr std::array<res::MenuPopupTemplate, 2> kPopups{{{"ﾌｧｲﾙ(&F)", kFileItems}, {"編集(&E)", kEditItems}}};
inline constexpr res::MenuTemplate kMainMenu{9128, kPopups};

inline constexpr res::DialogTemplate kMainWindow{9102, "テスト ユニットエディタ", 330, 150, "ＭＳ Ｐゴシック", 9, 9128,
                                                 true, true, kMainControls};

inline constexpr std::array<res::ControlTemplate, 3> kBoxControls{{
    {kBoxText, ControlKind::Edit, "", 5, 5, 175, 15, res::kBorder | res::kTabStop | res::kAutoHScroll},
    {kIdOk, ControlKind::PushButton, "OK", 75, 25, 50, 14, res::kTabStop | res::kDefault},
    {kIdCancel, ControlKind::PushButton, "ｷｬﾝｾﾙ", 130, 25, 50, 14, res::kTabStop},
}};

inline constexpr res::DialogTemplate kBox{9131, "兵器の検索", 187, 45, "ＭＳ Ｐゴシック", 9, 0, false, false, kBoxControls};

// A window of the main kind with every command and notification recorded.
class RecordingWindow : public Dialog {
public:
    RecordingWindow(Platform& platform, const res::DialogTemplate& t = kMainWindow)
        : Dialog(t, nullptr, platform, &kMainMenu) {
        for (int id : {int(kApply), int(kCmdOpen), int(kCmdSearch)}) MapCommand(id, [this, id] { commands.push_back(id); });
        MapSelChange(kList, [this] { selChanges.push_back(GetListBox(kList).GetCurSel()); });
    }
    std::vector<int> commands;
    std::vector<int> selChanges;
    std::vector<unsigned> sysCommands;
    int paints = 0;

protected:
    void OnSysCommand(unsigned id, long param) override {
        sysCommands.push_back(id);
        Dialog::OnSysCommand(id, param);
    }
    void OnPaint() override { ++paints; }
};

}  // namespace kelvor::fw::testing
