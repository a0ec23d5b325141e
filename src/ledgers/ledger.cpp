// SPDX-License-Identifier: GPL-3.0-or-later
// Building the ledger rows from the work chart and journal, and WTBL2.
#include "ledgers/ledger.h"

#include "engine/journalsource.h"
#include "engine/lineselection.h"
#include "engine/workstore.h"
#include "store/cp932.h"
#include "store/database.h"
#include "store/schema.h"
#include "store/session.h"
#include "store/textutil.h"

#include <QHash>
#include <iterator>
#include <sqlite3.h>

namespace k9::ledger {
namespace {

// Width of a stored description; the rows keep whole characters within it.
constexpr int kDescriptionBytes = 40;

ColumnDef column(const char* name, const char* type, int width = 0) {
    return {QString::fromUtf8(name), QString::fromLatin1(type), width};
}

// A ledger to build: its key, where its balance starts and how its rows are labelled.
struct LedgerTarget {
    QString accountCode;
    QString subCode;
    QString accountName;
    QString subName;
    int nature = 0;
    std::optional<Money> carryForward; // none: no carry-forward row
    QString carryLabel;
};

// The chart names the rows show: accounts by code, sub-accounts by (code, sub-code).
struct ChartNames {
    QHash<QString, QString> accounts;    // code → 科目名 with spaces removed
    QHash<QString, QString> subAccounts; // code + '\x1f' + sub-code → 補助科目名
    static QString subKey(const QString& code, const QString& sub) { return code + QChar(0x1f) + sub; }
    QString account(const QString& code) const { return accounts.value(code); }
    QString sub(const QString& code, const QString& sub) const {
        return sub.isEmpty() ? QString() : subAccounts.value(subKey(code, sub));
    }
};

ChartNames loadNames(Database& www) {
    ChartNames names;
    Statement a = www.prepare(QStringLiteral("SELECT \"code\",\"科目名\" FROM \"kamoku\""));
    while (a.step())
        names.accounts.insert(a.text(0).trimmed(), removeSpaces(a.text(1)));
    Statement s =
        www.prepare(QStringLiteral("SELECT \"kamoku_CD\",\"hojo_CD\",\"補助科目名\" FROM \"hojokamoku\""));
    while (s.step())
        names.subAccounts.insert(ChartNames::subKey(s.text(0).trimmed(), s.text(1).trimmed()), s.text(2));
    return names;
}

// One journal line as the ledger reads it.
struct SourceLine {
    long long sNo = 0;
    int subNo = 0;
    QDate date;
    int day = 0;
    QString lcode;
    QString rcode;
    QString lhcode;
    QString rhcode;
    Money lAmount;
    Money rAmount;
    QString tekiyou1;
    QString tekiyou2;
    std::optional<int> lflgS;
    std::optional<int> rflgS;
};

// The rows of one ledger, line by line.
class LedgerBuilder {
public:
    LedgerBuilder(const LedgerTarget& target, const ChartNames& names, bool trimDescriptions)
        : m_target(target), m_names(names), m_trim(trimDescriptions) {
        m_key = target.accountCode + target.subCode;
        if (target.carryForward) {
            LedgerRow row = base(RowKind::CarryForward);
            row.tekiyou1 = target.carryLabel;
            row.balance = target.carryForward->orZero();
            m_balance = row.balance;
            m_rows.push_back(std::move(row));
        } else {
            m_nextSNo = 1;
        }
    }

