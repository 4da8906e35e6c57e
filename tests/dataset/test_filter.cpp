#include "platform/dataset/ColumnStore.h"
#include "platform/dataset/DataError.h"
#include "platform/dataset/FilterExpression.h"

#include <QDate>

#include <gtest/gtest.h>

using namespace ds;

namespace {

const std::vector<FieldDef> kFields = {
    {QStringLiteral("NOME_ALUNO"), FieldType::String, 255, false, false, {}},
    {QStringLiteral("ESCOLA"), FieldType::String, 100, false, false, {}},
    {QStringLiteral("SERIE"), FieldType::String, 100, false, false, {}},
    {QStringLiteral("DATA_ATENDIMENTO"), FieldType::Date, 0, false, false, {}},
    {QStringLiteral("QTD_VAGAS"), FieldType::Integer, 0, false, false, {}},
    {QStringLiteral("OBS"), FieldType::String, 255, false, false, {}},
};

// The row every case is matched against.
StoredRow sample()
{
    static const ColumnStore store = [] {
        ColumnStore rows;
        rows.reset(kFields);
        const int r = rows.appendRow();
        rows.setValue(r, 0, QStringLiteral("ANA D'ÁVILA"));
        rows.setValue(r, 1, QStringLiteral("E.M. X"));
        rows.setValue(r, 2, QStringLiteral("EJA"));
        rows.setValue(r, 3, QDate(2026, 3, 15));
        rows.setValue(r, 4, 4);
        return rows;
    }();
    return StoredRow(store, 0);
}

struct MatchCase
{
    const char* name;
    const char* filter;
    bool caseInsensitive;
    bool expected;
};

class FilterMatch : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(FilterMatch, Row)
{
    const MatchCase& c = GetParam();
    const FilterExpression e = FilterExpression::parse(QString::fromUtf8(c.filter), kFields);
    EXPECT_EQ(e.matches(sample(), c.caseInsensitive), c.expected) << c.filter;
}

INSTANTIATE_TEST_SUITE_P(
    Language, FilterMatch,
    ::testing::Values(
        MatchCase{"prefix", "nome_aluno like 'ANA%'", false, true},
        MatchCase{"field names in any case", "NoMe_AlUnO like 'ANA%'", false, true},
        MatchCase{"case sensitive by default", "nome_aluno like 'ana%'", false, false},
        MatchCase{"case insensitive option", "nome_aluno like 'ana%'", true, true},
        MatchCase{"case insensitive with accents", "nome_aluno like 'ana d''ávila'", true, true},
        MatchCase{"doubled quote in literal", "nome_aluno like 'ANA D''%'", false, true},
        MatchCase{"leading percent finds inside", "nome_aluno like '%VILA%'", false, true},
        MatchCase{"percent alone", "nome_aluno like '%'", false, true},
        MatchCase{"underscore is one character", "nome_aluno like 'AN_ D%'", false, true},
        MatchCase{"underscore needs a character", "escola like 'E.M. X_'", false, false},
        MatchCase{"like without percent is whole text", "escola like 'E.M.'", false, false},
        MatchCase{"equal exact", "escola = 'E.M. X'", false, true},
        MatchCase{"equal is not prefix", "escola = 'E.M.'", false, false},
        MatchCase{"and straight after a closing quote", "escola = 'E.M. X'and serie ='EJA'", false, true},
        MatchCase{"and with one side false", "escola = 'E.M. X' and serie = 'MATERNAL I'", false, false},
        MatchCase{"AND in capitals", "escola = 'E.M. X' AND serie = 'EJA'", false, true},
        MatchCase{"date greater or equal", "DATA_ATENDIMENTO >= '01/03/2026'", false, true},
        MatchCase{"date compared as date not text", "DATA_ATENDIMENTO <= '02/04/2026'", false, true},
        MatchCase{"date range excludes",
                  "DATA_ATENDIMENTO >= '16/03/2026' and DATA_ATENDIMENTO <= '31/03/2026'", false, false},
        MatchCase{"date without leading zeros", "DATA_ATENDIMENTO = '15/3/2026'", false, true},
        MatchCase{"integer compared as number", "QTD_VAGAS >= '10'", false, false},
        MatchCase{"integer equal", "qtd_vagas = '4'", false, true},
        MatchCase{"null never matches like percent", "obs like '%'", false, false},
        MatchCase{"null never matches equal empty", "obs = ''", false, false},
        MatchCase{"text greater or equal", "nome_aluno >= 'AN'", false, true},
        MatchCase{"text less or equal ignores accents first", "nome_aluno <= 'ANA DAVILB'", false, true},
        MatchCase{"empty text matches all", "", false, true},
        MatchCase{"blanks only match all", "   ", false, true}),
    [](const ::testing::TestParamInfo<MatchCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

struct ErrorCase
{
    const char* filter;
    const char* messagePart;
};

class FilterErrors : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(FilterErrors, AreReportedNotMatchedEverything)
{
    try {
        FilterExpression::parse(QString::fromUtf8(GetParam().filter), kFields);
        FAIL() << "accepted: " << GetParam().filter;
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().messagePart))) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Language, FilterErrors,
                         ::testing::Values(ErrorCase{"nome like 'A%'", "Field 'nome' not found"},
                                           ErrorCase{"nome_aluno like 'A%", "not closed"},
                                           ErrorCase{"nome_aluno 'A%'", "was expected"},
                                           ErrorCase{"nome_aluno <> 'A'", "was expected"},
                                           ErrorCase{"nome_aluno = A", "quoted value"},
                                           ErrorCase{"nome_aluno = 'A' or escola = 'B'",
                                                     "\"and\" was expected"},
                                           ErrorCase{"nome_aluno = 'A' and", "field name"},
                                           ErrorCase{"data_atendimento >= '31/02/2026'", "not a valid date"},
                                           ErrorCase{"qtd_vagas = 'muitas'", "not a valid number"},
                                           ErrorCase{"qtd_vagas like '1%'", "needs a text field"},
                                           ErrorCase{"= 'A'", "field name"}));

} // namespace
