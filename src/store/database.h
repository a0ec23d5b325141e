// SPDX-License-Identifier: GPL-3.0-or-later
// A thin RAII layer over the SQLite C API. One Database is one folder's file (program,
// data or work folder); statements bind ":PM1"-style parameters; Transaction scopes a
// multi-step change. Writes through insertRow/updateRows cut text to the column's declared
// CP932 width, and every bound text is checked for CP932.
#pragma once

#include "store/errors.h"
#include "store/money.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace k9 {

// One column as the schema declares it.
struct ColumnInfo {
    QString name;
    QString type;  // declared type word, upper case: CHARACTER, VARCHAR, INTEGER, MONEY, ...
    int width = 0; // declared width in CP932 bytes for texts, 0 otherwise
    bool primaryKey = false;
    bool isText() const { return type == QLatin1String("CHARACTER") || type == QLatin1String("VARCHAR"); }
    bool isNumeric() const;
};

class Database;

class Statement {
public:
    Statement() = default;
    Statement(Database& db, const QString& sql);
    Statement(Statement&& o) noexcept;
    Statement& operator=(Statement&& o) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Binds by parameter name (":PM1") or 1-based index. QString values are checked for CP932.
    Statement& bind(const char* name, const QVariant& value);
    Statement& bind(int index, const QVariant& value);
    Statement& bindText(int index, const QString& text);
    Statement& bindInt(int index, long long value);
    Statement& bindNull(int index);
    Statement& bindMoney(int index, Money m);
    // Steps once; true while a row is available.
    bool step();
    // Runs to completion (for statements without result rows).
    void run();
    void reset();

    int columnCount() const;
    QString columnName(int i) const;
    bool isNull(int i) const;
    QString text(int i) const;
    long long integer(int i) const;
    double real(int i) const;
    Money money(int i) const;
    QDate date(int i) const;
    QVariant value(int i) const;
    int columnIndex(const QString& name) const; // -1 when absent

    sqlite3_stmt* handle() const { return m_stmt; }

private:
    void check(int rc) const;
    Database* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// Column i of the current row, where i may be -1 for a column the table lacks (as
// columnIndex gives it): an absent or NULL column reads as a blank Money, 0 or an empty text.
Money moneyAt(const Statement& st, int i);
int flagAt(const Statement& st, int i);
QString textAt(const Statement& st, int i);

class Database {
public:
    enum class Kind { Program, Data, Work, Other };

    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (creating when missing) the database file. Data folders use a rollback journal
    // with synchronous=FULL; the work folder favours speed.
    void open(const QString& file, Kind kind);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    const QString& fileName() const { return m_file; }
    Kind kind() const { return m_kind; }
    sqlite3* handle() const { return m_db; }

    // Runs one or more statements without parameters.
    void exec(const QString& sql);
    Statement prepare(const QString& sql) { return Statement(*this, sql); }
    // Runs a statement with positional values for ?1, ?2, ... and returns rows changed.
    int run(const QString& sql, const std::vector<QVariant>& params = {});
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const std::vector<QVariant>& params = {});

    bool tableExists(const QString& table);
    // Declared columns of a table (cached until the schema changes through this object).
    const std::vector<ColumnInfo>& columns(const QString& table);
    std::optional<ColumnInfo> column(const QString& table, const QString& column);
    bool hasColumn(const QString& table, const QString& col) { return column(table, col).has_value(); }
    int rowCount(const QString& table);
    void invalidateSchemaCache() { m_columns.clear(); }

    // Writes one row by column name. Texts are checked for CP932 and cut to the column's
    // width at a character boundary; QString values for numeric columns are converted.
    void insertRow(const QString& table, const std::vector<std::pair<QString, QVariant>>& values);
    // Sets the named columns on the rows matching `where` (a condition with ?N parameters
    // that follow the values). Returns the number of rows changed.
    int updateRows(const QString& table, const std::vector<std::pair<QString, QVariant>>& values,
                   const QString& where, const std::vector<QVariant>& whereParams = {});
    // A value made fit for the column: text cut to width, numbers converted.
    QVariant fitValue(const ColumnInfo& col, const QVariant& v) const;

    // View-only protection: while set, every statement that would change this database is
    // refused with ViewOnlyError. Exemption lifts it for the program's own structural work.
    void setWriteProtected(bool on);
    bool writeProtected() const { return m_writeProtected; }
    class Exemption {
    public:
        explicit Exemption(Database& db);
        ~Exemption();
        Exemption(const Exemption&) = delete;
        Exemption& operator=(const Exemption&) = delete;

    private:
        Database& m_db;
        bool m_was;
    };

    QString lastError() const;
    bool inTransaction() const;
    // Raises StoreError (or ViewOnlyError) for a failed SQLite call.
    [[noreturn]] void fail(int rc, const QString& context = {}) const;

private:
    sqlite3* m_db = nullptr;
    QString m_file;
    Kind m_kind = Kind::Other;
    bool m_writeProtected = false;
    std::map<QString, std::vector<ColumnInfo>> m_columns; // key: lower-case table name
};

// Scopes a transaction: rolled back on destruction unless commit() ran. Nested scopes on
// the same database use savepoints, so an operation may call another that opens its own.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    QString m_savepoint;
    bool m_done = false;
};

// Quotes an identifier for SQL ("科目名" → "\"科目名\"").
QString quoteId(const QString& name);

} // namespace k9
