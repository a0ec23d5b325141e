// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the general ledger: building the ledger of one account with 20,000 lines in the
// period (read from the work journal, rows written into WTBL2), as "科目選択" does after the
// period dialog, on a generated corporation; and the all-accounts build behind
// "全科目エクセル" and "すべて印刷（勘定科目）".
#include "engine/runtotals.h"
#include "engine_corporation.h"
#include "ledgers/ledger.h"
#include "store/database.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using k9::bench::Corporation;

constexpr int kLedgerLines = 20000;

// Unit 1 of a corporation of 100,000 journal lines after a totals run over the fiscal
// year, and the account of the unit's journal whose line count is the first at or above
// 20,000 (or the busiest account, topped up in the work journal to 20,000 lines).
struct LedgerBooks {
    Corporation corporation{{100000, 50, 20}};
    QString code;
    int lines = 0;

    LedgerBooks() {
        k9::Session& s = corporation.session();
        s.setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
        k9::runTotals(s, {QDate(2015, 4, 1), QDate(2016, 3, 31), 0, 0});
        k9::Statement top = s.www.prepare(QStringLiteral(
            "SELECT c, COUNT(*) n FROM (SELECT rtrim(\"Lcode\") c FROM \"denpyou1\" UNION ALL "
            "SELECT rtrim(\"Rcode\") FROM \"denpyou1\" WHERE rtrim(\"Rcode\")<>rtrim(\"Lcode\")) "
            "WHERE c<>'' GROUP BY c ORDER BY n>=?1 DESC, CASE WHEN n>=?1 THEN n ELSE -n END LIMIT 1"));
        top.bindInt(1, kLedgerLines);
        top.step();
        code = top.text(0);
        lines = static_cast<int>(top.integer(1));
        k9::Transaction tx(s.www);
        k9::Statement add = s.www.prepare(
            QStringLiteral("INSERT INTO \"denpyou1\" (\"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\","
                           "\"Lkingaku\",\"Rkingaku\",\"tekiyou1\",\"FlgT\",\"FlgU\",\"FlgV\") "
                           "VALUES (?1,1,?2,?3,'52130',1000,1000,'追加の明細',1,0,0)"));
        for (int i = 0; lines < kLedgerLines; ++i, ++lines) {
            add.bindInt(1, 800000 + i)
                .bindText(2, QDate(2015, 4, 1).addDays(i % 365).toString(Qt::ISODate))
                .bindText(3, code);
            add.run();
        }
        tx.commit();
    }
};

LedgerBooks& books() {
    static std::unique_ptr<LedgerBooks> b = std::make_unique<LedgerBooks>();
    return *b;
}

void BM_AccountLedger(benchmark::State& state) {
    LedgerBooks& b = books();
    std::size_t rows = 0;
    for (auto _ : state)
        rows = k9::ledger::showAccountLedger(b.corporation.session(), b.code).rows.size();
    state.counters["ledger_lines"] = b.lines;
    state.counters["rows"] = static_cast<double>(rows);
}

// The parts: the rows alone (journal read and ledger built), without WTBL2.
void BM_AccountLedgerRowsOnly(benchmark::State& state) {
    LedgerBooks& b = books();
    k9::Session& s = b.corporation.session();
    std::size_t rows = 0;
    for (auto _ : state)
        rows = k9::ledger::accountLedger(s.www, k9::ledger::storedLedgerPeriod(s), b.code).rows.size();
    state.counters["ledger_lines"] = b.lines;
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_AllAccountLedgers(benchmark::State& state) {
    LedgerBooks& b = books();
    k9::Session& s = b.corporation.session();
    std::size_t rows = 0;
    for (auto _ : state) {
        const k9::ledger::Ledgers all =
            k9::ledger::allAccountLedgers(s.www, k9::ledger::storedLedgerPeriod(s));
        k9::ledger::storeLedgerRows(s.www, all.rows);
        rows = all.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK(BM_AccountLedger)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AccountLedgerRowsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllAccountLedgers)->Unit(benchmark::kMillisecond)->Iterations(3);
