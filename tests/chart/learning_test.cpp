// SPDX-License-Identifier: GPL-3.0-or-later
// The debit and credit learning lists: most recent first, the debit list settling at 21
// rows, the credit list kept per debit account, and the deletion of a row.
#include "chart/learning.h"
#include "chart/pickerfixture.h"

#include <gtest/gtest.h>

namespace {

QString code(int n) {
    return QString::number(n);
}

QStringList codes(const std::vector<k9::LearnedAccount>& list) {
    QStringList c;
    int expected = 0;
    for (const auto& row : list) {
        EXPECT_EQ(row.renNo, ++expected) << "rows are numbered 1..n without gaps";
        c << row.code;
    }
    return c;
}

struct LearningTest : ::testing::Test, k9::test::PickerFixture {
    // Records codes 10001 … 10000+n, the last one ending up first.
    void fillDebit(int n) {
        for (int i = 1; i <= n; ++i)
            k9::recordDebitUse(session.www, code(10000 + i));
    }
};

} // namespace

TEST_F(LearningTest, DebitListKeepsTheLatestCodeFirst) {
    addWorkAccount("11100", "　現金", {.a = 0});
    k9::recordDebitUse(session.www, "11100");
    k9::recordDebitUse(session.www, "51100");
    k9::recordDebitUse(session.www, "52100");
    k9::recordDebitUse(session.www, "51100");
    auto list = k9::debitLearningList(session.www);
    EXPECT_EQ(codes(list), QStringList({"51100", "52100", "11100"}));
    EXPECT_EQ(list[2].name, "　現金");
    EXPECT_EQ(list[0].name, "") << "an account missing from the chart shows no name";
}

TEST_F(LearningTest, DebitListSettlesAtTwentyOneRows) {
    struct Case {
        const char* what;
        int filled;   // codes recorded first
        QString used; // the code used next
        int rowsAfter;
        QString lastAfter; // least recent row afterwards
    };
    const Case cases[] = {
        {"20 rows and a new code grow to 21", 20, "59999", 21, code(10001)},
        {"21 rows and a new code drop the least recent", 21, "59999", 21, code(10002)},
        {"21 rows and a code in the list only move it", 21, code(10005), 21, code(10001)},
        {"21 rows and the least recent code moves it up", 21, code(10001), 21, code(10002)},
    };
    for (const auto& c : cases) {
        session.www.run("DELETE FROM WKTBL0");
        fillDebit(c.filled);
        EXPECT_EQ(k9::recordDebitUse(session.www, c.used), c.rowsAfter) << c.what;
        const QStringList list = codes(k9::debitLearningList(session.www));
        ASSERT_EQ(list.size(), c.rowsAfter) << c.what;
        EXPECT_EQ(list.first(), c.used) << c.what;
        EXPECT_EQ(list.last(), c.lastAfter) << c.what;
        EXPECT_EQ(list.count(c.used), 1) << c.what;
    }
}

TEST_F(LearningTest, ALongerRebuiltListKeepsItsLength) {
    for (int i = 1; i <= 30; ++i)
        session.www.insertRow("WKTBL0", {{"renNo", i}, {"code1", code(20000 + i)}});
    EXPECT_EQ(k9::recordDebitUse(session.www, "59999"), 30);
    const QStringList list = codes(k9::debitLearningList(session.www));
    EXPECT_EQ(list.first(), "59999");
    EXPECT_EQ(list.last(), code(20029));
}

TEST_F(LearningTest, CreditListIsKeptPerDebitAccountWithoutLimit) {
    k9::recordCreditUse(session.www, "51100", "11100");
    k9::recordCreditUse(session.www, "51100", "11200");
    k9::recordCreditUse(session.www, "52100", "11200");
    k9::recordCreditUse(session.www, "51100", "11100");
    for (int i = 1; i <= 25; ++i)
        k9::recordCreditUse(session.www, "53100", code(30000 + i));

    EXPECT_EQ(codes(k9::creditLearningList(session.www, "51100")), QStringList({"11100", "11200"}));
    EXPECT_EQ(codes(k9::creditLearningList(session.www, "52100")), QStringList({"11200"}));
    EXPECT_EQ(k9::creditLearningList(session.www, "53100").size(), 25u);
    EXPECT_TRUE(k9::creditLearningList(session.www, "59999").empty());
}

TEST_F(LearningTest, SessionCallsRecordOnlyFullCodes) {
    struct Case {
        const char* debit;
        const char* credit;
        bool debitRecorded;
        bool creditRecorded;
    };
    const Case cases[] = {
        {"51100", "11100", true, true},
        {"5110", "11100", false, false},
        {"51100", "", true, false},
        {"", "11100", false, false},
    };
    for (const auto& c : cases) {
        session.pickedDebitCode = QString::fromUtf8(c.debit);
        session.pickedCreditCode = QString::fromUtf8(c.credit);
        EXPECT_EQ(k9::recordDebitUse(session), c.debitRecorded) << c.debit << "/" << c.credit;
        EXPECT_EQ(k9::recordCreditUse(session), c.creditRecorded) << c.debit << "/" << c.credit;
    }
    EXPECT_EQ(codes(k9::debitLearningList(session.www)), QStringList({"51100"}));
    EXPECT_EQ(codes(k9::creditLearningList(session.www, "51100")), QStringList({"11100"}));
}

TEST_F(LearningTest, DeletingARowRenumbersTheRest) {
    fillDebit(4); // 10004, 10003, 10002, 10001
    k9::removeDebitLearningRow(session.www, 2);
    EXPECT_EQ(codes(k9::debitLearningList(session.www)), QStringList({"10004", "10002", "10001"}));

    k9::recordCreditUse(session.www, "51100", "11100");
    k9::recordCreditUse(session.www, "51100", "11200");
    k9::recordCreditUse(session.www, "52100", "11300");
    k9::removeCreditLearningRow(session.www, "51100", 1);
    EXPECT_EQ(codes(k9::creditLearningList(session.www, "51100")), QStringList({"11100"}));
    EXPECT_EQ(codes(k9::creditLearningList(session.www, "52100")), QStringList({"11300"}));
}
