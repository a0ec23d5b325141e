// SPDX-License-Identifier: GPL-3.0-or-later
// Consumption-tax settings of the session.
#include "store/taxsettings.h"

#include "store/session.h"

namespace k9 {

QDate taxRate8PercentStart() {
    return QDate(2014, 4, 1);
}
QDate taxRate10PercentStart() {
    return QDate(2019, 10, 1);
}

TaxRates taxRatesForDate(const QDate& date) {
    TaxRates r;
    if (date.isValid() && date >= taxRate10PercentStart()) {
        r.taxFactor = 1.10;
        r.taxRate = 0.10;
        r.nationalTaxRate = 0.078;
        r.localTaxRatio = 22.0 / 78.0;
    } else if (date.isValid() && date >= taxRate8PercentStart()) {
        r.taxFactor = 1.08;
        r.taxRate = 0.08;
        r.nationalTaxRate = 0.063;
        r.localTaxRatio = 17.0 / 63.0;
    } else {
        r.taxFactor = 1.05;
        r.taxRate = 0.05;
        r.nationalTaxRate = 0.04;
        r.localTaxRatio = 0.25;
    }
    r.classFactor = {0, 0, 0, r.taxFactor, 0, r.taxFactor};
    return r;
}

void loadTaxSettings(Session& session) {
    session.taxRateChangeDate = taxRate8PercentStart();
    const QVariant method = session.aaa.scalar(QStringLiteral("SELECT \"PM3\" FROM \"Head\" LIMIT 1"));
    session.taxMethod = method.isNull() ? 0 : method.toInt();

    auto& names = session.taxClassNames;
    names[0] = QStringLiteral("非課税");
    if (session.taxMethod != 0) {
        names[1] = QStringLiteral("第一種90%");
        names[2] = QStringLiteral("第二種80%");
        names[3] = QStringLiteral("第三種70%");
        names[4] = QStringLiteral("第四種60%");
        names[5] = QStringLiteral("第五種50%");
        names[6] = QStringLiteral("第六種40%");
        names[7].clear();
    } else {
        names[1] = QStringLiteral("課　税");
        names[2] = QStringLiteral("個別対応");
        names[3] = QStringLiteral("使途特定");
        names[4] = QStringLiteral("使途不特定");
        names[5] = QStringLiteral("その他");
        names[6].clear();
        names[7].clear();
        names[10].clear();
        names[11] = QStringLiteral("課　税5%");
        names[12].clear();
    }
}

void setTaxRatesForDate(Session& session, const QDate& date) {
    const TaxRates r = taxRatesForDate(date);
    session.taxFactor = r.taxFactor;
    session.taxRate = r.taxRate;
    session.nationalTaxRate = r.nationalTaxRate;
    session.localTaxRatio = r.localTaxRatio;
    session.taxClassFactor = r.classFactor;
}

} // namespace k9
