#include "platform/widgets/PickList.h"

#include <QComboBox>

namespace dbw {

QComboBox* fixedPickList(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setMaxVisibleItems(20);
    return combo;
}

} // namespace dbw
