#include "platform/widgets/DBMemo.h"

#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/FieldLink.h"

#include <QScopedValueRollback>

namespace dbw {

DBMemo::DBMemo(QWidget* parent)
    : QPlainTextEdit(parent), m_link(new FieldLink(this, {[this] { readField(); }, {}}))
{
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::userChanged);
}

void DBMemo::setDataSource(DataSource* source, const QString& fieldName)
{
    m_link->bind(source, fieldName);
}

void DBMemo::readField()
{
    const std::optional<ds::Field> field = m_link->field();
    const QString value = field ? field->asString() : QString();
    setReadOnly(!m_link->isEditing() && !m_link->autoEdit());
    if (value == toPlainText())
        return;
    const QScopedValueRollback<bool> reading(m_reading, true);
    setPlainText(value);
}

void DBMemo::userChanged()
{
    if (m_reading)
        return;
    const QString text = toPlainText();
    const bool ok = dlg::guarded(window(), [&] {
        if (!m_link->beginChange()) {
            readField();
            return;
        }
        m_link->write([&](ds::Field& field) { field.setAsString(text); });
    });
    if (!ok)
        readField();
}

} // namespace dbw
