#include "app/framework/drawn_controls.h"

#include <QHelpEvent>
#include <QToolTip>

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

#include <algorithm>

namespace kelvor::fw {

int StretchToFit(const QFont& font, const QString& text, int width, int floor) {
    QFont measured = font;
    measured.setStretch(QFont::AnyStretch);
    const int natural = QFontMetrics(measured).horizontalAdvance(text);
    if (natural <= width) return 100;
    if (width <= 0) return floor;
    int stretch = std::clamp(width * 100 / natural, floor, 99);
    for (; stretch > floor; --stretch) {
        measured.setStretch(stretch);
        if (QFontMetrics(measured).horizontalAdvance(text) <= width) break;
    }
    return stretch;
}

// ---- CheckBoxControl

QRect CheckBoxControl::IndicatorRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int wanted = std::max(style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this),
                                style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this));
    const int side = std::max(0, std::min({wanted, width(), height()}));
    return QRect(0, (height() - side) / 2, side, side);
}

void CheckBoxControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton box = option;
    box.rect = IndicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    QRect focus = box.rect;
    if (!option.text.isEmpty()) {
        QStyleOptionButton label = option;
        const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
        label.rect = rect().adjusted(box.rect.right() + 1 + spacing, 0, 0, 0);
        painter.drawControl(QStyle::CE_CheckBoxLabel, label);
        focus = fontMetrics()
                    .boundingRect(label.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, option.text)
                    .adjusted(-1, 0, 1, 0)
                    .intersected(rect());
    }
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.rect = focus;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

bool CheckBoxControl::hitButton(const QPoint& pos) const { return rect().contains(pos); }

// ---- GroupBoxControl

void GroupBoxControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // The top line runs through the middle of the caption's line.
    QRect frame = rect();
    frame.setTop(std::max(0, metrics.height() / 2 - 1));
    qDrawShadeRect(&painter, frame, palette(), true, 1, 0);  // an etched line

    if (title().isEmpty()) return;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const int indent = metrics.averageCharWidth();
    const QRect room(indent, 0, std::max(0, width() - 2 * indent), metrics.height());
    const QRect text = metrics.boundingRect(room, flags, title()).intersected(room);
    // The caption interrupts the line.
    painter.fillRect(text.adjusted(-2, 0, 2, 0), palette().window());
    style()->drawItemText(&painter, text, flags, palette(), isEnabled(), title(), QPalette::WindowText);
}

// ---- NumberEdit

NumberEdit::NumberEdit(QWidget* parent) : ByteEdit(parent), dialogFont_(font()) {
    // A pixel more on each side for the digits; the frame stays whole.
    setTextMargins(-1, 0, -1, 0);
    connect(this, &QLineEdit::textChanged, this, [this] { FitText(); });
}

int NumberEdit::Room() const {
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const QMargins margins = textMargins();
    // What QLineEdit keeps free on each side of its text, and the caret.
    constexpr int kLineEditMargin = 2;
    constexpr int kCaret = 1;
    return width() - 2 * frame - margins.left() - margins.right() - 2 * kLineEditMargin - kCaret;
}

bool NumberEdit::ValueFits() const { return fontMetrics().horizontalAdvance(text()) <= Room(); }

void NumberEdit::resizeEvent(QResizeEvent* event) {
    ByteEdit::resizeEvent(event);
    FitText();
}

void NumberEdit::changeEvent(QEvent* event) {
    ByteEdit::changeEvent(event);
    if (event->type() != QEvent::FontChange || fitting_) return;
    dialogFont_ = font();
    FitText();
}

// The font the dialog gave the box, narrowed a little when that makes the
// value fit; its height never changes.
void NumberEdit::FitText() {
    if (fitting_) return;
    fitting_ = true;
    QFont fitted = dialogFont_;
    const int room = Room();
    const int stretch = StretchToFit(dialogFont_, text(), room, kStretchFloor);
    if (stretch != 100) {
        QFont narrow = dialogFont_;
        narrow.setStretch(stretch);
        // Above the floor the stretch found is one at which the value fits.
        if (stretch > kStretchFloor || QFontMetrics(narrow).horizontalAdvance(text()) <= room) fitted = narrow;
    }
    if (fitted != font()) setFont(fitted);
    fitting_ = false;
}

bool NumberEdit::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || ValueFits()) return ByteEdit::event(event);
    const QString hint = toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                       hint.isEmpty() ? text() : hint + QLatin1Char('\n') + text(), this);
    return true;
}

}  // namespace kelvor::fw
