// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/trialbalance.h"

#include "engine/activitytotals.h"
#include "store/cp932.h"
#include "store/database.h"
#include "store/textutil.h"

#include <QLocale>
#include <algorithm>
#include <unordered_map>

namespace k9 {
namespace {

Money scalarMoney(Database& www, const QString& sql, const std::vector<QVariant>& params = {}) {
    const QVariant v = www.scalar(sql, params);
    return Money::fromVariant(v).orZero();
}

SubAccountTotalLine readSubAccount(const Statement& st) {
    SubAccountTotalLine l;
    l.accountCode = textAt(st, st.columnIndex(QStringLiteral("kamoku_CD"))).trimmed();
    l.accountName = textAt(st, st.columnIndex(QStringLiteral("科目名")));
    l.subCode = textAt(st, st.columnIndex(QStringLiteral("hojo_CD"))).trimmed();
    l.subName = textAt(st, st.columnIndex(QStringLiteral("補助科目名")));
    l.before = moneyAt(st, st.columnIndex(QStringLiteral("前残高")));
    l.debit = moneyAt(st, st.columnIndex(QStringLiteral("借方")));
    l.credit = moneyAt(st, st.columnIndex(QStringLiteral("貸方")));
    l.net = moneyAt(st, st.columnIndex(QStringLiteral("残高")));
    l.closing = moneyAt(st, st.columnIndex(QStringLiteral("残高合計")));
    return l;
}

const QString kSubAccountSelect = QStringLiteral(
    "SELECT h.\"kamoku_CD\", k.\"科目名\", h.\"hojo_CD\", h.\"補助科目名\", h.\"前残高\", h.\"借方\", "
    "h.\"貸方\", h.\"残高\", h.\"残高合計\" FROM \"hojokamoku\" h LEFT JOIN \"kamoku\" k ON "
    "h.\"kamoku_CD\" = k.\"code\" ");

} // namespace

QString trialTabCaption(TrialTab tab) {
    switch (tab) {
    case TrialTab::BalanceSheet:
        return QStringLiteral("貸借対照表（試算表）");
    case TrialTab::NetAssets:
        return QStringLiteral("正味財産増減計算書（試算表）");
    case TrialTab::Funds:
        return QStringLiteral("収支計算書(試算表）");
    }
    return {};
}

const std::vector<TrialColumn>& trialColumns(TrialTab tab) {
    using K = TrialColumn::Kind;
    static const std::vector<TrialColumn> balance = {
        {QStringLiteral("code"), QStringLiteral("code"), K::Code},
        {QStringLiteral("科目名"), QStringLiteral("科目名"), K::Name},
        {QStringLiteral("前残高"), QStringLiteral("前 残 高"), K::Amount},
        {QStringLiteral("借方"), QStringLiteral("借    方"), K::Amount},
        {QStringLiteral("貸方"), QStringLiteral("貸    方"), K::Amount},
        {QStringLiteral("残高合計"), QStringLiteral("当 残 高"), K::Amount},
    };
    static const std::vector<TrialColumn> netAssets = {
        {QStringLiteral("code"), QStringLiteral("code"), K::Code},
        {QStringLiteral("科目名"), QStringLiteral("科目名"), K::Name},
        {QStringLiteral("予算"), QStringLiteral("前年度"), K::Amount},
        {QStringLiteral("前残高"), QStringLiteral("前残高"), K::Amount},
        {QStringLiteral("借方"), QStringLiteral("借方"), K::Amount},
        {QStringLiteral("貸方"), QStringLiteral("貸方"), K::Amount},
        {QStringLiteral("残高合計"), QStringLiteral("残高合計"), K::Amount},
        {QStringLiteral("差異"), QStringLiteral("差　異"), K::Amount},
        {QStringLiteral("比"), QStringLiteral("比(%)"), K::Ratio},
    };
    static const std::vector<TrialColumn> funds = {
        {QStringLiteral("code"), QStringLiteral("code"), K::Code},
        {QStringLiteral("科目名"), QStringLiteral("科目名"), K::Name},
        {QStringLiteral("予算"), QStringLiteral("予    算"), K::Amount},
        {QStringLiteral("前残高"), QStringLiteral("前残高"), K::Amount},
        {QStringLiteral("借方"), QStringLiteral("借方"), K::Amount},
        {QStringLiteral("貸方"), QStringLiteral("貸方"), K::Amount},
        {QStringLiteral("残高合計"), QStringLiteral("残高合計"), K::Amount},
        {QStringLiteral("差異"), QStringLiteral("差    異"), K::Amount},
        {QStringLiteral("比"), QStringLiteral("比（%）"), K::Ratio},
    };
    switch (tab) {
    case TrialTab::BalanceSheet:
        return balance;
    case TrialTab::NetAssets:
        return netAssets;
    case TrialTab::Funds:
        break;
    }
    return funds;
}

std::array<CheckPair, kTrialTabCount> trialCheckPairs(Database& www) {
    std::array<CheckPair, kTrialTabCount> out;
    // The sums are taken per FlgC value, so a chart without debit-side lines does not shift
    // the credit sum into the debit box.
    Money debit = Money::zero(), credit = Money::zero();
    {
        Statement st = www.prepare(QStringLiteral("SELECT \"FlgC\", SUM(\"残高合計\") FROM \"kamoku\" WHERE "
                                                  "\"FlgB\"=1 AND \"FlgA\"=0 GROUP BY \"FlgC\""));
        while (st.step()) {
            const int flgC = st.isNull(0) ? 0 : static_cast<int>(st.integer(0));
            if (flgC == 0)
                debit = st.money(1).orZero();
            else if (flgC == 1)
                credit = st.money(1).orZero();
        }
    }
    out[0] = {QStringLiteral("借方合計"), debit, QStringLiteral("貸方合計"), credit};

    const QString byRole =
        QStringLiteral("SELECT \"残高合計\" FROM \"kamoku\" WHERE \"FlgG\"=?1 ORDER BY \"code\"");
    out[1] = {QStringLiteral("正味財産合計（B/S）"), scalarMoney(www, byRole, {140}),
              QStringLiteral("正味財産合計（P/L）"), scalarMoney(www, byRole, {141})};

    const QString fundSum =
        QStringLiteral("SELECT SUM(\"残高合計\") FROM \"kamoku\" WHERE \"FlgG\"=1 AND IFNULL(\"FlgC\",0)=?1");
    const Money fundNet = scalarMoney(www, fundSum, {0}) - scalarMoney(www, fundSum, {1});
    const Money carried = scalarMoney(
        www,
        QStringLiteral("SELECT \"残高合計\" FROM \"kamoku2\" WHERE \"FlgB\"=2 AND IFNULL(\"FlgC\",0)=0 AND "
                       "TRIM(\"code\")='#0020' ORDER BY \"SNo\""));
    out[2] = {QStringLiteral("流動資産－流動負債（B/S）"), fundNet, QStringLiteral("次期繰越収支差額（C/F）"),
              carried};
    return out;
}

TrialBalance loadTrialBalance(Database& www) {
    TrialBalance tb;
    {
        Statement st = www.prepare(QStringLiteral(
            "SELECT \"会計期首\", \"自期日\", \"至期日\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
        if (st.step()) {
            tb.fiscalYearStart = st.date(0);
            tb.from = st.date(1);
            tb.to = st.date(2);
        }
    }
    tb.tabs[0] = readChartLines(
        www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=1 ORDER BY \"FlgC\", \"code\""));
    tb.tabs[1] =
        readChartLines(www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=2 ORDER BY \"code\""));
    tb.tabs[2] =
        readChartLines(www, QStringLiteral("SELECT * FROM \"kamoku2\" WHERE \"FlgB\"=2 ORDER BY \"SNo\""));
    tb.checks = trialCheckPairs(www);
    for (auto& l : subAccountTotals(www, QString::fromLatin1(kAllAccountsCode)).lines)
        tb.subAccounts[l.accountCode].push_back(std::move(l));
    return tb;
}

bool shownWhenZeroLinesHidden(const TrialLine& line, TrialTab tab) {
    if (tab == TrialTab::BalanceSheet)
        return notZero(line.closing) || notZero(line.before);
    return notZero(line.closing) || notZero(line.budget);
}

std::vector<TrialLine> visibleTrialLines(const TrialBalance& tb, TrialTab tab, bool showZeroLines) {
    const auto& all = tb.lines(tab);
    if (showZeroLines)
        return all;
    std::vector<TrialLine> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [tab](const TrialLine& l) { return shownWhenZeroLinesHidden(l, tab); });
    return out;
}

