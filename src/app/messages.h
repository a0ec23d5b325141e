// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Japanese texts of the application shell: start-up, login, the main menu and the
// corporation-name and data-path dialogs. Every screen and test of the shell takes them from here.
#pragma once

#include <QString>

namespace k9::msg {

// Start-up.
inline QString noProgramFolder() {
    return QStringLiteral("実行できる環境ではありませんので、終了します。");
}
inline QString wrongPassword() {
    return QStringLiteral("ユーザーパスワードが違いますので、終了します。");
}
inline QString checkDataPath() {
    return QStringLiteral("データパス名や実行環境等を確認してください。　");
}

// Login dialog.
inline QString loginCaption() {
    return QStringLiteral("ユーザーパスワード入力");
}
inline QString loginText1() {
    return QStringLiteral("４桁のパスワード（数値）を入れてください。");
}
inline QString loginText2() {
    return QStringLiteral("ユーザーパスワードの既定値は'5807'です。");
}

// Unit selection and the menu.
inline QString subtotalUnit() {
    return QStringLiteral("ここは[小計]であるので、選択できません。");
}
inline QString noRights() {
    return QStringLiteral("権限がないので、選択できません。");
}
inline QString unitNotSelected() {
    return QStringLiteral("会計が「選択」されていないか、会計の登録がされていません。");
}
inline QString repairQuestion() {
    return QStringLiteral(
        "現在、把握しているデータファイルの破損で修復可能な作業を実行します。\n"
        "この処理を行う前に必ずデータフォルダのバックアップを取ってから実行してください。\n"
        "この処理でも復旧しない場合は、障害が生じる前にバックアップをしたデータファイルで復旧さ"
        "せてください。\n"
        "この処理を実行する場合は 【はい】 中断する場合は 【いいえ】 を選んでください。");
}

// Data-path dialog.
inline QString notDataFolder() {
    return QStringLiteral("この会計のデータディレクトリではありませんので、ご確認ください。");
}
inline QString foreignDataFolder() {
    return QStringLiteral("「かなめ会計」のデータですが、他の会計のデータですので実行できません。");
}
inline QString createDataFolder() {
    return QStringLiteral("新規にデータフォルダを作成しますがよろしいですか。");
}
inline QString invalidDataPath() {
    return QStringLiteral("データパス名が不正ですので、新規にデータフォルダの作成が出来ません。");
}

} // namespace k9::msg
