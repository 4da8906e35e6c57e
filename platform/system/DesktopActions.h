#pragma once

#include <functional>

class QUrl;

namespace sys {

// What the program asks of the operating system beyond its windows: open an address in the
// default browser, start a fresh copy of itself once this one has ended, and end the run.
// Tests install their own so that no browser starts and the test run goes on.
struct DesktopActions
{
    std::function<bool(const QUrl&)> openUrl;
    std::function<void()> restartAfterExit;
    std::function<void()> terminate;
};

// Members left empty keep the real behaviour.
void setDesktopActions(DesktopActions actions);

bool openUrl(const QUrl& url); // false when nothing could open it
void restartAfterExit();
void terminateApplication(); // ends every event loop, modal ones included, without asking windows

} // namespace sys
