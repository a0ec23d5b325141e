// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a journal CSV file into the data folder's journal (denpyou1): the header line of
// the seventeen journal column names in double quotes, then one journal line per row, CP932
// text. Every line is checked as voucher entry checks it (a date from the fiscal-year start,
// postable accounts, registered sub-accounts, codes and amounts paired on each side, a
// registered unit, debits equal to credits per voucher); the first bad line refuses the
// whole file with its line number, and nothing is imported. A good file is imported in one
// transaction: each of its vouchers replaces the journal's voucher of the same number
// (all of that voucher's lines), the others are added.
#pragma once

#include "store/errors.h"
#include "store/money.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace k9 {

class Database;

// A line of the file that cannot be imported; nothing was imported.
class JournalImportError : public K9Error {
public:
    JournalImportError(int lineNumber, const QString& reason);
    int lineNumber() const { return m_line; } // 1 = the header line
    const QString& reason() const { return m_reason; }

private:
    int m_line;
    QString m_reason;
};

// The seventeen journal columns in file order.
const QStringList& journalCsvColumns();

// One journal line read from the file.
struct ImportedLine {
    int fileLine = 0; // line number in the file
    long long sNo = 0;
    long long subNo = 0;
    QDate date;
    QString lcode, rcode, lhcode, rhcode; // sub-account codes with three digits, or empty
    Money lamount, ramount;               // empty when the item was empty
    QString tekiyou1, tekiyou2;
    std::optional<int> lflgS, rflgS, flgU, flgV, flgW;
    int flgT = 0;
};

struct JournalImportResult {
    int lines = 0;    // journal lines written
    int vouchers = 0; // vouchers written
    int replaced = 0; // of which replaced a voucher of the same number
};

// Reads and checks the file's lines against the data folder's chart, units and fiscal-year
// start. Raises JournalImportError for the first bad line.
std::vector<ImportedLine> readJournalCsv(Database& aaa, const QByteArray& cp932Text);

// Checks and imports CP932 text in the journal CSV layout, in one transaction on `aaa`.
// Raises JournalImportError (nothing imported) or StoreError.
JournalImportResult importJournalCsv(Database& aaa, const QByteArray& cp932Text);

// The same for a file. Raises K9Error when the file cannot be read.
JournalImportResult importJournalFile(Database& aaa, const QString& file);

// The text batch mode and the screens show after an import.
QString journalImportSummary(const JournalImportResult& result);

} // namespace k9
