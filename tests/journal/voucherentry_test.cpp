// SPDX-License-Identifier: GPL-3.0-or-later
// Transfer voucher entry without its window: the checks and messages of saving, the two
// numbering schemes, browsing, correcting, copying and deleting, the line operations, and
// the regressions of issue 5 (a new voucher never deletes another's lines; changed lines
// are not lost without a question; a voucher of more than twenty lines is not truncated).
#include "journal/journalfixture.h"
#include "journal/journaltexts.h"
#include "journal/voucherentry.h"
#include "store/session.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using namespace k9;

namespace {

// One line typed on the screen: row (0-based), debit code, sub-account, amount, credit ….
struct Typed {
    int row;
    QString lcode, lsub;
    std::optional<long long> lyen;
    QString rcode, rsub;
    std::optional<long long> ryen;
};

// A stored row expected after saving.
struct Row {
    int subNo;
    std::optional<long long> lyen, ryen;
    QString lhcode;
    bool operator==(const Row&) const = default;
};

struct SaveCase {
    const char* name;
    int unit;
    int scheme;
    QString date; // yyyy-mm-dd typed into the three fields
    std::vector<Typed> lines;
    QString message; // empty: saved
    int expectedNo;
    std::vector<Row> rows;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

void type(VoucherEntry& e, const Typed& t) {
    if (!t.lcode.isEmpty())
        e.setAccount(t.row, Side::Debit, t.lcode);
    if (!t.lsub.isEmpty())
        e.setSubAccount(t.row, Side::Debit, t.lsub);
    if (t.lyen)
        e.setAmount(t.row, Side::Debit, Money::fromYen(*t.lyen));
    if (!t.rcode.isEmpty())
        e.setAccount(t.row, Side::Credit, t.rcode);
    if (!t.rsub.isEmpty())
        e.setSubAccount(t.row, Side::Credit, t.rsub);
    if (t.ryen)
        e.setAmount(t.row, Side::Credit, Money::fromYen(*t.ryen));
}

void setDate(VoucherEntry& e, const QString& iso) {
    const QStringList p = iso.split('-');
    e.year = p[0];
    e.month = p[1];
    e.day = p[2];
}

std::vector<Row> storedRows(Database& aaa, int sNo) {
    std::vector<Row> rows;
    Statement st =
        aaa.prepare("SELECT Sub_No, Lkingaku, Rkingaku, LHcode FROM denpyou1 WHERE SNo = ?1 ORDER BY Sub_No");
    st.bindInt(1, sNo);
    while (st.step()) {
        Row r;
        r.subNo = static_cast<int>(st.integer(0));
        if (!st.isNull(1))
            r.lyen = st.integer(1);
        if (!st.isNull(2))
            r.ryen = st.integer(2);
        r.lhcode = st.text(3).trimmed();
        rows.push_back(r);
    }
    return rows;
}

class SaveVoucherTest : public ::testing::TestWithParam<SaveCase> {};

const QString kDate = QStringLiteral("2015-06-10");

const SaveCase kSaveCases[] = {
    {"SingleLine", 1, 0, kDate, {{0, "52100", "", 1000, "11100", "", 1000}}, "", 1, {{1, 1000, 1000, ""}}},
    {"CompoundBalanced",
     1,
     0,
     kDate,
     {{0, "51100", "", 3000, "11100", "", 1000}, {1, "", "", {}, "11100", "", 2000}},
     "",
     1,
     {{1, 3000, 1000, ""}, {2, {}, 2000, ""}}},
    {"CompoundUnbalanced",
     1,
     0,
     kDate,
     {{0, "51100", "", 3000, "11100", "", 1000}, {1, "", "", {}, "11100", "", 1500}},
     journaltext::kIncomplete,
     0,
     {}},
    {"AmountZeroWithCodeIsStored",
     1,
     0,
     kDate,
     {{0, "52100", "", 0, "11100", "", 0}},
     "",
     1,
     {{1, 0, 0, ""}}},
    {"CodeWithoutAmountIsRefused",
     1,
     0,
     kDate,
     {{0, "52100", "", 1000, "11100", "", 1000}, {1, "52100", "", {}, "", "", {}}},
     journaltext::kIncomplete,
     0,
     {}},
    {"GapKeepsLineNumbers",
     1,
     0,
     kDate,
     {{0, "52100", "", 1000, "11100", "", 1000}, {2, "51100", "", 500, "11100", "", 500}},
     "",
     1,
     {{1, 1000, 1000, ""}, {3, 500, 500, ""}}},
    {"SubAccountMissing",
     1,
     0,
     kDate,
     {{0, "11200", "", 1000, "71100", "", 1000}},
     journaltext::noSubAccount("11200"),
     0,
     {}},
    {"SubAccountGiven",
     1,
     0,
     kDate,
     {{0, "11200", "002", 1000, "71100", "", 1000}},
     "",
     1,
     {{1, 1000, 1000, "002"}}},
    {"PerUnitFirstOfUnit3",
     3,
     1,
     kDate,
     {{0, "52100", "", 800, "11100", "", 800}},
     "",
     30001,
     {{1, 800, 800, ""}}},
    {"PerUnitFirstOfUnit0",
     0,
     1,
     kDate,
     {{0, "52100", "", 800, "11100", "", 800}},
     "",
     990001,
     {{1, 800, 800, ""}}},
    {"Unit0NeedsAnAllocatedAccount",
     0,
     1,
     kDate,
     {{0, "52100", "", 800, "11100", "", 800}, {1, "51100", "", 200, "11100", "", 200}},
     journaltext::notAllocationAccount(2),
     0,
     {}},
    {"Unit0RefusesCompoundLines",
     0,
     1,
     kDate,
     {{0, "52100", "", 800, "11100", "", 500}, {1, "", "", {}, "11100", "", 300}},
     journaltext::compoundInAllocation(1),
     0,
     {}},
    {"DateBeforeFiscalYear",
     1,
     0,
     "2015-03-31",
     {{0, "52100", "", 1000, "11100", "", 1000}},
     journaltext::kBeforeFiscalYear,
     0,
     {}},
    {"ImpossibleDate",
     1,
     0,
     "2015-06-31",
     {{0, "52100", "", 1000, "11100", "", 1000}},
     journaltext::errorText(journaltext::invalidDate("2015", "06", "31")),
     0,
     {}},
    {"NothingTyped", 1, 0, kDate, {}, journaltext::kIncomplete, 0, {}},
};

TEST_P(SaveVoucherTest, ChecksNumbersAndWrites) {
    const SaveCase& c = GetParam();
    test::JournalFixture f;
    f.session.voucherNumbering = c.scheme;
    f.session.setCurrentUnit(c.unit, "unit");
    VoucherEntry e(f.session, f.prompter);
    ASSERT_TRUE(e.open());
    ASSERT_EQ(e.entryUnit(), c.unit);
    setDate(e, c.date);
    for (const auto& t : c.lines)
        type(e, t);
    const bool saved = e.save();
    if (c.message.isEmpty()) {
        ASSERT_TRUE(saved) << f.prompter.last().toStdString();
        EXPECT_TRUE(f.prompter.shown.empty());
        EXPECT_EQ(storedRows(f.session.aaa, c.expectedNo), c.rows);
        EXPECT_EQ(f.journalRows(), static_cast<int>(c.rows.size()));
        const QString stored =
            f.session.aaa.scalar("SELECT hizuke FROM denpyou1 WHERE SNo = ?1", {c.expectedNo}).toString();
        EXPECT_EQ(stored, c.date);
        EXPECT_EQ(f.session.aaa.scalar("SELECT MIN(FlgT) FROM denpyou1").toInt(), c.unit);
        // The next new voucher starts with the date just used.
        EXPECT_TRUE(e.isNewMode());
        EXPECT_EQ(QStringLiteral("%1-%2-%3")
                      .arg(e.year.toInt(), 4, 10, QChar('0'))
                      .arg(e.month.toInt(), 2, 10, QChar('0'))
                      .arg(e.day.toInt(), 2, 10, QChar('0')),
                  c.date);
        EXPECT_TRUE(e.buffer().isBlank());
    } else {
        EXPECT_FALSE(saved);
        EXPECT_EQ(f.prompter.last(), c.message);
        EXPECT_EQ(f.journalRows(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveVoucherTest, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- numbering

struct NumberCase {
    const char* name;
    int scheme;
    int unit;
    std::vector<std::pair<int, int>> existing; // (SNo, FlgT)
    std::optional<int> expected;               // nullopt: no number left in the block
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class VoucherNumberTest : public ::testing::TestWithParam<NumberCase> {};

const NumberCase kNumberCases[] = {
    {"SingleSerialEmpty", 0, 1, {}, 1},
    {"SingleSerialFollowsHighest", 0, 2, {{5, 1}, {3, 2}}, 6},
    {"SingleSerialAfterAllocationNumbers", 0, 1, {{990001, 0}, {7, 1}}, 990002},
    {"PerUnitFirstOfUnit3", 1, 3, {{5, 3}}, 30001},
    {"PerUnitFirstOfUnit0", 1, 0, {{5, 0}, {10001, 1}}, 990001},
    {"PerUnitFollowsHighestInBlock", 1, 1, {{10001, 1}, {10002, 1}, {20001, 2}}, 10003},
    {"PerUnitLegacyNumbersAreSkipped", 1, 1, {{57, 1}, {58, 2}}, 10001},
    {"PerUnitNumberTakenByAnotherUnitIsSkipped", 1, 1, {{10001, 1}, {10002, 2}}, 10003},
    {"Unit0FollowsHighestAllocationNumber", 1, 0, {{990001, 0}, {990002, 0}, {10001, 1}}, 990003},
    {"PerUnitBlockFull", 1, 2, {{20001, 2}, {29999, 1}}, std::nullopt},
};

TEST_P(VoucherNumberTest, NextNumberIsFreeAndInTheBlock) {
    const NumberCase& c = GetParam();
    test::JournalFixture f;
    for (const auto& [sNo, unit] : c.existing)
        f.addLine(sNo, 1, unit, "52100", 100, "11100", 100);
    EXPECT_EQ(nextVoucherNumber(f.session.aaa, c.scheme, c.unit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, VoucherNumberTest, ::testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- fixture for the stateful cases

struct VoucherEntryTest : ::testing::Test {
    test::JournalFixture f;
    VoucherEntry e{f.session, f.prompter};

    void open(int scheme = 0, std::optional<int> voucher = std::nullopt) {
        f.session.voucherNumbering = scheme;
        ASSERT_TRUE(e.open(voucher));
        setDate(e, kDate);
    }
    bool saveSimple(long long yen, const QString& debit = "52100") {
        type(e, {0, debit, "", yen, "11100", "", yen});
        return e.save();
    }
};

// A unit whose block is taken by older numbers: the screen opens (number 0) and saving is
// refused with a message instead of taking a number of the block.
TEST_F(VoucherEntryTest, FullBlockRefusesTheSave) {
    f.addLine(19999, 1, 1, "52100", 100, "11100", 100);
    open(1);
    EXPECT_EQ(e.voucherNo(), 0);
    EXPECT_FALSE(saveSimple(500));
    EXPECT_EQ(f.prompter.last(), journaltext::numberBlockFull(1));
    EXPECT_EQ(f.journalRows(), 1);
}

// Regression (issue 5): saving a new voucher used to delete the lines of the number it
// computed, which could be another unit's voucher. The number now comes from the unit's
// block and nothing is deleted.
TEST_F(VoucherEntryTest, NewVoucherNeverDeletesAnotherVoucher) {
    f.addLine(57, 1, 1, "52100", 100, "11100", 100); // a unit-1 voucher of the single serial
    f.addLine(58, 1, 2, "52100", 200, "11100", 200); // unit 2's voucher after an import
    f.addLine(58, 2, 2, "51100", 300, "11100", 300);
    open(1);
    EXPECT_EQ(e.voucherNo(), 10001);
    ASSERT_TRUE(saveSimple(1000));
    EXPECT_EQ(f.lineCount(58), 2);
    EXPECT_EQ(f.lineCount(57), 1);
    EXPECT_EQ(f.lineCount(10001), 1);
}

TEST_F(VoucherEntryTest, ResaveWithFewerLinesLeavesNoOldLine) {
    f.addLine(4, 1, 1, "52100", 100, "11100", 100);
    f.addLine(4, 2, 1, "51100", 200, "11100", 200);
    f.addLine(4, 5, 1, "52100", 300, "11100", 300);
    open(0, 4);
    ASSERT_FALSE(e.isNewMode());
    EXPECT_EQ(e.line(2).debit.amount, Money::fromYen(300)); // gaps close up on screen
    e.deleteLine(1);
    ASSERT_TRUE(e.save());
    EXPECT_EQ(storedRows(f.session.aaa, 4), (std::vector<Row>{{1, 100, 100, ""}, {2, 300, 300, ""}}));
    EXPECT_FALSE(e.isNewMode());
    EXPECT_EQ(e.voucherNo(), 4);
}

// A failed write rolls back: the corrected voucher keeps its old lines.
TEST_F(VoucherEntryTest, FailedSaveChangesNothing) {
    f.addLine(4, 1, 1, "52100", 100, "11100", 100);
    f.addLine(4, 2, 1, "51100", 200, "11100", 200);
    open(0, 4);
    e.setDescription(0, 1, QString::fromUtf8("\xF0\x9F\x98\x80")); // not in CP932
    EXPECT_FALSE(e.save());
    EXPECT_TRUE(f.prompter.last().startsWith(journaltext::kWriteErrorB));
    EXPECT_EQ(storedRows(f.session.aaa, 4), (std::vector<Row>{{1, 100, 100, ""}, {2, 200, 200, ""}}));
    EXPECT_TRUE(e.isModified());
}

// Regression (issue 5): a voucher of more than twenty lines opens read-only.
TEST_F(VoucherEntryTest, VoucherOverTwentyLinesOpensReadOnly) {
    for (int i = 1; i <= 22; ++i)
        f.addLine(9, i, 1, "52100", i, "11100", i);
    open(0, 9);
    EXPECT_TRUE(e.isReadOnly());
    EXPECT_EQ(f.prompter.last(), journaltext::tooManyLines(9, 22));
    e.setAmount(0, Side::Debit, Money::fromYen(5));
    EXPECT_FALSE(e.save());
    EXPECT_EQ(f.prompter.last(), journaltext::kReadOnlyVoucher);
    EXPECT_FALSE(e.copyCurrent());
    EXPECT_EQ(f.lineCount(9), 22);
    EXPECT_FALSE(e.hasUnsavedChanges()); // nothing to lose: browsing away asks nothing
}

// Regression (issue 5): browsing away from changed lines asks first.
TEST_F(VoucherEntryTest, BrowsingAsksBeforeLosingChanges) {
    f.addLine(1, 1, 1, "52100", 100, "11100", 100);
    f.addLine(2, 1, 1, "52100", 200, "11100", 200);
    open(0, 2);
    e.setAmount(0, Side::Debit, Money::fromYen(250));
    e.setAmount(0, Side::Credit, Money::fromYen(250));

    f.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_EQ(e.voucherNo(), 2);
    EXPECT_EQ(f.prompter.last(), journaltext::kUnsavedCorrectionQuestion);

    f.prompter.answers = {Answer::No};
    EXPECT_TRUE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_EQ(e.voucherNo(), 1);
    EXPECT_EQ(storedRows(f.session.aaa, 2), (std::vector<Row>{{1, 200, 200, ""}}));

    e.setAmount(0, Side::Debit, Money::fromYen(150));
    e.setAmount(0, Side::Credit, Money::fromYen(150));
    f.prompter.answers = {Answer::Yes};
    EXPECT_TRUE(e.browse(VoucherEntry::Move::Next));
    EXPECT_EQ(e.voucherNo(), 2);
    EXPECT_EQ(storedRows(f.session.aaa, 1), (std::vector<Row>{{1, 150, 150, ""}}));
}

TEST_F(VoucherEntryTest, NewModeBrowsingGoesToTheLastVoucherAndPagesBack) {
    f.addLine(1, 1, 1, "52100", 100, "11100", 100);
    f.addLine(2, 1, 2, "52100", 200, "11100", 200);
    f.addLine(3, 1, 1, "52100", 300, "11100", 300);
    open(0);
    EXPECT_EQ(e.voucherNo(), 4);
    EXPECT_EQ(e.voucherCount(), 3);
    EXPECT_FALSE(e.browse(VoucherEntry::Move::Next));
    EXPECT_TRUE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_EQ(e.voucherNo(), 3);
    EXPECT_TRUE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_EQ(e.voucherNo(), 2);
    EXPECT_EQ(e.entryUnit(), 2); // the drop-down follows the voucher's unit
    EXPECT_TRUE(e.browse(VoucherEntry::Move::First));
    EXPECT_EQ(e.voucherNo(), 1);
    EXPECT_FALSE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_TRUE(f.prompter.shown.empty());
}

TEST_F(VoucherEntryTest, PerUnitListShowsOnlyTheUnitsVouchers) {
    f.addLine(10001, 1, 1, "52100", 100, "11100", 100);
    f.addLine(20001, 1, 2, "52100", 200, "11100", 200);
    f.addLine(10002, 1, 1, "52100", 300, "11100", 300);
    open(1);
    EXPECT_EQ(e.voucherNo(), 10003);
    EXPECT_EQ(e.voucherCount(), 2);
    EXPECT_TRUE(e.browse(VoucherEntry::Move::Last));
    EXPECT_EQ(e.voucherNo(), 10002);
    EXPECT_FALSE(e.openNumber(20001));
    EXPECT_EQ(e.voucherNo(), 10002);
    EXPECT_TRUE(e.openNumber(10001));
    EXPECT_EQ(e.voucherNo(), 10001);
    EXPECT_FALSE(e.browse(VoucherEntry::Move::Prior));
}

TEST_F(VoucherEntryTest, DeleteShowsTheVoucherNowAtItsPlace) {
    f.addLine(1, 1, 1, "52100", 100, "11100", 100);
    f.addLine(2, 1, 1, "52100", 200, "11100", 200);
    f.addLine(2, 2, 1, "51100", 50, "11100", 50);
    f.addLine(3, 1, 1, "52100", 300, "11100", 300);
    open(0, 2);
    f.prompter.answers = {Answer::No};
    EXPECT_FALSE(e.deleteCurrent());
    EXPECT_EQ(f.lineCount(2), 2);
    EXPECT_TRUE(e.deleteCurrent());
    EXPECT_EQ(f.prompter.last(), journaltext::kDeleteQuestion);
    EXPECT_EQ(f.lineCount(2), 0);
    EXPECT_EQ(e.voucherNo(), 3);
    EXPECT_TRUE(e.deleteCurrent());
    EXPECT_EQ(e.voucherNo(), 1);
    EXPECT_TRUE(e.deleteCurrent());
    EXPECT_TRUE(e.isNewMode());
    EXPECT_EQ(f.journalRows(), 0);
}

// Regression (issue 5): in new mode a unit change keeps the lines, so "伝票複写" moves a
// voucher to another unit.
TEST_F(VoucherEntryTest, CopyToAnotherUnit) {
    f.addLine(10001, 1, 1, "52100", 700, "11100", 700);
    open(1, 10001);
    EXPECT_TRUE(e.copyCurrent());
    EXPECT_EQ(f.prompter.last(), journaltext::kCopyQuestion);
    EXPECT_TRUE(e.isNewMode());
    EXPECT_EQ(e.voucherNo(), 10002);
    EXPECT_TRUE(e.changeUnit(2));
    EXPECT_EQ(e.voucherNo(), 20001);
    EXPECT_EQ(e.line(0).debit.amount, Money::fromYen(700));
    EXPECT_EQ(f.session.currentUnit, 2);
    ASSERT_TRUE(e.save());
    EXPECT_EQ(f.lineCount(20001), 1);
    EXPECT_EQ(f.session.aaa.scalar("SELECT FlgT FROM denpyou1 WHERE SNo = 20001").toInt(), 2);
    EXPECT_EQ(f.lineCount(10001), 1);
}

TEST_F(VoucherEntryTest, UnitChangeRefusesSubtotalsAndAsksInEditMode) {
    f.session.unitKind[3] = 2;
    f.addLine(1, 1, 1, "52100", 100, "11100", 100);
    open(1, 1);
    EXPECT_FALSE(e.changeUnit(3));
    EXPECT_EQ(f.prompter.last(), journaltext::kSubtotalUnit);
    EXPECT_EQ(e.entryUnit(), 1);
    e.setAmount(0, Side::Debit, Money::fromYen(5));
    f.prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(e.changeUnit(2));
    EXPECT_EQ(e.entryUnit(), 1);
    EXPECT_EQ(f.prompter.last(), journaltext::kUnsavedCorrectionQuestion);
}

TEST_F(VoucherEntryTest, NewModeAsksOnlyWhenSomethingWasTyped) {
    open(0);
    EXPECT_TRUE(e.confirmLeave());
    EXPECT_TRUE(f.prompter.shown.empty());
    type(e, {0, "52100", "", 100, "", "", {}});
    f.prompter.answers = {Answer::No};
    EXPECT_TRUE(e.confirmLeave());
    EXPECT_EQ(f.prompter.last(), journaltext::kUnsavedQuestion);
    // Yes saves; a save that fails keeps the screen.
    type(e, {0, "52100", "", 100, "", "", {}});
    f.prompter.answers = {Answer::Yes};
    EXPECT_FALSE(e.confirmLeave());
    EXPECT_EQ(f.prompter.last(), journaltext::kIncomplete);
}

// --- typing

TEST_F(VoucherEntryTest, AccountEntryAcceptsOnlyInputAccounts) {
    open(0);
    struct {
        const char* code;
        bool accepted;
        bool toSubAccount;
    } cases[] = {{"52100", true, false},
                 {"11200", true, true},
                 {"10000", false, false},
                 {"52900", false, false},
                 {"99999", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(e.setAccount(0, Side::Debit, c.code), c.toSubAccount);
        EXPECT_EQ(e.line(0).debit.code.isEmpty(), !c.accepted);
        EXPECT_EQ(f.session.pickedDebitCode, c.accepted ? QString(c.code) : QString());
    }
    e.setAccount(0, Side::Debit, "52100");
    EXPECT_EQ(e.line(0).debit.name, QStringLiteral("水道光熱費"));
    e.setAccount(0, Side::Credit, "11200");
    e.setSubAccount(0, Side::Credit, "002");
    EXPECT_EQ(e.line(0).credit.subName, QStringLiteral("第二銀行1")); // the unit's own name
    e.setSubAccount(0, Side::Credit, "009");
    EXPECT_EQ(e.line(0).credit.subCode, QStringLiteral("009"));
    EXPECT_TRUE(e.line(0).credit.subName.isEmpty());
    EXPECT_EQ(f.session.pickedCreditCode, QStringLiteral("11200"));
}

TEST_F(VoucherEntryTest, AmountEnterAppliesTheDefaultTaxClassAfterACodeChange) {
    open(0);
    e.codeFieldEntered(0, Side::Debit);
    e.setAccount(0, Side::Debit, "51100");
    e.setAmount(0, Side::Debit, Money::fromYen(100));
    EXPECT_TRUE(e.amountEnter(0, Side::Debit));
    EXPECT_EQ(e.line(0).debit.tax, 3);
    EXPECT_EQ(e.line(0).debit.taxName, QStringLiteral("特定収入"));
    // Cleared by the user and the code left as it was: the class stays empty.
    e.setTaxClass(0, Side::Debit, std::nullopt);
    e.codeFieldEntered(0, Side::Debit);
    e.setAccount(0, Side::Debit, "51100");
    EXPECT_TRUE(e.amountEnter(0, Side::Debit));
    EXPECT_FALSE(e.line(0).debit.tax.has_value());
    // An account without a default class clears it.
    e.setAccount(0, Side::Credit, "11100");
    e.setTaxClass(0, Side::Credit, 3);
    EXPECT_FALSE(e.amountEnter(0, Side::Credit));
    EXPECT_FALSE(e.line(0).credit.tax.has_value());
}

TEST_F(VoucherEntryTest, CreditAmountEnterCopiesTheDebitAmount) {
    open(0);
    type(e, {0, "52100", "", 1200, "11100", "", {}});
    EXPECT_TRUE(e.creditAmountEnter(0));
    EXPECT_EQ(e.line(0).credit.amount, Money::fromYen(1200));
    e.setAmount(0, Side::Credit, Money::fromYen(1000));
    EXPECT_TRUE(e.creditAmountEnter(0));
    EXPECT_EQ(e.line(0).credit.amount, Money::fromYen(1000));
    EXPECT_TRUE(f.prompter.shown.empty());
}

TEST_F(VoucherEntryTest, Unit0RefusesADifferentCreditAmountWhileTyping) {
    f.session.setCurrentUnit(0, "合計");
    open(1);
    ASSERT_EQ(e.entryUnit(), 0);
    EXPECT_EQ(e.entryUnitName(), journaltext::kAllocationUnitName);
    type(e, {0, "52100", "", 1200, "11100", "", 1000});
    EXPECT_FALSE(e.creditAmountEnter(0));
    EXPECT_EQ(f.prompter.last(), journaltext::kCompoundWhileTyping);
}

TEST_F(VoucherEntryTest, LineOperations) {
    open(0);
    type(e, {0, "52100", "", 100, "11100", "", 100});
    EXPECT_FALSE(e.copyLineAbove(0));
    EXPECT_TRUE(e.copyLineAbove(1));
    EXPECT_EQ(e.line(1).debit.code, QStringLiteral("52100"));
    EXPECT_EQ(e.line(1).credit.amount, Money::fromYen(100));
    EXPECT_EQ(e.line(1).subNo, 2);
    EXPECT_EQ(e.totals().debit, Money::fromYen(200));

    EXPECT_TRUE(e.insertLine(0));
    EXPECT_TRUE(e.line(0).isBlank());
    EXPECT_EQ(e.line(1).debit.code, QStringLiteral("52100"));
    EXPECT_EQ(e.line(19).subNo, 20);
    EXPECT_FALSE(e.insertLine(19));
    EXPECT_EQ(f.prompter.last(), journaltext::kNoMoreInsert);
    f.prompter.clear();
    e.setAccount(19, Side::Credit, "11100");
    EXPECT_FALSE(e.insertLine(3));
    EXPECT_EQ(f.prompter.last(), journaltext::kNoMoreInsert);

    e.deleteLine(0);
    EXPECT_EQ(e.line(0).debit.code, QStringLiteral("52100"));
    EXPECT_EQ(e.line(18).credit.code, QStringLiteral("11100"));
    EXPECT_TRUE(e.line(19).isBlank());
}

TEST_F(VoucherEntryTest, RevertDropsChanges) {
    f.addLine(1, 1, 1, "52100", 100, "11100", 100);
    open(0, 1);
    e.setAmount(0, Side::Debit, Money::fromYen(999));
    e.revert();
    EXPECT_EQ(e.line(0).debit.amount, Money::fromYen(100));
    EXPECT_FALSE(e.isModified());
}

TEST_F(VoucherEntryTest, HeaderFieldChecks) {
    EXPECT_EQ(VoucherEntry::checkYear("3001"), journaltext::kYearTooLarge);
    EXPECT_EQ(VoucherEntry::checkYear("2015"), std::nullopt);
    EXPECT_EQ(VoucherEntry::checkMonth("13"), journaltext::kMonthInvalid);
    EXPECT_EQ(VoucherEntry::checkMonth("0"), journaltext::kMonthInvalid);
    EXPECT_EQ(VoucherEntry::checkMonth("12"), std::nullopt);
}

TEST_F(VoucherEntryTest, FlagsAreWrittenToEveryLine) {
    open(0);
    e.adjusting = true;
    type(e, {0, "51100", "", 300, "11100", "", 100});
    type(e, {1, "", "", {}, "11100", "", 200});
    ASSERT_TRUE(e.save());
    EXPECT_EQ(f.session.aaa.scalar("SELECT COUNT(*) FROM denpyou1 WHERE FlgU = 1 AND FlgV IS NULL").toInt(),
              2);
    EXPECT_FALSE(e.adjusting); // the next voucher starts unticked
}

// Every row of the journal as text, for comparing the whole journal before and after.
QStringList journalSnapshot(Database& aaa) {
    QStringList rows;
    Statement st =
        aaa.prepare("SELECT SNo, Sub_No, hizuke, Lcode, LHcode, Lkingaku, Rcode, RHcode, Rkingaku, "
                    "tekiyou1, FlgT FROM denpyou1 ORDER BY SNo, Sub_No");
    while (st.step()) {
        QStringList cells;
        for (int i = 0; i < st.columnCount(); ++i)
            cells << st.text(i).trimmed();
        rows << cells.join('|');
    }
    return rows;
}

// Whether the journal holds exactly the lines the entry shows for its voucher.
void expectJournalMatchesScreen(Database& aaa, const VoucherEntry& e) {
    std::vector<Row> shown;
    for (int row = 0; row < kVoucherLines; ++row) {
        const VoucherLine& l = e.line(row);
        if (!l.hasAmount())
            continue;
        Row r{l.subNo, {}, {}, l.debit.subCode};
        if (!l.debit.amount.isEmpty())
            r.lyen = l.debit.amount.yen();
        if (!l.credit.amount.isEmpty())
            r.ryen = l.credit.amount.yen();
        shown.push_back(r);
    }
    EXPECT_EQ(storedRows(aaa, e.voucherNo()), shown);
}

// Unit 1: a simple, a compound and a sub-account voucher; PageUp back; one corrected, one
// deleted; the journal holds what the screen showed, and a failed save changes nothing.
TEST_F(VoucherEntryTest, EnterBrowseCorrectDeleteInUnit1) {
    open(0);
    ASSERT_TRUE(saveSimple(1000));
    type(e, {0, "51100", "", 3000, "11100", "", 1000});
    type(e, {1, "", "", {}, "11100", "", 2000});
    ASSERT_TRUE(e.save());
    type(e, {0, "11200", "001", 5000, "71100", "", 5000});
    ASSERT_TRUE(e.save());
    EXPECT_EQ(e.voucherNo(), 4);
    EXPECT_EQ(e.voucherCount(), 3);

    ASSERT_TRUE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_EQ(e.voucherNo(), 3);
    EXPECT_EQ(e.line(0).debit.subName, QStringLiteral("第一銀行1"));
    expectJournalMatchesScreen(f.session.aaa, e);
    ASSERT_TRUE(e.browse(VoucherEntry::Move::Prior));
    EXPECT_EQ(e.voucherNo(), 2);
    e.setAmount(0, Side::Debit, Money::fromYen(3500));
    e.setAmount(1, Side::Credit, Money::fromYen(2500));
    ASSERT_TRUE(e.save());
    EXPECT_EQ(e.voucherNo(), 2);
    expectJournalMatchesScreen(f.session.aaa, e);

    ASSERT_TRUE(e.browse(VoucherEntry::Move::Prior));
    ASSERT_TRUE(e.deleteCurrent());
    EXPECT_EQ(e.voucherNo(), 2);
    EXPECT_EQ(e.voucherCount(), 2);
    EXPECT_EQ(f.lineCount(1), 0);

    const QStringList before = journalSnapshot(f.session.aaa);
    EXPECT_EQ(before.size(), 3);
    e.setAmount(1, Side::Credit, Money::fromYen(2400)); // unbalanced
    EXPECT_FALSE(e.save());
    EXPECT_EQ(journalSnapshot(f.session.aaa), before);
}

TEST(VoucherAmountKeys, DotIgnoredSlashAddsThousands) {
    EXPECT_EQ(amountKey("12", '/'), QString("12000"));
    EXPECT_EQ(amountKey("12", '.'), QString("12"));
    EXPECT_EQ(amountKey("12", '3'), std::nullopt);
    EXPECT_EQ(parseAmount("1,200"), Money::fromYen(1200));
    EXPECT_EQ(parseAmount(""), Money());
    EXPECT_EQ(parseAmount("abc"), std::nullopt);
    EXPECT_EQ(parseAmount("1.5"), std::nullopt);
}

} // namespace
