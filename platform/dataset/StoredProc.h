#pragma once

#include <QObject>
#include <QString>

namespace ds {

class SqlConnection;

// A stored procedure with one integer output parameter, such as the key generators.
class StoredProc final : public QObject
{
    Q_OBJECT

public:
    StoredProc(SqlConnection* connection, QString procedureName, QObject* parent = nullptr);

    const QString& procedureName() const { return m_name; }
    // Executes the procedure in a transaction of its own and returns its output parameter
    // (looked up without regard to case); a key drawn here is never handed out again.
    int execute(const QString& outputParam = QStringLiteral("ID"));

private:
    SqlConnection* m_connection;
    QString m_name;
};

} // namespace ds
