#include "platform/dataset/ClientDataSet.h"
#include "platform/dataset/DataError.h"
#include "platform/dataset/DataSetModel.h"
#include "platform/dataset/Provider.h"
#include "platform/dataset/SqlConnection.h"
#include "platform/dataset/SqlQuery.h"
#include "platform/dataset/StoredProc.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "tests/support/TestDatabase.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>

#include "platform/firebird/FbScript.h"

#include <gtest/gtest.h>

#include <memory>

using namespace ds;
using testing_support::TestDatabase;
using testing_support::TestServer;

namespace {

const char* kSchema = R"(
CREATE TABLE PESSOA (
  ID INTEGER NOT NULL PRIMARY KEY,
  NOME VARCHAR(30),
  NASC DATE,
  CIDADE VARCHAR(20),
  FOTO BLOB SUB_TYPE 0,
  CODE CHAR(4)
);
CREATE TABLE FILHO (ID INTEGER NOT NULL PRIMARY KEY, PAI INTEGER, NOME VARCHAR(30));
CREATE SEQUENCE GEN_PESSOA;
SET TERM ^ ;
CREATE PROCEDURE SP_GEN_PESSOA_ID RETURNS (ID INTEGER) AS BEGIN ID = NEXT VALUE FOR GEN_PESSOA; END^
SET TERM ; ^
INSERT INTO PESSOA (ID, NOME, NASC, CIDADE, CODE) VALUES (1, 'BRUNO', '2019-05-01', 'CORMAVI', 'A');
INSERT INTO PESSOA (ID, NOME, NASC, CIDADE) VALUES (2, 'ÁGUEDA', '2020-01-10', NULL);
INSERT INTO PESSOA (ID, NOME, NASC, CIDADE) VALUES (3, 'ABEL', NULL, 'CORMAVI');
INSERT INTO PESSOA (ID, NOME, NASC, CIDADE) VALUES (4, 'carla', '2018-12-31', 'SERRA');
INSERT INTO FILHO VALUES (1, 1, 'F1');
INSERT INTO FILHO VALUES (2, 1, 'F2');
INSERT INTO FILHO VALUES (3, 3, 'F3');
)";

std::vector<FieldDef> pessoaFields()
{
    return {
        {QStringLiteral("ID"), FieldType::Integer, 0, true, true, {}},
        {QStringLiteral("NOME"), FieldType::String, 30, false, false, {}},
        {QStringLiteral("NASC"), FieldType::Date, 0, false, false, QStringLiteral("!99/99/0000;1;_")},
        {QStringLiteral("CIDADE"), FieldType::String, 20, false, false, {}},
        {QStringLiteral("FOTO"), FieldType::Blob, 0, false, false, {}},
        {QStringLiteral("CODE"), FieldType::FixedString, 4, false, false, {}},
    };
}

// One workstation's chain over a table: connection, SQL dataset, provider, client dataset.
struct Workstation
{
    explicit Workstation(const fb::AttachParams& params,
                         const QString& sql = QStringLiteral("select * from PESSOA"), bool quoting = true)
    {
        connection.setBeforeConnect([params](fb::AttachParams& p) { p = params; });
        query = std::make_unique<SqlQuery>(&connection, sql);
        provider = std::make_unique<Provider>(query.get(), quoting);
        cds.setProvider(provider.get());
    }
    QVariant scalar(const QString& sql)
    {
        fb::Transaction tx = connection.connection().startTransaction();
        fb::Statement st(tx, sql);
        st.open();
        const QVariant v = st.next() ? st.value(0) : QVariant();
        st.close();
        tx.commit();
        return v;
    }
    void exec(const QString& sql)
    {
        fb::Transaction tx = connection.connection().startTransaction();
        fb::Statement st(tx, sql);
        st.execute();
        tx.commit();
    }
    SqlConnection connection;
    std::unique_ptr<SqlQuery> query;
    std::unique_ptr<Provider> provider;
    ClientDataSet cds;
};

class ClientDataSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.run(QString::fromUtf8(kSchema));
        ws = std::make_unique<Workstation>(db.params());
        ws->cds.setFieldDefs(pessoaFields());
    }
    QStringList names()
    {
        QStringList out;
        for (int r = 0; r < ws->cds.recordCount(); ++r)
            out << ws->cds.displayText(r, 1);
        return out;
    }
    TestDatabase db;
    std::unique_ptr<Workstation> ws;
};

