#include "platform/dataset/DataSetModel.h"

#include "platform/dataset/ClientDataSet.h"

namespace ds {

DataSetModel::DataSetModel(ClientDataSet* dataSet, QObject* parent)
    : QAbstractTableModel(parent), m_dataSet(dataSet)
{
    connect(dataSet, &ClientDataSet::dataReset, this, [this] {
        beginResetModel();
        resolveColumns();
        endResetModel();
    });
    connect(dataSet, &ClientDataSet::rowUpdated, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    resolveColumns();
}

void DataSetModel::setColumns(std::vector<Column> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    resolveColumns();
    endResetModel();
}

void DataSetModel::resolveColumns()
{
    m_fieldOf.clear();
    if (!m_dataSet)
        return;
    if (m_columns.empty()) {
        for (int f = 0; f < m_dataSet->fieldCount(); ++f)
            m_fieldOf.push_back(f);
        return;
    }
    for (const Column& column : m_columns)
        m_fieldOf.push_back(m_dataSet->fieldIndex(column.field));
}

int DataSetModel::fieldOfColumn(int column) const
{
    return column >= 0 && column < static_cast<int>(m_fieldOf.size()) ? m_fieldOf[static_cast<size_t>(column)]
                                                                      : -1;
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_dataSet || !m_dataSet->isActive())
        return 0;
    // the row being inserted shows too
    return m_dataSet->recordCount() + (m_dataSet->state() == DataSetState::Insert ? 1 : 0);
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fieldOf.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_dataSet)
        return {};
    const int field = fieldOfColumn(index.column());
    if (field < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_dataSet->displayText(index.row(), field);
    case Qt::EditRole:
        return m_dataSet->value(index.row(), field);
    case Qt::TextAlignmentRole:
        if (!m_columns.empty())
            return QVariant::fromValue(m_columns[static_cast<size_t>(index.column())].alignment);
        return {};
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (!m_columns.empty() && section < static_cast<int>(m_columns.size())) {
        const Column& column = m_columns[static_cast<size_t>(section)];
        return column.title.isEmpty() ? column.field : column.title;
    }
    const int field = fieldOfColumn(section);
    return field >= 0 ? m_dataSet->fieldDefs()[static_cast<size_t>(field)].name : QString();
}

} // namespace ds
