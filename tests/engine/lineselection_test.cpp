// SPDX-License-Identifier: GPL-3.0-or-later
// Which journal lines count, and whether before or in the period, under the two options.
#include "engine/lineselection.h"

#include <gtest/gtest.h>

using k9::totals::LinePlacement;
using k9::totals::placeLine;

namespace {

const k9::totals::Period kPeriod{20150401, 20150701, 20150930};

struct Case {
    const char* what;
    int day;
    int flgU;
    int flgV;
    int adjusting;
    int unsettled;
    LinePlacement expected;
};

TEST(LineSelection, PlacesLinesByDateAndOptions) {
    constexpr auto In = LinePlacement::InPeriod;
    constexpr auto Before = LinePlacement::BeforePeriod;
    constexpr auto Out = LinePlacement::Ignored;
    const Case cases[] = {
        {"first day of the period is a movement", 20150701, 0, 0, 0, 0, In},
        {"the day before the period counts before it", 20150630, 0, 0, 0, 0, Before},
        {"the fiscal-year start counts before the period", 20150401, 0, 0, 0, 0, Before},
        {"last day of the period is a movement", 20150930, 0, 0, 0, 0, In},
        {"after the period is ignored", 20151001, 0, 0, 0, 0, Out},
        {"before the fiscal-year start is ignored", 20150331, 0, 0, 0, 0, Out},
        {"a line without a date is ignored", 0, 0, 0, 0, 0, Out},
        {"mode 0 counts adjusting lines", 20150801, 1, 0, 0, 0, In},
        {"mode 1 drops adjusting lines", 20150801, 1, 0, 1, 0, Out},
        {"mode 1 drops adjusting lines before the period too", 20150501, 1, 0, 1, 0, Out},
        {"mode 1 keeps ordinary lines", 20150801, 0, 0, 1, 0, In},
        {"mode 2: adjusting line in the period is a movement", 20150801, 1, 0, 2, 0, In},
        {"mode 2: adjusting line before the period", 20150501, 1, 0, 2, 0, Before},
        {"mode 2: ordinary line in the period counts before it", 20150801, 0, 0, 2, 0, Before},
        {"mode 2: ordinary line after the period is ignored", 20151101, 0, 0, 2, 0, Out},
        {"unsettled mode 0 counts unsettled lines", 20150801, 0, 1, 0, 0, In},
        {"unsettled mode 1 drops unsettled lines in the period", 20150801, 0, 1, 0, 1, Out},
        {"unsettled mode 1 drops unsettled lines before the period", 20150501, 0, 1, 0, 1, Out},
        {"unsettled mode 1 keeps settled lines", 20150501, 0, 0, 0, 1, Before},
        {"an adjusting flag other than 1 is an ordinary line", 20150801, 2, 0, 1, 0, In},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeLine(c.day, c.flgU, c.flgV, kPeriod, {c.adjusting, c.unsettled}), c.expected)
            << c.what;
}

TEST(LineSelection, DateFormIsTheSameRule) {
    const QDate start(2015, 4, 1);
    const QDate from(2015, 7, 1);
    const QDate to(2015, 9, 30);
    EXPECT_EQ(placeLine(QDate(2015, 7, 1), 0, 0, start, from, to, {}), LinePlacement::InPeriod);
    EXPECT_EQ(placeLine(QDate(2015, 6, 30), 0, 0, start, from, to, {}), LinePlacement::BeforePeriod);
    EXPECT_EQ(placeLine(QDate(), 0, 0, start, from, to, {}), LinePlacement::Ignored);
}

} // namespace
