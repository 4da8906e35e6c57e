// Client dataset figures on 100,000 requests, each against its baseline in the same run.
#include "bench/BenchSupport.h"
#include "data/U_datamodulo.h"
#include "platform/firebird/FbConnection.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

using namespace bench;

constexpr int kRows = 100000;

int main(int argc, char** argv)
{
    QTemporaryDir lockDir;
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK"))
        qputenv("FIREBIRD_LOCK", lockDir.path().toUtf8());
    QCoreApplication app(argc, argv);
    {
        RequestsDatabase db(kRows);
        const double raw = rawFetch(db.path());
        report("raw_fetch", raw, "ms");

        Tdm module;
        module.setConfigPath(db.configPath());
        module.start();
        ds::ClientDataSet& cds = *module.cdsaluno;
        double open = 1e300;
        size_t heap = 0;
        for (int i = 0; i < 3; ++i) {
            cds.close();
            const size_t before = heapInUse();
            const auto start = Clock::now();
            cds.open();
            open = std::min(open, msSince(start));
            heap = heapInUse() - before;
        }
        report("open_cdsaluno", open, "ms", raw);
        const double textPerRow = static_cast<double>(db.textBytes()) / kRows;
        report("memory_per_row", static_cast<double>(heap) / kRows, "bytes", textPerRow);

        // A prefix search as the search boxes type it, against a plain loop over the names.
        const int name = cds.fieldIndex(QStringLiteral("NOME_ALUNO"));
        std::vector<QByteArray> names;
        for (int r = 0; r < cds.recordCount(); ++r)
            names.push_back(cds.value(r, name).toString().toUtf8());
        int plainCount = 0;
        const double plain = bestOf(5, [&] {
            plainCount = static_cast<int>(std::count_if(
                names.begin(), names.end(), [](const QByteArray& n) { return n.startsWith("MAR"); }));
        });
        const double filter = bestOf(5, [&] { cds.setFilter(QStringLiteral("NOME_ALUNO like 'MAR%'")); });
        if (cds.recordCount() != plainCount)
            std::printf("filter mismatch: %d rows against %d\n", cds.recordCount(), plainCount);
        report("filter_prefix_plain_loop", plain, "ms");
        report("filter_prefix", filter, "ms", plain);
        cds.setFilter(QString());

        // The register's order, against sorting the same dates in a plain vector.
        const int date = cds.fieldIndex(QStringLiteral("DATA_ATENDIMENTO"));
        std::vector<std::pair<qint64, int>> dates;
        for (int r = 0; r < cds.recordCount(); ++r)
            dates.emplace_back(cds.value(r, date).toDate().toJulianDay(), r);
        std::vector<std::pair<qint64, int>> copy;
        const double plainSort = bestOf(3, [&] {
            copy = dates;
            std::reverse(copy.begin(), copy.end());
            std::stable_sort(copy.begin(), copy.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        });
        double sort = 1e300;
        for (int i = 0; i < 3; ++i) {
            cds.setIndexFieldNames(QStringLiteral("NOME_ALUNO"));
            const auto start = Clock::now();
            cds.setIndexFieldNames(QStringLiteral("DATA_ATENDIMENTO"));
            sort = std::min(sort, msSince(start));
        }
        report("sort_by_date_plain", plainSort, "ms");
        report("sort_by_date", sort, "ms", plainSort);

        // One edited row written back.
        const double apply = bestOf(5, [&] {
            cds.edit();
            cds.fieldByName(QStringLiteral("OBS")).setAsString(QStringLiteral("ALTERADO %1").arg(rand()));
            cds.post();
            if (!cds.applyUpdates(0).ok())
                std::puts("apply failed");
        });
        report("apply_one_row", apply, "ms");
    }
    fb::Connection::shutdownEngine();
    return 0;
}
