#include "data/DemoDatabase.h"

#include "data/DemoData.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbScript.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <map>

namespace {

// Which sequence feeds each table's key; two pairs of tables share one.
const std::map<QString, std::pair<QString, QString>>& keySequences()
{
    static const std::map<QString, std::pair<QString, QString>> map = {
        {QStringLiteral("USUARIO"), {QStringLiteral("SEQ_USUARIO"), QStringLiteral("CODIGO")}},
        {QStringLiteral("ESCOLA"), {QStringLiteral("SEQ_ESCOLA"), QStringLiteral("ESCOLA_ID")}},
        {QStringLiteral("SERIE"), {QStringLiteral("SEQ_SERIE"), QStringLiteral("SERIE_ID")}},
        {QStringLiteral("TURNO"), {QStringLiteral("SEQ_TURNO"), QStringLiteral("TUNO_ID")}},
        {QStringLiteral("CIDADE"), {QStringLiteral("SEQ_TURNO"), QStringLiteral("ID")}},
        {QStringLiteral("PRESIDENTE"),
         {QStringLiteral("SEQ_PRESIDENTE"), QStringLiteral("CODIGO_PRESIDENTE")}},
        {QStringLiteral("ENCAMINHAMENTO"), {QStringLiteral("SEQ_ENCAMINHAMENTO"), QStringLiteral("CODIGO")}},
        {QStringLiteral("VAGAS"), {QStringLiteral("SEQ_VAGAS"), QStringLiteral("VAGA_CODIGO")}},
        {QStringLiteral("ATENDIMENTO"), {QStringLiteral("SEQ_ATENDIMENTO"), QStringLiteral("CODIGO")}},
        {QStringLiteral("ATENDIMENTO_GERAL"),
         {QStringLiteral("SEQ_ATENDIMENTO"), QStringLiteral("CODATEND")}},
        {QStringLiteral("USERPUB"), {QStringLiteral("SEQ_USERPUB"), QStringLiteral("IDUSERPUB")}},
        {QStringLiteral("COLABORADOR"),
         {QStringLiteral("SEQ_COLABORADOR"), QStringLiteral("CODIGO_COLABORADOR")}},
        {QStringLiteral("FUNCIONARIO"), {QStringLiteral("SEQ_FUNCIONARIO"), QStringLiteral("ID")}},
        {QStringLiteral("TBAGENDA"), {QStringLiteral("SEQ_TBAGENDA"), QStringLiteral("CONT")}},
        {QStringLiteral("CAD_ESCOLAR_ANUAL"),
         {QStringLiteral("SEQ_CAD_ESCOLAR_ANUAL"), QStringLiteral("CODIGO")}},
    };
    return map;
}

} // namespace

QString schemaScript()
{
    Q_INIT_RESOURCE(schema); // the resource lives in a static library
    QFile file(QStringLiteral(":/schema/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw fb::Error(QStringLiteral("The schema script is missing from the program's resources"));
    return QString::fromUtf8(file.readAll());
}

void createSchemaDatabase(const QString& path, const QString& userName, const QString& password)
{
    fb::Connection::createDatabase(path, userName, password);
    fb::Connection connection;
    fb::AttachParams params;
    params.database = path;
    params.userName = userName;
    params.password = password;
    connection.attach(params);
    fb::runScript(connection, schemaScript());
    connection.detach();
}

void loadDemoData(fb::Connection& connection, const QDate& today)
{
    fb::Transaction transaction = connection.startTransaction();
    std::map<QString, int> highest; // per sequence
    for (const DemoTable& table : demoData(today)) {
        QStringList marks;
        for (qsizetype i = 0; i < table.columns.size(); ++i)
            marks << QStringLiteral("?");
        fb::Statement insert(transaction, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table.table, table.columns.join(QStringLiteral(", ")),
                                                   marks.join(QStringLiteral(", "))));
        const auto sequence = keySequences().find(table.table);
        const qsizetype keyColumn =
            sequence == keySequences().end() ? -1 : table.columns.indexOf(sequence->second.second);
        for (const QVariantList& row : table.rows) {
            for (qsizetype i = 0; i < row.size(); ++i)
                insert.bind(static_cast<int>(i), row[i]);
            insert.execute();
            if (keyColumn >= 0) {
                int& top = highest[sequence->second.first];
                top = std::max(top, row[keyColumn].toInt());
            }
        }
    }
    transaction.commit();
    for (const auto& [sequence, top] : highest) {
        fb::Transaction tx = connection.startTransaction();
        fb::Statement restart(tx, QStringLiteral("ALTER SEQUENCE %1 RESTART WITH %2").arg(sequence).arg(top));
        restart.execute();
        tx.commit();
    }
}
