#include "platform/dialogs/DialogService.h"

#include "platform/dialogs/MessageBoxService.h"

#include <QCoreApplication>

namespace dlg {

namespace {
std::unique_ptr<DialogService>& installed()
{
    static std::unique_ptr<DialogService> service = std::make_unique<MessageBoxService>();
    return service;
}
} // namespace

void setDialogService(std::unique_ptr<DialogService> service)
{
    installed() = service ? std::move(service) : std::make_unique<MessageBoxService>();
}

DialogService& dialogService()
{
    return *installed();
}

void showMessage(QWidget* parent, const QString& text)
{
    dialogService().show(parent,
                         {QCoreApplication::applicationName(), text, Icon::None, Button::Ok, Button::Ok});
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text, Icon icon, Button defaultButton)
{
    return dialogService().show(parent, {title, text, icon, Button::Yes | Button::No, defaultButton}) ==
           Button::Yes;
}

void showError(QWidget* parent, const QString& text, const QString& title)
{
    dialogService().show(parent, {title.isEmpty() ? QCoreApplication::applicationName() : title, text,
                                  Icon::Error, Button::Ok, Button::Ok});
}

} // namespace dlg