TEST_F(ClientDataSetTest, OpensSortsFiltersAndLocates)
{
    ClientDataSet& cds = ws->cds;
    cds.setIndexFieldNames(QStringLiteral("nome"));
    cds.setFiltered(true);
    cds.open();
    EXPECT_EQ(cds.recordCount(), 4);
    EXPECT_EQ(names(), QStringList({QStringLiteral("ABEL"), QStringLiteral("ÁGUEDA"), QStringLiteral("BRUNO"),
                                    QStringLiteral("carla")}))
        << "accents and case sort with their letters";
    EXPECT_EQ(cds.recNo(), 0);
    EXPECT_EQ(cds.fieldByName(QStringLiteral("code")).asString(), QString()) << "ABEL has no code";

    cds.setFilter(QStringLiteral("cidade = 'CORMAVI'"));
    EXPECT_EQ(names(), QStringList({QStringLiteral("ABEL"), QStringLiteral("BRUNO")}));
    cds.setFiltered(false);
    EXPECT_EQ(cds.recordCount(), 4);
    cds.setFiltered(true);

    cds.setFilter(QStringLiteral("nome like 'C%'"));
    EXPECT_EQ(cds.recordCount(), 0) << "case-sensitive";
    cds.setFilterCaseInsensitive(true);
    EXPECT_EQ(names(), QStringList({QStringLiteral("carla")}));

    EXPECT_THROW(cds.setFilter(QStringLiteral("nome like 'C")), DataError);
    EXPECT_EQ(cds.filter(), QStringLiteral("nome like 'C%'")) << "a bad text leaves the filter in force";
    EXPECT_EQ(cds.recordCount(), 1);

    cds.setFilter(QString());
    EXPECT_TRUE(cds.locate(QStringLiteral("NOME"), QStringLiteral("bru"), true, true));
    EXPECT_EQ(cds.fieldByName(QStringLiteral("ID")).asInteger(), 1);
    EXPECT_EQ(cds.fieldByName(QStringLiteral("CODE")).asString(), QStringLiteral("A   ")) << "padding kept";
    EXPECT_EQ(cds.fieldByName(QStringLiteral("NASC")).displayText(), QStringLiteral("01/05/2019"));
    EXPECT_FALSE(cds.locate(QStringLiteral("NOME"), QStringLiteral("bru"), false, true));
    EXPECT_FALSE(cds.locate(QStringLiteral("NOME"), QStringLiteral("ZZ"), true, true));
    EXPECT_EQ(cds.fieldByName(QStringLiteral("ID")).asInteger(), 1) << "a failed locate does not move";
}

TEST_F(ClientDataSetTest, SettingsStayAfterCloseAndOpen)
{
    ClientDataSet& cds = ws->cds;
    cds.setFiltered(true);
    cds.setFilter(QStringLiteral("cidade = 'CORMAVI'"));
    cds.setIndexFieldNames(QStringLiteral("NOME"));
    cds.open();
    cds.close();
    cds.open();
    EXPECT_EQ(names(), QStringList({QStringLiteral("ABEL"), QStringLiteral("BRUNO")}));
}

TEST_F(ClientDataSetTest, MissingDeclaredFieldFailsTheOpen)
{
    std::vector<FieldDef> fields = pessoaFields();
    fields.push_back({QStringLiteral("APELIDO"), FieldType::String, 10, false, false, {}});
    ws->cds.setFieldDefs(fields);
    try {
        ws->cds.open();
        FAIL() << "opened";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field 'APELIDO' not found"));
    }
    EXPECT_FALSE(ws->cds.isActive());
}

TEST_F(ClientDataSetTest, InsertEditDeleteLandInTheDatabase)
{
    ClientDataSet& cds = ws->cds;
    StoredProc generator(&ws->connection, QStringLiteral("SP_GEN_PESSOA_ID"));
    cds.open();
    const int key = generator.execute() + 100;
    cds.last();
    cds.insert();
    EXPECT_EQ(cds.state(), DataSetState::Insert);
    cds.fieldByName(QStringLiteral("ID")).setAsInteger(key);
    cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("JOSÉ D'ÁVILA"));
    cds.fieldByName(QStringLiteral("NASC")).setAsString(QStringLiteral("29/02/2020"));
    cds.fieldByName(QStringLiteral("FOTO")).setValue(QByteArray("\x89PNG", 4));
    cds.post();
    EXPECT_EQ(cds.recordCount(), 5);
    ASSERT_TRUE(cds.applyUpdates(0).ok());
    EXPECT_EQ(cds.changeCount(), 0);
    EXPECT_EQ(ws->scalar(QStringLiteral("select NOME from PESSOA where ID = %1").arg(key)).toString(),
              QStringLiteral("JOSÉ D'ÁVILA"));
    EXPECT_EQ(ws->scalar(QStringLiteral("select NASC from PESSOA where ID = %1").arg(key)).toDate(),
              QDate(2020, 2, 29));

    cds.edit();
    cds.fieldByName(QStringLiteral("CIDADE")).setAsString(QStringLiteral("SERRA"));
    cds.post();
    ASSERT_TRUE(cds.applyUpdates(0).ok());
    EXPECT_EQ(ws->scalar(QStringLiteral("select CIDADE from PESSOA where ID = %1").arg(key)).toString(),
              QStringLiteral("SERRA"));

    cds.deleteRecord();
    EXPECT_EQ(cds.recordCount(), 4);
    ASSERT_TRUE(cds.applyUpdates(0).ok());
    EXPECT_EQ(ws->scalar(QStringLiteral("select count(*) from PESSOA where ID = %1").arg(key)).toInt(), 0);
}

