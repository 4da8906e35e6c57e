#include "MemoryDataSource.h"
#include "PdfWords.h"

#include "referral/U_encaminhamento_vaga.h"
#include "referral/U_encaminhamento_vaga_branco.h"
#include "referral/U_encaminhamento_vaga_preenchido.h"
#include "referral/U_procura_vaga.h"
#include "referral/U_rel_declaracao_nao_ha_vagas.h"
#include "referral/U_rel_doc_necessario_matricula.h"

#include "common/Deployment.h"
#include "platform/report/TextMetrics.h"

#include <QDate>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

using report::BandType;
using report::ReportLayout;

namespace {

constexpr double Tolerance = 0.3; // mm
// Where the bands of every referral document start on the page.
constexpr double Left = 10;
constexpr double HeaderTop = 10;
constexpr double TitleTop = 49;

const QString LongRemark = QStringLiteral(
    "MAE TRABALHA NO PERIODO DA MANHA E PRECISA DE VAGA PROXIMA DA RESIDENCIA POIS NAO TEM CONDUCAO "
    "PROPRIA; O IRMAO MAIS VELHO JA ESTUDA NA MESMA ESCOLA DESDE O ANO PASSADO E A AVO BUSCA OS DOIS "
    "NO FIM DA TARDE QUANDO A MAE ESTA NO SERVICO");

QHash<QString, QString> request(const QString& name)
{
    return {{QStringLiteral("NOME_ALUNO"), name},
            {QStringLiteral("DATA_NASC"), QStringLiteral("14/03/2019")},
            {QStringLiteral("RESPONSAVEL_1"), QStringLiteral("MARIA APARECIDA DA SILVA")},
            {QStringLiteral("RESPONSAVEL_2"), QStringLiteral("JOSE CARLOS DA SILVA")},
            {QStringLiteral("ENDERECO"), QStringLiteral("RUA DOS IPES, 120")},
            {QStringLiteral("BAIRRO"), QStringLiteral("JARDIM PRIMAVERA")},
            {QStringLiteral("NOMES_SERIES"), QStringLiteral("MATERNAL II")},
            {QStringLiteral("NOME_ESCOLAS"), QStringLiteral("CMEI PEQUENO PRINCIPE")},
            {QStringLiteral("NOMES_TURNOS"), QStringLiteral("MATUTINO")},
            {QStringLiteral("CONTATO_1"), QStringLiteral("(64)99901-2233")},
            {QStringLiteral("CONTATO_2"), QStringLiteral("(64)3651-0000")},
            {QStringLiteral("OBS"), LongRemark}};
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

class ReferralDocuments : public ::testing::Test
{
protected:
    ReferralDocuments()
        : m_aluno({request(QStringLiteral("OUTRO ALUNO")), request(QStringLiteral("JOAO PEDRO DA SILVA")),
                   request(QStringLiteral("TERCEIRO ALUNO"))},
                  1),
          m_presidente({{{QStringLiteral("NOME_PRESIDENTE"), QStringLiteral("ANTONIA REGINA MOREIRA")},
                         {QStringLiteral("DATA_VIGENTE"), QStringLiteral("2025-2027")},
                         {QStringLiteral("ANO_VIGENTE"), QStringLiteral("2026")}}})
    {
    }

    // Exports to PDF and reads its words back; keeps a PNG beside it for looking.
    std::vector<PdfWord> exported(const referral::ReferralDocument& document, const QString& name)
    {
        const QString path = m_dir.filePath(name + QStringLiteral(".pdf"));
        EXPECT_TRUE(document.QuickRep1().exportPdf(path));
        auto words = readPdfWords(path);
        const QString keep = qEnvironmentVariable("QN_REPORT_OUT");
        if (!keep.isEmpty())
            renderPdfToPng(keep + QLatin1Char('/') + QFileInfo(path).fileName());
        return words;
    }

    QTemporaryDir m_dir;
    MemoryDataSource m_aluno;
    MemoryDataSource m_presidente;
    MemoryDataSource m_noPresident;
};

struct Placed
{
    QString text;
    double x; // within the band
    double y;
    double bandTop = TitleTop;
};

void expectAt(const std::vector<PdfWord>& words, const std::vector<Placed>& expected)
{
    for (const Placed& e : expected) {
        const QRectF box = findPhrase(words, e.text);
        ASSERT_FALSE(box.isNull()) << "missing: " << e.text.toStdString();
        EXPECT_NEAR(box.left(), Left + e.x, Tolerance) << e.text.toStdString();
        EXPECT_NEAR(box.top(), e.bandTop + e.y, Tolerance) << e.text.toStdString();
    }
}

// "Cormavi," at its place and today's date right after it, a blank between.
void expectPlaceAndDate(const std::vector<PdfWord>& words, double x, double y)
{
    const QRectF place = findPhrase(words, QStringLiteral("Cormavi,"));
    const QRectF date = findPhrase(words, today());
    ASSERT_FALSE(place.isNull());
    ASSERT_FALSE(date.isNull());
    EXPECT_NEAR(place.left(), Left + x, Tolerance);
    EXPECT_NEAR(place.top(), TitleTop + y, Tolerance);
    EXPECT_NEAR(date.top(), place.top(), 1e-3);
    report::TextMetrics metrics;
    EXPECT_NEAR(date.left(), place.right() + metrics.widthMm(report::regularFont(10), QStringLiteral(" ")),
                Tolerance);
    EXPECT_NEAR(date.height(), place.height(), 1e-3); // both 10 pt
}

int pagesIn(const std::vector<PdfWord>& words)
{
    int pages = 0;
    for (const PdfWord& w : words)
        pages = std::max(pages, w.page);
    return pages;
}

double centreOf(const QRectF& r)
{
    return r.center().x();
}

TEST_F(ReferralDocuments, FullReferralPrintsTheCurrentRequestWhereTheLayoutPlacesIt)
{
    TFrm_encaminhamento_vaga document(m_aluno, m_presidente);
    EXPECT_EQ(document.QuickRep1().name(), QStringLiteral("QuickRep1"));
    const auto words = exported(document, QStringLiteral("encaminhamento_vaga"));

    expectAt(words,
             {
                 {QStringLiteral("PREFEITURA MUNICIPAL DE CORMAVI"), 41, 11, HeaderTop},
                 {QStringLiteral("SECRETARIA MUNICIPAL DE EDUCAÇÃO"), 52, 19, HeaderTop},
                 {QStringLiteral("CNPJ/MF: ") + deployment::departmentTaxNumber(), 64, 25, HeaderTop},
                 {QStringLiteral("ENCAMINHAMENTO PARA MATRICULA -"), 15, 3},
                 {QStringLiteral("2026"), 160, 3},
                 {QStringLiteral("ALUNO SEM CADASTRO"), 49, 13},
                 {QStringLiteral("Venho através deste encaminhar o(a) aluno(a):"), 8, 30},
                 {QStringLiteral("JOAO PEDRO DA SILVA"), 8, 36},
                 {QStringLiteral("nascido(a) em"), 8, 42},
                 {QStringLiteral("14/03/2019"), 32, 42},
                 {QStringLiteral("Filho(a) de:"), 57, 42},
                 {QStringLiteral("MARIA APARECIDA DA SILVA"), 8, 48},
                 {QStringLiteral("JOSE CARLOS DA SILVA"), 8, 55},
                 {QStringLiteral("Endereço:"), 8, 61},
                 {QStringLiteral("RUA DOS IPES, 120"), 26, 61},
                 {QStringLiteral("Bairro:"), 106, 61},
                 {QStringLiteral("JARDIM PRIMAVERA"), 117, 61},
                 {QStringLiteral("Para ser matriculado(a) no:"), 8, 67},
                 {QStringLiteral("MATERNAL II"), 52, 67},
                 {QStringLiteral("Na Escola/CMEI:"), 8, 73},
                 {QStringLiteral("CMEI PEQUENO PRINCIPE"), 37, 73},
                 {QStringLiteral("Periodo:"), 8, 79},
                 {QStringLiteral("MATUTINO"), 25, 79},
                 {QStringLiteral("(64)99901-2233"), 25, 85},
                 {QStringLiteral("(64)3651-0000"), 25, 91},
                 {QStringLiteral("Cormavi,"), 19, 129},
                 {QStringLiteral("_____________________________________________________________"), 37, 152},
                 {QStringLiteral("Presidente da Comissão de Cadastro e Matricula"), 47, 163},
                 {QStringLiteral("2025-2027"), 127, 163},
                 {QStringLiteral("OBS: Em virtude do enfrentamento ao Novo CORONAVÍRUS (COVID), esta "
                                 "secretaria adota todas as estratégias de"),
                  4, 197},
                 {QStringLiteral("segurança estabelecidas pela Sec. M. Saúde, utilizando máscaras, álcool "
                                 "em gel e higienização do local evitando"),
                  4, 203},
                 {QStringLiteral("assim o risco de contágio do COVID 19."), 4, 209},
                 {QStringLiteral("VÁLIDADE : 01 DIA UTIL"), 134, 213},
             });
    EXPECT_EQ(countPhrase(words, QStringLiteral("Contato:")), 2);
    expectPlaceAndDate(words, 19, 129);
    // The president's name is centred in its 113 mm box under the line.
    const QRectF name = findPhrase(words, QStringLiteral("ANTONIA REGINA MOREIRA"));
    ASSERT_FALSE(name.isNull());
    EXPECT_NEAR(centreOf(name), Left + 37 + 113 / 2.0, Tolerance);
    EXPECT_NEAR(name.top(), TitleTop + 158, Tolerance);
    // Only the current request: the other rows print nowhere.
    EXPECT_EQ(countPhrase(words, QStringLiteral("OUTRO ALUNO")), 0);
    EXPECT_EQ(countPhrase(words, QStringLiteral("TERCEIRO ALUNO")), 0);
    EXPECT_EQ(pagesIn(words), 1);
    EXPECT_EQ(countPhrase(words, QStringLiteral("1")), 1); // the page number
    EXPECT_EQ(m_aluno.currentRow(), 1);
}

TEST_F(ReferralDocuments, FullReferralHasItsPicturesAndFramedBands)
{
    TFrm_encaminhamento_vaga document(m_aluno, m_presidente);
    const ReportLayout layout = document.QuickRep1().layout();
    ASSERT_EQ(layout.pages.size(), 1u);
    const auto& page = layout.pages[0];
    std::vector<QRectF> pictures;
    for (const auto& item : page.items)
        if (item.item->kind == report::ItemKind::Picture)
            pictures.push_back(item.rectMm);
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[0], QRectF(Left + 4, HeaderTop + 4, 31, 30));
    EXPECT_EQ(pictures[1], QRectF(Left + 152, HeaderTop + 4, 30, 30));
    EXPECT_EQ(pictures[2], QRectF(Left + 108, TitleTop + 79, 72, 44));

    struct BandCase
    {
        BandType type;
        double top, height;
        bool framed;
    };
    for (const BandCase& c :
         {BandCase{BandType::PageHeader, 10, 39, true}, BandCase{BandType::Title, 49, 220, true},
          BandCase{BandType::Detail, 269, 8, true}, BandCase{BandType::PageFooter, 279, 8, false}}) {
        const auto bands = page.bandsOfType(c.type);
        ASSERT_EQ(bands.size(), 1u) << report::bandTypeName(c.type).toStdString();
        EXPECT_EQ(bands[0]->rectMm, QRectF(10, c.top, 190, c.height))
            << report::bandTypeName(c.type).toStdString();
        EXPECT_EQ(bands[0]->band->frame().any(), c.framed);
        if (c.framed) {
            EXPECT_EQ(bands[0]->band->frame().colour, QColor(Qt::black));
        }
    }
}

// Every document that carries the president's block prints it empty, and nothing else changes,
// when there is no president row.
struct PresidentCase
{
    const char* name;
    std::function<std::unique_ptr<referral::ReferralDocument>(const MemoryDataSource&,
                                                              const MemoryDataSource&)>
        make;
};

class PresidentBlock : public ReferralDocuments, public ::testing::WithParamInterface<PresidentCase>
{
};

TEST_P(PresidentBlock, IsEmptyWithoutAPresidentRowAndTheRestIsUnchanged)
{
    const auto with = GetParam().make(m_aluno, m_presidente);
    const auto without = GetParam().make(m_aluno, m_noPresident);
    const auto full = exported(*with, QStringLiteral("%1_presidente").arg(QLatin1String(GetParam().name)));
    const auto empty =
        exported(*without, QStringLiteral("%1_sem_presidente").arg(QLatin1String(GetParam().name)));

    const QStringList presidentWords = {QStringLiteral("ANTONIA"), QStringLiteral("REGINA"),
                                        QStringLiteral("MOREIRA"), QStringLiteral("2025-2027"),
                                        QStringLiteral("2026")};
    std::vector<PdfWord> rest;
    int presidentShown = 0;
    for (const PdfWord& w : full) {
        if (presidentWords.contains(w.text))
            ++presidentShown;
        else
            rest.push_back(w);
    }
    EXPECT_GE(presidentShown, 4); // name (3 words) and term, and the year on a referral
    ASSERT_EQ(rest.size(), empty.size());
    for (size_t i = 0; i < rest.size(); ++i) {
        EXPECT_EQ(rest[i].text, empty[i].text);
        EXPECT_NEAR(rest[i].rectMm.left(), empty[i].rectMm.left(), 1e-3);
        EXPECT_NEAR(rest[i].rectMm.top(), empty[i].rectMm.top(), 1e-3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, PresidentBlock,
    ::testing::Values(PresidentCase{"completo",
                                    [](const MemoryDataSource& a, const MemoryDataSource& p) {
                                        return std::make_unique<TFrm_encaminhamento_vaga>(a, p);
                                    }},
                      PresidentCase{"branco",
                                    [](const MemoryDataSource&, const MemoryDataSource& p) {
                                        return std::make_unique<TFrm_escaminhamento_vaga_branco>(p);
                                    }},
                      PresidentCase{"declaracao",
                                    [](const MemoryDataSource& a, const MemoryDataSource& p) {
                                        return std::make_unique<TFrm_Rel_Declaracao_nao_ha_vagas>(a, p);
                                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReferralDocuments, BlankSheetCarriesOnlyTheFixedParts)
{
    TFrm_escaminhamento_vaga_branco document(m_presidente);
    const auto words = exported(document, QStringLiteral("encaminhamento_vaga_branco"));
    expectAt(words,
             {
                 {QStringLiteral("ENCAMINHAMENTO PARA MATRICULA -"), 15, 3},
                 {QStringLiteral("2026"), 158, 3},
                 {QStringLiteral("ALUNO SEM CADASTRO"), 49, 13},
                 {QStringLiteral("_____________________________________________________________"), 35, 174},
                 {QStringLiteral("Presidente da Comissão de Cadastro e Matricula"), 45, 184},
                 {QStringLiteral("2025-2027"), 124, 184},
                 {QStringLiteral("assim o risco de contágio do COVID 19."), 4, 209},
             });
    const QRectF name = findPhrase(words, QStringLiteral("ANTONIA REGINA MOREIRA"));
    EXPECT_NEAR(centreOf(name), Left + 35 + 113 / 2.0, Tolerance);
    EXPECT_NEAR(name.top(), TitleTop + 180, Tolerance);
    EXPECT_EQ(countPhrase(words, QStringLiteral("Venho")), 0);
    EXPECT_EQ(countPhrase(words, QStringLiteral("Cormavi,")), 0);

    const ReportLayout layout = document.QuickRep1().layout();
    const auto& letterhead = layout.pages[0].items.at(0);
    ASSERT_EQ(letterhead.item->kind, report::ItemKind::Picture);
    EXPECT_NEAR(letterhead.rectMm.left(), Left + 4, 1e-9);
    EXPECT_NEAR(letterhead.rectMm.top(), HeaderTop + 2, 1e-9);
    EXPECT_NEAR(letterhead.rectMm.width(), 688 * 25.4 / 96, 0.05);
    EXPECT_NEAR(letterhead.rectMm.height(), 125 * 25.4 / 96, 0.05);
}

TEST_F(ReferralDocuments, FilledInReferralFallsBetweenTheBlankSheetsHeadingAndSignature)
{
    TFrm_escaminhamento_vaga_Preenchido filled(m_aluno);
    TFrm_escaminhamento_vaga_branco blank(m_presidente);
    const ReportLayout top = filled.QuickRep1().layout();
    const ReportLayout sheet = blank.QuickRep1().layout();
    ASSERT_EQ(top.pages.size(), 1u);

    double headingBottom = 0;
    double signatureTop = 1e9;
    double noteBottom = 0;
    std::vector<QRectF> sheetItems;
    for (const auto& item : sheet.pages[0].items) {
        const QRectF r = item.rectMm;
        sheetItems.push_back(r);
        if (item.item->kind != report::ItemKind::Text || r.top() < TitleTop || r.top() > TitleTop + 220)
            continue;
        if (r.top() < TitleTop + 22)
            headingBottom = std::max(headingBottom, r.bottom());
        else if (r.top() < TitleTop + 195)
            signatureTop = std::min(signatureTop, r.top());
        else
            noteBottom = std::max(noteBottom, r.bottom());
    }
    EXPECT_LE(headingBottom, TitleTop + 22);
    EXPECT_NEAR(signatureTop, TitleTop + 174, 1e-9);

    int validity = 0;
    for (const auto& item : top.pages[0].items) {
        const QRectF r = item.rectMm;
        for (const QRectF& other : sheetItems)
            EXPECT_FALSE(r.intersects(other)) << item.text().toStdString();
        if (item.text() == QStringLiteral("VÁLIDADE : 01 DIA UTIL")) {
            ++validity;
            EXPECT_GT(r.top(), noteBottom);
            EXPECT_GT(r.left(), 105);
            EXPECT_NEAR(r.left(), Left + 145, 1e-9);
            EXPECT_NEAR(r.top(), TitleTop + 215, 1e-9);
            continue;
        }
        EXPECT_GT(r.top(), headingBottom) << item.text().toStdString();
        EXPECT_LT(r.bottom(), signatureTop) << item.text().toStdString();
    }
    EXPECT_EQ(validity, 1);

    for (const auto& band : top.pages[0].bands)
        if (band.band->frame().any()) {
            EXPECT_EQ(band.band->frame().colour, QColor(255, 251, 240));
        }

    const auto words = exported(filled, QStringLiteral("encaminhamento_vaga_preenchido"));
    expectAt(words, {
                        {QStringLiteral("JOAO PEDRO DA SILVA"), 8, 36},
                        {QStringLiteral("RUA DOS IPES, 120"), 26, 61},
                        {QStringLiteral("Bairro:"), 119, 61},
                        {QStringLiteral("JARDIM PRIMAVERA"), 131, 61},
                        {QStringLiteral("MATERNAL II"), 52, 67},
                        {QStringLiteral("CMEI PEQUENO PRINCIPE"), 37, 73},
                        {QStringLiteral("MATUTINO"), 26, 79},
                        {QStringLiteral("(64)99901-2233"), 26, 85},
                        {QStringLiteral("(64)3651-0000"), 26, 91},
                        {QStringLiteral("Cormavi,"), 19, 129},
                    });
    expectPlaceAndDate(words, 19, 129);
    // No letterhead, no heading and no page number.
    EXPECT_EQ(countPhrase(words, QStringLiteral("ENCAMINHAMENTO")), 0);
    EXPECT_EQ(countPhrase(words, QStringLiteral("1")), 0);
}

TEST_F(ReferralDocuments, WaitingListWrapsALongRemarkInItsBoxAndIsMarkedWithoutValue)
{
    TFrm_Procura_Vaga document(m_aluno);
    const auto words = exported(document, QStringLiteral("procura_vaga"));
    expectAt(words, {
                        {QStringLiteral("LISTA DE ESPERA - MATRICULA"), 34, 2},
                        {QStringLiteral("NOME:"), 11, 28},
                        {QStringLiteral("JOAO PEDRO DA SILVA"), 25, 28},
                        {QStringLiteral("DATA DE NASCIMENTO:"), 11, 34},
                        {QStringLiteral("14/03/2019"), 55, 34},
                        {QStringLiteral("RESPONSAVEL 1:"), 11, 42},
                        {QStringLiteral("MARIA APARECIDA DA SILVA"), 43, 42},
                        {QStringLiteral("RESPONSAVEL 2:"), 11, 51},
                        {QStringLiteral("JOSE CARLOS DA SILVA"), 42, 51},
                        {QStringLiteral("RUA DOS IPES, 120"), 27, 58},
                        {QStringLiteral("JARDIM PRIMAVERA"), 119, 58},
                        {QStringLiteral("CMEI PEQUENO PRINCIPE"), 38, 71},
                        {QStringLiteral("Turno:"), 10, 77},
                        {QStringLiteral("MATUTINO"), 25, 77},
                        {QStringLiteral("(64)99901-2233"), 25, 83},
                        {QStringLiteral("(64)3651-0000"), 25, 89},
                        {QStringLiteral("Observação:"), 10, 95},
                        {QStringLiteral("MAE TRABALHA"), 31, 95},
                        {QStringLiteral("Cormavi,"), 130, 150},
                        {QStringLiteral("SEM VALOR"), 141, 162},
                    });
    expectPlaceAndDate(words, 130, 150);
    // Every word of the remark inside its 134 x 34 mm box, on more than one line, in order.
    const QRectF box(Left + 31, TitleTop + 95, 134, 34);
    const QStringList remark = LongRemark.split(QLatin1Char(' '));
    size_t first = 0;
    while (first < words.size() && words[first].text != remark.first())
        ++first;
    ASSERT_LT(first + size_t(remark.size()), words.size() + 1);
    std::set<double> lineTops;
    for (qsizetype k = 0; k < remark.size(); ++k) {
        const PdfWord& w = words[first + size_t(k)];
        EXPECT_EQ(w.text, remark[k]);
        EXPECT_TRUE(box.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(w.rectMm))
            << w.text.toStdString();
        lineTops.insert(std::round(w.rectMm.top() * 10) / 10);
    }
    EXPECT_GE(lineTops.size(), 3u);
    // "SEM VALOR" under the date; the remark is underlined bold like every data item here.
    EXPECT_GT(findPhrase(words, QStringLiteral("SEM VALOR")).top(), findPhrase(words, today()).bottom());
    const ReportLayout layout = document.QuickRep1().layout();
    // The label ends a little past 53 mm, so the grade is glued to it in the PDF's words.
    const auto* grade = layout.pages[0].findNamed(QStringLiteral("NOMES_SERIES"));
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(grade->text(), QStringLiteral("MATERNAL II"));
    EXPECT_EQ(grade->rectMm.topLeft(), QPointF(Left + 53, TitleTop + 65));
    EXPECT_EQ(countPhrase(words, QStringLiteral("II")), 1);
    const auto* obs = layout.pages[0].findNamed(QStringLiteral("OBS"));
    ASSERT_NE(obs, nullptr);
    EXPECT_TRUE(obs->item->font.bold && obs->item->font.underline);
    EXPECT_EQ(countPhrase(words, QStringLiteral("OBS:")), 0); // no health note
    EXPECT_EQ(countPhrase(words, QStringLiteral("Presidente")), 0);
}

TEST_F(ReferralDocuments, DeclarationNamesTheSchoolTwice)
{
    TFrm_Rel_Declaracao_nao_ha_vagas document(m_aluno, m_presidente);
    const auto words = exported(document, QStringLiteral("rel_declaracao_nao_ha_vagas"));
    expectAt(
        words,
        {
            {QStringLiteral("Declaramos pelos devidos fins que não consta vaga para o"), 8, 20},
            {QStringLiteral("no sistema de vagas informado pelas escolas mais próxima da sua residência"), 9,
             30},
            {QStringLiteral("Endereço:"), 9, 40},
            {QStringLiteral("RUA DOS IPES, 120"), 30, 40},
            {QStringLiteral("Bairro:"), 9, 51},
            {QStringLiteral("JARDIM PRIMAVERA"), 30, 51},
            {QStringLiteral("Obs: As escolas informaram que não há vagas disponíveis."), 9, 66},
            {QStringLiteral("Nome do Aluno"), 8, 85},
            {QStringLiteral("JOAO PEDRO DA SILVA"), 39, 85},
            {QStringLiteral("Nome Mãe:"), 8, 92},
            {QStringLiteral("MARIA APARECIDA DA SILVA"), 39, 92},
            {QStringLiteral("Nome Pai:"), 9, 98},
            {QStringLiteral("JOSE CARLOS DA SILVA"), 39, 99},
            {QStringLiteral("Cormavi,"), 19, 129},
            {QStringLiteral("Presidente da Comissão de Cadastro e Matricula"), 47, 163},
            {QStringLiteral("2025-2027"), 127, 163},
            {QStringLiteral("assim o risco de contágio do COVID 19."), 4, 209},
        });
    expectPlaceAndDate(words, 19, 129);
    ASSERT_EQ(countPhrase(words, QStringLiteral("CMEI PEQUENO PRINCIPE")), 2);
    const QRectF first = findPhrase(words, QStringLiteral("CMEI PEQUENO PRINCIPE"), 1, 0);
    const QRectF second = findPhrase(words, QStringLiteral("CMEI PEQUENO PRINCIPE"), 1, 1);
    EXPECT_NEAR(first.left(), Left + 120, Tolerance);
    EXPECT_NEAR(first.top(), TitleTop + 20, Tolerance);
    EXPECT_NEAR(second.left(), Left + 9, Tolerance);
    EXPECT_NEAR(second.top(), TitleTop + 73, Tolerance);
    // 12 pt in the body, 10 pt in the date and the signature block.
    report::TextMetrics metrics;
    EXPECT_NEAR(findPhrase(words, QStringLiteral("Nome do Aluno")).width(),
                metrics.widthMm(report::regularFont(12), QStringLiteral("Nome do Aluno")), 0.3);
    EXPECT_NEAR(findPhrase(words, QStringLiteral("Cormavi,")).width(),
                metrics.widthMm(report::regularFont(10), QStringLiteral("Cormavi,")), 0.3);
    EXPECT_EQ(countPhrase(words, QStringLiteral("ALUNO SEM CADASTRO")), 0);
}

TEST_F(ReferralDocuments, DocumentsNeededSheetPutsTwelveSlipsOnOnePage)
{
    TFrm_Rel_Doc_Necessario_Matri document;
    const ReportLayout layout = document.QuickRep1().layout();
    ASSERT_EQ(layout.pages.size(), 1u);
    const auto& page = layout.pages[0];
    ASSERT_EQ(page.bands.size(), 1u);
    EXPECT_EQ(page.bands[0].band->type(), BandType::Title);
    EXPECT_EQ(page.bands[0].rectMm, QRectF(10, 10, 190, 220));
    ASSERT_EQ(page.items.size(), 4u);
    const double tops[] = {0, 55, 110, 166};
    for (size_t i = 0; i < 4; ++i) {
        const auto& strip = page.items[i];
        EXPECT_EQ(strip.item->kind, report::ItemKind::Picture);
        EXPECT_NEAR(strip.rectMm.left(), 10, 1e-9);
        EXPECT_NEAR(strip.rectMm.top(), 10 + tops[i], 1e-9);
        EXPECT_NEAR(strip.rectMm.width(), 716 * 25.4 / 96, 0.05);
        EXPECT_NEAR(strip.rectMm.height(), 216 * 25.4 / 96, 0.05);
        if (i > 0) { // one under the other, the next 2 mm over the last's white edge at most
            EXPECT_GE(strip.rectMm.top(), page.items[i - 1].rectMm.bottom() - 2.3);
        }
    }
    EXPECT_NEAR(page.items[3].rectMm.bottom() - page.bands[0].rectMm.bottom(), 3.2, 0.1);
    const auto words = exported(document, QStringLiteral("rel_doc_necessario_matricula"));
    EXPECT_TRUE(words.empty()); // all in the pictures: no page number, no data
}

} // namespace
