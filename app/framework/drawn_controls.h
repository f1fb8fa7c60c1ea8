// Controls that draw themselves to fit the rectangles of the templates:
// the templates were drawn for small dialog units, so a check box may be
// only as tall as a line of text, a number box narrower than its widest
// value, and a group box's caption sits on the frame's top line.
#pragma once

#include <QCheckBox>
#include <QGroupBox>

#include "app/framework/byte_controls.h"

namespace kelvor::fw {

// A check box drawn whole at any height: its box is as large as the style
// wants but never larger than the control, centred vertically, with the
// text beside it. A click anywhere in its rectangle toggles it.
class CheckBoxControl : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QRect IndicatorRect() const;
};

// A group box whose frame's top line runs through the middle of the
// caption's line, inside the control's rectangle, with the caption on the
// line near its left end. It draws nothing else and takes no input.
class GroupBoxControl : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An edit for numbers, right-aligned in the dialog font: a value wider than
// the box is drawn narrower (never lower), as narrow as stays readable, so
// that every value a field's range allows shows whole and none is misread
// by its last digits; a longer one scrolls, and while it does not fit its
// tooltip ends with the whole value.
class NumberEdit : public ByteEdit {
public:
    explicit NumberEdit(QWidget* parent);

    // Whether the whole value shows in the box.
    bool ValueFits() const;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int Room() const;
    void FitText();
    QFont dialogFont_;  // the font the dialog gave the box
    bool fitting_ = false;
};

// The horizontal stretch (percent of the normal width, at least `floor`)
// at which `text` in `font` fits `width` pixels; 100 when it fits as is.
int StretchToFit(const QFont& font, const QString& text, int width, int floor);

// Below this a condensed text gets hard to read; it is cut off instead.
inline constexpr int kStretchFloor = 55;

}  // namespace kelvor::fw
