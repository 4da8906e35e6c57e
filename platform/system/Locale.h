#pragma once

#include <QDate>
#include <QString>

class QCoreApplication;

namespace sys {

// Brazilian Portuguese for dates and for Qt's own texts (dialog buttons and the like).
// Returns false when Qt's translation could not be loaded.
bool applyBrazilianLocale(QCoreApplication& app);

QString shortDate(const QDate& date); // "11/12/2026"
QString longDate(const QDate& date);  // "sexta-feira, 11 de dezembro de 2026"

} // namespace sys
