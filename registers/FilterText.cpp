#include "registers/FilterText.h"

QString QuotedStr(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString prefixSearchFilter(const QString& prefix, const QString& typed)
{
    return prefix + QuotedStr(typed + QLatin1Char('%'));
}
