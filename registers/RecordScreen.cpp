#include "registers/RecordScreen.h"

#include "data/U_datamodulo.h"
#include "platform/dataset/ClientDataSet.h"
#include "platform/dataset/SqlQuery.h"
#include "platform/dataset/StoredProc.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBMemo.h"
#include "platform/widgets/DBText.h"
#include "platform/widgets/DataSource.h"
#include "registers/FilterText.h"
#include "registers/RecordMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct StandardButton
{
    const char* name;
    const char* caption;
    QStyle::StandardPixmap icon;
};

// TBPadrao, in this order; the captions double as hints.
const StandardButton kButtons[] = {
    {"bntnovo", "Novo", QStyle::SP_FileIcon},
    {"bntgravar", "Gravar", QStyle::SP_DialogSaveButton},
    {"bnteditar", "Editar", QStyle::SP_FileDialogDetailedView},
    {"bntexcluir", "Excluir", QStyle::SP_TrashIcon},
    {"bntcancelar", "Cancelar", QStyle::SP_DialogCancelButton},
    {"bntpesquisar", "Pesquisar", QStyle::SP_FileDialogContentsView},
    {"bntsair", "Sair", QStyle::SP_DialogCloseButton},
};

QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint,
                            const QIcon& icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(64);
    return b;
}

} // namespace

RecordScreen::RecordScreen(Params params, QWidget* parent)
    : QDialog(parent), m_params(std::move(params)),
      m_dataSource(new dbw::DataSource(m_params.chains.front().dataSet, this))
{
    setObjectName(m_params.formName);
    setWindowTitle(m_params.caption);
    setWindowModality(Qt::ApplicationModal);
    if (m_params.fixedFrame)
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    else
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(m_params.size);
    m_dataSource->setObjectName(m_params.dataSourceName);
    if (!m_params.generatorProcedure.isEmpty()) {
        m_generator = new ds::StoredProc(dm->conexao, m_params.generatorProcedure, this);
        m_generator->setObjectName(m_params.generatorName);
    }
    buildChrome();
    if (m_params.keyPreview)
        qApp->installEventFilter(this);
    // FormCreate: the rows are loaded before the window is shown.
    if (m_params.openOnCreate)
        ativabanco();
}

RecordScreen::~RecordScreen() = default;

