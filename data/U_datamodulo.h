#pragma once

#include "platform/dataset/ClientDataSet.h"
#include "platform/dataset/Provider.h"
#include "platform/dataset/SqlConnection.h"
#include "platform/dataset/SqlQuery.h"

#include <QObject>
#include <QString>

// The data module: the one connection and every shared dataset chain (SQL dataset,
// provider, client dataset), named as the screens know them.
class Tdm final : public QObject
{
    Q_OBJECT

public:
    explicit Tdm(QObject* parent = nullptr);

    // Opens the connection and the SQL datasets that are open from the start; throws with
    // the database's text when the database cannot be reached or a table is missing.
    void start();

    // config.ini beside the executable; tests point it elsewhere.
    QString configPath() const { return m_configPath; }
    void setConfigPath(const QString& path) { m_configPath = path; }
    // Fills the connection's parameters from config.ini before every attempt to connect.
    void conexaoBeforeConnect(fb::AttachParams& params) const;

    ds::SqlConnection* const conexao;

    ds::SqlQuery* sqllogin;
    ds::Provider* provlogin;
    ds::ClientDataSet* cdslogin;
    ds::SqlQuery* SqlUsuario;
    ds::Provider* DspUsuario;
    ds::ClientDataSet* CdsUsuario;
    ds::SqlQuery* sqlescola;
    ds::Provider* provescola;
    ds::ClientDataSet* cdsescola;
    ds::SqlQuery* sqlserie;
    ds::Provider* provserie;
    ds::ClientDataSet* cdsserie;
    ds::SqlQuery* sqlturno;
    ds::Provider* provturno;
    ds::ClientDataSet* cdsturno;
    ds::SqlQuery* sqlcidade;
    ds::Provider* provcidade;
    ds::ClientDataSet* cdscidade;
    ds::SqlQuery* sqlpresidente;
    ds::Provider* provpresidente;
    ds::ClientDataSet* cdspresidente;
    ds::SqlQuery* sqlaluno;
    ds::Provider* provaluno;
    ds::ClientDataSet* cdsaluno;
    ds::SqlQuery* sqlvagas;
    ds::Provider* provvagas;
    ds::ClientDataSet* cdsvagas;
    ds::SqlQuery* sqlatendimento;
    ds::Provider* provatendimento;
    ds::ClientDataSet* cdsatendimento;
    ds::SqlQuery* sqlcolaborador;
    ds::Provider* provcolaborador;
    ds::ClientDataSet* cdscolaborador;
    ds::SqlQuery* sqlfuncionario;
    ds::Provider* provfuncionario;
    ds::ClientDataSet* cdsfuncionario;
    ds::SqlQuery* sqlagenda;
    ds::Provider* provagenda;
    ds::ClientDataSet* cdsagenda;
    ds::SqlQuery* sql_cad_escolar_anual;
    ds::Provider* prov_cad_escolar_anual;
    ds::ClientDataSet* cds_cad_escolar_anual;
    ds::SqlQuery* sql_cad_cronograma_escolar;
    ds::Provider* prov_cad_cronograma_escolar;
    ds::ClientDataSet* cds_cad_cronograma_escolar;
    ds::SqlQuery* sql_aluno_geral;
    ds::Provider* prov_aluno_Geral;
    ds::ClientDataSet* cds_aluno_geral;
    ds::SqlQuery* sql_cad_ano;
    ds::Provider* prov_cad_ano;
    ds::ClientDataSet* cds_cad_ano;

    // Every client dataset of the module, in catalogue order.
    QList<ds::ClientDataSet*> clientDataSets() const;

private:
    QString m_configPath;
};

// The one data module of the run.
extern Tdm* dm;
