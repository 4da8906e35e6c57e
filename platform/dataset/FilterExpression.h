#pragma once

#include "platform/dataset/ColumnStore.h"
#include "platform/dataset/FieldDef.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace ds {

// A parsed filter text: comparisons of a field with a quoted literal ("=", ">=", "<=",
// "like"), joined by "and". Parsing happens once; matching runs on packed rows.
class FilterExpression final
{
public:
    FilterExpression() = default; // matches every row
    // Throws DataError with a message that names what could not be read.
    static FilterExpression parse(const QString& text, const std::vector<FieldDef>& fields);

    bool isEmpty() const { return m_terms.empty(); }
    bool matches(const StoredRow& row, bool caseInsensitive) const;

private:
    enum class Op { Equal, GreaterOrEqual, LessOrEqual, Like };
    struct Term
    {
        int field = -1;
        FieldType type = FieldType::String;
        Op op = Op::Equal;
        QByteArray text;         // literal as UTF-8 for text fields
        bool prefixOnly = false; // "like 'abc%'": the search boxes' pattern, matched without backtracking
        double number = 0;
        qint64 whole = 0; // Julian day, milliseconds or integer
    };
    bool matchTerm(const Term& term, const StoredRow& row, bool caseInsensitive) const;

    std::vector<Term> m_terms;
};

} // namespace ds
