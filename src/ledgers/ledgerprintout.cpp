// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger's printout.
#include "ledgers/ledgerprintout.h"

#include "store/session.h"

#include <cstdlib>

namespace k9::ledger {
namespace {

constexpr std::int64_t kOversizedYen = 999'999'999;

bool oversized(const Money& m) {
    return std::llabs(m.yen()) > kOversizedYen;
}

ReportRow blankRow(const QString& group) {
    ReportRow row;
    row.ruleAbove = false;
    row.group = group;
    return row;
}

} // namespace

std::vector<ReportColumn> ledgerPrintColumns() {
    return {{QStringLiteral("日　　付"), 56, false, true},
            {QStringLiteral("伝票番号"), 54, false, true},
            {QStringLiteral("相手科目"), 104},
            {QStringLiteral("補助科目"), 72},
            {QStringLiteral("税区分"), 42, false, true},
            {QStringLiteral("摘　　　　要"), 184},
            {QStringLiteral("借　方"), 80, true},
            {QStringLiteral("貸　方"), 80, true},
            {QStringLiteral("残　高"), 80, true}};
}

QStringList ledgerPrintCells(const LedgerRow& row) {
    QString voucher;
    if (row.voucher)
        voucher = QString::number(*row.voucher) + (row.subNo ? '-' + QString::number(*row.subNo) : QString());
    QString counter = row.counterName;
    if (!row.counterCode.trimmed().isEmpty())
        counter += ' ' + row.counterCode.trimmed();
    QString text = row.tekiyou1;
    if (!row.tekiyou2.trimmed().isEmpty())
        text += QStringLiteral("　") + row.tekiyou2;
    return {row.date.isValid() ? row.date.toString(QStringLiteral("yy-MM-dd")) : QString(),
            voucher,
            counter,
            row.counterSubName.trimmed(),
            row.taxClass.trimmed(),
            text,
            row.debit.format(),
            row.credit.format(),
            row.balance.format()};
}

bool oversizedAmount(const LedgerRow& row) {
    return oversized(row.debit) || oversized(row.credit) || oversized(row.balance);
}

std::vector<ReportDocument> ledgerDocuments(const Ledgers& ledgers,
                                            const std::vector<LedgerHeading>& headings,
                                            const LedgerPrintOptions& options) {
    std::vector<ReportDocument> docs;
    for (std::size_t i = 0; i < ledgers.ledgers.size(); ++i) {
        const LedgerSummary& l = ledgers.ledgers[i];
        const LedgerHeading heading = i < headings.size() ? headings[i] : LedgerHeading{};
        ReportDocument doc;
        doc.header.title = heading.title;
        doc.header.subtitle = heading.codeLine;
        doc.header.periodFrom = heading.period;
        doc.header.corporationName = heading.corporation;
        doc.header.unitName = heading.unit;
        doc.columns = ledgerPrintColumns();
        doc.nameFontSize = 8;
        doc.amountFontSize = 8;
        if (!options.pageNumbers)
            doc.footer.clear();
        for (std::size_t r = l.firstRow; r < l.firstRow + l.rowCount && r < ledgers.rows.size(); ++r) {
            const LedgerRow& lr = ledgers.rows[r];
            ReportRow row;
            row.kind = lr.kind == RowKind::Total ? ReportRow::Kind::Total : ReportRow::Kind::Detail;
            row.cells = ledgerPrintCells(lr);
            row.shaded = lr.isMonthTotal();
            row.bold = oversizedAmount(lr);
            row.group = l.key;
            doc.rows.push_back(std::move(row));
        }
        // A ledger of an odd number of pages ends on a front side: an empty back page
        // follows so that the next ledger starts on a front side again.
        if (options.duplex && !options.continuous && paginate(doc).count() % 2 == 1 &&
            i + 1 < ledgers.ledgers.size()) {
            doc.newPageOnGroup = true;
            doc.rows.push_back(blankRow(l.key + QStringLiteral("\x1f")));
        }
        docs.push_back(std::move(doc));
    }
    if (docs.empty()) {
        ReportDocument doc;
        doc.header.title = QStringLiteral("総勘定元帳");
        doc.columns = ledgerPrintColumns();
        docs.push_back(std::move(doc));
    }
    return docs;
}

std::vector<ReportDocument> ledgerPrintout(Session& session, const Ledgers& ledgers, bool shownOnScreen,
                                           const LedgerPrintOptions& options) {
    std::vector<LedgerHeading> headings;
    headings.reserve(ledgers.ledgers.size());
    TFanc fanc(session); // reads the chart once for every heading
    for (const LedgerSummary& l : ledgers.ledgers)
        headings.push_back(ledgerHeading(session, fanc, l, shownOnScreen));
    return ledgerDocuments(ledgers, headings, options);
}

ReportDocument previewDocument(const std::vector<ReportDocument>& docs, const LedgerPrintOptions& options) {
    if (docs.size() == 1)
        return docs.front();
    ReportDocument out;
    out.columns = ledgerPrintColumns();
    out.nameFontSize = 8;
    out.amountFontSize = 8;
    out.header.title = QStringLiteral("総勘定元帳");
    if (!docs.empty()) {
        out.header.periodFrom = docs.front().header.periodFrom;
        out.header.corporationName = docs.front().header.corporationName;
        out.header.unitName = docs.front().header.unitName;
    }
    if (!options.pageNumbers)
        out.footer.clear();
    out.newPageOnGroup = !options.continuous;
    for (std::size_t d = 0; d < docs.size(); ++d) {
        const ReportDocument& doc = docs[d];
        // The ledger's own heading, shortened to the part in brackets that names it.
        QString name = doc.header.title;
        const qsizetype open = name.indexOf(QStringLiteral("【"));
        if (open >= 0)
            name = name.mid(open);
        ReportRow head;
        head.kind = ReportRow::Kind::GroupHeader;
        head.bold = true;
        head.cells = {QString(), QString(), doc.header.subtitle, QString(), QString(), name};
        head.group = doc.rows.empty() ? QString::number(d) : doc.rows.front().group;
        out.rows.push_back(head);
        for (const ReportRow& row : doc.rows)
            out.rows.push_back(row);
    }
    return out;
}

} // namespace k9::ledger
