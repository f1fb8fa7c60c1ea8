// Windows built from the program's dialog templates, with their controls
// reached by id, the exchange, the command map and the window menu.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/framework/controls.h"
#include "app/framework/data_exchange.h"
#include "app/framework/files.h"
#include "app/framework/modal.h"
#include "app/framework/profile.h"
#include "app/framework/resource_text.h"
#include "app/framework/system_menu.h"
#include "res/resources.h"

class QImage;
class QSize;
class QWidget;

namespace kelvor::fw {

// The services a window works with; owned by the application.
struct Platform {
    ModalServices& modal;
    Profile& profile;
    FileService& files;
};

class Dialog {
public:
    // The window of dialog template `templateId` of the program's resources.
    Dialog(int templateId, Dialog* owner, Platform& platform);
    // The window of a given template (tests); menu overrides the template's menu id.
    Dialog(const res::DialogTemplate& dialogTemplate, Dialog* owner, Platform& platform,
           const res::MenuTemplate* menu = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Create(), then platform.modal.RunModal(*this); the window is destroyed
    // afterwards. Gives 1 or 2, or -1 when the window could not be built.
    int DoModal();
    // Builds the window from its template and runs OnInitDialog (once).
    bool Create();
    void DestroyWindow();
    // Ends the modal run with `result` (the window hides).
    void EndDialog(int result);
    // The result given to EndDialog since the window was created.
    std::optional<int> EndResult() const;

    QWidget* Window() const;            // top-level widget, for tests and the layer
    QWidget* GetDlgItem(int id) const;  // a control's widget, for tests and the layer
    Dialog* GetOwner() const;
    Platform& GetPlatform();
    const res::DialogTemplate& Template() const;

    // Controls by id (cp932 text in and out).
    bool HasControl(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, int state);
    int IsDlgButtonChecked(int id) const;
    void EnableDlgItem(int id, bool enable);
    Control& GetControl(int id);
    Edit& GetEdit(int id);
    ComboBox& GetComboBox(int id);
    ListBox& GetListBox(int id);
    CheckBox& GetCheckBox(int id);
    Button& GetButton(int id);
    void GotoDlgCtrl(int id);  // focus; an edit gets its whole text selected

    // Runs DoDataExchange in that direction (1: controls into members);
    // gives 1, or 0 when the exchange refused a value.
    int UpdateData(int saveAndValidate = 1);

    // Runs what a click on control `id` or menu command `id` runs.
    void SendCommand(int id);

    SystemMenu* GetSystemMenu();
    bool IsIconic() const;
    void Invalidate();
    void SetWindowText(const std::string& title);  // cp932
    // Icon `iconId` of the resources as the window's large and small icon.
    void SetIcon(int iconId);
    // The picture frame `id`: the size in device pixels of the area inside
    // its border (empty when there is no such frame), and the image it shows
    // there from its top left, one image pixel to one device pixel, on every
    // paint until another is set. A null image shows nothing.
    QSize FrameClientPixels(int id) const;
    void SetFrameImage(int id, const QImage& image);

protected:
    // Base: loads the exchange (UpdateData(0)). Return 1 to give the focus
    // to the first control that takes it (an edit then has its text selected).
    virtual int OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual void OnOK();      // UpdateData(1), and EndDialog(1) when that succeeded
    virtual void OnCancel();  // EndDialog(2)
    // A window-menu choice. Base: the default handling (minimise, restore,
    // close); other ids are ignored.
    virtual void OnSysCommand(unsigned id, long param);
    // Called after the window's client area has painted.
    virtual void OnPaint();
    // The icon shown while a minimised window is dragged (icon id, 0: none);
    // Linux never asks.
    virtual int OnQueryDragIcon();

    // The message map: menu commands and button clicks by id, and the
    // list box's selection-change notification.
    void MapCommand(int id, std::function<void()> handler);
    void MapSelChange(int listId, std::function<void()> handler);

    // Inside OnPaint: draws icon `iconId` centred in the client area.
    void DrawIconCentred(int iconId);

public:
    struct Impl;  // the layer's own state, defined inside the layer

private:
    friend class DialogWindow;
    std::unique_ptr<Impl> d_;
};

}  // namespace kelvor::fw
