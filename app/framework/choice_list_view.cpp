#include "app/framework/choice_list_view.h"

#include <QMouseEvent>

namespace kelvor::fw {

ChoiceListView::ChoiceListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ChoiceListView::watchSelection() {
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { selectionChangedByUser(); });
}

void ChoiceListView::selectionChangedByUser() {
    if (programChanging_) return;
    const int row = selectedRow();
    if (row < 0) return;
    ++choicesSignalled_;
    emit userChose(row);
}

int ChoiceListView::selectedRow() const {
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ChoiceListView::selectRow(int row) {
    const bool was = programChanging_;
    programChanging_ = true;
    const QModelIndex index = model() ? model()->index(row, 0) : QModelIndex();
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        scrollTo(index);
    } else if (selectionModel()) {
        selectionModel()->clear();
    }
    programChanging_ = was;
}

QItemSelectionModel::SelectionFlags ChoiceListView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags flags = QListView::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) return QItemSelectionModel::ClearAndSelect;
    return flags;
}

void ChoiceListView::mousePressEvent(QMouseEvent* event) {
    const int before = choicesSignalled_;
    QListView::mousePressEvent(event);
    // A press on the item already selected changes nothing, yet it is a
    // choice like any other.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (choicesSignalled_ == before && pressed.isValid() && !programChanging_ && pressed.row() == selectedRow()) {
        ++choicesSignalled_;
        emit userChose(pressed.row());
    }
}

}  // namespace kelvor::fw