TEST_F(ClientDataSetTest, UnquotedProviderWritesToo)
{
    Workstation plain(db.params(), QStringLiteral("select *  from PESSOA"), false);
    plain.cds.open();
    plain.cds.locate(QStringLiteral("ID"), 4, false, false);
    plain.cds.edit();
    plain.cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("CARLA"));
    ASSERT_TRUE(plain.cds.applyUpdates(0).ok());
    EXPECT_EQ(plain.scalar(QStringLiteral("select NOME from PESSOA where ID = 4")).toString(),
              QStringLiteral("CARLA"));
}

TEST_F(ClientDataSetTest, UpdateMatchesNullsAndIgnoresBlobs)
{
    ClientDataSet& cds = ws->cds;
    cds.open();
    ASSERT_TRUE(cds.locate(QStringLiteral("ID"), 2, false, false)); // CIDADE is null
    // another workstation changes only the picture: blobs are not part of the match
    ws->exec(QStringLiteral("update PESSOA set FOTO = x'0102' where ID = 2"));
    cds.edit();
    cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("AGUEDA"));
    cds.post();
    const ApplyResult result = cds.applyUpdates(0);
    EXPECT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(ws->scalar(QStringLiteral("select NOME from PESSOA where ID = 2")).toString(),
              QStringLiteral("AGUEDA"));
}

TEST_F(ClientDataSetTest, FirstFailureRollsBackEverythingAndKeepsThePendingChanges)
{
    ClientDataSet& cds = ws->cds;
    cds.open();
    cds.locate(QStringLiteral("ID"), 1, false, false);
    cds.edit();
    cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("BRUNO II"));
    cds.post();
    cds.append();
    cds.fieldByName(QStringLiteral("ID")).setAsInteger(3); // key already taken
    cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("DUPLICADO"));
    cds.post();
    ApplyResult result = cds.applyUpdates(0);
    EXPECT_EQ(result.errorCount, 1);
    EXPECT_EQ(result.failure, ApplyResult::Failure::DatabaseError);
    EXPECT_TRUE(result.message.contains(QStringLiteral("PRIMARY"), Qt::CaseInsensitive) ||
                result.message.contains(QStringLiteral("unique"), Qt::CaseInsensitive))
        << result.message.toStdString();
    EXPECT_EQ(cds.changeCount(), 2);
    EXPECT_EQ(ws->scalar(QStringLiteral("select NOME from PESSOA where ID = 1")).toString(),
              QStringLiteral("BRUNO"))
        << "the first change was rolled back with the second";

    // the user mends the row and saves again: both changes land
    cds.edit();
    cds.fieldByName(QStringLiteral("ID")).setAsInteger(50);
    cds.post();
    result = cds.applyUpdates(0);
    EXPECT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(ws->scalar(QStringLiteral("select NOME from PESSOA where ID = 1")).toString(),
              QStringLiteral("BRUNO II"));
    EXPECT_EQ(ws->scalar(QStringLiteral("select NOME from PESSOA where ID = 50")).toString(),
              QStringLiteral("DUPLICADO"));
}

TEST_F(ClientDataSetTest, OverLongTextIsRefusedAndKept)
{
    ClientDataSet& cds = ws->cds;
    cds.open();
    cds.edit();
    cds.fieldByName(QStringLiteral("CIDADE")).setAsString(QString(21, QLatin1Char('X')));
    cds.post();
    const ApplyResult result = cds.applyUpdates(0);
    EXPECT_EQ(result.failure, ApplyResult::Failure::DatabaseError);
    EXPECT_TRUE(result.message.contains(QStringLiteral("truncation"))) << result.message.toStdString();
    EXPECT_EQ(cds.changeCount(), 1);
    EXPECT_EQ(cds.fieldByName(QStringLiteral("CIDADE")).asString(), QString(21, QLatin1Char('X')));
}

