// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the work chart and journal, and writing the engine's figures back.
#include "engine/workstore.h"

#include "store/cp932.h"
#include "store/database.h"
#include "store/schema.h"

#include <sqlite3.h>

namespace k9::totals {
namespace {

const QStringList& flagColumns() {
    static const QStringList names = {"FlgA", "FlgB", "FlgC", "FlgD", "FlgE", "FlgG", "FlgH"};
    return names;
}

QString quotedList(const QStringList& names) {
    QStringList q;
    for (const auto& n : names)
        q << quoteId(n);
    return q.join(',');
}

QStringList amountColumns() {
    QStringList names;
    for (const auto& n : amountColumnNames())
        names << n;
    return names;
}

std::string codeText(const Statement& st, int i) {
    return std::string(trimBlanks(st.text(i).toStdString()));
}

// Reads the flags, the sixteen amounts and 比 starting at column `first`.
void readFiguresAndFlags(const Statement& st, int first, ChartLine& line) {
    line.flgA = st.isNull(first) ? std::nullopt : std::optional<int>(static_cast<int>(st.integer(first)));
    int* ints[] = {&line.flgB, &line.flgC, &line.flgD, &line.flgE, &line.flgG, &line.flgH};
    for (int k = 0; k < 6; ++k)
        *ints[k] = static_cast<int>(st.integer(first + 1 + k));
    const int amounts = first + 7;
    for (int c = 0; c < kAmountCount; ++c)
        line.amounts.values[c] = st.money(amounts + c);
    const int ratio = amounts + kAmountCount;
    line.ratio = st.isNull(ratio) ? std::nullopt : std::optional<double>(st.real(ratio));
}

std::vector<ChartLine> loadLines(Database& www, const QString& table, bool fund) {
    if (!www.tableExists(table))
        throw StoreError(QStringLiteral("作業フォルダに表 %1 がありません。").arg(table));
    const QString head = fund ? QStringLiteral("rowid,\"SNo\",\"code\",\"科目名\",")
                              : QStringLiteral("rowid,0,\"code\",\"科目名\",");
    const QString sql =
        QStringLiteral("SELECT %1%2,%3,%4 FROM %5 ORDER BY %6")
            .arg(head, quotedList(flagColumns()), quotedList(amountColumns()), quoteId(ratioColumnName()),
                 quoteId(table), fund ? QStringLiteral("\"SNo\"") : QStringLiteral("\"code\""));
    Statement st = www.prepare(sql);
    std::vector<ChartLine> lines;
    while (st.step()) {
        ChartLine line;
        line.rowId = st.integer(0);
        line.sNo = st.integer(1);
        line.code = codeText(st, 2);
        line.name = st.text(3);
        readFiguresAndFlags(st, 4, line);
        lines.push_back(std::move(line));
    }
    return lines;
}

void storeLines(Database& www, const QString& table, const std::vector<ChartLine>& lines) {
    QStringList sets;
    const QStringList names = amountColumns() << ratioColumnName();
    for (int i = 0; i < names.size(); ++i)
        sets << QStringLiteral("%1=?%2").arg(quoteId(names[i])).arg(i + 1);
    const int rowParam = static_cast<int>(names.size()) + 1;
    Statement st = www.prepare(
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?%3").arg(quoteId(table), sets.join(',')).arg(rowParam));
    for (const auto& line : lines) {
        for (int c = 0; c < kAmountCount; ++c)
            st.bindMoney(c + 1, line.amounts.values[c]);
        if (line.ratio)
            st.bind(kAmountCount + 1, *line.ratio);
        else
            st.bindNull(kAmountCount + 1);
        st.bindInt(rowParam, line.rowId);
        st.run();
    }
}

ColumnDef column(const char* name, const char* type, int width = 0) {
    return {QString::fromUtf8(name), QString::fromLatin1(type), width};
}

// Money read straight from a column of the journal.
Money moneyAt(sqlite3_stmt* st, int i) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_NULL:
        return Money();
    case SQLITE_INTEGER:
        return Money::fromYen(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT:
        return Money::fromVariant(sqlite3_column_double(st, i));
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        const auto m = Money::parse(QString::fromUtf8(p, sqlite3_column_bytes(st, i)));
        return m ? *m : Money();
    }
    }
}

std::string_view textAt(sqlite3_stmt* st, int i) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
    if (!p)
        return {};
    return std::string_view(p, static_cast<size_t>(sqlite3_column_bytes(st, i)));
}

} // namespace

