#include "platform/widgets/DataSource.h"

#include "platform/dataset/ClientDataSet.h"
#include "platform/widgets/FieldLink.h"

#include <algorithm>

namespace dbw {

DataSource::DataSource(ds::ClientDataSet* dataSet, QObject* parent) : QObject(parent), m_dataSet(dataSet) {}

void DataSource::setAutoEdit(bool on)
{
    m_autoEdit = on;
    for (FieldLink* link : m_links)
        link->read();
}

void DataSource::edit()
{
    if (m_dataSet && m_dataSet->state() == ds::DataSetState::Browse)
        m_dataSet->edit();
}

void DataSource::updateRecord()
{
    if (!m_dataSet || !m_dataSet->isEditing())
        return;
    const std::vector<FieldLink*> links = m_links;
    for (FieldLink* link : links)
        link->commit();
}

void DataSource::attach(FieldLink* link)
{
    m_links.push_back(link);
}

void DataSource::detach(FieldLink* link)
{
    m_links.erase(std::remove(m_links.begin(), m_links.end(), link), m_links.end());
}

} // namespace dbw
