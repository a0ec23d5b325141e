// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/statements.h"

#include "store/database.h"
#include "store/textutil.h"

#include <algorithm>
#include <map>

namespace k9 {
QString statementCaption(StatementKind kind) {
    switch (kind) {
    case StatementKind::BalanceSheet:
        return QStringLiteral("貸借対照表");
    case StatementKind::NetAssets:
        return QStringLiteral("正味財産増減計算書");
    case StatementKind::Funds:
        break;
    }
    return QStringLiteral("収支計算書");
}

const std::vector<StatementColumn>& statementColumns(StatementKind kind) {
    using K = StatementColumn::Kind;
    static const std::vector<StatementColumn> balance = {
        {QStringLiteral("科目名"), QStringLiteral("科　目　名"), K::Name},
        {QStringLiteral("残高合計"), QStringLiteral("当年度"), K::Amount},
        {QStringLiteral("前残高"), QStringLiteral("前年度"), K::Amount},
        {QStringLiteral("差異"), QStringLiteral("増    減"), K::Amount},
    };
    static const std::vector<StatementColumn> netAssets = {
        {QStringLiteral("科目名"), QStringLiteral("科　目　名"), K::Name},
        {QStringLiteral("残高合計"), QStringLiteral("当年度"), K::Amount},
        {QStringLiteral("予算"), QStringLiteral("前年度"), K::Amount},
        {QStringLiteral("差異"), QStringLiteral("増　　　　減"), K::Amount},
        {QStringLiteral("比"), QStringLiteral("比"), K::Ratio},
    };
    static const std::vector<StatementColumn> funds = {
        {QStringLiteral("科目名"), QStringLiteral("科　目　名"), K::Name},
        {QStringLiteral("予算"), QStringLiteral("予    算"), K::Amount},
        {QStringLiteral("残高合計"), QStringLiteral("決    算"), K::Amount},
        {QStringLiteral("差異"), QStringLiteral("差    異"), K::Amount},
        {QStringLiteral("比"), QStringLiteral("比"), K::Ratio},
    };
    switch (kind) {
    case StatementKind::BalanceSheet:
        return balance;
    case StatementKind::NetAssets:
        return netAssets;
    case StatementKind::Funds:
        break;
    }
    return funds;
}

Statements loadStatements(Database& www) {
    Statements out;
    {
        Statement st = www.prepare(QStringLiteral(
            "SELECT \"会計期首\", \"自期日\", \"至期日\", \"施設名\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
        if (st.step()) {
            out.fiscalYearStart = st.date(0);
            out.from = st.date(1);
            out.to = st.date(2);
            out.unitName = textAt(st, 3).trimmed();
        }
    }
    out.lines[0] = readChartLines(
        www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=1 ORDER BY \"FlgC\", \"code\""));
    out.lines[1] =
        readChartLines(www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=2 ORDER BY \"code\""));
    out.lines[2] =
        readChartLines(www, QStringLiteral("SELECT * FROM \"kamoku2\" WHERE \"FlgB\"=2 ORDER BY \"SNo\""));
    return out;
}

bool shownWhenZeroLinesHidden(const StatementLine& line, StatementKind kind) {
    // The balance sheet's compared column is 前残高; for a period that starts after the
    // fiscal-year start it differs from 期首繰越, and a line must not vanish while it shows a
    // figure there.
    if (kind == StatementKind::BalanceSheet)
        return notZero(line.closing) || notZero(line.opening) || notZero(line.before);
    return notZero(line.closing) || notZero(line.budget);
}

std::vector<StatementLine> visibleStatementLines(const Statements& st, StatementKind kind,
                                                 bool showZeroLines) {
    const auto& all = st.of(kind);
    if (showZeroLines)
        return all;
    std::vector<StatementLine> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [kind](const StatementLine& l) { return shownWhenZeroLinesHidden(l, kind); });
    return out;
}

QString statementDisplayName(const StatementLine& line) {
    return textAfterSlash(line.name);
}

QString levelIndentedName(const QString& name, const std::optional<int>& flgA) {
    int indent = 0;
    if (flgA && *flgA >= 0 && *flgA < 3)
        indent = 3 - *flgA;
    return QString(indent, QChar(u' ')) + removeSpaces(name);
}

} // namespace k9
