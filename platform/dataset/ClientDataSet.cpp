#include "platform/dataset/ClientDataSet.h"

#include "platform/dataset/Conversions.h"
#include "platform/dataset/DataError.h"
#include "platform/dataset/Provider.h"
#include "platform/dataset/SqlQuery.h"
#include "platform/dataset/TextCollation.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTime>

#include <algorithm>

namespace ds {

// ---- Field -------------------------------------------------------------------------------

const FieldDef& Field::def() const
{
    return m_dataSet->m_fields[static_cast<size_t>(m_index)];
}

QVariant Field::value() const
{
    return m_dataSet->fieldValue(m_index);
}

void Field::setValue(const QVariant& value)
{
    m_dataSet->setFieldValue(m_index, value);
}

QString Field::asString() const
{
    const QVariant v = value();
    if (v.isNull())
        return {};
    switch (def().type) {
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::DateTime:
        return displayText();
    default:
        return v.toString();
    }
}

void Field::setAsString(const QString& text)
{
    switch (def().type) {
    case FieldType::Date:
        setValue(isBlankDateText(text) ? QVariant() : QVariant(toDate(text)));
        break;
    case FieldType::Time:
        setValue(isBlankDateText(text) ? QVariant() : QVariant(toTime(text)));
        break;
    case FieldType::Integer:
        setValue(text.trimmed().isEmpty() ? QVariant() : QVariant(toInteger(text)));
        break;
    case FieldType::Float: {
        if (text.trimmed().isEmpty()) {
            setValue(QVariant());
            break;
        }
        bool ok = false;
        const double d = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
        if (!ok)
            throw DataError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
        setValue(d);
        break;
    }
    default:
        setValue(text.isEmpty() ? QVariant() : QVariant(text));
        break;
    }
}

int Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (def().type == FieldType::Integer || def().type == FieldType::Float)
        return v.toInt();
    return toInteger(v.toString());
}

QString Field::displayText() const
{
    return displayTextOf(value(), def().type);
}

// ---- ClientDataSet -------------------------------------------------------------------------

ClientDataSet::ClientDataSet(QObject* parent) : QObject(parent) {}

ClientDataSet::~ClientDataSet() = default;

void ClientDataSet::setFieldDefs(std::vector<FieldDef> fields)
{
    if (isActive())
        throw DataError(QStringLiteral("Cannot perform this operation on an open dataset"));
    m_fields = std::move(fields);
}

int ClientDataSet::fieldIndex(const QString& name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

Field ClientDataSet::fieldByName(const QString& name)
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw DataError(QStringLiteral("Field '%1' not found").arg(name));
    return Field(this, index);
}

std::optional<Field> ClientDataSet::findField(const QString& name)
{
    const int index = fieldIndex(name);
    if (index < 0)
        return std::nullopt;
    return Field(this, index);
}

void ClientDataSet::requireActive() const
{
    if (!isActive())
        throw DataError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void ClientDataSet::requireBrowse() const
{
    requireActive();
    if (isEditing())
        throw DataError(QStringLiteral("Dataset not in browse mode"));
}

void ClientDataSet::open()
{
    if (isActive())
        return;
    if (!m_provider)
        throw DataError(QStringLiteral("Missing data provider or data packet"));
    std::vector<FieldDef> fields = m_fields;
    ColumnStore store;
    m_provider->fetch(fields, store);
    const bool derived = m_fields.empty();
    // Resolve what depends on field names before anything is kept, so a failure leaves it closed.
    FilterExpression expression = FilterExpression::parse(m_filterText, fields);
    std::vector<int> index;
    for (const QString& name : m_indexFieldNames.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldDef& f) {
            return f.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0;
        });
        if (it == fields.end())
            throw DataError(QStringLiteral("Field '%1' not found").arg(name.trimmed()));
        index.push_back(static_cast<int>(it - fields.begin()));
    }
    if (derived)
        m_fields = std::move(fields);
    m_filterExpr = std::move(expression);
    m_indexFields = std::move(index);
    m_store = std::move(store);
    m_slots.clear();
    m_slots.resize(static_cast<size_t>(m_store.rowCount()));
    m_changeLog.clear();
    m_state = DataSetState::Browse;
    m_orderValid = false;
    rebuildView(-1);
    setPosition(m_view.empty() ? -1 : 0);
    emit dataReset();
    emit stateChanged();
    emit currentChanged();
}

