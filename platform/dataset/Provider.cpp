#include "platform/dataset/Provider.h"

#include "platform/dataset/DataError.h"
#include "platform/dataset/SqlConnection.h"
#include "platform/dataset/SqlQuery.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QStringList>

namespace ds {

namespace {

FieldDef fieldFromColumn(const fb::Column& column)
{
    FieldDef field;
    field.name = column.name;
    switch (column.type) {
    case fb::ColumnType::Text:
        field.type = FieldType::String;
        field.size = static_cast<int>(column.charLength);
        break;
    case fb::ColumnType::FixedText:
        field.type = FieldType::FixedString;
        field.size = static_cast<int>(column.charLength);
        break;
    case fb::ColumnType::SmallInt:
    case fb::ColumnType::Integer:
    case fb::ColumnType::BigInt:
        field.type = FieldType::Integer;
        break;
    case fb::ColumnType::Float:
    case fb::ColumnType::Double:
        field.type = FieldType::Float;
        break;
    case fb::ColumnType::Date:
        field.type = FieldType::Date;
        break;
    case fb::ColumnType::Time:
        field.type = FieldType::Time;
        break;
    case fb::ColumnType::Timestamp:
        field.type = FieldType::DateTime;
        break;
    case fb::ColumnType::Blob:
        field.type = FieldType::Blob;
        break;
    case fb::ColumnType::TextBlob:
        field.type = FieldType::Memo;
        break;
    case fb::ColumnType::Boolean:
        field.type = FieldType::Boolean;
        break;
    case fb::ColumnType::Other:
        field.type = FieldType::String;
        break;
    }
    return field;
}

void storeCell(ColumnStore& store, int row, int cell, const fb::Statement& st, int column, FieldType type)
{
    if (st.isNull(column))
        return; // a new row's cells start null
    const fb::ColumnType source = st.columns()[static_cast<size_t>(column)].type;
    switch (type) {
    case FieldType::String:
    case FieldType::FixedString:
        if (source == fb::ColumnType::Text || source == fb::ColumnType::FixedText) {
            store.setBytes(row, cell, st.textBytes(column));
            return;
        }
        break;
    case FieldType::Integer:
        if (source == fb::ColumnType::Integer || source == fb::ColumnType::SmallInt ||
            source == fb::ColumnType::BigInt) {
            store.setInt32(row, cell, static_cast<int32_t>(st.integer(column)));
            return;
        }
        break;
    case FieldType::Date:
        if (source == fb::ColumnType::Date || source == fb::ColumnType::Timestamp) {
            store.setInt32(row, cell, static_cast<int32_t>(st.julianDay(column)));
            return;
        }
        break;
    case FieldType::Time:
        if (source == fb::ColumnType::Time) {
            store.setInt32(row, cell, st.msecsSinceMidnight(column));
            return;
        }
        break;
    case FieldType::Blob:
    case FieldType::Memo:
        if (source == fb::ColumnType::Blob || source == fb::ColumnType::TextBlob) {
            store.setBytes(row, cell, st.blob(column));
            return;
        }
        break;
    default:
        break;
    }
    store.setValue(row, cell, st.value(column));
}

bool sameCell(const PackedRow& a, const PackedRow& b, int cell)
{
    if (a.isNull(cell) != b.isNull(cell))
        return false;
    return a.isNull(cell) || a.bytes(cell) == b.bytes(cell);
}

} // namespace

Provider::Provider(SqlQuery* query, bool quoteIdentifiers, QObject* parent)
    : QObject(parent), m_query(query), m_quote(quoteIdentifiers)
{
}

QString Provider::identifier(const QString& name) const
{
    return m_quote ? QLatin1Char('"') + name + QLatin1Char('"') : name;
}

void Provider::fetch(std::vector<FieldDef>& fields, ColumnStore& store)
{
    std::vector<int> columnOf;
    auto onColumns = [&](const fb::Statement& st) {
        if (fields.empty()) {
            for (const fb::Column& column : st.columns())
                fields.push_back(fieldFromColumn(column));
        }
        columnOf.clear();
        for (const FieldDef& field : fields) {
            const int column = st.columnIndex(field.name);
            if (column < 0)
                throw DataError(QStringLiteral("Field '%1' not found").arg(field.name));
            columnOf.push_back(column);
        }
        if (!st.columns().empty())
            m_table = st.columns()[static_cast<size_t>(columnOf.empty() ? 0 : columnOf[0])].relation;
        store.reset(fields);
    };
    auto onRow = [&](const fb::Statement& st) {
        const int row = store.appendRow();
        for (size_t i = 0; i < fields.size(); ++i)
            storeCell(store, row, static_cast<int>(i), st, columnOf[i], fields[i].type);
    };
    m_query->fetch(onColumns, onRow);
    store.shrink();
}

ApplyResult Provider::apply(const std::vector<FieldDef>& fields, const std::vector<RowChange>& changes)
{
    ApplyResult result;
    if (changes.empty())
        return result;
    if (m_table.isEmpty()) {
        result.errorCount = 1;
        result.failure = ApplyResult::Failure::DatabaseError;
        result.message = QStringLiteral("Unable to find the table to update");
        return result;
    }
    const int count = static_cast<int>(fields.size());
    try {
        fb::Transaction transaction = m_query->connection()->connection().startTransaction();
        for (const RowChange& change : changes) {
            QStringList parts;
            std::vector<QVariant> values;
            auto appendWhere = [&](const PackedRow& original) {
                QStringList conditions;
                for (int i = 0; i < count; ++i) {
                    const FieldDef& field = fields[static_cast<size_t>(i)];
                    if (isBlobType(field.type))
                        continue;
                    if (original.isNull(i)) {
                        conditions.append(identifier(field.name) + QStringLiteral(" IS NULL"));
                    } else {
                        conditions.append(identifier(field.name) + QStringLiteral(" = ?"));
                        values.push_back(cellValueOf(original, i, field.type));
                    }
                }
                return conditions.join(QStringLiteral(" AND "));
            };
            QString sql;
            if (change.kind == RowChange::Kind::Insert) {
                QStringList columns;
                QStringList marks;
                for (int i = 0; i < count; ++i) {
                    if (change.current->isNull(i))
                        continue;
                    const FieldDef& field = fields[static_cast<size_t>(i)];
                    columns.append(identifier(field.name));
                    marks.append(QStringLiteral("?"));
                    values.push_back(cellValueOf(*change.current, i, field.type));
                }
                sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(identifier(m_table), columns.join(QStringLiteral(", ")),
                               marks.join(QStringLiteral(", ")));
            } else if (change.kind == RowChange::Kind::Modify) {
                QStringList sets;
                for (int i = 0; i < count; ++i) {
                    if (sameCell(*change.current, *change.original, i))
                        continue;
                    const FieldDef& field = fields[static_cast<size_t>(i)];
                    sets.append(identifier(field.name) + QStringLiteral(" = ?"));
                    values.push_back(cellValueOf(*change.current, i, field.type));
                }
                if (sets.isEmpty())
                    continue; // posted without a change
                sql = QStringLiteral("UPDATE %1 SET %2 WHERE ")
                          .arg(identifier(m_table), sets.join(QStringLiteral(", ")));
                sql += appendWhere(*change.original);
            } else {
                sql = QStringLiteral("DELETE FROM %1 WHERE ").arg(identifier(m_table));
                sql += appendWhere(*change.original);
            }
            fb::Statement statement(transaction, sql);
            for (size_t i = 0; i < values.size(); ++i)
                statement.bind(static_cast<int>(i), values[i]);
            const qint64 affected = statement.execute();
            if (affected == 0) {
                transaction.rollback();
                result.errorCount = 1;
                result.failure = ApplyResult::Failure::Conflict;
                result.message = QStringLiteral("Record not found or changed by another user");
                return result;
            }
        }
        transaction.commit();
    } catch (const fb::Error& error) {
        result.errorCount = 1;
        result.failure =
            error.isConflict() ? ApplyResult::Failure::Conflict : ApplyResult::Failure::DatabaseError;
        result.message = error.message();
    }
    return result;
}

} // namespace ds
