#include "platform/widgets/DBComboBox.h"

#include "platform/dialogs/ErrorReport.h"
#include "platform/widgets/FieldLink.h"

#include <QLineEdit>

namespace dbw {

DBComboBox::DBComboBox(QWidget* parent)
    : QComboBox(parent), m_link(new FieldLink(this, {[this] { readField(); }, {}}))
{
    setEditable(false);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this,
            [this](int index) { store(index >= 0 ? itemText(index) : QString()); });
}

void DBComboBox::setDataSource(DataSource* source, const QString& fieldName)
{
    m_link->bind(source, fieldName);
}

void DBComboBox::setItems(const QStringList& items)
{
    clear();
    addItems(items);
    readField();
}

void DBComboBox::setAllowTyping(bool on)
{
    setEditable(on);
    if (on)
        connect(lineEdit(), &QLineEdit::textEdited, this, &DBComboBox::store);
    readField();
}

void DBComboBox::readField()
{
    const std::optional<ds::Field> field = m_link->field();
    const QString value = field ? field->asString() : QString();
    const QSignalBlocker blocker(this);
    const int index = findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    if (isEditable())
        setEditText(value);
}

void DBComboBox::store(const QString& text)
{
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
