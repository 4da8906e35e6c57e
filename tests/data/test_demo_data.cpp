#include "common/Deployment.h"
#include "common/PickLists.h"
#include "common/UFuncoes.h"
#include "data/DemoData.h"
#include "data/TableDefs.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>
#include <QTime>

namespace {

const QDate kToday(2024, 6, 14);

const QList<DemoTable>& demo()
{
    static const QList<DemoTable> tables = demoData(kToday);
    return tables;
}

const DemoTable& table(const QString& name)
{
    for (const DemoTable& t : demo()) {
        if (t.table == name)
            return t;
    }
    throw std::out_of_range("no demo rows for " + name.toStdString());
}

// The values of one column, nulls included.
QVariantList column(const QString& tableName, const QString& columnName)
{
    const DemoTable& t = table(tableName);
    const qsizetype index = t.columns.indexOf(columnName);
    if (index < 0)
        throw std::out_of_range("no demo column " + columnName.toStdString());
    QVariantList values;
    for (const QVariantList& row : t.rows)
        values.append(row.at(index));
    return values;
}

std::string where(const DemoTable& t, const ColumnDef& def, qsizetype row)
{
    return t.table.toStdString() + "." + def.name + " row " + std::to_string(row);
}

TEST(DemoDataTest, EveryValueFitsItsColumn)
{
    for (const DemoTable& t : demo()) {
        const TableDef& def = tableDef(t.table);
        std::vector<const ColumnDef*> columns;
        for (const QString& name : t.columns) {
            const auto it = std::find_if(def.columns.begin(), def.columns.end(),
                                         [&](const ColumnDef& c) { return name == QLatin1String(c.name); });
            ASSERT_NE(it, def.columns.end()) << t.table.toStdString() << "." << name.toStdString();
            columns.push_back(&*it);
        }
        EXPECT_EQ(QSet<QString>(t.columns.begin(), t.columns.end()).size(), t.columns.size())
            << t.table.toStdString();
        for (const ColumnDef& c : def.columns) {
            if (c.notNull) {
                EXPECT_TRUE(t.columns.contains(QLatin1String(c.name)))
                    << t.table.toStdString() << "." << c.name;
            }
        }
        for (qsizetype r = 0; r < t.rows.size(); ++r) {
            const QVariantList& row = t.rows.at(r);
            ASSERT_EQ(row.size(), t.columns.size()) << t.table.toStdString() << " row " << r;
            for (size_t i = 0; i < columns.size(); ++i) {
                const ColumnDef& c = *columns[i];
                const QVariant& value = row.at(static_cast<qsizetype>(i));
                if (value.isNull()) {
                    EXPECT_FALSE(c.notNull) << where(t, c, r);
                    continue;
                }
                const int type = value.typeId();
                switch (c.type) {
                case ds::FieldType::String:
                case ds::FieldType::FixedString:
                    ASSERT_EQ(type, QMetaType::QString) << where(t, c, r);
                    EXPECT_LE(value.toString().size(), c.size) << where(t, c, r);
                    EXPECT_FALSE(value.toString().isEmpty()) << where(t, c, r);
                    break;
                case ds::FieldType::Integer:
                    EXPECT_EQ(type, QMetaType::Int) << where(t, c, r);
                    break;
                case ds::FieldType::Date:
                    ASSERT_EQ(type, QMetaType::QDate) << where(t, c, r);
                    EXPECT_TRUE(value.toDate().isValid()) << where(t, c, r);
                    break;
                case ds::FieldType::Time:
                    ASSERT_EQ(type, QMetaType::QTime) << where(t, c, r);
                    EXPECT_TRUE(value.toTime().isValid()) << where(t, c, r);
                    break;
                case ds::FieldType::Blob:
                    EXPECT_EQ(type, QMetaType::QByteArray) << where(t, c, r);
                    break;
                case ds::FieldType::Memo:
                    EXPECT_EQ(type, QMetaType::QString) << where(t, c, r);
                    break;
                default:
                    ADD_FAILURE() << "unexpected column type at " << where(t, c, r);
                }
            }
        }
    }
}

TEST(DemoDataTest, KeysRunFromOneInEveryTable)
{
    for (const DemoTable& t : demo()) {
        const QVariantList keys = column(t.table, QLatin1String(tableDef(t.table).keyColumn));
        ASSERT_FALSE(keys.isEmpty()) << t.table.toStdString();
        for (qsizetype i = 0; i < keys.size(); ++i)
            EXPECT_EQ(keys.at(i).toInt(), i + 1) << t.table.toStdString();
    }
}

TEST(DemoDataTest, SameDaySameRows)
{
    const QList<DemoTable> again = demoData(kToday);
    ASSERT_EQ(again.size(), demo().size());
    for (qsizetype i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again.at(i).columns, demo().at(i).columns);
        EXPECT_TRUE(again.at(i).rows == demo().at(i).rows) << again.at(i).table.toStdString();
    }
}

