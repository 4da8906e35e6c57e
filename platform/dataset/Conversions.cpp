#include "platform/dataset/Conversions.h"

#include <QDateTime>

namespace ds {

QDate toDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const auto* format : {"dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate date = QDate::fromString(trimmed, QLatin1String(format));
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
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
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