void ClientDataSet::close()
{
    if (!isActive())
        return;
    m_slots.clear();
    m_store.reset(m_fields);
    m_order.clear();
    m_orderValid = false;
    m_view.clear();
    m_changeLog.clear();
    m_buffer.clear();
    m_pos = -1;
    m_bof = m_eof = true;
    m_state = DataSetState::Inactive;
    emit dataReset();
    emit stateChanged();
    emit currentChanged();
}

void ClientDataSet::refresh()
{
    requireActive();
    if (isEditing())
        post();
    if (!m_changeLog.empty())
        throw DataError(QStringLiteral("Must apply updates before refreshing data"));
    // Come back to the same row by its key when it is still there.
    std::vector<QVariant> key;
    std::vector<int> keyFields;
    for (int i = 0; i < fieldCount(); ++i) {
        if (m_fields[static_cast<size_t>(i)].key) {
            keyFields.push_back(i);
            key.push_back(fieldValue(i));
        }
    }
    const int oldPos = m_pos;
    std::vector<FieldDef> fields = m_fields;
    ColumnStore store;
    m_provider->fetch(fields, store);
    m_store = std::move(store);
    m_slots.clear();
    m_slots.resize(static_cast<size_t>(m_store.rowCount()));
    m_orderValid = false;
    rebuildView(-1);
    int target = m_view.empty() ? -1 : std::clamp(oldPos, 0, static_cast<int>(m_view.size()) - 1);
    if (!keyFields.empty() && !m_view.empty()) {
        for (size_t v = 0; v < m_view.size(); ++v) {
            bool same = true;
            for (size_t k = 0; k < keyFields.size() && same; ++k)
                same = slotValue(m_view[v], keyFields[k]) == key[k];
            if (same) {
                target = static_cast<int>(v);
                break;
            }
        }
    }
    setPosition(target);
    emit dataReset();
    emit currentChanged();
}

void ClientDataSet::fetchParams()
{
    if (!m_provider)
        throw DataError(QStringLiteral("Missing data provider or data packet"));
}

QStringList ClientDataSet::paramNames() const
{
    return m_provider ? m_provider->query()->parameterNames() : QStringList();
}

void ClientDataSet::setParam(const QString& name, const QVariant& value)
{
    if (!m_provider)
        throw DataError(QStringLiteral("Missing data provider or data packet"));
    if (!paramNames().contains(name, Qt::CaseInsensitive))
        throw DataError(QStringLiteral("Parameter '%1' not found").arg(name));
    m_provider->query()->setParam(name, value);
}

void ClientDataSet::setFilter(const QString& text)
{
    if (isActive()) {
        if (isEditing())
            post();
        m_filterExpr = FilterExpression::parse(text, m_fields); // throws, leaving the old filter
        m_filterText = text;
        const int keep = currentSlot();
        rebuildView(keep);
        emit dataReset();
        emit currentChanged();
    } else {
        if (!m_fields.empty())
            FilterExpression::parse(text, m_fields);
        m_filterText = text;
    }
}

void ClientDataSet::setFiltered(bool on)
{
    if (m_filtered == on)
        return;
    if (isActive() && isEditing())
        post();
    m_filtered = on;
    if (isActive()) {
        rebuildView(currentSlot());
        emit dataReset();
        emit currentChanged();
    }
}

void ClientDataSet::setFilterCaseInsensitive(bool on)
{
    if (m_caseInsensitive == on)
        return;
    m_caseInsensitive = on;
    if (isActive() && m_filtered) {
        if (isEditing())
            post();
        rebuildView(currentSlot());
        emit dataReset();
        emit currentChanged();
    }
}

