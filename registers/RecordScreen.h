#pragma once

#include "platform/dataset/ClientDataSet.h" // DataSetModel.h needs the complete type
#include "platform/dataset/DataSetModel.h"
#include "platform/widgets/CharCase.h"

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace ds {
class ClientDataSet;
class SqlQuery;
class StoredProc;
} // namespace ds

namespace dbw {
class DataSource;
class DBEdit;
class DBGrid;
class DBText;
} // namespace dbw

// The record-editing screen: a toolbar, the editors of the current row, a search strip and
// a grid over one client dataset of the data module, with a browse and an edit state.
// A screen states its parameters and builds its editors in its constructor; where it
// departs from the common cycle it overrides the handler or the hook concerned.
class RecordScreen : public QDialog
{
    Q_OBJECT

public:
    // A source dataset and the client dataset fed from it.
    struct Chain
    {
        ds::SqlQuery* source;
        ds::ClientDataSet* dataSet;
    };

    struct Params
    {
        QString formName;          // objectName, e.g. "Frm_Cad_Escola"
        QString caption;           // window title
        QString heading;           // lblmenu
        std::vector<Chain> chains; // opened in order by ativabanco; the first is the edited one
        QString dataSourceName;    // e.g. "ds_escola"
        QString keyField;          // filled on "Novo"
        QString keyLabel = QStringLiteral("CODIGO");
        Qt::Alignment keyAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        QString generatorName;      // component, e.g. "SP_GEN_ESCOLA"
        QString generatorProcedure; // e.g. "SP_GEN_ESCOLA_ID"
        // Filter prefix of the search box, e.g. "escola like "; empty: the box filters nothing.
        QString searchPrefix;
        std::vector<ds::DataSetModel::Column> gridColumns; // empty: every field
        bool openOnCreate = true;                          // FormCreate calls ativabanco
        bool resetSearchOnShow = true; // FormShow switches filtering off and clears the box
        bool keyPreview = true;        // Enter moves the focus to the next control
        bool ignoreSystemClose = true; // the title-bar close and Alt+F4 do nothing
        bool fixedFrame = true;        // system menu only, no minimise or maximise
        bool searchStrip = true;
        QStringList hiddenButtons; // standard buttons created but never shown
        QSize size = QSize(820, 600);
    };

    // Opens the datasets (FormCreate) unless told otherwise; throws when they cannot be
    // opened, so an opener creates the screen inside dlg::guarded.
    explicit RecordScreen(Params params, QWidget* parent = nullptr);
    ~RecordScreen() override;

    // The four form methods.
    void ativabanco();
    void desativabanco();
    virtual void ativabtn();
    virtual void desativabtn();

    ds::ClientDataSet* dataSet() const;
    dbw::DataSource* dataSource() const { return m_dataSource; }
    bool isEditState() const;

protected:
    // Handlers of the common cycle.
    virtual void FormShow();
    virtual void FormClose(bool& canClose);
    // Enter pressed anywhere on the window (key preview); true when the key is consumed.
    virtual bool FormKeyPress(QWidget* target);
    virtual void bntnovoClick();
    virtual void bnteditarClick();
    virtual void bntgravarClick();
    virtual void bntexcluirClick();
    virtual void bntcancelarClick();
    virtual void bntpesquisarClick() {}
    void bntsairClick();
    virtual void EditbuscaChange();

    // Hooks for the departures.
    // Before the delete question; false abandons the delete silently (access checks).
    virtual bool mayDelete() { return true; }
    // The text the name check reads.
    virtual QString nameEditorText() const;

    // Steps of the cycle, for screens that rearrange them.
    int drawKey();           // the generator's next key
    void insertRow(int key); // last row, insert, key field set
    bool saveRow();          // name check, post, apply; true when saved and in browse state
    void focusNameEditor();
    // Reloads the list from the database with filtering off ("Filtro"); ignored, returning
    // false, while a row is being inserted or edited, so the pending row is not thrown away.
    bool reloadList();

    // Building the screen.
    QToolButton* button(const QString& name) const;
    QToolButton* addToolButton(const QString& name, const QString& caption, const QString& hint,
                               int position);
    QWidget* editorArea() const { return m_editorArea; }
    QGridLayout* editorGrid() const { return m_editorGrid; }
    QVBoxLayout* bodyLayout() const { return m_bodyLayout; }
    QWidget* searchStrip() const { return m_searchStrip; }
    // A data-bound edit box with its label above it, at (row, column) of the editor grid.
    dbw::DBEdit* addEdit(const QString& name, const QString& field, const QString& label,
                         dbw::CharCase charCase, int row, int column, int columnSpan = 1);
    void addEditor(QWidget* editor, const QString& label, int row, int column, int columnSpan = 1);
    // The row editors in tab order (the search box and the grid follow them).
    void setRowEditors(const QList<QWidget*>& editors);
    const QList<QWidget*>& rowEditors() const { return m_rowEditors; }
    void setNameEditor(QWidget* editor) { m_nameEditor = editor; }
    QWidget* nameEditor() const { return m_nameEditor; }
    // Controls besides the standard buttons that are enabled in browse and disabled in edit.
    void setBrowseOnlyControls(const QList<QWidget*>& controls) { m_browseOnly = controls; }

    QLabel* lblmenu() const { return m_lblmenu; }
    dbw::DBText* dbcodigo() const { return m_dbcodigo; }
    QLineEdit* Editbusca() const { return m_editbusca; }
    dbw::DBGrid* DBGrid1() const { return m_grid; }
    ds::StoredProc* generator() const { return m_generator; }
    const Params& params() const { return m_params; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildChrome();
    void setEditState(bool editing);
    void setTabChain();

    Params m_params;
    dbw::DataSource* m_dataSource;
    ds::StoredProc* m_generator = nullptr;
    QWidget* m_toolbar = nullptr;
    QLabel* m_lblmenu = nullptr;
    QWidget* m_editorArea = nullptr;
    QGridLayout* m_editorGrid = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
    QWidget* m_searchStrip = nullptr;
    QLineEdit* m_editbusca = nullptr;
    dbw::DBText* m_dbcodigo = nullptr;
    dbw::DBGrid* m_grid = nullptr;
    QList<QWidget*> m_rowEditors;
    QList<QWidget*> m_browseOnly;
    QWidget* m_nameEditor = nullptr;
    bool m_closeRequested = false;
    bool m_searchDeferred = false;
};

// Cancels the row being inserted or edited; a change the database refused to save is dropped
// with it and the rows are reloaded, so the screen shows what is stored.
void cancelRow(ds::ClientDataSet* cds);
