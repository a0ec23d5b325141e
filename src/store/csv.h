// SPDX-License-Identifier: GPL-3.0-or-later
// The one CSV writer and reader of the program. Files are CP932 text with CR LF line ends.
// Written lines quote texts, dates and booleans in double quotes (a quote inside is
// doubled) and leave numbers bare; read lines are split by the comma-text rule, so every
// file written here reads back to the same rows. Also the key-matched copy of one table
// into another.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace k9 {

class Database;
class Prompter;

// The question asked before a file is written over.
QString overwriteQuestion();

// One item of a written line.
struct CsvField {
    QString text;
    bool quoted = true;
};

// Builds a CSV file in memory, line by line, as CP932.
class CsvWriter {
public:
    // A line of quoted labels.
    void addHeader(const QStringList& labels);
    // A line of items: quoted items take double quotes with any quote inside doubled, bare
    // items are written as they are. Raises EncodingError for text CP932 cannot carry.
    void addRow(const std::vector<CsvField>& fields);
    const QByteArray& bytes() const { return m_bytes; }
    int lineCount() const { return m_lines; }
    // Writes the file in one step (an existing file is replaced only when the whole new
    // content is on disk). Raises K9Error when the file cannot be written.
    void save(const QString& file) const;

private:
    QByteArray m_bytes;
    int m_lines = 0;
};

// True when `file` does not exist, or exists and the user answers Yes to the overwrite
// question (a warning with Yes, No and Cancel).
bool confirmOverwrite(const QString& file, Prompter& prompter);

// Splits one line by the comma-text rule: items are separated by commas and, outside
// double quotes, also by blanks and control characters (which are dropped around items); a
// double-quoted item may hold commas and blanks, and a doubled quote inside it stands for
// one quote; an empty item between two commas, or after a final comma, is kept. At most
// 1000 items are returned.
QStringList splitCsvLine(const QString& line);

// The text of a stored value for a CSV item of a column of the declared type (CHARACTER,
// MONEY, DATE, …; empty for an expression): amounts as plain decimals without grouping,
// dates as yyyy/mm/dd, booleans as True/False. Sets *quoted for everything but
// INTEGER, SMALLINT, WORD, AUTOINC, MONEY and FLOAT columns (and, for an expression, for
// anything but a number).
QString csvText(const QVariant& value, const QString& declaredType, bool* quoted);

// Writes `table` (all columns, or the named ones in that order) in key order: a header line
// of the column names, then one line per row. Asks the overwrite question first; returns
// false, leaving the file untouched, unless the answer is Yes. Raises StoreError for an
// unknown table or column and K9Error when the file cannot be written.
bool exportTableCsv(Database& db, const QString& table, const QString& file, Prompter& prompter,
                    const QStringList& columns = {});

// Writes the result of `sql` (values for ?1, ?2, … or :PM1, :PM2, … in `params`): a header
// line of the result's column labels, then one line per row. Same question and results as
// exportTableCsv.
bool exportQueryCsv(Database& db, const QString& sql, const std::vector<QVariant>& params,
                    const QString& file, Prompter& prompter);

// How a CSV file is read into a table.
struct CsvImportOptions {
    // The table's columns that the items fill, in order; empty = every column in order.
    QStringList columns;
    // A condition that limits the rows the import may change (":PM1", ":PM2", … bound from
    // filterParams). With a condition no row is ever appended.
    QString filter;
    std::vector<QVariant> filterParams;
};

// Reads `file` into `table`. The first line (the header) and empty lines are skipped; each
// further line is split with splitCsvLine and its items fill the columns by position, as
// far as the line has items. Commas are removed from the items of numeric columns (so
// "1,234" is 1234); texts keep theirs. keyCount 0 empties the table (or the rows under the
// filter) first and appends every line; keyCount 1, 2 or 3 updates the row whose first
// 1..3 columns equal the line's first items and appends a line without such a row.
// The whole import is one transaction: a value that does not convert to its column's type
// rolls everything back and raises ConversionError naming the line and the column. A
// missing file does nothing. Returns the number of lines applied.
int importCsv(Database& db, const QString& file, const QString& table, int keyCount,
              const CsvImportOptions& options = {});

// A condition with values for ":PM1", ":PM2", … that limits the source rows of a copy.
struct RowFilter {
    QString where;
    std::vector<QVariant> params;
};

// Copies every row of `source` (in `sourceDb`, limited by `filter`) into `target` (in
// `targetDb`), creating `target` with the source's columns, key and indexes when it does
// not exist. keyCount 1, 2 or 3: the target row whose first 1..3 columns equal the source
// row's is overwritten, else a row is appended; keyCount 0: the target's first row is
// overwritten (or appended when the target is empty). Columns are copied by position; the
// two tables must carry the same column names in the same order (a longer target keeps its
// extra columns), else StoreError. One transaction on the target. Returns the rows copied.
int copyTableByKey(Database& sourceDb, const QString& source, Database& targetDb, const QString& target,
                   int keyCount, const RowFilter& filter = {});
int copyTableByKey(Database& db, const QString& source, const QString& target, int keyCount);

} // namespace k9
