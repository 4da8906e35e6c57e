#pragma once

#include "platform/dataset/FieldDef.h"
#include "platform/dataset/PackedRow.h"

#include <QByteArrayView>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace ds {

// The rows of a client dataset kept column by column: each column's text in one buffer,
// and integers, dates and times as plain numbers. A filter or sort on one field reads only
// that field's memory. A changed value is appended; its old bytes stay until the rows are
// reloaded.
class ColumnStore final
{
public:
    void reset(const std::vector<FieldDef>& fields);
    int rowCount() const { return m_rows; }
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    int appendRow(); // every cell null
    void shrink();   // once loading is done

    bool isNull(int row, int column) const { return col(column).len[static_cast<size_t>(row)] == kNull; }
    QByteArrayView bytes(int row, int column) const;
    int32_t int32(int row, int column) const
    {
        return static_cast<int32_t>(col(column).pos[static_cast<size_t>(row)]);
    }
    int64_t int64(int row, int column) const;
    double real(int row, int column) const;

    void setNull(int row, int column);
    void setBytes(int row, int column, QByteArrayView bytes);
    void setInt32(int row, int column, int32_t value);
    void setValue(int row, int column, const QVariant& value); // converted to the column's type
    QVariant value(int row, int column) const;

    PackedRow pack(int row) const;                 // a copy of the row's values
    void assign(int row, const PackedRow& values); // the reverse

private:
    static constexpr uint32_t kNull = 0xFFFFFFFFu;
    struct Column
    {
        FieldType type;
        bool fixed; // 32-bit value kept in pos
        std::vector<uint32_t> pos;
        std::vector<uint32_t> len;
        std::vector<char> data;
    };
    const Column& col(int column) const { return m_columns[static_cast<size_t>(column)]; }
    Column& col(int column) { return m_columns[static_cast<size_t>(column)]; }

    std::vector<Column> m_columns;
    int m_rows = 0;
};

// One stored row, read like a packed row.
class StoredRow final
{
public:
    StoredRow(const ColumnStore& store, int row) : m_store(&store), m_row(row) {}
    bool isNull(int cell) const { return m_store->isNull(m_row, cell); }
    QByteArrayView bytes(int cell) const { return m_store->bytes(m_row, cell); }
    int32_t int32(int cell) const { return m_store->int32(m_row, cell); }
    int64_t int64(int cell) const { return m_store->int64(m_row, cell); }
    double real(int cell) const { return m_store->real(m_row, cell); }

private:
    const ColumnStore* m_store;
    int m_row;
};

} // namespace ds
