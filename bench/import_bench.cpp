// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of "batch import-vouchers": a journal CSV file of 100,000 lines (the demo
// corporation's year repeated, renumbered) read, checked and written to the data folder in
// one transaction, into an empty journal and over a journal holding the same vouchers.
#include "app/batchtotals.h"
#include "app/demo.h"
#include "journal/journalimport.h"
#include "store/cp932.h"
#include "store/session.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>

namespace {

struct ImportSetup {
    QTemporaryDir dir;
    k9::Session session;
    QByteArray csv;
    int lines = 0;

    explicit ImportSetup(int wanted) {
        if (!dir.isValid())
            throw std::runtime_error("no temporary folder");
        const QString appDir = dir.path() + QStringLiteral("/app/");
        const QDate today(2026, 12, 11);
        k9::buildDemo(appDir, today);
        k9::openBatchSession(session, appDir, QString::fromLatin1(k9::kDemoDataPath), today);

        // The demo year's lines, repeated with new voucher numbers until at least `wanted`
        // lines.
        const QList<QByteArray> demo = k9::demoJournalCsv(QDate(2026, 4, 1)).split('\n');
        csv = demo.front() + '\n';
        long long sNo = 0;
        while (lines < wanted) {
            QByteArray previous;
            for (qsizetype i = 1; i < demo.size(); ++i) {
                const QByteArray& row = demo[i];
                if (row.trimmed().isEmpty())
                    continue;
                const qsizetype comma = row.indexOf(',');
                const QByteArray number = row.left(comma);
                if (number != previous) {
                    // Whole vouchers only: the file ends at the first voucher past `wanted`.
                    if (lines >= wanted)
                        break;
                    ++sNo;
                }
                previous = number;
                csv += QByteArray::number(sNo) + row.mid(comma) + '\n';
                ++lines;
            }
        }
    }
};

ImportSetup& setup(int lines) {
    static std::map<int, std::unique_ptr<ImportSetup>> made;
    auto& s = made[lines];
    if (!s)
        s = std::make_unique<ImportSetup>(lines);
    return *s;
}

double peakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void emptyJournal(k9::Database& aaa) {
    aaa.exec(QStringLiteral("DELETE FROM \"denpyou1\""));
}

// Into an empty journal: read, checked, every line inserted.
void BM_ImportVouchers(benchmark::State& state) {
    ImportSetup& s = setup(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        emptyJournal(s.session.aaa);
        state.ResumeTiming();
        k9::importJournalCsv(s.session.aaa, s.csv);
    }
    state.counters["lines"] = s.lines;
    state.counters["file_MB"] = static_cast<double>(s.csv.size()) / 1e6;
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}

// Over a journal that already holds every voucher of the file: each one is replaced.
void BM_ImportVouchersReplacing(benchmark::State& state) {
    ImportSetup& s = setup(static_cast<int>(state.range(0)));
    emptyJournal(s.session.aaa);
    k9::importJournalCsv(s.session.aaa, s.csv);
    for (auto _ : state)
        k9::importJournalCsv(s.session.aaa, s.csv);
    state.counters["lines"] = s.lines;
}

// Reading and checking alone, without the write.
void BM_ReadJournalCsv(benchmark::State& state) {
    ImportSetup& s = setup(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(k9::readJournalCsv(s.session.aaa, s.csv));
    state.counters["lines"] = s.lines;
}

} // namespace

BENCHMARK(BM_ImportVouchers)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportVouchersReplacing)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadJournalCsv)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