void RecordScreen::buildChrome()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    m_toolbar = new QFrame(this);
    m_toolbar->setObjectName(QStringLiteral("TBPadrao"));
    auto* bar = new QHBoxLayout(m_toolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(2);
    for (const StandardButton& b : kButtons) {
        const QString caption = QString::fromUtf8(b.caption);
        QToolButton* button =
            makeToolButton(m_toolbar, QLatin1String(b.name), caption, caption, style()->standardIcon(b.icon));
        bar->addWidget(button);
        if (m_params.hiddenButtons.contains(button->objectName()))
            button->setVisible(false);
    }
    bar->addStretch(1);
    root->addWidget(m_toolbar);

    auto* heading = new QFrame(this);
    heading->setObjectName(QStringLiteral("PnlPadrao"));
    heading->setFrameShape(QFrame::StyledPanel);
    heading->setAutoFillBackground(true);
    QPalette headingPalette = heading->palette();
    headingPalette.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x79));
    headingPalette.setColor(QPalette::WindowText, Qt::white);
    heading->setPalette(headingPalette);
    auto* headingLayout = new QHBoxLayout(heading);
    headingLayout->setContentsMargins(12, 4, 12, 4);
    m_lblmenu = new QLabel(m_params.heading, heading);
    m_lblmenu->setObjectName(QStringLiteral("lblmenu"));
    QFont headingFont = m_lblmenu->font();
    headingFont.setPixelSize(32);
    m_lblmenu->setFont(headingFont);
    headingLayout->addWidget(m_lblmenu);
    headingLayout->addStretch(1);
    root->addWidget(heading);

    auto* body = new QWidget(this);
    m_bodyLayout = new QVBoxLayout(body);
    m_bodyLayout->setContentsMargins(8, 8, 8, 8);
    root->addWidget(body, 1);

    m_editorArea = new QWidget(body);
    m_editorGrid = new QGridLayout(m_editorArea);
    m_editorGrid->setContentsMargins(0, 0, 0, 0);
    m_editorGrid->setHorizontalSpacing(10);
    m_editorGrid->setVerticalSpacing(2);
    m_dbcodigo = new dbw::DBText(m_editorArea);
    m_dbcodigo->setObjectName(QStringLiteral("dbcodigo"));
    m_dbcodigo->setAlignment(m_params.keyAlignment);
    m_dbcodigo->setMinimumWidth(90);
    m_dbcodigo->setDataSource(m_dataSource, m_params.keyField);
    addEditor(m_dbcodigo, m_params.keyLabel, 0, 0);
    m_bodyLayout->addWidget(m_editorArea);

    m_searchStrip = new QFrame(body);
    m_searchStrip->setObjectName(QStringLiteral("Panel2"));
    m_searchStrip->setAutoFillBackground(true);
    QPalette stripPalette = m_searchStrip->palette();
    stripPalette.setColor(QPalette::Window, QColor(0x2e, 0x75, 0xb6));
    stripPalette.setColor(QPalette::WindowText, Qt::white);
    m_searchStrip->setPalette(stripPalette);
    auto* strip = new QHBoxLayout(m_searchStrip);
    strip->setContentsMargins(8, 4, 8, 4);
    strip->addWidget(new QLabel(QStringLiteral("Digite para Localizar"), m_searchStrip));
    m_editbusca = new QLineEdit(m_searchStrip);
    m_editbusca->setObjectName(QStringLiteral("Editbusca"));
    dbw::forceCharCase(m_editbusca, dbw::CharCase::Upper);
    strip->addWidget(m_editbusca, 1);
    m_searchStrip->setVisible(m_params.searchStrip);
    m_bodyLayout->addWidget(m_searchStrip);

    m_grid = new dbw::DBGrid(body);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setDataSource(m_dataSource);
    m_grid->setColumns(m_params.gridColumns);
    m_bodyLayout->addWidget(m_grid, 1);

    auto on = [this](const char* name, void (RecordScreen::*handler)()) {
        connect(button(QLatin1String(name)), &QToolButton::clicked, this,
                [this, handler] { dlg::guarded(this, [&] { (this->*handler)(); }); });
    };
    on("bntnovo", &RecordScreen::bntnovoClick);
    on("bntgravar", &RecordScreen::bntgravarClick);
    on("bnteditar", &RecordScreen::bnteditarClick);
    on("bntexcluir", &RecordScreen::bntexcluirClick);
    on("bntcancelar", &RecordScreen::bntcancelarClick);
    on("bntpesquisar", &RecordScreen::bntpesquisarClick);
    on("bntsair", &RecordScreen::bntsairClick);
    if (!m_params.searchPrefix.isEmpty()) {
        connect(m_editbusca, &QLineEdit::textChanged, this,
                [this] { dlg::guarded(this, [this] { EditbuscaChange(); }); });
    }
    // As designed: "Gravar" and "Cancelar" start disabled.
    button(QStringLiteral("bntgravar"))->setEnabled(false);
    button(QStringLiteral("bntcancelar"))->setEnabled(false);
}

QToolButton* RecordScreen::button(const QString& name) const
{
    return m_toolbar->findChild<QToolButton*>(name, Qt::FindDirectChildrenOnly);
}

QToolButton* RecordScreen::addToolButton(const QString& name, const QString& caption, const QString& hint,
                                         int position)
{
    QToolButton* b =
        makeToolButton(m_toolbar, name, caption, hint, style()->standardIcon(QStyle::SP_FileDialogListView));
    static_cast<QHBoxLayout*>(m_toolbar->layout())->insertWidget(position, b);
    return b;
}