std::vector<SubAccountChoice> subAccountChoices(Database& www) {
    std::vector<SubAccountChoice> out;
    out.push_back(
        {QString::fromLatin1(kAllAccountsCode), QStringLiteral("　　　（　す　べ　て　表　示　）　　　　")});
    Statement st = www.prepare(QStringLiteral(
        "SELECT DISTINCT TRIM(h.\"kamoku_CD\"), k.\"科目名\" FROM \"hojokamoku\" h LEFT JOIN \"kamoku\" k ON "
        "h.\"kamoku_CD\" = k.\"code\" ORDER BY 1"));
    while (st.step())
        out.push_back({textAt(st, 0), textAt(st, 1)});
    return out;
}

SubAccountTotals subAccountTotals(Database& www, const QString& accountCode) {
    SubAccountTotals out;
    const bool all = accountCode == QLatin1String(kAllAccountsCode);
    const QString from = all ? QStringLiteral("00000") : accountCode;
    const QString to = all ? QStringLiteral("99999") : accountCode;
    Statement st = www.prepare(kSubAccountSelect + QStringLiteral("WHERE h.\"kamoku_CD\" BETWEEN ?1 AND ?2 "
                                                                  "ORDER BY h.\"kamoku_CD\", h.\"hojo_CD\""));
    st.bindText(1, from).bindText(2, to);
    out.sum.before = out.sum.debit = out.sum.credit = out.sum.net = out.sum.closing = Money::zero();
    while (st.step()) {
        SubAccountTotalLine l = readSubAccount(st);
        out.sum.before += l.before;
        out.sum.debit += l.debit;
        out.sum.credit += l.credit;
        out.sum.net += l.net;
        out.sum.closing += l.closing;
        out.lines.push_back(std::move(l));
    }
    return out;
}

