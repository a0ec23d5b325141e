// SPDX-License-Identifier: GPL-3.0-or-later
// The demo corporation: a foundation running a public-benefit cultural programme (unit 1),
// a small revenue-earning business (unit 2) and its corporate administration (unit 3).
#include "app/demo.h"

#include "app/batch.h"
#include "app/batchtotals.h"
#include "app/startup.h"
#include "app/unitregister.h"
#include "chart/chartsync.h"
#include "journal/journalimport.h"
#include "store/csv.h"
#include "store/database.h"
#include "store/errors.h"
#include "store/session.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace k9 {
namespace {

constexpr int kUnits = 3;
const char* const kUnitNames[kUnits + 1] = {"合　計", "公益目的事業会計", "収益事業等会計", "法人会計"};
const char* const kCorporationName = "公益財団法人　かなめ文化振興会";
const char* const kRepresentative = "理事長　山田　一郎";

// Shares of the administrative expenses (管理費, codes 52xxx) booked as common lines.
constexpr int kAdminShares[kUnits + 1] = {100, 50, 20, 30};

// Account codes of the standard chart the demo posts to.
namespace acct {
const QString cash = QStringLiteral("10100");
const QString bank = QStringLiteral("10120");
const QString receivable = QStringLiteral("10210");
const QString advance = QStringLiteral("10240");
const QString endowmentDeposit = QStringLiteral("10350");
const QString retirementAsset = QStringLiteral("10410");
const QString equipment = QStringLiteral("10540");
const QString payable = QStringLiteral("20100");
const QString withheld = QStringLiteral("20120");
const QString retirementReserve = QStringLiteral("20220");
const QString restrictedDonation = QStringLiteral("30130");
const QString generalNetAssets = QStringLiteral("30300");
const QString restrictedForEndowment = QStringLiteral("30200");
const QString generalForEndowment = QStringLiteral("30310");
} // namespace acct

struct DemoLine {
    QString lcode, lsub, rcode, rsub;
    long long lamount = 0, ramount = 0;
    QString text;
};

struct DemoVoucher {
    int unit = 0; // 0 = common line, apportioned over the units
    QDate date;
    std::vector<DemoLine> lines;
    int adjusting = 0;
    int unsettled = 0;
};

DemoLine line(const QString& lcode, const QString& lsub, const QString& rcode, const QString& rsub,
              long long lamount, long long ramount, const QString& text) {
    return {lcode, lsub, rcode, rsub, lamount, ramount, text};
}

class JournalBook {
public:
    explicit JournalBook(const QDate& start) : m_start(start) {}

    QDate day(int month, int dayOfMonth) const {
        const QDate first = m_start.addMonths(month);
        return QDate(first.year(), first.month(), std::min(dayOfMonth, first.daysInMonth()));
    }
    QDate lastDay() const { return m_start.addYears(1).addDays(-1); }

