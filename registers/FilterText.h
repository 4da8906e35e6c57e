#pragma once

#include <QString>

// The text as an SQL string literal: inner single quotes doubled, the whole in quotes.
QString QuotedStr(const QString& text);

// "<prefix>'<text>%'": the search-as-you-type filter on one column, e.g. escola like 'AB%'.
QString prefixSearchFilter(const QString& prefix, const QString& typed);
