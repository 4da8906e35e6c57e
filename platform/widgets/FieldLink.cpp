#include "platform/widgets/FieldLink.h"

#include "platform/widgets/DataSource.h"

#include <QScopedValueRollback>

namespace dbw {

FieldLink::FieldLink(QObject* owner, Callbacks callbacks) : QObject(owner), m_callbacks(std::move(callbacks))
{
}

FieldLink::~FieldLink()
{
    if (m_source)
        m_source->detach(this);
}

void FieldLink::bind(DataSource* source, const QString& fieldName)
{
    for (auto& c : m_connections)
        disconnect(c);
    if (m_source)
        m_source->detach(this);
    m_source = source;
    m_fieldName = fieldName;
    if (source) {
        source->attach(this);
        ds::ClientDataSet* cds = source->dataSet();
        m_connections[0] = connect(cds, &ds::ClientDataSet::currentChanged, this, &FieldLink::read);
        m_connections[1] = connect(cds, &ds::ClientDataSet::dataReset, this, &FieldLink::read);
        m_connections[2] = connect(cds, &ds::ClientDataSet::stateChanged, this, &FieldLink::read);
        m_connections[3] = connect(cds, &ds::ClientDataSet::fieldChanged, this, [this](int index) {
            ds::ClientDataSet* cds = dataSet();
            if (cds && index == cds->fieldIndex(m_fieldName))
                read();
        });
    }
    read();
}

ds::ClientDataSet* FieldLink::dataSet() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

std::optional<ds::Field> FieldLink::field() const
{
    ds::ClientDataSet* cds = dataSet();
    if (!cds || !cds->isActive())
        return std::nullopt;
    return cds->findField(m_fieldName);
}

const ds::FieldDef* FieldLink::fieldDef() const
{
    ds::ClientDataSet* cds = dataSet();
    const int index = cds ? cds->fieldIndex(m_fieldName) : -1;
    return index < 0 ? nullptr : &cds->fieldDefs()[static_cast<size_t>(index)];
}

bool FieldLink::isEditing() const
{
    ds::ClientDataSet* cds = dataSet();
    return cds && cds->isEditing();
}

bool FieldLink::autoEdit() const
{
    return m_source && m_source->autoEdit();
}

bool FieldLink::beginChange()
{
    if (isEditing())
        return true;
    ds::ClientDataSet* cds = dataSet();
    if (!autoEdit() || !cds || !cds->isActive())
        return false;
    const QScopedValueRollback<bool> writing(m_writing, true);
    m_source->edit();
    return isEditing();
}

void FieldLink::write(const std::function<void(ds::Field&)>& writer)
{
    std::optional<ds::Field> f = field();
    if (!f)
        return;
    const QScopedValueRollback<bool> writing(m_writing, true);
    writer(*f);
}

void FieldLink::read()
{
    if (!m_writing && m_callbacks.read)
        m_callbacks.read();
}

void FieldLink::commit()
{
    if (m_callbacks.commit)
        m_callbacks.commit();
}

} // namespace dbw