DescriptionTotals descriptionTotals(Database& www, const QString& accountCode) {
    DescriptionTotals out;
    out.sum.before = out.sum.debit = out.sum.credit = out.sum.closing = Money::zero();
    if (!www.tableExists(QStringLiteral("WTBL7")))
        return out;
    Statement st =
        www.prepare(QStringLiteral("SELECT \"tekiyoumei\", \"Cnt\", \"kin0\", \"kinL\", \"kinR\", "
                                   "\"kin1\" FROM \"WTBL7\" WHERE \"code\" = ?1 ORDER BY \"code\", "
                                   "\"tekiyoumei\""));
    st.bindText(1, accountCode);
    while (st.step()) {
        DescriptionTotalLine l;
        l.group = textAt(st, 0);
        l.count = st.isNull(1) ? 0 : st.integer(1);
        l.before = st.money(2);
        l.debit = st.money(3);
        l.credit = st.money(4);
        l.closing = st.money(5);
        out.sum.count += l.count;
        out.sum.before += l.before;
        out.sum.debit += l.debit;
        out.sum.credit += l.credit;
        out.sum.closing += l.closing;
        out.lines.push_back(std::move(l));
    }
    // Groups in the order of their Shift-JIS codes, as the books' own text order.
    std::stable_sort(out.lines.begin(), out.lines.end(),
                     [](const DescriptionTotalLine& a, const DescriptionTotalLine& b) {
                         return cp932::encode(a.group) < cp932::encode(b.group);
                     });
    return out;
}

QString descriptionGroup(const QString& tekiyou1) {
    // The engine's grouping, as the description summary stores it (cut to its 40 bytes), so
    // that the detail lines of a group match the summary's row.
    const std::string text = tekiyou1.toStdString();
    return cp932::truncate(QString::fromStdString(std::string(totals::descriptionGroup(text))), 40);
}

