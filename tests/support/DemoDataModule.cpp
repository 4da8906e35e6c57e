#include "tests/support/DemoDataModule.h"

#include "data/DemoDatabase.h"
#include "data/U_datamodulo.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QFile>

namespace testing_support {

namespace {
fb::AttachParams paramsFor(const QString& path)
{
    return {QString(), path, QStringLiteral("SYSDBA"), QString(), {}};
}
} // namespace

DemoDataModule::DemoDataModule(bool withDemoRows, const QDate& today)
    : m_databasePath(m_dir.filePath(QStringLiteral("demo.fdb")))
{
    createSchemaDatabase(m_databasePath, QStringLiteral("SYSDBA"), QString());
    if (withDemoRows) {
        fb::Connection connection;
        connection.attach(paramsFor(m_databasePath));
        loadDemoData(connection, today);
    }
    QFile config(configPath());
    if (!config.open(QIODevice::WriteOnly))
        throw fb::Error(QStringLiteral("cannot write %1").arg(config.fileName()));
    config.write(QStringLiteral("[CONFIG]\nDATABASE=%1\nUSER_NAME=SYSDBA\n").arg(m_databasePath).toUtf8());
    config.close();
    dm = new Tdm;
    dm->setConfigPath(configPath());
    dm->start();
}

DemoDataModule::~DemoDataModule()
{
    delete dm;
    dm = nullptr;
}

void DemoDataModule::exec(const QString& sql) const
{
    fb::Connection connection;
    connection.attach(paramsFor(m_databasePath));
    fb::Transaction tx = connection.startTransaction();
    fb::Statement statement(tx, sql);
    statement.execute();
    tx.commit();
}

QVariant DemoDataModule::scalar(const QString& sql) const
{
    fb::Connection connection;
    connection.attach(paramsFor(m_databasePath));
    fb::Transaction tx = connection.startTransaction();
    fb::Statement statement(tx, sql);
    statement.open();
    const QVariant value = statement.next() ? statement.value(0) : QVariant();
    statement.close();
    tx.commit();
    return value;
}

} // namespace testing_support
