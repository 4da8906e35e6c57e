#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbScript.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "tests/support/TestDatabase.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

using testing_support::TestDatabase;

namespace {

const char* kScript = R"(
CREATE TABLE T (
  ID INTEGER NOT NULL PRIMARY KEY,
  NAME VARCHAR(20),
  CODE CHAR(10),
  BORN DATE,
  AT_TIME TIME,
  PHOTO BLOB SUB_TYPE 0,
  NOTE BLOB SUB_TYPE 1
);
CREATE SEQUENCE GEN_T;
SET TERM ^ ;
CREATE PROCEDURE SP_GEN_T_ID RETURNS (ID INTEGER) AS
BEGIN
  ID = NEXT VALUE FOR GEN_T; -- a comment; with a semicolon
END^
SET TERM ; ^
)";

class FirebirdTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.run(QString::fromUtf8(kScript));
        connection.attach(db.params());
    }
    TestDatabase db;
    fb::Connection connection;
};

TEST_F(FirebirdTest, ValuesRoundTripWithTheirTypes)
{
    const QByteArray photo("\x00\x01\xFFpng", 6);
    {
        fb::Transaction tx = connection.startTransaction();
        fb::Statement insert(tx, QStringLiteral("INSERT INTO T (ID, NAME, CODE, BORN, AT_TIME, PHOTO, NOTE) "
                                                "VALUES (:id, :name, :code, :born, :at, :photo, :note)"));
        insert.bind(QStringLiteral("ID"), 1);
        insert.bind(QStringLiteral("name"), QStringLiteral("JOÃO CONCEIÇÃO"));
        insert.bind(QStringLiteral("code"), QStringLiteral("AB"));
        insert.bind(QStringLiteral("born"), QDate(2019, 2, 28));
        insert.bind(QStringLiteral("at"), QTime(14, 30, 5));
        insert.bind(QStringLiteral("photo"), photo);
        insert.bind(QStringLiteral("note"), QStringLiteral("linha 1\nlinha 2 ação"));
        EXPECT_EQ(insert.execute(), 1);
        tx.commit();
    }
    fb::Transaction tx = connection.startTransaction();
    fb::Statement select(tx, QStringLiteral("select * from T"));
    select.open();
    ASSERT_TRUE(select.next());
    EXPECT_EQ(select.value(select.columnIndex(QStringLiteral("id"))).toInt(), 1);
    EXPECT_EQ(select.value(1).toString(), QStringLiteral("JOÃO CONCEIÇÃO"));
    EXPECT_EQ(select.value(2).toString(), QStringLiteral("AB        ")) << "fixed text keeps its padding";
    EXPECT_EQ(select.value(3).toDate(), QDate(2019, 2, 28));
    EXPECT_EQ(select.value(4).toTime(), QTime(14, 30, 5));
    EXPECT_EQ(select.value(5).toByteArray(), photo);
    EXPECT_EQ(select.value(6).toString(), QStringLiteral("linha 1\nlinha 2 ação"));
    EXPECT_EQ(select.columns()[2].charLength, 10u);
    EXPECT_EQ(select.columns()[0].relation, QStringLiteral("T"));
    EXPECT_FALSE(select.next());
}

TEST_F(FirebirdTest, RepeatedNamedParameterAndNullsAndRowsAffected)
{
    fb::Transaction tx = connection.startTransaction();
    for (int id : {1, 2, 3}) {
        fb::Statement insert(tx, QStringLiteral("INSERT INTO T (ID, NAME) VALUES (:id, :name)"));
        insert.bind(QStringLiteral("id"), id);
        insert.bind(QStringLiteral("name"), id == 2 ? QVariant() : QVariant(QStringLiteral("A%1").arg(id)));
        insert.execute();
    }
    fb::Statement update(tx,
                         QStringLiteral("UPDATE T SET NAME = 'X:notaparam' WHERE NAME like :p OR NAME = :P"));
    EXPECT_EQ(update.parameterNames(), QStringList({QStringLiteral("p"), QStringLiteral("P")}));
    update.bind(QStringLiteral("p"), QStringLiteral("A%"));
    EXPECT_EQ(update.execute(), 2);
    fb::Statement nulls(tx, QStringLiteral("SELECT COUNT(*) FROM T WHERE NAME IS NULL"));
    nulls.open();
    ASSERT_TRUE(nulls.next());
    EXPECT_EQ(nulls.value(0).toLongLong(), 1);
}

