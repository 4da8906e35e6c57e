#include "platform/system/Locale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sys {

namespace {
QLocale brazil()
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil);
}
} // namespace

bool applyBrazilianLocale(QCoreApplication& app)
{
    QLocale::setDefault(brazil());
    auto* translator = new QTranslator(&app);
    if (!translator->load(brazil(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

QString shortDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString longDate(const QDate& date)
{
    return brazil().toString(date, QStringLiteral("dddd, d 'de' MMMM 'de' yyyy"));
}

} // namespace sys
