#pragma once

#include "platform/report/ReportDataSource.h"

#include <QHash>
#include <QList>
#include <QStringList>

// Rows held in memory, as a test's stand-in for a client dataset.
class MemoryDataSource final : public report::ReportDataSource
{
public:
    MemoryDataSource() = default;
    explicit MemoryDataSource(QList<QHash<QString, QString>> rows, int current = 0);

    int rowCount() const override { return int(m_rows.size()); }
    int currentRow() const override { return m_current; }
    QString text(int row, const QString& field) const override;

    void setCurrentRow(int row) { m_current = row; }
    int reads() const { return m_reads; }

private:
    QList<QHash<QString, QString>> m_rows;
    int m_current = -1;
    mutable int m_reads = 0;
};