void RecordScreen::addEditor(QWidget* editor, const QString& label, int row, int column, int columnSpan)
{
    if (!label.isEmpty())
        m_editorGrid->addWidget(new QLabel(label, m_editorArea), row * 2, column, 1, columnSpan);
    m_editorGrid->addWidget(editor, row * 2 + 1, column, 1, columnSpan);
}

dbw::DBEdit* RecordScreen::addEdit(const QString& name, const QString& field, const QString& label,
                                   dbw::CharCase charCase, int row, int column, int columnSpan)
{
    auto* edit = new dbw::DBEdit(m_editorArea);
    edit->setObjectName(name);
    edit->setCharCase(charCase);
    edit->setDataSource(m_dataSource, field);
    addEditor(edit, label, row, column, columnSpan);
    return edit;
}

void RecordScreen::setRowEditors(const QList<QWidget*>& editors)
{
    m_rowEditors = editors;
    setTabChain();
}

void RecordScreen::setTabChain()
{
    QList<QWidget*> chain = m_rowEditors;
    chain << m_editbusca << m_grid;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

ds::ClientDataSet* RecordScreen::dataSet() const
{
    return m_params.chains.front().dataSet;
}

bool RecordScreen::isEditState() const
{
    return dataSet()->isEditing();
}

// ---- form methods ------------------------------------------------------------------------

void RecordScreen::ativabanco()
{
    for (const Chain& chain : m_params.chains) {
        chain.source->open();
        chain.dataSet->open();
    }
}

void RecordScreen::desativabanco()
{
    for (const Chain& chain : m_params.chains) {
        chain.source->close();
        chain.dataSet->close();
    }
}

void RecordScreen::setEditState(bool editing)
{
    for (const char* name : {"bntnovo", "bnteditar", "bntexcluir", "bntsair"})
        button(QLatin1String(name))->setEnabled(!editing);
    for (const char* name : {"bntgravar", "bntcancelar"})
        button(QLatin1String(name))->setEnabled(editing);
    for (QWidget* editor : std::as_const(m_rowEditors))
        editor->setEnabled(editing);
    for (QWidget* control : std::as_const(m_browseOnly))
        control->setEnabled(!editing);
}

void RecordScreen::ativabtn()
{
    setEditState(false);
    // a search typed while a row was open takes effect now
    if (m_searchDeferred) {
        m_searchDeferred = false;
        EditbuscaChange();
    }
}

void RecordScreen::desativabtn()
{
    setEditState(true);
}

// ---- handlers ----------------------------------------------------------------------------

void RecordScreen::FormShow()
{
    ativabtn();
    if (m_params.resetSearchOnShow) {
        dataSet()->setFiltered(false);
        m_editbusca->clear();
    }
}

void RecordScreen::FormClose(bool& canClose)
{
    if (isEditState()) {
        dlg::showMessage(this, record_messages::saveOrCancelFirst());
        canClose = false;
        return;
    }
    desativabanco();
    m_editbusca->clear();
}

bool RecordScreen::FormKeyPress(QWidget* target)
{
    Q_UNUSED(target)
    focusNextChild();
    return true;
}

int RecordScreen::drawKey()
{
    return m_generator->execute(QStringLiteral("ID"));
}

void RecordScreen::insertRow(int key)
{
    ds::ClientDataSet* cds = dataSet();
    cds->last();
    cds->insert();
    cds->fieldByName(m_params.keyField).setAsInteger(key);
}

void RecordScreen::focusNameEditor()
{
    if (m_nameEditor)
        m_nameEditor->setFocus();
}

void RecordScreen::bntnovoClick()
{
    insertRow(drawKey());
    desativabtn();
    focusNameEditor();
}

void RecordScreen::bnteditarClick()
{
    // nothing to edit in an empty list (editing there would start a row without a key)
    if (dataSet()->isEmpty())
        return;
    dataSet()->edit();
    desativabtn();
    focusNameEditor();
}

QString RecordScreen::nameEditorText() const
{
    if (auto* edit = qobject_cast<dbw::DBEdit*>(m_nameEditor))
        return edit->editText();
    if (auto* combo = qobject_cast<dbw::DBComboBox*>(m_nameEditor))
        return combo->fieldText();
    if (auto* memo = qobject_cast<dbw::DBMemo*>(m_nameEditor))
        return memo->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(m_nameEditor))
        return line->text();
    return {};
}

