#include "shell/U_tela_escola.h"

#include "referral/U_vagas.h"
#include "registers/U_Cad_Colaborador.h"
#include "registers/U_cad_cronograma_escolar.h"
#include "registers/U_cad_escola.h"
#include "registers/U_cad_serie.h"
#include "registers/U_cad_turno.h"
#include "shell/MenuEntry.h"
#include "shell/PictureButton.h"
#include "shell/ScreenOpener.h"
#include "shell/StatusPanels.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// What each entry opens. An empty opener keeps the entry inert until its screen exists.
const shell::OpenerTable& screens()
{
    static const shell::OpenerTable table = {
        {QStringLiteral("Alunos1"), {}}, // TFrm_Cad_Escolar_Anual
        {QStringLiteral("Escolas1"), shell::modal<TFrm_Cad_Escola>()},
        {QStringLiteral("Serie1"), shell::modal<TFrm_Cad_Serie>()},
        {QStringLiteral("Turno1"), shell::modal<TFrm_Cad_Turno>()},
        {QStringLiteral("Vagas1"), shell::modal<TFrm_Cad_Vagas>()},
        {QStringLiteral("Colaborador1"), shell::modal<TFrm_Cad_Colaborador>()},
        {QStringLiteral("PesquiarFiltro1"), {}}, // TFrm_Pesq_Escolar_Anual_Filtro
        {QStringLiteral("CronogramadeCadastroEscolar1"), shell::modal<TFrm_Cad_Cronograma_Escolar>()},
    };
    return table;
}

} // namespace

TFrm_Escolas::TFrm_Escolas(QWidget* parent) : ShellDialog(parent)
{
    setObjectName(QStringLiteral("Frm_Escolas"));
    setWindowTitle(QStringLiteral("SISTEMA DE ESCOLAR - SME - CORMAVI"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);

    auto* bar = new QMenuBar(this);
    QMenu* cadastros = bar->addMenu(QStringLiteral("Cadastros"));
    addEntry(cadastros, "Atendimento1", QStringLiteral("Atendimento"));
    QAction* alunos = addEntry(cadastros, "Alunos1", QStringLiteral("Alunos"));
    cadastros->addSeparator();
    QAction* escolas = addEntry(cadastros, "Escolas1", QStringLiteral("Escolas"));
    addEntry(cadastros, "Serie1", QStringLiteral("Serie"));
    addEntry(cadastros, "Turno1", QStringLiteral("Turno"));
    QAction* vagas = addEntry(cadastros, "Vagas1", QStringLiteral("Vagas"));
    cadastros->addSeparator();
    addEntry(cadastros, "Colaborador1", QStringLiteral("Colaborador"));
    addEntry(cadastros, "PesquiarFiltro1", QStringLiteral("Pesquiar Filtro"));

    QMenu* administracao = bar->addMenu(QStringLiteral("Administracao"));
    administracao->addSeparator();
    addEntry(administracao, "Agendamento1", QStringLiteral("Agendamento"),
             QKeySequence(Qt::CTRL | Qt::Key_A));
    administracao->addSeparator();
    addEntry(administracao, "WhatsAPP1", QStringLiteral("WhatsAPP"));
    addEntry(administracao, "CronogramadeCadastroEscolar1", QStringLiteral("Cronograma de Cadastro Escolar"));

    QMenu* sairMenu = bar->addMenu(QStringLiteral("Sair"));
    QAction* sair = addEntry(sairMenu, "SairdoSistema1", QStringLiteral("Sair do Sistema"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    auto* band = new PictureBand(137, this);
    const std::pair<PictureButton*, QAction*> pictures[] = {
        {band->add(QStringLiteral("img2"), QStringLiteral("alunos.png"), QStringLiteral("CADASTRO DE ALUNOS"),
                   QStringLiteral("ALUNOS -CMEI")),
         alunos},
        {band->add(QStringLiteral("img3"), QStringLiteral("escolas.png"),
                   QStringLiteral("CADASTRO DE ESCOLAS - F3"), QStringLiteral("ESCOLAS")),
         escolas},
        {band->add(QStringLiteral("img4"), QStringLiteral("matricular.png"), QStringLiteral("MATRICULAR"),
                   QStringLiteral("MATRICULAR")),
         nullptr},
        {band->add(QStringLiteral("img5"), QStringLiteral("vagas.png"),
                   QStringLiteral("CADASTRO DE VAGAS - F4"), QStringLiteral("VAGAS - F5")),
         vagas},
        {band->add(QStringLiteral("imgSair"), QStringLiteral("sair.png"), QStringLiteral("SAIR"),
                   QStringLiteral("SAIR DO SISTEMA")),
         sair},
    };
    for (const auto& [picture, action] : pictures) {
        if (action)
            connect(picture, &PictureButton::clicked, action, &QAction::trigger);
    }
    layout->addWidget(band);
    layout->addWidget(new BackgroundPicture(QStringLiteral("fundo_setor.png"), this), 1);
    StatusBar1 = new StatusPanels(QStringLiteral("StatusBar1"), 34, {{200}, {70}}, this);
    layout->addWidget(StatusBar1);

    shell::connectOpeners(this, screens());
    connect(sair, &QAction::triggered, this, &ShellDialog::leave);

    Timer1 = startClock(this, [this] { Timer1Timer(); });
    setWindowState(Qt::WindowMaximized);
}

void TFrm_Escolas::Timer1Timer()
{
    StatusBar1->setText(0, longDateText());
    StatusBar1->setText(1, longTimeText());
}
