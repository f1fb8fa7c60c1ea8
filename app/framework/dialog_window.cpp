#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "app/framework/dialog_impl.h"

namespace kelvor::fw {

// ---- DialogWindow

DialogWindow::DialogWindow(Dialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {}

void DialogWindow::reject() { CallOnCancel(dialog_); }

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier) {
        // A focused push button is pressed; otherwise the template's default
        // button, when it can be pressed at all. Nothing else runs on Enter.
        QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
        if (!button) {
            const int id = ImplOf(dialog_).defaultButton;
            button = id ? qobject_cast<QPushButton*>(dialog_.GetDlgItem(id)) : nullptr;
        }
        if (button && button->isEnabled() && button->isVisibleTo(this)) button->click();
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        reject();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- ClientArea

ClientArea::ClientArea(Dialog& dialog, QWidget* parent) : QWidget(parent), dialog_(dialog) {}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Dialog::Impl& impl = DialogWindow::ImplOf(dialog_);
    impl.clientPainter = &painter;
    DialogWindow::CallOnPaint(dialog_);
    impl.clientPainter = nullptr;
}

void ClientArea::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* hit = childAt(event->pos());
    while (hit && hit->parentWidget() != this) hit = hit->parentWidget();
    if (hit && !hit->property(kPassiveProperty).toBool()) {
        event->ignore();
        return;
    }
    DialogWindow::ImplOf(dialog_).OpenSystemMenu(event->globalPos());
    event->accept();
}

// ---- FrameControl

QSize FrameControl::ClientPixels() const {
    const QSizeF pixels = QSizeF(contentsRect().size()) * devicePixelRatioF();
    return {qRound(pixels.width()), qRound(pixels.height())};
}

void FrameControl::SetImage(const QImage& image) {
    image_ = image;
    // Its pixels are device pixels: painted at this ratio, none is scaled.
    image_.setDevicePixelRatio(devicePixelRatioF());
}

void FrameControl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), image_);
}

// ---- ListWidget

QItemSelectionModel::SelectionFlags ListWidget::selectionCommand(const QModelIndex& index, const QEvent* event) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) return QItemSelectionModel::ClearAndSelect;
    return flags;
}

}  // namespace kelvor::fw
