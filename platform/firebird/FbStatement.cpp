#include "platform/firebird/FbStatement.h"

#include "platform/firebird/FbApi.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbTransaction.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstring>

namespace fb {

using namespace detail;

namespace {

constexpr unsigned kCharsetUtf8 = 4;
constexpr unsigned kStatementExecProcedure = 8;
constexpr int kSqlDialect = 3;

unsigned bytesPerChar(unsigned charset)
{
    switch (charset) {
    case kCharsetUtf8:
        return 4;
    case 3: // UNICODE_FSS
        return 3;
    default:
        return 1;
    }
}

ColumnType columnType(unsigned sqlType, int subType, int scale)
{
    switch (sqlType & ~1u) {
    case SQL_VARYING:
        return ColumnType::Text;
    case SQL_TEXT:
        return ColumnType::FixedText;
    case SQL_SHORT:
        return scale == 0 ? ColumnType::SmallInt : ColumnType::Double;
    case SQL_LONG:
        return scale == 0 ? ColumnType::Integer : ColumnType::Double;
    case SQL_INT64:
        return scale == 0 ? ColumnType::BigInt : ColumnType::Double;
    case SQL_FLOAT:
        return ColumnType::Float;
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return ColumnType::Double;
    case SQL_TYPE_DATE:
        return ColumnType::Date;
    case SQL_TYPE_TIME:
        return ColumnType::Time;
    case SQL_TIMESTAMP:
        return ColumnType::Timestamp;
    case SQL_BLOB:
        return subType == 1 ? ColumnType::TextBlob : ColumnType::Blob;
    case SQL_BOOLEAN:
        return ColumnType::Boolean;
    default:
        return ColumnType::Other;
    }
}

// A fixed-text cell holds the text and then blanks up to its byte length; keep as many
// characters as the column declares, so the padding reads as the column's width.
QByteArrayView firstChars(const char* data, unsigned byteLength, unsigned chars)
{
    unsigned pos = 0;
    for (unsigned n = 0; n < chars && pos < byteLength; ++n) {
        const auto lead = static_cast<unsigned char>(data[pos]);
        pos += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    }
    return QByteArrayView(data, std::min(pos, byteLength));
}

double applyScale(qint64 raw, int scale)
{
    double v = static_cast<double>(raw);
    for (int i = 0; i < -scale; ++i)
        v /= 10.0;
    return v;
}

} // namespace

QString positionalSql(const QString& sql, QStringList* names)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = sql.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? n : end;
            out += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == QLatin1Char(':') && i + 1 < n &&
                   (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            qsizetype j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_')))
                ++j;
            names->append(sql.mid(i + 1, j - i - 1));
            out += QLatin1Char('?');
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

Statement::Statement(Transaction& transaction, const QString& sql) : m_transaction(transaction)
{
    const QByteArray text = positionalSql(sql, &m_parameterNames).toUtf8();
    Firebird::IAttachment* attachment = transaction.connection().handle();
    if (!attachment)
        throw Error(QStringLiteral("The database connection is not open"));
    m_statement = checked([&](auto* s) {
        return attachment->prepare(s, transaction.handle(), 0, text.constData(), kSqlDialect,
                                   Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    });
    try {
        m_type = checked([&](auto* s) { return m_statement->getType(s); });
        m_outMeta = checked([&](auto* s) { return m_statement->getOutputMetadata(s); });
        const unsigned count = checked([&](auto* s) { return m_outMeta->getCount(s); });
        m_columns.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            Column col;
            Status st;
            col.name = QString::fromUtf8(m_outMeta->getAlias(st.get(), i));
            col.relation = QString::fromUtf8(m_outMeta->getRelation(st.get(), i));
            const unsigned type = m_outMeta->getType(st.get(), i);
            col.scale = m_outMeta->getScale(st.get(), i);
            col.type = columnType(type, m_outMeta->getSubType(st.get(), i), col.scale);
            col.offset = m_outMeta->getOffset(st.get(), i);
            col.nullOffset = m_outMeta->getNullOffset(st.get(), i);
            col.byteLength = m_outMeta->getLength(st.get(), i);
            col.charLength = col.byteLength / bytesPerChar(m_outMeta->getCharSet(st.get(), i));
            col.nullable = m_outMeta->isNullable(st.get(), i);
            st.check();
            m_columns.push_back(std::move(col));
        }
        m_outBuffer.assign(checked([&](auto* s) { return m_outMeta->getMessageLength(s); }), 0);
        m_values.resize(m_parameterNames.size());
        if (m_parameterNames.isEmpty()) {
            // "?" written directly in the text still needs a value each
            Firebird::IMessageMetadata* in =
                checked([&](auto* s) { return m_statement->getInputMetadata(s); });
            const unsigned inCount = checked([&](auto* s) { return in->getCount(s); });
            in->release();
            for (unsigned i = 0; i < inCount; ++i)
                m_parameterNames.append(QString());
            m_values.resize(inCount);
        }
    } catch (...) {
        if (m_outMeta)
            m_outMeta->release();
        m_statement->release();
        throw;
    }
}

Statement::~Statement()
{
    Status status;
    if (m_cursor) {
        m_cursor->close(status.get());
        if (status.failed())
            m_cursor->release();
    }
    if (m_inMeta)
        m_inMeta->release();
    if (m_outMeta)
        m_outMeta->release();
    m_statement->free(status.get());
    if (status.failed())
        m_statement->release();
}

void Statement::bind(const QString& name, const QVariant& value)
{
    bool found = false;
    for (qsizetype i = 0; i < m_parameterNames.size(); ++i) {
        if (m_parameterNames[i].compare(name, Qt::CaseInsensitive) == 0) {
            m_values[static_cast<size_t>(i)] = value;
            found = true;
        }
    }
    if (!found)
        throw Error(QStringLiteral("Parameter '%1' not found").arg(name));
}

void Statement::bind(int position, const QVariant& value)
{
    if (position < 0 || static_cast<size_t>(position) >= m_values.size())
        throw Error(QStringLiteral("Parameter %1 out of range").arg(position));
    m_values[static_cast<size_t>(position)] = value;
}

void Statement::prepareInput()
{
    if (m_inMeta) {
        m_inMeta->release();
        m_inMeta = nullptr;
    }
    Firebird::IMessageMetadata* declared = checked([&](auto* s) { return m_statement->getInputMetadata(s); });
    Firebird::IMetadataBuilder* builder = nullptr;
    try {
        builder = checked([&](auto* s) { return declared->getBuilder(s); });
        for (unsigned i = 0; i < m_values.size(); ++i) {
            const QVariant& v = m_values[i];
            const unsigned declaredType = checked([&](auto* s) { return declared->getType(s, i); }) & ~1u;
            if (v.isNull() || declaredType == SQL_BLOB) {
                if (declaredType == SQL_BLOB)
                    continue;
                if (declaredType == SQL_NULL) // "? is null": give it a type that holds nothing
                    checked([&](auto* s) { builder->setType(s, i, SQL_VARYING + 1); });
                continue;
            }
            unsigned type = SQL_VARYING;
            unsigned length = 0;
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::Short:
                type = SQL_INT64;
                length = sizeof(qint64);
                break;
            case QMetaType::Bool:
                type = SQL_BOOLEAN;
                length = 1;
                break;
            case QMetaType::Double:
                type = SQL_DOUBLE;
                length = sizeof(double);
                break;
            case QMetaType::QDate:
                type = SQL_TYPE_DATE;
                length = sizeof(ISC_DATE);
                break;
            case QMetaType::QTime:
                type = SQL_TYPE_TIME;
                length = sizeof(ISC_TIME);
                break;
            case QMetaType::QDateTime:
                type = SQL_TIMESTAMP;
                length = sizeof(ISC_TIMESTAMP);
                break;
            case QMetaType::QByteArray:
                length = static_cast<unsigned>(std::max<qsizetype>(1, v.toByteArray().size()));
                break;
            default:
                length = static_cast<unsigned>(std::max<qsizetype>(1, v.toString().toUtf8().size()));
                break;
            }
            checked([&](auto* s) { builder->setType(s, i, type + 1); });
            checked([&](auto* s) { builder->setScale(s, i, 0); });
            checked([&](auto* s) { builder->setLength(s, i, length); });
            if (type == SQL_VARYING)
                checked([&](auto* s) { builder->setCharSet(s, i, kCharsetUtf8); });
        }
        m_inMeta = checked([&](auto* s) { return builder->getMetadata(s); });
    } catch (...) {
        if (builder)
            builder->release();
        declared->release();
        throw;
    }
    builder->release();
    declared->release();
}

void Statement::writeInput()
{
    prepareInput();
    m_inBuffer.assign(checked([&](auto* s) { return m_inMeta->getMessageLength(s); }), 0);
    Firebird::IAttachment* attachment = m_transaction.connection().handle();
    for (unsigned i = 0; i < m_values.size(); ++i) {
        Status st;
        const unsigned offset = m_inMeta->getOffset(st.get(), i);
        const unsigned nullOffset = m_inMeta->getNullOffset(st.get(), i);
        const unsigned type = m_inMeta->getType(st.get(), i) & ~1u;
        st.check();
        unsigned char* data = m_inBuffer.data() + offset;
        auto* nullFlag = reinterpret_cast<short*>(m_inBuffer.data() + nullOffset);
        const QVariant& v = m_values[i];
        if (v.isNull()) {
            *nullFlag = -1;
            continue;
        }
        *nullFlag = 0;
        switch (type) {
        case SQL_INT64: {
            const qint64 n = v.toLongLong();
            std::memcpy(data, &n, sizeof n);
            break;
        }
        case SQL_BOOLEAN:
            *data = v.toBool() ? 1 : 0;
            break;
        case SQL_DOUBLE: {
            const double d = v.toDouble();
            std::memcpy(data, &d, sizeof d);
            break;
        }
        case SQL_TYPE_DATE: {
            const auto d = static_cast<ISC_DATE>(v.toDate().toJulianDay() - kJulianDayOfFirebirdEpoch);
            std::memcpy(data, &d, sizeof d);
            break;
        }
        case SQL_TYPE_TIME: {
            const auto t = static_cast<ISC_TIME>(v.toTime().msecsSinceStartOfDay() * 10);
            std::memcpy(data, &t, sizeof t);
            break;
        }
        case SQL_TIMESTAMP: {
            const QDateTime dt = v.toDateTime();
            ISC_TIMESTAMP ts;
            ts.timestamp_date = static_cast<ISC_DATE>(dt.date().toJulianDay() - kJulianDayOfFirebirdEpoch);
            ts.timestamp_time = static_cast<ISC_TIME>(dt.time().msecsSinceStartOfDay() * 10);
            std::memcpy(data, &ts, sizeof ts);
            break;
        }
        case SQL_BLOB: {
            const QByteArray bytes =
                v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
            ISC_QUAD id;
            Firebird::IBlob* blob = checked(
                [&](auto* s) { return attachment->createBlob(s, m_transaction.handle(), &id, 0, nullptr); });
            Status bs;
            for (qsizetype pos = 0; pos < bytes.size() && !bs.failed(); pos += 32768) {
                const auto chunk = static_cast<unsigned>(std::min<qsizetype>(32768, bytes.size() - pos));
                blob->putSegment(bs.get(), chunk, bytes.constData() + pos);
            }
            if (bs.failed()) {
                Error error = bs.toError();
                Status cs;
                blob->cancel(cs.get());
                if (cs.failed())
                    blob->release();
                throw error;
            }
            blob->close(bs.get());
            bs.check();
            std::memcpy(data, &id, sizeof id);
            break;
        }
        default: { // SQL_VARYING
            const QByteArray bytes =
                v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
            const auto len = static_cast<unsigned short>(bytes.size());
            std::memcpy(data, &len, sizeof len);
            std::memcpy(data + sizeof len, bytes.constData(), len);
            break;
        }
        }
    }
}

qint64 Statement::execute()
{
    close();
    writeInput();
    const bool procedure = m_type == kStatementExecProcedure && !m_columns.empty();
    checked([&](auto* s) {
        m_statement->execute(s, m_transaction.handle(), m_inMeta, m_inBuffer.data(),
                             procedure ? m_outMeta : nullptr, procedure ? m_outBuffer.data() : nullptr);
    });
    return static_cast<qint64>(checked([&](auto* s) { return m_statement->getAffectedRecords(s); }));
}

void Statement::open()
{
    close();
    writeInput();
    m_cursor = checked([&](auto* s) {
        return m_statement->openCursor(s, m_transaction.handle(), m_inMeta, m_inBuffer.data(), m_outMeta, 0);
    });
}

bool Statement::next()
{
    if (!m_cursor)
        throw Error(QStringLiteral("The statement has no open cursor"));
    const int result = checked([&](auto* s) { return m_cursor->fetchNext(s, m_outBuffer.data()); });
    return result == Firebird::IStatus::RESULT_OK;
}

void Statement::close()
{
    if (!m_cursor)
        return;
    Firebird::IResultSet* cursor = m_cursor;
    m_cursor = nullptr;
    Status status;
    cursor->close(status.get());
    if (status.failed()) {
        cursor->release();
        status.check();
    }
}

int Statement::columnIndex(const QString& name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

bool Statement::isNull(int column) const
{
    return *reinterpret_cast<const short*>(m_outBuffer.data() + m_columns[column].nullOffset) != 0;
}

QByteArrayView Statement::textBytes(int column) const
{
    const Column& col = m_columns[column];
    const auto* data = reinterpret_cast<const char*>(cell(column));
    if (col.type == ColumnType::Text) {
        unsigned short len;
        std::memcpy(&len, data, sizeof len);
        return QByteArrayView(data + sizeof len, len);
    }
    if (col.type == ColumnType::FixedText)
        return firstChars(data, col.byteLength, col.charLength);
    return {};
}

qint64 Statement::integer(int column) const
{
    const unsigned char* data = cell(column);
    switch (m_columns[column].type) {
    case ColumnType::SmallInt: {
        qint16 v;
        std::memcpy(&v, data, sizeof v);
        return v;
    }
    case ColumnType::Integer: {
        qint32 v;
        std::memcpy(&v, data, sizeof v);
        return v;
    }
    case ColumnType::BigInt: {
        qint64 v;
        std::memcpy(&v, data, sizeof v);
        return v;
    }
    case ColumnType::Boolean:
        return *data ? 1 : 0;
    default:
        return value(column).toLongLong();
    }
}

qint64 Statement::julianDay(int column) const
{
    ISC_DATE d; // a timestamp starts with its date part
    std::memcpy(&d, cell(column), sizeof d);
    return static_cast<qint64>(d) + kJulianDayOfFirebirdEpoch;
}

int Statement::msecsSinceMidnight(int column) const
{
    ISC_TIME t;
    const unsigned char* data = cell(column);
    std::memcpy(&t, data + (m_columns[column].type == ColumnType::Timestamp ? sizeof(ISC_DATE) : 0),
                sizeof t);
    return static_cast<int>(t / 10);
}

QByteArray Statement::blob(int column) const
{
    ISC_QUAD id;
    std::memcpy(&id, cell(column), sizeof id);
    Firebird::IAttachment* attachment = m_transaction.connection().handle();
    Firebird::IBlob* handle =
        checked([&](auto* s) { return attachment->openBlob(s, m_transaction.handle(), &id, 0, nullptr); });
    QByteArray bytes;
    char buffer[32768];
    Status st;
    for (;;) {
        unsigned length = 0;
        const int result = handle->getSegment(st.get(), sizeof buffer, buffer, &length);
        if (result == Firebird::IStatus::RESULT_OK || result == Firebird::IStatus::RESULT_SEGMENT) {
            bytes.append(buffer, length);
            continue;
        }
        break;
    }
    if (st.failed()) {
        Error error = st.toError();
        handle->release();
        throw error;
    }
    handle->close(st.get());
    st.check();
    return bytes;
}

QVariant Statement::value(int column) const
{
    if (isNull(column))
        return {};
    const Column& col = m_columns[column];
    const unsigned char* data = cell(column);
    switch (col.type) {
    case ColumnType::Text:
    case ColumnType::FixedText:
        return QString::fromUtf8(textBytes(column));
    case ColumnType::SmallInt:
    case ColumnType::Integer:
        return static_cast<int>(integer(column));
    case ColumnType::BigInt:
        return integer(column);
    case ColumnType::Boolean:
        return *data != 0;
    case ColumnType::Float: {
        float f;
        std::memcpy(&f, data, sizeof f);
        return static_cast<double>(f);
    }
    case ColumnType::Double: {
        if (col.scale != 0) {
            qint64 raw = 0;
            if (col.byteLength == 2) {
                qint16 v;
                std::memcpy(&v, data, 2);
                raw = v;
            } else if (col.byteLength == 4) {
                qint32 v;
                std::memcpy(&v, data, 4);
                raw = v;
            } else {
                std::memcpy(&raw, data, 8);
            }
            return applyScale(raw, col.scale);
        }
        double d;
        std::memcpy(&d, data, sizeof d);
        return d;
    }
    case ColumnType::Date:
        return QDate::fromJulianDay(julianDay(column));
    case ColumnType::Time:
        return QTime::fromMSecsSinceStartOfDay(msecsSinceMidnight(column));
    case ColumnType::Timestamp:
        return QDateTime(QDate::fromJulianDay(julianDay(column)),
                         QTime::fromMSecsSinceStartOfDay(msecsSinceMidnight(column)));
    case ColumnType::TextBlob:
        return QString::fromUtf8(blob(column));
    case ColumnType::Blob:
        return blob(column);
    case ColumnType::Other:
        break;
    }
    return {};
}

} // namespace fb
