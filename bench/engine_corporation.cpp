// SPDX-License-Identifier: GPL-3.0-or-later
// Generation of the benchmark corporation from the standard chart template.
#include "engine_corporation.h"

#include "app/unitregister.h"
#include "chart/chartsync.h"
#include "chart/templates.h"
#include "store/database.h"
#include "store/schema.h"

#include <QDir>
#include <random>
#include <stdexcept>

namespace k9::bench {
namespace {

constexpr int kUnits = 3;

struct Account {
    QString code;
    QStringList subs;
};

// Postable input accounts of the chart by role.
struct Pools {
    std::vector<Account> income, expense, fundAssets, fundLiabilities, specialAssets, transfers;
    Account cash, bank, payable;
};

std::vector<Account> select(Database& aaa, const QString& where) {
    std::vector<Account> out;
    Statement st =
        aaa.prepare(QStringLiteral("SELECT \"code\" FROM \"kamoku\" WHERE \"FlgA\"=0 AND (%1) ORDER BY "
                                   "\"code\"")
                        .arg(where));
    while (st.step())
        out.push_back({st.text(0), {}});
    for (auto& a : out) {
        Statement subs = aaa.prepare(QStringLiteral(
            "SELECT \"hojo_CD\" FROM \"hojokamoku\" WHERE \"kamoku_CD\"=?1 ORDER BY \"hojo_CD\""));
        subs.bind(1, a.code);
        while (subs.step())
            a.subs << subs.text(0);
    }
    return out;
}

Pools pools(Database& aaa) {
    Pools p;
    const QString notComputed =
        QStringLiteral("IFNULL(\"FlgG\",0) NOT BETWEEN 101 AND 299 AND IFNULL(\"FlgH\",0) "
                       "NOT BETWEEN 21 AND 49");
    p.income = select(aaa, "\"FlgB\"=2 AND \"FlgC\"=1 AND IFNULL(\"FlgG\",0)=0 AND " + notComputed);
    p.expense = select(aaa, "\"FlgB\"=2 AND \"FlgC\"=0 AND IFNULL(\"FlgG\",0)=0 AND " + notComputed);
    p.fundAssets = select(aaa, QStringLiteral("\"FlgB\"=1 AND \"FlgC\"=0 AND \"FlgG\"=1"));
    p.fundLiabilities = select(aaa, QStringLiteral("\"FlgB\"=1 AND \"FlgC\"=1 AND \"FlgG\"=1"));
    p.specialAssets = select(aaa, QStringLiteral("\"FlgG\"=11"));
    p.transfers = select(aaa, QStringLiteral("\"FlgG\"=920"));
    if (p.income.empty() || p.expense.empty() || p.fundAssets.size() < 3 || p.fundLiabilities.empty())
        throw std::runtime_error("the standard chart lacks the accounts the benchmark posts to");
    p.cash = p.fundAssets[0];
    p.bank = p.fundAssets[2];
    p.payable = p.fundLiabilities[0];
    return p;
}

} // namespace

Corporation::Corporation(const CorporationShape& shape) : m_shape(shape) {
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
    m_session.appDir = m_dir.path() + '/';
    m_session.workDir = m_session.appDir + QStringLiteral("WKData/");
    m_session.dataPath = QStringLiteral("2015/");
    m_session.openProgramFolder();
    createTable(m_session.hm, tables::headM());
    m_session.connectDatabases();
    programFolderSchema(m_session.hm);
    dataFolderSchema(m_session.aaa);
    workFolderSchema(m_session.www);
    m_session.fiscalYearStart = QDate(2015, 4, 1);
    buildChart();
    setUnitFigures();
    writeJournal();
    m_session.setCurrentUnit(1, QStringLiteral("公益目的事業会計"));
}

void Corporation::buildChart() {
    const auto& standard = chartTemplates().front();
    const QString file = templateDatabaseFile(m_session.appDir, standard.folder);
    QDir().mkpath(QFileInfo(file).path());
    buildTemplateDatabase(QDir(templateSourceRoot()).filePath(standard.folder), file);
    copyTemplateChart(m_session, 0);
    const char* names[] = {"合　計", "公益目的事業会計", "収益事業等会計", "法人会計"};
    for (int u = 0; u <= kUnits; ++u)
        m_session.aaa.insertRow(QStringLiteral("BUMON"),
                                {{"code", u}, {"Bumonmei", QString::fromUtf8(names[u])}, {"F1", 1}});
    syncChartToUnits(m_session.aaa, m_session.www, UnitSubAccountNames::Common);
}

void Corporation::setUnitFigures() {
    Database& aaa = m_session.aaa;
    Transaction tx(aaa);
    // Shared expenses: apportioned 50 / 25 / 25 over the three units.
    aaa.exec(QStringLiteral(
        "UPDATE \"kamoku\" SET \"A00\"=100,\"A01\"=50,\"A02\"=25,\"A03\"=25 WHERE \"FlgB\"=2 AND "
        "\"FlgC\"=0 AND \"FlgA\"=0 AND \"code\" LIKE '52%'"));
    // Budgets on every activity input line; opening balances that balance per unit.
    aaa.exec(QStringLiteral(
        "UPDATE \"Mkamoku\" SET \"予算\"=1000000,\"当初予算\"=1000000 WHERE \"FlgB\"=2 AND \"FlgA\"=0"));
    aaa.exec(QStringLiteral("UPDATE \"Mkamoku2\" SET \"予算\"=1000000 WHERE \"FlgB\"=2 AND \"FlgA\"=0"));
    const Pools p = pools(aaa);
    aaa.run(QStringLiteral("UPDATE \"Mkamoku\" SET \"期首繰越\"=3000000 WHERE \"code\"=?1"), {p.cash.code});
    aaa.run(QStringLiteral("UPDATE \"Mkamoku\" SET \"期首繰越\"=20000000 WHERE \"code\"=?1"), {p.bank.code});
    aaa.run(QStringLiteral(
                "UPDATE \"Mhojokamoku\" SET \"期首繰越\"=20000000 WHERE \"kamoku_CD\"=?1 AND \"hojo_CD\"=?2"),
            {p.bank.code, p.bank.subs.value(0)});
    aaa.run(QStringLiteral("UPDATE \"Mkamoku\" SET \"期首繰越\"=23000000 WHERE \"FlgG\"=110"));
    tx.commit();
}

void Corporation::writeJournal() {
    Database& aaa = m_session.aaa;
    const Pools p = pools(aaa);
    std::mt19937 random(20150401);
    auto pick = [&](const std::vector<Account>& from) -> const Account& {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
    };
    auto subOf = [&](const Account& a) {
        return a.subs.isEmpty()
                   ? QString()
                   : a.subs[std::uniform_int_distribution<qsizetype>(0, a.subs.size() - 1)(random)];
    };
    auto percent = [&] { return std::uniform_int_distribution<int>(0, 99)(random); };
    QStringList descriptions;
    const char* words[] = {"会費", "事業収入", "消耗品", "旅費", "通信費",     "家賃", "光熱費",
                           "印刷", "謝金",     "委託料", "給料", "社会保険料", "寄付", "補助金",
                           "修繕", "会議",     "保険",   "雑費", "研修",       "広報"};
    for (const char* w : words)
        for (int month = 1; month <= 12; ++month)
            descriptions << QStringLiteral("%1／%2月分").arg(QString::fromUtf8(w)).arg(month);
    for (const char* w : words)
        descriptions << QString::fromUtf8(w) << QStringLiteral("%1　支払い").arg(QString::fromUtf8(w));
    descriptions << QString();

    Transaction tx(aaa);
    Statement insert = aaa.prepare(QStringLiteral(
        "INSERT INTO \"denpyou1\" "
        "(\"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\",\"LHcode\",\"RHcode\",\"Lkingaku\","
        "\"Rkingaku\",\"tekiyou1\",\"tekiyou2\",\"LflgS\",\"RflgS\",\"FlgT\",\"FlgU\",\"FlgV\",\"FlgW\") "
        "VALUES "
        "(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,NULL,NULL,NULL,?11,?12,?13,NULL)"));
    const QDate start(2015, 4, 1);
    long long sNo = 0;
    int written = 0;
    while (written < m_shape.journalLines) {
        ++sNo;
        const QString date =
            start.addDays(std::uniform_int_distribution<int>(0, 365)(random)).toString(Qt::ISODate);
        const int u = percent();
        const int unit = u < m_shape.unit1Percent                           ? 1
                         : u < m_shape.unit1Percent + m_shape.commonPercent ? 0
                         : u % 2 == 0                                       ? 2
                                                                            : 3;
        const int flgU = percent() < 5 ? 1 : 0;
        const int flgV = percent() < 3 ? 1 : 0;
        const QString text =
            descriptions[std::uniform_int_distribution<qsizetype>(0, descriptions.size() - 1)(random)];
        const long long amount = std::uniform_int_distribution<long long>(1, 500)(random) * 1000;
        struct Line {
            Account l, r;
            QString lh, rh;
            long long left, right;
        };
        std::vector<Line> lines;
        const int kind = percent();
        const Account& fund = percent() < 30 ? p.cash : p.bank;
        if (kind < 35) {
            const Account& e = pick(p.expense);
            lines.push_back({e, fund, {}, subOf(fund), amount, amount});
        } else if (kind < 60) {
            lines.push_back({fund, pick(p.income), subOf(fund), {}, amount, amount});
        } else if (kind < 70) {
            lines.push_back({pick(p.expense), p.payable, {}, subOf(p.payable), amount, amount});
        } else if (kind < 80) {
            lines.push_back({p.payable, p.bank, subOf(p.payable), subOf(p.bank), amount, amount});
        } else if (kind < 85) {
            lines.push_back({p.bank, p.cash, subOf(p.bank), {}, amount, amount});
        } else if (kind < 90 && !p.specialAssets.empty()) {
            const Account& s = pick(p.specialAssets);
            lines.push_back({s, p.bank, subOf(s), subOf(p.bank), amount, amount});
        } else if (kind < 93 && !p.transfers.empty()) {
            const Account& t = p.transfers.front();
            lines.push_back({t, pick(p.income), subOf(t), {}, amount, amount});
        } else {
            // A compound voucher on split lines: two expenses paid in one amount.
            const Account& e1 = pick(p.expense);
            const Account& e2 = pick(p.expense);
            lines.push_back({e1, fund, {}, subOf(fund), amount, amount + 1000});
            lines.push_back({e2, Account{}, {}, {}, 1000, 0});
        }
        long long subNo = 0;
        for (const auto& l : lines) {
            insert.bindInt(1, sNo)
                .bindInt(2, ++subNo)
                .bindText(3, date)
                .bindText(4, l.l.code)
                .bindText(5, l.r.code);
            insert.bindText(6, l.lh)
                .bindText(7, l.rh)
                .bindInt(8, l.left)
                .bindInt(9, l.right)
                .bindText(10, text);
            insert.bindInt(11, unit).bindInt(12, flgU).bindInt(13, flgV);
            insert.run();
            ++written;
        }
    }
    tx.commit();
}

} // namespace k9::bench
