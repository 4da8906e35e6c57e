#pragma once

#include "platform/dataset/FieldDef.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariant>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace ds {

// One row's values in a single allocation: a table of cell end offsets, then the cells.
// Text is kept as UTF-8, dates as Julian days, times as milliseconds; a null cell is empty
// and flagged. This keeps a loaded table close to the size of its text.
class PackedRow final
{
public:
    PackedRow() = default;
    bool isValid() const { return m_data != nullptr; }
    PackedRow clone() const;

    bool isNull(int cell) const { return (offsets()[cell + 1] & kNullBit) != 0; }
    QByteArrayView bytes(int cell) const
    {
        const uint32_t begin = offsets()[cell] & ~kNullBit;
        const uint32_t end = offsets()[cell + 1] & ~kNullBit;
        return QByteArrayView(m_data.get() + begin, end - begin);
    }
    int32_t int32(int cell) const;
    int64_t int64(int cell) const;
    double real(int cell) const;
    int cellCount() const { return static_cast<int>(offsets()[0] / sizeof(uint32_t)) - 1; }
    size_t byteSize() const { return offsets()[cellCount()] & ~kNullBit; }

private:
    friend class RowBuilder;
    static constexpr uint32_t kNullBit = 0x80000000u;
    struct Free
    {
        void operator()(char* p) const { std::free(p); }
    };
    const uint32_t* offsets() const { return reinterpret_cast<const uint32_t*>(m_data.get()); }
    std::unique_ptr<char, Free> m_data;
};

// Builds packed rows cell by cell; reuse one builder for many rows.
class RowBuilder final
{
public:
    void begin(int cellCount);
    void addNull();
    void addBytes(QByteArrayView bytes);
    void addInt32(int32_t value);
    void addInt64(int64_t value);
    void addReal(double value);
    PackedRow finish();

private:
    std::vector<uint32_t> m_offsets;
    std::vector<char> m_cells;
};

// Conversions between a stored cell and the value a field of the given type exposes; Row is
// a PackedRow or a row of the column store.
template <typename Row> QVariant cellValueOf(const Row& row, int cell, FieldType type)
{
    if (row.isNull(cell))
        return {};
    switch (type) {
    case FieldType::Integer:
        return row.int32(cell);
    case FieldType::Boolean:
        return row.int32(cell) != 0;
    case FieldType::Float:
        return row.real(cell);
    case FieldType::Date:
        return QDate::fromJulianDay(row.int32(cell));
    case FieldType::Time:
        return QTime::fromMSecsSinceStartOfDay(row.int32(cell));
    case FieldType::DateTime:
        return QDateTime::fromMSecsSinceEpoch(row.int64(cell));
    case FieldType::Blob:
        return row.bytes(cell).toByteArray();
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        return QString::fromUtf8(row.bytes(cell));
    }
    return {};
}

void addCell(RowBuilder& builder, const QVariant& value, FieldType type);

} // namespace ds
