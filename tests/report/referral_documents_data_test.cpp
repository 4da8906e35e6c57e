// The documents read the data module's datasets as they stand.
#include "data/DemoDatabase.h"
#include "data/U_datamodulo.h"
#include "platform/firebird/FbConnection.h"
#include "platform/report/DataSetSource.h"
#include "platform/report/Report.h"
#include "referral/U_encaminhamento_vaga.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DocumentsOnDatasets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString path = dir.filePath(QStringLiteral("demo.fdb"));
        createSchemaDatabase(path, QStringLiteral("SYSDBA"), QString());
        fb::Connection connection;
        connection.attach({QString(), path, QStringLiteral("SYSDBA"), QString(), {}});
        loadDemoData(connection, QDate(2026, 12, 11));
        connection.detach();
        QFile config(dir.filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("[CONFIG]\nDATABASE=%1\nUSER_NAME=SYSDBA\n").arg(path).toUtf8());
        config.close();
        dm = new Tdm;
        dm->setConfigPath(config.fileName());
        dm->start();
    }
    void TearDown() override
    {
        delete dm;
        dm = nullptr;
    }
    QTemporaryDir dir;
};

bool printed(const report::ReportLayout& layout, const QString& text)
{
    for (const report::LayoutPage& page : layout.pages) {
        for (const report::PlacedItem& item : page.items) {
            if (item.text().contains(text))
                return true;
        }
    }
    return false;
}

TEST_F(DocumentsOnDatasets, FullReferralPrintsTheCurrentRowAndMovesNothing)
{
    ds::ClientDataSet& aluno = *dm->cdsaluno;
    aluno.setFilter(QStringLiteral("STATUS = 'AGUARDANDO'"));
    aluno.open();
    dm->cdspresidente->open();
    ASSERT_GT(aluno.recordCount(), 3);
    aluno.moveTo(2);
    const QString name = aluno.fieldByName(QStringLiteral("NOME_ALUNO")).asString();
    const QString president = dm->cdspresidente->fieldByName(QStringLiteral("NOME_PRESIDENTE")).asString();

    report::DataSetSource alunoSource(aluno);
    report::DataSetSource presidenteSource(*dm->cdspresidente);
    TFrm_encaminhamento_vaga document(alunoSource, presidenteSource, nullptr);
    const report::ReportLayout layout = document.QuickRep1().layout();
    EXPECT_TRUE(printed(layout, name)) << name.toStdString();
    EXPECT_TRUE(printed(layout, president)) << president.toStdString();
    EXPECT_EQ(aluno.recNo(), 2);
    EXPECT_EQ(aluno.filter(), QStringLiteral("STATUS = 'AGUARDANDO'"));
}

} // namespace
