// SPDX-License-Identifier: GPL-3.0-or-later
// The small unit of the trial-balance tests with three small accounts (FlgE 1): the deposit
// 敷金, the donations 受取寄付金 and the brought-forward net assets 一般正味財産期首残高.
// After a full-year run the balance sheet balances at 2,250 (assets 現金 1,300, 普通預金
// 680, 什器備品 270; liabilities 未払金 50; net assets 2,200 = 1,800 + 500 − 100).
#pragma once

#include "reports/trialbalancefixture.h"

namespace k9::test {

struct StatementsUnit : TrialBalanceUnit {
    StatementsUnit() {
        session.aaa.run(
            QStringLiteral("UPDATE \"Mkamoku\" SET \"FlgE\"=1 WHERE \"code\" IN ('10500','41200','62910')"));
    }
};

} // namespace k9::test
