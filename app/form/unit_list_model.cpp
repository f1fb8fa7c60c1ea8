#include "app/form/unit_list_model.h"

#include <QCoreApplication>

#include "app/framework/codec.h"
#include "table/unit_index.h"

namespace kelvor::form {

UnitListModel::UnitListModel(const table::UnitIndex& units, QObject* parent)
    : QAbstractListModel(parent), units_(units) {}

int UnitListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : units_.Count(); }

QVariant UnitListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= units_.Count()) return {};
    switch (role) {
    case Qt::DisplayRole: return fw::FromCp932(units_.Name(index.row()));
    case kLineNumberRole: return units_.LineNumber(index.row());
    // Two units of one name told apart: the unit number as the form's box
    // shows it, and the line of the table.
    case Qt::ToolTipRole: {
        const int line = units_.LineNumber(index.row());
        return QCoreApplication::translate("UnitListModel", "%1\nユニット %2 (行 %3)").arg(fw::FromCp932(units_.Name(index.row()))).arg(line - 2).arg(line);
    }
    default: return {};
    }
}

void UnitListModel::RowRenamed(int row) {
    const QModelIndex changed = index(row, 0);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

}  // namespace kelvor::form
