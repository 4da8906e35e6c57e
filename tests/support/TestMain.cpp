// Test entry: the embedded engine gets a lock directory of its own, and is shut down at the
// end so that its threads do not keep the process alive.
#include "platform/firebird/FbConnection.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QTemporaryDir lockDir;
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        qputenv("FIREBIRD_LOCK", lockDir.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", lockDir.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    fb::Connection::shutdownEngine();
    return result;
}
