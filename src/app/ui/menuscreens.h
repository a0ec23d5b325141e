// SPDX-License-Identifier: GPL-3.0-or-later
// The screens the main window opens, as plug-in points: the start-up dialogs and one entry
// per menu screen. A menu button whose screen is not registered is shown disabled (a button
// that needs a unit still checks the selection first). Each screen is modal and returns
// when it closes; the main window then restores the current directory to AppDir.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace k9 {

class Prompter;
struct Session;

struct MenuScreens {
    // A screen that opens, runs and closes.
    using Screen = std::function<void(QWidget* parent, Session& session, Prompter& prompter)>;
    // A screen whose result the menu follows up; true means "go on" as the entry says.
    using Step = std::function<bool(QWidget* parent, Session& session, Prompter& prompter)>;

    // Start-up: the login dialog (the typed text; nullopt when the window was closed), the
    // corporation-name registration and the data-path dialog (true when a folder was accepted).
    std::function<std::optional<QString>(QWidget* parent)> password;
    Screen corporationName;
    Step dataPath;

    // 初期設定メニュー.
    Screen settings;        // 会計期首: corporation and fiscal settings
    Screen openingBalances; // 繰越金設定
    Screen budget;          // 予算設定
    Screen chartOfAccounts; // 勘定科目設定
    Screen allocation;      // 按 分 割 合
    Step unitRegister;      // 部門登録: true when a first chart was prepared
    Screen previousYear;    // 前年度実績

    // メインメニュー. The report entries include their period dialog.
    Screen transferEntry;   // 振替仕訳入力
    Screen cashEntry;       // 現金・預金入力
    Screen generalLedger;   // 総勘定元帳
    Screen fundLedger;      // 資金収支元帳
    Screen trialBalance;    // 試  算  表
    Screen monthlyTotals;   // 月別集計
    Screen statements;      // 決  算  書
    Screen quarterlyReport; // 四半期報告書
    // 合計処理: the consolidation dialog and passes. `totalName` returns the dialog's name for
    // the consolidated total in any case; true when the passes ran.
    std::function<bool(QWidget* parent, Session& session, Prompter& prompter, QString& totalName)>
        consolidation;
    Screen summary;         // 総　括　表
    Screen taxCollection;   // 消費税計算 with TaxMethod 0 (general method)
    Screen taxClassSummary; // 消費税計算 with the simplified method or none
    Screen backup;          // バックアップコピー
    Screen fiscalYearList;  // 会計の登録＆変更

    // 補助作業メニュー.
    Screen newFiscalYear;    // 新年度更新処理
    Screen repair;           // 破損ファイルの修復, after the user confirmed
    Screen unitDataExchange; // 部門データの入力・出力
    Screen conversionCsv;    // Z8変換CSV出力
};

// The screens of this program: the start-up dialogs and every menu screen available.
MenuScreens defaultMenuScreens();

} // namespace k9
