#include "platform/firebird/FbConnection.h"

#include "platform/firebird/FbApi.h"
#include "platform/firebird/FbTransaction.h"

#include <QFileInfo>

#include <mutex>

namespace fb {

using namespace detail;

namespace {

constexpr int kSqlDialect = 3;
constexpr int kPageSize = 8192;

std::function<void()>& shutdownCallback()
{
    static std::function<void()> callback;
    return callback;
}

int engineShutdownHook(int reason, int, void*)
{
    if (reason == fb_shutrsn_signal || reason == fb_shutrsn_exit_called) {
        if (auto& callback = shutdownCallback())
            callback();
    }
    return 0;
}

Firebird::IXpbBuilder* newDpb()
{
    return checked([](auto* s) { return util()->getXpbBuilder(s, Firebird::IXpbBuilder::DPB, nullptr, 0); });
}

void insertString(Firebird::IXpbBuilder* builder, unsigned char tag, const QString& value)
{
    if (value.isEmpty())
        return; // an empty parameter is left out, not sent empty
    const QByteArray utf8 = value.toUtf8();
    checked([&](auto* s) { builder->insertString(s, tag, utf8.constData()); });
}

} // namespace

QString attachString(const AttachParams& params)
{
    if (params.hostname.isEmpty())
        return params.database;
    return params.hostname + QLatin1Char(':') + params.database;
}

Connection::Connection() = default;

Connection::~Connection()
{
    if (m_attachment) {
        Status status;
        m_attachment->detach(status.get()); // best effort at teardown
        if (status.failed())
            m_attachment->release();
        m_attachment = nullptr;
    }
}

void Connection::attach(const AttachParams& params)
{
    detach();
    const QByteArray target = attachString(params).toUtf8();
    if (target.isEmpty())
        throw Error(QStringLiteral(
            "Banco de dados não informado: a chave DATABASE do config.ini está vazia ou ausente"));
    Firebird::IXpbBuilder* dpb = newDpb();
    try {
        insertString(dpb, isc_dpb_user_name, params.userName);
        insertString(dpb, isc_dpb_password, params.password);
        insertString(dpb, isc_dpb_sql_role_name, params.role);
        insertString(dpb, isc_dpb_lc_ctype, QStringLiteral("UTF8"));
        checked([&](auto* s) { dpb->insertInt(s, isc_dpb_sql_dialect, kSqlDialect); });
        Firebird::IProvider* provider = master()->getDispatcher();
        Status status;
        Firebird::IAttachment* attachment =
            provider->attachDatabase(status.get(), target.constData(), dpb->getBufferLength(status.get()),
                                     dpb->getBuffer(status.get()));
        provider->release();
        status.check();
        m_attachment = attachment;
    } catch (...) {
        dpb->dispose();
        throw;
    }
    dpb->dispose();
}

void Connection::detach()
{
    if (!m_attachment)
        return;
    Firebird::IAttachment* attachment = m_attachment;
    m_attachment = nullptr;
    Status status;
    attachment->detach(status.get());
    if (status.failed()) {
        attachment->release();
        status.check();
    }
}

Transaction Connection::startTransaction()
{
    if (!m_attachment)
        throw Error(QStringLiteral("The database connection is not open"));
    static const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                        isc_tpb_rec_version, isc_tpb_wait};
    Firebird::ITransaction* handle =
        checked([&](auto* s) { return m_attachment->startTransaction(s, sizeof tpb, tpb); });
    return Transaction(*this, handle);
}

void Connection::createDatabase(const QString& path, const QString& userName, const QString& password)
{
    if (QFileInfo::exists(path))
        throw Error(QStringLiteral("The file %1 already exists; it was left untouched").arg(path));
    Firebird::IXpbBuilder* dpb = newDpb();
    try {
        checked([&](auto* s) { dpb->insertInt(s, isc_dpb_page_size, kPageSize); });
        checked([&](auto* s) { dpb->insertInt(s, isc_dpb_sql_dialect, kSqlDialect); });
        insertString(dpb, isc_dpb_user_name, userName);
        insertString(dpb, isc_dpb_password, password);
        insertString(dpb, isc_dpb_set_db_charset, QStringLiteral("UTF8"));
        insertString(dpb, isc_dpb_lc_ctype, QStringLiteral("UTF8"));
        const QByteArray target = path.toUtf8();
        Firebird::IProvider* provider = master()->getDispatcher();
        Status status;
        Firebird::IAttachment* attachment =
            provider->createDatabase(status.get(), target.constData(), dpb->getBufferLength(status.get()),
                                     dpb->getBuffer(status.get()));
        provider->release();
        status.check();
        checked([&](auto* s) { attachment->detach(s); });
    } catch (...) {
        dpb->dispose();
        throw;
    }
    dpb->dispose();
}

void Connection::onEngineShutdown(std::function<void()> callback)
{
    static std::once_flag registered;
    shutdownCallback() = std::move(callback);
    std::call_once(registered, [] {
        ISC_STATUS_ARRAY status;
        fb_shutdown_callback(status, engineShutdownHook, fb_shut_preproviders, nullptr);
    });
}

void Connection::shutdownEngine()
{
    Firebird::IProvider* provider = master()->getDispatcher();
    Status status;
    provider->shutdown(status.get(), 0, fb_shutrsn_app_stopped);
    provider->release();
}

} // namespace fb
