#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace dbw {

// A pick-list of fixed items that is not bound to a field (filter boxes and the like):
// nothing picked at first, no typing.
QComboBox* fixedPickList(QWidget* parent, const QString& name, const QStringList& items);

} // namespace dbw
