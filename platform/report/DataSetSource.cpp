#include "platform/report/DataSetSource.h"

#include "platform/dataset/ClientDataSet.h"

namespace report {

int DataSetSource::rowCount() const
{
    return m_dataSet.isActive() ? m_dataSet.recordCount() : 0;
}

int DataSetSource::currentRow() const
{
    return m_dataSet.isActive() && !m_dataSet.isEmpty() ? m_dataSet.recNo() : -1;
}

QString DataSetSource::text(int row, const QString& field) const
{
    const int index = m_dataSet.fieldIndex(field);
    return index < 0 ? QString() : m_dataSet.displayText(row, index);
}

} // namespace report