bool RecordScreen::saveRow()
{
    if (nameEditorText().trimmed().isEmpty()) {
        dlg::showMessage(this, record_messages::nameRequired());
        focusNameEditor();
        return false;
    }
    ds::ClientDataSet* cds = dataSet();
    m_dataSource->updateRecord();
    cds->edit();
    const QVariant key = cds->fieldByName(m_params.keyField).value();
    cds->post();
    const ds::ApplyResult result = cds->applyUpdates(0);
    if (!result.ok()) {
        // The row stays open as typed: "Gravar" tries again, "Cancelar" drops it and reloads.
        if (cds->fieldByName(m_params.keyField).value() != key) {
            cds->setFiltered(false);
            cds->locate(m_params.keyField, key, false, false);
        }
        cds->edit();
        dlg::showError(this, record_messages::saveFailed(result), record_messages::saveFailedTitle());
        focusNameEditor();
        return false;
    }
    dlg::showMessage(this, record_messages::saved());
    ativabtn();
    return true;
}

void RecordScreen::bntgravarClick()
{
    saveRow();
}

void RecordScreen::bntexcluirClick()
{
    ds::ClientDataSet* cds = dataSet();
    if (cds->isEmpty())
        return;
    if (!mayDelete())
        return;
    if (dlg::askYesNo(this, record_messages::deleteTitle(), record_messages::deleteQuestion(),
                      dlg::Icon::Question, dlg::Button::Yes))
        cds->deleteRecord();
    const ds::ApplyResult result = cds->applyUpdates(0);
    if (!result.ok()) {
        cds->cancelUpdates();
        dlg::showError(this, record_messages::deleteFailed(result), record_messages::deleteFailedTitle());
        cds->refresh();
    }
}

void RecordScreen::bntcancelarClick()
{
    cancelRow(dataSet());
    ativabtn();
}

void RecordScreen::bntsairClick()
{
    m_closeRequested = true;
    close();
    m_closeRequested = false;
}

void RecordScreen::EditbuscaChange()
{
    ds::ClientDataSet* cds = dataSet();
    if (cds->isEditing()) {
        m_searchDeferred = true; // filtering now would post the open row behind the screen's back
        return;
    }
    cds->setFiltered(false);
    cds->setFilter(prefixSearchFilter(m_params.searchPrefix, m_editbusca->text()));
    cds->setFiltered(true);
}

bool RecordScreen::reloadList()
{
    if (isEditState())
        return false;
    ds::ClientDataSet* cds = dataSet();
    cds->close();
    cds->setFiltered(false);
    cds->open();
    return true;
}

// ---- window events -----------------------------------------------------------------------

void RecordScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        dlg::guarded(this, [this] { FormShow(); });
}

void RecordScreen::closeEvent(QCloseEvent* event)
{
    // Only "Sair" closes a window that ignores the system's close command.
    if (m_params.ignoreSystemClose && !m_closeRequested) {
        event->ignore();
        return;
    }
    bool canClose = true;
    if (!dlg::guarded(this, [&] { FormClose(canClose); }))
        canClose = false;
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
}

void RecordScreen::reject()
{
    // Escape closes nothing: the window is left through its own buttons.
}

bool RecordScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget &&
            widget->window() == this && isVisible())
            return FormKeyPress(widget);
    }
    return QDialog::eventFilter(watched, event);
}

void cancelRow(ds::ClientDataSet* cds)
{
    cds->cancel();
    // a save the database refused left the row pending: drop it and show what is stored now
    if (cds->changeCount() > 0) {
        cds->cancelUpdates();
        cds->refresh();
    }
}
