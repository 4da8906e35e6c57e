#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <exception>

// A text that does not convert to the number or date it should hold. The message is the
// one the error box shows.
class ConversionError : public std::exception
{
public:
    explicit ConversionError(const QString& message);

    const QString& message() const noexcept;
    const char* what() const noexcept override; // UTF-8

private:
    QString m_message;
    QByteArray m_utf8;
};

// True when the last two characters are the CPF check digits of the digits before them.
// Separators "/", "-" and "." are skipped; any other non-digit throws ConversionError.
bool TestaCpf(const QString& text);

// Whole years between the dates (days / 365.25, truncated), in either direction.
int ageInYears(const QDate& birth, const QDate& today);
// The age label's text, e.g. "7 Anos ".
QString ageText(const QDate& birth, const QDate& today);

// The workstation's short date, day/month/four-digit year ("05/03/2024" or "5/3/2024").
QDate strToDate(const QString& text);
int strToInt(const QString& text);
