// Windows built from the program's window templates: each control a widget
// at the pixel rectangle of its dialog-unit rectangle, in template order,
// which is also the tab order. The look of a window is data; code finds its
// controls by id (each widget's objectName is "id" and the number).
#pragma once

#include <QString>
#include <QWidget>

#include <map>

#include "res/resources.h"

class QMenu;

namespace kelvor::fw {

struct TemplateControls {
    std::map<int, QWidget*> byId;  // controls with an id (not -1)
    QWidget* firstFocus = nullptr; // the first control that takes the focus
    QSize clientSize;              // the template's client area in pixels
};

// How the buttons of the template answer Enter: in a dialog box the default
// button (or the focused button) is pressed; in a main window Enter
// presses only a focused button, as the window handles it.
enum class EnterKey { DialogDefault, FocusedButtonOnly };

// Builds every control of `t` as a child of `client`, with the template's
// font on `client`, and sizes `client` to the template.
TemplateControls BuildTemplateControls(QWidget* client, const res::DialogTemplate& t, EnterKey enter);

// The window flags, title and font of a template for `window`.
void ShapeTemplateWindow(QWidget* window, const res::DialogTemplate& t);

// Gives the focus to `controls.firstFocus`; an edit gets its whole text
// selected, so that typing replaces what it offers.
void FocusFirstControl(const TemplateControls& controls);

// The objectName of control `id`, and the control found by it.
QString ControlName(int id);
template <class W = QWidget>
W* FindControl(const QWidget* root, int id) {
    return root->findChild<W*>(ControlName(id));
}

// The window menu, which the window manager does not give: minimise and
// close, opened by Alt+Space and by a right-click on the background of
// `client` (its labels, group boxes, icons and frame included).
QMenu* InstallWindowMenu(QWidget* window, QWidget* client, bool minimizeBox);

}  // namespace kelvor::fw
