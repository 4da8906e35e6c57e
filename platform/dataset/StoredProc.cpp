#include "platform/dataset/StoredProc.h"

#include "platform/dataset/DataError.h"
#include "platform/dataset/SqlConnection.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

namespace ds {

StoredProc::StoredProc(SqlConnection* connection, QString procedureName, QObject* parent)
    : QObject(parent), m_connection(connection), m_name(std::move(procedureName))
{
}

int StoredProc::execute(const QString& outputParam)
{
    fb::Transaction transaction = m_connection->connection().startTransaction();
    fb::Statement statement(transaction, QStringLiteral("EXECUTE PROCEDURE ") + m_name);
    statement.execute();
    const int column = statement.columnIndex(outputParam);
    if (column < 0)
        throw DataError(QStringLiteral("Parameter '%1' not found").arg(outputParam));
    const QVariant value = statement.value(column);
    transaction.commit();
    if (value.isNull())
        throw DataError(QStringLiteral("Procedure %1 returned no value").arg(m_name));
    return value.toInt();
}

} // namespace ds
