// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger as the grid shows it (columns, captions and cell texts, shared by the
// screen's model and the exports) and its two CSV forms: the "CSV出力" file with the
// stored columns of WTBL2, and the grid file of the batch mode.
#pragma once

#include "ledgers/ledger.h"

#include <QStringList>

namespace k9 {
class CsvWriter;
class Prompter;
} // namespace k9

namespace k9::ledger {

// The grid's columns in their order.
enum class GridColumn {
    Voucher,
    Date,
    TaxClass,
    Counter,
    Description1,
    Description2,
    Debit,
    Credit,
    Balance
};
inline constexpr int kGridColumnCount = 9;

// "伝票番号", "日付", "税区分", "相手科目", "摘要名１", "摘要名２", "借　　方", "貸　　方", "残　　高".
const QStringList& gridCaptions();

// A cell as the grid shows it: dates yyyy/MM/dd, amounts with thousands separators and no
// decimals, blanks empty.
QString gridText(const LedgerRow& row, GridColumn column);
bool isAmountColumn(GridColumn column);

// The default file of "CSV出力": 元帳.CSV in the user's home folder.
QString defaultCsvFile();

// "CSV出力": a header line of the column names Denpyou_No, Sub_No, hizuke, aitekamoku,
// Ahojokamoku, tekiyou1, tekiyou2, Lkingaku, Rkingaku, zandaka, then one line per row
// (amounts as plain numbers, dates yyyy/mm/dd, blanks empty).
void writeLedgerCsv(const std::vector<LedgerRow>& rows, CsvWriter& writer);

// The grid's rows for the batch mode: a header line of the grid captions, then one line per
// row with the grid's texts, amounts as plain numbers; the running balance blank where the
// grid leaves it blank.
void writeLedgerGridCsv(const std::vector<LedgerRow>& rows, CsvWriter& writer);

// Writes `rows` to `file` in the "CSV出力" layout, asking before an existing file is
// replaced. Returns false, leaving the file untouched, unless the answer is Yes. Raises
// K9Error when the file cannot be written and EncodingError for text CP932 cannot carry.
bool exportLedgerCsv(const std::vector<LedgerRow>& rows, const QString& file, Prompter& prompter);

} // namespace k9::ledger
