#include "app/framework/byte_controls.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include "app/framework/codec.h"
#include "app/framework/drawn_controls.h"
#include "table/cp932.h"

namespace kelvor::fw {

ByteEdit::ByteEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(1 << 24);  // far beyond any field: no text given is ever cut
}

void ByteEdit::setBytes(const std::string& text) {
    given_ = text;
    shown_ = FromCp932(text);
    setText(shown_);
}

namespace {

// The characters of code page 932 bytes, each with its bytes: a lead byte
// takes the byte after it.
std::vector<std::string_view> Characters(std::string_view bytes) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const std::size_t n = lead && i + 1 < bytes.size() ? 2 : 1;
        out.push_back(bytes.substr(i, n));
        i += n;
    }
    return out;
}

}  // namespace

ByteEdit::Edited ByteEdit::Split() const {
    const QString now = text();
    const std::vector<std::string_view> chars = Characters(given_);
    std::vector<QString> shown;
    QString whole;
    for (std::string_view c : chars) whole += shown.emplace_back(FromCp932(c));
    if (whole != shown_) return {{}, now, {}};  // the pieces do not add up: encode it all
    std::size_t front = 0, back = 0;
    qsizetype head = 0, tail = 0;
    while (front < chars.size() && now.mid(head).startsWith(shown[front])) head += shown[front++].size();
    while (back < chars.size() - front && now.size() - head - tail >= shown[chars.size() - 1 - back].size() &&
           now.left(now.size() - tail).endsWith(shown[chars.size() - 1 - back]))
        tail += shown[chars.size() - 1 - back++].size();
    Edited out;
    for (std::size_t i = 0; i < front; ++i) out.before += chars[i];
    for (std::size_t i = chars.size() - back; i < chars.size(); ++i) out.after += chars[i];
    out.typed = now.mid(head, now.size() - head - tail);
    return out;
}

std::string ByteEdit::bytes() const {
    if (text() == shown_) return given_;
    const Edited edited = Split();
    return edited.before + ToCp932(edited.typed) + edited.after;
}

void ByteEdit::markShown() {
    given_ = bytes();
    shown_ = text();
}

std::vector<char32_t> ByteEdit::unstorableCharacters() const {
    return text() == shown_ ? std::vector<char32_t>() : CharactersOutsideCp932(Split().typed);
}

ByteList::ByteList(QWidget* parent) : QComboBox(parent) { setMaxVisibleItems(30); }

void ByteList::addBytes(const std::string& text) {
    clearOther();
    const int selected = currentIndex();
    addItem(FromCp932(text));
    items_.push_back(text);
    firstByFolded_.emplace(table::FoldCase(text), static_cast<int>(items_.size()) - 1);
    // Qt selects the first item added to an empty list; the program selects.
    if (currentIndex() != selected) setCurrentIndex(selected);
}

void ByteList::clearItems() {
    clear();
    items_.clear();
    firstByFolded_.clear();
    other_ = false;
}

void ByteList::showOther(const std::string& text, const QString& label) {
    clearOther();
    addItem(label);
    items_.push_back(text);
    other_ = true;
    setCurrentIndex(count() - 1);
}

void ByteList::clearOther() {
    if (!other_) return;
    if (currentIndex() == count() - 1) setCurrentIndex(-1);
    removeItem(count() - 1);
    items_.pop_back();
    other_ = false;
}

std::optional<std::string> ByteList::other() const {
    return other_ ? std::optional<std::string>(items_.back()) : std::nullopt;
}

void ByteList::relabelOther(const QString& label) {
    if (other_) setItemText(count() - 1, label);
}

std::string ByteList::bytesAt(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ByteList::findBytes(const std::string& text) const {
    const auto it = firstByFolded_.find(table::FoldCase(text));
    return it == firstByFolded_.end() ? -1 : it->second;
}

void ByteList::wheelEvent(QWheelEvent* event) {
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

void ByteList::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The label is drawn a pixel in from each side of the field.
    const int stretch = StretchToFit(font(), option.currentText, field.width() - 2, kStretchFloor);
    if (stretch != 100) {
        QFont condensed = font();
        condensed.setStretch(stretch);
        painter.setFont(condensed);
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace kelvor::fw
