#include "platform/dataset/FilterExpression.h"

#include "platform/dataset/Conversions.h"
#include "platform/dataset/DataError.h"
#include "platform/dataset/TextCollation.h"

namespace ds {

namespace {

class Lexer
{
public:
    explicit Lexer(const QString& text) : m_text(text) {}

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }
    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_text.size();
    }
    QString word()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() &&
               (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == QLatin1Char('_')))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    QString symbol()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && QStringLiteral("=<>").contains(m_text[m_pos]))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }
    bool peekLetter()
    {
        skipBlanks();
        return m_pos < m_text.size() && m_text[m_pos].isLetter();
    }
    // A quoted literal; a doubled quote stands for one quote.
    QString literal()
    {
        skipBlanks();
        if (m_pos >= m_text.size() || m_text[m_pos] != QLatin1Char('\''))
            fail(QStringLiteral("a quoted value was expected"));
        QString value;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            if (m_text[m_pos] == QLatin1Char('\'')) {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == QLatin1Char('\'')) {
                    value += QLatin1Char('\'');
                    ++m_pos;
                    continue;
                }
                ++m_pos;
                return value;
            }
            value += m_text[m_pos];
        }
        fail(QStringLiteral("a quoted value is not closed"));
    }
    [[noreturn]] void fail(const QString& what) const
    {
        throw DataError(
            QStringLiteral("Invalid filter \"%1\": %2 at position %3").arg(m_text, what).arg(m_pos + 1));
    }

private:
    const QString& m_text;
    qsizetype m_pos = 0;
};

int fieldIndex(const std::vector<FieldDef>& fields, const QString& name)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

template <typename T> bool compare(T a, T b, int op)
{
    switch (op) {
    case 0:
        return a == b;
    case 1:
        return a >= b;
    default:
        return a <= b;
    }
}

} // namespace

FilterExpression FilterExpression::parse(const QString& text, const std::vector<FieldDef>& fields)
{
    FilterExpression expression;
    Lexer lex(text);
    if (lex.atEnd())
        return expression;
    for (;;) {
        Term term;
        const QString name = lex.word();
        if (name.isEmpty())
            lex.fail(QStringLiteral("a field name was expected"));
        term.field = fieldIndex(fields, name);
        if (term.field < 0)
            throw DataError(QStringLiteral("Field '%1' not found").arg(name));
        term.type = fields[static_cast<size_t>(term.field)].type;
        if (lex.peekLetter()) {
            if (lex.word().compare(QLatin1String("like"), Qt::CaseInsensitive) != 0)
                lex.fail(QStringLiteral("\"like\", \"=\", \">=\" or \"<=\" was expected"));
            term.op = Op::Like;
        } else {
            const QString op = lex.symbol();
            if (op == QLatin1String("="))
                term.op = Op::Equal;
            else if (op == QLatin1String(">="))
                term.op = Op::GreaterOrEqual;
            else if (op == QLatin1String("<="))
                term.op = Op::LessOrEqual;
            else
                lex.fail(QStringLiteral("\"like\", \"=\", \">=\" or \"<=\" was expected"));
        }
        const QString value = lex.literal();
        if (isBlobType(term.type) && term.type == FieldType::Blob)
            lex.fail(QStringLiteral("binary fields cannot be compared"));
        if (term.op == Op::Like || term.type == FieldType::String || term.type == FieldType::FixedString ||
            term.type == FieldType::Memo) {
            term.text = value.toUtf8();
            const qsizetype wild = term.text.indexOf('%');
            term.prefixOnly = term.op == Op::Like && wild == term.text.size() - 1 && !term.text.contains('_');
            if (term.op == Op::Like && term.type != FieldType::String &&
                term.type != FieldType::FixedString && term.type != FieldType::Memo)
                lex.fail(QStringLiteral("\"like\" needs a text field"));
        } else if (term.type == FieldType::Date) {
            try {
                term.whole = toDate(value).toJulianDay();
            } catch (const ConversionError& error) {
                lex.fail(error.message());
            }
        } else if (term.type == FieldType::Time) {
            try {
                term.whole = toTime(value).msecsSinceStartOfDay();
            } catch (const ConversionError& error) {
                lex.fail(error.message());
            }
        } else {
            bool ok = false;
            term.number = value.trimmed().toDouble(&ok);
            if (!ok)
                lex.fail(QStringLiteral("'%1' is not a valid number").arg(value));
            term.whole = static_cast<qint64>(term.number);
        }
        expression.m_terms.push_back(std::move(term));
        if (lex.atEnd())
            break;
        if (lex.word().compare(QLatin1String("and"), Qt::CaseInsensitive) != 0)
            lex.fail(QStringLiteral("\"and\" was expected"));
    }
    return expression;
}

bool FilterExpression::matches(const StoredRow& row, bool caseInsensitive) const
{
    for (const Term& term : m_terms) {
        if (!matchTerm(term, row, caseInsensitive))
            return false;
    }
    return true;
}

bool FilterExpression::matchTerm(const Term& term, const StoredRow& row, bool caseInsensitive) const
{
    if (row.isNull(term.field))
        return false;
    const int op = static_cast<int>(term.op);
    switch (term.type) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo: {
        const QByteArrayView value = row.bytes(term.field);
        if (term.prefixOnly && !caseInsensitive)
            return value.startsWith(QByteArrayView(term.text).chopped(1));
        if (term.op == Op::Like)
            return likeMatch(value, term.text, caseInsensitive);
        if (term.op == Op::Equal)
            return textEquals(value, term.text, caseInsensitive);
        return compare(compareText(value, term.text), 0, op);
    }
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::Integer:
    case FieldType::Boolean:
        return compare<qint64>(row.int32(term.field), term.whole, op);
    case FieldType::DateTime:
        return compare<qint64>(row.int64(term.field), term.whole, op);
    case FieldType::Float:
        return compare(row.real(term.field), term.number, op);
    case FieldType::Blob:
        break;
    }
    return false;
}

} // namespace ds
