#include "platform/dataset/PackedRow.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstring>

namespace ds {

PackedRow PackedRow::clone() const
{
    PackedRow copy;
    if (!m_data)
        return copy;
    const size_t size = byteSize();
    copy.m_data.reset(static_cast<char*>(std::malloc(size)));
    std::memcpy(copy.m_data.get(), m_data.get(), size);
    return copy;
}

int32_t PackedRow::int32(int cell) const
{
    int32_t v = 0;
    std::memcpy(&v, bytes(cell).data(), sizeof v);
    return v;
}

int64_t PackedRow::int64(int cell) const
{
    int64_t v = 0;
    std::memcpy(&v, bytes(cell).data(), sizeof v);
    return v;
}

double PackedRow::real(int cell) const
{
    double v = 0;
    std::memcpy(&v, bytes(cell).data(), sizeof v);
    return v;
}

void RowBuilder::begin(int cellCount)
{
    m_offsets.clear();
    m_cells.clear();
    m_offsets.reserve(static_cast<size_t>(cellCount) + 1);
}

void RowBuilder::addNull()
{
    m_offsets.push_back(static_cast<uint32_t>(m_cells.size()) | PackedRow::kNullBit);
}

void RowBuilder::addBytes(QByteArrayView bytes)
{
    m_cells.insert(m_cells.end(), bytes.data(), bytes.data() + bytes.size());
    m_offsets.push_back(static_cast<uint32_t>(m_cells.size()));
}

void RowBuilder::addInt32(int32_t value)
{
    addBytes(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof value));
}

void RowBuilder::addInt64(int64_t value)
{
    addBytes(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof value));
}

void RowBuilder::addReal(double value)
{
    addBytes(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof value));
}

PackedRow RowBuilder::finish()
{
    // Offsets are stored as cell ends; the leading entry is where the cells begin.
    const size_t header = (m_offsets.size() + 1) * sizeof(uint32_t);
    const size_t size = header + m_cells.size();
    PackedRow row;
    row.m_data.reset(static_cast<char*>(std::malloc(size)));
    auto* offsets = reinterpret_cast<uint32_t*>(row.m_data.get());
    offsets[0] = static_cast<uint32_t>(header);
    for (size_t i = 0; i < m_offsets.size(); ++i)
        offsets[i + 1] = ((m_offsets[i] & ~PackedRow::kNullBit) + static_cast<uint32_t>(header)) |
                         (m_offsets[i] & PackedRow::kNullBit);
    if (!m_cells.empty())
        std::memcpy(row.m_data.get() + header, m_cells.data(), m_cells.size());
    return row;
}

void addCell(RowBuilder& builder, const QVariant& value, FieldType type)
{
    if (value.isNull()) {
        builder.addNull();
        return;
    }
    switch (type) {
    case FieldType::Integer:
    case FieldType::Boolean:
        builder.addInt32(value.toInt());
        break;
    case FieldType::Float:
        builder.addReal(value.toDouble());
        break;
    case FieldType::Date:
        builder.addInt32(static_cast<int32_t>(value.toDate().toJulianDay()));
        break;
    case FieldType::Time:
        builder.addInt32(value.toTime().msecsSinceStartOfDay());
        break;
    case FieldType::DateTime:
        builder.addInt64(value.toDateTime().toMSecsSinceEpoch());
        break;
    case FieldType::Blob:
        builder.addBytes(value.toByteArray());
        break;
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        builder.addBytes(value.toString().toUtf8());
        break;
    }
}

} // namespace ds
