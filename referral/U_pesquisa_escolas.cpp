#include "referral/U_pesquisa_escolas.h"

#include "data/U_datamodulo.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/CharCase.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DataSource.h"
#include "referral/U_Cad_Alunos_SearchBoxes.h"
#include "registers/FilterText.h"
#include "shell/EnterMovesFocus.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QPushButton* bigButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumHeight(40);
    QFont font = b->font();
    font.setPixelSize(16);
    font.setBold(true);
    b->setFont(font);
    return b;
}

} // namespace

TFrm_Pesquisa_Escolas::TFrm_Pesquisa_Escolas(QWidget* parent)
    : QDialog(parent), m_ds_scola(new dbw::DataSource(dm->cdsescola, this))
{
    setObjectName(QStringLiteral("Frm_Pesquisa_Escolas"));
    setWindowTitle(QStringLiteral("Pesquisar Escolas"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(1270, 596);
    m_ds_scola->setObjectName(QStringLiteral("ds_scola"));

    auto* root = new QVBoxLayout(this);
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setAutoFillBackground(true);
    QPalette blue = strip->palette();
    blue.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
    strip->setPalette(blue);
    auto* stripLayout = new QHBoxLayout(strip);
    m_Editbusca = new QLineEdit(strip);
    m_Editbusca->setObjectName(QStringLiteral("Editbusca"));
    m_edt_busca_coordenador = new QLineEdit(strip);
    m_edt_busca_coordenador->setObjectName(QStringLiteral("edt_busca_coordenador"));
    for (QLineEdit* box : {m_Editbusca, m_edt_busca_coordenador})
        dbw::forceCharCase(box, dbw::CharCase::Upper);
    m_edtbusca_contato = search_boxes::makePhoneBox(strip, QStringLiteral("edtbusca_contato"));
    stripLayout->addWidget(whiteLabel(QStringLiteral("Localizar por Escola"), strip));
    stripLayout->addWidget(m_Editbusca, 3);
    stripLayout->addWidget(whiteLabel(QStringLiteral("Localizar por Coordenador"), strip));
    stripLayout->addWidget(m_edt_busca_coordenador, 3);
    stripLayout->addWidget(whiteLabel(QStringLiteral("Localizar por Telefone"), strip));
    stripLayout->addWidget(m_edtbusca_contato, 1);
    root->addWidget(strip);

    m_DBGrid1 = new dbw::DBGrid(this);
    m_DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_DBGrid1->setDataSource(m_ds_scola);
    m_DBGrid1->setColumns({{QStringLiteral("ESCOLA"), {}},
                           {QStringLiteral("TELEFONE"), {}},
                           {QStringLiteral("COORDENACAO"), {}},
                           {QStringLiteral("ENDERECO"), {}}});
    root->addWidget(m_DBGrid1, 1);

    auto* buttons = new QHBoxLayout;
    auto* limpar = bigButton(this, QStringLiteral("btlimpafiltro"), QStringLiteral("&Limpar Filtro"));
    auto* sair = bigButton(this, QStringLiteral("btSair"), QStringLiteral("&Sair"));
    buttons->addWidget(limpar, 1);
    buttons->addWidget(sair, 1);
    root->addLayout(buttons);

    connect(m_Editbusca, &QLineEdit::textChanged, this,
            [this] { search(QStringLiteral("escola like "), m_Editbusca->text()); });
    connect(m_edt_busca_coordenador, &QLineEdit::textChanged, this,
            [this] { search(QStringLiteral("coordenacao like "), m_edt_busca_coordenador->text()); });
    connect(m_edtbusca_contato, &QLineEdit::textChanged, this, [this] {
        search(QStringLiteral("telefone like "), search_boxes::phoneText(m_edtbusca_contato));
    });
    connect(limpar, &QPushButton::clicked, this, [this] { dlg::guarded(this, [this] { LIMPAFILTRO(); }); });
    connect(sair, &QPushButton::clicked, this, &QWidget::close);
    installEnterMovesFocus(this);

    // FormCreate
    ativabanco();
}

void TFrm_Pesquisa_Escolas::ativabanco()
{
    dm->sqlescola->open();
    dm->cdsescola->open();
}

void TFrm_Pesquisa_Escolas::desativabanco()
{
    dm->sqlescola->close();
    dm->cdsescola->close();
}

void TFrm_Pesquisa_Escolas::LIMPAFILTRO()
{
    dm->cdsescola->setFiltered(false);
    // emptied by program, the boxes filter nothing: every school stays listed
    for (QLineEdit* box : {m_Editbusca, m_edt_busca_coordenador, m_edtbusca_contato})
        search_boxes::clearQuietly(box);
}

void TFrm_Pesquisa_Escolas::search(const QString& prefix, const QString& typed)
{
    dlg::guarded(this, [&] {
        ds::ClientDataSet* cds = dm->cdsescola;
        cds->setFiltered(false);
        cds->setFilter(prefixSearchFilter(prefix, typed));
        cds->setFiltered(true);
    });
}

void TFrm_Pesquisa_Escolas::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        dlg::guarded(this, [this] { LIMPAFILTRO(); });
}

void TFrm_Pesquisa_Escolas::closeEvent(QCloseEvent* event)
{
    dlg::guarded(this, [this] { desativabanco(); });
    QDialog::closeEvent(event);
}
