// SPDX-License-Identifier: GPL-3.0-or-later
// The fund-line picker "科目選択" (Tkamoku2_SEL) of the fund ledger: the data folder's
// fund-statement lines in SNo order with the box "連番ジャンプ".
#pragma once

#include "chart/fundlinelist.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace k9 {

class PickerTableModel;
class PickerView;
struct Session;

class Tkamoku2_SEL : public QDialog {
    Q_OBJECT
public:
    explicit Tkamoku2_SEL(Session& session, QWidget* parent = nullptr);

    // Opens the picker positioned on the first line whose SNo is equal to or above `nearSNo`
    // (kept where it was without one); "連番ジャンプ" shows that line's SNo and has the focus.
    // Enter or a double-click on a selectable line closes it. Returns the line under the
    // cursor when it closes, but only when that line may be chosen: the closing- and
    // opening-fund lines "#0020"/"#1020" and lines whose FlgA is not "0" give nullopt, as
    // does an empty list.
    std::optional<FundLine> pick(std::optional<long long> nearSNo = std::nullopt);

    void prepare(std::optional<long long> nearSNo = std::nullopt);
    FundLinePickerState& state() { return m_state; }
    PickerView* list() const { return m_view; }
    QLineEdit* jumpBox() const { return m_jump; }

private:
    void onEnter();
    void onCharacter(QChar c);
    void onJumpBox();
    Session& m_session;
    FundLinePickerState m_state;
    PickerTableModel* m_model;
    PickerView* m_view;
    QLineEdit* m_jump;
};

} // namespace k9
