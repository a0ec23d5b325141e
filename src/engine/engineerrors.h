// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of a totals run: a refused period, and the stop on an invalid sub-account code.
#pragma once

#include "store/errors.h"

#include <vector>

namespace k9 {

// A period or option the dialogs refuse: an impossible date, a start after the end.
class PeriodError : public K9Error {
public:
    using K9Error::K9Error;
};

// A counting journal line carries, on a FlgG 11 or FlgG 920 account, a registered
// sub-account code outside the codes that account routes. The run is abandoned and nothing
// is stored; vouchers() names the voucher numbers at fault.
class InvalidSubAccountError : public K9Error {
public:
    explicit InvalidSubAccountError(std::vector<long long> vouchers);
    const std::vector<long long>& vouchers() const { return m_vouchers; }

private:
    std::vector<long long> m_vouchers;
};

} // namespace k9
