// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed Japanese texts of the chart editor (勘定科目の設定): refusals, hints, side notes,
// the attribute help and the questions asked before an account in use is deleted. The
// screen and its tests take every text from here.
#pragma once

#include <QString>
#include <QStringList>

namespace k9::chartmsg {

// Captions.
inline QString editorTitle() {
    return QStringLiteral("勘定科目の設定");
}
inline QString accountsTab() {
    return QStringLiteral("勘定科目(B/S,P/L)");
}
inline QString fundLinesTab() {
    return QStringLiteral("資金収支の科目(C/F)");
}
inline QString codeJumpTitle() {
    return QStringLiteral("資金収支科目へのコードジャンプ");
}
inline QString jumpTowardEnd() {
    return QStringLiteral("後方検索");
}
inline QString jumpTowardStart() {
    return QStringLiteral("前方検索");
}
inline QString codeJumpHint() {
    return QStringLiteral("対応する資金科目を検索します。");
}
inline QString attributeHelpButton() {
    return QStringLiteral("属性説明");
}
inline QString exportButton() {
    return QStringLiteral("エクセル");
}
inline QString subAccountSetUp() {
    return QStringLiteral("補助科目の設定");
}
inline QString perUnitNamesChoice() {
    return QStringLiteral("部門別の科目名称");
}
inline QString perUnitNamesOn() {
    return QStringLiteral("する");
}
inline QString perUnitNamesOff() {
    return QStringLiteral("しない");
}
inline QString perUnitNamesButton() {
    return QStringLiteral("会計別名称変更");
}
inline QString perUnitNamesOnLabel() {
    return QStringLiteral("補助科目名は部門別の名称に変更できます。");
}
inline QString perUnitNamesOffLabel() {
    return QStringLiteral("補助科目名はすべての部門が同じ名松になります。");
}
inline QString propagating() {
    return QStringLiteral("勘定科目を各会計に反映しています。");
}

// Side notes.
inline QString subAccountNote() {
    return QStringLiteral("補助科目の設定は補助 = 1にして、ダブルクリック");
}
inline QStringList smallAccountNote() {
    return {QStringLiteral("【小科目の設定】"), QStringLiteral("①　集計科目のFlgAを「1」にする。"),
            QStringLiteral("②　小科目に「1」をつける。")};
}
// The consumption-tax note: the simplified-method classes when the corporation's tax
// method (Head.PM3) is not 0, the general-method classes otherwise.
inline QStringList taxNote(int taxMethod) {
    if (taxMethod != 0)
        return {QStringLiteral("【消費税区分の既定値】"), QStringLiteral(" ※入力時に変更可能"),
                QStringLiteral("    0  非課税"),          QStringLiteral("　  1  第一種事業(90%)"),
                QStringLiteral("　  2  第二種事業(80%)"), QStringLiteral("　  3  第三種事業(70%)"),
                QStringLiteral("　  4  第四種事業(60%)"), QStringLiteral("　  5  第五種事業(50%)"),
                QStringLiteral("　  6  第五種事業(40%)"), QStringLiteral("　空白消費税対象外の科目")};
    return {QStringLiteral("【消費税区分の既定値】"), QStringLiteral(" ※入力時に変更可能"),
            QStringLiteral("   0  非課税科目"),       QStringLiteral(" 　1  課税科目"),
            QStringLiteral(" 　2  課税個別対応"),     QStringLiteral(" 　3  使途特定"),
            QStringLiteral(" 　4  使途不特定"),       QStringLiteral("空白 消費税対象外の科目")};
}

// "属性説明" (line breaks written \r).
inline QString attributeHelp() {
    return QStringLiteral(
        "科目の属性\r  FlgA   5 = ○○の部合計\r         4 = "
        "資産合計・負債合計・収入合計・支出合計などのブロック合計\r         3 = 大科目計\r         2 = "
        "中科目計（省略可）\r         1 = 小科目計（必要に応じて設定可）\r         0 = 仕訳科目\r\r  FlgB   "
        "1 = "
        "貸借対照表の科目\r         2 = 損益科目及び収入支出科目\r         3 = 科目の終端マーク\r\r  FlgC   "
        "0 = "
        "借方科目\r         1 = 貸方科目\r\r  小科目 1 = 小科目を設定した場合\r  補助   1 = "
        "補助科目を設定した場合\r\r  FlgG   1 = 資金科目\r         1以外は変更しないこと\r\r  FlgH   "
        "資金科目との連携番号\r\r資金科目との連携\r　FlgH以外の連携はコード番号を同一にしてください.\r\r  "
        "消費税  = "
        "消費税の対象科目\r\r　上記以外は、システムフラグですので既定値を変更しないでください。");
}

// Refusals when a line is posted.
inline QString invalidAccountCode() {
    return QStringLiteral("科目コードが不備です。科目コードの桁数などを確認してください。");
}
inline QString missingSerial() {
    return QStringLiteral("連番がありませんので確認してください。");
}
inline QString duplicateAccountCode(const QString& code) {
    return QStringLiteral("科目コード%1は既に登録されています。").arg(code);
}
inline QString duplicateSerial(long long sNo) {
    return QStringLiteral("連番%1は既に登録されています。").arg(sNo);
}
inline QString flagOutOfRange(const QString& column, int low, int high) {
    return QStringLiteral("%1には%2から%3までの数を入力してください。").arg(column).arg(low).arg(high);
}
inline QString notANumber(const QString& column) {
    return QStringLiteral("%1には数を入力してください。").arg(column);
}

// Sub-account set-up.
inline QString notInputAccount() {
    return QStringLiteral("ここは入力科目ではありませんので、補助科目の設定は出来ません。");
}

// Deleting a line, or changing the key of a stored one.
inline QString accountLabel(const QString& code, const QString& name) {
    return name.isEmpty() ? QStringLiteral("科目コード%1").arg(code)
                          : QStringLiteral("「%1」（%2）").arg(name, code);
}
inline QString accountInJournal(const QString& label, int lines) {
    return QStringLiteral("%1は仕訳%2行で使用されているため、削除できません。").arg(label).arg(lines);
}
inline QString accountCodeInJournal(const QString& label, int lines) {
    return QStringLiteral("%1は仕訳%2行で使用されているため、科目コードを変更できません。")
        .arg(label)
        .arg(lines);
}
inline QString lossHeading(const QString& label) {
    return QStringLiteral("%1を削除すると、次の内容が失われます。").arg(label);
}
inline QString codeChangeLossHeading(const QString& label, const QString& newCode) {
    return QStringLiteral("%1の科目コードを%2に変更すると、次の内容が失われます。").arg(label, newCode);
}
inline QString lostUnitAmounts(int units) {
    return QStringLiteral("・会計別の予算・期首繰越などの金額（%1会計分）").arg(units);
}
inline QString lostFundLinks(int lines) {
    return QStringLiteral("・この科目コードで連携している資金収支の科目%1行の連携").arg(lines);
}
inline QString lostSubAccounts(int count) {
    return QStringLiteral("・補助科目%1件").arg(count);
}
inline QString deleteQuestion() {
    return QStringLiteral("削除してもよいですか。");
}
inline QString changeQuestion() {
    return QStringLiteral("変更してもよいですか。");
}
inline QString deleteLine(const QString& label) {
    return QStringLiteral("%1を削除してもよいですか。").arg(label);
}
inline QString fundLineLabel(long long sNo, const QString& name) {
    return name.isEmpty() ? QStringLiteral("連番%1").arg(sNo)
                          : QStringLiteral("連番%1「%2」").arg(sNo).arg(name);
}
inline QString serialChangeLossHeading(const QString& label, long long newSNo) {
    return QStringLiteral("%1の連番を%2に変更すると、次の内容が失われます。").arg(label).arg(newSNo);
}

} // namespace k9::chartmsg
