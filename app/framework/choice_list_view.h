// A single-selection list for choosing one item: the user can never end up
// with no selection by a click (Ctrl+click, or a click below the last
// item), and every choice the user makes is signalled once, a click on the
// item already selected included, while the program's own changes are not.
#pragma once

#include <QListView>

namespace kelvor::fw {

class ChoiceListView : public QListView {
    Q_OBJECT
public:
    explicit ChoiceListView(QWidget* parent = nullptr);

    // Connects to the model's selection; call after setModel.
    void watchSelection();
    // The selected row, or -1.
    int selectedRow() const;
    // Selects `row` (and shows it) or, for a row that is not there, nothing;
    // never signalled.
    void selectRow(int row);

signals:
    // The user chose `row` with a click or a key.
    void userChose(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectionChangedByUser();

    bool programChanging_ = false;
    int choicesSignalled_ = 0;
};

}  // namespace kelvor::fw
