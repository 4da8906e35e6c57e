#include "platform/system/IniFile.h"
#include "platform/system/Locale.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeIni(const QTemporaryDir& dir, const QByteArray& text)
{
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    return path;
}

TEST(IniFile, ReadsValuesAsTheyStand)
{
    QTemporaryDir dir;
    const sys::IniFile ini(writeIni(dir, "; comment\r\n[Other]\r\nDATABASE=wrong\r\n[config]\r\n"
                                         "Database = /srv/db/banco.fdb \r\nPASSWORD=\r\nUSER_NAME=%HOME%\r\n"
                                         "HOSTNAME=srv:3050\r\n[CONFIG2]\r\nDATABASE=also wrong\r\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("DATABASE")),
              QStringLiteral("/srv/db/banco.fdb"));
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("PASSWORD"), QStringLiteral("x")),
              QString());
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("USER_NAME")), QStringLiteral("%HOME%"))
        << "no expansion";
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("HOSTNAME")),
              QStringLiteral("srv:3050"));
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("ROLE"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(IniFile, MissingFileReadsAsEmpty)
{
    const sys::IniFile ini(QStringLiteral("/nonexistent/config.ini"));
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("DATABASE")), QString());
}

TEST(IniFile, AcceptsLatin1Files)
{
    QTemporaryDir dir;
    const sys::IniFile ini(writeIni(dir, "[CONFIG]\nDATABASE=C:\\Educa\xe7\xe3o\\banco.fdb\n"));
    EXPECT_EQ(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("DATABASE")),
              QStringLiteral("C:\\Educação\\banco.fdb"));
}

TEST(Locale, BrazilianDates)
{
    EXPECT_EQ(sys::longDate(QDate(2026, 12, 11)), QStringLiteral("sexta-feira, 11 de dezembro de 2026"));
    EXPECT_EQ(sys::longDate(QDate(2026, 3, 2)), QStringLiteral("segunda-feira, 2 de março de 2026"));
    EXPECT_EQ(sys::shortDate(QDate(2026, 3, 2)), QStringLiteral("02/03/2026"));
}

} // namespace
