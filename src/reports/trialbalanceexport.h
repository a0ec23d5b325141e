// SPDX-License-Identifier: GPL-3.0-or-later
// The trial balance as a file, for batch mode: the three tabs with their check pairs as CSV
// (through the one CSV writer), or the three statements in layout A as PDF (through the
// report renderer). The figures are the ones the screen shows after the same totals run.
#pragma once

#include "reports/report.h"
#include "reports/trialbalance.h"
#include "reports/trialbalanceprint.h"
#include "store/csv.h"

namespace k9 {

class Prompter;
struct Session;

enum class TrialFileFormat { Csv, Pdf };

// The CSV lines: for each tab its caption, a header of the grid titles, one line per account
// (codes and names quoted, amounts as plain yen, 比 with one decimal), then the check pair as
// "label", amount, "label", amount, "一致" or "不一致"; an empty line between tabs.
CsvWriter trialBalanceCsv(const TrialBalance& tb);

// Layout A of the three statements with the print settings and the unit's report header.
std::vector<ReportDocument> trialBalanceLayoutADocuments(Session& session, const TrialBalance& tb,
                                                         const TrialPrintSettings& settings);

// Reads the trial balance of the work folder (after runTotals) and writes it to `file`:
// CSV, or layout A as PDF with the Regist 202 print settings. Asks before replacing an
// existing file; returns false when the answer was not Yes. Raises K9Error when the file
// cannot be written and StoreError when the work tables cannot be read.
bool writeTrialBalanceFile(Session& session, TrialFileFormat format, const QString& file, Prompter& prompter);

} // namespace k9
