#pragma once

#include <QStringList>

namespace sys {

// The IPv4 addresses that the workstation's host name resolves to, in the resolver's order;
// empty when the name does not resolve.
QStringList hostIPv4Addresses();

// Whether the operating system reports a connection to the internet.
bool internetConnected();

} // namespace sys
