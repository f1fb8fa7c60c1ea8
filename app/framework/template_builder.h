// Windows built from the program's window templates: each control a widget
// at the pixel rectangle of its dialog-unit rectangle, in template order,
// which is also the tab order. The look of a window is data; code finds its
// controls by id (each widget's objectName is "id" and the number).
#pragma once

#include <QDialog>
#include <QString>

#include <map>

#include "res/resources.h"

class QMenu;

namespace kelvor::fw {

struct TemplateControls {
    std::map<int, QWidget*> byId;  // controls with an id (not -1)
    QSize clientSize;              // the template's client area in pixels
    QMenu* windowMenu = nullptr;   // see below
};

// How the buttons of the template answer Enter: in a dialog box the default
// button (or the focused button) is pressed; in a main window Enter
// presses only a focused button, as the window handles it.
enum class EnterKey { DialogDefault, FocusedButtonOnly };

// Gives `window` the template's flags, title and font and its window menu,
// builds every control of `t` as a child of `client` (sized to the
// template) and gives the focus to the first control that takes it; an edit
// gets its whole text selected, so that typing replaces what it offers.
TemplateControls BuildTemplateWindow(QWidget* window, QWidget* client, const res::DialogTemplate& t, EnterKey enter);

// A box of the template: its client is the whole box, OK accepts it and
// ｷｬﾝｾﾙ rejects it.
TemplateControls BuildTemplateBox(QDialog* box, const res::DialogTemplate& t);

// The objectName of control `id`, and the control found by it.
QString ControlName(int id);
template <class W = QWidget>
W* FindControl(const QWidget* root, int id) {
    return root->findChild<W*>(ControlName(id));
}

// The window menu is the one the window manager does not give: minimise
// and close, opened by Alt+Space and by a right-click on the background of
// the client (its labels, group boxes, icons and frame included).

}  // namespace kelvor::fw