const TableDef& descriptionSummaryTable() {
    static const TableDef t{QStringLiteral("WTBL7"),
                            {column("code", "CHARACTER", 5), column("FlgC", "INTEGER"),
                             column("FlgH", "INTEGER"), column("tekiyoumei", "CHARACTER", 40),
                             column("kin0", "MONEY"), column("kinL", "MONEY"), column("kinR", "MONEY"),
                             column("kin1", "MONEY"), column("kin2", "MONEY"), column("Cnt", "INTEGER")},
                            {QStringLiteral("code"), QStringLiteral("FlgC"), QStringLiteral("tekiyoumei")},
                            {}};
    return t;
}

const TableDef& inventoryListTable() {
    static const TableDef t{QStringLiteral("WTBL"),
                            {column("code", "CHARACTER", 5), column("FlgA", "SMALLINT"),
                             column("FlgE", "SMALLINT"), column("kamokumei", "CHARACTER", 50),
                             column("kingaku", "FLOAT")},
                            {},
                            {}};
    return t;
}

std::vector<ChartLine> loadAccounts(Database& www) {
    return loadLines(www, QStringLiteral("kamoku"), false);
}

std::vector<ChartLine> loadFundLines(Database& www) {
    return loadLines(www, QStringLiteral("kamoku2"), true);
}

std::vector<SubAccountLine> loadSubAccounts(Database& www) {
    if (!www.tableExists(QStringLiteral("hojokamoku")))
        throw StoreError(QStringLiteral("作業フォルダに表 hojokamoku がありません。"));
    Statement st = www.prepare(QStringLiteral(
        "SELECT rowid,\"kamoku_CD\",\"hojo_CD\",\"期首繰越\",\"前残高\",\"借方\",\"貸方\",\"残高\","
        "\"残高合計\" FROM \"hojokamoku\" ORDER BY \"kamoku_CD\",\"hojo_CD\""));
    std::vector<SubAccountLine> subs;
    while (st.step()) {
        SubAccountLine s;
        s.rowId = st.integer(0);
        s.accountCode = codeText(st, 1);
        s.code = codeText(st, 2);
        s.opening = st.money(3);
        s.before = st.money(4);
        s.debit = st.money(5);
        s.credit = st.money(6);
        s.net = st.money(7);
        s.closing = st.money(8);
        subs.push_back(std::move(s));
    }
    return subs;
}

ChartRows loadWorkChart(Database& www) {
    return {loadAccounts(www), loadFundLines(www), loadSubAccounts(www)};
}

void WorkJournalSource::forEach(const JournalVisitor& visit) {
    Statement read = m_www.prepare(QStringLiteral(
        "SELECT \"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\",\"LHcode\",\"RHcode\",\"Lkingaku\","
        "\"Rkingaku\",\"tekiyou1\",\"FlgU\",\"FlgV\" FROM \"denpyou1\""));
    sqlite3_stmt* st = read.handle();
    JournalLine line;
    while (read.step()) {
        line.sNo = sqlite3_column_int64(st, 0);
        line.subNo = sqlite3_column_int64(st, 1);
        line.day = dayNumberFromIso(textAt(st, 2));
        line.lcode = trimBlanks(textAt(st, 3));
        line.rcode = trimBlanks(textAt(st, 4));
        line.lhcode = trimBlanks(textAt(st, 5));
        line.rhcode = trimBlanks(textAt(st, 6));
        line.lAmount = moneyAt(st, 7);
        line.rAmount = moneyAt(st, 8);
        line.tekiyou1 = trimTrailingBlanks(textAt(st, 9));
        line.flgU = sqlite3_column_int(st, 10);
        line.flgV = sqlite3_column_int(st, 11);
        visit(line);
    }
}

void storeAccountFigures(Database& www, const std::vector<ChartLine>& accounts) {
    storeLines(www, QStringLiteral("kamoku"), accounts);
}

