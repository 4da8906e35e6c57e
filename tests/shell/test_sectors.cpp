#include "tests/shell/ShellFixture.h"

#include "common/Deployment.h"
#include "data/U_datamodulo.h"
#include "platform/system/Locale.h"
#include "shell/PictureButton.h"
#include "shell/StatusPanels.h"
#include "shell/U_Suporte.h"
#include "shell/U_login.h"
#include "shell/U_menu.h"
#include "shell/U_principal.h"
#include "shell/U_rh.h"
#include "shell/U_tela_escola.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace shell_test;

namespace {

const QString kRefused = QStringLiteral("Voce Nao tem Permissão\rChame o Administrador ");
const QString kExitQuestion = QStringLiteral("A T E N Ç Ã O ! ! !\rDeseja Fechar o sistema ?");

QAction* action(QWidget* window, const char* name)
{
    auto* found = window->findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

PictureButton* picture(QWidget* window, const char* name)
{
    auto* found = window->findChild<PictureButton*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QList<QKeySequence> shortcutsOf(QWidget* window)
{
    QList<QKeySequence> keys;
    for (QAction* a : window->findChildren<QAction*>()) {
        if (!a->shortcut().isEmpty())
            keys.append(a->shortcut());
    }
    return keys;
}

struct LevelCase
{
    const char* name;
    QString login;
    QString password;
    QString admittedTo; // objectName of the one sector window the user may open, or empty
};

class SectorLevels : public ShellTest, public ::testing::WithParamInterface<LevelCase>
{
};

TEST_P(SectorLevels, EachSectorAdmitsExactlyOneLevel)
{
    const LevelCase& c = GetParam();
    createWindows();
    signInAs(c.login, c.password);
    const std::pair<const char*, QString> entries[] = {
        {"vidaescolar", QStringLiteral("FrmPrincipal")},
        {"ESCOLAS2", QStringLiteral("Frm_Escolas")},
        {"Suporte1", QStringLiteral("Frm_Suporte")},
        {"RH2", QStringLiteral("Frm_RH")},
    };
    for (const auto& [entry, window] : entries) {
        SCOPED_TRACE(entry);
        script->clear();
        QStringList opened;
        const bool admitted = window == c.admittedTo;
        if (admitted)
            leaveNextModal(&opened);
        action(Frm_Menu, entry)->trigger();
        if (admitted) {
            EXPECT_EQ(opened, QStringList{window});
            EXPECT_TRUE(script->texts().isEmpty()) << "the silent check shows nothing";
        } else {
            ASSERT_EQ(script->shown().size(), 1u);
            EXPECT_EQ(script->shown()[0].title, QStringLiteral("Sem Permissão"));
            EXPECT_EQ(script->shown()[0].text, kRefused);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Users, SectorLevels,
    ::testing::Values(
        LevelCase{"level_1", QStringLiteral("VIDA"), QStringLiteral("VIDA123"),
                  QStringLiteral("FrmPrincipal")},
        LevelCase{"level_2", QStringLiteral("ESCOLA"), QStringLiteral("ESCOLA123"),
                  QStringLiteral("Frm_Escolas")},
        LevelCase{"level_3", QStringLiteral("SUPORTE"), QStringLiteral("SUPORTE123"),
                  QStringLiteral("Frm_Suporte")},
        LevelCase{"level_4", QStringLiteral("RH"), QStringLiteral("RH123"), QStringLiteral("Frm_RH")},
        LevelCase{"level_0", QStringLiteral("ZERO"), QStringLiteral("ZERO123"), QString()},
        LevelCase{"empty_level", QStringLiteral("VAZIO"), QStringLiteral("VAZIO123"), QString()}),
    [](const ::testing::TestParamInfo<LevelCase>& info) { return std::string(info.param.name); });

using SectorMenu = ShellTest;

TEST_F(SectorMenu, EntriesWithoutAHandlerDoNothing)
{
    createWindows();
    signInAs(QStringLiteral("ZERO"), QStringLiteral("ZERO123"));
    for (const char* entry : {"Atendimentos1", "Pedagogico1", "Programas1", "Atendimentos2"})
        action(Frm_Menu, entry)->trigger();
    EXPECT_TRUE(script->texts().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(SectorMenu, UtilitiesOpenForAnyLevel)
{
    createWindows();
    signInAs(QStringLiteral("ZERO"), QStringLiteral("ZERO123"));
    QStringList opened;
    leaveNextModal(&opened);
    action(Frm_Menu, "Whatsapp1")->trigger();
    onNextModal([&](QWidget* about) {
        opened.append(about->objectName());
        QTest::keyClick(about, Qt::Key_Escape);
    });
    action(Frm_Menu, "mnuSobre")->trigger();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("Frm_Whats"), QStringLiteral("Form_sobre")}));
    EXPECT_TRUE(script->texts().isEmpty());
}

TEST_F(SectorMenu, ExitAndLogoffAskFirst)
{
    createWindows();
    EXPECT_EQ(action(Frm_Menu, "mnuSair")->shortcut(), QKeySequence(Qt::Key_F11));
    script->answer(dlg::Button::No);
    action(Frm_Menu, "mnuSair")->trigger();
    EXPECT_EQ(desktop.terminations, 0);
    script->answer(dlg::Button::Yes);
    action(Frm_Menu, "mnuSair")->trigger();
    EXPECT_EQ(desktop.terminations, 1);
    EXPECT_EQ(desktop.restarts, 0);

    script->answer(dlg::Button::No);
    action(Frm_Menu, "Logoff1")->trigger();
    EXPECT_EQ(desktop.restarts, 0);
    script->answer(dlg::Button::Yes);
    action(Frm_Menu, "Logoff1")->trigger();
    EXPECT_EQ(desktop.restarts, 1);
    EXPECT_EQ(desktop.terminations, 2);
    for (const auto& box : script->shown()) {
        EXPECT_EQ(box.title, QStringLiteral("Quenara SISTEMAS"));
        EXPECT_EQ(box.text, kExitQuestion);
    }
}

TEST_F(SectorMenu, F11FromTheWindowAndTheCloseQuestion)
{
    createWindows();
    Frm_Menu->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frm_Menu));
    script->answer(dlg::Button::No);
    QTest::keyClick(Frm_Menu, Qt::Key_F11);
    ASSERT_EQ(script->texts(), QStringList{kExitQuestion});

    script->clear();
    script->answer(dlg::Button::No);
    EXPECT_FALSE(Frm_Menu->close());
    EXPECT_TRUE(Frm_Menu->isVisible());
    ASSERT_EQ(script->shown().size(), 1u);
    EXPECT_EQ(script->shown()[0].title, QStringLiteral("Quenara"));
    EXPECT_EQ(script->shown()[0].text,
              QStringLiteral("A T E N Ç Ã O ! ! !\rRealmente deseja encerrar o sistema ? ? ?"));
    EXPECT_EQ(desktop.terminations, 0);
    script->answer(dlg::Button::Yes);
    Frm_Menu->close();
    EXPECT_EQ(desktop.terminations, 1);
}

// The whole road of a level-1 user: sign in, school life with clock and login, back, exit.
TEST_F(SectorMenu, ALevelOneUserVisitsSchoolLifeAndLeaves)
{
    createWindows();
    FrmLogin->show();
    QTest::keyClicks(FrmLogin->EdtUsuario, QStringLiteral("VIDA"));
    QTest::keyClicks(FrmLogin->EdtSenha, QStringLiteral("VIDA123"));
    FrmLogin->BtnAcessar->click();
    ASSERT_TRUE(Frm_Menu->isVisible());
    EXPECT_FALSE(FrmLogin->isVisible());
    EXPECT_TRUE(Frm_Menu->isMaximized());
    EXPECT_EQ(Frm_Menu->StatusBar1->text(2), QStringLiteral("Usuário logado: VIDA"));

    QString clock, date, user;
    onNextModal([&](QWidget* window) {
        EXPECT_EQ(window, FrmPrincipal);
        QTest::qWait(1200);
        clock = FrmPrincipal->StatusBar1->text(0);
        date = FrmPrincipal->StatusBar1->text(1);
        user = FrmPrincipal->StatusBar1->text(2);
        picture(FrmPrincipal, "img6")->click();
    });
    action(Frm_Menu, "vidaescolar")->trigger();
    EXPECT_FALSE(FrmPrincipal->isVisible());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(clock).hasMatch())
        << clock.toStdString();
    EXPECT_EQ(date, sys::longDate(QDate::currentDate()));
    EXPECT_EQ(user, QStringLiteral("Usuário logado: VIDA"));

    script->answer(dlg::Button::Yes);
    action(Frm_Menu, "mnuSair")->trigger();
    EXPECT_EQ(desktop.terminations, 1);
}

using SectorWindows = ShellTest;

struct PictureRow
{
    const char* name;
    QString hint;
    QString caption;
};

void expectPictures(QWidget* window, std::initializer_list<PictureRow> rows)
{
    QStringList order;
    for (PictureButton* p : window->findChildren<PictureButton*>())
        order.append(p->objectName());
    QStringList expected;
    for (const PictureRow& row : rows) {
        expected.append(QLatin1String(row.name));
        PictureButton* p = picture(window, row.name);
        if (!p)
            continue;
        EXPECT_EQ(p->toolTip(), row.hint) << row.name;
        auto* label = window->findChild<QLabel*>(QStringLiteral("lbl_") + QLatin1String(row.name));
        ASSERT_NE(label, nullptr) << row.name;
        EXPECT_EQ(label->text(), row.caption) << row.name;
        EXPECT_EQ(p->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(order, expected) << "left to right";
}

TEST_F(SectorWindows, PicturesCarryTheirHintsAndLabels)
{
    createWindows();
    expectPictures(FrmPrincipal,
                   {{"img1", QStringLiteral("ENCAMINHAMENTO - F2"), QStringLiteral("ENCAMINHAMENTO")},
                    {"img2", QStringLiteral("PESQUISAR - F3"), QStringLiteral("PESQUISAR - F3")},
                    {"img3", QStringLiteral("RH - F4"), QStringLiteral("ESCOLAS - F4")},
                    {"img4", QStringLiteral("VAGAS - F4"), QStringLiteral("VAGAS - F5")},
                    {"img5", QStringLiteral("ATENDIMENTO - F6"), QStringLiteral("ATENDIMENTO - F6")},
                    {"img6", QStringLiteral("SAIR DO SISTEMA - F11"), QStringLiteral("SAIR - F11")}});
    TFrm_Escolas escolas;
    expectPictures(&escolas,
                   {{"img2", QStringLiteral("CADASTRO DE ALUNOS"), QStringLiteral("ALUNOS -CMEI")},
                    {"img3", QStringLiteral("CADASTRO DE ESCOLAS - F3"), QStringLiteral("ESCOLAS")},
                    {"img4", QStringLiteral("MATRICULAR"), QStringLiteral("MATRICULAR")},
                    {"img5", QStringLiteral("CADASTRO DE VAGAS - F4"), QStringLiteral("VAGAS - F5")},
                    {"imgSair", QStringLiteral("SAIR"), QStringLiteral("SAIR DO SISTEMA")}});
    expectPictures(Frm_RH, {{"img1", QStringLiteral("FUNCIONARIOS - CTRL+F"), QStringLiteral("FUNCIONARIOS")},
                            {"Image1", QString(), QStringLiteral("FOLHA")},
                            {"Image2", QStringLiteral("AGENDAMENTO - CTRL+A"), QStringLiteral("AGENDAMENTO")},
                            {"Image3", QString(), QStringLiteral("ADMINISTRACAO")},
                            {"Image4", QStringLiteral("SAIR"), QStringLiteral("SAIR DO SISTEMA")}});
    expectPictures(Frm_Suporte,
                   {{"img1", QStringLiteral("VIDA ESCOLAR - F2"), QStringLiteral("VIDA ESCOLAR")},
                    {"img2", QStringLiteral("ESCOLAS - F3"), QStringLiteral("ESCOLAS - F3")},
                    {"img3", QStringLiteral("RH - F4"), QStringLiteral("RH - F4")},
                    {"img6", QStringLiteral("SAIR"), QStringLiteral("SAIR - F11")}});
}

TEST_F(SectorWindows, ShortcutKeysAreTheMenusOwn)
{
    createWindows();
    const QList<QKeySequence> principal = shortcutsOf(FrmPrincipal);
    EXPECT_EQ(principal.size(), 5);
    for (int key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6, Qt::Key_F11})
        EXPECT_TRUE(principal.contains(QKeySequence(key))) << key;
    EXPECT_FALSE(principal.contains(QKeySequence(Qt::Key_F4)));
    EXPECT_EQ(action(FrmPrincipal, "VagasOnline1")->shortcut(), QKeySequence(Qt::Key_F5));

    TFrm_Escolas escolas;
    EXPECT_EQ(shortcutsOf(&escolas), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_A)});
    EXPECT_EQ(shortcutsOf(Frm_RH),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_A)}));
    EXPECT_EQ(shortcutsOf(Frm_Suporte), QList<QKeySequence>{QKeySequence(Qt::Key_F11)});
}