TEST_F(ClientDataSetTest, RefusalsCarryTheirTexts)
{
    ClientDataSet& cds = ws->cds;
    cds.open();
    cds.insert();
    try {
        cds.post();
        FAIL() << "posted without a key";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field 'ID' must have a value"));
    }
    EXPECT_EQ(cds.state(), DataSetState::Insert);
    cds.fieldByName(QStringLiteral("ID")).setAsInteger(77);
    cds.post();
    try {
        cds.refresh();
        FAIL() << "refreshed over a pending change";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Must apply updates before refreshing data"));
    }
    EXPECT_THROW(cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("X")), DataError)
        << "browse state";
    EXPECT_THROW(cds.fieldByName(QStringLiteral("NADA")), DataError);
    cds.edit();
    EXPECT_THROW(cds.fieldByName(QStringLiteral("NASC")).setAsString(QStringLiteral("31/02/2020")),
                 std::exception);
    cds.fieldByName(QStringLiteral("NASC")).setAsString(QStringLiteral("  /  /    "));
    EXPECT_TRUE(cds.fieldByName(QStringLiteral("NASC")).isNull()) << "an empty masked date is null";
}

TEST_F(ClientDataSetTest, CancelledNewRowLeavesNothingAndUsesUpItsKey)
{
    ClientDataSet& cds = ws->cds;
    StoredProc generator(&ws->connection, QStringLiteral("SP_GEN_PESSOA_ID"));
    cds.open();
    const int first = generator.execute();
    cds.last();
    cds.insert();
    cds.fieldByName(QStringLiteral("ID")).setAsInteger(first + 100);
    EXPECT_EQ(cds.recordCount(), 4) << "the unposted row is not counted";
    cds.cancel();
    EXPECT_EQ(cds.recordCount(), 4);
    EXPECT_EQ(cds.changeCount(), 0);
    EXPECT_TRUE(cds.applyUpdates(0).ok());
    EXPECT_EQ(ws->scalar(QStringLiteral("select count(*) from PESSOA")).toInt(), 4);
    EXPECT_EQ(generator.execute(), first + 1);
}

TEST_F(ClientDataSetTest, SecondWorkstationsSaveIsAConflictAndStaysPending)
{
    Workstation other(db.params());
    other.cds.setFieldDefs(pessoaFields());
    ws->cds.open();
    other.cds.open();
    for (ClientDataSet* cds : {&ws->cds, &other.cds}) {
        cds->locate(QStringLiteral("ID"), 3, false, false);
        cds->edit();
        cds->fieldByName(QStringLiteral("NOME"))
            .setAsString(cds == &ws->cds ? QStringLiteral("PRIMEIRO") : QStringLiteral("SEGUNDO"));
        cds->post();
    }
    EXPECT_TRUE(ws->cds.applyUpdates(0).ok());
    const ApplyResult second = other.cds.applyUpdates(0);
    EXPECT_EQ(second.errorCount, 1);
    EXPECT_EQ(second.failure, ApplyResult::Failure::Conflict);
    EXPECT_EQ(other.cds.changeCount(), 1);
    EXPECT_EQ(other.cds.fieldByName(QStringLiteral("NOME")).asString(), QStringLiteral("SEGUNDO"));
    EXPECT_EQ(ws->scalar(QStringLiteral("select NOME from PESSOA where ID = 3")).toString(),
              QStringLiteral("PRIMEIRO"));

    // a delete of a row changed elsewhere conflicts the same way
    other.cds.cancelUpdates();
    other.cds.refresh();
    ws->cds.edit();
    ws->cds.fieldByName(QStringLiteral("CIDADE")).setAsString(QStringLiteral("SERRA"));
    ASSERT_TRUE(ws->cds.applyUpdates(0).ok());
    other.cds.deleteRecord();
    EXPECT_EQ(other.cds.applyUpdates(0).failure, ApplyResult::Failure::Conflict);
    EXPECT_EQ(ws->scalar(QStringLiteral("select count(*) from PESSOA where ID = 3")).toInt(), 1);
}

