#include "tests/referral/ReferralFixture.h"

#include "data/U_datamodulo.h"
#include "shell/AccessCheck.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

void ReferralTest::SetUp()
{
    demo = std::make_unique<testing_support::DemoDataModule>(true, now().date());
    signInAs(QStringLiteral("VIDA"), QStringLiteral("VIDA123"));
}

void ReferralTest::TearDown()
{
    demo.reset();
    setSignedInLoginSource({});
}

void ReferralTest::signInAs(const QString& login, const QString& password)
{
    setSignedInLoginSource([login] { return login; });
    dm->CdsUsuario->close();
    dm->CdsUsuario->fetchParams();
    dm->CdsUsuario->setParam(QStringLiteral("login"), login);
    dm->CdsUsuario->setParam(QStringLiteral("senha"), password);
}

void ReferralTest::showScreen(QWidget* screen)
{
    screen->show();
    QApplication::setActiveWindow(screen);
    QApplication::processEvents();
}

void ReferralTest::clickTool(QWidget* screen, const char* name)
{
    if (auto* b = child<QToolButton>(screen, name)) {
        EXPECT_TRUE(b->isEnabled()) << name;
        b->click();
    }
    QApplication::processEvents();
}

void ReferralTest::clickButton(QWidget* screen, const char* name)
{
    if (auto* b = child<QPushButton>(screen, name))
        b->click();
    QApplication::processEvents();
}

void ReferralTest::pick(QComboBox* combo, const QString& item)
{
    const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << item.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void ReferralTest::typeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
    QApplication::processEvents();
}

void ReferralTest::mousePress(QWidget* box)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QApplication::processEvents();
}

void ReferralTest::screenshot(QWidget* screen, const QString& name)
{
    const QString dir = qEnvironmentVariable("QN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    EXPECT_TRUE(screen->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

void onNextModal(std::function<void(QWidget*)> handler)
{
    QTimer::singleShot(0, qApp, [handler = std::move(handler)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no window opened modally";
        const QPointer<QWidget> window(modal);
        handler(modal);
        if (window && window->isVisible() && window == QApplication::activeModalWidget()) {
            ADD_FAILURE() << window->objectName().toStdString() << " was left open";
            if (auto* dialog = qobject_cast<QDialog*>(window.data()))
                dialog->done(QDialog::Accepted);
        }
    });
}
