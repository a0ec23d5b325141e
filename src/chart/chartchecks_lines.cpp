// SPDX-License-Identifier: GPL-3.0-or-later
// Structural checks of the chart's lines: codes, line numbers, names, flag values, where
// each line level may stand, and which input lines each total line collects.
#include "chart/chartchecks.h"
#include "store/cp932.h"

#include <QSet>

namespace k9::chartcheck {

namespace {

const QChar kFullWidthSpace(0x3000);
const QChar kFullWidthSlash(0xFF0F);

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == kFullWidthSpace;
}

QString flagText(const Flag& f) {
    return f ? QString::number(*f) : QStringLiteral("空欄");
}

// A total line and the input lines the totals engine adds into it must share one nature,
// because some statements add members without regard to sign.
template <class Line>
void checkGroup(const Line& total, const std::vector<const Line*>& members, QStringList& problems) {
    if (members.empty()) {
        problems
            << QStringLiteral("%1 は集計行ですが、上に集計される仕訳科目がありません。").arg(label(total));
        return;
    }
    for (const Line* m : members)
        if (m->flgC != total.flgC)
            problems
                << QStringLiteral("%1 に貸借（FlgC）の違う%2 が集計されます。").arg(label(total), label(*m));
}

// Levels 2 and 3 of the activity side and of the fund statement: a level-3 line takes the
// inputs since the previous level 3 to 8 line, a level-2 line those since level 2 to 8.
template <class Line>
void middleAndMajorTotals(const std::vector<const Line*>& lines, QStringList& problems) {
    std::vector<const Line*> middle, major;
    for (const Line* l : lines) {
        if (flagIn(l->flgA, 4, 8)) {
            middle.clear();
            major.clear();
        } else if (flagIs(l->flgA, 3)) {
            checkGroup(*l, major, problems);
            major.clear();
            middle.clear();
        } else if (flagIs(l->flgA, 2)) {
            checkGroup(*l, middle, problems);
            middle.clear();
        } else if (l->isInput()) {
            middle.push_back(l);
            major.push_back(l);
        }
    }
}

// Block totals (level 4) of the activity side and of the fund statement: the inputs since
// the previous level 4 line (on the activity side also level 5 and the reset level 11).
template <class Line> void blockTotals(const std::vector<const Line*>& lines, QStringList& problems) {
    std::vector<const Line*> block;
    for (const Line* l : lines) {
        if (flagIs(l->flgA, 4)) {
            checkGroup(*l, block, problems);
            block.clear();
        } else if (flagIs(l->flgA, 5) || flagIs(l->flgA, 11)) {
            block.clear();
        } else if (l->isInput()) {
            block.push_back(l);
        }
    }
}

// Balance sheet, levels 2 and 3: no line of another level resets the sums.
void balanceSheetSubtotals(const std::vector<const ChartAccount*>& lines, QStringList& problems) {
    std::vector<const ChartAccount*> middle, major;
    for (const ChartAccount* l : lines) {
        if (flagIs(l->flgA, 3)) {
            checkGroup(*l, major, problems);
            major.clear();
            middle.clear();
        } else if (flagIs(l->flgA, 2)) {
            checkGroup(*l, middle, problems);
            middle.clear();
        } else if (l->isInput()) {
            middle.push_back(l);
            major.push_back(l);
        }
    }
}

// Balance sheet, levels 4 and 5: a block total takes the inputs since the previous one; the
// debit-side block total also restarts the section sum that the level-5 line takes.
void balanceSheetBlocks(const std::vector<const ChartAccount*>& lines, QStringList& problems) {
    std::vector<const ChartAccount*> block, section;
    for (const ChartAccount* l : lines) {
        if (flagIs(l->flgA, 4)) {
            checkGroup(*l, block, problems);
            block.clear();
            if (flagIs(l->flgC, 0))
                section.clear();
        } else if (flagIs(l->flgA, 5)) {
            checkGroup(*l, section, problems);
            block.clear();
        } else if (l->isInput()) {
            block.push_back(l);
            section.push_back(l);
        }
    }
}

template <class Line> void checkRuns(const std::vector<Line>& lines, QStringList& problems) {
    const Line* head = nullptr;
    bool headHasMembers = false;
    auto closeRun = [&] {
        if (head && !headHasMembers)
            problems << QStringLiteral("%1 は小科目計（FlgA 1）ですが、直後に小科目（FlgE 1）がありません。")
                            .arg(label(*head));
    };
    for (const Line& l : lines) {
        if (flagIs(l.flgE, 1)) {
            if (!l.isInput())
                problems << QStringLiteral("%1 は小科目（FlgE 1）ですが、仕訳科目（FlgA 0）ではありません。")
                                .arg(label(l));
            if (!head) {
                problems << QStringLiteral(
                                "%1 は小科目（FlgE 1）ですが、直前に小科目計（FlgA 1）がありません。")
                                .arg(label(l));
            } else {
                headHasMembers = true;
                if (l.flgC != head->flgC)
                    problems << QStringLiteral("%1 の貸借（FlgC）が小科目計の%2 と違います。")
                                    .arg(label(l), label(*head));
            }
            continue;
        }
        closeRun();
        head = flagIs(l.flgA, 1) ? &l : nullptr;
        headHasMembers = false;
    }
    closeRun();
}

void checkName(const QString& who, const QString& name, int maxBytes, bool slashAllowed,
               QStringList& problems) {
    if (spaceless(name).isEmpty()) {
        problems << QStringLiteral("%1 の名称がありません。").arg(who);
        return;
    }
    QString bad;
    if (!cp932::canEncode(name, &bad)) {
        problems << QStringLiteral("%1 の名称に Shift-JIS で表せない文字「%2」があります。").arg(who, bad);
        return;
    }
    if (cp932::byteWidth(name) > maxBytes)
        problems << QStringLiteral("%1 の名称が%2バイトを超えています。").arg(who, QString::number(maxBytes));
    if (!name.contains(kFullWidthSlash))
        return;
    if (!slashAllowed)
        problems << QStringLiteral("%1 は貸借対照表の科目なので、名称に「／」を使えません。").arg(who);
    // Statements print the text after "／" with every space of the name moved in front of
    // it, so only the leading indentation may be blank.
    qsizetype i = 0;
    while (i < name.size() && isSpace(name[i]))
        ++i;
    for (; i < name.size(); ++i)
        if (isSpace(name[i])) {
            problems
                << QStringLiteral("%1 の名称は「／」を含むので、字下げ以外に空白を使えません。").arg(who);
            break;
        }
}

} // namespace

