// SPDX-License-Identifier: GPL-3.0-or-later
// Consumption-tax constants by date and the tax-class names of the year's tax method.
#include "store/taxsettings.h"
#include "support/fixture.h"

#include <gtest/gtest.h>
#include <ostream>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace k9 {
namespace {

struct RateCase {
    QDate date;
    double factor, rate, national, localRatio;
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.date.toString(Qt::ISODate).toStdString();
}

class TaxRatesByDate : public ::testing::TestWithParam<RateCase> {};

TEST_P(TaxRatesByDate, GiveTheConstantsInForceOnTheDate) {
    const RateCase& c = GetParam();
    const TaxRates r = taxRatesForDate(c.date);
    const std::string when = c.date.toString(Qt::ISODate).toStdString();
    EXPECT_DOUBLE_EQ(r.taxFactor, c.factor) << when;
    EXPECT_DOUBLE_EQ(r.taxRate, c.rate) << when;
    EXPECT_DOUBLE_EQ(r.nationalTaxRate, c.national) << when;
    EXPECT_DOUBLE_EQ(r.localTaxRatio, c.localRatio) << when;
    const std::array<double, 6> classes = {0, 0, 0, c.factor, 0, c.factor};
    EXPECT_EQ(r.classFactor, classes) << when;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, TaxRatesByDate,
                         ::testing::Values(RateCase{QDate(1997, 4, 1), 1.05, 0.05, 0.04, 0.25},
                                           RateCase{QDate(2014, 3, 31), 1.05, 0.05, 0.04, 0.25},
                                           RateCase{QDate(2014, 4, 1), 1.08, 0.08, 0.063, 17.0 / 63.0},
                                           RateCase{QDate(2019, 9, 30), 1.08, 0.08, 0.063, 17.0 / 63.0},
                                           RateCase{QDate(2019, 10, 1), 1.10, 0.10, 0.078, 22.0 / 78.0},
                                           RateCase{QDate(2025, 3, 31), 1.10, 0.10, 0.078, 22.0 / 78.0},
                                           RateCase{QDate(), 1.05, 0.05, 0.04, 0.25}));

class TaxSettings : public ::testing::Test {
protected:
    test::SessionFixture fx;
    Session& s = fx.session;
    void setMethod(const QVariant& pm3) { s.aaa.insertRow("Head", {{"PM3", pm3}}); }
};

TEST_F(TaxSettings, SetRatesForDateFillsTheSessionConstants) {
    setTaxRatesForDate(s, QDate(2019, 10, 1));
    EXPECT_DOUBLE_EQ(s.taxFactor, 1.10);
    EXPECT_DOUBLE_EQ(s.taxRate, 0.10);
    EXPECT_DOUBLE_EQ(s.nationalTaxRate, 0.078);
    EXPECT_DOUBLE_EQ(s.localTaxRatio, 22.0 / 78.0);
    EXPECT_DOUBLE_EQ(s.taxClassFactor[3], 1.10);
    EXPECT_DOUBLE_EQ(s.taxClassFactor[5], 1.10);
    EXPECT_DOUBLE_EQ(s.taxClassFactor[4], 0.0);
    setTaxRatesForDate(s, QDate(2019, 9, 30));
    EXPECT_DOUBLE_EQ(s.taxFactor, 1.08);
    EXPECT_DOUBLE_EQ(s.taxClassFactor[3], 1.08);
}

TEST_F(TaxSettings, GeneralMethodNamesTheTaxClasses) {
    setMethod(0);
    s.taxClassNames[6] = "x";
    s.taxClassNames[20] = QStringLiteral("残る");
    loadTaxSettings(s);
    EXPECT_EQ(s.taxMethod, 0);
    EXPECT_EQ(s.taxRateChangeDate, QDate(2014, 4, 1));
    const QStringList expected = {"非課税", "課　税", "個別対応", "使途特定", "使途不特定", "その他", "",
                                  "",       "",       "",         "",         "課　税5%",   ""};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(s.taxClassNames[i], expected[i]) << i;
    EXPECT_EQ(s.taxClassNames[20], QStringLiteral("残る"));
}

TEST_F(TaxSettings, SimplifiedMethodNamesTheBusinessKinds) {
    setMethod(1);
    s.taxClassNames[11] = QStringLiteral("残る");
    loadTaxSettings(s);
    EXPECT_EQ(s.taxMethod, 1);
    const QStringList expected = {"非課税",    "第一種90%", "第二種80%", "第三種70%",
                                  "第四種60%", "第五種50%", "第六種40%", ""};
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(s.taxClassNames[i], expected[i]) << i;
    EXPECT_EQ(s.taxClassNames[11], QStringLiteral("残る"));
}

TEST_F(TaxSettings, AnEmptyMethodOrAMissingHeaderReadsAsTheGeneralMethod) {
    s.taxMethod = 2;
    loadTaxSettings(s);
    EXPECT_EQ(s.taxMethod, 0);
    setMethod(QVariant());
    s.taxMethod = 2;
    loadTaxSettings(s);
    EXPECT_EQ(s.taxMethod, 0);
    EXPECT_EQ(s.taxClassNames[1], QStringLiteral("課　税"));
}

} // namespace
} // namespace k9