void ClientDataSet::setIndexFieldNames(const QString& names)
{
    std::vector<int> index;
    if (isActive() || !m_fields.empty()) {
        for (const QString& name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const int i = fieldIndex(name.trimmed());
            if (i < 0)
                throw DataError(QStringLiteral("Field '%1' not found").arg(name.trimmed()));
            index.push_back(i);
        }
    }
    if (isActive() && isEditing())
        post();
    m_indexFieldNames = names;
    m_indexFields = std::move(index);
    m_orderValid = false;
    if (isActive()) {
        rebuildView(currentSlot());
        emit dataReset();
        emit currentChanged();
    }
}

void ClientDataSet::setMasterSource(ClientDataSet* master, const QStringList& masterFields,
                                    const QStringList& detailFields)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterFields.clear();
    m_detailFields.clear();
    if (!master)
        return;
    if (masterFields.size() != detailFields.size())
        throw DataError(QStringLiteral("Master and detail fields do not pair up"));
    for (const QString& name : masterFields)
        m_masterFields.push_back(master->fieldByName(name).index());
    for (const QString& name : detailFields)
        m_detailFields.push_back(fieldByName(name).index());
    connect(master, &ClientDataSet::currentChanged, this, &ClientDataSet::onMasterMoved);
    connect(master, &ClientDataSet::dataReset, this, &ClientDataSet::onMasterMoved);
    connect(master, &ClientDataSet::rowUpdated, this, &ClientDataSet::onMasterMoved);
    onMasterMoved();
}

void ClientDataSet::onMasterMoved()
{
    std::vector<QVariant> values;
    if (m_master && m_master->isActive() && m_master->recNo() >= 0) {
        for (int f : m_masterFields)
            values.push_back(m_master->fieldValue(f));
    }
    if (values == m_masterValues && !values.empty())
        return;
    m_masterValues = std::move(values);
    if (!isActive())
        return;
    if (isEditing())
        cancel(); // the row being edited belongs to the master row left behind
    rebuildView(-1);
    setPosition(m_view.empty() ? -1 : 0);
    emit dataReset();
    emit currentChanged();
}

bool ClientDataSet::visible(int slot) const
{
    const Slot& s = m_slots[static_cast<size_t>(slot)];
    if (s.status == Status::Deleted || s.status == Status::Discarded)
        return false;
    if (s.status == Status::Unposted)
        return true;
    if (m_master) {
        if (m_masterValues.empty())
            return false;
        for (size_t k = 0; k < m_detailFields.size(); ++k) {
            const QVariant v = slotValue(slot, m_detailFields[k]);
            if (v.isNull() || v != m_masterValues[k])
                return false;
        }
    }
    if (m_filtered && !m_filterExpr.isEmpty())
        return m_filterExpr.matches(rowOf(slot), m_caseInsensitive);
    return true;
}

bool ClientDataSet::sortsBefore(int a, int b) const
{
    const StoredRow x = rowOf(a);
    const StoredRow y = rowOf(b);
    for (int f : m_indexFields) {
        const bool nx = x.isNull(f);
        const bool ny = y.isNull(f);
        if (nx || ny) {
            if (nx != ny)
                return nx; // nulls first
            continue;
        }
        int c = 0;
        switch (m_fields[static_cast<size_t>(f)].type) {
        case FieldType::Integer:
        case FieldType::Boolean:
        case FieldType::Date:
        case FieldType::Time:
            c = (x.int32(f) > y.int32(f)) - (x.int32(f) < y.int32(f));
            break;
        case FieldType::DateTime:
            c = (x.int64(f) > y.int64(f)) - (x.int64(f) < y.int64(f));
            break;
        case FieldType::Float:
            c = (x.real(f) > y.real(f)) - (x.real(f) < y.real(f));
            break;
        default:
            c = compareText(x.bytes(f), y.bytes(f));
            break;
        }
        if (c != 0)
            return c < 0;
    }
    return false;
}

