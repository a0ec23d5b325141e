// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger rows on a hand-computed journal (ledgerfixture.h): carry-forward,
// month subtotals and totals, "諸　口" for a compound voucher's other side, the running
// balance blank within a date, debit- and credit-natured accounts, sub-account ledgers,
// the adjusting and unsettled options, WTBL2, the printed ranges with their thinning and
// headings.
#include "ledgerfixture.h"
#include "ledgers/ledger.h"
#include "ledgers/ledgerprint.h"
#include "store/database.h"

#include <ostream>

namespace k9::test {
namespace {

using ledger::LedgerRow;
using ledger::Ledgers;
using ledger::RowKind;

// A row as one line of text: kind, voucher, date, counter account and code, debit, credit,
// balance ("" for a blank).
std::string describe(const LedgerRow& r) {
    const char kind = r.kind == RowKind::CarryForward ? 'C'
                      : r.kind == RowKind::Line       ? 'L'
                      : r.kind == RowKind::MonthTotal ? 'M'
                                                      : 'T';
    QStringList parts{QString(QChar::fromLatin1(kind)),
                      r.voucher ? QString::number(*r.voucher) : QString(),
                      r.date.toString(Qt::ISODate),
                      r.counterName,
                      r.counterCode,
                      r.debit.plain(),
                      r.credit.plain(),
                      r.balance.plain()};
    return parts.join('|').toStdString();
}

std::vector<std::string> describe(const Ledgers& l) {
    std::vector<std::string> out;
    for (const auto& r : l.rows)
        out.push_back(describe(r));
    return out;
}

struct LedgerTest : ::testing::Test, LedgerFixture {
    Ledgers account(const char* code) { return ledger::showAccountLedger(session, QString::fromUtf8(code)); }
    Ledgers sub(const char* code, const char* subCode) {
        return ledger::showSubAccountLedger(session, QString::fromUtf8(code), QString::fromUtf8(subCode));
    }
};

TEST_F(LedgerTest, CashLedgerWithCarryForwardMonthSubtotalsAndBlankBalancesWithinADate) {
    runPeriod();
    const Ledgers l = account("10100");
    const std::vector<std::string> expected = {
        "C|||||||1300",
        "L|2|2015-05-10|消耗品費|51000||100|",
        "L|3||受取会費|41000|50||1250",
        "L|4|2015-05-20|諸　口|||120|",
        "L|5||受取会費|41000|10||",
        "L|6||普通預金|10200||200|940",
        "M|||||60|420|940",
        "L|7|2015-06-15|受取会費|41000|500||",
        "L|8||消耗品費|51000||30|1410",
        "M|||||500|30|1410",
        "L|9|2015-07-05|未払金|20100||100|",
        "L|11||普通預金|10200|70||1380",
        "M|||||70|100|1380",
        "T|||||630|550|1380",
    };
    EXPECT_EQ(describe(l), expected);
    ASSERT_EQ(l.ledgers.size(), 1u);
    const ledger::LedgerSummary& s = l.ledgers.front();
    EXPECT_EQ(s.lineCount, 9);
    EXPECT_EQ(s.debit, Money::fromYen(630));
    EXPECT_EQ(s.credit, Money::fromYen(550));
    EXPECT_EQ(s.balance, Money::fromYen(1380));
    EXPECT_EQ(s.titleName(), QStringLiteral("現　金"));
    // The engine's closing balance agrees with the ledger's.
    EXPECT_EQ(accountValue("10100", "残高合計").toLongLong(), 1380);
}

TEST_F(LedgerTest, RowsCarryLabelsDescriptionsTaxClassesAndSubAccountNames) {
    runPeriod();
    const Ledgers l = account("10100");
    ASSERT_EQ(l.rows.size(), 14u);
    EXPECT_EQ(l.rows[0].tekiyou1, QStringLiteral("繰り越し"));
    EXPECT_EQ(l.rows[0].sNo, 0);
    EXPECT_EQ(l.rows[6].tekiyou1, QStringLiteral(" ＊＊ 05 月　計　＊＊"));
    EXPECT_TRUE(l.rows[6].isMonthTotal());
    EXPECT_EQ(l.rows[13].tekiyou1, QStringLiteral("　　　　合　　　計"));
    EXPECT_FALSE(l.rows[13].isMonthTotal());
    for (std::size_t i = 0; i < l.rows.size(); ++i) {
        EXPECT_EQ(l.rows[i].sNo, static_cast<int>(i));
        EXPECT_EQ(l.rows[i].key, QStringLiteral("10100"));
    }
    const LedgerRow& stationery = l.rows[1];
    EXPECT_EQ(stationery.tekiyou1, QStringLiteral("文具"));
    EXPECT_EQ(stationery.tekiyou2, QStringLiteral("事務用"));
    EXPECT_EQ(stationery.taxClass, QStringLiteral("1")); // LflgS
    EXPECT_EQ(l.rows[2].taxClass, QStringLiteral("0"));  // RflgS 0 (非課税) when LflgS is blank
    EXPECT_EQ(l.rows[3].taxClass, QString());            // both blank: 対象外
    EXPECT_EQ(stationery.subNo, 1);
    const LedgerRow& deposit = l.rows[5];
    EXPECT_EQ(deposit.counterSubName, QStringLiteral("Ａ銀行"));
    EXPECT_EQ(deposit.ownSubName, QString());
    EXPECT_EQ(l.rows[11].counterSubName, QStringLiteral("Ｂ銀行"));
}

TEST_F(LedgerTest, CompoundVoucherSidesShowShoguchiOnEveryAccount) {
    runPeriod();
    const std::vector<std::string> supplies = describe(account("51000"));
    EXPECT_EQ(supplies, (std::vector<std::string>{
                            "C|||||||0",
                            "L|2|2015-05-10|現金|10100|100||100",
                            "L|4|2015-05-20|諸　口||80||180",
                            "M|||||180|0|180",
                            "L|8|2015-06-15|現金|10100|30||210",
                            "M|||||30|0|210",
                            "T|||||210|0|210",
                        }));
    const std::vector<std::string> travel = describe(account("51100"));
    EXPECT_EQ(travel, (std::vector<std::string>{"C|||||||0", "L|4|2015-05-20|諸　口||40||40", "M|||||40|0|40",
                                                "T|||||40|0|40"}));
}

TEST_F(LedgerTest, CreditNaturedAccountDebitedInThePeriodDecreases) {
    runPeriod();
    EXPECT_EQ(describe(account("20100")),
              (std::vector<std::string>{"C|||||||400", "L|9|2015-07-05|現金|10100|100||300",
                                        "M|||||100|0|300", "T|||||100|0|300"}));
    // Revenue: credits add.
    const Ledgers revenue = account("41000");
    EXPECT_EQ(revenue.ledgers.front().nature, 1);
    EXPECT_EQ(revenue.ledgers.front().balance, Money::fromYen(300 + 50 + 10 + 500));
}

TEST_F(LedgerTest, AccountWithoutLinesShowsMonthZeroAndAnAccountNotInTheChartNothing) {
    runPeriod();
    const Ledgers none = account("52000");
    EXPECT_EQ(describe(none), (std::vector<std::string>{"C|||||||0", "M|||||0|0|0", "T|||||0|0|0"}));
    EXPECT_EQ(none.rows[1].tekiyou1, QStringLiteral(" ＊＊ 00 月　計　＊＊"));
    EXPECT_EQ(none.ledgers.front().lineCount, 0);
    const Ledgers missing = account("59999");
    EXPECT_TRUE(missing.rows.empty());
    EXPECT_TRUE(missing.ledgers.empty());
}

struct OptionCase {
    const char* name;
    int adjusting;
    int unsettled;
    std::vector<std::string> rows;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.name;
}

class LedgerOptions : public LedgerTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(LedgerOptions, ListOnlyTheLinesTheEngineCountsInThePeriod) {
    const OptionCase& c = GetParam();
    runPeriod(c.adjusting, c.unsettled);
    EXPECT_EQ(describe(account("10100")), c.rows);
}

const OptionCase kOptionCases[] = {
    // Without the adjusting and the unsettled line June has no line and no subtotal.
    {"WithoutAdjustingAndUnsettled",
     1,
     1,
     {"C|||||||1300", "L|2|2015-05-10|消耗品費|51000||100|", "L|3||受取会費|41000|50||1250",
      "L|4|2015-05-20|諸　口|||120|", "L|5||受取会費|41000|10||", "L|6||普通預金|10200||200|940",
      "M|||||60|420|940", "L|9|2015-07-05|未払金|20100||100|", "L|11||普通預金|10200|70||910",
      "M|||||70|100|910", "T|||||130|520|910"}},
    // Adjusting lines only: every ordinary line up to 07/31 is in the carry-forward
    // (1,300 − 100 + 50 − 120 + 10 − 200 − 30 − 100 + 70 = 880). The ordinary line of the
    // same date that follows the adjusting line is not listed, so the balance shows.
    {"AdjustingOnly",
     2,
     0,
     {"C|||||||880", "L|7|2015-06-15|受取会費|41000|500||1380", "M|||||500|0|1380", "T|||||500|0|1380"}},
    // Adjusting lines only, unsettled lines left out: the unsettled line is not in the
    // carry-forward either.
    {"AdjustingOnlyWithoutUnsettled",
     2,
     1,
     {"C|||||||910", "L|7|2015-06-15|受取会費|41000|500||1410", "M|||||500|0|1410", "T|||||500|0|1410"}},
};

INSTANTIATE_TEST_SUITE_P(Modes, LedgerOptions, ::testing::ValuesIn(kOptionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LedgerTest, SubAccountLedgersTakeOnlyTheSidesOfTheirSubAccount) {
    runPeriod();
    const Ledgers a = sub("10200", "001");
    EXPECT_EQ(describe(a), (std::vector<std::string>{"C|||||||300", "L|6|2015-05-20|現金|10100|200||500",
                                                     "M|||||200|0|500", "T|||||200|0|500"}));
    EXPECT_EQ(a.rows[1].ownSubName, QStringLiteral("Ａ銀行"));
    EXPECT_EQ(a.rows[0].key, QStringLiteral("10200001"));
    EXPECT_EQ(a.ledgers.front().titleName(), QStringLiteral("普通 預金・Ａ銀行"));
    const Ledgers b = sub("10200", "002");
    EXPECT_EQ(describe(b), (std::vector<std::string>{"C|||||||200", "L|11|2015-07-05|現金|10100||70|130",
                                                     "M|||||0|70|130", "T|||||0|70|130"}));
    // The account ledger holds both.
    EXPECT_EQ(describe(account("10200")),
              (std::vector<std::string>{"C|||||||500", "L|6|2015-05-20|現金|10100|200||700",
                                        "M|||||200|0|700", "L|11|2015-07-05|現金|10100||70|630",
                                        "M|||||0|70|630", "T|||||200|70|630"}));
    // A sub-account missing from the chart lists its lines without a carry-forward row.
    session.www.run(QStringLiteral("DELETE FROM \"hojokamoku\" WHERE \"hojo_CD\"='002'"));
    const Ledgers orphan = sub("10200", "002");
    EXPECT_EQ(describe(orphan), (std::vector<std::string>{"L|11|2015-07-05|現金|10100||70|-70",
                                                          "M|||||0|70|-70", "T|||||0|70|-70"}));
    EXPECT_EQ(orphan.rows.front().sNo, 1);
}

TEST_F(LedgerTest, BuildIsWrittenIntoWtbl2AndReadsBack) {
    runPeriod();
    const Ledgers l = account("10100");
    EXPECT_EQ(session.www.rowCount(QStringLiteral("WTBL2")), 14);
    EXPECT_EQ(work("SELECT \"zandaka\" FROM \"WTBL2\" WHERE \"SNo\"=0").toLongLong(), 1300);
    EXPECT_EQ(work("SELECT COUNT(*) FROM \"WTBL2\" WHERE \"Flg\"=1").toInt(), 3);
    EXPECT_TRUE(work("SELECT \"zandaka\" FROM \"WTBL2\" WHERE \"SNo\"=1").isNull());
    EXPECT_TRUE(work("SELECT \"aiteCode\" FROM \"WTBL2\" WHERE \"Denpyou_No\"=4").isNull());
    EXPECT_EQ(work("SELECT \"aitekamoku\" FROM \"WTBL2\" WHERE \"Denpyou_No\"=4").toString(),
              QStringLiteral("諸　口"));
    EXPECT_EQ(work("SELECT \"Bumonmei\" FROM \"WTBL2\" WHERE \"SNo\"=13").toString(),
              QStringLiteral("10100"));
    const std::vector<LedgerRow> back = ledger::loadLedgerRows(session.www);
    ASSERT_EQ(back.size(), l.rows.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(describe(back[i]), describe(l.rows[i])) << i;
        EXPECT_EQ(back[i].tekiyou1, l.rows[i].tekiyou1) << i;
    }
    // The next build replaces the table.
    sub("10200", "001");
    EXPECT_EQ(session.www.rowCount(QStringLiteral("WTBL2")), 4);
}

TEST_F(LedgerTest, LedgerNeedsAStoredPeriod) {
    session.www.run(QStringLiteral("DELETE FROM \"Head\""));
    EXPECT_THROW(account("10100"), K9Error);
}

TEST_F(LedgerTest, AllAccountsNameTheAccountInTheCarryForward) {
    runPeriod();
    const Ledgers all = ledger::allAccountLedgers(session.www, ledger::storedLedgerPeriod(session));
    QStringList keys;
    for (const auto& s : all.ledgers)
        keys << s.key;
    EXPECT_EQ(keys.join(','), QStringLiteral("10100,10200,20100,41000,51000,51100,52000"));
    EXPECT_EQ(all.rows.front().tekiyou1, QStringLiteral("【現金】   繰り越し"));
    // The same rows as the single ledgers, read from one pass over the journal.
    const ledger::LedgerSummary& cash = all.ledgers.front();
    EXPECT_EQ(cash.rowCount, 14u);
    EXPECT_EQ(cash.balance, Money::fromYen(1380));
    const ledger::LedgerSummary& supplies = all.ledgers[4];
    EXPECT_EQ(describe(all.rows[supplies.firstRow + 2]), "L|4|2015-05-20|諸　口||80||180");
}

TEST(LedgerLabels, NamedCarryForwardIsCutBeforeADoubleByteCharacterAtByte40) {
    // "【" (2) + 16 full-width (32) + "】" (2) = 36 bytes, then "   " (3): byte 40 starts "繰".
    const QString name = QStringLiteral("あいうえおかきくけこさしすせそた");
    EXPECT_EQ(ledger::namedCarryForwardLabel(name), QStringLiteral("【") + name + QStringLiteral("】   "));
    // A short name keeps the whole label, its blanks removed.
    EXPECT_EQ(ledger::namedCarryForwardLabel(QStringLiteral("現 金")), QStringLiteral("【現金】   繰り越し"));
    // Byte 40 is the second byte of a character: nothing is cut.
    const QString odd = QStringLiteral("あいうえおかきくけこさしすせそ") + QStringLiteral("a");
    EXPECT_EQ(ledger::namedCarryForwardLabel(odd),
              QStringLiteral("【") + odd + QStringLiteral("】   繰り越し"));
}

struct PrintCase {
    const char* name;
    ledger::PrintRange range;
    const char* first;
    const char* firstSub;
    const char* last;
    const char* lastSub;
    bool printWithoutLines;
    const char* keys;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

class LedgerPrintRanges : public LedgerTest, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(LedgerPrintRanges, KeepTheLedgersTheChoiceAsksFor) {
    const PrintCase& c = GetParam();
    runPeriod();
    ledger::PrintChoice choice;
    choice.range = c.range;
    choice.firstCode = QString::fromUtf8(c.first);
    choice.firstSub = QString::fromUtf8(c.firstSub);
    choice.lastCode = QString::fromUtf8(c.last);
    choice.lastSub = QString::fromUtf8(c.lastSub);
    choice.printWithoutLines = c.printWithoutLines;
    const Ledgers printed = ledger::printLedgers(session, choice);
    QStringList keys;
    for (const auto& s : printed.ledgers)
        keys << s.key;
    EXPECT_EQ(keys.join(','), QString::fromUtf8(c.keys));
    EXPECT_EQ(session.www.rowCount(QStringLiteral("WTBL2")), static_cast<int>(printed.rows.size()));
}

const PrintCase kPrintCases[] = {
    // 52000 has neither lines nor a balance.
    {"AllAccountsPrinted", ledger::PrintRange::AllAccounts, "", "", "", "", true,
     "10100,10200,20100,41000,51000,51100"},
    {"AllAccountsOmitted", ledger::PrintRange::AllAccounts, "", "", "", "", false,
     "10100,10200,20100,41000,51000,51100"},
    {"AccountRange", ledger::PrintRange::AccountRange, "10200", "", "51000", "", true,
     "10200,20100,41000,51000"},
    {"AllSubAccounts", ledger::PrintRange::AllSubAccounts, "", "", "", "", true, "10200001,10200002"},
    {"SubAccountRange", ledger::PrintRange::SubAccountRange, "10200", "002", "10200", "999", true,
     "10200002"},
};

INSTANTIATE_TEST_SUITE_P(Ranges, LedgerPrintRanges, ::testing::ValuesIn(kPrintCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LedgerPrintThinning, KeepsOrDropsByLinesBalanceAndRole) {
    struct Case {
        int lines;
        long long balance;
        int flgB;
        int flgG;
        bool sub;
        bool printWithoutLines;
        bool kept;
    };
    const Case cases[] = {
        {1, 0, 1, 0, false, false, true},    // lines always print
        {0, 5, 1, 0, false, false, false},   // 印刷しない: no lines, balance or not
        {0, 5, 1, 0, false, true, true},     // 印刷する: a balance keeps it
        {0, 0, 1, 0, false, true, false},    // 印刷する: nothing at all
        {3, 9, 1, 905, false, false, false}, // balance-sheet mirror of activity figures
        {3, 9, 2, 905, false, true, true},   // activity line of that role stays
        {3, 9, 1, 110, false, true, false},
        {3, 9, 2, 119, false, true, false}, // FlgG 118–120 go with 印刷する
        {3, 9, 2, 119, false, false, true},
        {3, 9, 1, 905, true, true, true}, // roles do not apply to sub-accounts
    };
    for (const Case& c : cases) {
        ledger::LedgerSummary s;
        s.accountCode = QStringLiteral("10100");
        s.subCode = c.sub ? QStringLiteral("001") : QString();
        s.lineCount = c.lines;
        s.balance = Money::fromYen(c.balance);
        EXPECT_EQ(ledger::keepInPrint(s, {c.flgB, c.flgG}, c.printWithoutLines), c.kept)
            << c.lines << ' ' << c.balance << ' ' << c.flgB << ' ' << c.flgG << ' ' << c.sub;
    }
}

TEST_F(LedgerTest, HeadingsNameTheHierarchyAndThePeriod) {
    runPeriod();
    const Ledgers cash = account("10100");
    TFanc fanc(session);
    const ledger::LedgerHeading shown = ledger::ledgerHeading(session, fanc, cash.ledgers.front(), true);
    EXPECT_EQ(shown.title, QStringLiteral("総勘定元帳　【流動資産計/現金預金計/現金//】"));
    EXPECT_EQ(shown.codeLine, QStringLiteral("科目コード10100"));
    EXPECT_EQ(shown.unit, QStringLiteral("本部"));
    EXPECT_TRUE(shown.period.endsWith(QStringLiteral(" 7月31日まで"))) << shown.period.toStdString();
    EXPECT_TRUE(shown.period.contains(QStringLiteral(" 5月 1日から "))) << shown.period.toStdString();
    const ledger::LedgerHeading ranged = ledger::ledgerHeading(session, fanc, cash.ledgers.front(), false);
    EXPECT_EQ(ranged.title, QStringLiteral("総勘定元帳　【流動資産計/現金預金計/現金/】"));
    const Ledgers bank = sub("10200", "001");
    EXPECT_EQ(ledger::ledgerHeading(session, fanc, bank.ledgers.front(), false).title,
              QStringLiteral("総勘定元帳　【流動資産計/現金預金計/普通預金//Ａ銀行】"));
}

} // namespace
} // namespace k9::test
