// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of the totals run's failures.
#include "engine/engineerrors.h"

#include "engine/enginemessages.h"

#include <QStringList>

namespace k9 {

InvalidSubAccountError::InvalidSubAccountError(std::vector<long long> vouchers)
    : K9Error([&] {
          constexpr size_t kShown = 20;
          QStringList numbers;
          for (size_t i = 0; i < vouchers.size() && i < kShown; ++i)
              numbers << QString::number(vouchers[i]);
          QString text =
              engine_text::invalidSubAccount() + '\n' + engine_text::faultyVouchers() + numbers.join(u'、');
          if (vouchers.size() > kShown)
              text += engine_text::moreVouchers().arg(vouchers.size() - kShown);
          return text;
      }()),
      m_vouchers(std::move(vouchers)) {}

} // namespace k9
