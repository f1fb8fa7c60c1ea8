#include "app/framework/system_menu.h"

#include <QMenu>

#include "app/framework/codec.h"

namespace kelvor::fw {

namespace {

struct StandardEntry {
    unsigned id;
    const char* text;
};

constexpr StandardEntry kStandardEntries[] = {
    {kScMinimize, "最小化(&N)"},
    {kScClose, "閉じる(&C)"},
};

}  // namespace

SystemMenu::SystemMenu(QWidget* window, bool minimizeBox, std::function<void(unsigned)> choose)
    : menu_(new QMenu(window)), choose_(std::move(choose)) {
    for (const StandardEntry& entry : kStandardEntries) {
        AppendEntry(entry.id, Cp932FromUtf8(entry.text));
        if (entry.id == kScMinimize) menu_->actions().back()->setEnabled(minimizeBox);
    }
}

// The menu belongs to its window.
SystemMenu::~SystemMenu() = default;

void SystemMenu::AppendSeparator() { menu_->addSeparator(); }

void SystemMenu::AppendEntry(unsigned id, const std::string& text) {
    QAction* action = menu_->addAction(FromCp932(text));
    action->setData(id);
    QObject::connect(action, &QAction::triggered, menu_, [this, id] {
        if (choose_) choose_(id);
    });
}

bool SystemMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text) {
    if (flags & kMfSeparator)
        AppendSeparator();
    else
        AppendEntry(id, text);
    return true;
}

void SystemMenu::OpenAt(int globalX, int globalY) { menu_->popup(QPoint(globalX, globalY)); }

}  // namespace kelvor::fw
