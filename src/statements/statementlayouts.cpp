// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/statementlayouts.h"

#include "store/cp932.h"
#include "store/database.h"

#include <algorithm>

namespace k9 {
namespace {

const StatementKind kFunds = StatementKind::Funds;

// The chart's end marks (FlgB 3) close the list and are never printed.
bool endMark(const StatementLine& l) {
    return l.flgB == 3;
}

// Lines that never appear on layouts Ｂ and Ｃ: the special FlgG 999 lines (kept for the
// budget and breakdown statements) and the end marks.
bool specialLine(const StatementLine& l) {
    return l.flgG == 999 || endMark(l);
}

bool hasLevel(const StatementLine& l, int level) {
    return l.flgA && *l.flgA == level;
}

// A new document of the receipts-and-payments statement with the dialog's row height,
// fonts and page numbers, as layout A sets them.
ReportDocument fundsDocument(const QString& title, std::vector<ReportColumn> columns,
                             const StatementPrintSettings& s, const ReportHeader& header) {
    ReportDocument doc = lookedDocument(header, title, s);
    doc.columns = std::move(columns);
    setStatementPageNumbers(doc, s);
    return doc;
}

// Headings (FlgA 9) open a group and are never left at the foot of a page; subtotals and
// totals (FlgA 3 and above) print bold, as in layout A.
void markLevel(ReportRow& row, const StatementLine& l) {
    row.bold = boldLine(l);
    if (hasLevel(l, 9))
        row.kind = ReportRow::Kind::GroupHeader;
}

QByteArray sortKey(const QString& text) {
    return cp932::canEncode(text) ? cp932::encode(text) : text.toUtf8();
}

} // namespace

QColor descriptionLayoutShading() {
    return QColor(224, 224, 224);
}

std::vector<DescriptionAmount> loadDescriptionAmounts(Database& www) {
    std::vector<DescriptionAmount> out;
    if (!www.tableExists(QStringLiteral("WTBL7")))
        return out;
    Statement st = www.prepare(
        QStringLiteral("SELECT \"code\", \"FlgC\", \"FlgH\", \"tekiyoumei\", \"kin1\" FROM \"WTBL7\" "
                       "ORDER BY \"code\", \"FlgC\", \"tekiyoumei\""));
    while (st.step()) {
        DescriptionAmount d;
        d.code = textAt(st, 0).trimmed();
        d.flgC = flagAt(st, 1);
        d.flgH = flagAt(st, 2);
        d.description = textAt(st, 3).trimmed();
        d.amount = moneyAt(st, 4);
        out.push_back(std::move(d));
    }
    return out;
}

std::vector<DescriptionAmount> descriptionsOf(const StatementLine& line,
                                              const std::vector<DescriptionAmount>& all) {
    // A fund line linked by FlgH 21–49 gathers the accounts that carry the same link number;
    // otherwise the account of the same code on the same side (payment FlgC 0, receipt 1).
    const bool linked = line.flgH > 20 && line.flgH < 50;
    std::vector<std::pair<std::pair<QString, QByteArray>, const DescriptionAmount*>> found;
    for (const DescriptionAmount& d : all) {
        const bool sameAccount = !line.code.isEmpty() && d.code == line.code && d.flgC == line.flgC;
        if (sameAccount || (linked && d.flgH == line.flgH))
            found.push_back({{d.code, sortKey(d.description)}, &d});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<DescriptionAmount> out;
    out.reserve(found.size());
    for (const auto& f : found)
        out.push_back(*f.second);
    return out;
}

ReportDocument statementLayoutB(const Statements& st, const StatementPrintSettings& s,
                                const ReportHeader& header) {
    ReportDocument doc = fundsDocument(QStringLiteral("収  支  計  算  書"),
                                       {{QStringLiteral("科             目"), 230},
                                        {QStringLiteral("当初予算"), 100, true},
                                        {QStringLiteral("補正後予算"), 100, true},
                                        {QStringLiteral("決　　　算"), 100, true},
                                        {QStringLiteral("差　　　異"), 100, true},
                                        {QStringLiteral("科目注記"), 120}},
                                       s, header);
    // This layout narrows the list only for 中区分以上 (no small accounts); 大区分以上 prints
    // every line, as 小区分以上 does.
    StatementPrintSettings range = s;
    if (range.range != static_cast<int>(PrintRange::Middle))
        range.range = static_cast<int>(PrintRange::Small);
    for (const StatementLine& l : st.of(kFunds)) {
        if (specialLine(l) ||
            !printedStatementLine(l, kFunds, range, {.variance = true, .initialBudget = true}))
            continue;
        ReportRow row;
        row.cells << levelIndentedName(statementDisplayName(l), l.flgA) << l.initialBudget.format()
                  << l.budget.format() << l.closing.format() << l.variance.format() << l.note;
        row.shaded = shadedLine(l, s.shading);
        markLevel(row, l);
        doc.rows.push_back(std::move(row));
    }
    return doc;
}

ReportDocument statementLayoutC(const Statements& st, const std::vector<DescriptionAmount>& descriptions,
                                const StatementPrintSettings& s, const ReportHeader& header) {
    ReportDocument doc = fundsDocument(statementPrintTitle(kFunds),
                                       {{QStringLiteral("科　　　目"), 200},
                                        {QStringLiteral("予　　　　算"), 95, true},
                                        {QStringLiteral("決　　　　算"), 95, true},
                                        {QStringLiteral("差　　　　異"), 95, true},
                                        {QStringLiteral("摘　　　　　　　要"), 150},
                                        {QStringLiteral("金　　　額"), 95, true}},
                                       s, header);
    for (const StatementLine& l : st.of(kFunds)) {
        if (specialLine(l) || hasLevel(l, 5) || !printedStatementLine(l, kFunds, s, {.variance = true}))
            continue;
        // Subtotals and totals stand out on their own grey, whatever the shading choice.
        const QColor fill = hasLevel(l, 3) || hasLevel(l, 4) ? descriptionLayoutShading() : QColor();
        const std::vector<DescriptionAmount> own = descriptionsOf(l, descriptions);
        const std::size_t count = std::max<std::size_t>(own.size(), 1);
        for (std::size_t i = 0; i < count; ++i) {
            ReportRow row;
            if (i == 0)
                row.cells << levelIndentedName(l.name, l.flgA) << l.budget.format() << l.closing.format()
                          << l.variance.format();
            else
                row.cells << QString() << QString() << QString() << QString();
            if (i < own.size())
                row.cells << own[i].description << own[i].amount.format();
            // The rows of one line read as one block: no rule between them.
            row.ruleAbove = i == 0;
            row.keepWithPrevious = i > 0;
            row.fill = fill;
            markLevel(row, l);
            if (i > 0)
                row.kind = ReportRow::Kind::Detail;
            doc.rows.push_back(std::move(row));
        }
    }
    return doc;
}

ReportDocument statementLayoutD(const Statements& st, const StatementPrintSettings& s,
                                const ReportHeader& header) {
    ReportDocument doc = fundsDocument(statementPrintTitle(kFunds),
                                       {{QStringLiteral("科          目"), 200},
                                        {QStringLiteral("当初予算"), 90, true},
                                        {QStringLiteral("補正額合計"), 90, true},
                                        {QStringLiteral("流用充当"), 90, true},
                                        {QStringLiteral("最終予算"), 90, true},
                                        {QStringLiteral("決　　　算"), 90, true},
                                        {QStringLiteral("予算差異"), 90, true}},
                                       s, header);
    for (const StatementLine& l : st.of(kFunds)) {
        if (endMark(l) || !printedStatementLine(l, kFunds, s))
            continue;
        // The corrections of the year (補正額１ to ３) in one figure; headings and lines
        // without a level carry no budget.
        const bool noBudget = !l.flgA || *l.flgA == 9;
        const QString corrections =
            noBudget ? QString() : (l.corrections[0] + l.corrections[1] + l.corrections[2]).format();
        ReportRow row;
        row.cells << levelIndentedName(l.name, l.flgA) << l.initialBudget.format() << corrections
                  << l.corrections[3].format() << l.budget.format() << l.closing.format()
                  << l.variance.format();
        row.shaded = shadedLine(l, s.shading);
        markLevel(row, l);
        doc.rows.push_back(std::move(row));
    }
    return doc;
}

} // namespace k9