    // Adds a listed journal line when one of its sides belongs to the ledger.
    void add(const SourceLine& line) {
        const bool debitSide = belongs(line.lcode, line.lhcode);
        const bool creditSide = belongs(line.rcode, line.rhcode);
        if (!debitSide && !creditSide)
            return;
        if (m_lastLine >= 0) {
            // A new month closes the last one; a line of the same date takes over the
            // balance shown on the previous line.
            if (m_lastDate.month() != line.date.month() || m_lastDate.year() != line.date.year())
                closeMonth();
            else if (m_lastDate == line.date)
                m_rows[m_lastLine].balance = Money();
        }
        LedgerRow row = base(RowKind::Line);
        row.voucher = line.sNo;
        row.subNo = line.subNo;
        if (m_lastLine < 0 || m_lastDate != line.date)
            row.date = line.date;
        row.taxClass = line.lflgS ? QString::number(*line.lflgS)
                                  : (line.rflgS ? QString::number(*line.rflgS) : QString());
        row.tekiyou1 = m_trim ? cp932::truncate(line.tekiyou1, kDescriptionBytes) : line.tekiyou1;
        row.tekiyou2 = m_trim ? cp932::truncate(line.tekiyou2, kDescriptionBytes) : line.tekiyou2;
        const bool compound = line.lAmount.raw() != line.rAmount.raw();
        if (debitSide) {
            row.debit = line.lAmount.orZero();
            row.ownSubName = m_names.sub(line.lcode, line.lhcode);
            row.counterSubName = m_names.sub(line.rcode, line.rhcode);
            setCounter(row, compound, line.rcode);
        }
        if (creditSide) {
            row.credit = line.rAmount.orZero();
            row.ownSubName = m_names.sub(line.rcode, line.rhcode);
            row.counterSubName = m_names.sub(line.lcode, line.lhcode);
            setCounter(row, compound, line.lcode);
        }
        const Money change = m_target.nature == 1 ? row.credit.orZero() - row.debit.orZero()
                                                  : row.debit.orZero() - row.credit.orZero();
        m_balance += change;
        row.balance = m_balance;
        m_monthDebit += row.debit;
        m_monthCredit += row.credit;
        m_debit += row.debit;
        m_credit += row.credit;
        ++m_lineCount;
        m_lastDate = line.date;
        m_lastLine = static_cast<int>(m_rows.size());
        m_rows.push_back(std::move(row));
    }

    // Closes the last month and appends the total row.
    void finish(Ledgers& out) {
        closeMonth();
        LedgerRow total = base(RowKind::Total);
        total.tekiyou1 = totalLabel();
        total.debit = m_debit;
        total.credit = m_credit;
        total.balance = m_balance;
        m_rows.push_back(std::move(total));

        LedgerSummary s;
        s.key = m_key;
        s.accountCode = m_target.accountCode;
        s.subCode = m_target.subCode;
        s.accountName = m_target.accountName;
        s.subName = m_target.subName;
        s.nature = m_target.nature;
        s.lineCount = m_lineCount;
        s.debit = m_debit;
        s.credit = m_credit;
        s.balance = m_balance;
        s.firstRow = out.rows.size();
        s.rowCount = m_rows.size();
        out.ledgers.push_back(std::move(s));
        if (out.rows.empty()) {
            out.rows = std::move(m_rows);
        } else {
            out.rows.reserve(out.rows.size() + m_rows.size());
            std::move(m_rows.begin(), m_rows.end(), std::back_inserter(out.rows));
        }
        m_rows.clear();
    }

private:
    bool belongs(const QString& code, const QString& sub) const {
        return code == m_target.accountCode && (m_target.subCode.isEmpty() || sub == m_target.subCode);
    }

    void setCounter(LedgerRow& row, bool compound, const QString& counterCode) const {
        if (compound) {
            row.counterName = compoundCounterName();
            row.counterCode.clear();
        } else {
            row.counterName = m_names.account(counterCode);
            row.counterCode = counterCode;
        }
    }

    LedgerRow base(RowKind kind) {
        LedgerRow row;
        row.kind = kind;
        row.sNo = m_nextSNo++;
        row.key = m_key;
        return row;
    }

    void closeMonth() {
        LedgerRow row = base(RowKind::MonthTotal);
        row.tekiyou1 = monthTotalLabel(m_lastLine >= 0 ? m_lastDate.month() : 0);
        row.debit = m_monthDebit;
        row.credit = m_monthCredit;
        row.balance = m_balance;
        m_rows.push_back(std::move(row));
        m_monthDebit = Money::zero();
        m_monthCredit = Money::zero();
    }