    DemoVoucher& simple(int unit, const QDate& date, const QString& debit, const QString& debitSub,
                        const QString& credit, const QString& creditSub, long long amount,
                        const QString& text) {
        DemoVoucher v;
        v.unit = unit;
        v.date = date;
        v.lines.push_back({debit, debitSub, credit, creditSub, amount, amount, text});
        m_vouchers.push_back(std::move(v));
        return m_vouchers.back();
    }
    DemoVoucher& compound(int unit, const QDate& date, std::vector<DemoLine> lines) {
        DemoVoucher v;
        v.unit = unit;
        v.date = date;
        v.lines = std::move(lines);
        m_vouchers.push_back(std::move(v));
        return m_vouchers.back();
    }
    std::vector<DemoVoucher> take() { return std::move(m_vouchers); }

private:
    QDate m_start;
    std::vector<DemoVoucher> m_vouchers;
};

// A varying but repeatable amount: base plus a step that follows the month.
long long vary(long long base, int month, long long step) {
    static const int pattern[12] = {0, 2, -1, 3, 1, -2, 4, 0, -1, 2, 5, 1};
    return base + pattern[month % 12] * step;
}

QString monthText(const QString& what, const QDate& date) {
    return QStringLiteral("%1／%2月分").arg(what).arg(date.month());
}

void publicBenefitUnit(JournalBook& b) {
    const int u = 1;
    const QString b1 = QStringLiteral("001");
    const QString b2 = QStringLiteral("002");
    long long withheldTax = 100000; // opening balances of 預り金
    long long withheldInsurance = 50000;
    for (int m = 0; m < 12; ++m) {
        const QDate d5 = b.day(m, 5);
        b.simple(u, d5, acct::bank, b1, QStringLiteral("41410"), {}, vary(1200000, m, 40000),
                 monthText(QStringLiteral("○○事業収益／受講料"), d5));
        b.simple(u, b.day(m, 8), acct::cash, {}, QStringLiteral("41310"), {}, vary(180000, m, 10000),
                 monthText(QStringLiteral("正会員会費"), d5));
        b.compound(u, b.day(m, 10),
                   {line(acct::withheld, QStringLiteral("001"), acct::bank, b1, withheldTax,
                         withheldTax + withheldInsurance, QStringLiteral("預り金／源泉所得税納付")),
                    line(acct::withheld, QStringLiteral("003"), {}, {}, withheldInsurance, 0,
                         QStringLiteral("預り金／社会保険料納付"))});
        b.simple(u, b.day(m, 12), QStringLiteral("51050"), {}, acct::cash, {}, vary(28000, m, 3000),
                 QStringLiteral("旅費交通費／講師交通費"));
        b.simple(u, b.day(m, 15), QStringLiteral("51090"), {}, acct::cash, {}, vary(32000, m, 2500),
                 QStringLiteral("消耗品費／教材・事務用品"));
        b.simple(u, b.day(m, 18), QStringLiteral("51160"), {}, acct::cash, {}, 50000 + (m % 3) * 20000,
                 QStringLiteral("諸謝金／講師謝金"));
        b.simple(u, b.day(m, 20), QStringLiteral("51140"), {}, acct::bank, b1, 200000,
                 monthText(QStringLiteral("賃借料／会場使用料"), b.day(m, 1)));
        b.simple(u, b.day(m, 22), QStringLiteral("51130"), {}, acct::bank, b1, vary(42000, m, 3000),
                 monthText(QStringLiteral("光熱水料費／電気・水道"), b.day(m, 1)));
        b.simple(u, b.day(m, 24), QStringLiteral("51060"), {}, acct::bank, b1, vary(18000, m, 1000),
                 QStringLiteral("通信運搬費／電話・郵送料"));
        withheldTax = 55000;
        withheldInsurance = 30000;
        b.compound(u, b.day(m, 25),
                   {line(QStringLiteral("51010"), {}, acct::bank, b1, 850000, 765000,
                         monthText(QStringLiteral("給料手当／職員給与"), b.day(m, 1))),
                    line({}, {}, acct::withheld, QStringLiteral("001"), 0, withheldTax,
                         QStringLiteral("預り金／源泉所得税")),
                    line({}, {}, acct::withheld, QStringLiteral("003"), 0, withheldInsurance,
                         QStringLiteral("預り金／社会保険料"))});
        if (m % 2 == 1)
            b.simple(u, b.day(m, 27), QStringLiteral("51210"), {}, acct::bank, b1, 300000,
                     QStringLiteral("委託費／公開講座運営委託"));
        if (m % 3 == 2)
            b.simple(u, b.day(m, 28), QStringLiteral("51110"), {}, acct::bank, b1, 110000,
                     QStringLiteral("印刷製本費／会報印刷"));
    }
    b.simple(u, b.day(2, 15), acct::bank, b2, QStringLiteral("71010"), {}, 3000000,
             QStringLiteral("受取国庫補助金／文化振興事業補助金"));
    b.simple(u, b.day(3, 20), acct::equipment, {}, acct::bank, b1, 480000,
             QStringLiteral("什器備品／プロジェクター購入"));
    b.simple(u, b.day(5, 30), acct::endowmentDeposit, QStringLiteral("923"), acct::bank, b1, 2000000,
             QStringLiteral("基本財産／定期預金預入"));
    b.simple(u, b.day(5, 30), acct::bank, b1, QStringLiteral("41010"), {}, 12000,
             QStringLiteral("基本財産受取利息／定期預金利息"));
    b.simple(u, b.day(11, 31), acct::bank, b1, QStringLiteral("41010"), {}, 14000,
             QStringLiteral("基本財産受取利息／定期預金利息"));
    b.simple(u, b.day(6, 1), acct::bank, b1, QStringLiteral("62210"), {}, 2000000,
             QStringLiteral("他会計からの繰入額／収益事業等会計より"));
    // Year-end adjustments.
    b.simple(u, b.lastDay(), QStringLiteral("71500"), QStringLiteral("901"), QStringLiteral("41540"), {},
             3000000, QStringLiteral("受取補助金等振替額／国庫補助金の振替"))
        .adjusting = 1;
    b.simple(u, b.lastDay(), QStringLiteral("51070"), {}, acct::equipment, {}, 360000,
             QStringLiteral("減価償却費／什器備品"))
        .adjusting = 1;
    b.simple(u, b.lastDay(), QStringLiteral("51130"), {}, acct::payable, {}, 45000,
             QStringLiteral("光熱水料費／３月分未払"))
        .adjusting = 1;
    // Not yet settled at the year end.
    b.simple(u, b.day(11, 26), acct::advance, {}, acct::cash, {}, 80000,
             QStringLiteral("仮払金／出張旅費仮払"))
        .unsettled = 1;
    b.simple(u, b.day(11, 29), QStringLiteral("51050"), {}, acct::payable, {}, 35000,
             QStringLiteral("旅費交通費／精算未了"))
        .unsettled = 1;
}

void businessUnit(JournalBook& b) {
    const int u = 2;
    const QString b1 = QStringLiteral("001");
    b.simple(u, b.day(0, 10), acct::bank, b1, acct::receivable, {}, 500000,
             QStringLiteral("未収金／前期分回収"));
    b.simple(u, b.day(0, 20), acct::payable, {}, acct::bank, b1, 300000,
             QStringLiteral("未払金／前期分支払"));
    for (int m = 0; m < 12; ++m) {
        b.simple(u, b.day(m, 1), acct::cash, {}, acct::bank, b1, 100000,
                 QStringLiteral("現金／普通預金より引出"));
        b.simple(u, b.day(m, 6), acct::bank, b1, QStringLiteral("41420"), {}, vary(600000, m, 30000),
                 monthText(QStringLiteral("△△事業収益／物品販売"), b.day(m, 1)));
        b.simple(u, b.day(m, 14), acct::cash, {}, QStringLiteral("41420"), {}, vary(80000, m, 6000),
                 QStringLiteral("△△事業収益／店頭販売"));
        b.simple(u, b.day(m, 16), QStringLiteral("51020"), {}, acct::cash, {}, vary(120000, m, 5000),
                 QStringLiteral("臨時雇賃金／販売補助"));
        b.simple(u, b.day(m, 17), QStringLiteral("51090"), {}, acct::cash, {}, vary(30000, m, 2000),
                 QStringLiteral("消耗品費／包装資材"));
        b.simple(u, b.day(m, 20), QStringLiteral("51140"), {}, acct::bank, b1, 100000,
                 monthText(QStringLiteral("賃借料／店舗賃料"), b.day(m, 1)));
        b.simple(u, b.day(m, 23), QStringLiteral("51060"), {}, acct::bank, b1, vary(15000, m, 800),
                 QStringLiteral("通信運搬費／発送料"));
        b.simple(u, b.day(m, 26), QStringLiteral("51120"), {}, acct::cash, {}, vary(12000, m, 700),
                 QStringLiteral("燃料費／配送車"));
    }
    b.simple(u, b.lastDay(), acct::receivable, {}, QStringLiteral("41420"), {}, 150000,
             QStringLiteral("△△事業収益／３月分未収"))
        .adjusting = 1;
    b.simple(u, b.lastDay(), QStringLiteral("51070"), {}, acct::equipment, {}, 120000,
             QStringLiteral("減価償却費／什器備品"))
        .adjusting = 1;
    // Part of the year's surplus goes to the public-benefit programme.
    b.simple(u, b.day(6, 1), QStringLiteral("62220"), {}, acct::bank, b1, 2000000,
             QStringLiteral("他会計への繰出額／公益目的事業会計へ"));
    b.simple(u, b.day(11, 28), QStringLiteral("51090"), {}, acct::payable, {}, 22000,
             QStringLiteral("消耗品費／請求書未着"))
        .unsettled = 1;
}

void corporateUnit(JournalBook& b) {
    const int u = 3;
    const QString b1 = QStringLiteral("001");
    long long withheldTax = 80000; // opening balance of 預り金
    for (int m = 0; m < 12; ++m) {
        b.simple(u, b.day(m, 1), acct::cash, {}, acct::bank, b1, 60000,
                 QStringLiteral("現金／普通預金より引出"));
        b.simple(u, b.day(m, 5), acct::bank, b1, QStringLiteral("41310"), {}, 150000,
                 monthText(QStringLiteral("正会員受取会費"), b.day(m, 1)));
        b.simple(u, b.day(m, 10), acct::withheld, QStringLiteral("001"), acct::bank, b1, withheldTax,
                 QStringLiteral("預り金／源泉所得税納付"));
        withheldTax = 10000;
        b.compound(u, b.day(m, 25),
                   {line(QStringLiteral("52010"), {}, acct::bank, b1, 200000, 190000,
                         monthText(QStringLiteral("役員報酬／常勤理事"), b.day(m, 1))),
                    line({}, {}, acct::withheld, QStringLiteral("001"), 0, withheldTax,
                         QStringLiteral("預り金／源泉所得税"))});
        b.simple(u, b.day(m, 13), QStringLiteral("52050"), {}, acct::cash, {}, vary(25000, m, 2000),
                 QStringLiteral("会議費／理事会"));
        b.simple(u, b.day(m, 19), QStringLiteral("52060"), {}, acct::cash, {}, vary(18000, m, 1500),
                 QStringLiteral("旅費交通費／役員交通費"));
        b.simple(u, b.day(m, 21), QStringLiteral("52090"), {}, acct::cash, {}, vary(15000, m, 1000),
                 QStringLiteral("消耗品費／事務用品"));
        if (m % 3 == 0) {
            b.simple(u, b.day(m, 7), acct::bank, b1, QStringLiteral("41320"), {}, 600000,
                     QStringLiteral("賛助会員受取会費／四半期分"));
            b.simple(u, b.day(m, 27), QStringLiteral("52160"), {}, acct::cash, {}, 6000,
                     QStringLiteral("租税公課／収入印紙"));
        }
        if (m % 4 == 1)
            b.simple(u, b.day(m, 11), acct::cash, {}, QStringLiteral("41710"), {}, 50000 + m * 10000,
                     QStringLiteral("受取寄付金／一般寄付"));
    }
    b.simple(u, b.day(2, 20), acct::bank, b1, QStringLiteral("41810"), {}, 320,
             QStringLiteral("受取利息／普通預金利息"));
    b.simple(u, b.day(8, 20), acct::bank, b1, QStringLiteral("41810"), {}, 340,
             QStringLiteral("受取利息／普通預金利息"));
    b.simple(u, b.day(11, 15), acct::retirementAsset, QStringLiteral("925"), acct::bank, b1, 200000,
             QStringLiteral("退職給付引当資産／積立"));
    b.simple(u, b.lastDay(), QStringLiteral("52030"), {}, acct::retirementReserve, {}, 200000,
             QStringLiteral("退職給付費用／当期繰入"))
        .adjusting = 1;
    b.simple(u, b.day(11, 30), QStringLiteral("52090"), {}, acct::cash, {}, 8000,
             QStringLiteral("消耗品費／立替精算待ち"))
        .unsettled = 1;
}

// Office costs shared by the three units, apportioned by kAdminShares.
void commonLines(JournalBook& b) {
    const QString b1 = QStringLiteral("001");
    for (int m = 0; m < 12; ++m) {
        b.simple(0, b.day(m, 27), QStringLiteral("52130"), {}, acct::bank, b1, 400000,
                 monthText(QStringLiteral("賃借料／事務所家賃"), b.day(m, 1)));
        b.simple(0, b.day(m, 27), QStringLiteral("52120"), {}, acct::bank, b1, vary(60000, m, 4000),
                 monthText(QStringLiteral("光熱水料費／事務所"), b.day(m, 1)));
        b.simple(0, b.day(m, 28), QStringLiteral("52070"), {}, acct::bank, b1, vary(30000, m, 1500),
                 QStringLiteral("通信運搬費／電話・インターネット"));
        if (m % 3 == 2)
            b.simple(0, b.day(m, 28), QStringLiteral("52180"), {}, acct::bank, b1, 150000,
                     QStringLiteral("委託費／会計事務所顧問料"));
    }
}

// Every voucher of the year in date order, numbered per unit: unit × 10000 + n, and the
// common lines from 990001.
struct NumberedVoucher {
    long long sNo;
    const DemoVoucher* voucher;
};

std::vector<DemoVoucher> demoVouchers(const QDate& start) {
    JournalBook b(start);
    publicBenefitUnit(b);
    businessUnit(b);
    corporateUnit(b);
    commonLines(b);
    std::vector<DemoVoucher> vouchers = b.take();
    std::stable_sort(vouchers.begin(), vouchers.end(),
                     [](const DemoVoucher& x, const DemoVoucher& y) { return x.date < y.date; });
    return vouchers;
}

std::vector<NumberedVoucher> numbered(const std::vector<DemoVoucher>& vouchers) {
    std::map<int, long long> next;
    std::vector<NumberedVoucher> out;
    for (const auto& v : vouchers) {
        const long long n = ++next[v.unit];
        out.push_back({v.unit == 0 ? 990000 + n : v.unit * 10000LL + n, &v});
    }
    return out;
}

// The year's debits and credits per unit and account, with the common lines at each unit's share: the base of
// the demo's budgets (activity accounts, and the fund-statement lines of the activity and balance-sheet
// accounts with the same code).
struct Activity {
    long long debit = 0;
    long long credit = 0;
};

std::map<std::pair<int, QString>, Activity> activityPerUnit(const std::vector<DemoVoucher>& vouchers) {
    std::map<std::pair<int, QString>, Activity> sums;
    for (const auto& v : vouchers)
        for (const auto& l : v.lines)
            for (int unit = 1; unit <= kUnits; ++unit) {
                if (v.unit != 0 && v.unit != unit)
                    continue;
                const int share = v.unit == 0 ? kAdminShares[unit] : 100;
                if (!l.lcode.isEmpty())
                    sums[{unit, l.lcode}].debit += l.lamount * share / 100;
                if (!l.rcode.isEmpty())
                    sums[{unit, l.rcode}].credit += l.ramount * share / 100;
            }
    return sums;
}

// Budget of a line: the expected year rounded up to ten thousand yen, with a little room,
// keeping the sign.
long long budgetFor(long long actual) {
    const long long size = actual < 0 ? -actual : actual;
    const long long rounded = (size + size / 20 + 9999) / 10000 * 10000;
    return actual < 0 ? -rounded : rounded;
}

struct Opening {
    int unit;
    QString code;
    QString sub; // empty: the account itself
    long long amount;
};

// Opening balances that balance per unit: assets = liabilities + net assets.
const std::vector<Opening>& openingBalances() {
    static const std::vector<Opening> rows = {
        // 公益目的事業会計
        {1, acct::cash, {}, 300000},
        {1, acct::bank, {}, 12000000},
        {1, acct::bank, QStringLiteral("001"), 9000000},
        {1, acct::bank, QStringLiteral("002"), 3000000},
        {1, acct::endowmentDeposit, {}, 30000000},
        {1, acct::endowmentDeposit, QStringLiteral("921"), 20000000},
        {1, acct::endowmentDeposit, QStringLiteral("923"), 10000000},
        {1, acct::equipment, {}, 1800000},
        {1, acct::withheld, {}, 150000},
        {1, acct::withheld, QStringLiteral("001"), 100000},
        {1, acct::withheld, QStringLiteral("003"), 50000},
        {1, acct::restrictedDonation, {}, 20000000},
        {1, acct::restrictedForEndowment, {}, 20000000},
        {1, acct::generalForEndowment, {}, 10000000},
        {1, acct::generalNetAssets, {}, 23950000},
        // 収益事業等会計
        {2, acct::cash, {}, 200000},
        {2, acct::bank, {}, 4000000},
        {2, acct::bank, QStringLiteral("001"), 4000000},
        {2, acct::receivable, {}, 500000},
        {2, acct::equipment, {}, 600000},
        {2, acct::payable, {}, 300000},
        {2, acct::generalNetAssets, {}, 5000000},
        // 法人会計
        {3, acct::cash, {}, 150000},
        {3, acct::bank, {}, 6000000},
        {3, acct::bank, QStringLiteral("001"), 6000000},
        {3, acct::retirementAsset, {}, 3000000},
        {3, acct::retirementAsset, QStringLiteral("925"), 3000000},
        {3, acct::retirementReserve, {}, 3000000},
        {3, acct::withheld, {}, 80000},
        {3, acct::withheld, QStringLiteral("001"), 80000},
        {3, acct::generalNetAssets, {}, 6070000},
    };
    return rows;
}

void storeCorporation(Session& session, const QDate& start) {
    const QString name = QString::fromUtf8(kCorporationName);
    const QString representative = QString::fromUtf8(kRepresentative);
    session.hm.updateRows(QStringLiteral("HeadM"),
                          {{QStringLiteral("法人名"), name}, {QStringLiteral("代表者"), representative}},
                          QString());
    Transaction tx(session.aaa);
    session.aaa.updateRows(QStringLiteral("Head"),
                           {{QStringLiteral("法人名"), name},
                            {QStringLiteral("代表者"), representative},
                            {QStringLiteral("郵便番号"), QStringLiteral("100-0001")},
                            {QStringLiteral("住所"), QStringLiteral("東京都千代田区○○町一丁目１番１号")},
                            {QStringLiteral("電話"), QStringLiteral("03-0000-0000")},
                            {QStringLiteral("会計期首"), start},
                            {QStringLiteral("自期日"), start},
                            {QStringLiteral("至期日"), start.addYears(1).addDays(-1)},
                            {QStringLiteral("PM1"), 1},
                            // Statements filed by a public-interest corporation carry era
                            // dates and the officers' seal boxes.
                            {QStringLiteral("PM2"), 0},
                            {QStringLiteral("職印１"), QStringLiteral("理事長")},
                            {QStringLiteral("職印２"), QStringLiteral("常務理事")},
                            {QStringLiteral("職印３"), QStringLiteral("事務局長")},
                            {QStringLiteral("職印４"), QStringLiteral("担当者")}},
                           QString());
    for (int u = 0; u <= kUnits; ++u)
        session.aaa.updateRows(
            QStringLiteral("BUMON"),
            {{QStringLiteral("Bumonmei"), QString::fromUtf8(kUnitNames[u])}, {QStringLiteral("F1"), 1}},
            QStringLiteral("\"code\"=?1"), {u});
    tx.commit();
    session.corporationName = name;
}

void storeUnitFigures(Session& session, const std::vector<DemoVoucher>& vouchers) {
    Database& aaa = session.aaa;
    Transaction tx(aaa);
    // Administrative expenses booked as common lines are shared by the three units.
    QString shares = QStringLiteral("\"A00\"=%1").arg(kAdminShares[0]);
    for (int u = 1; u <= kUnits; ++u)
        shares += QStringLiteral(",\"A%1\"=%2").arg(u, 2, 10, QLatin1Char('0')).arg(kAdminShares[u]);
    aaa.exec(
        QStringLiteral("UPDATE \"kamoku\" SET %1 WHERE \"code\" LIKE '52%' AND \"FlgA\"=0 AND \"FlgB\"=2")
            .arg(shares));

    for (const Opening& o : openingBalances()) {
        if (o.sub.isEmpty())
            aaa.updateRows(QStringLiteral("Mkamoku"), {{QStringLiteral("期首繰越"), o.amount}},
                           QStringLiteral("\"B_ID\"=?1 AND \"code\"=?2"), {o.unit, o.code});
        else
            aaa.updateRows(QStringLiteral("Mhojokamoku"), {{QStringLiteral("期首繰越"), o.amount}},
                           QStringLiteral("\"B_ID\"=?1 AND \"kamoku_CD\"=?2 AND \"hojo_CD\"=?3"),
                           {o.unit, o.code, o.sub});
    }

    // Budgets of the activity accounts, which the net-assets statement shows as the previous
    // year's figures, signed by the account's nature; a payment line of the fund statement
    // gets the debits of the account with its code, a receipt line the credits.
    Statement account = aaa.prepare(QStringLiteral(
        "UPDATE \"Mkamoku\" SET \"当初予算\"=?1, \"予算\"=?1 WHERE \"B_ID\"=?2 AND \"code\"=?3 AND "
        "\"FlgB\"=2 AND ifnull(\"FlgC\",0)=?4"));
    Statement fundLine = aaa.prepare(QStringLiteral(
        "UPDATE \"Mkamoku2\" SET \"当初予算\"=?1, \"予算\"=?1 WHERE \"B_ID\"=?2 AND \"code\"=?3 AND "
        "\"FlgB\"=2 AND \"FlgA\"=0 AND ifnull(\"FlgC\",0)=?4"));
    for (const auto& [key, a] : activityPerUnit(vouchers)) {
        const auto [unit, code] = key;
        const std::pair<Statement*, std::array<long long, 2>> budgets[] = {
            {&account, {budgetFor(a.debit - a.credit), budgetFor(a.credit - a.debit)}},
            {&fundLine, {budgetFor(a.debit), budgetFor(a.credit)}},
        };
        for (const auto& [st, byNature] : budgets)
            for (int nature = 0; nature < 2; ++nature) {
                st->bindInt(1, byNature[static_cast<std::size_t>(nature)]).bindInt(2, unit).bindText(3, code);
                st->bindInt(4, nature);
                st->run();
            }
    }
    tx.commit();
}

// The budget of the carried-forward fund balance, and the previous year's opening net assets
// (the 予算 of the brought-forward lines, FlgG 112 and 132), chosen so that the previous year's closing net
// assets on the net-assets statement equal this year's opening: this year's opening (the engine's figure on
// the line) less the previous year's change (the engine's 予算 on FlgG 114 and 134).
void storePreviousYearOpenings(Session& session, const QDate& start) {
    struct Link {
        int opening;
        int change;
    };
    static const Link links[] = {{112, 114}, {132, 134}};
    Transaction tx(session.aaa);
    for (int unit = 1; unit <= kUnits; ++unit) {
        selectBatchUnit(session, unit);
        runTotals(session, {start, start.addYears(1).addDays(-1), 0, 0});
        for (const Link& link : links) {
            Statement st = session.www.prepare(QStringLiteral(
                "SELECT o.\"code\", o.\"残高合計\", c.\"予算\" FROM \"kamoku\" o, \"kamoku\" c "
                "WHERE o.\"FlgG\"=?1 AND o.\"FlgB\"=2 AND c.\"FlgG\"=?2 AND c.\"FlgB\"=2"));
            st.bindInt(1, link.opening).bindInt(2, link.change);
            if (!st.step())
                continue;
            const Money opening = moneyAt(st, 1).orZero();
            const Money change = moneyAt(st, 2).orZero();
            session.aaa.updateRows(
                QStringLiteral("Mkamoku"),
                {{QStringLiteral("予算"), Money::fromRaw(opening.raw() - change.raw()).toVariant()}},
                QStringLiteral("\"B_ID\"=?1 AND \"code\"=?2"), {unit, textAt(st, 0)});
        }
        // The budget of the carried-forward fund balance is the balance the year opened with.
        const QVariant fundOpening = session.www.scalar(
            QStringLiteral("SELECT \"残高合計\" FROM \"kamoku2\" WHERE \"code\"='#1020' AND \"FlgC\"=1"));
        session.aaa.updateRows(QStringLiteral("Mkamoku2"), {{QStringLiteral("予算"), fundOpening}},
                               QStringLiteral("\"B_ID\"=?1 AND \"code\"='#1020' AND \"FlgC\"=1"), {unit});
    }
    tx.commit();
}

} // namespace

