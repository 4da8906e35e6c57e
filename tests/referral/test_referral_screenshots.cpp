// Pictures of the four screens for a look by eye (QN_SCREENSHOT_DIR).
#include "data/U_datamodulo.h"
#include "referral/U_Cad_Alunos.h"
#include "referral/U_pesquisa.h"
#include "referral/U_pesquisa_escolas.h"
#include "referral/U_vagas.h"
#include "tests/referral/ReferralFixture.h"

#include <QApplication>
#include <QTabWidget>

namespace {

class ReferralScreenshots : public ReferralTest
{
};

TEST_F(ReferralScreenshots, EveryScreen)
{
    {
        TFrm_Cad_Aluno screen;
        screen.setClock(&ReferralTest::now);
        showScreen(&screen);
        screenshot(&screen, QStringLiteral("cad_aluno_cadastro"));
        auto* pages = child<QTabWidget>(&screen, "PageControl1");
        pages->setCurrentIndex(1);
        QApplication::processEvents();
        screenshot(&screen, QStringLiteral("cad_aluno_idade"));
        pages->setCurrentIndex(2);
        QApplication::processEvents();
        screenshot(&screen, QStringLiteral("cad_aluno_vagas"));
        pages->setCurrentIndex(0);
        clickTool(&screen, "bntnovo");
        screenshot(&screen, QStringLiteral("cad_aluno_novo"));
        clickTool(&screen, "bntcancelar");
        TFrm_Filtro search(&screen);
        search.setClock(&ReferralTest::now);
        showScreen(&search);
        screenshot(&search, QStringLiteral("filtro"));
    }
    {
        TFrm_Cad_Vagas screen;
        showScreen(&screen);
        screenshot(&screen, QStringLiteral("vagas_cadastro"));
        clickButton(&screen, "btmaisdados");
        screenshot(&screen, QStringLiteral("vagas_outros"));
    }
    {
        TFrm_Pesquisa_Escolas screen;
        showScreen(&screen);
        screenshot(&screen, QStringLiteral("pesquisa_escolas"));
    }
    EXPECT_TRUE(dialogs->texts().isEmpty()) << dialogs->texts().join(u'|').toStdString();
}

} // namespace
