#include "platform/dataset/SqlQuery.h"

#include "platform/dataset/SqlConnection.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

namespace ds {

SqlQuery::SqlQuery(SqlConnection* connection, QString commandText, QObject* parent)
    : QObject(parent), m_connection(connection), m_commandText(std::move(commandText))
{
    connect(connection, &SqlConnection::aboutToClose, this, &SqlQuery::close);
}

QStringList SqlQuery::parameterNames() const
{
    QStringList names;
    fb::positionalSql(m_commandText, &names);
    QStringList unique;
    for (const QString& name : names) {
        if (!unique.contains(name, Qt::CaseInsensitive))
            unique.append(name);
    }
    return unique;
}

void SqlQuery::setParam(const QString& name, const QVariant& value)
{
    for (auto& [key, stored] : m_params) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            stored = value;
            return;
        }
    }
    m_params.emplace_back(name, value);
}

QVariant SqlQuery::param(const QString& name) const
{
    for (const auto& [key, value] : m_params) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

void SqlQuery::open()
{
    if (m_active)
        return;
    fb::Transaction transaction = m_connection->connection().startTransaction();
    fb::Statement statement(transaction, m_commandText);
    for (const QString& name : parameterNames())
        statement.bind(name, param(name));
    statement.open();
    statement.close();
    transaction.commit();
    m_active = true;
}

void SqlQuery::fetch(const std::function<void(const fb::Statement&)>& onColumns,
                     const std::function<void(const fb::Statement&)>& onRow)
{
    fb::Transaction transaction = m_connection->connection().startTransaction();
    fb::Statement statement(transaction, m_commandText);
    for (const QString& name : parameterNames())
        statement.bind(name, param(name));
    onColumns(statement);
    statement.open();
    while (statement.next())
        onRow(statement);
    statement.close();
    transaction.commit();
    m_active = true;
}

} // namespace ds
