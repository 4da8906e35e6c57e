#include "data/DemoDatabase.h"
#include "data/TableDefs.h"
#include "data/U_datamodulo.h"
#include "platform/dataset/DataError.h"
#include "platform/dataset/StoredProc.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "tests/support/TestDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <map>

namespace {

// A fresh database made from the shipped schema, and a config.ini that points at it.
class DataModuleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dbPath = dir.filePath(QStringLiteral("banco.fdb"));
        createSchemaDatabase(dbPath, QStringLiteral("SYSDBA"), QString());
        writeConfig(QStringLiteral("[CONFIG]\nHOSTNAME=\nDATABASE=%1\nUSER_NAME=SYSDBA\nPASSWORD=masterkey\n")
                        .arg(dbPath));
        module.setConfigPath(configPath());
    }
    QString configPath() const { return dir.filePath(QStringLiteral("config.ini")); }
    void writeConfig(const QString& text) const
    {
        QFile file(configPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }
    void exec(const QString& sql)
    {
        fb::Connection connection;
        connection.attach({QString(), dbPath, QStringLiteral("SYSDBA"), QString(), {}});
        fb::Transaction tx = connection.startTransaction();
        fb::Statement st(tx, sql);
        st.execute();
        tx.commit();
    }
    QTemporaryDir dir;
    QString dbPath;
    Tdm module;
};

TEST_F(DataModuleTest, EveryDatasetOfTheCatalogueOpensOnAFreshDatabase)
{
    module.start();
    const QList<ds::ClientDataSet*> all = module.clientDataSets();
    ASSERT_EQ(all.size(), 17);
    for (ds::ClientDataSet* cds : all) {
        if (cds == module.CdsUsuario) {
            cds->setParam(QStringLiteral("login"), QStringLiteral("%"));
            cds->setParam(QStringLiteral("senha"), QStringLiteral("%"));
        }
        EXPECT_NO_THROW(cds->open()) << cds->objectName().toStdString();
        EXPECT_TRUE(cds->isActive()) << cds->objectName().toStdString();
    }
    EXPECT_EQ(module.cds_cad_cronograma_escolar->recordCount(), 1) << "the calendar's one row";
}

TEST_F(DataModuleTest, CatalogueSettings)
{
    EXPECT_EQ(module.cdsaluno->indexFieldNames(), QStringLiteral("DATA_ATENDIMENTO"));
    EXPECT_TRUE(module.cdsaluno->filtered());
    EXPECT_FALSE(module.cdsfuncionario->filtered());
    EXPECT_TRUE(module.provescola->quotesIdentifiers());
    EXPECT_FALSE(module.provcidade->quotesIdentifiers());
    EXPECT_EQ(module.sqlcidade->commandText(), QStringLiteral("select *  from CIDADE"));
    auto mask = [](ds::ClientDataSet* cds, const char* field) {
        return cds->fieldByName(QLatin1String(field)).def().editMask;
    };
    EXPECT_EQ(mask(module.cdsaluno, "CPF"), QStringLiteral("000\\.000\\.000\\-00;1;_"));
    EXPECT_EQ(mask(module.cdsaluno, "CONTATO_2"), QStringLiteral("!\\(99\\)00000-0000;1;_"));
    EXPECT_EQ(mask(module.cdsaluno, "DATA_NASC"), QStringLiteral("!99/99/0000;1;_"));
    EXPECT_EQ(mask(module.cds_cad_escolar_anual, "DATA_ATENDIMENTO"), QString());
    EXPECT_EQ(mask(module.cdsvagas, "HORA"), QStringLiteral("!90:00;1;_"));
    EXPECT_TRUE(module.cdsescola->fieldByName(QStringLiteral("ESCOLA_ID")).def().key);
    EXPECT_FALSE(module.cdsvagas->fieldByName(QStringLiteral("VAGA_CODIGO")).def().key);
    EXPECT_TRUE(module.cdsvagas->fieldByName(QStringLiteral("VAGA_CODIGO")).def().required);
    // field lists follow the table's documented order
    EXPECT_EQ(module.cdsaluno->fieldDefs().front().name, QStringLiteral("CODIGO"));
    EXPECT_EQ(module.cdsaluno->fieldDefs().back().name, QStringLiteral("USUARIO"));
}

