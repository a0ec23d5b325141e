// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/voucherstore.h"

#include "journal/journaltexts.h"
#include "store/database.h"
#include "store/tabledefs.h"

#include <limits>

namespace k9 {
namespace {

const QString kJournal = QStringLiteral("denpyou1");

std::optional<int> optionalInt(const Statement& st, int i) {
    if (st.isNull(i))
        return std::nullopt;
    return static_cast<int>(st.integer(i));
}

QVariant intOrNull(const std::optional<int>& v) {
    return v ? QVariant(*v) : QVariant();
}

std::optional<int> firstInt(Statement& st) {
    if (!st.step() || st.isNull(0))
        return std::nullopt;
    return static_cast<int>(st.integer(0));
}

// A query over the voucher list: `sql` holds "%1" where the unit condition goes and ?1 for
// the voucher number; the unit is bound as ?2.
std::optional<int> listQuery(Database& aaa, const VoucherList& list, const QString& sql,
                             std::optional<int> sNo) {
    const QString cond = list.unit ? QStringLiteral(" AND FlgT = ?2") : QString();
    Statement st = aaa.prepare(sql.arg(cond));
    if (sNo)
        st.bindInt(1, *sNo);
    else
        st.bindInt(1, 0);
    if (list.unit)
        st.bindInt(2, *list.unit);
    return firstInt(st);
}

const TableDef& workVoucherTable() {
    static const TableDef t = [] {
        auto col = [](const char* n, const char* type, int width = 0) {
            return ColumnDef{QString::fromUtf8(n), QString::fromLatin1(type), width};
        };
        std::vector<ColumnDef> c = {col("SNo", "INTEGER"),
                                    col("Sub_No", "FLOAT"),
                                    col("Hizuke", "DATE"),
                                    col("Lcode", "CHARACTER", 5),
                                    col("Rcode", "CHARACTER", 5),
                                    col("LHcode", "CHARACTER", 3),
                                    col("RHcode", "CHARACTER", 3),
                                    col("Lkamoku", "CHARACTER", 40),
                                    col("Rkamoku", "CHARACTER", 40),
                                    col("LHkamoku", "CHARACTER", 20),
                                    col("RHkamoku", "CHARACTER", 20),
                                    col("LKingaku", "MONEY"),
                                    col("RKingaku", "MONEY"),
                                    col("tekiyou1", "CHARACTER", 40),
                                    col("tekiyou2", "CHARACTER", 40),
                                    col("LflgF", "INTEGER"),
                                    col("RflgF", "INTEGER"),
                                    col("LflgS", "INTEGER"),
                                    col("RflgS", "INTEGER"),
                                    col("LkubunS", "CHARACTER", 10),
                                    col("RkubunS", "CHARACTER", 10),
                                    col("flgT", "INTEGER"),
                                    col("flgU", "INTEGER"),
                                    col("flgV", "INTEGER"),
                                    col("flgW", "INTEGER"),
                                    col("flgBumon", "INTEGER"),
                                    col("Bumonmei", "CHARACTER", 20)};
        return TableDef{QStringLiteral("wkdenpyo"), c, {QStringLiteral("SNo"), QStringLiteral("Sub_No")}, {}};
    }();
    return t;
}

} // namespace

NumberBlock numberBlock(int scheme, int unit) {
    if (scheme != kSerialPerUnit)
        return {};
    if (unit == 0)
        return {kAllocationBlockStart, 0x7fffffff};
    return {unit * kUnitBlock + 1, unit * kUnitBlock + kUnitBlock - 1};
}

std::optional<int> nextVoucherNumber(Database& aaa, int scheme, int unit) {
    const NumberBlock block = numberBlock(scheme, unit);
    Statement st = aaa.prepare(QStringLiteral("SELECT MAX(SNo) FROM denpyou1 WHERE SNo BETWEEN ?1 AND ?2"));
    st.bindInt(1, block.first).bindInt(2, block.last);
    const std::optional<int> highest = firstInt(st);
    if (!highest)
        return block.first;
    if (*highest >= block.last)
        return std::nullopt;
    return *highest + 1;
}

bool voucherExists(Database& aaa, int sNo) {
    Statement st = aaa.prepare(QStringLiteral("SELECT 1 FROM denpyou1 WHERE SNo = ?1 LIMIT 1"));
    st.bindInt(1, sNo);
    return st.step();
}

std::optional<StoredVoucher> readVoucher(Database& aaa, int sNo) {
    Statement st = aaa.prepare(QStringLiteral(
        "SELECT Sub_No, hizuke, Lcode, Rcode, LHcode, RHcode, Lkingaku, Rkingaku, tekiyou1, tekiyou2, "
        "LflgS, RflgS, FlgT, FlgU, FlgV, FlgW FROM denpyou1 WHERE SNo = ?1 ORDER BY Sub_No"));
    st.bindInt(1, sNo);
    StoredVoucher v;
    while (st.step()) {
        StoredLine l;
        l.subNo = static_cast<int>(st.integer(0));
        l.lcode = st.text(2).trimmed();
        l.rcode = st.text(3).trimmed();
        l.lhcode = st.text(4).trimmed();
        l.rhcode = st.text(5).trimmed();
        l.lkingaku = st.money(6);
        l.rkingaku = st.money(7);
        l.tekiyou1 = st.text(8);
        l.tekiyou2 = st.text(9);
        l.lflgS = optionalInt(st, 10);
        l.rflgS = optionalInt(st, 11);
        l.flgT = optionalInt(st, 12);
        l.flgU = optionalInt(st, 13);
        l.flgV = optionalInt(st, 14);
        l.flgW = optionalInt(st, 15);
        if (v.lines.empty()) {
            v.header.sNo = sNo;
            v.header.date = st.date(1);
            v.header.unit = l.flgT.value_or(0);
            v.header.adjusting = l.flgU.value_or(0) == 1;
            v.header.unsettled = l.flgV.value_or(0) == 1;
        }
        v.lines.push_back(l);
    }
    if (v.lines.empty())
        return std::nullopt;
    return v;
}

int writeVoucher(Database& aaa, const VoucherHeader& header, const VoucherBuffer& buffer, bool replace) {
    Transaction tx(aaa);
    if (replace) {
        Statement del = aaa.prepare(QStringLiteral("DELETE FROM denpyou1 WHERE SNo = ?1"));
        del.bindInt(1, header.sNo);
        del.run();
    }
    static const QStringList names = {"SNo",    "Sub_No",   "hizuke",   "Lcode",    "Rcode",    "LHcode",
                                      "RHcode", "Lkingaku", "Rkingaku", "tekiyou1", "tekiyou2", "LflgS",
                                      "RflgS",  "FlgT",     "FlgU",     "FlgV",     "FlgW"};
    std::vector<ColumnInfo> cols;
    QStringList marks;
    for (const auto& n : names) {
        auto c = aaa.column(kJournal, n);
        if (!c)
            throw StoreError(QStringLiteral("表 %1 に列 %2 がありません。").arg(kJournal, n));
        cols.push_back(*c);
        marks << QStringLiteral("?%1").arg(marks.size() + 1);
    }
    QStringList quoted;
    for (const auto& n : names)
        quoted << quoteId(n);
    Statement ins = aaa.prepare(
        QStringLiteral("INSERT INTO denpyou1 (%1) VALUES (%2)").arg(quoted.join(','), marks.join(',')));
    int written = 0;
    for (int row = 0; row < VoucherBuffer::size(); ++row) {
        const VoucherLine& l = buffer.line(row);
        if (!l.hasAmount())
            continue;
        const QVariant values[] = {header.sNo,
                                   l.subNo,
                                   header.date,
                                   l.debit.code,
                                   l.credit.code,
                                   l.debit.subCode,
                                   l.credit.subCode,
                                   l.debit.amount.toVariant(),
                                   l.credit.amount.toVariant(),
                                   l.tekiyou1,
                                   l.tekiyou2,
                                   intOrNull(l.debit.tax),
                                   intOrNull(l.credit.tax),
                                   header.unit,
                                   header.adjusting ? QVariant(1) : QVariant(),
                                   header.unsettled ? QVariant(1) : QVariant(),
                                   intOrNull(l.flgW)};
        ins.reset();
        for (int i = 0; i < static_cast<int>(cols.size()); ++i)
            ins.bind(i + 1, aaa.fitValue(cols[static_cast<size_t>(i)], values[i]));
        ins.run();
        ++written;
    }
    tx.commit();
    return written;
}

int writeNewVoucher(Database& aaa, int scheme, VoucherHeader header, const VoucherBuffer& buffer) {
    Transaction tx(aaa);
    const auto number = nextVoucherNumber(aaa, scheme, header.unit);
    if (!number)
        throw StoreError(journaltext::numberBlockFull(header.unit));
    header.sNo = *number;
    // The block's highest number plus one is free by construction; the check guards the rule
    // that a new voucher never takes over the lines of another.
    if (voucherExists(aaa, header.sNo))
        throw StoreError(QStringLiteral("伝票番号【%1】はすでに使われています。").arg(header.sNo));
    writeVoucher(aaa, header, buffer, false);
    tx.commit();
    return header.sNo;
}

int deleteVoucher(Database& aaa, int sNo) {
    Transaction tx(aaa);
    const int n = aaa.run(QStringLiteral("DELETE FROM denpyou1 WHERE SNo = ?1"), {sNo});
    tx.commit();
    return n;
}

std::optional<int> firstVoucher(Database& aaa, const VoucherList& list) {
    return listQuery(aaa, list,
                     QStringLiteral("SELECT SNo FROM denpyou1 WHERE SNo >= ?1%1 ORDER BY SNo LIMIT 1"),
                     std::numeric_limits<int>::min());
}

std::optional<int> lastVoucher(Database& aaa, const VoucherList& list) {
    return listQuery(aaa, list,
                     QStringLiteral("SELECT SNo FROM denpyou1 WHERE SNo <= ?1%1 ORDER BY SNo DESC LIMIT 1"),
                     std::numeric_limits<int>::max());
}

std::optional<int> voucherAfter(Database& aaa, const VoucherList& list, int sNo) {
    return listQuery(aaa, list,
                     QStringLiteral("SELECT SNo FROM denpyou1 WHERE SNo > ?1%1 ORDER BY SNo LIMIT 1"), sNo);
}

std::optional<int> voucherBefore(Database& aaa, const VoucherList& list, int sNo) {
    return listQuery(aaa, list,
                     QStringLiteral("SELECT SNo FROM denpyou1 WHERE SNo < ?1%1 ORDER BY SNo DESC LIMIT 1"),
                     sNo);
}

bool voucherInList(Database& aaa, const VoucherList& list, int sNo) {
    return listQuery(aaa, list, QStringLiteral("SELECT SNo FROM denpyou1 WHERE SNo = ?1%1 LIMIT 1"), sNo)
        .has_value();
}

int countVouchers(Database& aaa, const VoucherList& list) {
    Statement st =
        aaa.prepare(list.unit ? QStringLiteral("SELECT COUNT(DISTINCT SNo) FROM denpyou1 WHERE FlgT = ?1")
                              : QStringLiteral("SELECT COUNT(DISTINCT SNo) FROM denpyou1"));
    if (list.unit)
        st.bindInt(1, *list.unit);
    return firstInt(st).value_or(0);
}

void recreateWorkVoucherTable(Database& www) {
    www.exec(QStringLiteral("DROP TABLE IF EXISTS wkdenpyo"));
    www.exec(createTableSql(workVoucherTable()));
    www.invalidateSchemaCache();
}

void writeWorkVoucherTable(Database& www, const VoucherBuffer& buffer, int sNo, int unit,
                           const QString& unitName, bool adjusting, bool unsettled) {
    Transaction tx(www);
    www.exec(QStringLiteral("DELETE FROM wkdenpyo"));
    const QString table = QStringLiteral("wkdenpyo");
    for (int row = 0; row < VoucherBuffer::size(); ++row) {
        const VoucherLine& l = buffer.line(row);
        www.insertRow(table, {{"SNo", sNo},
                              {"Sub_No", l.subNo},
                              {"Lcode", l.debit.code},
                              {"Rcode", l.credit.code},
                              {"LHcode", l.debit.subCode},
                              {"RHcode", l.credit.subCode},
                              {"Lkamoku", l.debit.name},
                              {"Rkamoku", l.credit.name},
                              {"LHkamoku", l.debit.subName},
                              {"RHkamoku", l.credit.subName},
                              {"LKingaku", l.debit.amount.toVariant()},
                              {"RKingaku", l.credit.amount.toVariant()},
                              {"tekiyou1", l.tekiyou1},
                              {"tekiyou2", l.tekiyou2},
                              {"LflgF", intOrNull(l.debit.defaultTax)},
                              {"RflgF", intOrNull(l.credit.defaultTax)},
                              {"LflgS", intOrNull(l.debit.tax)},
                              {"RflgS", intOrNull(l.credit.tax)},
                              {"LkubunS", l.debit.taxName},
                              {"RkubunS", l.credit.taxName},
                              {"flgT", unit},
                              {"flgU", adjusting ? QVariant(1) : QVariant()},
                              {"flgV", unsettled ? QVariant(1) : QVariant()},
                              {"flgW", intOrNull(l.flgW)},
                              {"flgBumon", unit},
                              {"Bumonmei", unitName}});
    }
    tx.commit();
}

} // namespace k9
