// SPDX-License-Identifier: GPL-3.0-or-later
// Tkikan1B, the period dialog before the general ledger, the trial balance and the fund
// ledger and behind their "期間変更": stores the period and the options (with the third
// choice 整理伝票のみ) and runs the engines.
#pragma once

#include "engine/ui/perioddialog.h"

namespace k9 {

class Tkikan1B : public PeriodDialog {
    Q_OBJECT
public:
    Tkikan1B(Session& session, Prompter& prompter, QWidget* parent = nullptr)
        : PeriodDialog(Variant::Ledgers, session, prompter, parent) {}
};

} // namespace k9
