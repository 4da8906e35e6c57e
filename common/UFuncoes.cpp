#include "common/UFuncoes.h"

#include <cstdlib>

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
