#include "registers/U_agendamento_Grid.h"

#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/EditMask.h"

#include <QApplication>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

class AgendaGridModel final : public QIdentityProxyModel
{
public:
    AgendaGridModel(dbw::DataSource* source, ds::DataSetModel* fields, QObject* parent)
        : QIdentityProxyModel(parent), m_source(source), m_fields(fields)
    {
        setSourceModel(fields);
    }

    void setCentredTitles(const QStringList& names) { m_centred = names; }

    const ds::FieldDef* fieldDef(int column) const
    {
        const int f = m_fields->fieldOfColumn(column);
        return f >= 0 ? &m_source->dataSet()->fieldDefs()[static_cast<size_t>(f)] : nullptr;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = QIdentityProxyModel::flags(index);
        if (fieldDef(index.column()))
            f |= Qt::ItemIsEditable;
        return f;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
            const ds::FieldDef* def = fieldDef(section);
            if (def && m_centred.contains(def->name, Qt::CaseInsensitive))
                return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }

    // The text goes into the current row; the grid keeps the current row on the cell edited.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        ds::ClientDataSet* cds = m_source->dataSet();
        const ds::FieldDef* def = fieldDef(index.column());
        if (role != Qt::EditRole || !def || !cds->isActive() || index.row() != cds->recNo())
            return false;
        const QString text = value.toString();
        ds::Field field = cds->fieldByName(def->name);
        if (text == field.asString())
            return true; // unchanged: no edit state for a cell merely visited
        m_source->edit();
        field.setAsString(text);
        return true;
    }

private:
    dbw::DataSource* m_source;
    ds::DataSetModel* m_fields;
    QStringList m_centred;
};

namespace {

class AgendaDelegate final : public QStyledItemDelegate
{
public:
    AgendaDelegate(AgendaGrid* grid, AgendaGridModel* model)
        : QStyledItemDelegate(grid), m_grid(grid), m_model(model)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        const dbw::EditMask mask = maskOf(index);
        if (!mask.isEmpty())
            editor->setInputMask(mask.qtInputMask());
        else if (const ds::FieldDef* def = m_model->fieldDef(index.column()); def && def->size > 0)
            editor->setMaxLength(def->size);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString stored = index.data(Qt::DisplayRole).toString();
        const dbw::EditMask mask = maskOf(index);
        line->setText(mask.isEmpty() ? stored : mask.displayText(stored));
        line->selectAll();
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        const auto* line = static_cast<QLineEdit*>(editor);
        const dbw::EditMask mask = maskOf(index);
        const QString display = line->displayText();
        const QString text =
            mask.isEmpty() ? line->text() : (mask.isBlank(display) ? QString() : mask.storedText(display));
        // A time outside its mask is reported like any conversion error; the row keeps its value.
        dlg::guarded(m_grid->window(), [&] { model->setData(index, text, Qt::EditRole); });
    }

    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override
    {
        editor->setGeometry(option.rect);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const AgendaGrid::RowColour& colour = m_grid->rowColour();
        const std::optional<QColor> background =
            colour ? colour(index.row(), option.state.testFlag(QStyle::State_Selected)) : std::nullopt;
        if (!background) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        opt.backgroundBrush = *background;
        const QWidget* widget = option.widget;
        (widget ? widget->style() : m_grid->style())
            ->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }

private:
    dbw::EditMask maskOf(const QModelIndex& index) const
    {
        const ds::FieldDef* def = m_model->fieldDef(index.column());
        return dbw::EditMask::parse(def ? def->editMask : QString());
    }

    AgendaGrid* m_grid;
    AgendaGridModel* m_model;
};

} // namespace

AgendaGrid::AgendaGrid(dbw::DataSource* source, std::vector<ds::DataSetModel::Column> columns,
                       QWidget* parent)
    : QTableView(parent), m_source(source), m_fields(new ds::DataSetModel(source->dataSet(), this)),
      m_model(new AgendaGridModel(source, m_fields, this))
{
    m_fields->setColumns(std::move(columns));
    setModel(m_model);
    setItemDelegate(new AgendaDelegate(this, m_model));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onViewRowChanged(current); });
    connect(source->dataSet(), &ds::ClientDataSet::currentChanged, this, &AgendaGrid::followDataSet);
    connect(source->dataSet(), &ds::ClientDataSet::dataReset, this, &AgendaGrid::followDataSet);
    followDataSet();
}

ds::ClientDataSet* AgendaGrid::dataSet() const
{
    return m_source->dataSet();
}

void AgendaGrid::setCentredTitles(const QStringList& fields)
{
    m_model->setCentredTitles(fields);
    horizontalHeader()->viewport()->update();
}

void AgendaGrid::setRowColour(RowColour colour)
{
    m_rowColour = std::move(colour);
    viewport()->update();
}

void AgendaGrid::closeOpenEditor(bool keepText)
{
    if (state() != QAbstractItemView::EditingState)
        return;
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) {
        QWidget* focused = QApplication::focusWidget();
        editor = focused && viewport()->isAncestorOf(focused) ? focused : nullptr;
    }
    if (!editor)
        return;
    if (keepText)
        commitData(editor);
    closeEditor(editor, keepText ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
}

void AgendaGrid::selectField(const QString& field)
{
    ds::ClientDataSet* cds = dataSet();
    const int f = cds->fieldIndex(field);
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (m_fields->fieldOfColumn(c) == f && cds->recNo() >= 0) {
            const QScopedValueRollback<bool> syncing(m_syncing, true);
            setCurrentIndex(m_model->index(cds->recNo(), c));
            return;
        }
    }
}

void AgendaGrid::followDataSet()
{
    ds::ClientDataSet* cds = dataSet();
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    const int row = cds->isActive() ? cds->recNo() : -1;
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clear();
        return;
    }
    if (currentIndex().row() == row && selectionModel()->isRowSelected(row, {}))
        return;
    const QModelIndex target = m_model->index(row, std::max(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(target,
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

void AgendaGrid::onViewRowChanged(const QModelIndex& current)
{
    if (m_syncing || !current.isValid())
        return;
    ds::ClientDataSet* cds = dataSet();
    if (!cds->isActive())
        return;
    if (cds->isEditing()) {
        // Moving would post the row before "Salvar" asks about it; stay on it.
        QMetaObject::invokeMethod(this, &AgendaGrid::followDataSet, Qt::QueuedConnection);
        return;
    }
    if (current.row() != cds->recNo())
        dlg::guarded(window(), [&] { cds->moveTo(current.row()); });
}
