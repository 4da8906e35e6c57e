#include "platform/dataset/Conversions.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

struct DateCase
{
    const char* name;
    const char* text;
    QDate date;
};

class ToDateTest : public testing::TestWithParam<DateCase>
{
};

TEST_P(ToDateTest, ReadsDayMonthYear)
{
    EXPECT_EQ(ds::toDate(QString::fromUtf8(GetParam().text)), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToDateTest,
                         testing::Values(DateCase{"TwoDigitDayAndMonth", "05/03/2024", QDate(2024, 3, 5)},
                                         DateCase{"OneDigitDayAndMonth", "5/3/2024", QDate(2024, 3, 5)},
                                         DateCase{"MaskPaddedDay", " 5/03/2024", QDate(2024, 3, 5)},
                                         DateCase{"LeapDay", "29/02/2024", QDate(2024, 2, 29)},
                                         DateCase{"LastDayOfYear", "31/12/1999", QDate(1999, 12, 31)}),
                         [](const testing::TestParamInfo<DateCase>& info) {
                             return std::string(info.param.name);
                         });

struct BadTextCase
{
    const char* name;
    const char* text;
};

class ToDateErrorTest : public testing::TestWithParam<BadTextCase>
{
};

TEST_P(ToDateErrorTest, QuotesTheWholeText)
{
    const QString text = QString::fromUtf8(GetParam().text);
    try {
        ds::toDate(text);
        FAIL() << "no error raised";
    } catch (const ds::ConversionError& error) {
        EXPECT_EQ(error.message(), u'\'' + text + u"' is not a valid date");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToDateErrorTest,
    testing::Values(BadTextCase{"EmptyMask", "  /  /    "}, BadTextCase{"Empty", ""},
                    BadTextCase{"NoSuchDay", "31/02/2024"}, BadTextCase{"MonthThirteen", "01/13/2024"},
                    BadTextCase{"TwoDigitYear", "05/03/24"}, BadTextCase{"IsoOrder", "2024-03-05"},
                    BadTextCase{"HalfTyped", "05/03/2   "}),
    [](const testing::TestParamInfo<BadTextCase>& info) { return std::string(info.param.name); });

TEST(ToIntegerTest, ReadsSignedDecimals)
{
    EXPECT_EQ(ds::toInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(ds::toInteger(QStringLiteral("-7")), -7);
    EXPECT_EQ(ds::toInteger(QStringLiteral("007")), 7);
    EXPECT_EQ(ds::toInteger(QStringLiteral("2147483647")), 2147483647);
}

class ToIntegerErrorTest : public testing::TestWithParam<BadTextCase>
{
};

TEST_P(ToIntegerErrorTest, QuotesTheWholeText)
{
    const QString text = QString::fromUtf8(GetParam().text);
    try {
        ds::toInteger(text);
        FAIL() << "no error raised";
    } catch (const ds::ConversionError& error) {
        EXPECT_EQ(error.message(), u'\'' + text + u"' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ToIntegerErrorTest,
                         testing::Values(BadTextCase{"Empty", ""}, BadTextCase{"Letters", "abc"},
                                         BadTextCase{"TrailingLetter", "12a"}, BadTextCase{"Decimal", "1.5"},
                                         BadTextCase{"TooLarge", "2147483648"}),
                         [](const testing::TestParamInfo<BadTextCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ConversionErrorTest, WhatIsUtf8)
{
    const ds::ConversionError error(QStringLiteral("'Ç' is not a valid integer value"));
    EXPECT_STREQ(error.what(), "'\xc3\x87' is not a valid integer value");
}

} // namespace
