// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/trialbalanceprint.h"

#include "reports/printlook.h"
#include "reports/reportheader.h"
#include "store/database.h"
#include "store/registrows.h"
#include "store/session.h"
#include "store/textutil.h"

namespace k9 {
namespace {

bool isHeading(const TrialLine& l) {
    return !l.flgA || *l.flgA == 9;
}

QString ratioText(const std::optional<double>& ratio) {
    return ratio ? QString::number(*ratio, 'f', 1) : QString();
}

// The net-assets statement's part of a line: the last heading without indentation seen.
QString partOf(const TrialLine& l, const QString& current) {
    if (isHeading(l) && !l.name.isEmpty() && l.name.front() != QChar(0x3000) && l.name.front() != QChar(u' '))
        return l.name;
    return current;
}

QStringList amountsOf(const TrialLine& l, TrialTab tab) {
    if (tab == TrialTab::BalanceSheet)
        return {l.before.format(), l.debit.format(), l.credit.format(), l.closing.format(),
                l.variance.format()};
    return {l.budget.format(),  l.before.format(),   l.debit.format(),  l.credit.format(),
            l.closing.format(), l.variance.format(), ratioText(l.ratio)};
}

std::vector<ReportColumn> layoutColumns(TrialTab tab) {
    switch (tab) {
    case TrialTab::BalanceSheet:
        return {{QStringLiteral("科　　　　　　目"), 230}, {QStringLiteral("前　残　高"), 100, true},
                {QStringLiteral("借　　方"), 100, true},   {QStringLiteral("貸　　方"), 100, true},
                {QStringLiteral("当　残　高"), 100, true}, {QStringLiteral("増　　減"), 100, true}};
    case TrialTab::NetAssets:
        return {{QStringLiteral("科　　　　　目"), 224}, {QStringLiteral("前年実績(B)"), 84, true},
                {QStringLiteral("前 残 高"), 84, true},  {QStringLiteral("借    方"), 84, true},
                {QStringLiteral("貸    方"), 84, true},  {QStringLiteral("当残高(A)"), 84, true},
                {QStringLiteral("増減(A-B)"), 84, true}, {QStringLiteral("率"), 40, true}};
    case TrialTab::Funds:
        break;
    }
    return {{QStringLiteral("科　　　　　目"), 224},
            {QStringLiteral("予　算(A)"), 84, true},
            {QStringLiteral("前 残 高"), 84, true},
            {QStringLiteral("借    方"), 84, true},
            {QStringLiteral("貸    方"), 84, true},
            {QStringLiteral("当残高(B)"), 84, true},
            // The column holds 残高合計 − 予算, so its caption names it B−A.
            {QStringLiteral("差異(B-A)"), 84, true},
            {QStringLiteral("率"), 40, true}};
}

// The printed name: the net-assets statement shows the part after "／".
QString printedName(const TrialLine& l, TrialTab tab) {
    return tab == TrialTab::NetAssets ? textAfterSlash(l.name) : l.name;
}

} // namespace

TrialPrintSettings loadTrialPrintSettings(Database& hm) {
    TrialPrintSettings s;
    const auto row = readRegistRow(hm, kTrialPrintRegistId,
                                   printLookColumns(QStringLiteral("P4")) << QStringLiteral("P2"));
    if (!row)
        return s;
    static_cast<PrintLook&>(s) = printLookFrom(*row);
    s.smallAccounts = registInt(row->at(6), 0, 1, TrialPrintSettings{}.smallAccounts);
    return s;
}

void saveTrialPrintSettings(Database& hm, const TrialPrintSettings& s) {
    auto values = printLookValues(s, QStringLiteral("P4"));
    values.emplace_back(QStringLiteral("P2"), s.smallAccounts);
    writeRegistRow(hm, kTrialPrintRegistId, values);
}

void applyTrialPrintSettings(Session& session, const TrialPrintSettings& s) {
    applyPrintLook(session, s, s.smallAccounts);
}

QString trialPrintTitle(TrialTab tab, int adjustingMode) {
    QString title;
    switch (tab) {
    case TrialTab::BalanceSheet:
        title = QStringLiteral(" 試算表（貸借対照表）");
        break;
    case TrialTab::NetAssets:
        title = QStringLiteral(" 試算表（正味財産増減計算書）");
        break;
    case TrialTab::Funds:
        title = QStringLiteral(" 試算表（収支計算書）");
        break;
    }
    if (adjustingMode == 1)
        title += QStringLiteral(" 【整理伝票を除く】");
    else if (adjustingMode == 2)
        title += QStringLiteral(" 【整理伝票のみ】");
    return title;
}

bool printedLine(const TrialLine& l, TrialTab tab, const TrialPrintSettings& s) {
    if (s.smallAccounts == 1 && l.flgE == 1)
        return false;
    if (s.zeroLines != 1 || isHeading(l))
        return true;
    bool allZero = !notZero(l.before) && !notZero(l.debit) && !notZero(l.credit) && !notZero(l.closing);
    if (tab != TrialTab::BalanceSheet)
        allZero = allZero && !notZero(l.budget);
    return !(allZero && *l.flgA < s.zeroHideLevel());
}

ReportDocument trialBalanceLayoutA(const TrialBalance& tb, TrialTab tab, const TrialPrintSettings& s,
                                   const ReportHeader& header, int adjustingMode) {
    ReportDocument doc = lookedDocument(header, trialPrintTitle(tab, adjustingMode), s);
    doc.columns = layoutColumns(tab);
    doc.newPageOnGroup = tab == TrialTab::NetAssets;
    QString part;
    for (const TrialLine& l : tb.lines(tab)) {
        if (tab == TrialTab::NetAssets)
            part = partOf(l, part);
        if (!printedLine(l, tab, s))
            continue;
        ReportRow row;
        row.cells = QStringList{printedName(l, tab)} + amountsOf(l, tab);
        row.shaded = shadedLine(l, s.shading);
        row.bold = boldLine(l);
        row.group = tab == TrialTab::BalanceSheet ? QString::number(l.flgC) : part;
        doc.rows.push_back(std::move(row));
    }
    return doc;
}

ReportDocument trialBalanceLayoutB(const TrialBalance& tb, TrialTab tab, const TrialPrintSettings& s,
                                   const ReportHeader& header, int adjustingMode) {
    if (tab == TrialTab::Funds)
        return trialBalanceLayoutA(tb, tab, s, header, adjustingMode);
    ReportDocument doc = lookedDocument(header, trialPrintTitle(tab, adjustingMode), s);
    doc.amountFontSize = std::max(5, s.amountFontSize - 1);
    doc.columns = layoutColumns(tab);
    doc.columns.push_back({QStringLiteral("補助科目"), 120});
    doc.columns.push_back({QStringLiteral("補助科目残高"), 96, true});
    if (tab == TrialTab::NetAssets)
        doc.orientation = QPageLayout::Landscape;
    static const std::vector<SubAccountTotalLine> none;
    for (const TrialLine& l : tb.lines(tab)) {
        if (tab == TrialTab::NetAssets && l.flgG == 150)
            continue;
        if (!printedLine(l, tab, s))
            continue;
        auto it = tb.subAccounts.find(l.code);
        const auto& subs = it == tb.subAccounts.end() ? none : it->second;
        const QString group = tab == TrialTab::BalanceSheet ? QString::number(l.flgC) : QString();
        const bool shaded = shadedLine(l, s.shading);
        ReportRow first;
        first.cells = QStringList{printedName(l, tab)} + amountsOf(l, tab);
        first.shaded = shaded;
        first.bold = boldLine(l);
        first.group = group;
        if (subs.empty()) {
            first.cells << QString() << QString();
            doc.rows.push_back(std::move(first));
            continue;
        }
        for (std::size_t i = 0; i < subs.size(); ++i) {
            ReportRow row;
            if (i == 0) {
                row = first;
            } else {
                for (int c = 0; c < static_cast<int>(doc.columns.size()) - 2; ++c)
                    row.cells << QString();
                // An account's sub-account rows read as one block, on one page.
                row.ruleAbove = false;
                row.keepWithPrevious = true;
                row.shaded = shaded;
                row.group = group;
            }
            row.cells << subs[i].subName.trimmed() << subs[i].closing.format();
            doc.rows.push_back(std::move(row));
        }
    }
    return doc;
}

ReportDocument subAccountTotalsReport(const SubAccountTotals& totals, const ReportHeader& header) {
    ReportDocument doc;
    doc.header = header;
    doc.header.title = QStringLiteral("補助科目による金額集計");
    doc.columns = {{QStringLiteral("コード"), 50, false, true}, {QStringLiteral("勘定科目名"), 150},
                   {QStringLiteral("補助科目名"), 130},         {QStringLiteral("前　残　高"), 95, true},
                   {QStringLiteral("借　　方"), 95, true},      {QStringLiteral("貸　　方"), 95, true},
                   {QStringLiteral("当　残　高"), 95, true}};
    for (const auto& l : totals.lines) {
        ReportRow row;
        row.cells = {l.accountCode + QStringLiteral("-") + l.subCode,
                     removeSpaces(l.accountName),
                     l.subName.trimmed(),
                     l.before.format(),
                     l.debit.format(),
                     l.credit.format(),
                     l.closing.format()};
        doc.rows.push_back(std::move(row));
    }
    ReportRow sum;
    sum.kind = ReportRow::Kind::Total;
    sum.cells = {QString(),
                 QStringLiteral("合　　計"),
                 QString(),
                 totals.sum.before.format(),
                 totals.sum.debit.format(),
                 totals.sum.credit.format(),
                 totals.sum.closing.format()};
    doc.rows.push_back(std::move(sum));
    return doc;
}

ReportDocument descriptionTotalsReport(const QString& accountName, const DescriptionTotals& totals,
                                       const ReportHeader& header) {
    ReportDocument doc;
    doc.header = header;
    doc.header.title = removeSpaces(accountName) + QStringLiteral("の摘要名による金額集計");
    doc.columns = {{QStringLiteral("摘　要　名"), 230},       {QStringLiteral("件数"), 50, true},
                   {QStringLiteral("前　残　高"), 100, true}, {QStringLiteral("借　　方"), 100, true},
                   {QStringLiteral("貸　　方"), 100, true},   {QStringLiteral("当　残　高"), 100, true}};
    for (const auto& l : totals.lines) {
        ReportRow row;
        row.cells = {l.group,          QString::number(l.count), l.before.format(),
                     l.debit.format(), l.credit.format(),        l.closing.format()};
        doc.rows.push_back(std::move(row));
    }
    ReportRow sum;
    sum.kind = ReportRow::Kind::Total;
    sum.cells = {QStringLiteral("合　　計"), QString::number(totals.sum.count), totals.sum.before.format(),
                 totals.sum.debit.format(),  totals.sum.credit.format(),        totals.sum.closing.format()};
    doc.rows.push_back(std::move(sum));
    return doc;
}

ReportDocument descriptionDetailReport(const QString& group, const std::vector<DescriptionDetailLine>& lines,
                                       const ReportHeader& header) {
    ReportDocument doc;
    doc.header = header;
    doc.header.title = group + QStringLiteral("の明細書印刷");
    doc.columns = {{QStringLiteral("日　付"), 80, false, true}, {QStringLiteral("伝票番号"), 64, true},
                   {QStringLiteral("摘　要　名"), 200},         {QStringLiteral("相　手　科　目"), 130},
                   {QStringLiteral("繰越"), 90, true},          {QStringLiteral("借　　方"), 90, true},
                   {QStringLiteral("貸　　方"), 90, true}};
    Money carried = Money::zero(), debit = Money::zero(), credit = Money::zero();
    for (const auto& l : lines) {
        if (l.group != group)
            continue;
        ReportRow row;
        row.cells = {l.date.toString(QStringLiteral("yyyy/MM/dd")),
                     QString::number(l.voucher),
                     l.text,
                     l.counterAccount,
                     l.carried.format(),
                     l.debit.format(),
                     l.credit.format()};
        carried += l.carried;
        debit += l.debit;
        credit += l.credit;
        doc.rows.push_back(std::move(row));
    }
    ReportRow sum;
    sum.kind = ReportRow::Kind::Total;
    sum.cells = {QString(),      QString(),      QStringLiteral("合　　計"), QString(), carried.format(),
                 debit.format(), credit.format()};
    doc.rows.push_back(std::move(sum));
    return doc;
}

ReportDocument fundCheckReport(const std::vector<FundCheckLine>& lines, const ReportHeader& header) {
    ReportDocument doc;
    doc.header = header;
    doc.header.title = QStringLiteral("損益科目(PL)と資金科目(CF)の金額チェック表");
    doc.columns = {{QStringLiteral("科目コード"), 62, false, true},
                   {QStringLiteral("科目名"), 170},
                   {QStringLiteral("PL借方"), 82, true},
                   {QStringLiteral("CF借方"), 82, true},
                   {QStringLiteral("差"), 72, true},
                   {QStringLiteral("PL貸方"), 82, true},
                   {QStringLiteral("CF貸方"), 82, true},
                   {QStringLiteral("差"), 72, true}};
    for (const auto& l : lines) {
        ReportRow row;
        row.cells = {QString::number(l.code), l.name,
                     l.plDebit.format(),      l.cfDebit.format(),
                     l.debitDiff.format(),    l.plCredit.format(),
                     l.cfCredit.format(),     l.creditDiff.format()};
        row.bold = l.flgA && *l.flgA != 0;
        doc.rows.push_back(std::move(row));
    }
    return doc;
}

} // namespace k9
