#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace Firebird {
class IAttachment;
class IMaster;
} // namespace Firebird

namespace fb {

class Transaction;

struct AttachParams
{
    QString hostname;
    QString database;
    QString userName;
    QString password;
    QString role;
};

// Joins HOSTNAME and DATABASE the way the Firebird client expects: "host:path" when a host is
// given, otherwise the database text alone (a local path runs the embedded engine; a text
// holding "server:path" reaches that server).
QString attachString(const AttachParams& params);

// One attachment, SQL dialect 3, UTF8 connection character set.
class Connection final
{
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void attach(const AttachParams& params);
    void detach();
    bool isOpen() const { return m_attachment != nullptr; }

    // Read committed, record versions, waiting on locks, read-write.
    Transaction startTransaction();

    Firebird::IAttachment* handle() const { return m_attachment; }

    // Creates a new UTF8 database file; fails when the file exists.
    static void createDatabase(const QString& path, const QString& userName, const QString& password);

    // Called (from an engine thread) when the engine shuts down, for example on SIGINT/SIGTERM.
    static void onEngineShutdown(std::function<void()> callback);
    // Stops the client library and the embedded engine's threads; call once at exit.
    static void shutdownEngine();

private:
    Firebird::IAttachment* m_attachment = nullptr;
};

} // namespace fb
