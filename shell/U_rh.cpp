#include "shell/U_rh.h"

#include "registers/U_Cad_Funcionario.h"
#include "registers/U_agendamento.h"
#include "shell/MenuEntry.h"
#include "shell/PictureButton.h"
#include "shell/ScreenOpener.h"
#include "shell/StatusPanels.h"
#include "shell/U_whats.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TFrm_RH* Frm_RH = nullptr;

namespace {

// What each entry opens. An empty opener keeps the entry inert until its screen exists.
const shell::OpenerTable& screens()
{
    static const shell::OpenerTable table = {
        {QStringLiteral("Funcionarios1"), shell::modal<TFrm_Cad_Funcionario>()},
        {QStringLiteral("Agendamento1"), shell::modal<TForm_Agenda>()},
        {QStringLiteral("WhatsAPP1"), shell::modal<TFrm_Whats>()},
    };
    return table;
}

} // namespace

TFrm_RH::TFrm_RH(QWidget* parent) : ShellDialog(parent)
{
    setObjectName(QStringLiteral("Frm_RH"));
    setWindowTitle(QStringLiteral("SISTEMA DE RECURSOS HUMANOS DA SME - CORMAVI"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint);

    auto* bar = new QMenuBar(this);
    QMenu* cadastros = bar->addMenu(QStringLiteral("Cadastros"));
    QAction* funcionarios = addEntry(cadastros, "Funcionarios1", QStringLiteral("Funcionarios"),
                                     QKeySequence(Qt::CTRL | Qt::Key_F));
    QMenu* administracao = bar->addMenu(QStringLiteral("Administracao"));
    QAction* agendamento = addEntry(administracao, "Agendamento1", QStringLiteral("Agendamento"),
                                    QKeySequence(Qt::CTRL | Qt::Key_A));
    addEntry(administracao, "WhatsAPP1", QStringLiteral("WhatsAPP"));
    QMenu* sairMenu = bar->addMenu(QStringLiteral("Sair"));
    QAction* sair = addEntry(sairMenu, "SairdoSistema1", QStringLiteral("Sair do Sistema"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    auto* band = new PictureBand(137, this);
    connect(band->add(QStringLiteral("img1"), QStringLiteral("funcionarios.png"),
                      QStringLiteral("FUNCIONARIOS - CTRL+F"), QStringLiteral("FUNCIONARIOS")),
            &PictureButton::clicked, funcionarios, &QAction::trigger);
    band->add(QStringLiteral("Image1"), QStringLiteral("folha.png"), QString(), QStringLiteral("FOLHA"));
    connect(band->add(QStringLiteral("Image2"), QStringLiteral("agendamento.png"),
                      QStringLiteral("AGENDAMENTO - CTRL+A"), QStringLiteral("AGENDAMENTO")),
            &PictureButton::clicked, agendamento, &QAction::trigger);
    band->add(QStringLiteral("Image3"), QStringLiteral("administracao.png"), QString(),
              QStringLiteral("ADMINISTRACAO"));
    connect(band->add(QStringLiteral("Image4"), QStringLiteral("sair.png"), QStringLiteral("SAIR"),
                      QStringLiteral("SAIR DO SISTEMA")),
            &PictureButton::clicked, sair, &QAction::trigger);
    layout->addWidget(band);
    layout->addWidget(new BackgroundPicture(QStringLiteral("fundo_setor.png"), this), 1);
    StatusBar1 = new StatusPanels(QStringLiteral("StatusBar1"), 34, {{200}, {70}}, this);
    layout->addWidget(StatusBar1);

    shell::connectOpeners(this, screens());
    connect(sair, &QAction::triggered, this, &ShellDialog::leave);

    Timer1 = startClock(this, [this] { Timer1Timer(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowState(Qt::WindowMaximized);
}

void TFrm_RH::Timer1Timer()
{
    StatusBar1->setText(0, longDateText());
    StatusBar1->setText(1, longTimeText());
}
