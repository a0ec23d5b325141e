// SPDX-License-Identifier: GPL-3.0-or-later
// The access-code screen 権限設定, opened from a hidden area of 初期設定１: each unit's access
// code (BUMON.F2) and whether the codes restrict the choice of a unit (HeadM.PM8).
#pragma once

#include "app/ui/enterdialog.h"

class QButtonGroup;

namespace k9 {

class Prompter;
class RegisterGridView;
class TableGridModel;
struct Session;

class TKengen : public EnterDialog {
    Q_OBJECT
public:
    TKengen(Session& session, Prompter& prompter, QWidget* parent = nullptr);
    // Closing stores the choice in HeadM.PM8 and makes it the session's RightsMode.
    void done(int result) override;

private:
    Session& m_session;
    Prompter& m_prompter;
    TableGridModel* m_model = nullptr;
    RegisterGridView* m_grid = nullptr;
    QButtonGroup* m_rights = nullptr;
};

} // namespace k9
