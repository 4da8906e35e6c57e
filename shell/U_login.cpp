#include "shell/U_login.h"

#include "common/Deployment.h"
#include "data/U_datamodulo.h"
#include "platform/dialogs/DialogService.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/system/DesktopActions.h"
#include "platform/system/HttpGet.h"
#include "platform/system/NetworkInfo.h"
#include "shell/AccessCheck.h"
#include "shell/EnterMovesFocus.h"
#include "shell/PictureButton.h"
#include "shell/StatusPanels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QValidator>
#include <QVersionNumber>

TFrmLogin* FrmLogin = nullptr;

namespace {

// Bounds the echo request: offline, the form would otherwise wait for the network's own give-up.
constexpr int kEchoTimeoutMs = 3000;

QUrl& echoOverride()
{
    static QUrl url;
    return url;
}

// Letters become capitals as they are typed (and pasted).
class CapitalsValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// The password box shows "*" for every character, whatever the style's own mask.
class StarMaskStyle final : public QProxyStyle
{
public:
    StarMaskStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QPushButton* pictureButton(const QString& name, const QString& text, const QString& icon, const QString& hint,
                           QWidget* parent)
{
    auto* button = new QPushButton(QIcon(shellPicture(icon)), text, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIconSize({24, 24});
    button->setMinimumHeight(36);
    return button;
}

} // namespace

TFrmLogin::TFrmLogin(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmLogin"));
    setWindowTitle(QStringLiteral("Quenara Sistemas - SME"));
    setFixedSize(744, 283);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto* left = new BackgroundPicture(QStringLiteral("fundo_login.png"), this);
    left->setFixedWidth(310);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 6, 0, 0);
    lbl_rede = boldLabel(QStringLiteral("rede"), left);
    lbl_rede->setObjectName(QStringLiteral("lbl_rede"));
    lbl_rede->setContentsMargins(8, 0, 0, 0);
    setTextColor(lbl_rede, QColor(0x4C, 0xFF, 0x4C)); // a green that reads on the dark picture
    stat1 = new StatusPanels(QStringLiteral("stat1"), 22,
                             {{150, QColor(0x00, 0x00, 0x80), false}, {150, Qt::red, false}}, left);
    stat1->setToolTip(QStringLiteral("IP Externo e IP interno"));
    leftLayout->addWidget(lbl_rede);
    leftLayout->addStretch(1);
    leftLayout->addWidget(stat1);
    root->addWidget(left);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(22, 14, 22, 10);
    right->setSpacing(6);
    auto* title = boldLabel(QStringLiteral("Acesso ao Sistema"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    title->setFont(titleFont);
    lblversao = new QLabel(QStringLiteral("Versão....:"), this);
    lblversao->setObjectName(QStringLiteral("lblversao"));
    setTextColor(lblversao, Qt::red);
    auto* heading = new QHBoxLayout;
    heading->addWidget(title);
    heading->addStretch(1);
    heading->addWidget(lblversao, 0, Qt::AlignBottom);
    right->addLayout(heading);

    auto* group = new QFrame(this);
    group->setFrameShape(QFrame::StyledPanel);
    auto* boxes = new QHBoxLayout(group);
    auto* fields = new QVBoxLayout;
    EdtUsuario = new QLineEdit(group);
    EdtUsuario->setObjectName(QStringLiteral("EdtUsuario"));
    EdtUsuario->setToolTip(QStringLiteral("Digite o Usuario"));
    EdtUsuario->setValidator(new CapitalsValidator(EdtUsuario));
    EdtSenha = new QLineEdit(group);
    EdtSenha->setObjectName(QStringLiteral("EdtSenha"));
    EdtSenha->setToolTip(QStringLiteral("Digite a Senha"));
    EdtSenha->setValidator(new CapitalsValidator(EdtSenha));
    auto* starStyle = new StarMaskStyle;
    starStyle->setParent(EdtSenha);
    EdtSenha->setStyle(starStyle);
    EdtSenha->setEchoMode(QLineEdit::Password);
    fields->addWidget(boldLabel(QStringLiteral("Usuário:"), group));
    fields->addWidget(EdtUsuario);
    fields->addWidget(boldLabel(QStringLiteral("Senha:"), group));
    fields->addWidget(EdtSenha);
    boxes->addLayout(fields, 1);
    auto* buttons = new QVBoxLayout;
    BtnAcessar = pictureButton(QStringLiteral("BtnAcessar"), QStringLiteral("Acessar"),
                               QStringLiteral("btn_acessar.png"),
                               QStringLiteral("Clique aqui para acessar o Sistema!"), group);
    BtnSair = pictureButton(QStringLiteral("BtnSair"), QStringLiteral("Sair"), QStringLiteral("btn_sair.png"),
                            QStringLiteral("Clique aqui para acessar Sair"), group);
    btnatualizar =
        pictureButton(QStringLiteral("btnatualizar"), QStringLiteral("Atualizar"),
                      QStringLiteral("btn_atualizar.png"), QStringLiteral("Atualizar Sistema"), group);
    btnatualizar->setCursor(Qt::PointingHandCursor);
    buttons->addWidget(BtnAcessar);
    buttons->addWidget(BtnSair);
    buttons->addWidget(btnatualizar);
    boxes->addLayout(buttons);
    right->addWidget(group);

    auto* support = boldLabel(QStringLiteral("SUPORTE TÉCNICO"), this);
    setTextColor(support, QColor(0x00, 0x80, 0x00));
    lblcontato = new QLabel(deployment::supportContactText(), this);
    lblcontato->setObjectName(QStringLiteral("lblcontato"));
    lblcontato->setToolTip(QStringLiteral("Clique aqui para ir para site de suporte"));
    lblcontato->setCursor(Qt::PointingHandCursor);
    lblcontato->setWordWrap(true);
    lblcontato->installEventFilter(this);
    setTextColor(lblcontato, Qt::red);
    right->addStretch(1);
    right->addWidget(support);
    right->addWidget(lblcontato);
    root->addLayout(right, 1);

    setTabOrder(EdtUsuario, EdtSenha);
    setTabOrder(EdtSenha, BtnAcessar);
    setTabOrder(BtnAcessar, BtnSair);
    setTabOrder(BtnSair, btnatualizar);

    connect(BtnAcessar, &QPushButton::clicked, this, &TFrmLogin::BtnAcessarClick);
    connect(BtnSair, &QPushButton::clicked, this, &TFrmLogin::BtnSairClick);
    connect(btnatualizar, &QPushButton::clicked, this, &TFrmLogin::btnatualizarClick);
    installEnterMovesFocus(this);

    tmrRede = new QTimer(this);
    tmrRede->setObjectName(QStringLiteral("tmrRede"));
    tmrRede->setInterval(1000);
    connect(tmrRede, &QTimer::timeout, this, &TFrmLogin::tmrRedeTimer);
    tmrRede->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    setSignedInLoginSource([this] { return EdtUsuario->text(); });
}

void TFrmLogin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    dlg::guarded(this, [] { dm->cdslogin->open(); });
    lblversao->setText(QStringLiteral("Versão....:") + VersaoExe());
    stat1->setText(0, QStringLiteral("Ip Externo.:") + GetIPReal());
    stat1->setText(1, QStringLiteral("Ip Local.:") + GetLocalIP());
}

void TFrmLogin::closeEvent(QCloseEvent* event)
{
    // left only by signing in, "Sair" or "Atualizar"
    event->ignore();
}

bool TFrmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblcontato && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblcontatoClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmLogin::clearBoxes()
{
    EdtUsuario->clear();
    EdtSenha->clear();
    EdtUsuario->setFocus();
}

void TFrmLogin::BtnAcessarClick()
{
    const QString login = EdtUsuario->text();
    const QString password = EdtSenha->text();
    if (password.isEmpty() || login.isEmpty()) {
        dlg::showError(this, QStringLiteral("Os Campos Não podem Permanecer Vazio"), QStringLiteral("Erro"));
        clearBoxes();
        return;
    }
    dlg::guarded(this, [&] {
        ds::ClientDataSet* user = dm->CdsUsuario;
        user->close();
        user->fetchParams();
        user->setParam(QStringLiteral("login"), login);
        user->setParam(QStringLiteral("senha"), password);
        user->open();
        // the query matches with "like": only an exact match of both texts signs in
        const QString storedLogin = user->fieldByName(QStringLiteral("LOGIN")).asString();
        const QString storedPassword = user->fieldByName(QStringLiteral("SENHA")).asString();
        if (login == storedLogin && password == storedPassword) {
            dlg::showMessage(this, QStringLiteral("Seja bem vindo ") + storedLogin +
                                       QStringLiteral(" ao inicio do Sistema "));
            user->close();
            emit signedIn();
            hide();
        } else if (login != storedLogin && password != storedPassword) {
            dlg::showError(this, QStringLiteral("Usúario e Senha Incorretos"), QStringLiteral("Erro"));
            clearBoxes();
        }
    });
}

void TFrmLogin::BtnSairClick()
{
    sys::terminateApplication();
}

void TFrmLogin::btnatualizarClick()
{
    if (!dlg::askYesNo(this, QStringLiteral("Quenara SISTEMAS"),
                       QStringLiteral("A T E N Ç Ã O ! ! !\rDeseja fazer atualização ?")))
        return;
    if (!sys::openUrl(QUrl(deployment::updateDownloadUrl())))
        dlg::showError(this, QStringLiteral("Não foi possível abrir ") + deployment::updateDownloadUrl());
    sys::terminateApplication();
}

void TFrmLogin::lblcontatoClick()
{
    QUrl url(deployment::whatsappSendUrl());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("phone"), deployment::supportWhatsappNumber());
    url.setQuery(query);
    if (!sys::openUrl(url))
        dlg::showError(this, QStringLiteral("Não foi possível abrir ") + url.toString());
}

void TFrmLogin::tmrRedeTimer()
{
    lbl_rede->setText(IsConnected() ? QStringLiteral("Status Internet: Conectado")
                                    : QStringLiteral("Status Internet: Desconectado"));
}

QString VersaoExe()
{
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    if (version.isNull())
        return {};
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion())
        .arg(version.segmentCount() > 3 ? version.segmentAt(3) : 0);
}

QString externalAddressFromReply(const QByteArray& body)
{
    QString kept;
    for (const char c : body) {
        if ((c >= '0' && c <= '9') || c == '.')
            kept.append(QLatin1Char(c));
    }
    return kept.trimmed();
}

void setEchoService(const QUrl& url)
{
    echoOverride() = url;
}

QString GetIPReal()
{
    const QUrl service = echoOverride().isEmpty() ? QUrl(deployment::echoServiceUrl()) : echoOverride();
    const sys::HttpReply reply = sys::httpGet(service, kEchoTimeoutMs);
    if (!reply.ok)
        return QStringLiteral("ERRO AO RECUPERAR IP");
    return externalAddressFromReply(reply.body);
}

QString GetLocalIP(const QString& all)
{
    const QStringList addresses = sys::hostIPv4Addresses();
    if (!all.isEmpty())
        return addresses.join(QLatin1Char(','));
    return addresses.isEmpty() ? QString() : addresses.first();
}

bool IsConnected()
{
    return sys::internetConnected();
}
