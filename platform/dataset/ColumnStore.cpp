#include "platform/dataset/ColumnStore.h"

#include <cstring>

namespace ds {

namespace {
bool isFixed32(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::Boolean || type == FieldType::Date ||
           type == FieldType::Time;
}
} // namespace

void ColumnStore::reset(const std::vector<FieldDef>& fields)
{
    m_columns.clear();
    m_rows = 0;
    for (const FieldDef& field : fields)
        m_columns.push_back(Column{field.type, isFixed32(field.type), {}, {}, {}});
}

int ColumnStore::appendRow()
{
    for (Column& c : m_columns) {
        c.pos.push_back(0);
        c.len.push_back(kNull);
    }
    return m_rows++;
}

void ColumnStore::shrink()
{
    for (Column& c : m_columns) {
        c.pos.shrink_to_fit();
        c.len.shrink_to_fit();
        c.data.shrink_to_fit();
    }
}

QByteArrayView ColumnStore::bytes(int row, int column) const
{
    const Column& c = col(column);
    const auto r = static_cast<size_t>(row);
    if (c.len[r] == kNull)
        return {};
    if (c.fixed)
        return QByteArrayView(reinterpret_cast<const char*>(&c.pos[r]), sizeof(uint32_t));
    return QByteArrayView(c.data.data() + c.pos[r], c.len[r]);
}

int64_t ColumnStore::int64(int row, int column) const
{
    int64_t v = 0;
    const QByteArrayView b = bytes(row, column);
    std::memcpy(&v, b.data(), std::min<size_t>(sizeof v, static_cast<size_t>(b.size())));
    return v;
}

double ColumnStore::real(int row, int column) const
{
    double v = 0;
    const QByteArrayView b = bytes(row, column);
    std::memcpy(&v, b.data(), std::min<size_t>(sizeof v, static_cast<size_t>(b.size())));
    return v;
}

void ColumnStore::setNull(int row, int column)
{
    col(column).len[static_cast<size_t>(row)] = kNull;
}

void ColumnStore::setBytes(int row, int column, QByteArrayView bytes)
{
    Column& c = col(column);
    const auto r = static_cast<size_t>(row);
    if (c.fixed) {
        uint32_t v = 0;
        std::memcpy(&v, bytes.data(), std::min<size_t>(sizeof v, static_cast<size_t>(bytes.size())));
        c.pos[r] = v;
        c.len[r] = sizeof v;
        return;
    }
    c.pos[r] = static_cast<uint32_t>(c.data.size());
    c.len[r] = static_cast<uint32_t>(bytes.size());
    c.data.insert(c.data.end(), bytes.data(), bytes.data() + bytes.size());
}

void ColumnStore::setInt32(int row, int column, int32_t value)
{
    Column& c = col(column);
    c.pos[static_cast<size_t>(row)] = static_cast<uint32_t>(value);
    c.len[static_cast<size_t>(row)] = sizeof value;
}

void ColumnStore::setValue(int row, int column, const QVariant& value)
{
    RowBuilder builder;
    builder.begin(1);
    addCell(builder, value, col(column).type);
    const PackedRow cell = builder.finish();
    if (cell.isNull(0))
        setNull(row, column);
    else
        setBytes(row, column, cell.bytes(0));
}

QVariant ColumnStore::value(int row, int column) const
{
    return cellValueOf(StoredRow(*this, row), column, col(column).type);
}

PackedRow ColumnStore::pack(int row) const
{
    RowBuilder builder;
    builder.begin(columnCount());
    for (int c = 0; c < columnCount(); ++c) {
        if (isNull(row, c))
            builder.addNull();
        else
            builder.addBytes(bytes(row, c));
    }
    return builder.finish();
}

void ColumnStore::assign(int row, const PackedRow& values)
{
    for (int c = 0; c < columnCount(); ++c) {
        if (values.isNull(c))
            setNull(row, c);
        else
            setBytes(row, c, values.bytes(c));
    }
}

} // namespace ds
