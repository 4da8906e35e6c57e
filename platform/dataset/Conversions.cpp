#include "platform/dataset/Conversions.h"

#include <QDateTime>
#include <QRegularExpression>

#include <limits>

namespace ds {

QDate toDate(const QString& text)
{
    // Blanks are tolerated around the numbers: a masked editor pads a one-digit day or
    // month with a leading blank.
    static const QRegularExpression pattern(QStringLiteral("^ *(\\d{1,2}) */ *(\\d{1,2}) */ *(\\d{4}) *$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (match.hasMatch()) {
        const QDate date(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
        if (date.isValid())
            return date;
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
}

QTime toTime(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const auto* format : {"H:mm:ss", "H:mm"}) {
        const QTime time = QTime::fromString(trimmed, QLatin1String(format));
        if (time.isValid())
            return time;
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid time").arg(text));
}

int toInteger(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^ *([+-]?\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (match.hasMatch()) {
        bool ok = false;
        const qlonglong value = match.captured(1).toLongLong(&ok);
        if (ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            return static_cast<int>(value);
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

bool isBlankDateText(const QString& text)
{
    for (QChar c : text) {
        if (!c.isSpace() && c != QLatin1Char('/') && c != QLatin1Char(':') && c != QLatin1Char('_'))
            return false;
    }
    return true;
}

QString displayTextOf(const QVariant& value, FieldType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Date:
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case FieldType::Time:
        return value.toTime().toString(QStringLiteral("hh:mm"));
    case FieldType::DateTime:
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    case FieldType::Blob:
        return QStringLiteral("(BLOB)");
    default:
        return value.toString();
    }
}

} // namespace ds
