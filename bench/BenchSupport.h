#pragma once

#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>

// Shared by the benchmarks: timing, heap use, the printed line, and a database of requests.
namespace bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

size_t heapInUse();

// The fastest of several runs, in milliseconds.
template <typename F> double bestOf(int runs, F&& run)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        run();
        best = std::min(best, msSince(start));
    }
    return best;
}

// Every request through the client layer with each value touched and nothing kept: the
// baseline that opening a dataset is measured against.
double rawFetch(const QString& path);

// "<name>: <value> <unit> (ratio <r>)"; the ratio only when there is a baseline.
void report(const char* name, double value, const char* unit, double baseline = 0);

// A schema database in a temporary folder with rowCount requests, and its config.ini.
class RequestsDatabase final
{
public:
    explicit RequestsDatabase(int rowCount);
    QString path() const { return m_path; }
    QString configPath() const { return m_dir.filePath(QStringLiteral("config.ini")); }
    qint64 textBytes() const { return m_textBytes; } // UTF-8 bytes of all text values

private:
    QTemporaryDir m_dir;
    QString m_path;
    qint64 m_textBytes = 0;
};

} // namespace bench
