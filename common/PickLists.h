#pragma once

#include <QStringList>

// Fixed pick-lists built into the screens; filters compare their texts exactly.
namespace picklists {

const QStringList& statusList();            // 10 items
const QStringList& shiftList();             // "MATUTINO", "VESPERTINO", "NOTURNO", "INTEGRAL"
const QStringList& gradeList();             // 19 items
const QStringList& registrationGradeList(); // 18 items, annual registration

} // namespace picklists
