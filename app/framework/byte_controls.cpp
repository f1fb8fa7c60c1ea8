#include "app/framework/byte_controls.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

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

std::string ByteEdit::bytes() const { return text() == shown_ ? given_ : ToCp932(text()); }

void ByteEdit::markShown() {
    given_ = bytes();
    shown_ = text();
}

std::vector<char32_t> ByteEdit::unstorableCharacters() const {
    return text() == shown_ ? std::vector<char32_t>() : CharactersOutsideCp932(text());
}

ByteList::ByteList(QWidget* parent) : QComboBox(parent) { setMaxVisibleItems(30); }

void ByteList::addBytes(const std::string& text) {
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
}

std::string ByteList::bytesAt(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size())) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ByteList::findBytes(const std::string& text) const {
    const auto it = firstByFolded_.find(table::FoldCase(text));
    return it == firstByFolded_.end() ? -1 : it->second;
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