std::vector<DescriptionDetailLine> descriptionDetail(Database& www, const QString& accountCode) {
    std::vector<DescriptionDetailLine> out;
    QDate start, from, to;
    {
        Statement st = www.prepare(QStringLiteral(
            "SELECT \"会計期首\", \"自期日\", \"至期日\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
        if (!st.step())
            return out;
        start = st.date(0);
        from = st.date(1);
        to = st.date(2);
    }
    std::unordered_map<QString, QString> names;
    int flgC = 0;
    {
        Statement st =
            www.prepare(QStringLiteral("SELECT TRIM(\"code\"), \"科目名\", \"FlgC\" FROM \"kamoku\""));
        while (st.step()) {
            const QString code = textAt(st, 0);
            names.emplace(code, textAt(st, 1));
            if (code == accountCode)
                flgC = flagAt(st, 2);
        }
    }
    auto nameOf = [&names](const QString& code) {
        auto it = names.find(code);
        return it == names.end() ? QString() : removeSpaces(it->second);
    };
    Statement st = www.prepare(
        QStringLiteral("SELECT \"SNo\", \"Sub_No\", \"hizuke\", TRIM(\"Lcode\"), TRIM(\"Rcode\"), "
                       "\"Lkingaku\", \"Rkingaku\", "
                       "\"tekiyou1\" FROM \"denpyou1\" WHERE TRIM(\"Lcode\") = ?1 OR TRIM(\"Rcode\") = ?1 "
                       "ORDER BY \"SNo\", \"Sub_No\""));
    st.bindText(1, accountCode);
    long long row = 0;
    while (st.step()) {
        const QDate date = st.date(2);
        if (!date.isValid())
            continue;
        const bool carried = start.isValid() && start <= date && from.isValid() && date < from;
        const bool inPeriod = from.isValid() && to.isValid() && from <= date && date <= to;
        if (!carried && !inPeriod)
            continue;
        const QString text = textAt(st, 7);
        const QString lcode = textAt(st, 3), rcode = textAt(st, 4);
        for (int side = 0; side < 2; ++side) {
            const bool debitSide = side == 0;
            if ((debitSide ? lcode : rcode) != accountCode)
                continue;
            DescriptionDetailLine l;
            l.row = row++;
            l.voucher = st.integer(0);
            l.subNo = st.integer(1);
            l.group = descriptionGroup(text);
            l.date = date;
            l.text = text;
            l.counterAccount = nameOf(debitSide ? rcode : lcode);
            const Money amount = st.money(debitSide ? 5 : 6);
            if (carried) {
                // Carried forward signed by the account's nature: a debit adds on a
                // debit-nature account, a credit on a credit-nature one.
                const bool adds = debitSide ? flgC != 1 : flgC != 0;
                l.carried = adds ? amount : -amount;
            } else if (debitSide) {
                l.debit = amount;
            } else {
                l.credit = amount;
            }
            out.push_back(std::move(l));
        }
    }
    return out;
}

std::vector<FundCheckLine> fundCheckLines(Database& www) {
    // The fund-statement lines by (FlgC, code).
    std::map<std::pair<int, QString>, std::pair<Money, Money>> fund;
    {
        Statement st = www.prepare(
            QStringLiteral("SELECT IFNULL(\"FlgC\",0), TRIM(\"code\"), \"借方\", \"貸方\" FROM \"kamoku2\""));
        while (st.step()) {
            auto& f = fund[{static_cast<int>(st.integer(0)), textAt(st, 1)}];
            f.first += st.money(2).orZero();
            f.second += st.money(3).orZero();
        }
    }
    std::vector<FundCheckLine> out;
    for (const TrialLine& l :
         readChartLines(www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=2 ORDER BY \"code\""))) {
        FundCheckLine c;
        c.code = l.code.toLongLong();
        c.name = l.name;
        c.flgA = l.flgA;
        c.flgB = l.flgB;
        c.flgC = l.flgC;
        c.flgH = l.flgH;
        c.plDebit = c.cfDebit = c.plCredit = c.cfCredit = Money::zero();
        if (l.flgA && *l.flgA == 0) {
            c.plDebit = l.debit.orZero();
            c.plCredit = l.credit.orZero();
            auto it = fund.find({l.flgC, l.code});
            if (it != fund.end()) {
                c.cfDebit = it->second.first;
                c.cfCredit = it->second.second;
            }
        }
        c.debitDiff = c.plDebit - c.cfDebit;
        c.creditDiff = c.plCredit - c.cfCredit;
        out.push_back(std::move(c));
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const FundCheckLine& a, const FundCheckLine& b) { return a.code < b.code; });
    return out;
}

} // namespace k9
