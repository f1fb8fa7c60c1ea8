// Inside the window layer: the widgets a Dialog is made of and its state.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/framework/dialog.h"

class QMenuBar;

namespace kelvor::fw {

class ClientArea;

struct Dialog::Impl {
    Impl(Dialog& self, const res::DialogTemplate* dialogTemplate, const res::MenuTemplate* menu, Dialog* owner,
         Platform& platform)
        : self(self), dialogTemplate(dialogTemplate), menu(menu), owner(owner), platform(platform) {}

    Dialog& self;
    const res::DialogTemplate* dialogTemplate;  // nullptr: no such template
    const res::MenuTemplate* menu;              // nullptr: the template's menu id decides
    Dialog* owner;
    Platform& platform;

    QPointer<QDialog> window;
    ClientArea* client = nullptr;
    std::map<int, std::unique_ptr<Control>> controls;
    std::map<int, std::function<void()>> commands;
    std::map<int, std::function<void()>> selChanges;
    std::unique_ptr<SystemMenu> systemMenu;
    std::optional<int> endResult;
    int defaultButton = 0;  // id of the template's default push button, 0: none
    QIcon icon;
    QPainter* clientPainter = nullptr;  // while OnPaint runs
    std::vector<std::unique_ptr<QWidget>> strayWidgets;  // behind the stand-ins for unknown ids
    std::vector<std::unique_ptr<Control>> strayControls;

    // Builds the window and its controls from the template (dialog_builder.cpp).
    void Build();
    void OpenSystemMenu(const QPoint& globalPos);
    void Dispatch(int id);  // a click or a menu choice
    bool Painting() const { return clientPainter != nullptr; }
};

// The top-level window: Enter presses the dialog's default button (never a
// button Qt picked), Escape and the close box run OnCancel.
class DialogWindow : public QDialog {
public:
    DialogWindow(Dialog& dialog, QWidget* parent);

    static Dialog::Impl& ImplOf(Dialog& dialog) { return *dialog.d_; }
    static void CallOnCancel(Dialog& dialog) { dialog.OnCancel(); }
    static void CallOnOK(Dialog& dialog) { dialog.OnOK(); }
    static void CallOnSysCommand(Dialog& dialog, unsigned id) { dialog.OnSysCommand(id, 0); }
    static int CallOnInitDialog(Dialog& dialog) { return dialog.OnInitDialog(); }
    static void CallOnPaint(Dialog& dialog) { dialog.OnPaint(); }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Dialog& dialog_;
};

// The client area below the menu bar: the controls' parent. It paints the
// window (calling OnPaint) and opens the window menu on a right-click that
// hits no control.
class ClientArea : public QWidget {
public:
    ClientArea(Dialog& dialog, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Dialog& dialog_;
};

// The picture frame: draws its border, then the image the program set,
// inside the border, unscaled in device pixels.
class FrameControl : public QFrame {
public:
    using QFrame::QFrame;
    QSize ClientPixels() const;
    void SetImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// A single-selection list whose user can never end up with no selection by
// a click (Ctrl+click or a click below the last item).
class ListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};

// The property that marks labels, group boxes, icons and frames: a right-click
// on them counts as one on the window's background.
inline constexpr char kPassiveProperty[] = "kelvorPassive";

// Icons of the resources (resource_access.cpp).
QIcon IconFromResource(int iconId);
QPixmap IconPixmap(int iconId, int size);

}  // namespace kelvor::fw
