// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Japanese texts of the period dialogs and the totals engine.
#pragma once

#include <QString>

namespace k9::engine_text {

inline QString invalidSubAccount() {
    return QStringLiteral(
        "補助科目コードに不正がありましたので、この処理を終了して伝票入力画面に入って\"伝票点検\""
        "で確認してください。");
}
inline QString faultyVouchers() {
    return QStringLiteral("伝票番号：");
}
inline QString moreVouchers() {
    return QStringLiteral(" ほか%1件");
}
inline QString fromAfterTo() {
    return QStringLiteral("開始日が終了日より後になっています。期間を確かめてください。");
}
inline QString impossibleDate() {
    return QStringLiteral("%1の日付（%2年%3月%4日）はありません。日付を確かめてください。");
}
inline QString missingDate() {
    return QStringLiteral("%1が正しくありません。日付を確かめてください。");
}
inline QString fromLabel() {
    return QStringLiteral("開始日");
}
inline QString toLabel() {
    return QStringLiteral("終了日");
}
inline QString toBeforeFiscalStart() {
    return QStringLiteral("終了日が会計期首より前になっています。期間を確かめてください。");
}
inline QString noFiscalYearStart() {
    return QStringLiteral("会計期首が設定されていません。");
}
inline QString unitNotSelected() {
    return QStringLiteral("会計が「選択」されていないか、会計の登録がされていません。");
}
inline QString invalidOption() {
    return QStringLiteral("伝票の扱いの指定が正しくありません。");
}

// Dialog texts.
inline QString fiscalStartLabel() {
    return QStringLiteral("会計期首　");
}
inline QString runButton() {
    return QStringLiteral("実    行");
}
inline QString cancelButton() {
    return QStringLiteral("キャンセル");
}
inline QString dialogTitle() {
    return QStringLiteral("期間の指定");
}
inline QString fromCaption() {
    return QStringLiteral("自");
}
inline QString toCaption() {
    return QStringLiteral("至");
}
inline QString adjustingGroup() {
    return QStringLiteral("整理伝票の扱い");
}
inline QString unsettledGroup() {
    return QStringLiteral("未決済伝票の扱い");
}
inline QString include() {
    return QStringLiteral("含める");
}
inline QString excludeAdjusting() {
    return QStringLiteral("整理伝票は除く");
}
inline QString excludeAdjustingLedgers() {
    return QStringLiteral("整理伝票を除く");
}
inline QString adjustingOnly() {
    return QStringLiteral("整理伝票のみ");
}
inline QString excludeUnsettled() {
    return QStringLiteral("未決済伝票は除く");
}

} // namespace k9::engine_text
