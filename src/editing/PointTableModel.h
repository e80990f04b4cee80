#pragma once

// The point table: one row a point of the active waveform (its index and its value as the
// waveform holds it), read from the edit buffer on demand, so that 16384 rows cost no more than
// one. Typing a value writes that point as one edit.
#include <QAbstractTableModel>

namespace tlv {

class Workspace;

class PointTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { IndexColumn, VoltsColumn };
    explicit PointTableModel(Workspace& ws, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The waveform changed (an edit, another window activated): the rows are read anew.
    void refresh();

private:
    Workspace& ws_;
    int rows_ = 0;
};

}  // namespace tlv
