// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Japanese texts of the settings screen 初期設定１, the access-code screen, the
// fiscal-year folder list and the unit register. Screens, logic and tests take them from here.
#pragma once

#include <QString>
#include <QStringList>

namespace k9::msg {

// Settings screen 初期設定１.
inline QString settingsCaption() {
    return QStringLiteral("初期設定１");
}
inline QString fiscalStartExample() {
    return QStringLiteral("例）　1999/04/01");
}
inline QString invalidFiscalStart(const QString& typed) {
    return QStringLiteral(
               "会計期首「%1」は正しい日付ではありません。\n例）　1999/04/01 のように入力してください。")
        .arg(typed);
}
inline QString invalidUserPassword() {
    return QStringLiteral("ユーザーパスワードは4桁以内の数値で入力してください。");
}
inline QString invalidViewOnlyPassword() {
    return QStringLiteral("見るだけパスワードは5桁以内の数値で入力してください。");
}

// Access-code screen.
inline QString accessCodeHeading() {
    return QStringLiteral("権限設定");
}

// Fiscal-year folder list.
inline QString pathRecCaption() {
    return QStringLiteral("データパス名の記録");
}
inline QString pathRecSample() {
    return QStringLiteral("　１　　　２００７年度会計　　　　　　　　　　　　　2007\\");
}
inline QString pathRecDeleteQuestion() {
    return QStringLiteral("カーソルポインタがあるレコードを削除します。");
}
inline QString pathNotSelectable() {
    return QStringLiteral("データパス名が不正ですので、選択できません。");
}

// Unit register.
inline QString unitRegisterCaption() {
    return QStringLiteral("部門登録");
}
inline QString templateChoiceHint() {
    return QStringLiteral("この選択は新規にデータパス名を設定した時のみ有効になります。\n"
                          "部門を追加した場合は、現在使用している科目に統一されます。");
}
inline QString executeHint() {
    return QStringLiteral("勘定科目の設定モードに入ります。");
}
inline QString editTemplateHint() {
    return QStringLiteral("雛形科目のカスタマイズ（変更）が出来ます。\n"
                          "ただし、雛形科目を変更する必要は特にはありません。");
}
inline QString registerCancelHint() {
    return QStringLiteral("データフォルダを作成しないで終了します。");
}
inline QString templateQuestion() {
    return QStringLiteral("雛形科目の選択は間違いないですか。");
}
inline QString chartPrepared() {
    return QStringLiteral(
        "次に”勘定科目設定”の画面に入りますが、科目変更をしない場合はそのまま閉じてください。");
}
inline QString backupReminder() {
    return QStringLiteral(
        "この処理を実行する前に必ずデータのバックアップコピーをしてデータを保全してください。");
}
inline QString unitMoveQuestion() {
    return QStringLiteral("部門移動をします。実行してもいいですか。") + QStringLiteral("\n\n") +
           backupReminder();
}
inline QString unitDeleteQuestion() {
    return QStringLiteral("範囲指定した部門のデータを削除します。") + QStringLiteral("\n\n") +
           backupReminder();
}
inline QString invalidUnitNumbers() {
    return QStringLiteral("設定に間違いがありますので、処理を中断します。");
}
inline QString storeFailure(const QString& reason) {
    return QStringLiteral("[エラー] ") + reason;
}
inline QString allocationStillSet(const QStringList& units) {
    return QStringLiteral("削除する部門（%1）に按分割合が設定されている科目があります。\n"
                          "削除しても按分割合は残りますので、後で按分割合を見直してください。\n"
                          "このまま削除してもいいですか。")
        .arg(units.join(QStringLiteral("、")));
}
inline QString footnoteNotRenamed(const QString& from, const QString& to) {
    return QStringLiteral("脚注ファイル「%1」を「%2」に変更できませんでした。").arg(from, to);
}
inline QString templateMissing(const QString& title, const QString& file) {
    return QStringLiteral("雛形「%1」のデータベースがありません。（%2）").arg(title, file);
}
inline QString templateTableMissing(const QString& title, const QString& table) {
    return QStringLiteral("雛形「%1」に表 %2 がありません。").arg(title, table);
}

} // namespace k9::msg
