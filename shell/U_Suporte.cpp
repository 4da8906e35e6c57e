#include "shell/U_Suporte.h"

#include "registers/U_cad_cidades.h"
#include "registers/U_cad_cronograma_escolar.h"
#include "registers/U_cad_presidente.h"
#include "registers/U_cadusuario.h"
#include "shell/MenuEntry.h"
#include "shell/PictureButton.h"
#include "shell/ScreenOpener.h"
#include "shell/U_ip.h"
#include "shell/U_principal.h"
#include "shell/U_rh.h"
#include "shell/U_tela_escola.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

TFrm_Suporte* Frm_Suporte = nullptr;

namespace {

// What each entry opens. An empty opener keeps the entry inert until its screen exists.
const shell::OpenerTable& screens()
{
    static const shell::OpenerTable table = {
        {QStringLiteral("Presidente1"), shell::modal<TFrm_Cad_Presidente>()},
        {QStringLiteral("Usuario1"), shell::modal<TFrmCadUsuario>()},
        {QStringLiteral("Cidade1"), shell::modal<TFrm_Cad_Cidade>()},
        {QStringLiteral("Atendimento1"), {}}, // TFrm_Atendimento_Geral
        {QStringLiteral("CronogramadeCadastroEscolar1"), shell::modal<TFrm_Cad_Cronograma_Escolar>()},
        {QStringLiteral("REDE1"), shell::modal<TFrm_rede>()},
    };
    return table;
}

} // namespace

TFrm_Suporte::TFrm_Suporte(QWidget* parent) : ShellDialog(parent)
{
    setObjectName(QStringLiteral("Frm_Suporte"));
    setWindowTitle(QStringLiteral("SUPORTE"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);

    auto* bar = new QMenuBar(this);
    QMenu* cadastro = bar->addMenu(QStringLiteral("&Cadastro"));
    addEntry(cadastro, "Presidente1", QStringLiteral("Presidente"));
    addEntry(cadastro, "Usuario1", QStringLiteral("Usuário"));
    QAction* rh = addEntry(cadastro, "RH1", QStringLiteral("RH"));
    addEntry(cadastro, "Cidade1", QStringLiteral("Cidade"));
    addEntry(cadastro, "Atendimento1", QStringLiteral("Atendimento"));
    addEntry(cadastro, "CronogramadeCadastroEscolar1", QStringLiteral("Cronograma de Cadastro Escolar"));
    QMenu* administracao = bar->addMenu(QStringLiteral("&Administração"));
    QMenu* utilitarios = administracao->addMenu(QStringLiteral("Utilitarios"));
    utilitarios->menuAction()->setObjectName(QStringLiteral("Utilitarios1"));
    addEntry(utilitarios, "REDE1", QStringLiteral("REDE"));
    QMenu* sairMenu = bar->addMenu(QStringLiteral("Sair"));
    QAction* sair = addEntry(sairMenu, "Sair1", QStringLiteral("Sair"), QKeySequence(Qt::Key_F11));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    auto* band = new PictureBand(137, this);
    connect(band->add(QStringLiteral("img1"), QStringLiteral("vida_escolar.png"),
                      QStringLiteral("VIDA ESCOLAR - F2"), QStringLiteral("VIDA ESCOLAR")),
            &PictureButton::clicked, this, &TFrm_Suporte::img1Click);
    connect(band->add(QStringLiteral("img2"), QStringLiteral("escolas.png"), QStringLiteral("ESCOLAS - F3"),
                      QStringLiteral("ESCOLAS - F3")),
            &PictureButton::clicked, this, &TFrm_Suporte::img2Click);
    connect(band->add(QStringLiteral("img3"), QStringLiteral("rh.png"), QStringLiteral("RH - F4"),
                      QStringLiteral("RH - F4")),
            &PictureButton::clicked, rh, &QAction::trigger);
    connect(band->add(QStringLiteral("img6"), QStringLiteral("sair.png"), QStringLiteral("SAIR"),
                      QStringLiteral("SAIR - F11")),
            &PictureButton::clicked, sair, &QAction::trigger);
    layout->addWidget(band);
    layout->addStretch(1);

    shell::connectOpeners(this, screens());
    connect(rh, &QAction::triggered, this, &TFrm_Suporte::RH1Click);
    connect(sair, &QAction::triggered, this, &ShellDialog::leave);
}

void TFrm_Suporte::img1Click()
{
    FrmPrincipal->exec();
}

void TFrm_Suporte::img2Click()
{
    shell::modal<TFrm_Escolas>()(this);
}

void TFrm_Suporte::RH1Click()
{
    Frm_RH->exec();
}