// The shipped script and the declared fields describe the same columns.
TEST_F(DataModuleTest, SchemaMatchesTheDeclaredColumns)
{
    fb::Connection connection;
    connection.attach({QString(), dbPath, QStringLiteral("SYSDBA"), QString(), {}});
    fb::Transaction tx = connection.startTransaction();
    fb::Statement st(
        tx,
        QStringLiteral(
            "select trim(rf.RDB$FIELD_NAME), f.RDB$FIELD_TYPE, f.RDB$FIELD_SUB_TYPE, f.RDB$CHARACTER_LENGTH, "
            "coalesce(rf.RDB$NULL_FLAG, 0) from RDB$RELATION_FIELDS rf join RDB$FIELDS f "
            "on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE where rf.RDB$RELATION_NAME = :t"));
    for (const TableDef& table : tableDefs()) {
        st.bind(QStringLiteral("t"), QLatin1String(table.name));
        st.open();
        std::map<QString, std::tuple<int, int, int, bool>> actual;
        while (st.next())
            actual[st.value(0).toString()] = {st.value(1).toInt(), st.value(2).toInt(), st.value(3).toInt(),
                                              st.value(4).toInt() != 0};
        st.close();
        EXPECT_EQ(actual.size(), table.columns.size()) << table.name;
        for (const ColumnDef& column : table.columns) {
            const auto it = actual.find(QLatin1String(column.name));
            ASSERT_NE(it, actual.end()) << table.name << "." << column.name;
            const auto [type, subType, length, notNull] = it->second;
            const char* where = column.name;
            switch (column.type) {
            case ds::FieldType::String:
                EXPECT_EQ(type, 37) << where; // VARCHAR
                EXPECT_EQ(length, column.size) << where;
                break;
            case ds::FieldType::FixedString:
                EXPECT_EQ(type, 14) << where; // CHAR
                EXPECT_EQ(length, column.size) << where;
                break;
            case ds::FieldType::Integer:
                EXPECT_EQ(type, 8) << where;
                break;
            case ds::FieldType::Date:
                EXPECT_EQ(type, 12) << where;
                break;
            case ds::FieldType::Time:
                EXPECT_EQ(type, 13) << where;
                break;
            case ds::FieldType::Blob:
            case ds::FieldType::Memo:
                EXPECT_EQ(type, 261) << where;
                EXPECT_EQ(subType, column.type == ds::FieldType::Memo ? 1 : 0) << where;
                break;
            default:
                ADD_FAILURE() << "unexpected type for " << where;
            }
            EXPECT_EQ(notNull, column.notNull) << table.name << "." << where;
        }
    }
}

TEST_F(DataModuleTest, GeneratorsShareTheirSequencesAndPaddingIsKept)
{
    module.start();
    ds::StoredProc turno(module.conexao, QStringLiteral("SP_GEN_TURNO_ID"));
    ds::StoredProc atendimento(module.conexao, QStringLiteral("SP_GEN_ATENDIMENTO_ID"));
    const int city = turno.execute();
    EXPECT_EQ(turno.execute(), city + 1) << "a city then a shift";
    const int desk = atendimento.execute();
    EXPECT_EQ(atendimento.execute(), desk + 1);
    ds::StoredProc missing(module.conexao, QStringLiteral("SP_GEN_NADA_ID"));
    EXPECT_THROW(missing.execute(), fb::Error);

    exec(QStringLiteral("insert into FUNCIONARIO (ID, CNH_CAT, TITULO_ZONA) values (1, 'AB', '12')"));
    module.cdsfuncionario->open();
    EXPECT_EQ(module.cdsfuncionario->fieldByName(QStringLiteral("CNH_CAT")).asString(),
              QStringLiteral("AB        "));
    EXPECT_EQ(module.cdsfuncionario->fieldByName(QStringLiteral("TITULO_SECAO")).asString(), QString());
}

TEST_F(DataModuleTest, ConfigNamesMatchWithoutCaseAndEmptyValuesRemoveParameters)
{
    writeConfig(
        QStringLiteral("[other]\ndatabase=/wrong.fdb\n[config]\nhostname=\ndatabase=%1\nuser_name= SYSDBA \n"
                       "Password=\n")
            .arg(dbPath));
    fb::AttachParams params{QStringLiteral("built-in"),
                            QStringLiteral("C:\\ESCOLAR\\banco\\banco.fdb"),
                            QStringLiteral("sysdba"),
                            QStringLiteral("built-in"),
                            {}};
    module.conexaoBeforeConnect(params);
    EXPECT_EQ(params.hostname, QString());
    EXPECT_EQ(params.database, dbPath);
    EXPECT_EQ(params.userName, QStringLiteral("SYSDBA"));
    EXPECT_EQ(params.password, QString()) << "no fallback to the built-in value";
    EXPECT_NO_THROW(module.start());
}

TEST_F(DataModuleTest, ConfigIsReadAnewBeforeEachConnection)
{
    module.start();
    module.conexao->close();
    writeConfig(QStringLiteral("[CONFIG]\nDATABASE=%1\n").arg(dir.filePath(QStringLiteral("moved.fdb"))));
    EXPECT_THROW(module.cdsescola->open(), fb::Error) << "the reconnect read the new, wrong path";
}