TEST_F(SectorWindows, SchoolLifeKeys)
{
    createWindows();
    signInAs(QStringLiteral("VIDA"), QStringLiteral("VIDA123"));
    onNextModal([&](QWidget*) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(FrmPrincipal));
        QTest::keyClick(FrmPrincipal, Qt::Key_F4);
        EXPECT_TRUE(desktop.opened.empty());
        QTest::keyClick(FrmPrincipal, Qt::Key_F5);
        QTest::keyClick(FrmPrincipal, Qt::Key_F11);
    });
    FrmPrincipal->exec();
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0].toString(), deployment::onlineVacancyFolderUrl());
    EXPECT_FALSE(FrmPrincipal->isVisible());
    EXPECT_TRUE(FrmPrincipal->Timer1->isActive()) << "the clock runs while the window is hidden";
}

TEST_F(SectorWindows, SchoolLifeClosesByTitleBarOthersDoNot)
{
    createWindows();
    onNextModal([](QWidget*) { EXPECT_TRUE(FrmPrincipal->close()); });
    FrmPrincipal->exec();
    EXPECT_FALSE(FrmPrincipal->isVisible());

    TFrm_Escolas escolas;
    for (QDialog* window : std::initializer_list<QDialog*>{&escolas, Frm_RH, Frm_Suporte}) {
        SCOPED_TRACE(window->objectName().toStdString());
        bool stayed = false;
        onNextModal([&](QWidget* w) {
            EXPECT_FALSE(w->close());
            QTest::keyClick(w, Qt::Key_Escape);
            stayed = w->isVisible();
            leave(w);
        });
        window->exec();
        EXPECT_TRUE(stayed);
    }
}

