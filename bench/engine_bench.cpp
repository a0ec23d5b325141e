// SPDX-License-Identifier: GPL-3.0-or-later
// Speed and memory of the full totals run behind "実    行" (work copies rebuilt, both
// engines, inventory list, finishing, one write-back) for one unit of a generated
// three-unit corporation on the standard chart. Peak RSS is reported as a counter.
#include "engine/runtotals.h"
#include "engine/tcalc1.h"
#include "engine_corporation.h"
#include "store/database.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <sys/resource.h>

namespace {

using k9::bench::Corporation;
using k9::bench::CorporationShape;

Corporation& corporation(const CorporationShape& shape) {
    static std::map<std::pair<int, int>, std::unique_ptr<Corporation>> made;
    auto& c = made[{shape.journalLines, shape.unit1Percent}];
    if (!c)
        c = std::make_unique<Corporation>(shape);
    return *c;
}

double peakRssMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

k9::PeriodChoice fiscalYear() {
    return {QDate(2015, 4, 1), QDate(2016, 3, 31), 0, 0};
}

void report(benchmark::State& state, Corporation& c) {
    state.counters["journal_lines"] = c.journalLines();
    state.counters["unit_lines"] =
        c.session().www.scalar(QStringLiteral("SELECT COUNT(*) FROM \"denpyou1\"")).toDouble();
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}

// The full run for unit 1: its own lines (50 %) and the common lines (20 %) of the journal.
void BM_FullRun(benchmark::State& state) {
    Corporation& c = corporation({static_cast<int>(state.range(0)), 50, 20});
    c.session().setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    for (auto _ : state)
        k9::runTotals(c.session(), fiscalYear());
    report(state, c);
}

// The same when every line of the journal belongs to the unit or is common.
void BM_FullRunWholeJournal(benchmark::State& state) {
    Corporation& c = corporation({static_cast<int>(state.range(0)), 80, 20});
    c.session().setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    for (auto _ : state)
        k9::runTotals(c.session(), fiscalYear());
    report(state, c);
}

// The parts: rebuilding the unit's work copies, and the engines on the copies as they stand.
void BM_RebuildWorkCopies(benchmark::State& state) {
    Corporation& c = corporation({static_cast<int>(state.range(0)), 50, 20});
    c.session().setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    for (auto _ : state)
        k9::prepareWorkCopies(c.session());
    report(state, c);
}

void BM_EnginesOnly(benchmark::State& state) {
    Corporation& c = corporation({static_cast<int>(state.range(0)), 50, 20});
    c.session().setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    k9::prepareWorkCopies(c.session());
    c.session().setCurrentUnit(0, QStringLiteral("合　計"));
    for (auto _ : state)
        k9::runTotals(c.session(), fiscalYear());
    report(state, c);
}

BENCHMARK(BM_FullRun)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FullRun)->Name("BM_FullRun_1M")->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FullRunWholeJournal)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FullRunWholeJournal)
    ->Name("BM_FullRunWholeJournal_1M")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_RebuildWorkCopies)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EnginesOnly)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
