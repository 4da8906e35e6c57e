#include "platform/widgets/DBEdit.h"

#include "platform/dataset/Conversions.h"
#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/FieldLink.h"

#include <QFocusEvent>
#include <QTimer>

namespace dbw {

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent), m_link(new FieldLink(this, {[this] { readField(); }, [this] { commit(); }}))
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
}

void DBEdit::setDataSource(DataSource* source, const QString& fieldName)
{
    m_link->bind(source, fieldName);
    if (const ds::FieldDef* def = m_link->fieldDef()) {
        setEditMask(def->editMask);
        if (def->size > 0 && (def->type == ds::FieldType::String || def->type == ds::FieldType::FixedString))
            setMaxLength(def->size);
    }
    readField();
}

const QString& DBEdit::fieldName() const
{
    return m_link->fieldName();
}

void DBEdit::setCharCase(CharCase charCase)
{
    m_case = charCase;
    // A mask takes digits and literals; case forcing is for free text.
    forceCharCase(this, m_mask.isEmpty() ? charCase : CharCase::Normal);
}

void DBEdit::setEditMask(const QString& mask)
{
    m_mask = EditMask::parse(mask);
    setInputMask(m_mask.isEmpty() ? QString() : m_mask.qtInputMask());
    setCharCase(m_case);
    readField();
}

QString DBEdit::editText() const
{
    return m_mask.isEmpty() ? text() : m_mask.storedText(displayText());
}

bool DBEdit::isTemporal() const
{
    const ds::FieldDef* def = m_link->fieldDef();
    return def && (def->type == ds::FieldType::Date || def->type == ds::FieldType::Time ||
                   def->type == ds::FieldType::DateTime);
}

void DBEdit::readField()
{
    m_pending = false;
    const std::optional<ds::Field> field = m_link->field();
    const QString value = field ? field->asString() : QString();
    if (m_mask.isEmpty())
        setText(value);
    else
        setText(m_mask.displayText(value));
    setCursorPosition(0);
    setReadOnly(!m_link->isEditing() && !m_link->autoEdit());
}

void DBEdit::userEdited()
{
    const bool ok = dlg::guarded(window(), [this] {
        if (!m_link->beginChange()) {
            readField(); // browsing: the row keeps its value
            return;
        }
        if (isTemporal() && !m_mask.isEmpty() && !m_mask.isBlank(displayText())) {
            // Half typed, a date is no value yet: it goes in once complete and valid, or is
            // reported when the box is left or the row saved.
            m_pending = true;
            if (m_mask.isComplete(displayText())) {
                try {
                    writeText();
                } catch (const ds::ConversionError&) {
                    // stays pending: the error box comes when the box is left
                }
            }
            return;
        }
        writeText();
    });
    if (!ok)
        readField();
}

void DBEdit::writeText()
{
    const QString stored = (m_mask.isEmpty() || !m_mask.isBlank(displayText())) ? editText() : QString();
    m_link->write([&](ds::Field& field) { field.setAsString(stored); });
    m_pending = false;
}

void DBEdit::commit()
{
    if (m_pending && m_link->isEditing())
        writeText();
}

void DBEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_pending || !m_link->isEditing())
        return;
    if (!dlg::guarded(window(), [this] { commit(); }))
        QTimer::singleShot(0, this, [this] { setFocus(); });
}

} // namespace dbw
