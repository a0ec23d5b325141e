// SPDX-License-Identifier: GPL-3.0-or-later
// Date captions of report headers in the Japanese era and Western styles.
#include "store/captions.h"
#include "store/session.h"

#include <gtest/gtest.h>
#include <ostream>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace k9 {
namespace {

struct CaptionCase {
    int style;
    int kind;
    QDate date;
    const char* expected;
};

void PrintTo(const CaptionCase& c, std::ostream* os) {
    *os << c.expected;
}

class CaptionDate : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionDate, FormatsTheDateOfItsKindInItsStyle) {
    const CaptionCase& c = GetParam();
    EXPECT_EQ(formatCaptionDate(c.style, c.kind, c.date), QString::fromUtf8(c.expected))
        << "style " << c.style << " kind " << c.kind << " " << c.date.toString(Qt::ISODate).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Era, CaptionDate,
                         ::testing::Values(CaptionCase{0, 0, QDate(2019, 5, 1), "令和1年5月1日"},
                                           CaptionCase{0, 1, QDate(2019, 5, 1), "令和1年 5月 1日から"},
                                           CaptionCase{0, 2, QDate(2019, 4, 30), "平成31年 4月30日まで"},
                                           CaptionCase{0, 0, QDate(2019, 4, 30), "平成31年4月30日"},
                                           CaptionCase{0, 1, QDate(2020, 4, 1), "令和2年 4月 1日から"},
                                           CaptionCase{0, 2, QDate(2021, 3, 31), "令和3年 3月31日まで"},
                                           CaptionCase{0, 1, QDate(2015, 4, 1), "平成27年 4月 1日から"},
                                           CaptionCase{0, 2, QDate(2015, 12, 10), "平成27年12月10日まで"},
                                           CaptionCase{0, 0, QDate(2015, 12, 10), "平成27年12月10日"}));

INSTANTIATE_TEST_SUITE_P(Western, CaptionDate,
                         ::testing::Values(CaptionCase{1, 0, QDate(2015, 4, 1), "2015年4月1日"},
                                           CaptionCase{1, 1, QDate(2015, 4, 1), "2015年 4月 1日から"},
                                           CaptionCase{1, 2, QDate(2016, 3, 31), "2016年 3月31日まで"},
                                           CaptionCase{1, 1, QDate(2015, 10, 10), "2015年10月10日から"},
                                           CaptionCase{1, 2, QDate(2019, 5, 1), "2019年 5月 1日まで"},
                                           CaptionCase{1, 1, QDate(987, 1, 2), " 987年 1月 2日から"}));

INSTANTIATE_TEST_SUITE_P(Nothing, CaptionDate,
                         ::testing::Values(CaptionCase{0, 3, QDate(2015, 4, 1), ""},
                                           CaptionCase{1, -1, QDate(2015, 4, 1), ""},
                                           CaptionCase{2, 0, QDate(2015, 4, 1), ""},
                                           CaptionCase{0, 0, QDate(), ""}, CaptionCase{1, 1, QDate(), ""}));

TEST(CaptionEraYear, FollowsTheEraBoundaries) {
    EXPECT_EQ(eraYearText(QDate(1989, 1, 7)), QStringLiteral("昭和64"));
    EXPECT_EQ(eraYearText(QDate(1989, 1, 8)), QStringLiteral("平成1"));
    EXPECT_EQ(eraYearText(QDate(2019, 4, 30)), QStringLiteral("平成31"));
    EXPECT_EQ(eraYearText(QDate(2019, 5, 1)), QStringLiteral("令和1"));
    EXPECT_EQ(eraYearText(QDate()), QString());
}

TEST(CaptionDateSession, UsesTheSessionsDatePrintStyle) {
    Session s;
    s.datePrintStyle = kDateStyleWestern;
    EXPECT_EQ(formatCaptionDate(s, kCaptionFrom, QDate(2015, 4, 1)), QStringLiteral("2015年 4月 1日から"));
    s.datePrintStyle = kDateStyleEra;
    EXPECT_EQ(formatCaptionDate(s, kCaptionFrom, QDate(2015, 4, 1)), QStringLiteral("平成27年 4月 1日から"));
}

struct HeaderCase {
    int style;
    bool fullEndDate;
    QDate start, from, to;
    const char* fiscalYear;
    const char* fromText;
    const char* toText;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.fiscalYear << " " << c.fromText;
}

class HeaderCaptionTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderCaptionTest, CaptionsTheFiscalYearAndThePeriod) {
    const HeaderCase& c = GetParam();
    const HeaderCaptions h = headerCaptions(c.style, c.start, c.from, c.to, c.fullEndDate);
    EXPECT_EQ(h.fiscalYear, QString::fromUtf8(c.fiscalYear));
    EXPECT_EQ(h.from, QString::fromUtf8(c.fromText));
    EXPECT_EQ(h.to, QString::fromUtf8(c.toText));
}

INSTANTIATE_TEST_SUITE_P(
    HeaderCaption, HeaderCaptionTest,
    ::testing::Values(HeaderCase{1, false, QDate(2015, 4, 1), QDate(2015, 4, 1), QDate(2016, 3, 31),
                                 "2015 年度", "2015年 4月 1日から", "2016年 3月31日まで"},
                      HeaderCase{1, true, QDate(2015, 4, 1), QDate(2015, 4, 1), QDate(2016, 3, 31),
                                 "2015 年度", "2015年 4月 1日から", "2016年3月31日"},
                      HeaderCase{0, false, QDate(2015, 4, 1), QDate(2015, 10, 1), QDate(2015, 12, 31),
                                 "平成27 年度", "平成27年10月 1日から", "平成27年12月31日まで"},
                      HeaderCase{0, true, QDate(2015, 4, 1), QDate(2015, 4, 1), QDate(2016, 3, 31),
                                 "平成27 年度", "平成27年 4月 1日から", "平成28年3月31日"},
                      HeaderCase{0, false, QDate(2019, 4, 1), QDate(2019, 4, 1), QDate(2020, 3, 31),
                                 "平成31 年度", "平成31年 4月 1日から", "令和2年 3月31日まで"},
                      HeaderCase{0, false, QDate(), QDate(2020, 4, 1), QDate(), "", "令和2年 4月 1日から",
                                 ""}));

TEST(HeaderCaptionSession, UsesTheSessionsDatePrintStyle) {
    Session s;
    s.datePrintStyle = kDateStyleWestern;
    EXPECT_EQ(headerCaptions(s, QDate(2020, 4, 1), QDate(2020, 4, 1), QDate(2021, 3, 31), false).fiscalYear,
              QStringLiteral("2020 年度"));
    s.datePrintStyle = kDateStyleEra;
    EXPECT_EQ(headerCaptions(s, QDate(2020, 4, 1), QDate(2020, 4, 1), QDate(2021, 3, 31), false).fiscalYear,
              QStringLiteral("令和2 年度"));
}

} // namespace
} // namespace k9