void storeFundFigures(Database& www, const std::vector<ChartLine>& fundLines) {
    storeLines(www, QStringLiteral("kamoku2"), fundLines);
}

void storeSubAccountFigures(Database& www, const std::vector<SubAccountLine>& subAccounts) {
    Statement st =
        www.prepare(QStringLiteral("UPDATE \"hojokamoku\" SET \"前残高\"=?1,\"借方\"=?2,\"貸方\"=?3,"
                                   "\"残高\"=?4,\"残高合計\"=?5 WHERE rowid=?6"));
    for (const auto& s : subAccounts) {
        st.bindMoney(1, s.before).bindMoney(2, s.debit).bindMoney(3, s.credit).bindMoney(4, s.net);
        st.bindMoney(5, s.closing).bindInt(6, s.rowId);
        st.run();
    }
}

void storeDescriptionSummary(Database& www, const std::vector<ChartLine>& accounts,
                             const std::vector<DescriptionRow>& rows) {
    const TableDef& def = descriptionSummaryTable();
    dropTableIfExists(www, def.name);
    createTable(www, def);
    Statement st =
        www.prepare(QStringLiteral("INSERT INTO \"WTBL7\" (%1) VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10)")
                        .arg(quotedList(def.columnNames())));
    for (const auto& r : rows) {
        const ChartLine& account = accounts[r.account];
        st.bindText(1, QString::fromStdString(account.code))
            .bindInt(2, account.flgC)
            .bindInt(3, account.flgH);
        st.bindText(4, QString::fromStdString(r.group));
        st.bindMoney(5, r.before).bindMoney(6, r.debit).bindMoney(7, r.credit).bindMoney(8, r.closing);
        st.bindMoney(9, r.change).bindInt(10, r.count);
        st.run();
    }
}

void storeInventoryList(Database& www, const std::vector<InventoryRow>& rows) {
    const TableDef& def = inventoryListTable();
    dropTableIfExists(www, def.name);
    createTable(www, def);
    Statement st =
        www.prepare(QStringLiteral("INSERT INTO \"WTBL\" (\"code\",\"FlgA\",\"FlgE\",\"kamokumei\","
                                   "\"kingaku\") VALUES (NULL,?1,?2,?3,?4)"));
    for (const auto& r : rows) {
        st.bind(1, r.flgA ? QVariant(*r.flgA) : QVariant());
        st.bind(2, r.flgE ? QVariant(*r.flgE) : QVariant());
        st.bind(3, r.label.isEmpty() ? QVariant() : QVariant(cp932::truncate(r.label, 50)));
        st.bind(4, r.amount ? QVariant(*r.amount) : QVariant());
        st.run();
    }
}

WorkCacheScope::WorkCacheScope(Database& www) : m_www(www) {
    constexpr int kCacheKiB = 65536;
    m_previous = www.scalar(QStringLiteral("PRAGMA cache_size")).toLongLong();
    www.exec(QStringLiteral("PRAGMA cache_size=-%1").arg(kCacheKiB));
}

WorkCacheScope::~WorkCacheScope() {
    if (m_www.isOpen())
        sqlite3_exec(m_www.handle(),
                     QStringLiteral("PRAGMA cache_size=%1").arg(m_previous).toUtf8().constData(), nullptr,
                     nullptr, nullptr);
}

StoredPeriod loadStoredPeriod(Database& www) {
    Statement st = www.prepare(QStringLiteral("SELECT \"自期日\",\"至期日\" FROM \"Head\" LIMIT 1"));
    StoredPeriod p;
    if (st.step()) {
        p.from = st.date(0);
        p.to = st.date(1);
    }
    return p;
}

void storePeriod(Database& www, const QDate& fiscalYearStart, const QDate& from, const QDate& to) {
    const int changed =
        www.run(QStringLiteral("UPDATE \"Head\" SET \"自期日\"=?1,\"至期日\"=?2"), {from, to});
    if (changed == 0)
        www.run(QStringLiteral("INSERT INTO \"Head\" (\"会計期首\",\"自期日\",\"至期日\") VALUES (?1,?2,?3)"),
                {fiscalYearStart.isValid() ? QVariant(fiscalYearStart) : QVariant(), from, to});
}

} // namespace k9::totals
