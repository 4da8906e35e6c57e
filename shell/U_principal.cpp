#include "shell/U_principal.h"

#include "common/Deployment.h"
#include "data/U_datamodulo.h"
#include "platform/dialogs/DialogService.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/report/DataSetSource.h"
#include "platform/system/DesktopActions.h"
#include "referral/U_Cad_Alunos.h"
#include "referral/U_encaminhamento_vaga_branco.h"
#include "referral/U_pesquisa_escolas.h"
#include "referral/U_rel_doc_necessario_matricula.h"
#include "referral/U_vagas.h"
#include "registers/U_agendamento.h"
#include "registers/U_cad_escola.h"
#include "registers/U_cad_serie.h"
#include "registers/U_cad_turno.h"
#include "shell/AccessCheck.h"
#include "shell/MenuEntry.h"
#include "shell/PictureButton.h"
#include "shell/ScreenOpener.h"
#include "shell/StatusPanels.h"
#include "shell/U_ip.h"
#include "shell/U_whats.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

TFrmPrincipal* FrmPrincipal = nullptr;

namespace {

// The blank sheet opens the presidents itself: its signature block prints the current one.
void previewBlankSheet(QWidget* owner)
{
    dlg::guarded(owner, [owner] {
        dm->sqlpresidente->open();
        dm->cdspresidente->open();
        const report::DataSetSource presidente(*dm->cdspresidente);
        TFrm_escaminhamento_vaga_branco document(presidente, owner);
        document.preview(owner);
    });
}

void previewDocumentsSheet(QWidget* owner)
{
    dlg::guarded(owner, [owner] {
        TFrm_Rel_Doc_Necessario_Matri document(owner);
        document.preview(owner);
    });
}

// What each entry opens. An empty opener keeps the entry inert until its screen exists.
const shell::OpenerTable& screens()
{
    static const shell::OpenerTable table = {
        {QStringLiteral("Encaminhamento1"), shell::modal<TFrm_Cad_Aluno>()},
        {QStringLiteral("Atendimento1"), {}}, // TFrm_Cad_Atendimento
        {QStringLiteral("Agendamento1"), shell::modal<TForm_Agenda>()},
        {QStringLiteral("Escola1"), shell::modal<TFrm_Cad_Escola>()},
        {QStringLiteral("Turno1"), shell::modal<TFrm_Cad_Turno>()},
        {QStringLiteral("Serie1"), shell::modal<TFrm_Cad_Serie>()},
        {QStringLiteral("Vagas1"), shell::modal<TFrm_Cad_Vagas>()},
        {QStringLiteral("Pesquisas1"), {}}, // TFrm_Pesquisas
        {QStringLiteral("FolhaparaAssinar1"), previewBlankSheet},
        {QStringLiteral("DocumentosparaMatricular1"), previewDocumentsSheet},
        {QStringLiteral("PesquisarEscolas1"), shell::modal<TFrm_Pesquisa_Escolas>()},
        {QStringLiteral("REDE1"), shell::modal<TFrm_rede>()},
        {QStringLiteral("Whatsapp1"), shell::modal<TFrm_Whats>()},
    };
    return table;
}

} // namespace

