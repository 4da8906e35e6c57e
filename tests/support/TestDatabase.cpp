#include "tests/support/TestDatabase.h"

#include "platform/firebird/FbScript.h"

#include <QUuid>

namespace testing_support {

TestDatabase::TestDatabase() : m_path(m_dir.filePath(QStringLiteral("test.fdb")))
{
    fb::Connection::createDatabase(m_path, QStringLiteral("SYSDBA"), QString());
}

fb::AttachParams TestDatabase::params() const
{
    fb::AttachParams params;
    params.database = m_path;
    params.userName = QStringLiteral("SYSDBA");
    return params;
}

void TestDatabase::run(const QString& script) const
{
    fb::Connection connection;
    connection.attach(params());
    fb::runScript(connection, script);
    connection.detach();
}

std::optional<TestServer> TestServer::fromEnvironment()
{
    const QString host = qEnvironmentVariable("QN_TEST_SERVER");
    if (host.isEmpty())
        return std::nullopt;
    return TestServer{host, qEnvironmentVariable("QN_TEST_SERVER_PASSWORD"),
                      qEnvironmentVariable("QN_TEST_SERVER_DIR", QStringLiteral("/tmp"))};
}

} // namespace testing_support