TEST_F(ClientDataSetTest, AggregatesSumTheVisibleRows)
{
    Workstation vagas(db.params(), QStringLiteral("select * from FILHO"));
    vagas.cds.addAggregate(QStringLiteral("total"), QStringLiteral("sum(pai)"));
    vagas.cds.setFiltered(true);
    vagas.cds.open();
    EXPECT_EQ(vagas.cds.aggregateValue(QStringLiteral("total")).toInt(), 5);
    vagas.cds.setFilter(QStringLiteral("NOME = 'F3'"));
    EXPECT_EQ(vagas.cds.aggregateValue(QStringLiteral("total")).toInt(), 3);
    vagas.cds.setFilter(QStringLiteral("NOME = 'NINGUEM'"));
    EXPECT_TRUE(vagas.cds.aggregateValue(QStringLiteral("total")).isNull());
}

TEST_F(ClientDataSetTest, DetailFollowsTheMastersCurrentRow)
{
    Workstation filhos(db.params(), QStringLiteral("select * from FILHO"));
    ClientDataSet& master = ws->cds;
    master.setIndexFieldNames(QStringLiteral("ID"));
    master.open();
    filhos.cds.open();
    filhos.cds.setMasterSource(&master, {QStringLiteral("ID")}, {QStringLiteral("PAI")});
    EXPECT_EQ(filhos.cds.recordCount(), 2);
    master.next(); // ID 2: no children
    EXPECT_EQ(filhos.cds.recordCount(), 0);
    master.next(); // ID 3
    EXPECT_EQ(filhos.cds.recordCount(), 1);
    filhos.cds.append();
    EXPECT_EQ(filhos.cds.fieldByName(QStringLiteral("PAI")).asInteger(), 3)
        << "a new detail row takes the link";
    filhos.cds.fieldByName(QStringLiteral("ID")).setAsInteger(9);
    filhos.cds.post();
    EXPECT_EQ(filhos.cds.recordCount(), 2);
}

TEST_F(ClientDataSetTest, ModelShowsTheVisibleRowsAndTheRowBeingInserted)
{
    ClientDataSet& cds = ws->cds;
    DataSetModel model(&cds);
    model.setColumns({{QStringLiteral("NASC"), QStringLiteral("DATA"), Qt::AlignCenter},
                      {QStringLiteral("NOME"), QStringLiteral("ALUNO"), Qt::AlignLeft}});
    cds.setIndexFieldNames(QStringLiteral("NOME"));
    cds.setFiltered(true);
    cds.open();
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("ALUNO"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("ABEL"));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("10/01/2020"));
    cds.setFilter(QStringLiteral("nome like 'B%'"));
    EXPECT_EQ(model.rowCount(), 1);
    cds.insert();
    EXPECT_EQ(model.rowCount(), 2);
    cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("NOVO"));
    EXPECT_EQ(model.data(model.index(cds.recNo(), 1), Qt::DisplayRole).toString(), QStringLiteral("NOVO"));
    cds.cancel();
    EXPECT_EQ(model.rowCount(), 1);
}

// Two workstations through a real Firebird server on loopback.
TEST(ServerWorkstations, FirstSaveLandsSecondIsAConflict)
{
    const std::optional<TestServer> server = TestServer::fromEnvironment();
    if (!server)
        GTEST_SKIP() << "QN_TEST_SERVER not set";
    const QString path =
        server->directory + QStringLiteral("/conflict-%1.fdb").arg(QCoreApplication::applicationPid());
    QFile::remove(path);
    fb::AttachParams params{server->hostname, path, QStringLiteral("SYSDBA"), server->password, {}};
    fb::Connection::createDatabase(fb::attachString(params), params.userName, params.password);
    {
        fb::Connection setup;
        setup.attach(params);
        fb::runScript(setup, QString::fromUtf8(kSchema));
    }
    {
        Workstation a(params);
        Workstation b(params);
        for (Workstation* w : {&a, &b}) {
            w->cds.setFieldDefs(pessoaFields());
            w->cds.open();
            w->cds.locate(QStringLiteral("ID"), 1, false, false);
            w->cds.edit();
            w->cds.fieldByName(QStringLiteral("NOME"))
                .setAsString(w == &a ? QStringLiteral("A") : QStringLiteral("B"));
            w->cds.post();
        }
        EXPECT_TRUE(a.cds.applyUpdates(0).ok());
        const ApplyResult second = b.cds.applyUpdates(0);
        EXPECT_EQ(second.failure, ApplyResult::Failure::Conflict);
        EXPECT_EQ(b.cds.changeCount(), 1);
        EXPECT_EQ(b.scalar(QStringLiteral("select NOME from PESSOA where ID = 1")).toString(),
                  QStringLiteral("A"));
        EXPECT_EQ(b.scalar(QStringLiteral("select count(*) from PESSOA")).toInt(), 4)
            << "nothing half-written";
    }
    fb::Connection drop;
    drop.attach(params);
    drop.detach();
    QFile::remove(path);
}

} // namespace
