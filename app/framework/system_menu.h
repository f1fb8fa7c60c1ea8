// The window menu of a window. Linux window managers own their window menu,
// so each window carries one of its own, opened with Alt+Space or by a
// right-click on the window's background. A choice reaches the window's
// OnSysCommand with the entry's id.
#pragma once

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace kelvor::fw {

inline constexpr unsigned kScMinimize = 0xF020;
inline constexpr unsigned kScClose = 0xF060;
inline constexpr unsigned kScRestore = 0xF120;

inline constexpr unsigned kMfString = 0x0000;
inline constexpr unsigned kMfSeparator = 0x0800;

class SystemMenu {
public:
    // For the layer: a menu on `window` whose choices go to choose(id).
    SystemMenu(QWidget* window, bool minimizeBox, std::function<void(unsigned)> choose);
    ~SystemMenu();
    SystemMenu(const SystemMenu&) = delete;
    SystemMenu& operator=(const SystemMenu&) = delete;

    void AppendSeparator();
    void AppendEntry(unsigned id, const std::string& text);  // text cp932, '&' marks the mnemonic
    // kMfSeparator, or kMfString with an id and a text.
    bool AppendMenu(unsigned flags, unsigned id = 0, const std::string& text = {});

    QMenu* Menu() const { return menu_; }  // for tests and the layer
    void OpenAt(int globalX, int globalY);

private:
    QMenu* menu_;
    std::function<void(unsigned)> choose_;
};

}  // namespace kelvor::fw
