#pragma once

#include <QDockWidget>

class QSpinBox;
class QTableView;

namespace tlv {

class DetailView;
class PointTableModel;
class Workspace;

// The dock under the document windows that holds the detail view of the active waveform and,
// beside it, the point table with Go to point. Selecting rows shows them in the detail view.
class DetailDock : public QDockWidget {
    Q_OBJECT
public:
    explicit DetailDock(Workspace& workspace, QWidget* parent = nullptr);

    DetailView* view() const { return view_; }
    QTableView* table() const { return table_; }
    PointTableModel* model() const { return model_; }
    // The active window or its points changed.
    void waveformChanged();
    // Selects the point's row, scrolls to it and centres the detail view on it.
    void goToPoint(int index);

private:
    void showSelectedRows();

    DetailView* view_;
    QTableView* table_;
    PointTableModel* model_;
    QSpinBox* goTo_;
};

}  // namespace tlv
