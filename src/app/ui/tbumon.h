// SPDX-License-Identifier: GPL-3.0-or-later
// The unit register screen 部門登録: unit names, the first chart of a new data folder, the
// template editor request, and the move and deletion of units. The rules live in
// app/unitregister.h; this screen lays them out and passes the typed values on.
#pragma once

#include "app/ui/enterdialog.h"
#include "app/unitregister.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace k9 {

class Prompter;
class RegisterGridView;
class TableGridModel;
struct Session;

class TBumon : public EnterDialog {
    Q_OBJECT
public:
    TBumon(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the register modally. Returns QDialog::Accepted when "実　行" prepared the chart
    // (the main menu then runs Init and opens the chart of accounts), Rejected otherwise.
    // outcome() tells the other request: EditTemplate asks for the chart editor on
    // Session::templateDir (the main menu clears templateDir when that editor closes).
    int exec() override;
    RegisterOutcome outcome() const { return m_outcome; }
    // True when unit names or unit data changed, so the main menu's unit list is stale.
    bool unitsChanged() const { return m_unitsChanged; }

    void done(int result) override;

private:
    void executeClicked();
    void editTemplateClicked();
    void cancelClicked();
    void moveClicked();
    void deleteClicked();
    void refreshUnits();
    int chosenTemplate() const;

    Session& m_session;
    Prompter& m_prompter;
    TableGridModel* m_model = nullptr;
    RegisterGridView* m_grid = nullptr;
    QGroupBox* m_templateBox = nullptr;
    QButtonGroup* m_templateChoice = nullptr;
    QPushButton* m_editTemplate = nullptr;
    QLineEdit* m_moveFrom = nullptr;
    QLineEdit* m_moveTo = nullptr;
    QPushButton* m_moveButton = nullptr;
    QLineEdit* m_deleteFrom = nullptr;
    QLineEdit* m_deleteTo = nullptr;
    RegisterOutcome m_outcome = RegisterOutcome::None;
    bool m_unitsChanged = false;
};

} // namespace k9
