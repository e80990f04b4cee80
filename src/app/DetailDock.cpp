#include "app/DetailDock.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DetailView.h"
#include "editing/PointTableModel.h"
#include "model/Workspace.h"

namespace tlv {

DetailDock::DetailDock(Workspace& workspace, QWidget* parent)
    : QDockWidget("Detail", parent), view_(new DetailView(workspace)), table_(new QTableView),
      model_(new PointTableModel(workspace, this)), goTo_(new QSpinBox)
{
    setObjectName("DetailDock");
    table_->setObjectName("PointTable");
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Widths from the widest texts: measuring 16384 rows would take longer than showing them.
    const QFontMetrics metrics = table_->fontMetrics();
    const int indexWidth = metrics.horizontalAdvance("16383") + 20;
    const int voltsWidth = metrics.horizontalAdvance("-0.000000E+00") + 24;
    table_->setColumnWidth(PointTableModel::IndexColumn, indexWidth);
    table_->setMinimumWidth(indexWidth + voltsWidth + table_->verticalScrollBar()->sizeHint().width() + 4);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DetailDock::showSelectedRows);

    goTo_->setObjectName("GoToPoint");
    goTo_->setRange(0, kLastPoint);
    auto* go = new QPushButton("&Go to point");
    connect(go, &QPushButton::clicked, this, [this] { goToPoint(goTo_->value()); });
    connect(goTo_, &QSpinBox::editingFinished, this, [this] { goToPoint(goTo_->value()); });

    auto* goRow = new QHBoxLayout;
    goRow->addWidget(goTo_, 1);
    goRow->addWidget(go);
    auto* side = new QWidget;
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(table_, 1);
    column->addLayout(goRow);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(view_);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setWidget(splitter);
}

void DetailDock::waveformChanged()
{
    model_->refresh();
    view_->waveformChanged();
}

void DetailDock::goToPoint(int index)
{
    const int rows = model_->rowCount();
    if (rows == 0)
        return;
    index = std::clamp(index, 0, rows - 1);
    const QModelIndex cell = model_->index(index, PointTableModel::VoltsColumn);
    table_->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    table_->selectionModel()->select(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->setCurrentIndex(cell);
}

void DetailDock::showSelectedRows()
{
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    auto [low, high] = std::minmax_element(rows.begin(), rows.end(),
                                           [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    // A single row is shown with its neighbours, a few points either side.
    const double half = std::max((high->row() - low->row()) / 2.0, 4.0);
    const double centre = (low->row() + high->row()) / 2.0;
    view_->showPoints(centre - half, centre + half);
}

}  // namespace tlv
