#pragma once

#include "platform/dataset/ApplyResult.h"
#include "platform/dataset/ColumnStore.h"
#include "platform/dataset/FieldDef.h"
#include "platform/dataset/PackedRow.h"

#include <QObject>
#include <QString>

#include <vector>

namespace ds {

class SqlQuery;

// One pending change, in the order it was made.
struct RowChange
{
    enum class Kind { Insert, Modify, Delete };
    Kind kind;
    const PackedRow* current;  // Insert, Modify
    const PackedRow* original; // Modify, Delete: the values as read from the database
};

// Packs the rows of its SQL dataset for a client dataset and turns changes back into SQL.
class Provider final : public QObject
{
    Q_OBJECT

public:
    Provider(SqlQuery* query, bool quoteIdentifiers, QObject* parent = nullptr);

    SqlQuery* query() const { return m_query; }
    bool quotesIdentifiers() const { return m_quote; }

    // Loads every row into store, in the order of fields; a field missing from the result
    // throws "Field 'X' not found". With no fields given, they are taken from the result.
    void fetch(std::vector<FieldDef>& fields, ColumnStore& store);

    // One transaction; the first failed change rolls back everything.
    ApplyResult apply(const std::vector<FieldDef>& fields, const std::vector<RowChange>& changes);

    QString tableName() const { return m_table; }

private:
    QString identifier(const QString& name) const;

    SqlQuery* m_query;
    bool m_quote;
    QString m_table;
};

} // namespace ds
