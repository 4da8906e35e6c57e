#include "data/U_datamodulo.h"

#include "data/TableDefs.h"
#include "platform/system/IniFile.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <map>

Tdm* dm = nullptr;

namespace {

const QString kPhoneMask = QStringLiteral("!\\(99\\)00000-0000;1;_");
const QString kCpfMask = QStringLiteral("000\\.000\\.000\\-00;1;_");
const QString kDateMask = QStringLiteral("!99/99/0000;1;_");
const QString kTimeMask = QStringLiteral("!90:00;1;_");

struct ChainDef
{
    const char* cds;
    const char* provider;
    const char* sql;
    const char* text;
    const char* table;
    bool quoting;
    bool filtered;
    const char* index;
    bool keyFlag; // the key field is flagged as the row's key
    std::vector<const char*> phoneFields;
    std::vector<const char*> cpfFields;
    std::vector<const char*> timeFields;
    std::vector<const char*> datesWithoutMask;
};

const std::vector<ChainDef>& chainDefs()
{
    static const std::vector<ChainDef> chains = {
        {"cdslogin",
         "provlogin",
         "sqllogin",
         "select * from usuario",
         "USUARIO",
         false,
         false,
         "",
         false,
         {},
         {},
         {},
         {}},
        {"CdsUsuario",
         "DspUsuario",
         "SqlUsuario",
         "select * from USUARIO where login like :login and senha like :senha",
         "USUARIO",
         false,
         false,
         "",
         false,
         {},
         {},
         {},
         {}},
        {"cdsescola",
         "provescola",
         "sqlescola",
         "select * from ESCOLA",
         "ESCOLA",
         true,
         true,
         "ESCOLA",
         true,
         {"TELEFONE"},
         {},
         {},
         {}},
        {"cdsserie",
         "provserie",
         "sqlserie",
         "select * from SERIE",
         "SERIE",
         true,
         true,
         "serie",
         true,
         {},
         {},
         {},
         {}},
        {"cdsturno",
         "provturno",
         "sqlturno",
         "select * from TURNO",
         "TURNO",
         true,
         true,
         "turno",
         true,
         {},
         {},
         {},
         {}},
        {"cdscidade",
         "provcidade",
         "sqlcidade",
         "select *  from CIDADE",
         "CIDADE",
         false,
         false,
         "",
         true,
         {},
         {},
         {},
         {}},
        {"cdspresidente",
         "provpresidente",
         "sqlpresidente",
         "select * from PRESIDENTE",
         "PRESIDENTE",
         true,
         true,
         "",
         true,
         {},
         {},
         {},
         {}},
        {"cdsaluno",
         "provaluno",
         "sqlaluno",
         "select * from ENCAMINHAMENTO",
         "ENCAMINHAMENTO",
         true,
         true,
         "DATA_ATENDIMENTO",
         true,
         {"CONTATO_1", "CONTATO_2"},
         {"CPF", "NIS_ALUNO"},
         {},
         {}},
        {"cdsvagas",
         "provvagas",
         "sqlvagas",
         "select * from VAGAS",
         "VAGAS",
         true,
         true,
         "",
         false,
         {},
         {},
         {"HORA"},
         {}},
        {"cdsatendimento",
         "provatendimento",
         "sqlatendimento",
         "select * from ATENDIMENTO",
         "ATENDIMENTO",
         true,
         true,
         "",
         true,
         {"CONTATO_1", "CONTATO_2"},
         {},
         {},
         {}},
        {"cdscolaborador",
         "provcolaborador",
         "sqlcolaborador",
         "select * from  COLABORADOR",
         "COLABORADOR",
         true,
         true,
         "NOME_COLABORADOR",
         true,
         {"CONTATO_COLABORADOR"},
         {},
         {},
         {}},
        {"cdsfuncionario",
         "provfuncionario",
         "sqlfuncionario",
         "select * from FUNCIONARIO",
         "FUNCIONARIO",
         true,
         false,
         "",
         false,
         {"CONTATO"},
         {"CPF"},
         {},
         {}},
        {"cdsagenda",
         "provagenda",
         "sqlagenda",
         "select * from TBAGENDA order by data,hora,nome",
         "TBAGENDA",
         false,
         false,
         "DATA",
         true,
         {"FONE"},
         {},
         {"HORA"},
         {}},
        {"cds_cad_escolar_anual",
         "prov_cad_escolar_anual",
         "sql_cad_escolar_anual",
         "select * from CAD_ESCOLAR_ANUAL",
         "CAD_ESCOLAR_ANUAL",
         false,
         false,
         "",
         true,
         {"CONTATO_1", "CONTATO_2"},
         {"CPF"},
         {},
         {"DATA_ATENDIMENTO"}},
        {"cds_cad_cronograma_escolar",
         "prov_cad_cronograma_escolar",
         "sql_cad_cronograma_escolar",
         "select * from CAD_ESCOLAR_CRON",
         "CAD_ESCOLAR_CRON",
         false,
         false,
         "",
         false,
         {},
         {},
         {},
         {}},
        {"cds_aluno_geral",
         "prov_aluno_Geral",
         "sql_aluno_geral",
         "select * from CAD_ALUNO ORDER BY NOME ASC",
         "CAD_ALUNO",
         false,
         false,
         "",
         true,
         {},
         {},
         {},
         {}},
        {"cds_cad_ano",
         "prov_cad_ano",
         "sql_cad_ano",
         "select * from ANO",
         "ANO",
         false,
         false,
         "",
         true,
         {},
         {},
         {},
         {}},
    };
    return chains;
}

bool listed(const std::vector<const char*>& names, const char* name)
{
    return std::any_of(names.begin(), names.end(), [name](const char* n) { return qstrcmp(n, name) == 0; });
}

std::vector<ds::FieldDef> fieldsOf(const ChainDef& chain)
{
    const TableDef& table = tableDef(QLatin1String(chain.table));
    std::vector<ds::FieldDef> fields;
    for (const ColumnDef& column : table.columns) {
        ds::FieldDef field;
        field.name = QLatin1String(column.name);
        field.type = column.type;
        field.size = column.size;
        const bool isKey = qstrcmp(column.name, table.keyColumn) == 0;
        field.required = isKey;
        field.key = isKey && chain.keyFlag;
        if (column.type == ds::FieldType::Date && !listed(chain.datesWithoutMask, column.name))
            field.editMask = kDateMask;
        else if (listed(chain.phoneFields, column.name))
            field.editMask = kPhoneMask;
        else if (listed(chain.cpfFields, column.name))
            field.editMask = kCpfMask;
        else if (listed(chain.timeFields, column.name))
            field.editMask = kTimeMask;
        fields.push_back(std::move(field));
    }
    return fields;
}

} // namespace

