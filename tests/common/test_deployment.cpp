#include "common/Deployment.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

using namespace deployment;

struct Group
{
    const char* prefix;
    int first;
    int count;
    bool sorted;
};

TEST(SchoolListTest, ThirtyOneNamesInFourGroups)
{
    const QStringList& schools = fullSchoolList();
    ASSERT_EQ(schools.size(), 31);
    const Group groups[] = {
        {"CMEI ", 0, 11, true}, {"E.E. ", 11, 8, true}, {"E.M. ", 19, 10, true}, {"COLEGIO ", 29, 2, false}};
    for (const Group& group : groups) {
        const QStringList members = schools.mid(group.first, group.count);
        for (const QString& name : members)
            EXPECT_TRUE(name.startsWith(QLatin1String(group.prefix))) << name.toStdString();
        if (group.sorted) {
            QStringList sorted = members;
            sorted.sort();
            EXPECT_EQ(members, sorted) << group.prefix;
        }
    }
}

TEST(SchoolListTest, NamesAreUniqueCapitalsWithoutAccents)
{
    const QStringList& schools = fullSchoolList();
    EXPECT_EQ(QSet<QString>(schools.begin(), schools.end()).size(), schools.size());
    static const QRegularExpression plain(QStringLiteral("^[A-Z0-9 .()]+$"));
    for (const QString& name : schools) {
        EXPECT_TRUE(plain.match(name).hasMatch()) << name.toStdString();
        // The narrowest column that stores a school name holds 50 characters.
        EXPECT_LE(name.size(), 50) << name.toStdString();
        EXPECT_EQ(name, name.trimmed());
    }
}

TEST(SchoolListTest, MunicipalListIsCentresThenMunicipalSchools)
{
    const QStringList municipal = municipalSchoolList();
    ASSERT_EQ(municipal.size(), 21);
    EXPECT_EQ(municipal.mid(0, 11), fullSchoolList().mid(0, 11));
    EXPECT_EQ(municipal.mid(11), fullSchoolList().mid(19, 10));
}

TEST(DeploymentTest, TelephonesInTheStoredMaskForm)
{
    static const QRegularExpression phone(QStringLiteral("^\\((\\d\\d|  )\\)\\d{5}-\\d{4}$"));
    EXPECT_TRUE(phone.match(departmentTelephone()).hasMatch()) << departmentTelephone().toStdString();
    EXPECT_TRUE(phone.match(makerTelephone()).hasMatch()) << makerTelephone().toStdString();
    EXPECT_TRUE(departmentTelephone().startsWith(u'(' + areaCode() + u')'));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d$")).match(areaCode()).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^55\\d{11}$")).match(supportWhatsappNumber()).hasMatch());
}

TEST(DeploymentTest, TaxNumberHasCnpjCheckDigits)
{
    QString digits = departmentTaxNumber();
    digits.remove(QRegularExpression(QStringLiteral("[./-]")));
    ASSERT_EQ(digits.size(), 14);
    auto check = [&](int length) {
        int sum = 0;
        int weight = length - 7;
        for (int i = 0; i < length; ++i) {
            sum += digits.at(i).digitValue() * weight;
            weight = weight == 2 ? 9 : weight - 1;
        }
        const int r = sum % 11;
        return r < 2 ? 0 : 11 - r;
    };
    EXPECT_EQ(digits.at(12).digitValue(), check(12));
    EXPECT_EQ(digits.at(13).digitValue(), check(13));
}

TEST(DeploymentTest, AddressesAreWellFormedAndNeverReal)
{
    const QString addresses[] = {echoServiceUrl(), updateDownloadUrl(), onlineVacancyFolderUrl(),
                                 departmentWebAddress(), makerWebAddress()};
    for (const QString& address : addresses) {
        const QUrl url(address, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << address.toStdString();
        EXPECT_TRUE(url.scheme() == u"http" || url.scheme() == u"https") << address.toStdString();
        EXPECT_TRUE(url.host().endsWith(u".example")) << address.toStdString();
    }
    EXPECT_TRUE(updateDownloadUrl().endsWith(u"/educacao/zevaduz/ESCOLAR.exe"));
    EXPECT_EQ(whatsappSendUrl(), QStringLiteral("https://api.whatsapp.com/send"));
}

} // namespace
