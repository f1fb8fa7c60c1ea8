#include "app/framework/dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include "app/framework/codec.h"
#include "app/framework/dialog_impl.h"

namespace kelvor::fw {

namespace {

const res::DialogTemplate kNoTemplate{0, "", 0, 0, "", 9, 0, false, false, {}};

bool TakesFocusFirst(const res::ControlTemplate& ct) {
    switch (ct.kind) {
    case res::ControlKind::Edit:
    case res::ControlKind::CheckBox:
    case res::ControlKind::ComboBox:
    case res::ControlKind::ListBox:
    case res::ControlKind::PushButton:
        return (ct.style & res::kTabStop) && !(ct.style & (res::kDisabled | res::kHidden));
    default:
        return false;
    }
}

// A control the window lacks: the program gets a working object that no
// window shows, so a wrong id is noticed (the warning) but loses nothing.
template <class C, class W>
C& StandIn(Dialog::Impl& d, int id) {
    qWarning("Window %d has no control %d of the kind asked for", d.dialogTemplate ? d.dialogTemplate->id : 0, id);
    d.strayWidgets.push_back(std::make_unique<W>());
    d.strayControls.push_back(std::make_unique<C>(id, d.strayWidgets.back().get()));
    return static_cast<C&>(*d.strayControls.back());
}

template <class C, class W>
C& Find(Dialog::Impl& d, int id) {
    if (auto it = d.controls.find(id); it != d.controls.end())
        if (auto* c = dynamic_cast<C*>(it->second.get())) return *c;
    return StandIn<C, W>(d, id);
}

}  // namespace

void Dialog::Impl::OpenSystemMenu(const QPoint& globalPos) {
    if (systemMenu) systemMenu->OpenAt(globalPos.x(), globalPos.y());
}

void Dialog::Impl::Dispatch(int id) {
    if (auto it = commands.find(id); it != commands.end()) {
        const std::function<void()> handler = it->second;
        handler();
    } else if (id == kIdOk) {
        DialogWindow::CallOnOK(self);
    } else if (id == kIdCancel) {
        DialogWindow::CallOnCancel(self);
    }
}

Dialog::Dialog(int templateId, Dialog* owner, Platform& platform)
    : d_(std::make_unique<Impl>(*this, res::FindDialog(templateId), nullptr, owner, platform)) {}

Dialog::Dialog(const res::DialogTemplate& dialogTemplate, Dialog* owner, Platform& platform,
               const res::MenuTemplate* menu)
    : d_(std::make_unique<Impl>(*this, &dialogTemplate, menu, owner, platform)) {}

Dialog::~Dialog() { DestroyWindow(); }

int Dialog::DoModal() {
    if (!Create()) return -1;
    const int result = d_->platform.modal.RunModal(*this);
    DestroyWindow();
    return result;
}

bool Dialog::Create() {
    if (d_->window) return true;
    if (!d_->dialogTemplate) return false;
    d_->endResult.reset();
    d_->defaultButton = 0;
    d_->Build();
    if (OnInitDialog() && !d_->endResult) {
        for (const res::ControlTemplate& ct : d_->dialogTemplate->controls) {
            // As a dialog gives the first focus: an edit gets its whole text
            // selected, so that typing replaces what it offers.
            if (TakesFocusFirst(ct) && HasControl(ct.id)) {
                GotoDlgCtrl(ct.id);
                break;
            }
        }
    }
    return true;
}

void Dialog::DestroyWindow() {
    // No notification reaches the program while the widgets go away.
    for (auto& [id, control] : d_->controls)
        if (auto* list = dynamic_cast<ListBox*>(control.get())) list->SetUserSelChangeHandler({});
    d_->systemMenu.reset();
    delete d_->window.data();
    d_->client = nullptr;
    d_->controls.clear();
}

void Dialog::EndDialog(int result) {
    d_->endResult = result;
    if (d_->window) d_->window->done(result);
}

std::optional<int> Dialog::EndResult() const { return d_->endResult; }

QWidget* Dialog::Window() const { return d_->window.data(); }

QWidget* Dialog::GetDlgItem(int id) const {
    auto it = d_->controls.find(id);
    return it == d_->controls.end() ? nullptr : it->second->Widget();
}

Dialog* Dialog::GetOwner() const { return d_->owner; }
Platform& Dialog::GetPlatform() { return d_->platform; }
const res::DialogTemplate& Dialog::Template() const { return d_->dialogTemplate ? *d_->dialogTemplate : kNoTemplate; }

bool Dialog::HasControl(int id) const { return d_->controls.count(id) != 0; }

void Dialog::SetDlgItemText(int id, const std::string& text) { GetControl(id).SetWindowText(text); }
std::string Dialog::GetDlgItemText(int id) const {
    auto it = d_->controls.find(id);
    return it == d_->controls.end() ? std::string() : it->second->GetWindowText();
}

void Dialog::CheckDlgButton(int id, int state) { GetCheckBox(id).SetCheck(state); }

int Dialog::IsDlgButtonChecked(int id) const {
    auto it = d_->controls.find(id);
    auto* box = it == d_->controls.end() ? nullptr : dynamic_cast<CheckBox*>(it->second.get());
    return box ? box->GetCheck() : 0;
}

void Dialog::EnableDlgItem(int id, bool enable) { GetControl(id).EnableWindow(enable); }

Control& Dialog::GetControl(int id) {
    if (auto it = d_->controls.find(id); it != d_->controls.end()) return *it->second;
    return StandIn<Static, QLabel>(*d_, id);
}
Edit& Dialog::GetEdit(int id) { return Find<Edit, QLineEdit>(*d_, id); }
ComboBox& Dialog::GetComboBox(int id) { return Find<ComboBox, QComboBox>(*d_, id); }
ListBox& Dialog::GetListBox(int id) { return Find<ListBox, ListWidget>(*d_, id); }
CheckBox& Dialog::GetCheckBox(int id) { return Find<CheckBox, QCheckBox>(*d_, id); }
Button& Dialog::GetButton(int id) { return Find<Button, QPushButton>(*d_, id); }

void Dialog::GotoDlgCtrl(int id) {
    Control& control = GetControl(id);
    control.SetFocus();
    if (auto* edit = dynamic_cast<Edit*>(&control)) edit->SetSelAll();
}

int Dialog::UpdateData(int saveAndValidate) {
    DataExchange dx(*this, saveAndValidate != 0);
    DoDataExchange(dx);
    return dx.Failed() ? 0 : 1;
}

void Dialog::SendCommand(int id) { d_->Dispatch(id); }

SystemMenu* Dialog::GetSystemMenu() { return d_->systemMenu.get(); }

bool Dialog::IsIconic() const { return d_->window && d_->window->isMinimized(); }

void Dialog::Invalidate() {
    if (d_->window) d_->window->update();
}

void Dialog::SetWindowText(const std::string& title) {
    if (d_->window) d_->window->setWindowTitle(FromCp932(title));
}

void Dialog::SetIcon(int iconId) {
    d_->icon = IconFromResource(iconId);
    if (d_->window) d_->window->setWindowIcon(d_->icon);
}

QSize Dialog::FrameClientPixels(int id) const {
    const auto* frame = dynamic_cast<const FrameControl*>(GetDlgItem(id));
    return frame ? frame->ClientPixels() : QSize();
}

void Dialog::SetFrameImage(int id, const QImage& image) {
    auto* frame = dynamic_cast<FrameControl*>(GetDlgItem(id));
    if (!frame) return;
    frame->SetImage(image);
    // Inside a paint of the window the frame paints next anyway; asking for
    // another paint from there would paint the window without end.
    if (!d_->Painting()) frame->update();
}

int Dialog::OnInitDialog() {
    UpdateData(0);
    return 1;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(1)) EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::OnSysCommand(unsigned id, long) {
    if (!d_->window) return;
    switch (id & 0xFFF0u) {
    case kScMinimize: d_->window->showMinimized(); break;
    case kScRestore: d_->window->showNormal(); break;
    case kScClose: d_->window->close(); break;
    default: break;
    }
}

void Dialog::OnPaint() {}

int Dialog::OnQueryDragIcon() { return 0; }

void Dialog::MapCommand(int id, std::function<void()> handler) { d_->commands[id] = std::move(handler); }
void Dialog::MapSelChange(int listId, std::function<void()> handler) { d_->selChanges[listId] = std::move(handler); }

void Dialog::DrawIconCentred(int iconId) {
    QPainter* painter = d_->clientPainter;
    if (!painter || !d_->client) return;
    const QPixmap pixmap = IconPixmap(iconId, 32);
    const QRect area = d_->client->rect();
    painter->drawPixmap(area.center().x() - pixmap.width() / 2, area.center().y() - pixmap.height() / 2, pixmap);
}

}  // namespace kelvor::fw
