#include "tests/more_registers/MoreRegistersFixture.h"

#include "data/U_datamodulo.h"
#include "shell/AccessCheck.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <QtTest/QTest>

void MoreRegistersTest::SetUp()
{
    m_data.emplace();
    signInAs(QStringLiteral("SUPORTE"), QStringLiteral("SUPORTE123"));
}

void MoreRegistersTest::TearDown()
{
    setSignedInLoginSource({});
    m_data.reset();
}

void MoreRegistersTest::showScreen(QWidget* screen)
{
    screen->show();
    QApplication::setActiveWindow(screen);
}

void MoreRegistersTest::signInAs(const QString& login, const QString& password)
{
    setSignedInLoginSource([login] { return login; });
    dm->CdsUsuario->close();
    dm->CdsUsuario->setParam(QStringLiteral("login"), login);
    dm->CdsUsuario->setParam(QStringLiteral("senha"), password);
}

void MoreRegistersTest::click(QWidget* screen, const char* name)
{
    if (auto* b = child<QAbstractButton>(screen, name)) {
        EXPECT_TRUE(b->isEnabled()) << name;
        b->click();
    }
}

void MoreRegistersTest::typeInto(QWidget* widget, const QString& text)
{
    widget->setFocus();
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
        if (c.unicode() < 128)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void MoreRegistersTest::retype(QWidget* edit, const QString& digits)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, digits);
}

void MoreRegistersTest::screenshot(QWidget* screen, const QString& name)
{
    const QString target = qEnvironmentVariable("QN_SCREENSHOT_DIR");
    if (target.isEmpty())
        return;
    QDir().mkpath(target);
    EXPECT_TRUE(screen->grab().save(QDir(target).filePath(name + QStringLiteral(".png"))));
}
