#pragma once

#include "tests/support/DemoDataModule.h"
#include "tests/support/ScriptedDialogs.h"

#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>

class QToolButton;
class QWidget;

// The demo database with dm started on it; boxes are answered by the script.
class RegisterTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Another workstation: its own attachment, one statement, committed.
    void exec(const QString& sql) const;
    QVariant scalar(const QString& sql) const;

    static QToolButton* button(QWidget* screen, const char* name);
    static void click(QWidget* screen, const char* name);
    static void typeInto(QWidget* edit, const QString& text);
    // Saves screen.grab() as <name>.png in QN_SCREENSHOT_DIR, when set.
    static void screenshot(QWidget* screen, const QString& name);

    std::unique_ptr<testing_support::DemoDataModule> data;
    testing_support::DialogScript dialogs;
};
