#include "bench/BenchSupport.h"

#include "data/DemoDatabase.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <QDate>
#include <QFile>
#include <QStringList>

#include <malloc.h>

namespace bench {

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void report(const char* name, double value, const char* unit, double baseline)
{
    if (baseline > 0)
        std::printf("%s: %.2f %s (ratio %.2f)\n", name, value, unit, value / baseline);
    else
        std::printf("%s: %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

double rawFetch(const QString& path)
{
    fb::Connection connection;
    connection.attach({QString(), path, QStringLiteral("SYSDBA"), QString(), {}});
    return bestOf(3, [&] {
        fb::Transaction tx = connection.startTransaction();
        fb::Statement st(tx, QStringLiteral("select * from ENCAMINHAMENTO"));
        st.open();
        qint64 sink = 0;
        const auto& columns = st.columns();
        while (st.next()) {
            for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
                if (st.isNull(c))
                    continue;
                switch (columns[static_cast<size_t>(c)].type) {
                case fb::ColumnType::Text:
                case fb::ColumnType::FixedText:
                    sink += st.textBytes(c).size();
                    break;
                case fb::ColumnType::Date:
                    sink += st.julianDay(c);
                    break;
                default:
                    sink += st.integer(c);
                    break;
                }
            }
        }
        st.close();
        tx.commit();
        if (sink == 42) // keeps the loop from being optimised away
            std::puts("");
    });
}

namespace {

// A small fixed-seed generator: the same rows on every run.
class Lcg
{
public:
    unsigned next() { return m_state = m_state * 1103515245u + 12345u, (m_state >> 8) & 0xFFFFFF; }
    template <typename T> const T& pick(const std::vector<T>& items) { return items[next() % items.size()]; }

private:
    unsigned m_state = 20261211u;
};

const std::vector<QString> kFirst = {
    QStringLiteral("MARIA"),   QStringLiteral("JOAO"),      QStringLiteral("ANA"),
    QStringLiteral("PEDRO"),   QStringLiteral("LUCAS"),     QStringLiteral("JULIA"),
    QStringLiteral("GABRIEL"), QStringLiteral("BEATRIZ"),   QStringLiteral("MATEUS"),
    QStringLiteral("LARISSA"), QStringLiteral("CONCEIÇÃO"), QStringLiteral("JOSÉ")};
const std::vector<QString> kLast = {
    QStringLiteral("SILVA"),     QStringLiteral("SANTOS"),    QStringLiteral("OLIVEIRA"),
    QStringLiteral("SOUZA"),     QStringLiteral("RODRIGUES"), QStringLiteral("FERREIRA"),
    QStringLiteral("ALVES"),     QStringLiteral("PEREIRA"),   QStringLiteral("LIMA"),
    QStringLiteral("GONÇALVES"), QStringLiteral("ARAÚJO"),    QStringLiteral("RIBEIRO")};

QString person(Lcg& rng)
{
    return rng.pick(kFirst) + QLatin1Char(' ') + rng.pick(kLast) + QLatin1Char(' ') + rng.pick(kLast);
}

QString digits(Lcg& rng, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + static_cast<char16_t>(rng.next() % 10));
    return s;
}

} // namespace

RequestsDatabase::RequestsDatabase(int rowCount) : m_path(m_dir.filePath(QStringLiteral("bench.fdb")))
{
    createSchemaDatabase(m_path, QStringLiteral("SYSDBA"), QString());
    {
        QFile config(configPath());
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("[CONFIG]\nDATABASE=%1\nUSER_NAME=SYSDBA\n").arg(m_path).toUtf8());
    }
    fb::Connection connection;
    connection.attach({QString(), m_path, QStringLiteral("SYSDBA"), QString(), {}});
    fb::Transaction tx = connection.startTransaction();
    const QStringList columns = {QStringLiteral("CODIGO"),        QStringLiteral("DATA_ATENDIMENTO"),
                                 QStringLiteral("NOME_ALUNO"),    QStringLiteral("DATA_NASC"),
                                 QStringLiteral("RESPONSAVEL_1"), QStringLiteral("RESPONSAVEL_2"),
                                 QStringLiteral("ENDERECO"),      QStringLiteral("CONTATO_1"),
                                 QStringLiteral("CONTATO_2"),     QStringLiteral("BAIRRO"),
                                 QStringLiteral("OBS"),           QStringLiteral("STATUS"),
                                 QStringLiteral("NOME_ESCOLAS"),  QStringLiteral("NOMES_TURNOS"),
                                 QStringLiteral("NOMES_SERIES"),  QStringLiteral("NIS_ALUNO"),
                                 QStringLiteral("RECEBE_S_N"),    QStringLiteral("CPF"),
                                 QStringLiteral("USUARIO")};
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    fb::Statement insert(tx, QStringLiteral("INSERT INTO ENCAMINHAMENTO (%1) VALUES (%2)")
                                 .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    const std::vector<QString> statuses = {QStringLiteral("AGUARDANDO"), QStringLiteral("ENCAMINHADO"),
                                           QStringLiteral("SEM VAGA"), QStringLiteral("URGENTE")};
    const std::vector<QString> schools = {
        QStringLiteral("CMEI PEQUENO PRINCIPE"), QStringLiteral("E.M. RIO VERDE"),
        QStringLiteral("E.E. PROFESSORA LUIZA"), QStringLiteral("CMEI SOL NASCENTE")};
    const std::vector<QString> shifts = {QStringLiteral("MATUTINO"), QStringLiteral("VESPERTINO"),
                                         QStringLiteral("INTEGRAL")};
    const std::vector<QString> grades = {QStringLiteral("MATERNAL II"), QStringLiteral("1° PERIODO"),
                                         QStringLiteral("3° E. FUNDAMENTAL 1 - INICIAL")};
    const QDate today(2026, 12, 11);
    Lcg rng;
    for (int id = 1; id <= rowCount; ++id) {
        const QVariantList values = {
            id,
            today.addDays(-static_cast<int>(rng.next() % 700)),
            person(rng),
            today.addDays(-365 - static_cast<int>(rng.next() % 5000)),
            person(rng),
            person(rng),
            QStringLiteral("RUA %1 %2, QUADRA %3 LOTE %4")
                .arg(rng.pick(kLast), rng.pick(kFirst), digits(rng, 2), digits(rng, 2)),
            QStringLiteral("(64)9%1-%2").arg(digits(rng, 4), digits(rng, 4)),
            QStringLiteral("(64)9%1-%2").arg(digits(rng, 4), digits(rng, 4)),
            QString(QStringLiteral("SETOR ") + rng.pick(kLast)),
            QStringLiteral("MAE TRABALHA NO PERIODO DA MANHA, PREFERENCIA POR ESCOLA PERTO DE CASA. IRMAO JA "
                           "ESTUDA NA UNIDADE."),
            rng.pick(statuses),
            rng.pick(schools),
            rng.pick(shifts),
            rng.pick(grades),
            QStringLiteral("%1.%2.%3-%4").arg(digits(rng, 3), digits(rng, 3), digits(rng, 3), digits(rng, 2)),
            (rng.next() % 2) ? QStringLiteral("SIM") : QStringLiteral("NAO"),
            QStringLiteral("%1.%2.%3-%4").arg(digits(rng, 3), digits(rng, 3), digits(rng, 3), digits(rng, 2)),
            QStringLiteral("VIDA"),
        };
        for (qsizetype i = 0; i < values.size(); ++i) {
            insert.bind(static_cast<int>(i), values[i]);
            if (values[i].typeId() == QMetaType::QString)
                m_textBytes += values[i].toString().toUtf8().size();
        }
        insert.execute();
    }
    tx.commit();
}

} // namespace bench
