// SPDX-License-Identifier: GPL-3.0-or-later
// Consumption-tax settings of the session: the tax method and class names of the year's
// header, and the tax constants (factor, rate, national rate, local ratio) in force on a
// date. The consumption-tax screens set the constants before they compute.
#pragma once

#include <QDate>
#include <array>

namespace k9 {

struct Session;

// The constants of the consumption tax in force on one date.
struct TaxRates {
    double taxFactor = 0;       // 1 + rate: 1.05, 1.08, 1.10
    double taxRate = 0;         // 0.05, 0.08, 0.10
    double nationalTaxRate = 0; // the national part of the rate: 0.04, 0.063, 0.078
    double localTaxRatio = 0;   // local tax per national tax: 25/100, 17/63, 22/78
    // Factor per tax class 0..5: classes 3 and 5 carry the tax factor, the others 0.
    std::array<double, 6> classFactor{};
};

// First day of the 8% rate (the session's TaxRateChangeDate) and of the 10% rate.
QDate taxRate8PercentStart();
QDate taxRate10PercentStart();

// The rates in force on `date`: from 2019-10-01 10% (national 7.8%, local 22/78), from
// 2014-04-01 8% (6.3%, 17/63), before that 5% (4%, 25/100). An invalid date gives 5%.
TaxRates taxRatesForDate(const QDate& date);

// Sets TaxRateChangeDate, reads TaxMethod from the data folder's Head (PM3; no row or an
// empty value reads as 0) and fills the display names of the tax classes for that method.
// Names the method does not set keep their previous text. Raises StoreError when the data
// folder cannot be read.
void loadTaxSettings(Session& session);

// Sets the session's TaxFactor, TaxRate, NationalTaxRate, LocalTaxRatio and
// TaxClassFactor for `date` (see taxRatesForDate).
void setTaxRatesForDate(Session& session, const QDate& date);

} // namespace k9
