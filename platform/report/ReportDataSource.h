#pragma once

#include <QString>

namespace report {

// What a report reads from a dataset: the rows in their current order and visibility, and the
// current row for bands that are not repeated per row. Values come as display texts
// (dates dd/MM/yyyy, times hh:mm, null as empty).
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;
    virtual int rowCount() const = 0;
    virtual int currentRow() const = 0; // -1 when there is no row
    virtual QString text(int row, const QString& field) const = 0;
};

} // namespace report
