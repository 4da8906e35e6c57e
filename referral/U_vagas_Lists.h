#pragma once

#include <QStringList>

// The school pick-lists of the vacancy look-ups and of the request screens.
namespace vagas_lists {

// The full school list followed by "OUTRO(A)S" (32 items).
QStringList schoolsWithOthers();
// The vacancy look-up's list of 30: the full list without its last state school.
QStringList vacancyLookupSchools();

} // namespace vagas_lists
