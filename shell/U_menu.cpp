#include "shell/U_menu.h"

#include "platform/dialogs/DialogService.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/system/DesktopActions.h"
#include "shell/AccessCheck.h"
#include "shell/MenuEntry.h"
#include "shell/PictureButton.h"
#include "shell/ScreenOpener.h"
#include "shell/StatusPanels.h"
#include "shell/U_Suporte.h"
#include "shell/U_login.h"
#include "shell/U_principal.h"
#include "shell/U_rh.h"
#include "shell/U_sobre.h"
#include "shell/U_tela_escola.h"
#include "shell/U_whats.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TFrm_Menu* Frm_Menu = nullptr;

namespace {

const QString kExitQuestion = QStringLiteral("A T E N Ç Ã O ! ! !\rDeseja Fechar o sistema ?");

// A database failure while reading the user's row is reported and counts as a refusal.
bool admits(QWidget* parent, const QString& level)
{
    bool admitted = false;
    dlg::guarded(parent, [&] { admitted = checkAccess(parent, level, AccessVariant::Silent); });
    return admitted;
}

} // namespace

TFrm_Menu::TFrm_Menu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Frm_Menu"));
    setWindowTitle(QStringLiteral("Quenara Sistemas - SME"));

    QMenu* setor = menuBar()->addMenu(QStringLiteral("Se&tor"));
    addEntry(setor, "Atendimentos1", QStringLiteral("Atendimentos"));
    setor->addSeparator();
    ESCOLAS2 = addEntry(setor, "ESCOLAS2", QStringLiteral("Acesso Escolas"));
    setor->addSeparator();
    addEntry(setor, "Pedagogico1", QStringLiteral("Acesso Peagagógico"));
    setor->addSeparator();
    addEntry(setor, "Programas1", QStringLiteral("Acesso Setor de Programas"));
    setor->addSeparator();
    RH2 = addEntry(setor, "RH2", QStringLiteral("Acesso Recursos Humanos"));
    setor->addSeparator();
    vidaescolar = addEntry(setor, "vidaescolar", QStringLiteral("Acesso Vida Escolar"));

    QMenu* relatorios = menuBar()->addMenu(QStringLiteral("&Relatórios"));
    relatorios->addSeparator();
    addEntry(relatorios, "Atendimentos2", QStringLiteral("Atendimentos"));

    QMenu* administracao = menuBar()->addMenu(QStringLiteral("&Administração"));
    administracao->addSeparator();
    QMenu* utilitarios = administracao->addMenu(QStringLiteral("Utilitarios"));
    utilitarios->menuAction()->setObjectName(QStringLiteral("Utilitarios1"));
    Whatsapp1 = addEntry(utilitarios, "Whatsapp1", QStringLiteral("Whatsapp"));
    Suporte1 = addEntry(administracao, "Suporte1", QStringLiteral("Suporte"));

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("A&juda?"));
    ajuda->addSeparator();
    mnuSobre = addEntry(ajuda, "mnuSobre", QStringLiteral("Sobre"));

    QMenu* sair = menuBar()->addMenu(QStringLiteral("&Sair"));
    sair->addSeparator();
    Logoff1 = addEntry(sair, "Logoff1", QStringLiteral("Logoff"));
    mnuSair = addEntry(sair, "mnuSair", QStringLiteral("Sair do Sistema"), QKeySequence(Qt::Key_F11));

    connect(vidaescolar, &QAction::triggered, this, &TFrm_Menu::vidaescolarClick);
    connect(ESCOLAS2, &QAction::triggered, this, &TFrm_Menu::ESCOLAS2Click);
    connect(RH2, &QAction::triggered, this, &TFrm_Menu::RH2Click);
    connect(Whatsapp1, &QAction::triggered, this, &TFrm_Menu::Whatsapp1Click);
    connect(Suporte1, &QAction::triggered, this, &TFrm_Menu::Suporte1Click);
    connect(mnuSobre, &QAction::triggered, this, &TFrm_Menu::mnuSobreClick);
    connect(Logoff1, &QAction::triggered, this, &TFrm_Menu::Logoff1Click);
    connect(mnuSair, &QAction::triggered, this, &TFrm_Menu::mnuSairClick);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new BackgroundPicture(QStringLiteral("fundo_menu.png"), central), 1);
    StatusBar1 = new StatusPanels(
        QStringLiteral("StatusBar1"), 34,
        {{100, QColor(0x00, 0x00, 0x80), true}, {250, Qt::red, true}, {200, Qt::blue, true}}, central);
    layout->addWidget(StatusBar1);
    setCentralWidget(central);

    Timer1 = startClock(this, [this] { Timer1Timer(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->size());
    setWindowState(Qt::WindowMaximized);

    if (FrmLogin)
        connect(FrmLogin, &TFrmLogin::signedIn, this, &QWidget::show);
}

void TFrm_Menu::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    StatusBar1->setText(2, QStringLiteral("Usuário logado: ") + signedInLogin());
}

void TFrm_Menu::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (dlg::askYesNo(this, QStringLiteral("Quenara"),
                      QStringLiteral("A T E N Ç Ã O ! ! !\rRealmente deseja encerrar o sistema ? ? ?")))
        sys::terminateApplication();
}

void TFrm_Menu::Timer1Timer()
{
    StatusBar1->setText(0, longTimeText());
    StatusBar1->setText(1, longDateText());
}

bool TFrm_Menu::nivel_basico()
{
    return admits(this, QStringLiteral("1"));
}

bool TFrm_Menu::nivel_escolar()
{
    return admits(this, QStringLiteral("2"));
}

bool TFrm_Menu::nivel_geral()
{
    return admits(this, QStringLiteral("3"));
}

bool TFrm_Menu::nivel_gerente()
{
    return admits(this, QStringLiteral("4"));
}

void TFrm_Menu::vidaescolarClick()
{
    if (nivel_basico())
        FrmPrincipal->exec();
}

void TFrm_Menu::RH2Click()
{
    if (nivel_gerente())
        Frm_RH->exec();
}

void TFrm_Menu::ESCOLAS2Click()
{
    if (nivel_escolar())
        shell::modal<TFrm_Escolas>()(this);
}

void TFrm_Menu::Suporte1Click()
{
    if (!nivel_geral())
        return;
    // a fresh support form for each visit takes the place of the one made at start
    delete Frm_Suporte;
    Frm_Suporte = new TFrm_Suporte(this);
    Frm_Suporte->exec();
    delete Frm_Suporte;
    Frm_Suporte = nullptr;
}

void TFrm_Menu::Whatsapp1Click()
{
    shell::modal<TFrm_Whats>()(this);
}

void TFrm_Menu::mnuSobreClick()
{
    shell::modal<TForm_sobre>()(this);
}

void TFrm_Menu::Logoff1Click()
{
    if (!dlg::askYesNo(this, QStringLiteral("Quenara SISTEMAS"), kExitQuestion))
        return;
    // our own executable, started once this run has ended, comes up at a fresh login form
    sys::restartAfterExit();
    sys::terminateApplication();
}

void TFrm_Menu::mnuSairClick()
{
    if (dlg::askYesNo(this, QStringLiteral("Quenara SISTEMAS"), kExitQuestion))
        sys::terminateApplication();
}
