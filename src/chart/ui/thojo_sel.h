// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-account picker "補助科目選択" (Thojo_SEL) over one account's sub-accounts in the
// unit's working copy, for voucher entry, cash entry and the journal search.
#pragma once

#include "chart/subaccountlist.h"

#include <QDialog>
#include <optional>

namespace k9 {

class PickerTableModel;
class PickerView;
struct Session;

class Thojo_SEL : public QDialog {
    Q_OBJECT
public:
    explicit Thojo_SEL(Session& session, QWidget* parent = nullptr);

    // Opens the picker on the sub-accounts of `accountCode` (work-folder hojokamoku, the
    // unit's names), positioned on `nearCode` or the first code above it. Enter or a
    // double-click closes it; the row under the cursor when it closes (also by the frame)
    // is returned; nullopt when the account has no sub-account. Reading errors raise
    // StoreError to the caller.
    std::optional<SubAccountLine> pick(const QString& accountCode, const QString& nearCode = QString());

    void prepare(const QString& accountCode, const QString& nearCode = QString());
    SubAccountPickerState& state() { return m_state; }
    PickerView* list() const { return m_view; }

private:
    void choose();
    Session& m_session;
    SubAccountPickerState m_state;
    PickerTableModel* m_model;
    PickerView* m_view;
};

} // namespace k9