TEST(DemoDataTest, CalendarRowIsLeftToTheSchema)
{
    for (const DemoTable& t : demo())
        EXPECT_NE(t.table, QStringLiteral("CAD_ESCOLAR_CRON"));
}

TEST(DemoDataTest, OneAccountPerSectorLevel)
{
    const DemoTable& users = table(QStringLiteral("USUARIO"));
    QSet<QString> levels;
    for (const QVariant& level : column(users.table, QStringLiteral("NIVEL")))
        levels.insert(level.toString());
    EXPECT_EQ(levels, (QSet<QString>{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4")}));
    // The sign-in boxes force capitals, so stored logins and passwords must be in capitals.
    for (const char* name : {"LOGIN", "SENHA"}) {
        for (const QVariant& value : column(users.table, QLatin1String(name)))
            EXPECT_EQ(value.toString(), value.toString().toUpper());
    }
}

struct FormatCase
{
    const char* table;
    const char* column;
    bool cpf; // CPF format with right check digits; otherwise telephone format
};

class DemoFormatTest : public testing::TestWithParam<FormatCase>
{
};

TEST_P(DemoFormatTest, StoredLikeTheEntryMask)
{
    static const QRegularExpression phone(QStringLiteral("^\\(\\d\\d\\)\\d{5}-\\d{4}$"));
    static const QRegularExpression cpf(QStringLiteral("^\\d{3}\\.\\d{3}\\.\\d{3}-\\d{2}$"));
    int filled = 0;
    for (const QVariant& value : column(QLatin1String(GetParam().table), QLatin1String(GetParam().column))) {
        if (value.isNull())
            continue;
        ++filled;
        const QString text = value.toString();
        if (GetParam().cpf) {
            EXPECT_TRUE(cpf.match(text).hasMatch()) << text.toStdString();
            EXPECT_TRUE(TestaCpf(text)) << text.toStdString();
        } else {
            EXPECT_TRUE(phone.match(text).hasMatch()) << text.toStdString();
        }
    }
    EXPECT_GT(filled, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, DemoFormatTest,
    testing::Values(FormatCase{"ESCOLA", "TELEFONE", false}, FormatCase{"ENCAMINHAMENTO", "CONTATO_1", false},
                    FormatCase{"ENCAMINHAMENTO", "CONTATO_2", false},
                    FormatCase{"ENCAMINHAMENTO", "CPF", true}, FormatCase{"ATENDIMENTO", "CONTATO_1", false},
                    FormatCase{"USERPUB", "TELEFONEUSERPUB", false},
                    FormatCase{"COLABORADOR", "CONTATO_COLABORADOR", false},
                    FormatCase{"FUNCIONARIO", "CONTATO", false}, FormatCase{"FUNCIONARIO", "CPF", true},
                    FormatCase{"TBAGENDA", "FONE", false},
                    FormatCase{"CAD_ESCOLAR_ANUAL", "CONTATO_1", false},
                    FormatCase{"CAD_ESCOLAR_ANUAL", "CPF", true}, FormatCase{"CAD_ALUNO", "CPF", true}),
    [](const testing::TestParamInfo<FormatCase>& info) {
        return std::string(info.param.table) + "_" + info.param.column;
    });

struct ListCase
{
    const char* table;
    const char* column;
    QStringList allowed;
};

class DemoPickListTest : public testing::TestWithParam<ListCase>
{
};

TEST_P(DemoPickListTest, ValuesComeFromTheScreensLists)
{
    for (const QVariant& value : column(QLatin1String(GetParam().table), QLatin1String(GetParam().column))) {
        if (!value.isNull()) {
            EXPECT_TRUE(GetParam().allowed.contains(value.toString())) << value.toString().toStdString();
        }
    }
}

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Columns, DemoPickListTest,
    testing::Values(ListCase{"ENCAMINHAMENTO", "STATUS", picklists::statusList()},
                    ListCase{"ENCAMINHAMENTO", "NOME_ESCOLAS", deployment::fullSchoolList()},
                    ListCase{"ENCAMINHAMENTO", "NOMES_SERIES", picklists::gradeList()},
                    ListCase{"ENCAMINHAMENTO", "NOMES_TURNOS", picklists::shiftList()},
                    ListCase{"ENCAMINHAMENTO", "RECEBE_S_N", texts({"SIM", "NAO"})},
                    ListCase{"ENCAMINHAMENTO", "USUARIO", texts({"VIDA", "ESCOLA", "SUPORTE", "RH"})},
                    ListCase{"VAGAS", "ESCOLA", deployment::fullSchoolList()},
                    ListCase{"VAGAS", "SERIE", picklists::gradeList()},
                    ListCase{"VAGAS", "TURNO", picklists::shiftList()},
                    ListCase{"ESCOLA", "ESCOLA", deployment::fullSchoolList()},
                    ListCase{"SERIE", "SERIE", picklists::gradeList()},
                    ListCase{"TURNO", "TURNO", picklists::shiftList()},
                    ListCase{"CAD_ESCOLAR_ANUAL", "NOME_ESCOLA", deployment::municipalSchoolList()},
                    ListCase{"CAD_ESCOLAR_ANUAL", "NOME_SERIE", picklists::registrationGradeList()},
                    ListCase{"CAD_ESCOLAR_ANUAL", "NOME_TURNO", picklists::shiftList()},
                    ListCase{"CAD_ESCOLAR_ANUAL", "SITUACAO", texts({"ATIVO", "INATIVO"})},
                    ListCase{"CAD_ESCOLAR_ANUAL", "ANO_BASE", texts({"2023", "2024", "2025"})},
                    ListCase{
                        "ATENDIMENTO", "STATUS",
                        texts({"AGUARDANDO", "RESOLVIDO", "PENDENTE", "PROTOCOLADO", "URGENTE", "OUTROS"})}),
    [](const testing::TestParamInfo<ListCase>& info) {
        return std::string(info.param.table) + "_" + info.param.column;
    });

TEST(DemoDataTest, RegistersHoldEveryListItem)
{
    EXPECT_EQ(table(QStringLiteral("ESCOLA")).rows.size(), 31);
    EXPECT_EQ(table(QStringLiteral("SERIE")).rows.size(), 19);
    EXPECT_EQ(table(QStringLiteral("TURNO")).rows.size(), 4);
    EXPECT_EQ(table(QStringLiteral("PRESIDENTE")).rows.size(), 1);
}

TEST(DemoDataTest, RequestsSpreadOverTheMonthsBeforeToday)
{
    const QVariantList served = column(QStringLiteral("ENCAMINHAMENTO"), QStringLiteral("DATA_ATENDIMENTO"));
    EXPECT_GE(served.size(), 250);
    QSet<int> months;
    for (const QVariant& value : served) {
        const QDate date = value.toDate();
        EXPECT_LT(date, kToday);
        EXPECT_GT(date, kToday.addYears(-1));
        months.insert(date.month());
    }
    EXPECT_GE(months.size(), 5);
}

TEST(DemoDataTest, ChildrenAreOfTheirGradesAge)
{
    const QVariantList served = column(QStringLiteral("ENCAMINHAMENTO"), QStringLiteral("DATA_ATENDIMENTO"));
    const QVariantList born = column(QStringLiteral("ENCAMINHAMENTO"), QStringLiteral("DATA_NASC"));
    const QVariantList grades = column(QStringLiteral("ENCAMINHAMENTO"), QStringLiteral("NOMES_SERIES"));
    for (qsizetype i = 0; i < served.size(); ++i) {
        const qsizetype grade = picklists::gradeList().indexOf(grades.at(i).toString());
        const int age = ageInYears(born.at(i).toDate(), served.at(i).toDate());
        if (grade <= 16) { // from "MATERNAL I" (1 year) to "3° E. MEDIO" (17 years)
            EXPECT_EQ(age, grade + 1) << grades.at(i).toString().toStdString();
        } else if (grades.at(i).toString() == u"EJA") {
            EXPECT_GE(age, 18);
        }
    }
}

TEST(DemoDataTest, VacanciesNeverExceedThePlaces)
{
    const DemoTable& vagas = table(QStringLiteral("VAGAS"));
    EXPECT_GE(vagas.rows.size(), 150);
    const QVariantList free = column(vagas.table, QStringLiteral("QTD_VAGAS"));
    const QVariantList places = column(vagas.table, QStringLiteral("Q_MAT_1"));
    QSet<QString> offers;
    for (qsizetype i = 0; i < free.size(); ++i) {
        EXPECT_GE(free.at(i).toInt(), 0);
        EXPECT_GE(places.at(i).toInt(), free.at(i).toInt());
        const QVariantList& row = vagas.rows.at(i);
        offers.insert(row.at(1).toString() + u'|' + row.at(2).toString() + u'|' + row.at(3).toString());
    }
    // One report per school, grade and shift.
    EXPECT_EQ(offers.size(), vagas.rows.size());
}

TEST(DemoDataTest, VisitsPointAtExistingVisitors)
{
    const qsizetype visitors = table(QStringLiteral("USERPUB")).rows.size();
    for (const QVariant& id : column(QStringLiteral("ATENDIMENTO_GERAL"), QStringLiteral("IDUSERPUB"))) {
        EXPECT_GE(id.toInt(), 1);
        EXPECT_LE(id.toInt(), visitors);
    }
    static const QRegularExpression clock(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    for (const QVariant& time : column(QStringLiteral("ATENDIMENTO_GERAL"), QStringLiteral("HORARIOATEND")))
        EXPECT_TRUE(clock.match(time.toString()).hasMatch()) << time.toString().toStdString();
}

} // namespace
