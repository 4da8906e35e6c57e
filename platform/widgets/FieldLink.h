#pragma once

#include "platform/dataset/ClientDataSet.h"
#include "platform/widgets/DataSource.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

namespace dbw {

// The tie between one editor and one field of its data source's current row: it calls the
// editor back to re-read whenever the row, the field or the dataset's state changes, and
// guards the editor's own writes from echoing back.
class FieldLink final : public QObject
{
    Q_OBJECT

public:
    struct Callbacks
    {
        std::function<void()> read;   // show the field's value
        std::function<void()> commit; // write pending text (may throw)
    };

    FieldLink(QObject* owner, Callbacks callbacks);
    ~FieldLink() override;

    void bind(DataSource* source, const QString& fieldName);
    DataSource* dataSource() const { return m_source; }
    ds::ClientDataSet* dataSet() const;
    const QString& fieldName() const { return m_fieldName; }
    // The field of the current row, when the dataset is open and has it.
    std::optional<ds::Field> field() const;
    const ds::FieldDef* fieldDef() const;
    bool isEditing() const;
    bool autoEdit() const;

    // True when the user's change may go into the row: the dataset is editing, or auto-edit
    // just put it into edit state.
    bool beginChange();
    // Writes through the field, without re-reading the editor.
    void write(const std::function<void(ds::Field&)>& writer);
    void read();
    void commit();

private:
    Callbacks m_callbacks;
    QPointer<DataSource> m_source;
    QString m_fieldName;
    bool m_writing = false;
    QMetaObject::Connection m_connections[4];
};

} // namespace dbw
