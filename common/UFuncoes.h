#pragma once

#include "platform/dataset/Conversions.h"

#include <QDate>
#include <QString>

using ds::ConversionError;

// True when the last two characters are the CPF check digits of the digits before them.
// Separators "/", "-" and "." are skipped; any other non-digit throws ConversionError.
bool TestaCpf(const QString& text);

// Whole years between the dates (days / 365.25, truncated), in either direction.
int ageInYears(const QDate& birth, const QDate& today);
// The age label's text, e.g. "7 Anos ".
QString ageText(const QDate& birth, const QDate& today);
