// SPDX-License-Identifier: GPL-3.0-or-later
// Tkikan, the period dialog before the financial statements (決算書): stores the period and
// the options and runs the engines.
#pragma once

#include "engine/ui/perioddialog.h"

namespace k9 {

class Tkikan : public PeriodDialog {
    Q_OBJECT
public:
    Tkikan(Session& session, Prompter& prompter, QWidget* parent = nullptr)
        : PeriodDialog(Variant::Statements, session, prompter, parent) {}
};

} // namespace k9
