// SPDX-License-Identifier: GPL-3.0-or-later
// The fiscal-year folder list データパス名の記録 (main menu 会計の登録＆変更): the recorded
// data folders of past and present years, and the choice of one as the current year. The
// rules live in app/pathrec.h.
#pragma once

#include "app/ui/enterdialog.h"

namespace k9 {

class Prompter;
class RegisterGridView;
class TableGridModel;
struct Session;

class TPathRec : public EnterDialog {
    Q_OBJECT
public:
    TPathRec(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the list modally. Returns QDialog::Accepted when a folder was chosen: DataPath
    // and HeadM.PathName1 then name it, and the main menu runs Init and resets the work
    // Head's period. Rejected when the list was closed without a choice.
    int exec() override;
    bool folderChosen() const { return m_chosen; }

    void done(int result) override;

private:
    void selectClicked();
    void addClicked();
    void deleteClicked();
    void reload(int no);
    int currentNo() const;

    Session& m_session;
    Prompter& m_prompter;
    TableGridModel* m_model = nullptr;
    RegisterGridView* m_grid = nullptr;
    bool m_chosen = false;
};

} // namespace k9
