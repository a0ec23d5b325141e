// SPDX-License-Identifier: GPL-3.0-or-later
// The journal CSV import: every line read and checked first, then one transaction.
#include "journal/journalimport.h"

#include "chart/chartdata.h"
#include "chart/postable.h"
#include "store/cp932.h"
#include "store/csv.h"
#include "store/database.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <unordered_map>
#include <unordered_set>

namespace k9 {
namespace {

constexpr int kColumns = 17;
constexpr int kTextWidth = 40; // tekiyou1, tekiyou2
constexpr int kLastUnit = 19;

enum Column {
    cSNo,
    cSubNo,
    cHizuke,
    cLcode,
    cRcode,
    cLHcode,
    cRHcode,
    cLkingaku,
    cRkingaku,
    cTekiyou1,
    cTekiyou2,
    cLflgS,
    cRflgS,
    cFlgT,
    cFlgU,
    cFlgV,
    cFlgW
};

// What the checks need to know of the data folder.
struct Books {
    QDate fiscalYearStart;
    QHash<QString, const ChartAccount*> accounts;
    QHash<QString, QSet<QString>> subAccounts; // account code → its sub-account codes
    std::array<bool, kLastUnit + 1> unitUsable{};
};

QString trimmedCode(const QString& s) {
    QString t = s.trimmed();
    while (t.endsWith(QChar(0x3000)))
        t.chop(1);
    return t;
}

Books readBooks(Database& aaa, const ChartData& chart) {
    Books b;
    b.fiscalYearStart =
        aaa.scalar(QStringLiteral("SELECT \"会計期首\" FROM \"Head\" ORDER BY rowid LIMIT 1")).toDate();
    for (const auto& a : chart.accounts)
        b.accounts.insert(trimmedCode(a.code), &a);
    for (const auto& s : chart.subAccounts)
        b.subAccounts[trimmedCode(s.accountCode)].insert(s.code.trimmed());
    // Unit 0 (the common lines) is always usable; a unit 1..19 must be named and not a
    // subtotal column.
    b.unitUsable[0] = true;
    Statement st = aaa.prepare(QStringLiteral("SELECT \"code\", \"Bumonmei\", \"F1\" FROM \"BUMON\""));
    while (st.step()) {
        const long long code = st.integer(0);
        if (code >= 1 && code <= kLastUnit)
            b.unitUsable[code] = !st.text(1).trimmed().isEmpty() && (st.isNull(2) || st.integer(2) < 2);
    }
    return b;
}

[[noreturn]] void refuse(int line, const QString& reason) {
    throw JournalImportError(line, reason);
}

long long wholeNumber(const QString& item, int line, const QString& column, bool required) {
    const QString t = item.trimmed();
    if (t.isEmpty()) {
        if (required)
            refuse(line, QStringLiteral("「%1」がありません。").arg(column));
        return 0;
    }
    bool ok = false;
    const long long n = t.toLongLong(&ok);
    if (!ok)
        refuse(line, QStringLiteral("「%1」の値「%2」は整数ではありません。").arg(column, t));
    return n;
}

std::optional<int> smallFlag(const QString& item, int line, const QString& column, int lo, int hi) {
    if (item.trimmed().isEmpty())
        return std::nullopt;
    const long long n = wholeNumber(item, line, column, false);
    if (n < lo || n > hi)
        refuse(line, QStringLiteral("「%1」の値 %2 は %3～%4 の範囲にありません。")
                         .arg(column)
                         .arg(n)
                         .arg(lo)
                         .arg(hi));
    return static_cast<int>(n);
}

// A date written yyyy/mm/dd (or with '-'; month and day may drop their leading zero).
QDate parseDate(const QString& item, int line) {
    const QString t = item.trimmed();
    const QChar separator = t.contains(QLatin1Char('/')) ? QLatin1Char('/') : QLatin1Char('-');
    const QList<QStringView> parts = QStringView(t).split(separator);
    if (parts.size() == 3 && parts[0].size() == 4 && parts[1].size() <= 2 && parts[2].size() <= 2) {
        bool okY = false, okM = false, okD = false;
        const int y = parts[0].toInt(&okY);
        const int m = parts[1].toInt(&okM);
        const int d = parts[2].toInt(&okD);
        if (okY && okM && okD && QDate::isValid(y, m, d))
            return QDate(y, m, d);
    }
    refuse(line, QStringLiteral("日付「%1」が正しくありません（yyyy/mm/dd で指定してください）。").arg(t));
}

Money parseAmount(const QString& item, int line, const QString& column) {
    if (item.trimmed().isEmpty())
        return Money();
    const std::optional<Money> m = Money::parse(item);
    if (!m || !m->isWholeYen())
        refuse(line,
               QStringLiteral("「%1」の値「%2」は円単位の金額ではありません。").arg(column, item.trimmed()));
    return *m;
}

QString checkedText(const QString& item, int line, const QString& column) {
    QString bad;
    if (!cp932::canEncode(item, &bad))
        refuse(line, QStringLiteral("「%1」に使えない文字「%2」があります。").arg(column, bad));
    return cp932::truncate(item, kTextWidth);
}

// One side of a line: the account must be postable, a sub-account code is required exactly
// when the account has sub-accounts and must be one of them, and a code needs an amount
// (an amount without a code is refused as well).
void checkSide(const Books& books, int line, const QString& side, QString& code, QString& subCode,
               const Money& amount) {
    code = trimmedCode(code);
    subCode = subCode.trimmed();
    if (code.isEmpty()) {
        if (!subCode.isEmpty())
            refuse(line,
                   QStringLiteral("%1科目がないのに補助科目コード「%2」があります。").arg(side, subCode));
        if (!amount.isEmpty() && !amount.isZero())
            refuse(line, QStringLiteral("%1科目がないのに%1金額があります。").arg(side));
        return;
    }
    const ChartAccount* account = books.accounts.value(code);
    if (!account)
        refuse(line, QStringLiteral("%1科目コード「%2」は科目にありません。").arg(side, code));
    if (!isPostableAccount(*account))
        refuse(line, QStringLiteral("%1科目「%2」（%3）には仕訳を入力できません。")
                         .arg(side, code, account->name.trimmed()));
    if (amount.isEmpty())
        refuse(line, QStringLiteral("%1科目「%2」の%1金額がありません。").arg(side, code));
    const auto subs = books.subAccounts.constFind(code);
    if (subCode.isEmpty()) {
        if (subs != books.subAccounts.constEnd() && !subs->isEmpty())
            refuse(line, QStringLiteral("%1科目「%2」には補助科目コードが必要です。").arg(side, code));
        return;
    }
    bool ok = false;
    const int n = subCode.toInt(&ok);
    if (!ok || n < 0 || n > 999)
        refuse(line,
               QStringLiteral("%1補助科目コード「%2」は3桁までの数字ではありません。").arg(side, subCode));
    subCode = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    if (subs == books.subAccounts.constEnd() || !subs->contains(subCode))
        refuse(line, QStringLiteral("%1科目「%2」に補助科目コード「%3」は登録されていません。")
                         .arg(side, code, subCode));
    // The totals stop on these, so they are refused here already.
    if (flagIs(account->flgG, 11) && (n < 921 || n > 925))
        refuse(line, QStringLiteral("%1科目「%2」の補助科目コード「%3」は 921～925 の範囲にありません。")
                         .arg(side, code, subCode));
    if (flagIs(account->flgG, 920) && (n < 901 || n > 920))
        refuse(line, QStringLiteral("%1科目「%2」の補助科目コード「%3」は 901～920 の範囲にありません。")
                         .arg(side, code, subCode));
}

ImportedLine parseLine(const Books& books, const QStringList& items, int line) {
    if (items.size() < kColumns)
        refuse(
            line,
            QStringLiteral("項目が %1 個しかありません（%2 個必要です）。").arg(items.size()).arg(kColumns));
    const QStringList& names = journalCsvColumns();
    ImportedLine l;
    l.fileLine = line;
    l.sNo = wholeNumber(items[cSNo], line, names[cSNo], true);
    l.subNo = wholeNumber(items[cSubNo], line, names[cSubNo], true);
    if (l.sNo <= 0 || l.subNo <= 0)
        refuse(line, QStringLiteral("伝票番号と行番号は1以上の整数で指定してください。"));
    l.date = parseDate(items[cHizuke], line);
    if (books.fiscalYearStart.isValid() && l.date < books.fiscalYearStart)
        refuse(line, QStringLiteral("日付 %1 は会計期首 %2 より前です。")
                         .arg(l.date.toString(QStringLiteral("yyyy/MM/dd")),
                              books.fiscalYearStart.toString(QStringLiteral("yyyy/MM/dd"))));
    l.lamount = parseAmount(items[cLkingaku], line, names[cLkingaku]);
    l.ramount = parseAmount(items[cRkingaku], line, names[cRkingaku]);
    l.lcode = items[cLcode];
    l.rcode = items[cRcode];
    l.lhcode = items[cLHcode];
    l.rhcode = items[cRHcode];
    checkSide(books, line, QStringLiteral("借方"), l.lcode, l.lhcode, l.lamount);
    checkSide(books, line, QStringLiteral("貸方"), l.rcode, l.rhcode, l.ramount);
    if (l.lcode.isEmpty() && l.rcode.isEmpty())
        refuse(line, QStringLiteral("借方にも貸方にも科目がありません。"));
    l.tekiyou1 = checkedText(items[cTekiyou1], line, names[cTekiyou1]);
    l.tekiyou2 = checkedText(items[cTekiyou2], line, names[cTekiyou2]);
    l.lflgS = smallFlag(items[cLflgS], line, names[cLflgS], 0, 32767);
    l.rflgS = smallFlag(items[cRflgS], line, names[cRflgS], 0, 32767);
    const std::optional<int> unit = smallFlag(items[cFlgT], line, names[cFlgT], 0, kLastUnit);
    if (!unit)
        refuse(line, QStringLiteral("会計（FlgT）がありません。"));
    if (!books.unitUsable[*unit])
        refuse(line, QStringLiteral("会計 %1 は登録されていないか、小計の列です。").arg(*unit));
    l.flgT = *unit;
    l.flgU = smallFlag(items[cFlgU], line, names[cFlgU], 0, 1);
    l.flgV = smallFlag(items[cFlgV], line, names[cFlgV], 0, 1);
    l.flgW = smallFlag(items[cFlgW], line, names[cFlgW], -32768, 32767);
    return l;
}

void checkHeader(const QString& header) {
    QStringList items = splitCsvLine(header);
    for (auto& item : items)
        item = item.trimmed();
    while (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    if (items.size() != kColumns)
        refuse(1, QStringLiteral("見出し行が仕訳のCSVの形式ではありません（%1）。")
                      .arg(journalCsvColumns().join(u',')));
    for (int i = 0; i < kColumns; ++i)
        if (items[i].compare(journalCsvColumns()[i], Qt::CaseInsensitive) != 0)
            refuse(1, QStringLiteral("見出し行の %1 番目の項目「%2」は「%3」ではありません。")
                          .arg(i + 1)
                          .arg(items[i], journalCsvColumns()[i]));
}

// The vouchers of the file: one date and one unit per voucher, no line number twice, the
// debit amounts summing to the credit amounts.
void checkVouchers(const std::vector<ImportedLine>& lines) {
    struct Voucher {
        const ImportedLine* first = nullptr;
        Money debit = Money::zero();
        Money credit = Money::zero();
    };
    std::unordered_map<long long, Voucher> vouchers;
    std::vector<long long> order;
    QSet<QPair<long long, long long>> keys;
    keys.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& l : lines) {
        if (keys.contains({l.sNo, l.subNo}))
            refuse(l.fileLine,
                   QStringLiteral("伝票番号 %1 の行番号 %2 が重複しています。").arg(l.sNo).arg(l.subNo));
        keys.insert({l.sNo, l.subNo});
        Voucher& v = vouchers[l.sNo];
        if (!v.first) {
            v.first = &l;
            order.push_back(l.sNo);
        } else {
            if (l.date != v.first->date)
                refuse(l.fileLine, QStringLiteral("伝票番号 %1 の日付が %2 行目と違います。")
                                       .arg(l.sNo)
                                       .arg(v.first->fileLine));
            if (l.flgT != v.first->flgT)
                refuse(l.fileLine, QStringLiteral("伝票番号 %1 の会計が %2 行目と違います。")
                                       .arg(l.sNo)
                                       .arg(v.first->fileLine));
        }
        if (!l.lcode.isEmpty())
            v.debit = v.debit + l.lamount;
        if (!l.rcode.isEmpty())
            v.credit = v.credit + l.ramount;
    }
    for (long long sNo : order) {
        const Voucher& v = vouchers[sNo];
        if (v.debit.raw() != v.credit.raw())
            refuse(v.first->fileLine,
                   QStringLiteral("伝票番号 %1 の借方合計 %2 と貸方合計 %3 が一致しません。")
                       .arg(sNo)
                       .arg(v.debit.format(), v.credit.format()));
    }
}

void bindOptional(Statement& st, int index, const std::optional<int>& v) {
    if (v)
        st.bindInt(index, *v);
    else
        st.bindNull(index);
}

void bindText(Statement& st, int index, const QString& text) {
    if (text.isEmpty())
        st.bindNull(index);
    else
        st.bindText(index, text);
}

} // namespace

JournalImportError::JournalImportError(int lineNumber, const QString& reason)
    : K9Error(QStringLiteral("%1行目: %2\n仕訳は取り込んでいません。").arg(lineNumber).arg(reason)),
      m_line(lineNumber), m_reason(reason) {}

const QStringList& journalCsvColumns() {
    static const QStringList columns = {
        QStringLiteral("SNo"),      QStringLiteral("Sub_No"),   QStringLiteral("hizuke"),
        QStringLiteral("Lcode"),    QStringLiteral("Rcode"),    QStringLiteral("LHcode"),
        QStringLiteral("RHcode"),   QStringLiteral("Lkingaku"), QStringLiteral("Rkingaku"),
        QStringLiteral("tekiyou1"), QStringLiteral("tekiyou2"), QStringLiteral("LflgS"),
        QStringLiteral("RflgS"),    QStringLiteral("FlgT"),     QStringLiteral("FlgU"),
        QStringLiteral("FlgV"),     QStringLiteral("FlgW")};
    return columns;
}

std::vector<ImportedLine> readJournalCsv(Database& aaa, const QByteArray& cp932Text) {
    const ChartData chart = loadChart(aaa);
    const Books books = readBooks(aaa, chart);
    const QString text = cp932::decode(cp932Text);
    std::vector<ImportedLine> lines;
    lines.reserve(static_cast<size_t>(cp932Text.count('\n')) + 1);
    int lineNumber = 0;
    qsizetype pos = 0;
    bool headerSeen = false;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(pos, end - pos);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        pos = end + 1;
        ++lineNumber;
        if (!headerSeen) {
            checkHeader(line.toString());
            headerSeen = true;
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        lines.push_back(parseLine(books, splitCsvLine(line.toString()), lineNumber));
    }
    if (!headerSeen)
        refuse(1, QStringLiteral("ファイルが空です。"));
    checkVouchers(lines);
    return lines;
}

JournalImportResult importJournalCsv(Database& aaa, const QByteArray& cp932Text) {
    const std::vector<ImportedLine> lines = readJournalCsv(aaa, cp932Text);
    JournalImportResult result;

    // The voucher numbers already in the journal, read once.
    std::unordered_set<long long> existing;
    {
        Statement st = aaa.prepare(QStringLiteral("SELECT DISTINCT \"SNo\" FROM \"denpyou1\""));
        while (st.step())
            existing.insert(st.integer(0));
    }
    Transaction tx(aaa);
    Statement remove = aaa.prepare(QStringLiteral("DELETE FROM \"denpyou1\" WHERE \"SNo\"=?1"));
    Statement insert = aaa.prepare(QStringLiteral(
        "INSERT INTO \"denpyou1\" (\"SNo\",\"Sub_No\",\"hizuke\",\"Lcode\",\"Rcode\",\"LHcode\",\"RHcode\","
        "\"Lkingaku\",\"Rkingaku\",\"tekiyou1\",\"tekiyou2\",\"LflgS\",\"RflgS\",\"FlgT\",\"FlgU\",\"FlgV\","
        "\"FlgW\") VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16,?17)"));
    std::unordered_set<long long> written;
    for (const auto& l : lines) {
        if (written.insert(l.sNo).second) {
            ++result.vouchers;
            if (existing.count(l.sNo)) {
                remove.bindInt(1, l.sNo);
                remove.run();
                ++result.replaced;
            }
        }
        insert.bindInt(1, l.sNo).bindInt(2, l.subNo).bindText(3, l.date.toString(Qt::ISODate));
        bindText(insert, 4, l.lcode);
        bindText(insert, 5, l.rcode);
        bindText(insert, 6, l.lhcode);
        bindText(insert, 7, l.rhcode);
        if (l.lamount.isEmpty())
            insert.bindNull(8);
        else
            insert.bindMoney(8, l.lamount);
        if (l.ramount.isEmpty())
            insert.bindNull(9);
        else
            insert.bindMoney(9, l.ramount);
        bindText(insert, 10, l.tekiyou1);
        bindText(insert, 11, l.tekiyou2);
        bindOptional(insert, 12, l.lflgS);
        bindOptional(insert, 13, l.rflgS);
        insert.bindInt(14, l.flgT);
        bindOptional(insert, 15, l.flgU);
        bindOptional(insert, 16, l.flgV);
        bindOptional(insert, 17, l.flgW);
        insert.run();
        ++result.lines;
    }
    tx.commit();
    return result;
}

JournalImportResult importJournalFile(Database& aaa, const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw K9Error(QStringLiteral("ファイル「%1」を読めません。").arg(file));
    return importJournalCsv(aaa, f.readAll());
}

QString journalImportSummary(const JournalImportResult& result) {
    return QStringLiteral("仕訳 %1 行（伝票 %2 件、うち同じ伝票番号の置き換え %3 件）を取り込みました。")
        .arg(result.lines)
        .arg(result.vouchers)
        .arg(result.replaced);
}

} // namespace k9
