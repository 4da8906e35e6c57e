#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

namespace fb {
class Statement;
}

namespace ds {

class SqlConnection;

// An SQL dataset: one fixed SELECT with named parameters on the connection.
class SqlQuery final : public QObject
{
    Q_OBJECT

public:
    SqlQuery(SqlConnection* connection, QString commandText, QObject* parent = nullptr);

    SqlConnection* connection() const { return m_connection; }
    const QString& commandText() const { return m_commandText; }
    void setCommandText(const QString& text) { m_commandText = text; }

    // Parameter names in the order the text uses them, each once.
    QStringList parameterNames() const;
    void setParam(const QString& name, const QVariant& value);
    QVariant param(const QString& name) const;

    // "Open" runs the statement once so that a missing table fails here; it keeps no rows.
    void open();
    void close() { m_active = false; }
    bool isActive() const { return m_active; }

    // Runs the SELECT in its own read-committed transaction and hands each row to sink.
    void fetch(const std::function<void(const fb::Statement&)>& onColumns,
               const std::function<void(const fb::Statement&)>& onRow);

private:
    SqlConnection* m_connection;
    QString m_commandText;
    std::vector<std::pair<QString, QVariant>> m_params;
    bool m_active = false;
};

} // namespace ds
