#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

namespace sys {

struct HttpReply
{
    bool ok = false;
    QByteArray body;
    QString error; // the network layer's text when !ok
};

// One blocking GET. User input waits meanwhile; timeoutMs bounds the whole transfer so that an
// offline workstation is not held up for long. A reply outside 2xx counts as a failure.
HttpReply httpGet(const QUrl& url, int timeoutMs);

} // namespace sys
