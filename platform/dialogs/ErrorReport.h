#pragma once

#include "platform/dialogs/DialogService.h"

#include <QString>

#include <exception>

class QWidget;

namespace dlg {

// Runs one handler of a window the way the application's default error report does: a
// failure is shown in an error box with its text and the rest of the handler does not run.
// Returns false when the handler failed.
template <typename Handler> bool guarded(QWidget* parent, Handler&& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        showError(parent, QString::fromUtf8(error.what()));
    }
    return false;
}

} // namespace dlg
