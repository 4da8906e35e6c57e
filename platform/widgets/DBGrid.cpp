#include "platform/widgets/DBGrid.h"

#include "platform/dataset/ClientDataSet.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/EditMask.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

namespace dbw {

namespace {

class PaintingDelegate final : public QStyledItemDelegate
{
public:
    explicit PaintingDelegate(DBGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const DBGrid::CellPainter& hook = m_grid->cellPainter();
        if (!hook) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        CellInfo cell;
        cell.row = index.row();
        cell.column = index.column();
        cell.field = m_grid->dataSetModel()->fieldOfColumn(index.column());
        cell.selected = option.state.testFlag(QStyle::State_Selected);
        CellStyle style;
        hook(cell, style);
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        if (style.background) {
            opt.backgroundBrush = *style.background;
            opt.state &= ~QStyle::State_Selected;
        }
        if (style.foreground) {
            opt.palette.setColor(QPalette::Text, *style.foreground);
            opt.palette.setColor(QPalette::HighlightedText, *style.foreground);
        }
        if (style.bold)
            opt.font.setBold(true);
        const QWidget* widget = option.widget;
        QStyle* widgetStyle = widget ? widget->style() : m_grid->style();
        widgetStyle->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    }

private:
    DBGrid* m_grid;
};

} // namespace

DBGrid::DBGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setWordWrap(false);
    setItemDelegate(new PaintingDelegate(this));
    // Fixed row heights: sizing rows to their contents would visit every row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
}

void DBGrid::setDataSource(DataSource* source)
{
    ds::DataSetModel* old = m_model;
    m_model = new ds::DataSetModel(source->dataSet(), this);
    setModel(m_model);
    delete old;
    connectSelection();
    sizeColumns();
    connect(source->dataSet(), &ds::ClientDataSet::currentChanged, this, &DBGrid::followDataSet);
    connect(source->dataSet(), &ds::ClientDataSet::dataReset, this, &DBGrid::followDataSet);
    followDataSet();
}

ds::ClientDataSet* DBGrid::dataSet() const
{
    return m_model ? m_model->dataSet() : nullptr;
}

void DBGrid::setColumns(std::vector<ds::DataSetModel::Column> columns)
{
    if (!m_model)
        return;
    m_model->setColumns(std::move(columns));
    sizeColumns();
    followDataSet();
}

void DBGrid::sizeColumns()
{
    // From the fields' widths, not the contents: measuring every row would not scale.
    ds::ClientDataSet* cds = dataSet();
    const QFontMetrics metrics(font());
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('N'));
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int field = m_model->fieldOfColumn(c);
        int chars = 12;
        if (field >= 0) {
            const ds::FieldDef& def = cds->fieldDefs()[static_cast<size_t>(field)];
            switch (def.type) {
            case ds::FieldType::Integer:
                chars = 7;
                break;
            case ds::FieldType::Date:
                chars = 10;
                break;
            case ds::FieldType::Time:
                chars = 6;
                break;
            case ds::FieldType::String:
            case ds::FieldType::FixedString:
                chars = std::clamp(def.size, 4, 30);
                break;
            default:
                chars = 24;
                break;
            }
            if (!def.editMask.isEmpty())
                chars = EditMask::parse(def.editMask).length() + 1;
        }
        const QString title = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        setColumnWidth(c, std::max(chars * charWidth, metrics.horizontalAdvance(title) + 16));
    }
}

void DBGrid::setCellPainter(CellPainter painter)
{
    m_painter = std::move(painter);
    viewport()->update();
}

void DBGrid::connectSelection()
{
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onViewRowChanged(current); });
}

void DBGrid::followDataSet()
{
    ds::ClientDataSet* cds = dataSet();
    if (!cds || !selectionModel())
        return;
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    const int row = cds->isActive() ? cds->recNo() : -1;
    if (row < 0 || row >= m_model->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const int column = std::max(0, currentIndex().column());
    const QModelIndex target = m_model->index(row, column);
    selectionModel()->setCurrentIndex(target,
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

void DBGrid::onViewRowChanged(const QModelIndex& current)
{
    if (m_syncing || !current.isValid())
        return;
    ds::ClientDataSet* cds = dataSet();
    if (!cds || !cds->isActive())
        return;
    if (cds->isEditing()) {
        // Moving would post the row behind the screen's back; stay on it.
        QMetaObject::invokeMethod(this, &DBGrid::followDataSet, Qt::QueuedConnection);
        return;
    }
    if (current.row() != cds->recNo())
        dlg::guarded(window(), [&] { cds->moveTo(current.row()); });
}

} // namespace dbw
