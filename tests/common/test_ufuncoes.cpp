#include "common/UFuncoes.h"

#include <gtest/gtest.h>

#include <QDate>

#include <cstring>

namespace {

struct CpfCase
{
    const char* name;
    const char* text;
    bool valid;
};

class TestaCpfTest : public testing::TestWithParam<CpfCase>
{
};

TEST_P(TestaCpfTest, ChecksTheLastTwoCharacters)
{
    EXPECT_EQ(TestaCpf(QString::fromUtf8(GetParam().text)), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TestaCpfTest,
    testing::Values(
        // Digits 1..9: S1 = 210 gives D1 = 0; S2 = 255 gives D2 = 9.
        CpfCase{"OneToNine", "123.456.789-09", true},
        CpfCase{"OneToNineWrongSecondDigit", "123.456.789-08", false},
        CpfCase{"OneToNineWrongFirstDigit", "123.456.789-19", false},
        CpfCase{"AllOnes", "111.111.111-11", true}, CpfCase{"AllZeros", "000.000.000-00", true},
        CpfCase{"AllOnesWithoutSeparators", "11111111111", true},
        CpfCase{"WithoutSeparators", "12345678909", true},
        CpfCase{"SlashIsASeparatorToo", "123/456/789-09", true},
        CpfCase{"SeparatorsAnywhere", "1.2.3.4.5.6.7.8.9-09", true},
        CpfCase{"TypicalNumber", "529.982.247-25", true},
        CpfCase{"SwappedCheckDigits", "529.982.247-52", false}, CpfCase{"Empty", "", false},
        CpfCase{"SingleCharacter", "0", false}, CpfCase{"TwoZerosAlone", "00", true},
        CpfCase{"CheckPartNotDigits", "123.456.789-AB", false}),
    [](const testing::TestParamInfo<CpfCase>& info) { return std::string(info.param.name); });

struct BadCpfCase
{
    const char* name;
    const char* text;
    const char* message;
};

class TestaCpfErrorTest : public testing::TestWithParam<BadCpfCase>
{
};

TEST_P(TestaCpfErrorTest, NamesTheOffendingCharacter)
{
    try {
        TestaCpf(QString::fromUtf8(GetParam().text));
        FAIL() << "no error raised";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().message));
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TestaCpfErrorTest,
    testing::Values(BadCpfCase{"Letter", "123.456.78A-09", "'A' is not a valid integer value"},
                    BadCpfCase{"BlankOfAnUnfilledMask", "123.4  .   -  ", "' ' is not a valid integer value"},
                    BadCpfCase{"Comma", "123,456,789-09", "',' is not a valid integer value"}),
    [](const testing::TestParamInfo<BadCpfCase>& info) { return std::string(info.param.name); });

struct AgeCase
{
    const char* name;
    QDate birth;
    QDate today;
    int age;
};

class AgeTest : public testing::TestWithParam<AgeCase>
{
};

TEST_P(AgeTest, WholeYearsOf365AndAQuarterDays)
{
    EXPECT_EQ(ageInYears(GetParam().birth, GetParam().today), GetParam().age);
}

INSTANTIATE_TEST_SUITE_P(Cases, AgeTest,
                         testing::Values(
                             // 1,095 days are 2.998 years.
                             AgeCase{"DayBeforeThirdBirthday", QDate(2021, 1, 10), QDate(2024, 1, 10), 2},
                             AgeCase{"DayAfter", QDate(2021, 1, 10), QDate(2024, 1, 11), 3},
                             // 1,096 days with 29 February in between: the age rises on the birthday itself.
                             AgeCase{"LeapDayBetween", QDate(2021, 3, 10), QDate(2024, 3, 10), 3},
                             AgeCase{"LeapDayBetweenDayBefore", QDate(2021, 3, 10), QDate(2024, 3, 9), 2},
                             // One common year is 365 days, short of 365.25.
                             AgeCase{"FirstBirthdayInCommonYear", QDate(2021, 3, 1), QDate(2022, 3, 1), 0},
                             AgeCase{"FirstBirthdayOverLeapDay", QDate(2000, 1, 1), QDate(2001, 1, 1), 1},
                             AgeCase{"BirthInTheFuture", QDate(2024, 1, 10), QDate(2021, 1, 10), 2},
                             AgeCase{"BornToday", QDate(2024, 5, 20), QDate(2024, 5, 20), 0},
                             AgeCase{"Seven", QDate(2017, 5, 15), QDate(2024, 5, 20), 7}),
                         [](const testing::TestParamInfo<AgeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(AgeTextTest, NumberFollowedByAnosBetweenBlanks)
{
    EXPECT_EQ(ageText(QDate(2017, 5, 15), QDate(2024, 5, 20)), QStringLiteral("7 Anos "));
    EXPECT_EQ(ageText(QDate(2024, 5, 20), QDate(2024, 5, 20)), QStringLiteral("0 Anos "));
    EXPECT_EQ(ageText(QDate(1990, 1, 1), QDate(2024, 5, 20)), QStringLiteral("34 Anos "));
}

} // namespace