TEST_F(SectorWindows, SupportReachesEverySectorWithoutAFurtherCheck)
{
    createWindows();
    signInAs(QStringLiteral("SUPORTE"), QStringLiteral("SUPORTE123"));
    QStringList opened;
    onNextModal([&](QWidget* support) {
        EXPECT_EQ(support, Frm_Suporte);
        leaveNextModal(&opened);
        picture(support, "img1")->click();
        leaveNextModal(&opened);
        picture(support, "img2")->click();
        leaveNextModal(&opened);
        picture(support, "img3")->click();
        support->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(support));
        QTest::keyClick(support, Qt::Key_F11);
    });
    action(Frm_Menu, "Suporte1")->trigger();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("FrmPrincipal"), QStringLiteral("Frm_Escolas"),
                                   QStringLiteral("Frm_RH")}));
    EXPECT_TRUE(script->texts().isEmpty());
    EXPECT_EQ(Frm_Suporte, nullptr) << "the visit's support form is gone";
}

TEST_F(SectorWindows, SectorClocksShowDateThenTime)
{
    createWindows();
    TFrm_Escolas escolas;
    EXPECT_TRUE(escolas.StatusBar1->text(0).isEmpty()) << "empty until the first tick";
    QTest::qWait(1100);
    for (StatusPanels* bar : {escolas.StatusBar1, Frm_RH->StatusBar1}) {
        EXPECT_EQ(bar->text(0), sys::longDate(QDate::currentDate()));
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(bar->text(1)).hasMatch());
    }
}

} // namespace
