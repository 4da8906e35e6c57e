#include "tests/shell/ShellFixture.h"

#include "data/Startup.h"

#include "data/DemoDatabase.h"
#include "data/U_datamodulo.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/system/DesktopActions.h"
#include "shell/AccessCheck.h"
#include "shell/U_Suporte.h"
#include "shell/U_login.h"
#include "shell/U_menu.h"
#include "shell/U_principal.h"
#include "shell/U_rh.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace shell_test {

QTemporaryDir* ShellTest::s_dir = nullptr;

namespace {

QString databasePath(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("demo.fdb"));
}

} // namespace

void ShellTest::SetUpTestSuite()
{
    s_dir = new QTemporaryDir;
    const QString path = databasePath(*s_dir);
    createSchemaDatabase(path, QStringLiteral("SYSDBA"), QString());
    fb::Connection connection;
    connection.attach({QString(), path, QStringLiteral("SYSDBA"), QString(), {}});
    loadDemoData(connection, QDate::currentDate());
    fb::Transaction tx = connection.startTransaction();
    // users beyond the demo's: small letters, level "0" and an empty level
    for (const char* sql :
         {"insert into USUARIO (CODIGO, NOME, LOGIN, SENHA, NIVEL) values (90, 'ANA', 'ana', 'ana123', '1')",
          "insert into USUARIO (CODIGO, NOME, LOGIN, SENHA, NIVEL) values (91, 'ZE', 'ZERO', 'ZERO123', '0')",
          "insert into USUARIO (CODIGO, NOME, LOGIN, SENHA, NIVEL) values (92, 'VI', 'VAZIO', 'VAZIO123', "
          "'')"}) {
        fb::Statement st(tx, QString::fromLatin1(sql));
        st.execute();
    }
    tx.commit();
    connection.detach();
    QFile config(s_dir->filePath(QStringLiteral("config.ini")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("[CONFIG]\nDATABASE=%1\nUSER_NAME=SYSDBA\n").arg(path).toUtf8());
}

void ShellTest::TearDownTestSuite()
{
    delete s_dir;
    s_dir = nullptr;
}

void ShellTest::SetUp()
{
    setEchoService(refusedUrl());
    sys::setDesktopActions({[this](const QUrl& url) {
                                desktop.opened.push_back(url);
                                return true;
                            },
                            [this] { ++desktop.restarts; }, [this] { ++desktop.terminations; }});
    dm = new Tdm;
    dm->setConfigPath(s_dir->filePath(QStringLiteral("config.ini")));
    dm->start();
}

void ShellTest::TearDown()
{
    destroyLongLived();
    setSignedInLoginSource({});
    sys::setDesktopActions({});
    setEchoService(QUrl());
}

void ShellTest::createWindows()
{
    FrmLogin = new TFrmLogin;
    Frm_Menu = new TFrm_Menu;
    FrmPrincipal = new TFrmPrincipal;
    Frm_RH = new TFrm_RH;
    Frm_Suporte = new TFrm_Suporte;
}

void ShellTest::signInAs(const QString& login, const QString& password)
{
    FrmLogin->EdtUsuario->setText(login);
    dm->CdsUsuario->close();
    dm->CdsUsuario->fetchParams();
    dm->CdsUsuario->setParam(QStringLiteral("login"), login);
    dm->CdsUsuario->setParam(QStringLiteral("senha"), password);
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
            leave(window);
        }
    });
}

void leaveNextModal(QStringList* seen)
{
    onNextModal([seen](QWidget* window) {
        seen->append(window->objectName());
        leave(window);
    });
}

void leave(QWidget* window)
{
    auto* dialog = qobject_cast<QDialog*>(window);
    ASSERT_NE(dialog, nullptr);
    dialog->done(QDialog::Accepted);
}

QUrl refusedUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port));
}

EchoServer::EchoServer(QByteArray body, bool answer) : m_body(std::move(body)), m_answer(answer)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n") || !m_answer)
                    return;
                socket->write(
                    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                    QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl EchoServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()));
}

} // namespace shell_test
