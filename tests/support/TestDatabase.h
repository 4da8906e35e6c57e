#pragma once

#include "platform/firebird/FbConnection.h"

#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace testing_support {

// A fresh database file in a temporary directory, removed with the object.
class TestDatabase final
{
public:
    TestDatabase();
    const QString& path() const { return m_path; }
    fb::AttachParams params() const;
    // Runs an isql-style script on the database.
    void run(const QString& script) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// The loopback Firebird server that .ci/run starts, if any: QN_TEST_SERVER holds
// "host/port", QN_TEST_SERVER_PASSWORD the SYSDBA password, QN_TEST_SERVER_DIR a directory
// the server may create databases in.
struct TestServer
{
    QString hostname;
    QString password;
    QString directory;
    static std::optional<TestServer> fromEnvironment();
};

} // namespace testing_support
