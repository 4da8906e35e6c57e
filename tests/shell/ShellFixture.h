#pragma once

#include "tests/support/ScriptedDialogs.h"

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

class QWidget;

namespace shell_test {

// What the program asked of the operating system during a test.
struct DesktopLog
{
    std::vector<QUrl> opened;
    int restarts = 0;
    int terminations = 0;
};

// A demo database shared by the suite, a fresh data module per test, the boxes answered by a
// script and the operating system's services recorded instead of run. The echo service
// points at a port that refuses, so that showing the login form does not wait.
class ShellTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The long-lived windows, as the start creates them.
    void createWindows();
    // Makes the user of this login the signed-in one, as a sign-in would.
    void signInAs(const QString& login, const QString& password);

    testing_support::DialogScript script;
    DesktopLog desktop;

private:
    static QTemporaryDir* s_dir;
};

// Runs handler on the next window that opens modally, once its event loop runs.
void onNextModal(std::function<void(QWidget*)> handler);
// Leaves the next modal window at once, noting its objectName in seen.
void leaveNextModal(QStringList* seen);
// Leaves the given window the way its exit command does.
void leave(QWidget* window);

// A port on 127.0.0.1 where nothing listens.
QUrl refusedUrl();

// An address-echo service on 127.0.0.1 that answers every GET with the body given.
class EchoServer final : public QTcpServer
{
public:
    explicit EchoServer(QByteArray body, bool answer = true);
    QUrl url() const;

private:
    QByteArray m_body;
    bool m_answer;
};

} // namespace shell_test
