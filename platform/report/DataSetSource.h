#pragma once

#include "platform/report/ReportDataSource.h"

namespace ds {
class ClientDataSet;
}

namespace report {

// A report reads a client dataset as it stands: its visible rows in their order and its
// current row; nothing is moved or filtered.
class DataSetSource final : public ReportDataSource
{
public:
    explicit DataSetSource(const ds::ClientDataSet& dataSet) : m_dataSet(dataSet) {}

    int rowCount() const override;
    int currentRow() const override;
    QString text(int row, const QString& field) const override;

private:
    const ds::ClientDataSet& m_dataSet;
};

} // namespace report
