#pragma once

#include "platform/dialogs/DialogService.h"

namespace dlg {

// The real boxes, with QMessageBox.
class MessageBoxService final : public DialogService
{
public:
    Button show(QWidget* parent, const Request& request) override;
};

} // namespace dlg