TFrmPrincipal::TFrmPrincipal(QWidget* parent) : ShellDialog(parent)
{
    setObjectName(QStringLiteral("FrmPrincipal"));
    setWindowTitle(QStringLiteral("Quenara Sistemas - SME - VIDA ESCOLAR"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);

    auto* bar = new QMenuBar(this);
    QMenu* cadastro = bar->addMenu(QStringLiteral("&Cadastro"));
    cadastro->addSeparator();
    QAction* encaminhamento =
        addEntry(cadastro, "Encaminhamento1", QStringLiteral("Encaminhamento"), QKeySequence(Qt::Key_F2));
    cadastro->addSeparator();
    QAction* atendimento =
        addEntry(cadastro, "Atendimento1", QStringLiteral("Atendimento"), QKeySequence(Qt::Key_F6));
    addEntry(cadastro, "Agendamento1", QStringLiteral("Agendamento"));
    cadastro->addSeparator();
    QAction* escola = addEntry(cadastro, "Escola1", QStringLiteral("Escola"));
    addEntry(cadastro, "Turno1", QStringLiteral("Turno"));
    addEntry(cadastro, "Serie1", QStringLiteral("Serie"));
    QAction* vagas = addEntry(cadastro, "Vagas1", QStringLiteral("Vagas"));
    cadastro->addSeparator();

    QMenu* relatorios = bar->addMenu(QStringLiteral("&Relatorios"));
    QAction* pesquisas =
        addEntry(relatorios, "Pesquisas1", QStringLiteral("Pesquisas"), QKeySequence(Qt::Key_F3));
    QMenu* documentos = relatorios->addMenu(QStringLiteral("Relatorios"));
    documentos->menuAction()->setObjectName(QStringLiteral("Relatorios1"));
    addEntry(documentos, "FolhaparaAssinar1", QStringLiteral("Folha para Assinar"));
    addEntry(documentos, "DocumentosparaMatricular1", QStringLiteral("Documentos para Matricular"));
    addEntry(relatorios, "PesquisarEscolas1", QStringLiteral("Pesquisar Escolas"));

    QMenu* administracao = bar->addMenu(QStringLiteral("&Administração"));
    QAction* online =
        addEntry(administracao, "VagasOnline1", QStringLiteral("Vagas Online"), QKeySequence(Qt::Key_F5));
    QMenu* utilitarios = administracao->addMenu(QStringLiteral("Utilitarios"));
    utilitarios->menuAction()->setObjectName(QStringLiteral("Utilitarios1"));
    addEntry(utilitarios, "REDE1", QStringLiteral("REDE"));
    addEntry(utilitarios, "Whatsapp1", QStringLiteral("Whatsapp"));

    QMenu* sairMenu = bar->addMenu(QStringLiteral("Sair"));
    QAction* sair = addEntry(sairMenu, "Sair1", QStringLiteral("Sair"), QKeySequence(Qt::Key_F11));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    auto* band = new PictureBand(137, this);
    const std::pair<PictureButton*, QAction*> pictures[] = {
        {band->add(QStringLiteral("img1"), QStringLiteral("encaminhamento.png"),
                   QStringLiteral("ENCAMINHAMENTO - F2"), QStringLiteral("ENCAMINHAMENTO")),
         encaminhamento},
        {band->add(QStringLiteral("img2"), QStringLiteral("pesquisar.png"), QStringLiteral("PESQUISAR - F3"),
                   QStringLiteral("PESQUISAR - F3")),
         pesquisas},
        {band->add(QStringLiteral("img3"), QStringLiteral("escolas.png"), QStringLiteral("RH - F4"),
                   QStringLiteral("ESCOLAS - F4")),
         escola},
        {band->add(QStringLiteral("img4"), QStringLiteral("vagas.png"), QStringLiteral("VAGAS - F4"),
                   QStringLiteral("VAGAS - F5")),
         vagas},
        {band->add(QStringLiteral("img5"), QStringLiteral("atendimento.png"),
                   QStringLiteral("ATENDIMENTO - F6"), QStringLiteral("ATENDIMENTO - F6")),
         atendimento},
        {band->add(QStringLiteral("img6"), QStringLiteral("sair.png"),
                   QStringLiteral("SAIR DO SISTEMA - F11"), QStringLiteral("SAIR - F11")),
         sair},
    };
    for (const auto& [picture, action] : pictures)
        connect(picture, &PictureButton::clicked, action, &QAction::trigger);
    layout->addWidget(band);
    layout->addWidget(new BackgroundPicture(QStringLiteral("fundo_setor.png"), this), 1);
    StatusBar1 = new StatusPanels(
        QStringLiteral("StatusBar1"), 34,
        {{100, QColor(0x00, 0x00, 0x80), true}, {250, Qt::red, true}, {200, Qt::blue, true}}, this);
    layout->addWidget(StatusBar1);

    shell::connectOpeners(this, screens());
    connect(online, &QAction::triggered, this, &TFrmPrincipal::VagasOnline1Click);
    connect(sair, &QAction::triggered, this, &ShellDialog::leave);

    Timer1 = startClock(this, [this] { Timer1Timer(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->size());
    setWindowState(Qt::WindowMaximized);
}

void TFrmPrincipal::showEvent(QShowEvent* event)
{
    ShellDialog::showEvent(event);
    StatusBar1->setText(2, QStringLiteral("Usuário logado: ") + signedInLogin());
}

void TFrmPrincipal::closeEvent(QCloseEvent* event)
{
    // the title-bar close button leaves like "Sair"
    event->accept();
    leave();
}

void TFrmPrincipal::Timer1Timer()
{
    StatusBar1->setText(0, longTimeText());
    StatusBar1->setText(1, longDateText());
}

void TFrmPrincipal::VagasOnline1Click()
{
    const QUrl folder(deployment::onlineVacancyFolderUrl());
    if (!sys::openUrl(folder))
        dlg::showError(this, QStringLiteral("Não foi possível abrir ") + folder.toString());
}
