#pragma once

#include "platform/dataset/ClientDataSet.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include <vector>

namespace ds {

// Grids show a client dataset's visible rows through this model; it reads cells on demand.
class DataSetModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString field;
        QString title;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    explicit DataSetModel(ClientDataSet* dataSet, QObject* parent = nullptr);

    // Without columns, every field shows under its own name.
    void setColumns(std::vector<Column> columns);
    ClientDataSet* dataSet() const { return m_dataSet; }
    int fieldOfColumn(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void resolveColumns();

    QPointer<ClientDataSet> m_dataSet;
    std::vector<Column> m_columns;
    std::vector<int> m_fieldOf;
};

} // namespace ds
