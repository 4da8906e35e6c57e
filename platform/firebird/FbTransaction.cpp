#include "platform/firebird/FbTransaction.h"

#include "platform/firebird/FbApi.h"

namespace fb {

using namespace detail;

Transaction::Transaction(Connection& connection, Firebird::ITransaction* handle)
    : m_connection(&connection), m_handle(handle)
{
}

Transaction::Transaction(Transaction&& other) noexcept
    : m_connection(other.m_connection), m_handle(other.m_handle)
{
    other.m_handle = nullptr;
}

Transaction::~Transaction()
{
    if (m_handle) {
        Status status;
        m_handle->rollback(status.get());
        if (status.failed())
            m_handle->release();
    }
}

void Transaction::commit()
{
    if (!m_handle)
        return;
    checked([&](auto* s) { m_handle->commit(s); });
    m_handle = nullptr;
}

void Transaction::rollback()
{
    if (!m_handle)
        return;
    Firebird::ITransaction* handle = m_handle;
    m_handle = nullptr;
    Status status;
    handle->rollback(status.get());
    if (status.failed()) {
        handle->release();
        status.check();
    }
}

} // namespace fb