// Sorting compares a key taken from each row once (the first index field, or the first
// characters of a text), so that comparisons rarely have to reach the rows themselves.
void ClientDataSet::rebuildOrder()
{
    struct Key
    {
        uint64_t major;
        int slot;
    };
    std::vector<Key> keys;
    keys.reserve(m_slots.size());
    const int first = m_indexFields.empty() ? -1 : m_indexFields.front();
    const FieldType type = first < 0 ? FieldType::Integer : m_fields[static_cast<size_t>(first)].type;
    const bool exactKey =
        m_indexFields.size() == 1 && (type == FieldType::Integer || type == FieldType::Boolean ||
                                      type == FieldType::Date || type == FieldType::Time);
    for (int i = 0; i < static_cast<int>(m_slots.size()); ++i) {
        const Slot& s = m_slots[static_cast<size_t>(i)];
        if (s.status == Status::Discarded || s.status == Status::Unposted)
            continue;
        uint64_t major = 0; // nulls first
        const StoredRow row = rowOf(i);
        if (first >= 0 && !row.isNull(first)) {
            switch (type) {
            case FieldType::Integer:
            case FieldType::Boolean:
            case FieldType::Date:
            case FieldType::Time:
                major = static_cast<uint64_t>(static_cast<int64_t>(row.int32(first)) - INT32_MIN) + 1;
                break;
            case FieldType::String:
            case FieldType::FixedString:
            case FieldType::Memo:
                major = (uint64_t{1} << 62) | textSortPrefix(row.bytes(first));
                break;
            default:
                major = 1;
                break;
            }
        }
        keys.push_back({major, i});
    }
    if (first >= 0) {
        std::stable_sort(keys.begin(), keys.end(), [this, exactKey](const Key& a, const Key& b) {
            if (a.major != b.major)
                return a.major < b.major;
            return !exactKey && sortsBefore(a.slot, b.slot);
        });
    }
    m_order.clear();
    m_order.reserve(keys.size());
    for (const Key& key : keys)
        m_order.push_back(key.slot);
    rankOrder();
    m_orderValid = true;
}

void ClientDataSet::rankOrder()
{
    m_rank.assign(m_slots.size(), -1);
    for (size_t i = 0; i < m_order.size(); ++i)
        m_rank[static_cast<size_t>(m_order[i])] = static_cast<int>(i);
}

// A posted row takes its place in the index order after the rows that sort equal to it.
void ClientDataSet::placeInOrder(int slot)
{
    if (!m_orderValid)
        return;
    m_order.erase(std::remove(m_order.begin(), m_order.end(), slot), m_order.end());
    auto at = m_indexFields.empty() ? m_order.end()
                                    : std::upper_bound(m_order.begin(), m_order.end(), slot,
                                                       [this](int a, int b) { return sortsBefore(a, b); });
    m_order.insert(at, slot);
    rankOrder();
}

void ClientDataSet::rebuildView(int keepSlot)
{
    if (!m_orderValid)
        rebuildOrder();
    // Test the rows in storage order (cheap on memory), then put the few that pass in index
    // order by their rank, or walk the whole order when most pass.
    m_view.clear();
    for (size_t i = 0; i < m_rank.size(); ++i) { // slots past the ranked ones are not kept
        if (m_rank[i] >= 0 && visible(static_cast<int>(i)))
            m_view.push_back(static_cast<int>(i));
    }
    if (m_view.size() * 8 < m_order.size()) {
        std::sort(m_view.begin(), m_view.end(), [this](int a, int b) {
            return m_rank[static_cast<size_t>(a)] < m_rank[static_cast<size_t>(b)];
        });
    } else {
        std::vector<char> shown(m_slots.size());
        for (int slot : m_view)
            shown[static_cast<size_t>(slot)] = 1;
        m_view.clear();
        for (int slot : m_order) {
            if (shown[static_cast<size_t>(slot)])
                m_view.push_back(slot);
        }
    }
    int position = -1;
    if (keepSlot >= 0) {
        auto it = std::find(m_view.begin(), m_view.end(), keepSlot);
        if (it != m_view.end())
            position = static_cast<int>(it - m_view.begin());
    }
    if (position < 0 && !m_view.empty())
        position = std::clamp(m_pos, 0, static_cast<int>(m_view.size()) - 1);
    setPosition(m_view.empty() ? -1 : position);
}

