// SPDX-License-Identifier: GPL-3.0-or-later
// The account picker "科目選択" (Tkamoku_SEL): the unit's working chart in code order, with
// the display choice "表示選択" and the jump buffer. Voucher entry, cash entry, the ledgers
// and the learning lists open it; one picker object may serve many openings, keeping its
// jump buffer and position between them.
#pragma once

#include "chart/accountlist.h"

#include <QDialog>
#include <optional>

class QGroupBox;
class QRadioButton;

namespace k9 {

class PickerTableModel;
class PickerView;
class Prompter;
struct Session;

class Tkamoku_SEL : public QDialog {
    Q_OBJECT
public:
    Tkamoku_SEL(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Opens the picker modally on the unit's working chart: the remembered display choice
    // (Regist row 2) is applied, the cursor is put on the first shown code equal to or above
    // `nearCode` (kept where it was when nearCode is empty), and the window shows. Enter or a
    // double-click on a postable account closes it; closing by the window frame (or Esc)
    // closes it too. Returns the line under the cursor when it closed — the caller's own
    // check refuses a line that cannot be posted (PickedAccount::postable) — or nullopt when
    // the chart shows no line. The display choice is written back to Regist row 2 on
    // closing, except in view-only mode; a failure to store it is shown through the Prompter.
    // Reading the chart may raise StoreError to the caller.
    std::optional<PickedAccount> pick(const QString& nearCode = QString());

    // Hides the "表示選択" box for callers that do not offer it (the choice still applies).
    void setDisplayChoiceVisible(bool visible);

    // Prepares the window as pick() does, without showing it (screens and tests that show
    // it themselves).
    void prepare(const QString& nearCode = QString());
    AccountPickerState& state() { return m_state; }
    PickerView* list() const { return m_view; }

protected:
    void done(int result) override;

private:
    void refresh();
    void applyDisplay(AccountDisplay display);
    void onEnter();
    void onCharacter(QChar c);
    void onDoubleClick(const QModelIndex& index);

    Session& m_session;
    Prompter& m_prompter;
    AccountPickerState m_state;
    PickerTableModel* m_model;
    PickerView* m_view;
    QGroupBox* m_displayBox;
    QRadioButton* m_all;
    QRadioButton* m_marked;
};

} // namespace k9
