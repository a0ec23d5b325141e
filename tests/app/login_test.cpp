// SPDX-License-Identifier: GPL-3.0-or-later
// The user-password login: factory default, stored passwords with leading zeros, the
// service code, the view-only password and its write protection, and refusals.
#include "app/login.h"
#include "appfixture.h"
#include "store/errors.h"

#include <gtest/gtest.h>
#include <ostream>

namespace k9 {
namespace {

struct LoginCase {
    const char* name;
    int storedUser;     // HeadM.PM5
    int storedViewOnly; // HeadM.PM4
    const char* typed;
    LoginOutcome expected;
};

// Test names and failures show the case by its name.
void PrintTo(const LoginCase& c, std::ostream* os) {
    *os << c.name;
}

const LoginCase kLoginCases[] = {
    {"FactoryDefaultWhileStoredZero", 0, 0, "5807", LoginOutcome::User},
    {"StoredZeroIsNotTypedAsZeros", 0, 12345, "0000", LoginOutcome::Refused},
    {"StoredPassword", 1234, 0, "1234", LoginOutcome::User},
    {"DefaultRefusedOnceChanged", 1234, 0, "5807", LoginOutcome::Refused},
    {"StoredPasswordWithLeadingZero", 123, 0, "0123", LoginOutcome::User},
    {"LeadingZeroRequired", 123, 0, "123", LoginOutcome::Refused},
    {"ServiceCode", 1234, 0, "7319", LoginOutcome::User},
    {"ServiceCodeWithDefault", 0, 0, "7319", LoginOutcome::User},
    {"ViewOnlyPassword", 1234, 54321, "54321", LoginOutcome::ViewOnly},
    {"ViewOnlyPasswordWithLeadingZeros", 1234, 42, "00042", LoginOutcome::ViewOnly},
    {"WrongPassword", 1234, 54321, "9999", LoginOutcome::Refused},
    {"EmptyText", 1234, 54321, "", LoginOutcome::Refused},
};

class LoginTest : public ::testing::TestWithParam<LoginCase> {};

TEST_P(LoginTest, OutcomeAndSessionValues) {
    const LoginCase& c = GetParam();
    test::AppFolder app;
    app.setHeadM("PM5", c.storedUser);
    app.setHeadM("PM4", c.storedViewOnly);
    app.setHeadM("法人名", QStringLiteral("社団法人テスト会"));

    const LoginData stored = readLoginData(app.session);
    EXPECT_EQ(checkLogin(stored, QString::fromUtf8(c.typed)), c.expected);

    const bool accepted = applyLogin(app.session, stored, QString::fromUtf8(c.typed));
    EXPECT_EQ(accepted, c.expected != LoginOutcome::Refused);
    EXPECT_EQ(app.session.viewOnly, c.expected == LoginOutcome::ViewOnly ? 1 : 0);
    if (accepted) {
        EXPECT_EQ(app.session.loginPassword, QString::fromUtf8(c.typed));
        EXPECT_EQ(app.session.corporationName, QStringLiteral("社団法人テスト会"));
    } else {
        EXPECT_TRUE(app.session.loginPassword.isEmpty());
        EXPECT_TRUE(app.session.corporationName.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Passwords, LoginTest, ::testing::ValuesIn(kLoginCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoginData, StoredPasswordsAreShownWithLeadingZeros) {
    test::AppFolder app;
    app.setHeadM("PM5", 7);
    app.setHeadM("PM4", 12);
    const LoginData d = readLoginData(app.session);
    EXPECT_EQ(d.userPassword, QStringLiteral("0007"));
    EXPECT_EQ(d.viewOnlyPassword, QStringLiteral("00012"));
}

// A view-only login may read everything but change nothing in the program and data
// folders; the work folder's scratch tables stay writable.
TEST(ViewOnly, RefusesDataFolderWritesButNotWorkFolderWrites) {
    test::AppFolder app;
    app.setHeadM("PM4", 11111);
    ASSERT_TRUE(app.init().ok());
    ASSERT_TRUE(applyLogin(app.session, readLoginData(app.session), QStringLiteral("11111")));
    ASSERT_EQ(app.session.viewOnly, 1);

    EXPECT_THROW(app.session.aaa.run(
                     QStringLiteral("UPDATE \"BUMON\" SET \"Bumonmei\" = '一般会計' WHERE \"code\" = 1")),
                 ViewOnlyError);
    EXPECT_THROW(app.session.hm.run(QStringLiteral("UPDATE \"HeadM\" SET \"PM5\" = 1")), ViewOnlyError);
    EXPECT_NO_THROW(app.session.www.run(QStringLiteral("DELETE FROM \"wdenpyo\"")));
    EXPECT_NO_THROW(app.session.www.insertRow(QStringLiteral("WKTBL0"), {{QStringLiteral("renNo"), 1}}));

    // Init after a view-only login still reads the folder (and may create missing rows).
    InitResult again = app.init();
    EXPECT_TRUE(again.ok()) << again.message().toStdString();
    EXPECT_EQ(again.unitNames.size(), 20u);
    EXPECT_THROW(app.session.aaa.run(QStringLiteral("DELETE FROM \"denpyou1\"")), ViewOnlyError);
}

} // namespace
} // namespace k9