void ClientDataSet::setPosition(int position)
{
    m_pos = position;
    m_bof = m_eof = m_view.empty();
}

int ClientDataSet::currentSlot() const
{
    return m_pos >= 0 && m_pos < static_cast<int>(m_view.size()) ? m_view[static_cast<size_t>(m_pos)] : -1;
}

int ClientDataSet::recordCount() const
{
    if (!isActive())
        return 0;
    const int unposted = m_state == DataSetState::Insert ? 1 : 0;
    return static_cast<int>(m_view.size()) - unposted;
}

void ClientDataSet::moveTo(int position)
{
    requireActive();
    if (isEditing())
        post();
    if (m_view.empty())
        return;
    const int target = std::clamp(position, 0, static_cast<int>(m_view.size()) - 1);
    const bool moved = target != m_pos;
    m_pos = target;
    m_bof = position <= 0;
    m_eof = position >= static_cast<int>(m_view.size()) - 1;
    if (moved)
        emit currentChanged();
}

void ClientDataSet::first()
{
    moveTo(0);
    m_bof = true;
}

void ClientDataSet::last()
{
    moveTo(static_cast<int>(m_view.size()) - 1);
    m_eof = true;
}

void ClientDataSet::next()
{
    if (m_pos >= static_cast<int>(m_view.size()) - 1) {
        m_eof = true;
        return;
    }
    moveTo(m_pos + 1);
    m_eof = false;
    m_bof = false;
}

void ClientDataSet::prior()
{
    if (m_pos <= 0) {
        m_bof = true;
        return;
    }
    moveTo(m_pos - 1);
    m_bof = false;
    m_eof = false;
}

bool ClientDataSet::locate(const QString& fieldName, const QVariant& value, bool caseInsensitive,
                           bool partialKey)
{
    requireActive();
    if (isEditing())
        post();
    const int f = fieldByName(fieldName).index();
    const FieldDef& def = m_fields[static_cast<size_t>(f)];
    const bool text =
        def.type == FieldType::String || def.type == FieldType::FixedString || def.type == FieldType::Memo;
    const QString wanted = value.toString();
    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (size_t v = 0; v < m_view.size(); ++v) {
        const QVariant cell = slotValue(m_view[v], f);
        if (cell.isNull())
            continue;
        bool hit = false;
        if (text || partialKey) {
            const QString s = text ? cell.toString() : displayTextOf(cell, def.type);
            hit = partialKey ? s.startsWith(wanted, cs) : s.compare(wanted, cs) == 0;
        } else {
            hit = cell == value || displayTextOf(cell, def.type) == wanted;
        }
        if (hit) {
            moveTo(static_cast<int>(v));
            return true;
        }
    }
    return false;
}

void ClientDataSet::insert()
{
    requireActive();
    if (isEditing())
        post();
    const int slot = m_store.appendRow();
    m_slots.push_back(Slot{PackedRow(), Status::Unposted, false});
    const int position = m_pos < 0 ? 0 : m_pos;
    m_view.insert(m_view.begin() + position, slot);
    m_pos = position;
    m_bof = m_eof = false;
    m_buffer.assign(m_fields.size(), QVariant());
    for (size_t k = 0; k < m_detailFields.size() && k < m_masterValues.size(); ++k)
        m_buffer[static_cast<size_t>(m_detailFields[k])] = m_masterValues[k];
    m_state = DataSetState::Insert;
    emit dataReset();
    emit stateChanged();
    emit currentChanged();
}

void ClientDataSet::append()
{
    requireActive();
    if (isEditing())
        post();
    m_pos = static_cast<int>(m_view.size());
    insert();
}

void ClientDataSet::edit()
{
    requireActive();
    if (isEditing())
        return;
    if (m_view.empty()) {
        insert();
        return;
    }
    const int slot = currentSlot();
    m_buffer.resize(m_fields.size());
    for (int f = 0; f < fieldCount(); ++f)
        m_buffer[static_cast<size_t>(f)] = slotValue(slot, f);
    m_state = DataSetState::Edit;
    emit stateChanged();
}

