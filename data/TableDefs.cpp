#include "data/TableDefs.h"

#include <stdexcept>
#include <string>

namespace {

using ds::FieldType;

ColumnDef notNullInt(const char* name)
{
    return {name, FieldType::Integer, 0, true};
}
ColumnDef integer(const char* name)
{
    return {name, FieldType::Integer, 0, false};
}
ColumnDef text(const char* name, int size)
{
    return {name, FieldType::String, size, false};
}
ColumnDef fixed(const char* name, int size)
{
    return {name, FieldType::FixedString, size, false};
}
ColumnDef dateCol(const char* name)
{
    return {name, FieldType::Date, 0, false};
}
ColumnDef timeOfDay(const char* name)
{
    return {name, FieldType::Time, 0, false};
}
ColumnDef blob(const char* name)
{
    return {name, FieldType::Blob, 0, false};
}
ColumnDef memo(const char* name)
{
    return {name, FieldType::Memo, 0, false};
}

std::vector<TableDef> buildDefs()
{
    return {
        {"USUARIO",
         "CODIGO",
         {notNullInt("CODIGO"), text("NOME", 30), text("LOGIN", 20), text("SENHA", 20), text("NIVEL", 10)}},
        {"ESCOLA",
         "ESCOLA_ID",
         {notNullInt("ESCOLA_ID"), text("ESCOLA", 100), text("ENDERECO", 100), text("AREA", 50),
          text("TELEFONE", 50), text("EMAIL", 50), text("COORDENACAO", 50), text("CODIGO_CENSO", 10)}},
        {"SERIE", "SERIE_ID", {notNullInt("SERIE_ID"), text("SERIE", 100)}},
        {"TURNO", "TUNO_ID", {notNullInt("TUNO_ID"), text("TURNO", 100)}},
        {"CIDADE", "ID", {notNullInt("ID"), text("CIDADE", 60)}},
        {"PRESIDENTE",
         "CODIGO_PRESIDENTE",
         {notNullInt("CODIGO_PRESIDENTE"), text("NOME_PRESIDENTE", 100), text("DATA_VIGENTE", 50),
          text("ANO_VIGENTE", 10), text("CIDADE", 100)}},
        {"ENCAMINHAMENTO", "CODIGO", {notNullInt("CODIGO"),       dateCol("DATA_ATENDIMENTO"),
                                      text("NOME_ALUNO", 255),    dateCol("DATA_NASC"),
                                      text("RESPONSAVEL_1", 255), text("RESPONSAVEL_2", 255),
                                      text("ENDERECO", 255),      text("CONTATO_1", 255),
                                      text("CONTATO_2", 255),     text("BAIRRO", 255),
                                      text("OBS", 255),           text("STATUS", 255),
                                      text("SITUACAO", 255),      text("ESCOLA_TROCA", 255),
                                      text("NOME_ESCOLAS", 100),  text("NOMES_TURNOS", 100),
                                      text("NOMES_SERIES", 100),  text("NIS_ALUNO", 20),
                                      text("RECEBE_S_N", 20),     text("CPF", 15),
                                      integer("ID_ESCOLA"),       integer("ID_SERIE"),
                                      integer("ID_TURNO"),        text("USUARIO", 50)}},
        {"VAGAS",
         "VAGA_CODIGO",
         {notNullInt("VAGA_CODIGO"), text("ESCOLA", 100), text("SERIE", 100), text("TURNO", 100),
          integer("QTD_VAGAS"), text("USUARIO", 50), integer("Q_MAT_1"), dateCol("DATA"), timeOfDay("HORA")}},
        {"ATENDIMENTO",
         "CODIGO",
         {notNullInt("CODIGO"), dateCol("DATA_ATEND"), text("ALUNO", 100), dateCol("DATA_NASC"),
          text("MAE", 100), text("PAI", 100), text("ESCOLA", 50), text("SERIE", 50), text("CONTATO_1", 20),
          text("CONTATO_2", 20), text("ASSUNTO", 255), text("STATUS", 30), text("ANO_LETIVO", 10)}},
        {"USERPUB",
         "IDUSERPUB",
         {notNullInt("IDUSERPUB"), text("NOMEUSERPUB", 60), text("ENDUSERPUB", 50), text("CIDADEUSERPUB", 30),
          text("TELEFONEUSERPUB", 15), text("OBSUSERPUB", 255)}},
        {"ATENDIMENTO_GERAL",
         "CODATEND",
         {notNullInt("CODATEND"), notNullInt("IDUSERPUB"), dateCol("DATAATEND"), text("PCATEND", 30),
          text("HORARIOATEND", 10), text("OBS", 255)}},
        {"COLABORADOR",
         "CODIGO_COLABORADOR",
         {notNullInt("CODIGO_COLABORADOR"), text("NOME_COLABORADOR", 100), text("CONTATO_COLABORADOR", 20),
          text("ESCOLA", 100), text("OBS", 100), text("EMAIL", 100), text("FUNCAO", 50)}},
        {"FUNCIONARIO",
         "ID",
         {notNullInt("ID"),
          text("NOME", 100),
          text("ENDERECO", 100),
          text("NUMERO", 10),
          text("BAIRRO", 30),
          text("CIDADE", 30),
          text("CONTATO", 20),
          text("FUNCAO", 50),
          dateCol("DN"),
          blob("FOTO"),
          dateCol("DATA_ADMISSAO"),
          text("SEXO", 20),
          text("NATURALIDADE", 30),
          text("CPF", 20),
          text("RG", 20),
          dateCol("RG_D_EMISSAO"),
          text("RG_ORGAO", 10),
          text("CNH", 30),
          fixed("CNH_CAT", 10),
          text("TITULO_ELEITOR", 30),
          fixed("TITULO_ZONA", 10),
          fixed("TITULO_SECAO", 10),
          text("PASSAPORTE", 30),
          text("MAE", 100),
          text("PAI", 100),
          text("USUARIO", 50),
          text("MATRICULA", 50)}},
        {"TBAGENDA",
         "CONT",
         {notNullInt("CONT"), text("NOME", 100), timeOfDay("HORA"), dateCol("DATA"), text("FONE", 20),
          text("EMAIL", 100), memo("ASSUNTO"), text("SITUACAO", 100), blob("FOTO")}},
        {"CAD_ESCOLAR_ANUAL",
         "CODIGO",
         {notNullInt("CODIGO"),
          dateCol("DATA_ATENDIMENTO"),
          text("NOME_ALUNO", 255),
          dateCol("DATA_NASC"),
          text("CPF", 15),
          text("NIS_ALUNO", 20),
          text("ENDERECO", 100),
          text("BAIRRO", 100),
          text("RESPONSAVEL_1", 100),
          text("CONTATO_1", 20),
          text("RESPONSAVEL_2", 255),
          text("CONTATO_2", 20),
          text("OBS", 255),
          text("SITUACAO", 50),
          text("RECEBE_S_N", 20),
          text("ANO_BASE", 10),
          text("USUARIO", 50),
          text("NOME_ESCOLA", 50),
          text("NOME_SERIE", 50),
          text("NOME_TURNO", 50),
          text("DECL_TRABALHO", 10),
          text("DECL_ENDERECO", 10),
          text("NUM_SUS", 20),
          text("DEFICIENCIA", 100),
          text("CONTROLE_INTERNO", 10)}},
        {"CAD_ESCOLAR_CRON",
         "ID",
         {notNullInt("ID"), dateCol("DATA_I_E_I"), dateCol("DATA_F_E_I"), dateCol("DATA_I_E_F"),
          dateCol("DATA_F_E_F"), dateCol("DATA_I_CAD_GERAL"), dateCol("DATA_F_CAD_GERAL")}},
        {"ANO", "ID", {notNullInt("ID"), text("ANO", 4)}},
        {"CAD_ALUNO",
         "IDENTIFICACAO",
         {notNullInt("IDENTIFICACAO"),
          text("CODIGO", 20),
          text("NOME", 100),
          text("SEXO", 1),
          dateCol("DN"),
          text("LOGRADOURO", 60),
          text("COMPLEMENTO", 20),
          text("NUMLOG", 20),
          text("BAIRRO", 60),
          text("CEP", 15),
          text("BAIRROUF", 2),
          text("DISTRITO", 60),
          text("ZONA_RESIDENCIAL", 60),
          text("NATURALIDADE_CIDADE", 60),
          text("NATURALIDADE_UF", 2),
          text("ESTADO_CIVIL", 30),
          text("RACA", 30),
          text("RG_ALUNO", 20),
          dateCol("DATA_EXP_RG"),
          text("ORGAO_EXP_RG", 30),
          text("CPF", 20),
          text("NIS", 20),
          text("CARTORIO", 60),
          text("MATRIC_CERTIDAO_NOVA", 30),
          text("CERTIDAO_LIVRO", 20),
          text("CERTIDAO_TERMO", 20),
          dateCol("CERTIDAO_DATA"),
          text("CERTIDAO_FOLHA", 20),
          text("CERTIDAO_CIDADE", 30),
          text("CERTIDAO_UF", 2),
          text("FILIACAO_MAE", 60),
          text("MAE_RG", 20),
          text("MAE_ORG_EPEDI_RG", 20),
          dateCol("MAE_RG_DATA"),
          text("MAE_RG_UF", 2),
          text("MAE_NIS", 20),
          text("MAE_CPF", 20),
          text("MAE_FALECIDA", 10),
          text("MAE_PROFISSAO", 30),
          text("FILIACAO_PAI", 60),
          text("PAI_ORG_EPEDI_RG", 20),
          text("PAI_RG", 20),
          dateCol("PAI_RG_DATA"),
          text("PAI_RG_UF", 2),
          text("PAI_CPF", 20),
          text("PAI_NIS", 20),
          text("PAI_FALECIDO", 10),
          text("PAI_PROFISSAO", 30),
          text("NACIONALIDADE", 20),
          text("OCUPACAO", 20),
          text("S", 50),
          text("LOCAL_TRABALHO", 20),
          text("CONTATO_TRABALHO", 20),
          text("RESPONSAVEL", 60),
          text("GRAU_PARENTESCO", 10),
          text("PROBLEMA_SAUDE", 10),
          text("PROBLEMA_QUAIS", 20),
          text("DIFICULDADE_FALA", 10),
          text("PISICOLOGICO", 10),
          text("FONOUADIOLOGO", 10),
          text("DEFICIENCIA_MENTAL", 10),
          text("DEFICIENCIA_AUDITIVA", 10),
          text("DEFICIENCIA_MULTIPLA", 10),
          text("SUPERDOTADO", 10),
          text("DEFICIENCIA_NERO_MENTAL", 10),
          text("DEPENDENCIAS", 1),
          text("CONTEUDO", 30),
          text("RECLASSIFICADO", 10),
          text("CONDICAO_FINAL", 30),
          text("OBS", 150),
          text("BOLSAFAMILIA", 1),
          text("TELEFONE", 20),
          text("CARTAO_SUS", 30),
          blob("FOTO"),
          text("MUNICIPIO", 60),
          integer("ID_NATURAL")}},
    };
}

} // namespace

const std::vector<TableDef>& tableDefs()
{
    static const std::vector<TableDef> defs = buildDefs();
    return defs;
}

const TableDef& tableDef(const QString& name)
{
    for (const TableDef& def : tableDefs()) {
        if (name.compare(QLatin1String(def.name), Qt::CaseInsensitive) == 0)
            return def;
    }
    throw std::out_of_range("unknown table: " + name.toStdString());
}
