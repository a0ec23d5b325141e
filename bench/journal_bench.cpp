// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of voucher entry on a large journal: saving a new voucher (checks, numbering inside
// the transaction, the insert, the next empty voucher) and a corrected one, and stepping to
// the previous voucher, in a journal of 100,000 lines of the generated corporation. None of
// these may wait on a query over the whole journal.
#include "engine_corporation.h"
#include "journal/voucherentry.h"
#include "store/database.h"
#include "store/prompter.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

using k9::bench::Corporation;

Corporation& corporation() {
    static std::unique_ptr<Corporation> made;
    if (!made)
        made = std::make_unique<Corporation>(k9::bench::CorporationShape{100000, 50, 20});
    return *made;
}

// Two accounts of the chart that take entries without a sub-account.
std::pair<QString, QString> plainAccounts(k9::Database& aaa) {
    k9::Statement st =
        aaa.prepare(QStringLiteral("SELECT code FROM kamoku WHERE FlgA = 0 AND (FlgD IS NULL OR FlgD <> 1) "
                                   "AND NOT (FlgB = 2 AND FlgH BETWEEN 21 AND 49) ORDER BY code LIMIT 2"));
    QString codes[2];
    for (auto& c : codes)
        if (st.step())
            c = st.text(0).trimmed();
    return {codes[0], codes[1]};
}

// A compound voucher of three lines: one debit of 3,000 against credits of 1,000 and 2,000.
void typeVoucher(k9::VoucherEntry& e, const std::pair<QString, QString>& accounts) {
    e.year = QStringLiteral("2015");
    e.month = QStringLiteral("9");
    e.day = QStringLiteral("15");
    e.setAccount(0, k9::Side::Debit, accounts.first);
    e.setAmount(0, k9::Side::Debit, k9::Money::fromYen(3000));
    e.setAccount(0, k9::Side::Credit, accounts.second);
    e.setAmount(0, k9::Side::Credit, k9::Money::fromYen(1000));
    e.setAccount(1, k9::Side::Credit, accounts.second);
    e.setAmount(1, k9::Side::Credit, k9::Money::fromYen(2000));
    e.setDescription(0, 1, QStringLiteral("事務用品代"));
}

// The generated journal numbers its vouchers 1, 2, … in one serial, so the per-unit blocks
// of units 1..8 are taken by those numbers (a unit's block holds 9,999 vouchers). Unit 9,
// given unit 1's chart, has its block free: the per-unit scheme is measured there.
constexpr int kPerUnitBenchUnit = 9;

void copyUnitMasters(k9::Database& aaa, int from, int to) {
    for (const QString& table :
         {QStringLiteral("Mkamoku"), QStringLiteral("Mkamoku2"), QStringLiteral("Mhojokamoku")}) {
        QStringList names;
        for (const auto& col : aaa.columns(table))
            if (col.name != QLatin1String("B_ID"))
                names << k9::quoteId(col.name);
        aaa.run(QStringLiteral("DELETE FROM %1 WHERE B_ID = ?1").arg(table), {to});
        aaa.run(QStringLiteral("INSERT INTO %1 (B_ID, %2) SELECT ?1, %2 FROM %1 WHERE B_ID = ?2")
                    .arg(table, names.join(',')),
                {to, from});
    }
}

// "書込（F7)" on a new voucher; the argument is VoucherNumbering (0 one serial, 1 per unit).
void BM_SaveNewVoucher(benchmark::State& state) {
    Corporation& c = corporation();
    k9::Session& s = c.session();
    s.voucherNumbering = static_cast<int>(state.range(0));
    if (s.voucherNumbering == 1) {
        copyUnitMasters(s.aaa, 1, kPerUnitBenchUnit);
        s.setCurrentUnit(kPerUnitBenchUnit, QStringLiteral("第九会計"));
    } else {
        s.setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    }
    k9::RecordingPrompter prompter;
    k9::VoucherEntry e(s, prompter);
    e.open();
    const auto accounts = plainAccounts(s.aaa);
    for (auto _ : state) {
        typeVoucher(e, accounts);
        if (!e.save())
            state.SkipWithError(prompter.last().toStdString().c_str());
    }
    state.counters["journal_lines"] = s.aaa.rowCount(QStringLiteral("denpyou1"));
}

// "書込（F7)" on a corrected voucher in the middle of the journal (its lines replaced).
void BM_SaveCorrectedVoucher(benchmark::State& state) {
    Corporation& c = corporation();
    k9::Session& s = c.session();
    s.voucherNumbering = 0;
    s.setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    k9::RecordingPrompter prompter;
    k9::VoucherEntry e(s, prompter);
    const int middle =
        s.aaa
            .scalar(QStringLiteral("SELECT SNo FROM denpyou1 WHERE FlgT = 1 ORDER BY SNo LIMIT 1 "
                                   "OFFSET 20000"))
            .toInt();
    e.open(middle);
    long long yen = 100;
    for (auto _ : state) {
        // Move one amount from one line to itself on both sides, so the voucher stays balanced.
        const auto& l = e.line(0);
        const bool both = !l.debit.code.isEmpty() && !l.credit.code.isEmpty();
        if (both) {
            e.setAmount(0, k9::Side::Debit, k9::Money::fromYen(yen));
            e.setAmount(0, k9::Side::Credit, k9::Money::fromYen(yen));
        } else {
            e.setDescription(0, 2, QString::number(yen));
        }
        ++yen;
        if (!e.save())
            state.SkipWithError(prompter.last().toStdString().c_str());
    }
    state.counters["journal_lines"] = s.aaa.rowCount(QStringLiteral("denpyou1"));
}

// PageUp / PageDown between vouchers in edit mode; with the per-unit scheme the list holds
// only unit 1's vouchers, interleaved with the other units' in the journal.
void BM_BrowseVoucher(benchmark::State& state) {
    Corporation& c = corporation();
    k9::Session& s = c.session();
    s.voucherNumbering = static_cast<int>(state.range(0));
    s.setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
    k9::RecordingPrompter prompter;
    k9::VoucherEntry e(s, prompter);
    e.open();
    e.browse(k9::VoucherEntry::Move::Last);
    bool back = true;
    for (auto _ : state) {
        e.browse(back ? k9::VoucherEntry::Move::Prior : k9::VoucherEntry::Move::Next);
        back = !back;
    }
}

BENCHMARK(BM_SaveNewVoucher)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCorrectedVoucher)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowseVoucher)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
