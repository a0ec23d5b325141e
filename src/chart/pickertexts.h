// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Japanese texts of the sub-account editors, the pickers, the learning lists and
// the standard-description picker: captions, notes, buttons and messages, in one place.
#pragma once

#include <QString>

namespace k9::pickertext {

// Notes keep their stored line breaks ("\r\n", "\r"); screens show them through
// displayLines().
inline QString displayLines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// Sub-account editor (THojokamoku).
inline const QString kSubAccountCaption = QStringLiteral("補助科目の設定");
inline const QString kSubAccountCodeHeader = QStringLiteral("コード");
inline const QString kSubAccountNameHeader = QStringLiteral("補助科目名");
inline const QString kSubAccountAddNote = QStringLiteral("追加は最下段で［↓］キーを押してください。");
inline const QString kSubAccountDelete = QStringLiteral("削    除");
// Code hints the chart editor hands over.
inline const QString kBorrowingCodeHint = QStringLiteral(
    "コード　　　科目名\r\n101～  　　公的金融機関\r\n201～　　　市中金融機関\r\n301～　　　その他");
inline const QString kSampleCodeHint =
    QStringLiteral("コード　科目名\r\n001  　　○○○\r\n002　　　□□□\r\n003　　　◇◇◇");
// Deleting or recoding a sub-account that is in use.
inline QString subAccountUsedInJournal(const QString& code, const QString& name, int lines) {
    return QStringLiteral("補助科目「%1 %2」は仕訳 %3 行で使われていますので、削除できません。\r\n"
                          "先に仕訳の補助科目コードを付け替えてください。")
        .arg(code, name)
        .arg(lines);
}
inline QString subAccountRecodeUsedInJournal(const QString& code, const QString& name, int lines) {
    return QStringLiteral("補助科目「%1 %2」は仕訳 %3 行で使われていますので、コードを変更できません。\r\n"
                          "先に仕訳の補助科目コードを付け替えてください。")
        .arg(code, name)
        .arg(lines);
}
inline QString subAccountHasUnitAmounts(const QString& code, const QString& name, int units) {
    return QStringLiteral("補助科目「%1 %2」には %3 会計分の予算・期首繰越などの金額が登録されています。\r\n"
                          "削除すると、勘定科目の設定を閉じるときにこれらの金額も失われます。\r\n"
                          "削除してもよろしいですか？")
        .arg(code, name)
        .arg(units);
}
inline QString subAccountRecodeHasUnitAmounts(const QString& code, const QString& name, int units) {
    return QStringLiteral("補助科目「%1 %2」には %3 会計分の予算・期首繰越などの金額が登録されています。\r\n"
                          "コードを変更すると、勘定科目の設定を閉じるときにこれらの金額は失われます。\r\n"
                          "変更してもよろしいですか？")
        .arg(code, name)
        .arg(units);
}
inline QString subAccountDeleteQuestion(const QString& code, const QString& name) {
    return QStringLiteral("補助科目「%1 %2」を削除します。\r\nよろしいですか？").arg(code, name);
}
inline QString subAccountDuplicate(const QString& code) {
    return QStringLiteral("補助科目コード「%1」はすでに登録されています。").arg(code);
}

// Per-unit name editor (Tkamoku_hojo).
inline const QString kUnitNamesCaption = QStringLiteral("会計別名称変更");
inline const QString kUnitNamesCodeHeader = QStringLiteral("補助科目コード");
inline const QString kUnitNamesNameHeader = QStringLiteral("補助科目名");
inline const QString kUnitNamesNote =
    QStringLiteral("補助科目名の変更しか出来ません。\r\n　\r\n補助科目の追加をしたい場合は、\r\n勘定科目の設"
                   "定画面で追加してから\r\n"
                   "この画面に再度入ってください。\r\n  "
                   "\r\n補助科目名を空白にすると、共通の\r\n補助科目名になります。\r\n　\r\n"
                   "補助科目名を表示させたくない場合は\r\n空白のスペースを一文字入れてください。");

// Account picker (Tkamoku_SEL).
inline const QString kAccountPickerCaption = QStringLiteral("科目選択");
inline const QString kAccountCodeHeader = QStringLiteral("コード");
inline const QString kAccountNameHeader = QStringLiteral("科目名");
inline const QString kAccountPickerEnter = QStringLiteral("科目の選択はエンターキーを押してください。");
inline const QString kAccountPickerJump =
    QStringLiteral("科目ｺｰﾄﾞの一部を入れてエンターキーを押すと直近の科目にジャンプできます。");
inline const QString kDisplayChoice = QStringLiteral("表示選択");
inline const QString kDisplayAll = QStringLiteral("すべて表示");
inline const QString kDisplayMarked = QStringLiteral("選択した科目のみ");
inline const QString kDisplayHint =
    QStringLiteral("表示科目の設定は\r\n伝票入力　⇒　補助作業　⇒　９．表示科目の設定\r\nで行って下さい。");

// Sub-account pickers (Thojo_SEL, Thojo_SEL2).
inline const QString kSubAccountPickerCaption = QStringLiteral("補助科目選択");
inline const QString kSubAccountPickerEnter = QStringLiteral("エンターキーまたはダブルクリックで選択選択");
inline const QString kAllSubAccountPickerEnter =
    QStringLiteral("エンターキーまたはダブルクリックすると選択できます。");
inline const QString kAllSubAccountAccountCodeHeader = QStringLiteral("科目code");
inline const QString kAllSubAccountAccountNameHeader = QStringLiteral("科目名");
inline const QString kAllSubAccountCodeHeader = QStringLiteral("補助code");

// Fund-line picker (Tkamoku2_SEL).
inline const QString kFundLinePickerCaption = QStringLiteral("科目選択");
inline const QString kFundLineSNoHeader = QStringLiteral("科目連番");
inline const QString kFundLineNameHeader = QStringLiteral("科目名");
inline const QString kFundLineCodeHeader = QStringLiteral("科目コード");
inline const QString kFundLinePickerNote =
    QStringLiteral("資金科目は、連番順になっています。\r\n資金科目の選択はエンターキーまたはダブルクリックを"
                   "押してください。");
inline const QString kFundLineJump = QStringLiteral("連番ジャンプ");

// Learning lists (TWKTBL0, TWKTBL1).
inline const QString kDebitLearningCaption = QStringLiteral("借方科目の自動学習テーブル");
inline const QString kCreditLearningCaption = QStringLiteral("貸方科目の自動学習テーブル");
inline const QString kDebitLearningCodeHeader = QStringLiteral("科目ｺｰﾄﾞ");
inline const QString kCreditLearningCodeHeader = QStringLiteral("科目コード");
inline const QString kLearningNameHeader = QStringLiteral("科目名");
inline const QString kLearningEnter = QStringLiteral("科目の選択はエンターキーを押してください。");
inline const QString kLearningHint = QStringLiteral(
    "必要な科目がない場合は、[科目一覧] を押すか、科目コードの一部を入れてエンターキーを押してください。");
inline const QString kLearningDelete = QStringLiteral("不要科目の削除");
inline const QString kLearningAccountList = QStringLiteral("科目一覧");
inline const QString kLearningCancel = QStringLiteral("キャンセル");

// Standard-description picker (Ttekiyou).
inline const QString kDescriptionCaption = QStringLiteral("tekiyou");
inline const QString kDescriptionHeader = QStringLiteral("摘要名");
inline const QString kDescriptionEnter = QStringLiteral("摘要の選択はエンターキーを押してください。");
inline const QString kDescriptionNote = QStringLiteral(
    "○　新しい摘要名の登録は空白欄までカーソルを移動するか、[挿入]を\r\n　　押して挿入してください。\r\n"
    "○　水道代／６月分と登録すると、[／] までが記憶されます。\r\n"
    "○　摘要名は半角３０文字（全角15文字）以内です。");
inline const QString kDescriptionDelete = QStringLiteral("不要な摘要名の削除");
inline const QString kDescriptionInsert = QStringLiteral("挿　　入");
inline const QString kDescriptionSearch = QStringLiteral("検索");
inline const QString kDescriptionPressEnter = QStringLiteral("エンターキーを押してください。");

} // namespace k9::pickertext
