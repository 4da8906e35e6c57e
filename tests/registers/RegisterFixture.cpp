#include "tests/registers/RegisterFixture.h"

#include <QDir>
#include <QToolButton>
#include <QtTest/QTest>

void RegisterTest::SetUp()
{
    data = std::make_unique<testing_support::DemoDataModule>();
}

void RegisterTest::TearDown()
{
    data.reset();
}

void RegisterTest::exec(const QString& sql) const
{
    data->exec(sql);
}

QVariant RegisterTest::scalar(const QString& sql) const
{
    return data->scalar(sql);
}

QToolButton* RegisterTest::button(QWidget* screen, const char* name)
{
    auto* b = screen->findChild<QToolButton*>(QLatin1String(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

void RegisterTest::click(QWidget* screen, const char* name)
{
    if (QToolButton* b = button(screen, name))
        b->click();
}

void RegisterTest::typeInto(QWidget* edit, const QString& text)
{
    edit->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void RegisterTest::screenshot(QWidget* screen, const QString& name)
{
    const QString target = qEnvironmentVariable("QN_SCREENSHOT_DIR");
    if (target.isEmpty())
        return;
    QDir().mkpath(target);
    EXPECT_TRUE(screen->grab().save(QDir(target).filePath(name + QStringLiteral(".png"))));
}
