// The documents read the data module's datasets as they stand.
#include "data/U_datamodulo.h"
#include "platform/report/DataSetSource.h"
#include "platform/report/Report.h"
#include "referral/U_encaminhamento_vaga.h"
#include "tests/support/DemoDataModule.h"

#include <gtest/gtest.h>

namespace {

class DocumentsOnDatasets : public ::testing::Test
{
protected:
    testing_support::DemoDataModule data;
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