Tdm::Tdm(QObject* parent)
    : QObject(parent), conexao(new ds::SqlConnection(this)),
      m_configPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("config.ini")))
{
    setObjectName(QStringLiteral("dm"));
    conexao->setObjectName(QStringLiteral("conexao"));
    conexao->setBeforeConnect([this](fb::AttachParams& params) { conexaoBeforeConnect(params); });

    std::map<QString, QObject*> byName;
    for (const ChainDef& chain : chainDefs()) {
        auto* query = new ds::SqlQuery(conexao, QString::fromUtf8(chain.text), this);
        query->setObjectName(QLatin1String(chain.sql));
        auto* provider = new ds::Provider(query, chain.quoting, this);
        provider->setObjectName(QLatin1String(chain.provider));
        auto* cds = new ds::ClientDataSet(this);
        cds->setObjectName(QLatin1String(chain.cds));
        cds->setProvider(provider);
        cds->setFieldDefs(fieldsOf(chain));
        cds->setFiltered(chain.filtered);
        if (*chain.index)
            cds->setIndexFieldNames(QLatin1String(chain.index));
        byName[query->objectName()] = query;
        byName[provider->objectName()] = provider;
        byName[cds->objectName()] = cds;
    }
    auto q = [&](const char* name) { return static_cast<ds::SqlQuery*>(byName.at(QLatin1String(name))); };
    auto p = [&](const char* name) { return static_cast<ds::Provider*>(byName.at(QLatin1String(name))); };
    auto c = [&](const char* name) {
        return static_cast<ds::ClientDataSet*>(byName.at(QLatin1String(name)));
    };
    sqllogin = q("sqllogin"), provlogin = p("provlogin"), cdslogin = c("cdslogin");
    SqlUsuario = q("SqlUsuario"), DspUsuario = p("DspUsuario"), CdsUsuario = c("CdsUsuario");
    sqlescola = q("sqlescola"), provescola = p("provescola"), cdsescola = c("cdsescola");
    sqlserie = q("sqlserie"), provserie = p("provserie"), cdsserie = c("cdsserie");
    sqlturno = q("sqlturno"), provturno = p("provturno"), cdsturno = c("cdsturno");
    sqlcidade = q("sqlcidade"), provcidade = p("provcidade"), cdscidade = c("cdscidade");
    sqlpresidente = q("sqlpresidente"), provpresidente = p("provpresidente"),
    cdspresidente = c("cdspresidente");
    sqlaluno = q("sqlaluno"), provaluno = p("provaluno"), cdsaluno = c("cdsaluno");
    sqlvagas = q("sqlvagas"), provvagas = p("provvagas"), cdsvagas = c("cdsvagas");
    sqlatendimento = q("sqlatendimento"), provatendimento = p("provatendimento"),
    cdsatendimento = c("cdsatendimento");
    sqlcolaborador = q("sqlcolaborador"), provcolaborador = p("provcolaborador"),
    cdscolaborador = c("cdscolaborador");
    sqlfuncionario = q("sqlfuncionario"), provfuncionario = p("provfuncionario"),
    cdsfuncionario = c("cdsfuncionario");
    sqlagenda = q("sqlagenda"), provagenda = p("provagenda"), cdsagenda = c("cdsagenda");
    sql_cad_escolar_anual = q("sql_cad_escolar_anual"), prov_cad_escolar_anual = p("prov_cad_escolar_anual"),
    cds_cad_escolar_anual = c("cds_cad_escolar_anual");
    sql_cad_cronograma_escolar = q("sql_cad_cronograma_escolar"),
    prov_cad_cronograma_escolar = p("prov_cad_cronograma_escolar"),
    cds_cad_cronograma_escolar = c("cds_cad_cronograma_escolar");
    sql_aluno_geral = q("sql_aluno_geral"), prov_aluno_Geral = p("prov_aluno_Geral"),
    cds_aluno_geral = c("cds_aluno_geral");
    sql_cad_ano = q("sql_cad_ano"), prov_cad_ano = p("prov_cad_ano"), cds_cad_ano = c("cds_cad_ano");

    cdsvagas->addAggregate(QStringLiteral("qtdv"), QStringLiteral("sum(qtd_vagas)"));
    cdsvagas->addAggregate(QStringLiteral("qtq"), QStringLiteral("sum(q_mat_1)"));
}

void Tdm::start()
{
    conexao->open();
    for (ds::SqlQuery* query : {sqlescola, sqlserie, sql_aluno_geral, sql_cad_ano})
        query->open();
}

void Tdm::conexaoBeforeConnect(fb::AttachParams& params) const
{
    const sys::IniFile ini(m_configPath);
    const QString section = QStringLiteral("CONFIG");
    // an empty value removes the parameter: the built-in one is never a fallback
    params.hostname = ini.readString(section, QStringLiteral("HOSTNAME"));
    params.database = ini.readString(section, QStringLiteral("DATABASE"));
    params.userName = ini.readString(section, QStringLiteral("USER_NAME"));
    params.password = ini.readString(section, QStringLiteral("PASSWORD"));
    params.role = QStringLiteral("RoleName");
}

QList<ds::ClientDataSet*> Tdm::clientDataSets() const
{
    QList<ds::ClientDataSet*> all;
    for (const ChainDef& chain : chainDefs())
        all.append(findChild<ds::ClientDataSet*>(QLatin1String(chain.cds), Qt::FindDirectChildrenOnly));
    return all;
}
