#include "MemoryDataSource.h"

MemoryDataSource::MemoryDataSource(QList<QHash<QString, QString>> rows, int current)
    : m_rows(std::move(rows)), m_current(m_rows.isEmpty() ? -1 : current)
{
}

QString MemoryDataSource::text(int row, const QString& field) const
{
    ++m_reads;
    return m_rows.value(row).value(field);
}
