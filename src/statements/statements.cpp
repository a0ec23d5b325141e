// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/statements.h"

#include "store/database.h"
#include "store/textutil.h"

#include <algorithm>
#include <map>

namespace k9 {
namespace {

std::vector<StatementLine> readLines(Database& www, const QString& sql) {
    std::vector<StatementLine> out;
    Statement st = www.prepare(sql);
    const auto c = [&st](const QString& name) { return st.columnIndex(name); };
    const int code = c(QStringLiteral("code")), name = c(QStringLiteral("科目名"));
    const int a = c(QStringLiteral("FlgA")), b = c(QStringLiteral("FlgB")), cc = c(QStringLiteral("FlgC"));
    const int e = c(QStringLiteral("FlgE")), g = c(QStringLiteral("FlgG")), h = c(QStringLiteral("FlgH"));
    const int sNo = c(QStringLiteral("SNo"));
    const int initial = c(QStringLiteral("当初予算"));
    static const std::array<QString, 5> correctionNames = {
        QStringLiteral("補正額１"), QStringLiteral("補正額２"), QStringLiteral("補正額３"),
        QStringLiteral("補正額４"), QStringLiteral("補正額５")};
    std::array<int, 5> corrections{};
    for (std::size_t i = 0; i < corrections.size(); ++i)
        corrections[i] = c(correctionNames[i]);
    const int budget = c(QStringLiteral("予算")), opening = c(QStringLiteral("期首繰越"));
    const int before = c(QStringLiteral("前残高")), closing = c(QStringLiteral("残高合計"));
    const int variance = c(QStringLiteral("差異")), ratio = c(QStringLiteral("比"));
    const int note = c(QStringLiteral("注記"));
    while (st.step()) {
        StatementLine l;
        l.code = textAt(st, code).trimmed();
        l.name = textAt(st, name);
        if (a >= 0 && !st.isNull(a))
            l.flgA = static_cast<int>(st.integer(a));
        l.flgB = flagAt(st, b);
        l.flgC = flagAt(st, cc);
        l.flgE = flagAt(st, e);
        l.flgG = flagAt(st, g);
        l.flgH = flagAt(st, h);
        l.sNo = sNo < 0 || st.isNull(sNo) ? 0 : st.integer(sNo);
        l.initialBudget = moneyAt(st, initial);
        for (std::size_t i = 0; i < corrections.size(); ++i)
            l.corrections[i] = moneyAt(st, corrections[i]);
        l.budget = moneyAt(st, budget);
        l.opening = moneyAt(st, opening);
        l.before = moneyAt(st, before);
        l.closing = moneyAt(st, closing);
        l.variance = moneyAt(st, variance);
        if (ratio >= 0 && !st.isNull(ratio))
            l.ratio = st.real(ratio);
        l.note = textAt(st, note).trimmed();
        out.push_back(std::move(l));
    }
    return out;
}

bool notZero(const Money& m) {
    return !m.isEmpty() && m.raw() != 0;
}

} // namespace

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

Money statementAmount(const StatementLine& line, const QString& field) {
    if (field == QStringLiteral("残高合計"))
        return line.closing;
    if (field == QStringLiteral("前残高"))
        return line.before;
    if (field == QStringLiteral("予算"))
        return line.budget;
    if (field == QStringLiteral("差異"))
        return line.variance;
    if (field == QStringLiteral("期首繰越"))
        return line.opening;
    if (field == QStringLiteral("当初予算"))
        return line.initialBudget;
    return {};
}

QString statementCellText(const StatementLine& line, const StatementColumn& column) {
    switch (column.kind) {
    case StatementColumn::Kind::Name:
        return line.name;
    case StatementColumn::Kind::Ratio:
        return line.ratio ? QString::number(*line.ratio, 'f', 1) : QString();
    case StatementColumn::Kind::Amount:
        break;
    }
    return statementAmount(line, column.field).format();
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
    out.lines[0] = readLines(
        www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=1 ORDER BY \"FlgC\", \"code\""));
    out.lines[1] =
        readLines(www, QStringLiteral("SELECT * FROM \"kamoku\" WHERE \"FlgB\"=2 ORDER BY \"code\""));
    out.lines[2] =
        readLines(www, QStringLiteral("SELECT * FROM \"kamoku2\" WHERE \"FlgB\"=2 ORDER BY \"SNo\""));
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
