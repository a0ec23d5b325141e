// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the chart editor that need no window: the inter-unit transfer role (FlgG 30)
// given to transfer accounts, the checks made when a line is posted, the colour of a
// line, the code jump from an account to its fund-statement lines, and when sub-accounts
// may be set up on a line.
#pragma once

#include "chart/chartdata.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace k9 {

class Database;

// The role marker of inter-unit transfer accounts (他会計からの繰入額 / 他会計への繰出額).
inline constexpr int kTransferRole = 30;

// True when an input line (FlgA reads "0") whose name contains "からの繰入" or "への繰出"
// has a blank FlgG and so takes the transfer role. An explicit FlgG (0 included) is kept.
bool takesTransferRole(const Flag& flgA, const QString& name, const Flag& flgG);

// Gives FlgG = 30 to every line of kamoku (code order) and kamoku2 (SNo order) of `chart`
// for which takesTransferRole holds. One transaction; returns the number of lines set.
// Raises StoreError (ViewOnlyError in view-only mode) when the chart cannot be written.
int applyTransferRoles(Database& chart);

// The refusal for an account line about to be posted: its code must be exactly five
// single-byte characters. Empty when the code is acceptable.
std::optional<QString> accountCodeRefusal(const QString& code);

// The refusal for a fund-statement line about to be posted without SNo.
std::optional<QString> fundLineSerialRefusal(const std::optional<long long>& sNo);

// How a grid line is drawn: red for an account with sub-accounts (FlgD 1), blue for the
// routing accounts (FlgG 11 or 920); blue wins when both apply.
enum class LineColour { Normal, Red, Blue };
LineColour lineColour(const Flag& flgD, const Flag& flgG);

// The code jump of the chart editor. "後方検索" searches toward the end of the
// fund-statement lines, "前方検索" toward the start.
enum class JumpDirection { TowardEnd, TowardStart };

struct JumpResult {
    int row = -1;       // the line to show; -1 only when there are no lines
    bool found = false; // false: row is the line the search started from
};

// Searches `codes` (the codes of the fund-statement lines in SNo order) for `key`.
// Coming from the accounts tab (`current` empty) the search starts on the first line
// (TowardEnd) or the last line (TowardStart) and examines it; pressed again on the
// fund-statement tab it starts after (or before) `current`. Without a match the result is
// the line the search started from. Codes are compared without surrounding blanks.
JumpResult jumpToCode(const QStringList& codes, const QString& key, JumpDirection direction,
                      std::optional<int> current);

// What a double-click on an account line does.
enum class SubAccountClick {
    NotInputAccount, // FlgA does not read "0": "ここは入力科目ではありませんので…" is shown
    OpenEditor,      // FlgD is 1: the sub-account editor opens with a code hint
    Nothing          // an input account without sub-accounts
};
SubAccountClick subAccountDoubleClick(const Flag& flgA, const Flag& flgD);

// The code hint shown with the sub-account editor: the financial-institution ranges for
// borrowing accounts (FlgH 210 or 220), the sample codes otherwise.
QString subAccountCodeHint(const Flag& flgH);

// The sub-account panel (補助科目の設定, 部門別の科目名称, 会計別名称変更) shows on a line
// with FlgD 1 whose FlgG is neither 11 nor 920, and never while a template is edited.
bool subAccountPanelVisible(const Flag& flgD, const Flag& flgG, bool editingTemplate);

} // namespace k9
