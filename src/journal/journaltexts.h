// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Japanese texts of transfer voucher entry: captions, buttons, hints, messages and
// questions, in one place.
#pragma once

#include <QString>

namespace k9::journaltext {

// Screen and tabs.
inline const QString kCaption = QStringLiteral("伝票入力");
inline const QString kEntryTab = QStringLiteral("仕訳入力");
inline const QString kListTab = QStringLiteral("仕訳一覧表");
inline const QString kSearchTab = QStringLiteral("仕訳検索");
inline const QString kCheckTab = QStringLiteral("仕訳点検");

// Modes.
inline const QString kNewMode = QStringLiteral("新規登録モード");
inline const QString kEditMode = QStringLiteral("訂正モード");
inline const QString kSaved = QStringLiteral("書込完了");
inline const QString kAllocationUnitName = QStringLiteral("自動按分");

// Buttons and their hints.
inline const QString kNewButton = QStringLiteral("新規登録(F5)");
inline const QString kNewHint = QStringLiteral("新規登録のモードになります。");
inline const QString kSaveButton = QStringLiteral("書込（F7)");
inline const QString kSaveHint = QStringLiteral("画面のデータを書き込みます。");
inline const QString kInsertLine = QStringLiteral("行挿入");
inline const QString kDeleteLine = QStringLiteral("行削除");
inline const QString kRevert = QStringLiteral("編集前に戻す");
inline const QString kCopyVoucher = QStringLiteral("伝票複写");
inline const QString kCopyHint = QStringLiteral("部門間の伝票移動をします。");
inline const QString kDeleteVoucher = QStringLiteral("伝票削除");
inline const QString kPrintOne = QStringLiteral("単票印刷");
inline const QString kPrintOneHint = QStringLiteral("表示されている伝票を印刷します。");
inline const QString kPrintVouchers = QStringLiteral("伝票印刷");
inline const QString kPrintJournal = QStringLiteral("日記帳印刷");
inline const QString kTemplateRead = QStringLiteral("雛型読出");
inline const QString kTemplateReadHint = QStringLiteral("登録した振替仕訳の雛型を読み込みます。");
inline const QString kTemplateStore = QStringLiteral("雛型登録");
inline const QString kTemplateStoreHint = QStringLiteral("画面の振替伝票を雛型として登録します。");
inline const QString kSideWork = QStringLiteral("補助作業");
inline const QString kSideWorkHint = QStringLiteral("伝票番号のﾘﾅﾝﾊﾞﾘﾝｸﾞなど");
inline const QString kStatements = QStringLiteral("調　書");
inline const QString kAdjusting = QStringLiteral("整理伝票");
inline const QString kUnsettled = QStringLiteral("未決済伝票");
inline const QString kBudgetPopup = QStringLiteral("予算差異等のポップアップ");
inline const QString kNumberSearch = QStringLiteral("伝票番号検索");
inline const QString kNumberSearchHint = QStringLiteral("伝票番号を入れてEnterを押してください。");
inline const QString kCreditAmountHint =
    QStringLiteral("空白のまま、\r\nエンターキーを押すと、金額が自動的に入ります。");

// Line headings.
inline const QString kDebitCode = QStringLiteral("借方科目コード");
inline const QString kCreditCode = QStringLiteral("貸方科目コード");
inline const QString kSubAccountCode = QStringLiteral("補助科目コード");
inline const QString kDebitAmount = QStringLiteral("借方金額");
inline const QString kCreditAmount = QStringLiteral("貸方金額");
inline const QString kTaxClass = QStringLiteral("消費税区分");
inline const QString kDescription1 = QStringLiteral("摘要名1");
inline const QString kDescription2 = QStringLiteral("摘要名２");

// Header checks.
inline const QString kYearTooLarge =
    QStringLiteral("このシステムでは入力できませんのでバージョンアップして下さい。");
inline const QString kMonthInvalid = QStringLiteral("もう一度,入れ直してください。");
inline const QString kSubtotalUnit = QStringLiteral("ここは[小計]であるので、選択できません。");

// Saving.
inline const QString kBeforeFiscalYear =
    QStringLiteral("会計期首よりも古い年月日になっていますので、訂正してください。");
inline QString noSubAccount(const QString& code) {
    return QStringLiteral("【") + code + QStringLiteral("】に補助科目がありませんので登録できません。");
}
inline const QString kIncomplete = QStringLiteral("伝票が不備ですから登録できません。");
inline QString notAllocationAccount(int line) {
    return QStringLiteral("番号【%1】の仕訳は、按分科目ではありませんので、伝票登録は出来ません。").arg(line);
}
inline QString compoundInAllocation(int line) {
    return QStringLiteral("番号【%1】の仕訳は複合仕訳になっていますので、伝票登録は出来ません。").arg(line);
}
inline const QString kCompoundWhileTyping =
    QStringLiteral("自動按分仕訳では複合仕訳は出来ません。単一仕訳にしてください。");
inline const QString kWriteErrorB = QStringLiteral("書込み時のエラーB　　アオバ情報工房にご連絡ください。");
inline const QString kWriteErrorD = QStringLiteral("書込み時のエラーD　　アオバ情報工房にご連絡ください。");
inline QString errorText(const QString& reason) {
    return QStringLiteral("[エラー] ") + reason;
}
inline QString invalidDate(const QString& year, const QString& month, const QString& day) {
    return QStringLiteral("「%1年%2月%3日」は正しい日付ではありません。").arg(year, month, day);
}
// A voucher number block of the per-unit scheme with no number left.
inline QString numberBlockFull(int unit) {
    return QStringLiteral("会計【%1】の伝票番号に空きがありませんので、登録できません。").arg(unit);
}

// Line editing and voucher operations.
inline const QString kNoMoreInsert = QStringLiteral("これ以上の挿入は出来ません。");
inline const QString kDeleteQuestion = QStringLiteral("画面の仕訳を削除します。\r削除してもよろしいですか。");
inline const QString kCopyQuestion = QStringLiteral("この伝票を新規データとして複写します。");
inline const QString kUnsavedQuestion =
    QStringLiteral("入力されたデータはまだ保存されていませんので、保存します。");
inline const QString kUnsavedCorrectionQuestion =
    QStringLiteral("訂正されたデータはまだ保存されていませんので、保存します。");
inline const QString kJournalTrouble = QStringLiteral("問題が発生！！");

// A voucher of more than twenty lines (brought in by an import) is shown without correction:
// the screen holds twenty lines, and saving it would drop the others.
inline QString tooManyLines(int sNo, int lines) {
    return QStringLiteral("伝票番号【%1】は%2行ありますので、この画面では訂正できません。\r\n"
                          "先頭の２０行を表示のみ行います（訂正・複写はできません）。")
        .arg(sNo)
        .arg(lines);
}
inline const QString kReadOnlyVoucher =
    QStringLiteral("この伝票は２０行を超えていますので、この画面では訂正できません。");

// Tabs and buttons whose screens are not available yet.
inline const QString kNotAvailable = QStringLiteral("この機能はまだ使用できません。");

} // namespace k9::journaltext
