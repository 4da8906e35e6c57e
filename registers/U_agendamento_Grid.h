#pragma once

#include "platform/dataset/ClientDataSet.h" // DataSetModel.h needs the complete type
#include "platform/dataset/DataSetModel.h"

#include <QColor>
#include <QTableView>

#include <functional>
#include <optional>
#include <vector>

namespace dbw {
class DataSource;
}

// The agenda's grid: like the registers' grid it follows the dataset's current row, but its
// cells are typed into. Typing into a browsing row puts the dataset into edit state (the
// data source's auto-edit); the value goes into the row when the cell is left.
class AgendaGrid final : public QTableView
{
    Q_OBJECT

public:
    // Background of a cell from its visible row and whether it is selected; none: the default.
    using RowColour = std::function<std::optional<QColor>(int row, bool selected)>;

    AgendaGrid(dbw::DataSource* source, std::vector<ds::DataSetModel::Column> columns,
               QWidget* parent = nullptr);

    ds::ClientDataSet* dataSet() const;
    void setCentredTitles(const QStringList& fields);
    void setRowColour(RowColour colour);
    const RowColour& rowColour() const { return m_rowColour; }
    // Ends the typing of a cell still open: its text goes into the row, or is dropped.
    void closeOpenEditor(bool keepText);
    // Focus on the current row's cell of the column showing field.
    void selectField(const QString& field);

private:
    void followDataSet();
    void onViewRowChanged(const QModelIndex& current);

    dbw::DataSource* m_source;
    ds::DataSetModel* m_fields;
    class AgendaGridModel* m_model;
    RowColour m_rowColour;
    bool m_syncing = false;
};
