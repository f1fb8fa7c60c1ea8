// The unit list's model: one row per unit of the document's unit index, in
// file order. A row's text is the unit's name, converted from code page 932
// only when a view asks for it; its line number is the row's item data.
#pragma once

#include <QAbstractListModel>

namespace kelvor::table {
class UnitIndex;
}

namespace kelvor::form {

class UnitListModel : public QAbstractListModel {
public:
    static constexpr int kLineNumberRole = Qt::UserRole;

    UnitListModel(const table::UnitIndex& units, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Around a rebuild of the index: every row is new.
    void BeginRebuild() { beginResetModel(); }
    void EndRebuild() { endResetModel(); }
    // Row `row` of the index was renamed.
    void RowRenamed(int row);

private:
    const table::UnitIndex& units_;
};

}  // namespace kelvor::form
