#include "platform/firebird/FbApi.h"

#include <QString>

namespace fb::detail {

Firebird::IMaster* master()
{
    static Firebird::IMaster* instance = Firebird::fb_get_master_interface();
    return instance;
}

Firebird::IUtil* util()
{
    return master()->getUtilInterface();
}

Status::Status() : m_status(master()->getStatus()), m_wrapper(m_status) {}

Status::~Status()
{
    m_status->dispose();
}

bool Status::failed() const
{
    return (m_status->getState() & Firebird::IStatus::STATE_ERRORS) != 0;
}

Error Status::toError()
{
    char buffer[2048];
    const unsigned length = util()->formatStatus(buffer, sizeof buffer, m_status);
    std::vector<long> codes;
    for (const intptr_t* v = m_status->getErrors(); v && *v != isc_arg_end;) {
        const intptr_t kind = v[0];
        if (kind == isc_arg_gds)
            codes.push_back(static_cast<long>(v[1]));
        v += (kind == isc_arg_cstring) ? 3 : 2;
    }
    QString text = QString::fromUtf8(buffer, static_cast<qsizetype>(length)).trimmed();
    return Error(text, std::move(codes));
}

void Status::check()
{
    if (failed()) {
        Error error = toError();
        m_status->init();
        throw error;
    }
}

} // namespace fb::detail
