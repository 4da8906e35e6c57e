#include "shell/AccessCheck.h"

#include "data/U_datamodulo.h"
#include "platform/dialogs/DialogService.h"

namespace {
std::function<QString()>& loginSource()
{
    static std::function<QString()> source;
    return source;
}
} // namespace

void setSignedInLoginSource(std::function<QString()> source)
{
    loginSource() = std::move(source);
}

QString signedInLogin()
{
    return loginSource() ? loginSource()() : QString();
}

bool checkAccess(QWidget* parent, const QString& level, AccessVariant variant)
{
    ds::ClientDataSet* user = dm->CdsUsuario;
    if (!user->isActive())
        user->open();
    if (user->fieldByName(QStringLiteral("NIVEL")).asString() != level) {
        dlg::dialogService().show(parent, {QStringLiteral("Sem Permissão"),
                                           QStringLiteral("Voce Nao tem Permissão\rChame o Administrador "),
                                           dlg::Icon::Error, dlg::Button::Ok, dlg::Button::Ok});
        return false;
    }
    if (variant == AccessVariant::Announcing)
        dlg::showMessage(parent, QStringLiteral("Autorizado"));
    return true;
}
