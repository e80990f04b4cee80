#include "editing/PointTableModel.h"

#include "editing/PointEdits.h"
#include "model/Workspace.h"

namespace tlv {

PointTableModel::PointTableModel(Workspace& ws, QObject* parent) : QAbstractTableModel(parent), ws_(ws)
{
    refresh();
}

int PointTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int PointTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    if (index.column() == IndexColumn)
        return index.row();
    return QString::fromStdString(ws_.edit.WaveText[index.row()]);
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == IndexColumn ? QStringLiteral("Point") : QStringLiteral("Volts");
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == VoltsColumn ? flags | Qt::ItemIsEditable : flags;
}

bool PointTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != VoltsColumn || role != Qt::EditRole)
        return false;
    // The edit's own replot refreshes the table through the views.
    return SetPointText(ws_, index.row(), value.toString());
}

void PointTableModel::refresh()
{
    const int rows = ws_.activeWindow() ? static_cast<int>(ws_.edit.PointCount) : 0;
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows_ > 0) {
        emit dataChanged(index(0, VoltsColumn), index(rows_ - 1, VoltsColumn));
    }
}

}  // namespace tlv
