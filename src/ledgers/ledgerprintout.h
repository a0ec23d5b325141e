// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger's printout on the report renderer: each ledger of a printed range with
// its own heading (the hierarchy names of the account, the account code, the period, the
// corporation and the unit), the columns of the ledger, shaded month subtotals and a bold
// total row. Each ledger starts a new page unless the user asked for continuous printing;
// for double-sided printing every ledger starts on an odd page.
#pragma once

#include "ledgers/ledgerprint.h"
#include "reports/report.h"

#include <vector>

namespace k9::ledger {

// The dialog's report options.
struct LedgerPrintOptions {
    bool pageNumbers = true; // "ページ番号": 印刷する
    bool duplex = false;     // "両面印刷時科目改頁"
    bool continuous = false; // "科目改頁しないで印刷"
};

// The printed columns: 日　　付, 伝票番号, 相手科目, 補助科目, 税区分, 摘　　　　要, 借　方,
// 貸　方, 残　高.
std::vector<ReportColumn> ledgerPrintColumns();

// The printed cells of one ledger row: the date as yy-MM-dd, the voucher as "No-Sub", the
// counter account with its code, the counter side's sub-account, the tax class, the two
// descriptions joined by "　", and the three amounts with thousands separators.
QStringList ledgerPrintCells(const LedgerRow& row);

// Amounts above 999,999,999 are printed in bold to catch the eye.
bool oversizedAmount(const LedgerRow& row);

// Lays out the ledgers, `headings[i]` heading `ledgers.ledgers[i]`, one document per ledger:
// its title, code line, period, corporation and unit head every page, and its month
// subtotals print on grey. With `duplex` a ledger of an odd number of pages gets an empty
// last page so that the next ledger begins on a front side. With `pageNumbers` off the
// footer stays empty. No ledger gives one empty document.
std::vector<ReportDocument> ledgerDocuments(const Ledgers& ledgers,
                                            const std::vector<LedgerHeading>& headings,
                                            const LedgerPrintOptions& options);

// The printout of a finished build: the headings looked up in the data folder's chart
// (`shownOnScreen` for the screen's own ledger, whose title always names the sub-account
// box) and laid out.
std::vector<ReportDocument> ledgerPrintout(Session& session, const Ledgers& ledgers, bool shownOnScreen,
                                           const LedgerPrintOptions& options);

// The ledgers of a printout in one document for the preview. One ledger keeps its own
// document. Several ledgers follow each other under the heading "総勘定元帳", each opened by
// a group-header row with its account code and name, each starting a new page unless
// `continuous` (and on a front side with `duplex`).
ReportDocument previewDocument(const std::vector<ReportDocument>& docs, const LedgerPrintOptions& options);

} // namespace k9::ledger
