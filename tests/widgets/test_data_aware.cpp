#include "platform/dataset/ClientDataSet.h"
#include "platform/dataset/Conversions.h"
#include "platform/dataset/Provider.h"
#include "platform/dataset/SqlConnection.h"
#include "platform/dataset/SqlQuery.h"
#include "platform/widgets/DBComboBox.h"
#include "platform/widgets/DBEdit.h"
#include "platform/widgets/DBGrid.h"
#include "platform/widgets/DBMemo.h"
#include "platform/widgets/DBNavigator.h"
#include "platform/widgets/DBText.h"
#include "platform/widgets/DataSource.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestDatabase.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

using ds::FieldType;

// One table with a field of every kind the editors handle, and a window to hold editors.
class DataAwareTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.run(QStringLiteral(
            "create table T (ID integer not null primary key, NOME varchar(10), FONE varchar(20), "
            "CPF varchar(20), DN date, HORA time, OBS varchar(255), SEXO varchar(2));\n"
            "insert into T (ID, NOME, DN, SEXO) values (1, 'ANA', '2020-05-03', 'F');\n"
            "insert into T (ID, NOME) values (2, 'BIA');\n"
            "insert into T (ID, NOME) values (3, 'CAU');\n"));
        connection.params() = db.params();
        cds.setProvider(&provider);
        cds.setFieldDefs(
            {{QStringLiteral("ID"), FieldType::Integer, 0, true, true, {}},
             {QStringLiteral("NOME"), FieldType::String, 10, false, false, {}},
             {QStringLiteral("FONE"), FieldType::String, 20, false, false,
              QStringLiteral("!\\(99\\)00000-0000;1;_")},
             {QStringLiteral("CPF"), FieldType::String, 20, false, false,
              QStringLiteral("000\\.000\\.000\\-00;1;_")},
             {QStringLiteral("DN"), FieldType::Date, 0, false, false, QStringLiteral("!99/99/0000;1;_")},
             {QStringLiteral("HORA"), FieldType::Time, 0, false, false, QStringLiteral("!90:00;1;_")},
             {QStringLiteral("OBS"), FieldType::String, 255, false, false, {}},
             {QStringLiteral("SEXO"), FieldType::String, 2, false, false, {}}});
        cds.open();
        window.setLayout(new QVBoxLayout);
        window.show();
    }
    template <typename W> W* add(const char* field)
    {
        auto* w = new W(&window);
        window.layout()->addWidget(w);
        w->setDataSource(&source, QLatin1String(field));
        return w;
    }
    static void typeInto(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->setCursorPosition(0);
        for (QChar c : keys) {
            if (c.unicode() < 128)
                QTest::keyClick(edit, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    QVariant stored(const char* field) { return cds.fieldByName(QLatin1String(field)).value(); }

    testing_support::TestDatabase db;
    testing_support::DialogScript dialogs;
    ds::SqlConnection connection;
    ds::SqlQuery query{&connection, QStringLiteral("select * from T order by ID")};
    ds::Provider provider{&query, false};
    ds::ClientDataSet cds;
    dbw::DataSource source{&cds};
    QWidget window;
};

TEST_F(DataAwareTest, TypedDigitsGiveTheStoredTextOfEachMask)
{
    struct Row
    {
        const char* field;
        QString keys;
        QVariant expected;
    };
    const Row rows[] = {
        {"FONE", QStringLiteral("12345678901"), QStringLiteral("(12)34567-8901")},
        {"CPF", QStringLiteral("12345678909"), QStringLiteral("123.456.789-09")},
        {"DN", QStringLiteral("11122026"), QDate(2026, 12, 11)},
        {"HORA", QStringLiteral("0930"), QTime(9, 30)},
    };
    for (const Row& r : rows) {
        cds.edit();
        auto* edit = add<dbw::DBEdit>(r.field);
        typeInto(edit, r.keys);
        edit->clearFocus();
        source.updateRecord();
        EXPECT_EQ(stored(r.field), r.expected) << r.field;
        cds.cancel();
    }
}

TEST_F(DataAwareTest, EmptiedDateStoresNullAndHalfDateFailsOnSave)
{
    auto* dn = add<dbw::DBEdit>("DN");
    EXPECT_EQ(dn->displayText(), QStringLiteral("03/05/2020"));
    cds.edit();
    dn->setFocus();
    dn->selectAll();
    QTest::keyClick(dn, Qt::Key_Backspace);
    source.updateRecord();
    EXPECT_TRUE(stored("DN").isNull());
    EXPECT_EQ(dn->editText(), QStringLiteral("  /  /    "));

    typeInto(dn, QStringLiteral("1112"));
    EXPECT_THROW(source.updateRecord(), ds::ConversionError) << "11/12/ is no date";
}

TEST_F(DataAwareTest, WidthLimitAndForcedCase)
{
    auto* nome = add<dbw::DBEdit>("NOME");
    EXPECT_EQ(nome->maxLength(), 10);
    nome->setCharCase(dbw::CharCase::Upper);
    cds.edit();
    nome->setFocus();
    nome->selectAll();
    QTest::keyClick(nome, Qt::Key_Backspace);
    typeInto(nome, QStringLiteral("joão da silva"));
    EXPECT_EQ(stored("NOME").toString(), QStringLiteral("JOÃO DA SI"));
    auto* obs = add<dbw::DBEdit>("OBS");
    obs->setCharCase(dbw::CharCase::Lower);
    typeInto(obs, QStringLiteral("Ana@Escola.BR"));
    EXPECT_EQ(stored("OBS").toString(), QStringLiteral("ana@escola.br"));
}

TEST_F(DataAwareTest, TypingWhileBrowsingChangesNothingUnlessAutoEdit)
{
    auto* nome = add<dbw::DBEdit>("NOME");
    auto* obs = add<dbw::DBMemo>("OBS");
    auto* sexo = add<dbw::DBComboBox>("SEXO");
    sexo->setItems({QStringLiteral("M"), QStringLiteral("F"), QStringLiteral("ND")});
    EXPECT_TRUE(nome->isReadOnly());
    typeInto(nome, QStringLiteral("X"));
    obs->setFocus();
    QTest::keyClicks(obs, QStringLiteral("Y"));
    EXPECT_EQ(cds.state(), ds::DataSetState::Browse);
    EXPECT_EQ(nome->text(), QStringLiteral("ANA"));
    EXPECT_EQ(stored("NOME").toString(), QStringLiteral("ANA"));
    EXPECT_TRUE(stored("OBS").isNull());
    EXPECT_EQ(sexo->currentText(), QStringLiteral("F"));

    source.setAutoEdit(true);
    nome->setFocus();
    nome->setCursorPosition(3);
    QTest::keyClicks(nome, QStringLiteral("X"));
    EXPECT_EQ(cds.state(), ds::DataSetState::Edit);
    EXPECT_EQ(stored("NOME").toString(), QStringLiteral("ANAX"));
}

TEST_F(DataAwareTest, EditorsFollowTheCurrentRowAndPickListStoresItsItem)
{
    auto* nome = add<dbw::DBEdit>("NOME");
    auto* id = add<dbw::DBText>("ID");
    auto* sexo = add<dbw::DBComboBox>("SEXO");
    sexo->setItems({QStringLiteral("M"), QStringLiteral("F"), QStringLiteral("ND")});
    EXPECT_FALSE(sexo->isEditable()) << "no typing into the pick-list";
    cds.next();
    EXPECT_EQ(nome->text(), QStringLiteral("BIA"));
    EXPECT_EQ(id->text(), QStringLiteral("2"));
    EXPECT_EQ(sexo->currentIndex(), -1);
    cds.edit();
    sexo->setCurrentIndex(2);
    emit sexo->activated(2);
    EXPECT_EQ(stored("SEXO").toString(), QStringLiteral("ND"));
    cds.fieldByName(QStringLiteral("NOME")).setAsString(QStringLiteral("BEA"));
    EXPECT_EQ(nome->text(), QStringLiteral("BEA")) << "re-read on fieldChanged";
    cds.cancel();
    EXPECT_EQ(nome->text(), QStringLiteral("BIA"));
    cds.close();
    EXPECT_EQ(nome->text(), QString());
}

TEST_F(DataAwareTest, GridAndDataSetKeepTheSameRowBothWays)
{
    auto* grid = new dbw::DBGrid(&window);
    window.layout()->addWidget(grid);
    grid->setDataSource(&source);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    grid->selectRow(2);
    EXPECT_EQ(cds.recNo(), 2);
    cds.first();
    EXPECT_EQ(grid->currentIndex().row(), 0);
    cds.setFilter(QStringLiteral("NOME like 'B%'"));
    cds.setFiltered(true);
    EXPECT_EQ(grid->model()->rowCount(), 1);

    cds.setFiltered(false);
    const int editedRow = cds.recNo();
    cds.edit();
    grid->selectRow(editedRow == 0 ? 2 : 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(cds.recNo(), editedRow) << "the row being edited is kept";
    EXPECT_EQ(grid->currentIndex().row(), editedRow);
    EXPECT_TRUE(cds.isEditing());
}

TEST_F(DataAwareTest, NavigatorMovesAndRestsWhileEditing)
{
    auto* nav = new dbw::DBNavigator(&window);
    window.layout()->addWidget(nav);
    nav->setDataSource(&source);
    auto* next = nav->findChild<QToolButton*>(QStringLiteral("nbNext"));
    auto* first = nav->findChild<QToolButton*>(QStringLiteral("nbFirst"));
    EXPECT_FALSE(first->isEnabled());
    next->click();
    EXPECT_EQ(cds.recNo(), 1);
    nav->findChild<QToolButton*>(QStringLiteral("nbLast"))->click();
    EXPECT_EQ(cds.recNo(), 2);
    EXPECT_FALSE(next->isEnabled());
    cds.edit();
    EXPECT_FALSE(first->isEnabled());
}

// 100,000 rows: the grid paints only what is in view, and nothing is done per row.
TEST_F(DataAwareTest, GridOverAHundredThousandRowsStaysFast)
{
    db.run(
        QStringLiteral("create table D (D integer);\n"
                       "insert into D select 0 from rdb$database;\n"
                       "insert into D select D + 1 from D;\n"
                       "insert into D select D + 2 from D;\n"
                       "insert into D select D + 4 from D;\n"
                       "insert into D select D + 8 from D;\n"
                       "delete from D where D > 9;\n"
                       "insert into T (ID, NOME, SEXO) select 10 + a.D + 10 * b.D + 100 * c.D + 1000 * e.D + "
                       "10000 * f.D, 'N' || (a.D + 10 * b.D), iif(mod(a.D, 2) = 0, 'M', 'F') "
                       "from D a, D b, D c, D e, D f;\n"));
    cds.refresh();
    ASSERT_EQ(cds.recordCount(), 100003);
    auto* grid = new dbw::DBGrid(&window);
    window.layout()->addWidget(grid);
    window.resize(500, 400);
    grid->show();
    window.layout()->activate();
    int painted = 0;
    const int sexo = cds.fieldIndex(QStringLiteral("SEXO"));
    grid->setCellPainter([&](const dbw::CellInfo& cell, dbw::CellStyle& style) {
        ++painted;
        if (cds.value(cell.row, sexo).toString() == QLatin1String("M"))
            style.background = QColor(192, 220, 192);
    });
    QElapsedTimer timer;
    timer.start();
    grid->setDataSource(&source);
    cds.last();
    (void)window.grab();
    cds.setFilter(QStringLiteral("NOME like 'N9%'"));
    cds.setFiltered(true);
    (void)window.grab();
    EXPECT_LT(timer.elapsed(), 1500);
    std::cout << "grid over 100,000 rows: " << timer.elapsed() << " ms, " << painted << " cells painted\n";
    EXPECT_GT(painted, 0);
    EXPECT_LT(painted, 2000) << "only the rows in view are painted";
    EXPECT_EQ(grid->currentIndex().row(), cds.recNo());
}

} // namespace