QString spaceless(const QString& text) {
    QString s = text;
    s.remove(QLatin1Char(' '));
    s.remove(kFullWidthSpace);
    return s;
}

QString label(const ChartAccount& a) {
    return QStringLiteral("科目%1「%2」").arg(a.code, spaceless(a.name));
}

QString label(const ChartFundLine& l) {
    return QStringLiteral("資金収支科目（連番%1）「%2」")
        .arg(l.sNo ? QString::number(*l.sNo) : QStringLiteral("なし"), spaceless(l.name));
}

bool isDigits(const QString& code, int length) {
    if (code.size() != length)
        return false;
    for (QChar c : code)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

void accountCodes(const ChartData& chart, QStringList& problems) {
    QSet<QString> seen;
    for (const auto& a : chart.accounts) {
        if (!isDigits(a.code, 5))
            problems << QStringLiteral("科目コード「%1」は半角数字5桁ではありません。").arg(a.code);
        else if (a.isInput() && a.code <= QLatin1String("10000"))
            problems << QStringLiteral("%1 は仕訳科目なので、10000 より大きいコードにします。").arg(label(a));
        if (seen.contains(a.code))
            problems << QStringLiteral("科目コード「%1」が重複しています。").arg(a.code);
        seen.insert(a.code);
    }
}

void fundLineNumbers(const ChartData& chart, QStringList& problems) {
    long long expected = 100;
    for (const auto& l : chart.fundLines) {
        if (!l.sNo) {
            problems << QStringLiteral("%1 に連番（SNo）がありません。").arg(label(l));
            continue;
        }
        if (*l.sNo != expected) {
            problems << QStringLiteral(
                            "資金収支科目の連番は 100, 200, 300 … と続けます（%1 は %2 であるべきです）。")
                            .arg(label(l), QString::number(expected));
            return;
        }
        expected += 100;
    }
}

void names(const ChartData& chart, QStringList& problems) {
    for (const auto& a : chart.accounts)
        checkName(label(a), a.name, 40, !a.isBalanceSheet(), problems);
    for (const auto& l : chart.fundLines)
        checkName(label(l), l.name, 40, true, problems);
    for (const auto& s : chart.subAccounts) {
        QString who = QStringLiteral("補助科目%1-%2").arg(s.accountCode, s.code);
        if (spaceless(s.name).isEmpty())
            problems << QStringLiteral("%1 の名称がありません。").arg(who);
        else if (!cp932::canEncode(s.name))
            problems << QStringLiteral("%1 の名称に Shift-JIS で表せない文字があります。").arg(who);
        else if (cp932::byteWidth(s.name) > 20)
            problems << QStringLiteral("%1 の名称が20バイトを超えています。").arg(who);
    }
}

void flagValues(const ChartData& chart, QStringList& problems) {
    auto common = [&](const QString& who, const LineFlags& f) {
        if (!flagIn(f.flgA, 0, 11))
            problems << QStringLiteral("%1 の FlgA（%2）は 0～11 にします（見出しは 9）。")
                            .arg(who, flagText(f.flgA));
        if (!flagIn(f.flgC, 0, 1))
            problems << QStringLiteral("%1 の FlgC（%2）は 0 か 1 にします。").arg(who, flagText(f.flgC));
        if (f.flgE && *f.flgE != 1)
            problems << QStringLiteral("%1 の FlgE（%2）は空欄か 1 にします。").arg(who, flagText(f.flgE));
    };
    for (const auto& a : chart.accounts) {
        common(label(a), a);
        if (!flagIn(a.flgB, 1, 3))
            problems << QStringLiteral("%1 の FlgB（%2）は 1～3 にします。").arg(label(a), flagText(a.flgB));
        if (a.flgD && *a.flgD != 1)
            problems << QStringLiteral(
                            "%1 の FlgD（%2）は空欄か 1 にします（0 では期首繰越を入力できません）。")
                            .arg(label(a), flagText(a.flgD));
        if (a.flgF && !flagIn(a.flgF, 0, 30))
            problems << QStringLiteral("%1 の消費税区分 FlgF（%2）は空欄か 0～30 にします。")
                            .arg(label(a), flagText(a.flgF));
    }
    for (const auto& l : chart.fundLines) {
        common(label(l), l);
        if (!flagIs(l.flgB, 2))
            problems << QStringLiteral("%1 の FlgB（%2）は 2 にします。").arg(label(l), flagText(l.flgB));
    }
}

void levelPlacement(const ChartData& chart, QStringList& problems) {
    for (const auto& a : chart.accounts) {
        if (flagIs(a.flgA, 8))
            problems << QStringLiteral("%1: FlgA 8 は資金収支科目だけに使います。").arg(label(a));
        if (flagIs(a.flgA, 5) && a.isActivity())
            problems << QStringLiteral("%1: 正味財産増減計算書の行に FlgA 5 は使えません。").arg(label(a));
        if (flagIs(a.flgA, 10) && !(a.isBalanceSheet() && flagIn(a.flgG, 921, 924)))
            problems << QStringLiteral(
                            "%1: FlgA 10 は貸借対照表の充当額の注記行（FlgG 921～924）だけに使います。")
                            .arg(label(a));
        if (flagIs(a.flgA, 11) && !a.isActivity())
            problems << QStringLiteral("%1: FlgA 11 は正味財産増減計算書の行だけに使います。").arg(label(a));
        if (flagIs(a.flgD, 1) && !a.isInput())
            problems << QStringLiteral("%1: 補助科目（FlgD 1）は仕訳科目（FlgA 0）だけに設定できます。")
                            .arg(label(a));
    }
    int runningDifferences = 0;
    for (const auto& l : chart.fundLines) {
        if (flagIs(l.flgA, 5) || flagIs(l.flgA, 11))
            problems << QStringLiteral("%1: 資金収支科目に FlgA %2 は使えません。")
                            .arg(label(l), flagText(l.flgA));
        if (flagIs(l.flgA, 8) && l.code != QLatin1String("#0020"))
            problems
                << QStringLiteral("%1: FlgA 8 は次期繰越収支差額（#0020）だけに使います。").arg(label(l));
        if (flagIs(l.flgA, 7))
            ++runningDifferences;
    }
    if (runningDifferences != 1)
        problems << QStringLiteral(
                        "資金収支科目の当期収支差額（FlgA 7）はちょうど1行にします（%1行あります）。")
                        .arg(runningDifferences);
}

void statementOrder(const ChartData& chart, QStringList& problems) {
    const ChartAccount *lastBalance = nullptr, *firstActivity = nullptr;
    const ChartAccount *lastDebit = nullptr, *firstCredit = nullptr;
    for (const auto& a : chart.accounts) {
        if (a.isBalanceSheet()) {
            lastBalance = &a;
            if (flagIs(a.flgC, 0))
                lastDebit = &a;
            else if (flagIs(a.flgC, 1) && !firstCredit)
                firstCredit = &a;
        } else if (a.isActivity() && !firstActivity) {
            firstActivity = &a;
        }
    }
    if (lastBalance && firstActivity && lastBalance->code > firstActivity->code)
        problems << QStringLiteral("貸借対照表の%1 が、正味財産増減計算書の%2 より後ろのコードです。")
                        .arg(label(*lastBalance), label(*firstActivity));
    if (lastDebit && firstCredit && lastDebit->code > firstCredit->code)
        problems << QStringLiteral("貸借対照表の借方の%1 が、貸方の%2 より後ろのコードです。")
                        .arg(label(*lastDebit), label(*firstCredit));
}

void smallAccountRuns(const ChartData& chart, QStringList& problems) {
    checkRuns(chart.accounts, problems);
    checkRuns(chart.fundLines, problems);
}

void totalMembers(const ChartData& chart, QStringList& problems) {
    std::vector<const ChartAccount*> balance, activity;
    for (const auto& a : chart.accounts) {
        if (a.isBalanceSheet())
            balance.push_back(&a);
        else if (a.isActivity())
            activity.push_back(&a);
    }
    std::vector<const ChartFundLine*> fund;
    for (const auto& l : chart.fundLines)
        fund.push_back(&l);
    balanceSheetSubtotals(balance, problems);
    balanceSheetBlocks(balance, problems);
    middleAndMajorTotals(activity, problems);
    blockTotals(activity, problems);
    middleAndMajorTotals(fund, problems);
    blockTotals(fund, problems);
}

void subAccounts(const ChartData& chart, QStringList& problems) {
    QSet<QString> withSubAccounts;
    for (const auto& s : chart.subAccounts) {
        QString who = QStringLiteral("補助科目%1-%2").arg(s.accountCode, s.code);
        if (!isDigits(s.code, 3))
            problems << QStringLiteral("%1 のコードは半角数字3桁にします。").arg(who);
        const ChartAccount* a = chart.account(s.accountCode);
        if (!a)
            problems << QStringLiteral("%1 の勘定科目がありません。").arg(who);
        else if (!flagIs(a->flgD, 1))
            problems << QStringLiteral("%1 は補助科目の設定（FlgD 1）がないので、%2 を持てません。")
                            .arg(label(*a), who);
        withSubAccounts.insert(s.accountCode);
    }
    for (const auto& a : chart.accounts)
        if (flagIs(a.flgD, 1) && !withSubAccounts.contains(a.code))
            problems
                << QStringLiteral("%1 は補助科目付き（FlgD 1）ですが、補助科目がありません。").arg(label(a));
}

void allocation(const ChartData& chart, QStringList& problems) {
    for (const auto& a : chart.accounts) {
        if (a.a00 && *a.a00 != 0 && *a.a00 != 100)
            problems << QStringLiteral("%1 の按分合計（A00）は 0 か 100 にします。").arg(label(a));
        else if (flagIs(a.a00, 100) && a.unitShares != 100)
            problems
                << QStringLiteral("%1 の会計別按分（A01～A20）の合計が 100 ではありません。").arg(label(a));
    }
}

} // namespace k9::chartcheck
