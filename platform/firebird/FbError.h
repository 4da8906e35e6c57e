#pragma once

#include <QString>

#include <exception>
#include <vector>

namespace fb {

// A failure reported by the Firebird client or server, with the server's own text.
class Error : public std::exception
{
public:
    explicit Error(QString message, std::vector<long> gdsCodes = {});

    const QString& message() const { return m_message; }
    const std::vector<long>& gdsCodes() const { return m_codes; }
    bool hasCode(long gdsCode) const;
    // Another transaction changed or locked the row (update conflict, deadlock, lock conflict).
    bool isConflict() const;
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    std::vector<long> m_codes;
};

} // namespace fb
