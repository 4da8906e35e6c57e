#include "common/UFuncoes.h"

#include <QRegularExpression>

#include <cstdlib>
#include <limits>

ConversionError::ConversionError(const QString& message) : m_message(message), m_utf8(message.toUtf8()) {}

const QString& ConversionError::message() const noexcept
{
    return m_message;
}

const char* ConversionError::what() const noexcept
{
    return m_utf8.constData();
}

namespace {

ConversionError notAnInteger(const QString& text)
{
    return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int checkDigit(int sum)
{
    // Truncating remainder, as the original arithmetic: a negative sum can only come from
    // texts with more than eleven digits, and it yields 0.
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

} // namespace

bool TestaCpf(const QString& text)
{
    const qsizetype bodyLength = text.size() - 2;
    int s1 = 0;
    int s2 = 0;
    int k = 0;
    for (qsizetype i = 0; i < bodyLength; ++i) {
        const QChar ch = text.at(i);
        if (ch == u'/' || ch == u'-' || ch == u'.')
            continue;
        if (ch < u'0' || ch > u'9')
            throw notAnInteger(QString(ch));
        const int digit = ch.unicode() - u'0';
        ++k;
        s1 += digit * (11 - k);
        s2 += digit * (12 - k);
    }
    const int d1 = checkDigit(s1);
    const int d2 = checkDigit(s2 + 2 * d1);
    return QString::number(d1) + QString::number(d2) == text.right(2);
}

int ageInYears(const QDate& birth, const QDate& today)
{
    constexpr qint64 msPerDay = 86'400'000;
    constexpr qint64 msPerYear = 31'557'600'000; // 365.25 days
    const qint64 diff = std::llabs((today.toJulianDay() - birth.toJulianDay()) * msPerDay);
    return static_cast<int>(diff / msPerYear);
}

QString ageText(const QDate& birth, const QDate& today)
{
    return QString::number(ageInYears(birth, today)) + u" Anos ";
}

QDate strToDate(const QString& text)
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

int strToInt(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^ *([+-]?\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (match.hasMatch()) {
        bool ok = false;
        const qlonglong value = match.captured(1).toLongLong(&ok);
        if (ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            return static_cast<int>(value);
    }
    throw notAnInteger(text);
}