TEST_F(FirebirdTest, ProcedureReturnsFreshIds)
{
    fb::Transaction tx = connection.startTransaction();
    fb::Statement call(tx, QStringLiteral("EXECUTE PROCEDURE SP_GEN_T_ID"));
    call.execute();
    const int first = call.value(call.columnIndex(QStringLiteral("id"))).toInt();
    call.execute();
    EXPECT_EQ(call.value(0).toInt(), first + 1);
}

TEST_F(FirebirdTest, ErrorsCarryTheServersText)
{
    fb::Transaction tx = connection.startTransaction();
    try {
        fb::Statement bad(tx, QStringLiteral("select * from NO_SUCH_TABLE"));
        FAIL() << "prepared a select on a missing table";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("NO_SUCH_TABLE"))) << e.what();
        EXPECT_TRUE(e.message().contains(QStringLiteral("Table unknown"))) << e.what();
    }
    fb::Statement tooLong(tx, QStringLiteral("INSERT INTO T (ID, NAME) VALUES (1, ?)"));
    tooLong.bind(0, QString(21, QLatin1Char('X')));
    try {
        tooLong.execute();
        FAIL() << "a text longer than its column was accepted";
    } catch (const fb::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("truncation"))) << e.what();
    }
}

TEST(FirebirdAttach, FailuresAreReportedWithTheirReason)
{
    struct Case
    {
        const char* name;
        fb::AttachParams params;
        const char* expected;
    };
    const Case cases[] = {
        {"no database path", {}, "DATABASE"},
        {"missing file",
         {QString(), QStringLiteral("/nonexistent/dir/x.fdb"), QStringLiteral("SYSDBA"), {}, {}},
         "/nonexistent/dir/x.fdb"},
        {"refused port",
         {QStringLiteral("127.0.0.1/1"),
          QStringLiteral("/tmp/x.fdb"),
          QStringLiteral("SYSDBA"),
          QStringLiteral("x"),
          {}},
         "127.0.0.1"},
    };
    for (const Case& c : cases) {
        fb::Connection connection;
        try {
            connection.attach(c.params);
            ADD_FAILURE() << c.name << ": attached";
        } catch (const fb::Error& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.expected))) << c.name << ": " << e.what();
        }
        EXPECT_FALSE(connection.isOpen()) << c.name;
    }
}

TEST(FirebirdAttach, AttachStringJoinsHostAndPath)
{
    EXPECT_EQ(fb::attachString({QStringLiteral("srv"), QStringLiteral("/db/x.fdb"), {}, {}, {}}),
              QStringLiteral("srv:/db/x.fdb"));
    EXPECT_EQ(fb::attachString({QString(), QStringLiteral("srv/3051:/db/x.fdb"), {}, {}, {}}),
              QStringLiteral("srv/3051:/db/x.fdb"));
    EXPECT_EQ(fb::attachString({QString(), QStringLiteral("/db/x.fdb"), {}, {}, {}}),
              QStringLiteral("/db/x.fdb"));
}

TEST(FirebirdCreate, RefusesToOverwriteAFile)
{
    TestDatabase db;
    EXPECT_THROW(fb::Connection::createDatabase(db.path(), QStringLiteral("SYSDBA"), QString()), fb::Error);
    fb::Connection connection;
    connection.attach(db.params()); // still a database
}

TEST(FirebirdScript, SplitsOnTerminatorsOutsideTextsAndComments)
{
    const QStringList statements = fb::splitScript(
        QString::fromUtf8(kScript) + QStringLiteral("INSERT INTO T (ID, NAME) VALUES (1, 'a;b');"));
    ASSERT_EQ(statements.size(), 4);
    EXPECT_TRUE(statements[2].startsWith(QStringLiteral("CREATE PROCEDURE")));
    EXPECT_TRUE(statements[2].endsWith(QStringLiteral("END")));
    EXPECT_EQ(statements[3], QStringLiteral("INSERT INTO T (ID, NAME) VALUES (1, 'a;b')"));
}

TEST(FirebirdScript, NamedParametersBecomePositional)
{
    QStringList names;
    EXPECT_EQ(fb::positionalSql(
                  QStringLiteral("select * from USUARIO where login like :login and senha like :senha "
                                 "-- :not\n and x = ':no' and \"A:B\" = 1"),
                  &names),
              QStringLiteral(
                  "select * from USUARIO where login like ? and senha like ? -- :not\n and x = ':no' and "
                  "\"A:B\" = 1"));
    EXPECT_EQ(names, QStringList({QStringLiteral("login"), QStringLiteral("senha")}));
}

} // namespace
