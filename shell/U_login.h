#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QUrl;
class StatusPanels;

class TFrmLogin final : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmLogin(QWidget* parent = nullptr);

    QLineEdit* EdtUsuario;
    QLineEdit* EdtSenha;
    QPushButton* BtnAcessar;
    QPushButton* BtnSair;
    QPushButton* btnatualizar;
    QLabel* lbl_rede;
    QLabel* lblversao;
    QLabel* lblcontato;
    StatusPanels* stat1;
    QTimer* tmrRede;

    void BtnAcessarClick();
    void BtnSairClick();
    void btnatualizarClick();
    void lblcontatoClick();
    void tmrRedeTimer();

signals:
    // A successful sign-in; the sector menu shows itself.
    void signedIn();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearBoxes();
};

extern TFrmLogin* FrmLogin;

// The program's version, "major.minor.release.build".
QString VersaoExe();
// The workstation's public address from the address-echo service, or "ERRO AO RECUPERAR IP".
QString GetIPReal();
// The first IPv4 address of the workstation's host name; empty when the name does not resolve.
// With a non-empty argument, all of them joined by ",".
QString GetLocalIP(const QString& all = QString());
bool IsConnected();

// The digits and dots of the echo service's reply, in order.
QString externalAddressFromReply(const QByteArray& body);
// Points GetIPReal at another echo service (tests); an empty address restores the deployment's.
void setEchoService(const QUrl& url);
