#pragma once

#include "tests/support/DemoDataModule.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QWidget>

class QComboBox;

// The demo database with a started dm, boxes answered by the script, and VIDA (level 1)
// signed in; the screens' clock stands at 11/12/2026 14:35.
class ReferralTest : public ::testing::Test
{
protected:
    static QDateTime now() { return QDateTime(QDate(2026, 12, 11), QTime(14, 35, 50)); }

    void SetUp() override;
    void TearDown() override;

    // As the login form leaves it: the login in the user box, CdsUsuario's parameters set.
    void signInAs(const QString& login, const QString& password);
    QVariant scalar(const QString& sql) const { return demo->scalar(sql); }
    void exec(const QString& sql) const { demo->exec(sql); }

    // Shows the window as the active one, as a shell would.
    static void showScreen(QWidget* screen);
    template <typename T> static T* child(QWidget* screen, const char* name)
    {
        auto* w = screen->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void clickTool(QWidget* screen, const char* name);
    static void clickButton(QWidget* screen, const char* name);
    // Picks the item as the user would (a bound pick-list writes it into the row).
    static void pick(QComboBox* combo, const QString& item);
    static void typeInto(QWidget* box, const QString& text);
    static void mousePress(QWidget* box);
    // Saves screen.grab() as <name>.png in QN_SCREENSHOT_DIR, when set.
    static void screenshot(QWidget* screen, const QString& name);

    testing_support::DialogScript dialogs;
    std::unique_ptr<testing_support::DemoDataModule> demo;
};

// Runs handler on the window opened modally next, once its event loop runs.
void onNextModal(std::function<void(QWidget*)> handler);