TEST_F(DataModuleTest, StartFailuresCarryTheDatabasesText)
{
    struct Case
    {
        const char* name;
        QString config; // empty: no file at all
        const char* expected;
    };
    const Case cases[] = {
        {"missing config.ini", QString(), "DATABASE"},
        {"wrong path", QStringLiteral("[CONFIG]\nDATABASE=/nonexistent/banco.fdb\n"),
         "/nonexistent/banco.fdb"},
        {"unreachable host",
         QStringLiteral("[CONFIG]\nHOSTNAME=127.0.0.1/1\nDATABASE=/x.fdb\nUSER_NAME=SYSDBA\n"), "127.0.0.1"},
    };
    for (const Case& c : cases) {
        QFile::remove(configPath());
        if (!c.config.isEmpty())
            writeConfig(c.config);
        Tdm failing;
        failing.setConfigPath(configPath());
        try {
            failing.start();
            ADD_FAILURE() << c.name << ": started";
        } catch (const fb::Error& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.expected))) << c.name << ": " << e.what();
        }
    }
}

TEST_F(DataModuleTest, MissingTableStopsTheStartAndMissingColumnTheOpen)
{
    exec(QStringLiteral("alter table ESCOLA drop CODIGO_CENSO"));
    module.start();
    try {
        module.cdsescola->open();
        FAIL() << "opened without CODIGO_CENSO";
    } catch (const ds::DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field 'CODIGO_CENSO' not found"));
    }
    module.conexao->close();
    exec(QStringLiteral("drop table CAD_ALUNO"));
    Tdm failing;
    failing.setConfigPath(configPath());
    try {
        failing.start();
        FAIL() << "started without CAD_ALUNO";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("CAD_ALUNO"))) << e.what();
    }
}

TEST_F(DataModuleTest, DemoDataLoadsAndNewKeysFollowIt)
{
    {
        fb::Connection connection;
        connection.attach({QString(), dbPath, QStringLiteral("SYSDBA"), QString(), {}});
        loadDemoData(connection, QDate(2026, 12, 11));
    }
    module.start();
    module.cdsaluno->open();
    module.cdsescola->open();
    EXPECT_GE(module.cdsaluno->recordCount(), 200);
    EXPECT_EQ(module.cdsescola->recordCount(), 31);
    module.cdsaluno->last();
    const int lastKey = module.cdsaluno->fieldByName(QStringLiteral("CODIGO")).asInteger();
    int highest = 0;
    for (int r = 0; r < module.cdsaluno->recordCount(); ++r)
        highest = std::max(highest, module.cdsaluno->value(r, 0).toInt());
    EXPECT_GE(highest, lastKey);
    ds::StoredProc generator(module.conexao, QStringLiteral("SP_GEN_ENCAMINHAMENTO_ID"));
    EXPECT_EQ(generator.execute(), highest + 1);
}

// HOSTNAME plus a path, or a server name, a colon and a path in DATABASE alone, reach the
// same database on a server.
TEST(DataModuleServer, HostnameAndDatabaseCombine)
{
    const auto server = testing_support::TestServer::fromEnvironment();
    if (!server)
        GTEST_SKIP() << "QN_TEST_SERVER not set";
    QTemporaryDir dir;
    const QString path =
        server->directory + QStringLiteral("/startup-%1.fdb").arg(QCoreApplication::applicationPid());
    QFile::remove(path);
    createSchemaDatabase(server->hostname + QLatin1Char(':') + path, QStringLiteral("SYSDBA"),
                         server->password);
    const QString configs[] = {
        QStringLiteral("[CONFIG]\nHOSTNAME=%1\nDATABASE=%2\nUSER_NAME=SYSDBA\nPASSWORD=%3\n"),
        QStringLiteral("[CONFIG]\nHOSTNAME=\nDATABASE=%1:%2\nUSER_NAME=SYSDBA\nPASSWORD=%3\n"),
    };
    for (const QString& config : configs) {
        QFile file(dir.filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(config.arg(server->hostname, path, server->password).toUtf8());
        file.close();
        Tdm module;
        module.setConfigPath(file.fileName());
        EXPECT_NO_THROW(module.start()) << config.toStdString();
        module.cds_cad_cronograma_escolar->open();
        EXPECT_EQ(module.cds_cad_cronograma_escolar->recordCount(), 1);
    }
    QFile file(dir.filePath(QStringLiteral("config.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(configs[0].arg(server->hostname, path, QStringLiteral("wrong")).toUtf8());
    file.close();
    Tdm refused;
    refused.setConfigPath(file.fileName());
    try {
        refused.start();
        ADD_FAILURE() << "a wrong password was accepted";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("password"), Qt::CaseInsensitive)) << e.what();
    }
    QFile::remove(path);
}

} // namespace
