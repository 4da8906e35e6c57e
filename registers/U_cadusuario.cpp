#include "registers/U_cadusuario.h"

#include "data/U_datamodulo.h"
#include "platform/dialogs/DialogService.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBNavigator.h"
#include "platform/widgets/DBText.h"
#include "registers/RecordMessages.h"
#include "shell/AccessCheck.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
RecordScreen::Params usuarioParams()
{
    RecordScreen::Params p;
    p.formName = QStringLiteral("FrmCadUsuario");
    p.caption = QStringLiteral("Cadastro de Usuarios");
    p.heading = QStringLiteral("Cadastro de Usuários");
    p.chains = {{dm->sqllogin, dm->cdslogin}};
    p.dataSourceName = QStringLiteral("DSPadrao");
    p.keyField = QStringLiteral("CODIGO");
    p.keyLabel = QStringLiteral("Código");
    p.generatorName = QStringLiteral("SP_GEN_USUARIO");
    p.generatorProcedure = QStringLiteral("SP_GEN_USUARIO_ID");
    p.gridColumns = {{QStringLiteral("LOGIN"), QStringLiteral("Usuário")},
                     {QStringLiteral("NIVEL"), QStringLiteral("Nível")}};
    // The rows are loaded, and refreshed, each time the window is shown.
    p.openOnCreate = false;
    p.searchStrip = false;
    p.size = QSize(860, 440);
    return p;
}
} // namespace

TFrmCadUsuario::TFrmCadUsuario(QWidget* parent) : RecordScreen(usuarioParams(), parent)
{
    using dbw::CharCase;
    dbcodigo()->setObjectName(QStringLiteral("dbid"));
    auto* dbnome = addEdit(QStringLiteral("dbnome"), QStringLiteral("NOME"),
                           QStringLiteral("Nome do Usúario"), CharCase::Upper, 1, 0, 2);
    auto* dbusuario = addEdit(QStringLiteral("dbusuario"), QStringLiteral("LOGIN"), QStringLiteral("Usúario"),
                              CharCase::Upper, 2, 0);
    auto* dbsenha = addEdit(QStringLiteral("dbsenha"), QStringLiteral("SENHA"), QStringLiteral("Senha"),
                            CharCase::Upper, 2, 1);
    dbsenha->setEchoMode(QLineEdit::Password);
    dbsenha->setStyleSheet(QStringLiteral("lineedit-password-character: 35;")); // '#'
    auto* combonivel = new dbw::DBComboBox(editorArea());
    combonivel->setObjectName(QStringLiteral("combonivel"));
    combonivel->setDataSource(dataSource(), QStringLiteral("NIVEL"));
    combonivel->setItems(
        {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QString()});
    // "4", the human-resources level, is not listed and is typed in
    combonivel->setAllowTyping(true);
    addEditor(combonivel, QStringLiteral("Nível de Acesso"), 3, 0);
    editorGrid()->setColumnStretch(0, 1);
    editorGrid()->setColumnStretch(1, 1);
    editorGrid()->setRowStretch(8, 1);
    setNameEditor(dbnome);
    setRowEditors({dbnome, dbusuario, dbsenha, combonivel});

    // The list stands at the right of the editors.
    bodyLayout()->removeWidget(editorArea());
    bodyLayout()->removeWidget(DBGrid1());
    auto* side = new QHBoxLayout;
    side->addWidget(editorArea(), 3);
    side->addWidget(DBGrid1(), 2);
    bodyLayout()->insertLayout(0, side, 1);

    // The navigator sits in the toolbar after "Sair".
    QToolButton* sair = button(QStringLiteral("bntsair"));
    auto* bar = static_cast<QHBoxLayout*>(sair->parentWidget()->layout());
    auto* navigator = new dbw::DBNavigator(sair->parentWidget());
    navigator->setObjectName(QStringLiteral("DBNavigator1"));
    navigator->setDataSource(dataSource());
    bar->insertWidget(bar->indexOf(sair) + 1, navigator);
}

void TFrmCadUsuario::FormShow()
{
    ativabanco();
    // users added at another desk since the last opening
    dataSet()->refresh();
    dbcodigo()->setEnabled(false);
    ativabtn();
}

void TFrmCadUsuario::FormClose(bool& canClose)
{
    // The datasets stay open; the next opening refreshes them.
    if (isEditState()) {
        dlg::showMessage(this, record_messages::saveOrCancelFirst());
        canClose = false;
    }
}

bool TFrmCadUsuario::nivel()
{
    return checkAccess(this, QStringLiteral("3"), AccessVariant::Announcing);
}