    const LedgerTarget& m_target;
    const ChartNames& m_names;
    bool m_trim;
    QString m_key;
    std::vector<LedgerRow> m_rows;
    int m_nextSNo = 0;
    int m_lastLine = -1;
    QDate m_lastDate;
    int m_lineCount = 0;
    Money m_balance = Money::zero();
    Money m_monthDebit = Money::zero();
    Money m_monthCredit = Money::zero();
    Money m_debit = Money::zero();
    Money m_credit = Money::zero();
};

QString isoDate(const QDate& d) {
    return d.toString(Qt::ISODate);
}

// Reads the period's journal lines (all, or those of one account) in date, voucher and
// line order and hands each listed line to `visit`.
template <typename Visit>
void readJournal(Database& www, const LedgerPeriod& period, const QString* code, Visit&& visit) {
    QString sql = QStringLiteral(
        "SELECT \"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\",\"LHcode\",\"RHcode\",\"Lkingaku\","
        "\"Rkingaku\",\"tekiyou1\",\"tekiyou2\",\"LflgS\",\"RflgS\",\"FlgU\",\"FlgV\" FROM \"denpyou1\" "
        "WHERE \"hizuke\">=?1 AND \"hizuke\"<?2");
    if (code)
        sql += QStringLiteral(" AND (rtrim(\"Lcode\")=?3 OR rtrim(\"Rcode\")=?3)");
    sql += QStringLiteral(" ORDER BY \"hizuke\",\"SNo\",\"Sub_No\"");
    Statement st = www.prepare(sql);
    st.bindText(1, isoDate(period.from));
    st.bindText(2, isoDate(period.to.addDays(1)));
    if (code)
        st.bindText(3, *code);
    const totals::Period dates = totals::Period::of(period.start, period.from, period.to);
    SourceLine line;
    QByteArray lastDateText;
    while (st.step()) {
        // Lines come in date order: the date is parsed once per day.
        const auto* raw = reinterpret_cast<const char*>(sqlite3_column_text(st.handle(), 2));
        const QByteArray dateText(raw ? raw : "", raw ? qMin(sqlite3_column_bytes(st.handle(), 2), 10) : 0);
        if (dateText != lastDateText) {
            lastDateText = dateText;
            line.day = totals::dayNumberFromIso(std::string_view(dateText.constData(), dateText.size()));
            line.date =
                line.day == 0 ? QDate() : QDate(line.day / 10000, line.day / 100 % 100, line.day % 100);
        }
        const int flgU = static_cast<int>(st.integer(13));
        const int flgV = static_cast<int>(st.integer(14));
        if (totals::placeLine(line.day, flgU, flgV, dates, period.options) != totals::LinePlacement::InPeriod)
            continue;
        line.sNo = st.integer(0);
        line.subNo = static_cast<int>(st.integer(1));
        line.lcode = st.text(3).trimmed();
        line.rcode = st.text(4).trimmed();
        line.lhcode = st.text(5).trimmed();
        line.rhcode = st.text(6).trimmed();
        line.lAmount = st.money(7);
        line.rAmount = st.money(8);
        line.tekiyou1 = st.text(9);
        line.tekiyou2 = st.text(10);
        line.lflgS = st.isNull(11) ? std::nullopt : std::optional<int>(static_cast<int>(st.integer(11)));
        line.rflgS = st.isNull(12) ? std::nullopt : std::optional<int>(static_cast<int>(st.integer(12)));
        visit(line);
    }
}

// The account ledgers to build, from the work kamoku in code order.
std::vector<LedgerTarget> accountTargets(Database& www, const QString& where,
                                         const std::vector<QVariant>& params, bool namedCarryForward) {
    Statement st = www.prepare(
        QStringLiteral(
            "SELECT \"code\",\"科目名\",\"FlgC\",\"前残高\" FROM \"kamoku\" WHERE %1 ORDER BY \"code\"")
            .arg(where));
    for (std::size_t i = 0; i < params.size(); ++i)
        st.bind(static_cast<int>(i + 1), params[i]);
    std::vector<LedgerTarget> targets;
    while (st.step()) {
        LedgerTarget s;
        s.accountCode = st.text(0).trimmed();
        s.accountName = st.text(1);
        s.nature = st.integer(2) == 1 ? 1 : 0;
        s.carryForward = st.money(3);
        s.carryLabel = namedCarryForward ? namedCarryForwardLabel(s.accountName) : carryForwardLabel();
        targets.push_back(std::move(s));
    }
    return targets;
}

Ledgers build(Database& www, const LedgerPeriod& period, const std::vector<LedgerTarget>& targets,
              bool subAccounts) {
    const ChartNames names = loadNames(www);
    std::vector<LedgerBuilder> builders;
    builders.reserve(targets.size());
    for (const auto& s : targets)
        builders.emplace_back(s, names, !subAccounts);
    if (targets.size() == 1) {
        LedgerBuilder& only = builders.front();
        readJournal(www, period, &targets.front().accountCode,
                    [&](const SourceLine& line) { only.add(line); });
    } else if (!targets.empty()) {
        QHash<QString, int> byKey;
        for (std::size_t i = 0; i < targets.size(); ++i)
            byKey.insert(subAccounts ? ChartNames::subKey(targets[i].accountCode, targets[i].subCode)
                                     : targets[i].accountCode,
                         static_cast<int>(i));
        auto find = [&](const QString& code, const QString& sub) {
            return byKey.value(subAccounts ? ChartNames::subKey(code, sub) : code, -1);
        };
        readJournal(www, period, nullptr, [&](const SourceLine& line) {
            const int debit = find(line.lcode, line.lhcode);
            const int credit = find(line.rcode, line.rhcode);
            if (debit >= 0)
                builders[debit].add(line);
            if (credit >= 0 && credit != debit)
                builders[credit].add(line);
        });
    }
    Ledgers out;
    out.ledgers.reserve(builders.size());
    for (auto& b : builders)
        b.finish(out);
    return out;
}

} // namespace

QString carryForwardLabel() {
    return QStringLiteral("繰り越し");
}

QString totalLabel() {
    return QStringLiteral("　　　　合　　　計");
}

QString compoundCounterName() {
    return QStringLiteral("諸　口");
}

QString monthTotalLabel(int month) {
    return QStringLiteral(" ＊＊ %1 月　計　＊＊").arg(month, 2, 10, QLatin1Char('0'));
}

QString namedCarryForwardLabel(const QString& accountName) {
    const QString label = QStringLiteral("【") + removeSpaces(accountName) + QStringLiteral("】   繰り越し");
    // A label that runs past 39 bytes with a double-byte character starting at byte 40 is
    // cut before that character.
    if (cp932::byteWidth(label) > 39) {
        const QString head = cp932::truncate(label, 39);
        if (cp932::byteWidth(head) == 39 && head.size() < label.size() &&
            cp932::byteWidth(label.at(head.size())) == 2)
            return head;
    }
    return label;
}

QString LedgerSummary::titleName() const {
    return isSubAccount() ? accountName + QStringLiteral("・") + subName : accountName;
}

LedgerPeriod storedLedgerPeriod(Session& session) {
    const totals::StoredPeriod stored = totals::loadStoredPeriod(session.www);
    if (!stored.from.isValid() || !stored.to.isValid())
        throw K9Error(QStringLiteral("期間が設定されていません。「期間変更」で期間を指定してください。"));
    LedgerPeriod p;
    p.start = session.fiscalYearStart.isValid() ? session.fiscalYearStart : stored.from;
    p.from = stored.from;
    p.to = stored.to;
    p.options = {session.adjustingVoucherMode, session.unsettledVoucherMode};
    return p;
}

const TableDef& ledgerTable() {
    static const TableDef t{QStringLiteral("WTBL2"),
                            {column("SNo", "INTEGER"), column("Denpyou_No", "INTEGER"),
                             column("hizuke", "DATE"), column("tekiyou1", "CHARACTER", 50),
                             column("tekiyou2", "CHARACTER", 50), column("Ahojokamoku", "CHARACTER", 20),
                             column("Lkingaku", "MONEY"), column("Rkingaku", "MONEY"),
                             column("zandaka", "MONEY"), column("aitekamoku", "CHARACTER", 40),
                             column("aiteCode", "CHARACTER", 5), column("Bhojokamoku", "CHARACTER", 20),
                             column("Flg", "SMALLINT"), column("Sub_No", "SMALLINT"),
                             column("Bumonmei", "CHARACTER", 14), column("zei", "CHARACTER", 10)},
                            {QStringLiteral("Bumonmei"), QStringLiteral("SNo")},
                            {}};
    return t;
}

Ledgers accountLedger(Database& www, const LedgerPeriod& period, const QString& code) {
    return build(www, period,
                 accountTargets(www, QStringLiteral("rtrim(\"code\")=?1"), {code.trimmed()}, false), false);
}

Ledgers allAccountLedgers(Database& www, const LedgerPeriod& period) {
    return build(www, period, accountTargets(www, QStringLiteral("\"FlgA\"=0"), {}, true), false);
}

Ledgers accountRangeLedgers(Database& www, const LedgerPeriod& period, const QString& from,
                            const QString& to) {
    return build(www, period,
                 accountTargets(www,
                                QStringLiteral("\"FlgA\"=0 AND rtrim(\"code\")>=?1 AND rtrim(\"code\")<=?2"),
                                {from.trimmed(), to.trimmed()}, false),
                 false);
}

Ledgers subAccountLedger(Database& www, const LedgerPeriod& period, const QString& code, const QString& sub) {
    LedgerTarget s;
    s.accountCode = code.trimmed();
    s.subCode = sub.trimmed();
    s.carryLabel = carryForwardLabel();
    Statement a =
        www.prepare(QStringLiteral("SELECT \"科目名\",\"FlgC\" FROM \"kamoku\" WHERE rtrim(\"code\")=?1"));
    a.bindText(1, s.accountCode);
    if (a.step()) {
        s.accountName = a.text(0);
        s.nature = a.integer(1) == 1 ? 1 : 0;
    }
    Statement h = www.prepare(QStringLiteral("SELECT \"補助科目名\",\"前残高\" FROM \"hojokamoku\" "
                                             "WHERE rtrim(\"kamoku_CD\")=?1 AND rtrim(\"hojo_CD\")=?2"));
    h.bindText(1, s.accountCode).bindText(2, s.subCode);
    if (h.step()) {
        s.subName = h.text(0);
        s.carryForward = h.money(1);
    }
    return build(www, period, {s}, true);
}

Ledgers subAccountRangeLedgers(Database& www, const LedgerPeriod& period, const QString& first,
                               const QString& last) {
    Statement st = www.prepare(QStringLiteral(
        "SELECT "
        "rtrim(h.\"kamoku_CD\"),rtrim(h.\"hojo_CD\"),h.\"補助科目名\",h.\"前残高\",k.\"FlgC\",k.\"科目名\" "
        "FROM \"hojokamoku\" h JOIN \"kamoku\" k ON rtrim(h.\"kamoku_CD\")=rtrim(k.\"code\") "
        "WHERE rtrim(h.\"kamoku_CD\")||rtrim(h.\"hojo_CD\")>=?1 AND "
        "rtrim(h.\"kamoku_CD\")||rtrim(h.\"hojo_CD\")<=?2 "
        "ORDER BY 1,2"));
    st.bindText(1, first.trimmed()).bindText(2, last.trimmed());
    std::vector<LedgerTarget> targets;
    while (st.step()) {
        LedgerTarget s;
        s.accountCode = st.text(0);
        s.subCode = st.text(1);
        s.subName = st.text(2);
        s.carryForward = st.money(3);
        s.nature = st.integer(4) == 1 ? 1 : 0;
        s.accountName = st.text(5);
        s.carryLabel = carryForwardLabel();
        targets.push_back(std::move(s));
    }
    return build(www, period, targets, true);
}

void storeLedgerRows(Database& www, const std::vector<LedgerRow>& rows) {
    const TableDef& def = ledgerTable();
    Transaction tx(www);
    dropTableIfExists(www, def.name);
    createTable(www, def);
    Statement st = www.prepare(QStringLiteral(
        "INSERT INTO \"WTBL2\" (\"SNo\",\"Denpyou_No\",\"hizuke\",\"tekiyou1\",\"tekiyou2\",\"Ahojokamoku\","
        "\"Lkingaku\",\"Rkingaku\",\"zandaka\",\"aitekamoku\",\"aiteCode\",\"Bhojokamoku\",\"Flg\",\"Sub_"
        "No\","
        "\"Bumonmei\",\"zei\") VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16)"));
    // The texts come from the CP932-checked chart and journal or are this program's own
    // labels, so they are bound as they are; only a text that may run past its column's
    // width is measured and cut.
    auto text = [&](int i, const QString& s, int width) {
        if (s.isEmpty()) {
            st.bindNull(i);
            return;
        }
        const QByteArray utf8 = (s.size() * 2 > width ? cp932::truncate(s, width) : s).toUtf8();
        sqlite3_bind_text(st.handle(), i, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    };
    for (const auto& r : rows) {
        st.bindInt(1, r.sNo);
        r.voucher ? st.bindInt(2, *r.voucher) : st.bindNull(2);
        r.date.isValid() ? st.bindText(3, isoDate(r.date)) : st.bindNull(3);
        text(4, r.tekiyou1, 50);
        text(5, r.tekiyou2, 50);
        text(6, r.ownSubName, 20);
        st.bindMoney(7, r.debit).bindMoney(8, r.credit).bindMoney(9, r.balance);
        text(10, r.counterName, 40);
        text(11, r.counterCode, 5);
        text(12, r.counterSubName, 20);
        r.isMonthTotal() ? st.bindInt(13, 1) : st.bindNull(13);
        r.subNo ? st.bindInt(14, *r.subNo) : st.bindNull(14);
        text(15, r.key, 14);
        text(16, r.taxClass, 10);
        st.run();
    }
    tx.commit();
}

Ledgers showAccountLedger(Session& session, const QString& code) {
    Ledgers l = accountLedger(session.www, storedLedgerPeriod(session), code);
    storeLedgerRows(session.www, l.rows);
    return l;
}

Ledgers showSubAccountLedger(Session& session, const QString& code, const QString& sub) {
    Ledgers l = subAccountLedger(session.www, storedLedgerPeriod(session), code, sub);
    storeLedgerRows(session.www, l.rows);
    return l;
}

std::vector<LedgerRow> loadLedgerRows(Database& www) {
    std::vector<LedgerRow> rows;
    if (!www.tableExists(ledgerTable().name))
        return rows;
    Statement st = www.prepare(QStringLiteral(
        "SELECT \"SNo\",\"Denpyou_No\",\"hizuke\",\"tekiyou1\",\"tekiyou2\",\"Ahojokamoku\",\"Lkingaku\","
        "\"Rkingaku\",\"zandaka\",\"aitekamoku\",\"aiteCode\",\"Bhojokamoku\",\"Flg\",\"Sub_No\","
        "\"Bumonmei\","
        "\"zei\" FROM \"WTBL2\" ORDER BY rowid"));
    while (st.step()) {
        LedgerRow r;
        r.sNo = static_cast<int>(st.integer(0));
        if (!st.isNull(1))
            r.voucher = st.integer(1);
        r.date = st.date(2);
        r.tekiyou1 = st.text(3);
        r.tekiyou2 = st.text(4);
        r.ownSubName = st.text(5);
        r.debit = st.money(6);
        r.credit = st.money(7);
        r.balance = st.money(8);
        r.counterName = st.text(9);
        r.counterCode = st.text(10);
        r.counterSubName = st.text(11);
        if (!st.isNull(13))
            r.subNo = static_cast<int>(st.integer(13));
        r.key = st.text(14);
        r.taxClass = st.text(15);
        if (st.integer(12) == 1)
            r.kind = RowKind::MonthTotal;
        else if (r.voucher)
            r.kind = RowKind::Line;
        else if (r.sNo == 0)
            r.kind = RowKind::CarryForward;
        else
            r.kind = RowKind::Total;
        rows.push_back(std::move(r));
    }
    return rows;
}

} // namespace k9::ledger
