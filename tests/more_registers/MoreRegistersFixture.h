#pragma once

#include "tests/support/DemoDataModule.h"
#include "tests/support/ScriptedDialogs.h"

#include <QString>
#include <QVariant>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// A demo database with a started data module, boxes answered by the script, and helpers to
// drive a screen through its objectNames.
class MoreRegistersTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename Screen, typename... Args> std::unique_ptr<Screen> open(Args&&... args)
    {
        auto screen = std::make_unique<Screen>(nullptr, std::forward<Args>(args)...);
        showScreen(screen.get());
        return screen;
    }
    static void showScreen(QWidget* screen);

    // The signed-in user, as the login form leaves it.
    void signInAs(const QString& login, const QString& password);
    QVariant scalar(const QString& sql) const { return m_data->scalar(sql); }
    void exec(const QString& sql) const { m_data->exec(sql); }

    template <typename T> static T* child(QWidget* screen, const char* name)
    {
        auto* w = screen->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void click(QWidget* screen, const char* name);
    static void typeInto(QWidget* widget, const QString& text);
    // Replaces what a masked box shows by the typed digits.
    static void retype(QWidget* edit, const QString& digits);
    // Saves screen.grab() as <name>.png in QN_SCREENSHOT_DIR, when set.
    static void screenshot(QWidget* screen, const QString& name);

    std::optional<testing_support::DemoDataModule> m_data;
    testing_support::DialogScript dialogs;
};
