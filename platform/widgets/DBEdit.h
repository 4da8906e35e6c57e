#pragma once

#include "platform/widgets/CharCase.h"
#include "platform/widgets/EditMask.h"

#include <QLineEdit>

namespace dbw {

class DataSource;
class FieldLink;

// An edit box bound to one field of its data source's current row. Binding takes the
// field's entry mask and, for text fields, its size as the width limit; a date or time
// field gets a true value (an empty masked box stores null). The user's typing reaches the
// row only while the dataset is inserting or editing (or auto-edit puts it there).
class DBEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(DataSource* source, const QString& fieldName);
    const QString& fieldName() const;
    void setCharCase(CharCase charCase);
    CharCase charCase() const { return m_case; }
    // Replaces the field's mask ("" for none).
    void setEditMask(const QString& mask);
    const EditMask& editMask() const { return m_mask; }

    // The text in the form the field stores it, literals and blanks included, as the
    // screens read it ("(  )     -    " when nothing is typed into the phone mask).
    QString editText() const;
    // Writes a text that is still pending (a date being typed); throws when it is no value.
    void commit();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void readField();
    void userEdited();
    void writeText();
    bool isTemporal() const;

    FieldLink* m_link;
    EditMask m_mask;
    CharCase m_case = CharCase::Normal;
    bool m_pending = false;
};

} // namespace dbw
