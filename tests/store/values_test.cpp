// SPDX-License-Identifier: GPL-3.0-or-later
// Money arithmetic and parsing, and CP932 widths and cuts.
#include "store/cp932.h"
#include "store/errors.h"
#include "store/money.h"

#include <gtest/gtest.h>

using k9::Money;

TEST(Money, EmptyIsDistinctFromZero) {
    EXPECT_TRUE(Money().isEmpty());
    EXPECT_FALSE(Money::zero().isEmpty());
    EXPECT_NE(Money(), Money::zero());
    EXPECT_EQ(Money() + Money(), Money::zero());
    EXPECT_EQ(Money::zero().zeroAsEmpty(), Money());
    EXPECT_EQ(Money().orZero(), Money::zero());
    EXPECT_FALSE(Money().toVariant().isValid());
}

TEST(Money, ParsesWhatPeopleType) {
    struct Case {
        const char* text;
        std::optional<long long> raw; // nullopt = refused; LLONG_MIN = empty
    };
    const Case cases[] = {
        {"1,234,567", 12345670000LL}, {"-500", -5000000LL},      {"▲300", -3000000LL}, {"１２３", 1230000LL},
        {"12.5", 125000LL},           {"0.0001", 1LL},           {"", LLONG_MIN},      {"  ", LLONG_MIN},
        {"abc", std::nullopt},        {"1.23456", std::nullopt}, {"-", std::nullopt},  {"1-2", std::nullopt},
    };
    for (const auto& c : cases) {
        auto m = Money::parse(QString::fromUtf8(c.text));
        if (!c.raw) {
            EXPECT_FALSE(m.has_value()) << c.text;
        } else if (*c.raw == LLONG_MIN) {
            ASSERT_TRUE(m.has_value()) << c.text;
            EXPECT_TRUE(m->isEmpty()) << c.text;
        } else {
            ASSERT_TRUE(m.has_value()) << c.text;
            EXPECT_EQ(m->raw(), *c.raw) << c.text;
        }
    }
}

TEST(Money, FormatsWholeYenWithSeparators) {
    EXPECT_EQ(Money::fromYen(1234567).format(), "1,234,567");
    EXPECT_EQ(Money::fromYen(-1000).format(), "-1,000");
    EXPECT_EQ(Money::fromYen(999).format(), "999");
    EXPECT_EQ(Money::zero().format(), "0");
    EXPECT_EQ(Money().format(), "");
}

TEST(Money, StoresWholeYenAsIntegersAndFractionsAsReals) {
    EXPECT_EQ(Money::fromYen(100).toVariant().typeId(), QMetaType::LongLong);
    EXPECT_EQ(Money::fromRaw(15000).toVariant().typeId(), QMetaType::Double);
    EXPECT_EQ(Money::fromVariant(QVariant(1.5)).raw(), 15000);
    EXPECT_EQ(Money::fromVariant(QVariant(qlonglong(7))), Money::fromYen(7));
}

TEST(Money, SharesAreTruncated) {
    EXPECT_EQ(Money::fromYen(1001).sharePercent(60), Money::fromYen(600));
    EXPECT_EQ(Money::fromYen(-1001).sharePercent(60), Money::fromYen(-600));
    EXPECT_EQ(Money::fromYen(10000).sharePercent(30), Money::fromYen(3000));
}

TEST(Cp932, WidthsCountFullWidthAsTwo) {
    struct Case {
        const char* text;
        int width;
    };
    const Case cases[] = {{"abc", 3}, {"現金", 4}, {"ｱｲｳ", 3}, {"①㈱髙～", 8}, {"", 0}, {"　Ａ", 4}};
    for (const auto& c : cases)
        EXPECT_EQ(k9::cp932::byteWidth(QString::fromUtf8(c.text)), c.width) << c.text;
}

TEST(Cp932, TruncateNeverSplitsACharacter) {
    EXPECT_EQ(k9::cp932::truncate(QString::fromUtf8("普通預金口座"), 5), QString::fromUtf8("普通"));
    EXPECT_EQ(k9::cp932::truncate(QString::fromUtf8("ab現金"), 3), QString::fromUtf8("ab"));
    EXPECT_EQ(k9::cp932::truncate(QString::fromUtf8("ab現金"), 4), QString::fromUtf8("ab現"));
    EXPECT_EQ(k9::cp932::truncate(QString::fromUtf8("短い"), 40), QString::fromUtf8("短い"));
}

TEST(Cp932, ExtensionCharactersRoundTrip) {
    const QString text = QString::fromUtf8("①㈱髙～Ⅲ№ｶﾅ");
    QByteArray bytes = k9::cp932::encode(text);
    EXPECT_EQ(bytes.size(), k9::cp932::byteWidth(text));
    EXPECT_EQ(k9::cp932::decode(bytes), text);
}

TEST(Cp932, YenSignIsByte5C) {
    EXPECT_EQ(k9::cp932::encode(QString(QChar(0xA5))), QByteArray("\x5C"));
}

TEST(Cp932, RefusesTextItCannotCarry) {
    QString bad;
    EXPECT_FALSE(k9::cp932::canEncode(QString::fromUtf8("現金😀"), &bad));
    EXPECT_EQ(bad, QString::fromUtf8("😀"));
    EXPECT_THROW(k9::cp932::encode(QString::fromUtf8("한국")), k9::EncodingError);
}
