#pragma once

namespace Firebird {
class ITransaction;
}

namespace fb {

class Connection;

// Rolls back on destruction unless committed.
class Transaction final
{
public:
    Transaction(Connection& connection, Firebird::ITransaction* handle);
    ~Transaction();
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    Transaction(const Transaction&) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_handle != nullptr; }

    Connection& connection() const { return *m_connection; }
    Firebird::ITransaction* handle() const { return m_handle; }

private:
    Connection* m_connection;
    Firebird::ITransaction* m_handle;
};

} // namespace fb
