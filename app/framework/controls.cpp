#include "app/framework/controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QEvent>
#include <QListWidget>

#include "table/cp932.h"
#include "app/framework/codec.h"

namespace kelvor::fw {

namespace {

constexpr int kBytesRole = Qt::UserRole;      // an item's text as given, cp932
constexpr int kItemDataRole = Qt::UserRole + 1;

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

std::string BytesOf(const QVariant& v) { return v.toByteArray().toStdString(); }

}  // namespace

// ---- Control

Control::Control(int id, QWidget* widget) : id_(id), widget_(widget) {}
Control::~Control() = default;

void Control::EnableWindow(bool enable) { widget_->setEnabled(enable); }
bool Control::IsWindowEnabled() const { return widget_->isEnabled(); }
void Control::ShowWindow(bool show) { widget_->setVisible(show); }
bool Control::IsWindowVisible() const { return widget_->isVisibleTo(widget_->window()); }
void Control::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }
void Control::SetWindowText(const std::string&) {}
std::string Control::GetWindowText() const { return {}; }

// ---- Static

Static::Static(int id, QWidget* widget) : Control(id, widget) {}

void Static::SetWindowText(const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(Widget()))
        label->setText(FromCp932(text));
    else if (auto* group = qobject_cast<QGroupBox*>(Widget()))
        group->setTitle(FromCp932(text));
}

std::string Static::GetWindowText() const {
    if (auto* label = qobject_cast<QLabel*>(Widget())) return ToCp932(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(Widget())) return ToCp932(group->title());
    return {};
}

// ---- Edit

Edit::Edit(int id, QWidget* widget) : Control(id, widget) {}

void Edit::SetWindowText(const std::string& text) {
    given_ = text;
    shown_ = FromCp932(text);
    static_cast<QLineEdit*>(Widget())->setText(shown_);
}

std::string Edit::GetWindowText() const {
    const QString now = static_cast<QLineEdit*>(Widget())->text();
    return now == shown_ ? given_ : ToCp932(now);
}

std::vector<char32_t> Edit::UnstorableCharacters() const {
    const QString now = static_cast<QLineEdit*>(Widget())->text();
    return now == shown_ ? std::vector<char32_t>() : CharactersOutsideCp932(now);
}

void Edit::SetSel(int start, int end) {
    auto* edit = static_cast<QLineEdit*>(Widget());
    const int length = static_cast<int>(edit->text().size());
    if (start < 0) {  // no selection
        edit->deselect();
        return;
    }
    if (end < 0 || end > length) end = length;
    start = std::min(start, length);
    edit->setSelection(start, end - start);
}

void Edit::SetReadOnly(bool readOnly) { static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly); }
bool Edit::IsReadOnly() const { return static_cast<QLineEdit*>(Widget())->isReadOnly(); }

void Edit::SetRightAligned(bool right) {
    static_cast<QLineEdit*>(Widget())->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

// ---- Button, CheckBox

Button::Button(int id, QWidget* widget) : Control(id, widget) {}

void Button::SetWindowText(const std::string& text) { static_cast<QAbstractButton*>(Widget())->setText(FromCp932(text)); }
std::string Button::GetWindowText() const { return ToCp932(static_cast<QAbstractButton*>(Widget())->text()); }
void Button::Click() { static_cast<QAbstractButton*>(Widget())->click(); }

CheckBox::CheckBox(int id, QWidget* widget) : Button(id, widget) {}
void CheckBox::SetCheck(int state) { static_cast<QAbstractButton*>(Widget())->setChecked(state != 0); }
int CheckBox::GetCheck() const { return static_cast<QAbstractButton*>(Widget())->isChecked() ? 1 : 0; }

// ---- ComboBox

ComboBox::ComboBox(int id, QWidget* widget) : Control(id, widget) {}

int ComboBox::AddString(const std::string& text) {
    auto* box = static_cast<QComboBox*>(Widget());
    const int selected = box->currentIndex();
    box->addItem(FromCp932(text), Bytes(text));
    items_.push_back(text);
    firstByFolded_.emplace(table::FoldCase(text), static_cast<int>(items_.size()) - 1);
    // Qt selects the first item added to an empty box; the program selects.
    if (box->currentIndex() != selected) box->setCurrentIndex(selected);
    return box->count() - 1;
}

void ComboBox::ResetContent() {
    static_cast<QComboBox*>(Widget())->clear();
    items_.clear();
    firstByFolded_.clear();
}
int ComboBox::GetCount() const { return static_cast<QComboBox*>(Widget())->count(); }

std::string ComboBox::GetLBText(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ComboBox::SetCurSel(int index) {
    auto* box = static_cast<QComboBox*>(Widget());
    if (index < 0 || index >= box->count()) {
        box->setCurrentIndex(-1);
        return kErr;
    }
    box->setCurrentIndex(index);
    return index;
}

int ComboBox::GetCurSel() const { return static_cast<QComboBox*>(Widget())->currentIndex(); }

int ComboBox::FindStringExact(int indexStart, const std::string& text) const {
    const int count = GetCount();
    if (count == 0) return kErr;
    const int first = indexStart < 0 || indexStart >= count ? 0 : indexStart + 1;
    if (first == 0) {
        const auto it = firstByFolded_.find(table::FoldCase(text));
        return it == firstByFolded_.end() ? kErr : it->second;
    }
    for (int k = 0; k < count; ++k) {
        const int i = (first + k) % count;
        if (table::EqualsIgnoreCase(items_[static_cast<std::size_t>(i)], text)) return i;
    }
    return kErr;
}

std::string ComboBox::GetWindowText() const { return GetLBText(GetCurSel()); }
void ComboBox::SetWindowText(const std::string&) {}

// ---- ListBox

struct ListBox::Guard {
    explicit Guard(ListBox& list) : list_(list), was_(list.programChanging_) { list.programChanging_ = true; }
    ~Guard() { list_.programChanging_ = was_; }
    ListBox& list_;
    bool was_;
};

namespace {
QListWidget* ListOf(QWidget* w) { return static_cast<QListWidget*>(w); }
}  // namespace

// Marks the start of each mouse press on the list, so that a click on the
// item that is already selected still notifies once, as every user click
// does, while a click that changes the selection notifies only once.
class ListBox::PressWatcher : public QObject {
public:
    PressWatcher(ListBox& list, QObject* parent) : QObject(parent), list_(list) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) list_.notifiedDuringPress_ = false;
        return QObject::eventFilter(watched, event);
    }

private:
    ListBox& list_;
};

