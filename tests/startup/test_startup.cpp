// The program's start on a config.ini beside this test's own executable.
#include "data/Startup.h"
#include "data/U_datamodulo.h"
#include "shell/U_login.h"
#include "tests/support/DemoDataModule.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QString besideExecutable()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("config.ini"));
}

void writeConfig(const QString& path, const QString& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    return names;
}

class Startup : public ::testing::Test
{
protected:
    void TearDown() override
    {
        QFile::remove(besideExecutable());
        QDir::setCurrent(m_oldDir);
    }
    QString m_oldDir = QDir::currentPath();
};

TEST_F(Startup, FailedConnectionIsShownAndNoWindowAppears)
{
    // a valid config.ini in the working folder plays no part
    testing_support::DemoDataModule elsewhere(false);
    const QString valid = elsewhere.configPath();
    delete dm;
    dm = nullptr;
    QDir::setCurrent(QFileInfo(valid).absolutePath());
    QFile::remove(besideExecutable());

    testing_support::DialogScript dialogs;
    bool anyWindow = false;
    QTimer::singleShot(0, [&] { anyWindow = !visibleWindows().isEmpty(); });
    EXPECT_EQ(runQuenara(*qApp), 1);
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].icon, dlg::Icon::Error);
    EXPECT_TRUE(dialogs->shown()[0].text.contains(QStringLiteral("DATABASE")))
        << dialogs->shown()[0].text.toStdString();
    EXPECT_TRUE(visibleWindows().isEmpty());
    EXPECT_FALSE(anyWindow);
    EXPECT_EQ(FrmLogin, nullptr);
    EXPECT_EQ(dm, nullptr);
}

TEST_F(Startup, TheLoginFormIsTheOnlyWindowShown)
{
    testing_support::DemoDataModule data;
    delete dm; // the program makes its own
    dm = nullptr;
    writeConfig(besideExecutable(),
                QStringLiteral("[config]\nhostname=\ndatabase=%1\nuser_name=SYSDBA\npassword=\n")
                    .arg(data.databasePath()));
    testing_support::DialogScript dialogs;
    QStringList shown;
    // look once the program's own loop runs (the login form's show handler waits in one of its own)
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (QThread::currentThread()->loopLevel() != 1)
            return;
        shown = visibleWindows();
        QCoreApplication::exit(0);
    });
    probe.start(50);
    EXPECT_EQ(runQuenara(*qApp), 0);
    EXPECT_EQ(shown, QStringList({QStringLiteral("FrmLogin")}));
    EXPECT_TRUE(dialogs->shown().empty());
}

} // namespace
