// SPDX-License-Identifier: GPL-3.0-or-later
// The learning-list windows of voucher entry: TWKTBL0 "借方科目の自動学習テーブル" (debit
// accounts used most recently) and TWKTBL1 "貸方科目の自動学習テーブル" (the credit accounts
// used with the current debit account). Both return their choice through the session's
// picked values and open the account picker for "科目一覧" and for typed digits.
#pragma once

#include "chart/jumpcursor.h"
#include "chart/learning.h"

#include <QDialog>
#include <vector>

namespace k9 {

class PickerTableModel;
class PickerView;
class Prompter;
class Tkamoku_SEL;
struct Session;

// The window both lists share; the two classes below say which list and which pair.
class LearningListDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the list (focus on the list, jump buffer emptied) and returns true when an
    // account was chosen. The pair (code, name) is set when the window closes: the row's
    // account on Enter, the account picker's account after "科目一覧" or typed digits and
    // Enter, both empty after Esc, "キャンセル" or the window frame. Reading errors raise
    // StoreError to the caller; a failed deletion is shown through the Prompter.
    bool pick();
    // Fills the list as pick() does, without showing the window.
    void prepare();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    PickerView* list() const { return m_view; }
    JumpBuffer& jumpBuffer() { return m_buffer; }

protected:
    LearningListDialog(Session& session, Prompter& prompter, Tkamoku_SEL& accountPicker,
                       const QString& caption, const QString& codeHeader, QWidget* parent);
    virtual std::vector<LearnedAccount> readList() = 0;
    virtual void removeRow(int renNo) = 0;
    virtual void setPair(const QString& code, const QString& name) = 0;
    Session& m_session;

private:
    void refill();
    int currentRow() const;
    void chooseFromPicker(const QString& nearCode);
    void onEnter();
    void onCharacter(QChar c);
    void onDelete();
    void finish(bool chosen, const QString& code, const QString& name);

    Prompter& m_prompter;
    Tkamoku_SEL& m_accountPicker;
    JumpBuffer m_buffer;
    std::vector<LearnedAccount> m_rows;
    PickerTableModel* m_model;
    PickerView* m_view;
    bool m_chosen = false;
};

// The debit list: returns PickedDebitCode and PickedDebitName.
class TWKTBL0 : public LearningListDialog {
    Q_OBJECT
public:
    TWKTBL0(Session& session, Prompter& prompter, Tkamoku_SEL& accountPicker, QWidget* parent = nullptr);
    // Whether the list has rows (voucher entry opens the account picker otherwise).
    bool hasRows();

protected:
    std::vector<LearnedAccount> readList() override;
    void removeRow(int renNo) override;
    void setPair(const QString& code, const QString& name) override;
};

// The credit list of the debit account PickedDebitCode: returns PickedCreditCode and
// PickedCreditName.
class TWKTBL1 : public LearningListDialog {
    Q_OBJECT
public:
    TWKTBL1(Session& session, Prompter& prompter, Tkamoku_SEL& accountPicker, QWidget* parent = nullptr);
    // Whether PickedDebitCode has credit accounts in the list.
    bool hasRows();

protected:
    std::vector<LearnedAccount> readList() override;
    void removeRow(int renNo) override;
    void setPair(const QString& code, const QString& name) override;
};

} // namespace k9
