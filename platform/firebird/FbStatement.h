#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>

#include <vector>

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
} // namespace Firebird

namespace fb {

class Transaction;

enum class ColumnType {
    Text,
    FixedText,
    SmallInt,
    Integer,
    BigInt,
    Float,
    Double,
    Date,
    Time,
    Timestamp,
    Blob,
    TextBlob,
    Boolean,
    Other
};

struct Column
{
    QString name;     // alias as the select list gives it
    QString relation; // table, empty for expressions
    ColumnType type = ColumnType::Other;
    unsigned offset = 0;
    unsigned nullOffset = 0;
    unsigned byteLength = 0;
    unsigned charLength = 0; // characters for text columns
    int scale = 0;
    bool nullable = true;
};

// One prepared statement. Parameters are written ":name" and matched without regard to case;
// the same name may appear several times.
class Statement final
{
public:
    Statement(Transaction& transaction, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const QStringList& parameterNames() const { return m_parameterNames; }
    void bind(const QString& name, const QVariant& value);
    void bind(int position, const QVariant& value);

    // Runs a statement that returns no rows (or the single output row of EXECUTE PROCEDURE);
    // returns the number of rows it changed.
    qint64 execute();

    // Runs a SELECT; then next() walks its rows.
    void open();
    bool next();
    void close();

    const std::vector<Column>& columns() const { return m_columns; }
    int columnIndex(const QString& name) const; // -1 when absent; case-insensitive

    // Reading the current row (after next(), or after execute() of a procedure).
    bool isNull(int column) const;
    QVariant value(int column) const;
    // Cheap accessors for bulk loading: no QVariant, no QString.
    QByteArrayView textBytes(int column) const; // UTF-8, fixed text keeps its blanks
    qint64 integer(int column) const;
    qint64 julianDay(int column) const;
    int msecsSinceMidnight(int column) const;
    QByteArray blob(int column) const;

private:
    void prepareInput();
    void writeInput();
    const unsigned char* cell(int column) const { return m_outBuffer.data() + m_columns[column].offset; }

    Transaction& m_transaction;
    Firebird::IStatement* m_statement = nullptr;
    Firebird::IResultSet* m_cursor = nullptr;
    Firebird::IMessageMetadata* m_outMeta = nullptr;
    std::vector<Column> m_columns;
    std::vector<unsigned char> m_outBuffer;
    QStringList m_parameterNames; // one per "?" position
    std::vector<QVariant> m_values;
    std::vector<unsigned char> m_inBuffer;
    Firebird::IMessageMetadata* m_inMeta = nullptr;
    unsigned m_type = 0;
};

// Rewrites ":name" parameters as "?" (outside literals, quoted names and comments) and
// returns the names in order of appearance.
QString positionalSql(const QString& sql, QStringList* names);

} // namespace fb
