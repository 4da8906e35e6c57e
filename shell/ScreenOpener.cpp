#include "shell/ScreenOpener.h"

#include "platform/dialogs/ErrorReport.h"

#include <QAction>
#include <QDialog>
#include <QWidget>

#include <stdexcept>

#include <memory>

namespace shell {

void openModal(QWidget* owner, const std::function<QDialog*(QWidget*)>& create)
{
    dlg::guarded(owner, [&] {
        const std::unique_ptr<QDialog> screen(create(owner));
        screen->exec();
    });
}

void connectOpeners(QWidget* owner, const OpenerTable& table)
{
    for (const auto& [name, opener] : table) {
        auto* action = owner->findChild<QAction*>(name);
        if (!action)
            throw std::logic_error("no menu entry " + name.toStdString());
        if (opener)
            QObject::connect(action, &QAction::triggered, owner, [owner, opener = opener] { opener(owner); });
    }
}

} // namespace shell
