#pragma once

#include "platform/dataset/ApplyResult.h"
#include "platform/dataset/ColumnStore.h"
#include "platform/dataset/FieldDef.h"
#include "platform/dataset/FilterExpression.h"
#include "platform/dataset/PackedRow.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

namespace ds {

class ClientDataSet;
class Provider;

enum class DataSetState { Inactive, Browse, Insert, Edit };

// A handle on one field of a dataset's current row.
class Field final
{
public:
    Field(ClientDataSet* dataSet, int index) : m_dataSet(dataSet), m_index(index) {}

    const FieldDef& def() const;
    const QString& name() const { return def().name; }
    int index() const { return m_index; }

    QVariant value() const;
    void setValue(const QVariant& value);
    bool isNull() const { return value().isNull(); }
    void clear() { setValue(QVariant()); }

    QString asString() const;              // null reads as ""
    void setAsString(const QString& text); // dates "dd/mm/yyyy", "" sets null
    int asInteger() const;
    void setAsInteger(int value) { setValue(value); }
    QDate asDate() const { return value().toDate(); }
    void setAsDate(const QDate& date) { setValue(date.isValid() ? QVariant(date) : QVariant()); }
    QString displayText() const; // dates dd/MM/yyyy, times hh:mm

private:
    ClientDataSet* m_dataSet;
    int m_index;
};

// The in-memory dataset that every screen works on: all rows of its provider's SELECT, a
// filter and a sort order over them, one current row, and the changes not yet applied.
class ClientDataSet final : public QObject
{
    Q_OBJECT

public:
    explicit ClientDataSet(QObject* parent = nullptr);
    ~ClientDataSet() override;

    void setProvider(Provider* provider) { m_provider = provider; }
    Provider* provider() const { return m_provider; }

    // Declared fields; without them the fields come from the SELECT when opened.
    void setFieldDefs(std::vector<FieldDef> fields);
    const std::vector<FieldDef>& fieldDefs() const { return m_fields; }
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    int fieldIndex(const QString& name) const; // -1 when absent
    Field fieldByName(const QString& name);    // throws "Field 'X' not found"
    std::optional<Field> findField(const QString& name);
    Field field(int index) { return Field(this, index); }

    // Opening and closing
    void open();
    void close();
    bool isActive() const { return m_state != DataSetState::Inactive; }
    void setActive(bool active) { active ? open() : close(); }
    void refresh(); // refused while changes are pending
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Insert || m_state == DataSetState::Edit; }

    // Parameters of the provider's SQL
    void fetchParams();
    QStringList paramNames() const;
    void setParam(const QString& name, const QVariant& value);

    // Filtering and order
    void setFilter(const QString& text); // throws DataError for a text it cannot read
    const QString& filter() const { return m_filterText; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }
    void setFilterCaseInsensitive(bool on);
    bool filterCaseInsensitive() const { return m_caseInsensitive; }
    void setIndexFieldNames(const QString& names); // ";"-separated, ascending
    const QString& indexFieldNames() const { return m_indexFieldNames; }

    // Master/detail: only rows whose detail fields equal the master's current values show.
    void setMasterSource(ClientDataSet* master, const QStringList& masterFields,
                         const QStringList& detailFields);

    // Cursor over the visible rows
    int recordCount() const;
    int recNo() const { return m_pos; } // 0-based position among visible rows, -1 if none
    bool isEmpty() const { return recordCount() == 0; }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int position);
    bool locate(const QString& fieldName, const QVariant& value, bool caseInsensitive, bool partialKey);

    // Editing
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    int changeCount() const { return static_cast<int>(m_changeLog.size()); }
    ApplyResult applyUpdates(int maxErrors);
    void cancelUpdates();

    // Maintained aggregates "sum(field)" over the visible rows; null with no row in view.
    void addAggregate(const QString& name, const QString& expression);
    QVariant aggregateValue(const QString& name) const;

    // Reading any visible row without moving the cursor (grids, reports).
    QVariant value(int row, int field) const;
    QString displayText(int row, int field) const;

signals:
    void stateChanged();
    void currentChanged();        // the cursor moved to another row
    void fieldChanged(int field); // a value of the current row changed
    void dataReset();             // rows opened, closed, filtered or sorted anew
    void rowUpdated(int row);     // a visible row's values changed

private:
    friend class Field;
    enum class Status : unsigned char { Unchanged, Inserted, Modified, Deleted, Unposted, Discarded };
    // Slot i holds the state of row i of the column store, which keeps its current values.
    struct Slot
    {
        PackedRow original; // as read from the database, kept once the row is changed
        Status status = Status::Unchanged;
        bool logged = false;
    };

    QVariant fieldValue(int field) const;
    void setFieldValue(int field, const QVariant& value);
    QVariant slotValue(int slot, int field) const;
    StoredRow rowOf(int slot) const { return StoredRow(m_store, slot); }
    void rebuildView(int keepSlot);
    bool visible(int slot) const;
    bool sortsBefore(int a, int b) const;
    void rebuildOrder();
    void placeInOrder(int slot);
    void rankOrder();
    void setPosition(int position);
    int currentSlot() const;
    void requireBrowse() const;
    void requireActive() const;
    void logChange(int slot);
    void storeBuffer(int slot);
    void onMasterMoved();

    Provider* m_provider = nullptr;
    std::vector<FieldDef> m_fields;
    ColumnStore m_store;
    std::vector<Slot> m_slots;
    std::vector<int> m_order; // every kept slot in index order, so filtering needs no sort
    std::vector<int> m_rank;  // position of each slot in m_order
    bool m_orderValid = false;
    std::vector<int> m_view; // visible slots in order
    std::vector<int> m_changeLog;
    std::vector<QVariant> m_buffer; // current row while inserting or editing
    int m_pos = -1;
    bool m_bof = true;
    bool m_eof = true;
    DataSetState m_state = DataSetState::Inactive;

    QString m_filterText;
    FilterExpression m_filterExpr;
    bool m_filtered = false;
    bool m_caseInsensitive = false;
    QString m_indexFieldNames;
    std::vector<int> m_indexFields;

    QPointer<ClientDataSet> m_master;
    std::vector<int> m_masterFields;
    std::vector<int> m_detailFields;
    std::vector<QVariant> m_masterValues;

    struct Aggregate
    {
        QString name;
        QString field; // resolved when read: declared fields may only be known once open
    };
    std::vector<Aggregate> m_aggregates;
};

} // namespace ds
