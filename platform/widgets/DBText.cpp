#include "platform/widgets/DBText.h"

#include "platform/widgets/FieldLink.h"

namespace dbw {

DBText::DBText(QWidget* parent) : QLabel(parent), m_link(new FieldLink(this, {[this] { readField(); }, {}}))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMinimumHeight(22);
}

void DBText::setDataSource(DataSource* source, const QString& fieldName)
{
    m_link->bind(source, fieldName);
}

void DBText::readField()
{
    const std::optional<ds::Field> field = m_link->field();
    setText(field ? field->displayText() : QString());
}

} // namespace dbw