void ClientDataSet::storeBuffer(int slot)
{
    for (int f = 0; f < fieldCount(); ++f)
        m_store.setValue(slot, f, m_buffer[static_cast<size_t>(f)]);
}

void ClientDataSet::logChange(int slot)
{
    Slot& s = m_slots[static_cast<size_t>(slot)];
    if (!s.logged) {
        s.logged = true;
        m_changeLog.push_back(slot);
    }
}

void ClientDataSet::post()
{
    if (!isEditing())
        return;
    for (int f = 0; f < fieldCount(); ++f) {
        const FieldDef& def = m_fields[static_cast<size_t>(f)];
        const QVariant& v = m_buffer[static_cast<size_t>(f)];
        if (def.required && (v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty())))
            throw DataError(QStringLiteral("Field '%1' must have a value").arg(def.name));
    }
    const int slot = currentSlot();
    Slot& s = m_slots[static_cast<size_t>(slot)];
    if (m_state == DataSetState::Insert) {
        s.status = Status::Inserted;
    } else if (s.status == Status::Unchanged) {
        s.original = m_store.pack(slot);
        s.status = Status::Modified;
    }
    storeBuffer(slot);
    logChange(slot);
    m_buffer.clear();
    m_state = DataSetState::Browse;
    placeInOrder(slot);
    const int oldPos = m_pos;
    rebuildView(slot);
    emit stateChanged();
    emit dataReset();
    if (m_pos != oldPos || currentSlot() != slot)
        emit currentChanged();
    else
        emit rowUpdated(m_pos);
}

void ClientDataSet::cancel()
{
    if (!isEditing())
        return;
    if (m_state == DataSetState::Insert) {
        const int slot = currentSlot();
        m_slots[static_cast<size_t>(slot)].status = Status::Discarded;
        m_view.erase(m_view.begin() + m_pos);
        if (m_pos >= static_cast<int>(m_view.size()))
            m_pos = static_cast<int>(m_view.size()) - 1;
        setPosition(m_pos);
    }
    m_buffer.clear();
    const bool wasInsert = m_state == DataSetState::Insert;
    m_state = DataSetState::Browse;
    emit stateChanged();
    if (wasInsert) {
        emit dataReset();
        emit currentChanged();
    } else {
        for (int f = 0; f < fieldCount(); ++f)
            emit fieldChanged(f);
        emit rowUpdated(m_pos);
    }
}

void ClientDataSet::deleteRecord()
{
    requireActive();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (m_state == DataSetState::Edit)
        cancel();
    if (m_view.empty())
        throw DataError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    const int slot = currentSlot();
    Slot& s = m_slots[static_cast<size_t>(slot)];
    if (s.status == Status::Inserted) {
        s.status = Status::Discarded;
        m_changeLog.erase(std::remove(m_changeLog.begin(), m_changeLog.end(), slot), m_changeLog.end());
        s.logged = false;
    } else {
        if (s.status == Status::Unchanged)
            s.original = m_store.pack(slot);
        s.status = Status::Deleted;
        logChange(slot);
    }
    m_view.erase(m_view.begin() + m_pos);
    setPosition(m_view.empty() ? -1 : std::min(m_pos, static_cast<int>(m_view.size()) - 1));
    emit dataReset();
    emit currentChanged();
}

ApplyResult ClientDataSet::applyUpdates(int maxErrors)
{
    requireActive();
    if (isEditing())
        post();
    if (!m_provider)
        throw DataError(QStringLiteral("Missing data provider or data packet"));
    std::vector<RowChange> changes;
    std::vector<PackedRow> currents; // the changed rows' values, packed for the statements
    currents.reserve(m_changeLog.size());
    changes.reserve(m_changeLog.size());
    for (int slot : m_changeLog) {
        const Slot& s = m_slots[static_cast<size_t>(slot)];
        switch (s.status) {
        case Status::Inserted:
            currents.push_back(m_store.pack(slot));
            changes.push_back({RowChange::Kind::Insert, &currents.back(), nullptr});
            break;
        case Status::Modified:
            currents.push_back(m_store.pack(slot));
            changes.push_back({RowChange::Kind::Modify, &currents.back(), &s.original});
            break;
        case Status::Deleted:
            changes.push_back({RowChange::Kind::Delete, nullptr, &s.original});
            break;
        default:
            break;
        }
    }
    ApplyResult result = m_provider->apply(m_fields, changes);
    if (result.errorCount > maxErrors || !result.ok())
        return result; // everything was rolled back: all changes stay pending
    for (int slot : m_changeLog) {
        Slot& s = m_slots[static_cast<size_t>(slot)];
        s.logged = false;
        if (s.status == Status::Deleted) {
            s.status = Status::Discarded;
        } else {
            s.status = Status::Unchanged;
        }
        s.original = PackedRow();
    }
    m_changeLog.clear();
    return result;
}

