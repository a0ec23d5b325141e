// SPDX-License-Identifier: GPL-3.0-or-later
// The batch verb "ledger": the general ledger of one account or sub-account of a unit over
// a period, after the same totals run as the period dialog's "実    行", written as the
// grid shows it (running balance included), or its printout as a PDF file.
//   k9 --appdir DIR batch ledger --data PATH --unit N --account CODE [--sub CODE]
//      --from YYYY-MM-DD --to YYYY-MM-DD [--adjusting 0|1|2] [--unsettled 0|1]
//      --format csv|pdf --out FILE
#pragma once

#include "app/batchtotals.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace k9 {

class Prompter;

// The verb's parsed options.
struct LedgerVerbOptions {
    TotalsRequest totals;
    QString account;
    QString sub;    // empty: the account ledger
    ReportFile out; // CSV of the grid, or the printout of the ledger as PDF
};

// The usage lines of the verb, as the batch usage lists them.
const char* ledgerVerbUsage();

// Parses the verb's arguments (starting with the verb itself). A missing or malformed
// option is reported on `err` and gives nullopt.
std::optional<LedgerVerbOptions> parseLedgerVerb(const QStringList& args, QTextStream& err);

// Runs the totals of the unit for the period, builds the ledger and writes it to the file
// (relative to appDir when not absolute). Returns 0 when written, 1 when the user declined
// to replace the file. Raises K9Error (PeriodError,
// StoreError, …) with the reason when the data folder, the unit, the account or the
// sub-account is refused or the file cannot be written.
int runLedger(const QString& appDir, const LedgerVerbOptions& options, Prompter& prompter,
              const QDate& today);

// Parses and runs: the whole verb for the batch table.
int runLedgerVerb(const QString& appDir, const QStringList& args, Prompter& prompter, QTextStream& err,
                  const QDate& today);

} // namespace k9
