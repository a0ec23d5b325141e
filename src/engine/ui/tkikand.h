// SPDX-License-Identifier: GPL-3.0-or-later
// TkikanD, the period dialog before the monthly totals (月別集計): the period always starts
// at the fiscal-year start; stores it with the options and runs no engine.
#pragma once

#include "engine/ui/perioddialog.h"

namespace k9 {

class TkikanD : public PeriodDialog {
    Q_OBJECT
public:
    TkikanD(Session& session, Prompter& prompter, QWidget* parent = nullptr)
        : PeriodDialog(Variant::Monthly, session, prompter, parent) {}
};

} // namespace k9
