#include "data/Startup.h"

#include "data/U_datamodulo.h"
#include "platform/dialogs/DialogService.h"
#include "platform/firebird/FbConnection.h"
#include "platform/report/ReportPreview.h"
#include "platform/system/Locale.h"
#include "shell/U_Suporte.h"
#include "shell/U_login.h"
#include "shell/U_menu.h"
#include "shell/U_principal.h"
#include "shell/U_rh.h"

#include <QApplication>
#include <QMetaObject>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <functional>
#include <vector>

namespace {

// The program's one visual style: Fusion with a calm blue-grey theme.
void applyVisualStyle(QApplication& app)
{
    QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style) {
        dlg::showError(nullptr, QStringLiteral("Não foi possível aplicar o estilo visual \"Fusion\"."));
        return;
    }
    app.setStyle(style);
    QPalette palette = style->standardPalette();
    palette.setColor(QPalette::Window, QColor(0xE9, 0xEE, 0xF3));
    palette.setColor(QPalette::Button, QColor(0xDD, 0xE5, 0xEE));
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x5D, 0x8A));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    app.setPalette(palette);
}

struct StartStep
{
    const char* name;
    std::function<void()> create;
};

} // namespace

void destroyLongLived()
{
    delete Frm_Suporte;
    Frm_Suporte = nullptr;
    delete Frm_RH;
    Frm_RH = nullptr;
    delete FrmPrincipal;
    FrmPrincipal = nullptr;
    delete Frm_Menu;
    Frm_Menu = nullptr;
    delete dm;
    dm = nullptr;
    delete FrmLogin;
    FrmLogin = nullptr;
}

int runQuenara(QApplication& app)
{
    app.setApplicationName(QStringLiteral("Quenara"));
    app.setApplicationVersion(QStringLiteral(QUENARA_VERSION));
    sys::applyBrazilianLocale(app);
    // The windows refuse to close, so end the loop itself when the engine stops on a signal.
    fb::Connection::onEngineShutdown([] {
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
    report::ReportPreview::setSaveErrorHandler(
        [](QWidget* parent, const QString& message) { dlg::showError(parent, message); });
    applyVisualStyle(app);

    // The long-lived objects, in the order they are created; each window of a later screen
    // is one line here.
    const std::vector<StartStep> steps = {
        {"FrmLogin", [] { FrmLogin = new TFrmLogin; }},
        {"dm",
         [] {
             dm = new Tdm(qApp);
             dm->start();
         }},
        {"Frm_Menu", [] { Frm_Menu = new TFrm_Menu; }},
        {"FrmPrincipal", [] { FrmPrincipal = new TFrmPrincipal; }},
        {"Frm_RH", [] { Frm_RH = new TFrm_RH; }},
        {"Frm_Suporte", [] { Frm_Suporte = new TFrm_Suporte; }},
        {"show FrmLogin", [] { FrmLogin->show(); }},
    };
    for (const StartStep& step : steps) {
        try {
            step.create();
        } catch (const std::exception& error) {
            // nothing is shown yet: report and end before any window appears
            dlg::showError(nullptr, QString::fromUtf8(error.what()));
            destroyLongLived();
            return 1;
        }
    }
    const int result = app.exec();
    destroyLongLived();
    return result;
}
