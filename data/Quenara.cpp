#include "data/Startup.h"
#include "platform/firebird/FbConnection.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int result = runQuenara(app);
    fb::Connection::shutdownEngine(); // the embedded engine's threads would keep the process alive
    return result;
}
