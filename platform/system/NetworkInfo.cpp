#include "platform/system/NetworkInfo.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace sys {

namespace {

// Without a reachability backend: some interface other than loopback is up with a routable
// IPv4 address.
bool anyInterfaceOnline()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& nic : interfaces) {
        const auto flags = nic.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : nic.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback() && !ip.isLinkLocal())
                return true;
        }
    }
    return false;
}

} // namespace

QStringList hostIPv4Addresses()
{
    QStringList result;
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            result.append(address.toString());
    }
    return result;
}

bool internetConnected()
{
    static const bool haveBackend =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    if (haveBackend && QNetworkInformation::instance()) {
        const auto reachability = QNetworkInformation::instance()->reachability();
        if (reachability != QNetworkInformation::Reachability::Unknown)
            return reachability == QNetworkInformation::Reachability::Online;
    }
    return anyInterfaceOnline();
}

} // namespace sys
