#pragma once

#include "platform/dataset/FieldDef.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

#include <exception>

namespace ds {

// A text that does not convert to the wanted type; the message is the one users see.
class ConversionError : public std::exception
{
public:
    explicit ConversionError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The workstation's short date format is day/month/four-digit year.
QDate toDate(const QString& text);  // throws "'%s' is not a valid date"
QTime toTime(const QString& text);  // "hh:mm" or "hh:mm:ss"; throws "'%s' is not a valid time"
int toInteger(const QString& text); // throws "'%s' is not a valid integer value"
// A masked date or time editor left empty shows only blanks and separators.
bool isBlankDateText(const QString& text);
QString displayTextOf(const QVariant& value, FieldType type);

} // namespace ds
