#include "platform/dataset/SqlConnection.h"

namespace ds {

SqlConnection::SqlConnection(QObject* parent) : QObject(parent) {}

void SqlConnection::open()
{
    if (m_connection.isOpen())
        return;
    if (m_beforeConnect)
        m_beforeConnect(m_params);
    m_connection.attach(m_params);
}

void SqlConnection::close()
{
    if (!m_connection.isOpen())
        return;
    emit aboutToClose();
    m_connection.detach();
}

fb::Connection& SqlConnection::connection()
{
    open();
    return m_connection;
}

} // namespace ds