QByteArray demoJournalCsv(const QDate& fiscalYearStart) {
    const std::vector<DemoVoucher> vouchers = demoVouchers(fiscalYearStart);
    CsvWriter csv;
    csv.addHeader(journalCsvColumns());
    auto number = [](long long n) { return CsvField{QString::number(n), false}; };
    auto text = [](const QString& t) { return CsvField{t, true}; };
    auto flag = [](int v) { return CsvField{QString::number(v), false}; };
    for (const auto& [sNo, v] : numbered(vouchers)) {
        long long subNo = 0;
        for (const auto& l : v->lines) {
            csv.addRow({number(sNo), number(++subNo), text(v->date.toString(QStringLiteral("yyyy/MM/dd"))),
                        text(l.lcode), text(l.rcode), text(l.lsub), text(l.rsub),
                        l.lcode.isEmpty() ? CsvField{QString(), false} : number(l.lamount),
                        l.rcode.isEmpty() ? CsvField{QString(), false} : number(l.ramount), text(l.text),
                        text({}), flag(0), flag(0), flag(v->unit), flag(v->adjusting), flag(v->unsettled),
                        flag(0)});
        }
    }
    return csv.bytes();
}

DemoSummary buildDemo(const QString& appDir, const QDate& today) {
    const QString dataPath = QString::fromLatin1(kDemoDataPath);
    const QString dataDir = QDir(appDir).filePath(dataPath);
    if (QFileInfo::exists(QDir(dataDir).filePath(QString::fromLatin1(kDatabaseFile))))
        throw K9Error(QStringLiteral("デモのデータフォルダ「%1」は既にあります。").arg(dataDir));

    // The program folder with the templates, the data path demo/ and Init, as "batch init".
    initDataFolder(appDir, dataPath, today);
    Session session;
    openBatchSession(session, appDir, dataPath, today);
    const QDate start =
        session.aaa.scalar(QStringLiteral("SELECT \"会計期首\" FROM \"Head\" LIMIT 1")).toDate();
    if (!start.isValid())
        throw K9Error(QStringLiteral("デモの会計期首を決められません。"));

    storeCorporation(session, start);
    copyTemplateChart(session, 0);
    syncChartToUnits(session.aaa, session.www, UnitSubAccountNames::Common);
    const std::vector<DemoVoucher> vouchers = demoVouchers(start);
    storeUnitFigures(session, vouchers);
    const JournalImportResult imported = importJournalCsv(session.aaa, demoJournalCsv(start));

    storePreviousYearOpenings(session, start);

    // The work folder shows unit 1 over the whole year, as after the first trial balance.
    selectBatchUnit(session, 1);
    runTotals(session, {start, start.addYears(1).addDays(-1), 0, 0});

    DemoSummary summary;
    summary.dataDir = session.dataDir();
    summary.fiscalYearStart = start;
    summary.units = kUnits;
    summary.vouchers = imported.vouchers;
    summary.lines = imported.lines;
    return summary;
}

QString demoSummaryText(const DemoSummary& summary) {
    return QStringLiteral(
               "デモの法人「%1」を %2 に作りました（会計期首 %3、会計 %4、伝票 %5 件、仕訳 %6 行）。"
               "パスワードは 5807 です。")
        .arg(QString::fromUtf8(kCorporationName), summary.dataDir,
             summary.fiscalYearStart.toString(QStringLiteral("yyyy/MM/dd")))
        .arg(summary.units)
        .arg(summary.vouchers)
        .arg(summary.lines);
}

} // namespace k9
