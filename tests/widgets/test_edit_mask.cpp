#include "platform/widgets/EditMask.h"

#include <gtest/gtest.h>

namespace {

using dbw::EditMask;

const QString kPhone = QStringLiteral("!\\(99\\)00000-0000;1;_");
const QString kCpf = QStringLiteral("000\\.000\\.000\\-00;1;_");
const QString kDate = QStringLiteral("!99/99/0000;1;_");
const QString kTime = QStringLiteral("!90:00;1;_");

TEST(EditMask, MapsOntoQtInputMasks)
{
    // Qt reads 9 as a required digit and 0 as an optional one: the reverse of the notation.
    EXPECT_EQ(EditMask::parse(kPhone).qtInputMask(), QStringLiteral("(00)99999-9999;_"));
    EXPECT_EQ(EditMask::parse(kCpf).qtInputMask(), QStringLiteral("999.999.999-99;_"));
    EXPECT_EQ(EditMask::parse(kDate).qtInputMask(), QStringLiteral("00/00/9999;_"));
    EXPECT_EQ(EditMask::parse(kTime).qtInputMask(), QStringLiteral("09:99;_"));
    EXPECT_EQ(EditMask::parse(QStringLiteral(">LL;0;*")).qtInputMask(), QStringLiteral(">AA;*"));
    EXPECT_TRUE(EditMask::parse(QString()).isEmpty());
}

TEST(EditMask, StoredTextKeepsLiteralsAndPutsMissingOptionalsFirst)
{
    struct Row
    {
        const char* name;
        QString mask;
        QString display;
        QString stored;
    };
    const Row rows[] = {
        {"full phone", kPhone, QStringLiteral("(12)34567-8901"), QStringLiteral("(12)34567-8901")},
        {"one-digit area code", kPhone, QStringLiteral("(2_)34567-8901"), QStringLiteral("( 2)34567-8901")},
        {"phone half typed", kPhone, QStringLiteral("(12)_____-____"), QStringLiteral("(12)     -    ")},
        {"cpf", kCpf, QStringLiteral("123.456.789-09"), QStringLiteral("123.456.789-09")},
        {"date", kDate, QStringLiteral("11/12/2026"), QStringLiteral("11/12/2026")},
        {"one-digit hour", kTime, QStringLiteral("9_:30"), QStringLiteral(" 9:30")},
        {"literals not stored", QStringLiteral("000\\.000;0;_"), QStringLiteral("123.456"),
         QStringLiteral("123456")},
    };
    for (const Row& r : rows)
        EXPECT_EQ(EditMask::parse(r.mask).storedText(r.display), r.stored) << r.name;
}

TEST(EditMask, DisplayTextOfStoredValues)
{
    const EditMask phone = EditMask::parse(kPhone);
    EXPECT_EQ(phone.displayText(QStringLiteral("(12)34567-8901")), QStringLiteral("(12)34567-8901"));
    EXPECT_EQ(phone.displayText(QStringLiteral("( 2)34567-8901")), QStringLiteral("(_2)34567-8901"));
    EXPECT_EQ(phone.displayText(QString()), QStringLiteral("(__)_____-____"));
    EXPECT_EQ(phone.displayText(QStringLiteral("12345678901")), QStringLiteral("(12)34567-8901"))
        << "a value typed elsewhere without punctuation";
    EXPECT_TRUE(phone.isBlank(QStringLiteral("(__)_____-____")));
    EXPECT_FALSE(phone.isComplete(QStringLiteral("(12)3456_-____")));
    EXPECT_TRUE(phone.isComplete(QStringLiteral("(__)34567-8901"))) << "the area code is optional";
}

} // namespace