ListBox::ListBox(int id, QWidget* widget) : Control(id, widget) {
    QListWidget* list = ListOf(widget);
    list->viewport()->installEventFilter(new PressWatcher(*this, widget));
    QObject::connect(list, &QListWidget::itemSelectionChanged, widget, [this] {
        if (programChanging_) return;
        notifiedDuringPress_ = true;
        UserChanged();
    });
    // Emitted at the end of a press on an item, after any selection change.
    QObject::connect(list, &QAbstractItemView::pressed, widget, [this](const QModelIndex&) {
        if (!programChanging_ && !notifiedDuringPress_) UserChanged();
        notifiedDuringPress_ = true;
    });
}

void ListBox::UserChanged() {
    if (onUserSelChange_) onUserSelChange_();
}

void ListBox::SetUserSelChangeHandler(std::function<void()> handler) { onUserSelChange_ = std::move(handler); }

int ListBox::AddString(const std::string& text) { return InsertString(-1, text); }

int ListBox::InsertString(int index, const std::string& text) {
    QListWidget* list = ListOf(Widget());
    if (index < -1 || index > list->count()) return kErr;
    if (index == -1) index = list->count();
    Guard guard(*this);
    auto* item = new QListWidgetItem(FromCp932(text));
    item->setData(kBytesRole, Bytes(text));
    item->setData(kItemDataRole, 0u);
    list->insertItem(index, item);
    return index;
}

int ListBox::DeleteString(int index) {
    QListWidget* list = ListOf(Widget());
    if (index < 0 || index >= list->count()) return kErr;
    Guard guard(*this);
    delete list->takeItem(index);
    return list->count();
}

void ListBox::ResetContent() {
    Guard guard(*this);
    ListOf(Widget())->clear();
}

int ListBox::GetCount() const { return ListOf(Widget())->count(); }

std::string ListBox::GetText(int index) const {
    QListWidgetItem* item = ListOf(Widget())->item(index);
    return item ? BytesOf(item->data(kBytesRole)) : std::string();
}

int ListBox::SetItemData(int index, std::uint32_t data) {
    QListWidgetItem* item = ListOf(Widget())->item(index);
    if (!item) return kErr;
    item->setData(kItemDataRole, data);
    return 0;
}

std::int64_t ListBox::GetItemData(int index) const {
    QListWidgetItem* item = ListOf(Widget())->item(index);
    return item ? static_cast<std::int64_t>(item->data(kItemDataRole).toUInt()) : kErr;
}

int ListBox::GetCurSel() const {
    const QList<QListWidgetItem*> selected = ListOf(Widget())->selectedItems();
    return selected.isEmpty() ? kErr : ListOf(Widget())->row(selected.first());
}

int ListBox::SetCurSel(int index) {
    QListWidget* list = ListOf(Widget());
    Guard guard(*this);
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return kErr;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(index));
    return index;
}

}  // namespace kelvor::fw
