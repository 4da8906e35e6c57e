#pragma once

// Internal to the Firebird layer: access to the client library's master interface and the
// translation of its status vectors into fb::Error.

#include "platform/firebird/FbError.h"

#include <firebird/Interface.h>

namespace fb::detail {

Firebird::IMaster* master();
Firebird::IUtil* util();

// A status wrapper that turns any error into fb::Error with the formatted server text.
class Status final
{
public:
    Status();
    ~Status();
    Status(const Status&) = delete;
    Status& operator=(const Status&) = delete;

    Firebird::CheckStatusWrapper* get() { return &m_wrapper; }
    operator Firebird::CheckStatusWrapper*() { return &m_wrapper; }
    // Throws fb::Error when the last call failed.
    void check();
    bool failed() const;
    Error toError();

private:
    Firebird::IStatus* m_status;
    Firebird::CheckStatusWrapper m_wrapper;
};

// Runs call(status) and throws on failure.
template <typename F> auto checked(F&& call)
{
    Status status;
    if constexpr (std::is_void_v<decltype(call(status.get()))>) {
        call(status.get());
        status.check();
    } else {
        auto result = call(status.get());
        status.check();
        return result;
    }
}

// Firebird dates are days since 17 November 1858; times are 1/10000 s since midnight.
constexpr qint64 kJulianDayOfFirebirdEpoch = 2400001;

} // namespace fb::detail
