#pragma once

#include "platform/dataset/ClientDataSet.h" // DataSetModel.h needs the complete type
#include "platform/dataset/DataSetModel.h"

#include <QColor>
#include <QTableView>

#include <functional>
#include <optional>

namespace dbw {

class DataSource;

// How one cell is painted; what the hook leaves unset keeps the grid's normal look.
struct CellStyle
{
    std::optional<QColor> background; // also replaces the highlight of a selected row
    std::optional<QColor> foreground;
    bool bold = false;
};

struct CellInfo
{
    int row = 0; // visible row, as in ClientDataSet::value(row, field)
    int column = 0;
    int field = -1; // the column's field index, -1 for none
    bool selected = false;
};

// A grid over a client dataset's visible rows, one whole row selected, no editing in place.
// The dataset's current row and the grid's selection follow each other; while the dataset
// is inserting or editing, the grid does not move off the row being edited.
class DBGrid final : public QTableView
{
    Q_OBJECT

public:
    using CellPainter = std::function<void(const CellInfo& cell, CellStyle& style)>;

    explicit DBGrid(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    ds::ClientDataSet* dataSet() const;
    ds::DataSetModel* dataSetModel() const { return m_model; }
    // Without columns, every field is a column under its own name.
    void setColumns(std::vector<ds::DataSetModel::Column> columns);
    // Called for each cell painted (only rows in view are painted).
    void setCellPainter(CellPainter painter);
    const CellPainter& cellPainter() const { return m_painter; }

private:
    void followDataSet();
    void onViewRowChanged(const QModelIndex& current);
    void connectSelection();
    void sizeColumns();

    ds::DataSetModel* m_model = nullptr;
    CellPainter m_painter;
    bool m_syncing = false;
};

} // namespace dbw