void ClientDataSet::cancelUpdates()
{
    requireActive();
    if (isEditing())
        cancel();
    for (int slot : m_changeLog) {
        Slot& s = m_slots[static_cast<size_t>(slot)];
        s.logged = false;
        if (s.status == Status::Inserted) {
            s.status = Status::Discarded;
        } else {
            m_store.assign(slot, s.original);
            s.original = PackedRow();
            s.status = Status::Unchanged;
        }
    }
    m_changeLog.clear();
    m_orderValid = false;
    rebuildView(currentSlot());
    emit dataReset();
    emit currentChanged();
}

void ClientDataSet::addAggregate(const QString& name, const QString& expression)
{
    static const QRegularExpression sum(QStringLiteral("^\\s*sum\\s*\\(\\s*(\\w+)\\s*\\)\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = sum.match(expression);
    if (!m.hasMatch())
        throw DataError(QStringLiteral("Aggregate expression not supported: %1").arg(expression));
    m_aggregates.push_back({name, m.captured(1)});
}

QVariant ClientDataSet::aggregateValue(const QString& name) const
{
    for (const Aggregate& aggregate : m_aggregates) {
        if (aggregate.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const int f = fieldIndex(aggregate.field);
        if (f < 0)
            throw DataError(QStringLiteral("Field '%1' not found").arg(aggregate.field));
        if (!isActive() || recordCount() == 0)
            return {};
        const FieldDef& def = m_fields[static_cast<size_t>(f)];
        double total = 0;
        for (int slot : m_view) {
            const Slot& s = m_slots[static_cast<size_t>(slot)];
            if (s.status == Status::Unposted || m_store.isNull(slot, f))
                continue;
            total += def.type == FieldType::Float ? m_store.real(slot, f) : m_store.int32(slot, f);
        }
        if (def.type == FieldType::Float)
            return total;
        return static_cast<qint64>(total);
    }
    throw DataError(QStringLiteral("Aggregate '%1' not found").arg(name));
}

QVariant ClientDataSet::slotValue(int slot, int field) const
{
    return m_store.value(slot, field);
}

QVariant ClientDataSet::fieldValue(int field) const
{
    if (field < 0 || field >= fieldCount())
        throw DataError(QStringLiteral("Field index out of range"));
    if (isEditing())
        return m_buffer[static_cast<size_t>(field)];
    const int slot = currentSlot();
    return slot < 0 ? QVariant() : slotValue(slot, field);
}

void ClientDataSet::setFieldValue(int field, const QVariant& value)
{
    if (!isEditing())
        throw DataError(QStringLiteral("Dataset not in edit or insert mode"));
    QVariant& cell = m_buffer[static_cast<size_t>(field)];
    if (cell == value && cell.isNull() == value.isNull())
        return;
    cell = value;
    emit fieldChanged(field);
    emit rowUpdated(m_pos);
}

QVariant ClientDataSet::value(int row, int field) const
{
    if (row < 0 || row >= static_cast<int>(m_view.size()))
        return {};
    if (row == m_pos && isEditing())
        return m_buffer[static_cast<size_t>(field)];
    return slotValue(m_view[static_cast<size_t>(row)], field);
}

QString ClientDataSet::displayText(int row, int field) const
{
    return displayTextOf(value(row, field), m_fields[static_cast<size_t>(field)].type);
}

} // namespace ds
