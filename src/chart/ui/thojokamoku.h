// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-account editor (THojokamoku) the chart editor opens for one account: the
// account's sub-accounts of the folder being edited (the data folder, or a chart template)
// in code order, with the columns コード and 補助科目名.
#pragma once

#include <QDialog>
#include <memory>

namespace k9 {

class Database;
class GridEditDelegate;
class PickerView;
class Prompter;
class SubAccountEditModel;
class SubAccountEditor;
struct Session;

class THojokamoku : public QDialog {
    Q_OBJECT
public:
    // `chartFolder` holds the hojokamoku being edited; `accountCode` is the account the rows
    // belong to (new rows take it as kamoku_CD); `codeHint` is the code hint shown beside the
    // grid (pickertext::kBorrowingCodeHint or kSampleCodeHint; empty = none). Reading the
    // rows may raise StoreError to the caller.
    THojokamoku(Session& session, Prompter& prompter, Database& chartFolder, const QString& accountCode,
                const QString& codeHint, QWidget* parent = nullptr);
    ~THojokamoku() override;

    SubAccountEditor& editor() { return *m_editor; }
    PickerView* grid() const { return m_view; }

protected:
    void done(int result) override;

private:
    void onEnter();
    void onDownAtLastRow();
    void onDelete();

    Session& m_session;
    Prompter& m_prompter;
    std::unique_ptr<SubAccountEditor> m_editor;
    SubAccountEditModel* m_model;
    PickerView* m_view;
    GridEditDelegate* m_delegate;
};

} // namespace k9
