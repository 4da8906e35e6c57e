#include "common/PickLists.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using namespace picklists;

TEST(PickListsTest, Counts)
{
    EXPECT_EQ(statusList().size(), 10);
    EXPECT_EQ(shiftList().size(), 4);
    EXPECT_EQ(gradeList().size(), 19);
    EXPECT_EQ(registrationGradeList().size(), 18);
}

TEST(PickListsTest, StatusListInOrder)
{
    const QStringList expected = {QStringLiteral("AGUARDANDO"), QStringLiteral("ENCAMINHADO"),
                                  QStringLiteral("ESTUDANDO"),  QStringLiteral("JA AVISADO"),
                                  QStringLiteral("NAO ATENDE"), QStringLiteral("OUTROS"),
                                  QStringLiteral("SEM VAGA"),   QStringLiteral("TRANSFERENCIA"),
                                  QStringLiteral("TROCA"),      QStringLiteral("URGENTE")};
    EXPECT_EQ(statusList(), expected);
}

TEST(PickListsTest, ShiftListInOrder)
{
    const QStringList expected = {QStringLiteral("MATUTINO"), QStringLiteral("VESPERTINO"),
                                  QStringLiteral("NOTURNO"), QStringLiteral("INTEGRAL")};
    EXPECT_EQ(shiftList(), expected);
}

TEST(PickListsTest, GradeListLandmarks)
{
    const QStringList& grades = gradeList();
    EXPECT_EQ(grades.first(), QStringLiteral("MATERNAL I"));
    EXPECT_EQ(grades.at(2), QStringLiteral("MATERNAL III"));
    EXPECT_EQ(grades.at(5), QStringLiteral("1° E. FUNDAMENTAL 1 - INICIAL"));
    EXPECT_EQ(grades.at(13), QStringLiteral("9° E. FUNDAMENTAL 2 - FINAL"));
    EXPECT_EQ(grades.at(16), QStringLiteral("3° E. MEDIO"));
    EXPECT_EQ(grades.at(17), QStringLiteral("INTEGRAL"));
    EXPECT_EQ(grades.last(), QStringLiteral("EJA"));
    EXPECT_EQ(QSet<QString>(grades.begin(), grades.end()).size(), grades.size());
}

TEST(PickListsTest, OrdinalsUseTheDegreeSign)
{
    // U+00B0, not the masculine ordinal U+00BA that looks alike.
    const QString period = gradeList().at(3);
    EXPECT_EQ(period, QStringLiteral("1\u00b0 PERIODO"));
    int marked = 0;
    for (const QString& grade : gradeList()) {
        EXPECT_FALSE(grade.contains(QChar(0x00BA))) << grade.toStdString();
        if (grade.contains(QChar(0x00B0)))
            ++marked;
    }
    EXPECT_EQ(marked, 14);
}

TEST(PickListsTest, RegistrationGradesAreTheGradesWithoutIntegral)
{
    QStringList expected = gradeList();
    expected.removeOne(QStringLiteral("INTEGRAL"));
    EXPECT_EQ(registrationGradeList(), expected);
    EXPECT_EQ(registrationGradeList().at(16), QStringLiteral("3° E. MEDIO"));
    EXPECT_EQ(registrationGradeList().last(), QStringLiteral("EJA"));
}

} // namespace
