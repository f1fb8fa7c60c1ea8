// Windows built from templates for the window layer's tests: small
// templates of our own of a main-window kind (list, edits, hidden disabled
// default OK) and a box kind (Enter presses OK), and a window that builds
// any template and records what reached its buttons and its list.
#pragma once

#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QStringListModel>

#include <array>
#include <vector>

#include "app/framework/choice_list_view.h"
#include "app/framework/template_builder.h"
#include "res/control_ids.h"
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
};
using res::kIdCancel;
using res::kIdOk;

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

inline constexpr res::DialogTemplate kMainWindow{9102, "テスト ユニットエディタ", 330, 150, "ＭＳ Ｐゴシック", 9, 128,
                                                 true, true, kMainControls};

inline constexpr std::array<res::ControlTemplate, 3> kBoxControls{{
    {kBoxText, ControlKind::Edit, "", 5, 5, 175, 15, res::kBorder | res::kTabStop | res::kAutoHScroll},
    {kIdOk, ControlKind::PushButton, "OK", 75, 25, 50, 14, res::kTabStop | res::kDefault},
    {kIdCancel, ControlKind::PushButton, "ｷｬﾝｾﾙ", 130, 25, 50, 14, res::kTabStop},
}};

inline constexpr res::DialogTemplate kBox{9131, "兵器の検索", 187, 45, "ＭＳ Ｐゴシック", 9, 0, false, false, kBoxControls};

// A window built from template `t` (a main-window template when it names a
// menu), its list holding "A", "B", "C"; buttons and list choices are only
// recorded.
class TemplateWindow : public QDialog {
public:
    explicit TemplateWindow(const res::DialogTemplate& t) : t_(t) {
        client = new QWidget(this);
        controls = BuildTemplateWindow(this, client, t, t.menuId ? EnterKey::FocusedButtonOnly : EnterKey::DialogDefault);
        setFixedSize(controls.clientSize);
        menu = controls.windowMenu;
        for (const auto& [id, widget] : controls.byId) {
            if (auto* button = qobject_cast<QPushButton*>(widget))
                connect(button, &QPushButton::clicked, this, [this, id = id] { pressed.push_back(id); });
            if (auto* list = qobject_cast<ChoiceListView*>(widget)) {
                list->setModel(new QStringListModel({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, this));
                list->watchSelection();
                connect(list, &ChoiceListView::userChose, this, [this](int row) { chosen.push_back(row); });
            }
        }
    }
    const res::DialogTemplate& Template() const { return t_; }
    QWidget* Item(int id) const { return FindControl(client, id); }
    int IdOf(const QWidget* widget) const {
        for (const auto& [id, w] : controls.byId)
            if (w == widget) return id;
        return 0;
    }

    QWidget* client;
    TemplateControls controls;
    QMenu* menu;
    std::vector<int> pressed;
    std::vector<int> chosen;

private:
    const res::DialogTemplate& t_;
};

}  // namespace kelvor::fw::testing
