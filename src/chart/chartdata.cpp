// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a folder's chart of accounts into memory for the structural checks.
#include "chart/chartdata.h"

#include "store/database.h"

namespace k9 {

namespace {

Flag readFlag(const Statement& st, int column) {
    if (column < 0 || st.isNull(column))
        return std::nullopt;
    return static_cast<int>(st.integer(column));
}

void readFlags(const Statement& st, LineFlags& f) {
    f.flgA = readFlag(st, st.columnIndex(QStringLiteral("FlgA")));
    f.flgB = readFlag(st, st.columnIndex(QStringLiteral("FlgB")));
    f.flgC = readFlag(st, st.columnIndex(QStringLiteral("FlgC")));
    f.flgD = readFlag(st, st.columnIndex(QStringLiteral("FlgD")));
    f.flgE = readFlag(st, st.columnIndex(QStringLiteral("FlgE")));
    f.flgF = readFlag(st, st.columnIndex(QStringLiteral("FlgF")));
    f.flgG = readFlag(st, st.columnIndex(QStringLiteral("FlgG")));
    f.flgH = readFlag(st, st.columnIndex(QStringLiteral("FlgH")));
}

QString readText(const Statement& st, const QString& column) {
    int i = st.columnIndex(column);
    return i < 0 || st.isNull(i) ? QString() : st.text(i);
}

} // namespace

const ChartAccount* ChartData::account(const QString& code) const {
    for (const auto& a : accounts)
        if (a.code == code)
            return &a;
    return nullptr;
}

std::vector<const ChartAccount*> ChartData::accountsWithRole(int role) const {
    std::vector<const ChartAccount*> found;
    for (const auto& a : accounts)
        if (flagIs(a.flgG, role))
            found.push_back(&a);
    return found;
}

ChartData loadChart(Database& db) {
    ChartData chart;
    {
        auto st = db.prepare(QStringLiteral("SELECT * FROM kamoku ORDER BY code"));
        while (st.step()) {
            ChartAccount a;
            a.code = readText(st, QStringLiteral("code"));
            a.name = readText(st, QStringLiteral("科目名"));
            readFlags(st, a);
            a.a00 = readFlag(st, st.columnIndex(QStringLiteral("A00")));
            for (int unit = 1; unit <= 20; ++unit)
                a.unitShares += flagValue(
                    readFlag(st, st.columnIndex(QStringLiteral("A%1").arg(unit, 2, 10, QLatin1Char('0')))));
            chart.accounts.push_back(a);
        }
    }
    {
        auto st = db.prepare(QStringLiteral("SELECT * FROM kamoku2 ORDER BY SNo"));
        while (st.step()) {
            ChartFundLine l;
            int sNo = st.columnIndex(QStringLiteral("SNo"));
            if (sNo >= 0 && !st.isNull(sNo))
                l.sNo = st.integer(sNo);
            l.code = readText(st, QStringLiteral("code"));
            l.name = readText(st, QStringLiteral("科目名"));
            readFlags(st, l);
            chart.fundLines.push_back(l);
        }
    }
    {
        auto st = db.prepare(QStringLiteral("SELECT kamoku_CD, hojo_CD, 補助科目名 FROM hojokamoku "
                                            "ORDER BY kamoku_CD, hojo_CD"));
        while (st.step())
            chart.subAccounts.push_back({st.isNull(0) ? QString() : st.text(0),
                                         st.isNull(1) ? QString() : st.text(1),
                                         st.isNull(2) ? QString() : st.text(2)});
    }
    return chart;
}

} // namespace k9
