#pragma once

#include "platform/dataset/ClientDataSet.h"

#include <QObject>
#include <QPointer>

#include <vector>

namespace dbw {

class FieldLink;

// What a screen's editors point at: one client dataset. It knows its bound editors so that a
// save can first take the text still pending in them (a date typed half-way, say).
class DataSource final : public QObject
{
    Q_OBJECT

public:
    explicit DataSource(ds::ClientDataSet* dataSet, QObject* parent = nullptr);

    ds::ClientDataSet* dataSet() const { return m_dataSet; }
    // With auto-edit on, typing into a bound editor puts a browsing dataset into edit state;
    // off (the registers), typing while browsing changes nothing.
    void setAutoEdit(bool on);
    bool autoEdit() const { return m_autoEdit; }

    // Puts the dataset into edit state when it is browsing.
    void edit();
    // Writes every bound editor's pending text into the current row; throws the field's
    // conversion error for a text that is not a value.
    void updateRecord();

private:
    friend class FieldLink;
    void attach(FieldLink* link);
    void detach(FieldLink* link);

    QPointer<ds::ClientDataSet> m_dataSet;
    bool m_autoEdit = false;
    std::vector<FieldLink*> m_links;
};

} // namespace dbw
