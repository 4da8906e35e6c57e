#pragma once

#include "platform/firebird/FbConnection.h"

#include <QObject>

#include <functional>

namespace ds {

// The program's one database connection. It asks its before-connect hook for the attach
// parameters every time it is about to open, and reopens on the next use after a close.
class SqlConnection final : public QObject
{
    Q_OBJECT

public:
    explicit SqlConnection(QObject* parent = nullptr);

    void setBeforeConnect(std::function<void(fb::AttachParams&)> hook) { m_beforeConnect = std::move(hook); }
    const fb::AttachParams& params() const { return m_params; }
    fb::AttachParams& params() { return m_params; }

    void open();
    void close();
    bool isConnected() const { return m_connection.isOpen(); }
    // The attachment, connecting first when closed.
    fb::Connection& connection();

signals:
    void aboutToClose();

private:
    std::function<void(fb::AttachParams&)> m_beforeConnect;
    fb::AttachParams m_params;
    fb::Connection m_connection;
};

} // namespace ds
