#include "platform/system/DesktopActions.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace sys {

namespace {

QString& restartProgram()
{
    static QString program;
    return program;
}

// Runs as the application object goes away, after the embedded database engine has let go
// of the database file: a copy started earlier could not open it.
void startRestartProgram()
{
    QProcess::startDetached(restartProgram(), {});
}

DesktopActions& installed()
{
    static DesktopActions actions;
    return actions;
}

} // namespace

void setDesktopActions(DesktopActions actions)
{
    installed() = std::move(actions);
}

bool openUrl(const QUrl& url)
{
    if (installed().openUrl)
        return installed().openUrl(url);
    return QDesktopServices::openUrl(url);
}

void restartAfterExit()
{
    if (installed().restartAfterExit) {
        installed().restartAfterExit();
        return;
    }
    if (restartProgram().isEmpty())
        qAddPostRoutine(startRestartProgram);
    restartProgram() = QCoreApplication::applicationFilePath();
}

void terminateApplication()
{
    if (installed().terminate) {
        installed().terminate();
        return;
    }
    QCoreApplication::exit(0);
}

} // namespace sys
