// SPDX-License-Identifier: GPL-3.0-or-later
// The all-accounts sub-account picker "補助科目選択" (Thojo_SEL2) of the general ledger: every
// sub-account of the unit's working copy with its account's code and name.
#pragma once

#include "chart/subaccountlist.h"

#include <QDialog>
#include <optional>

namespace k9 {

class PickerTableModel;
class PickerView;
struct Session;

class Thojo_SEL2 : public QDialog {
    Q_OBJECT
public:
    explicit Thojo_SEL2(Session& session, QWidget* parent = nullptr);

    // Opens the picker positioned on the first row whose account code is equal to or above
    // `nearAccountCode` (kept where it was when empty). Digits typed on the list jump by
    // account code on Enter; Enter without digits or a double-click closes it. Returns the
    // row under the cursor when it closes (also by the frame), nullopt when there is none.
    std::optional<SubAccountLine> pick(const QString& nearAccountCode = QString());

    void prepare(const QString& nearAccountCode = QString());
    AllSubAccountPickerState& state() { return m_state; }
    PickerView* list() const { return m_view; }

private:
    void onEnter();
    void onCharacter(QChar c);
    Session& m_session;
    AllSubAccountPickerState m_state;
    PickerTableModel* m_model;
    PickerView* m_view;
};

} // namespace k9
