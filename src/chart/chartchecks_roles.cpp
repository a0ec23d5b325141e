// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the role lines a chart must carry: the net-asset lines the totals engine fills,
// the restricted net assets and their transfer account, the endowment routing, the
// balance-sheet totals behind the trial-balance check pairs and the property inventory,
// the fund accounts and the fund-statement lines linked to the accounts.
#include "chart/chartchecks.h"

#include <QSet>
#include <map>

namespace k9::chartcheck {

namespace {

struct RoleShape {
    int role;
    int flgB;
    int flgA;
    bool notPostable; // FlgH 49: computed line that voucher entry must refuse
    const char* what;
};

// The net-asset lines of both statements, each present exactly once.
const RoleShape kNetAssetRoles[] = {
    {110, 1, 0, false, "一般正味財産（貸借対照表）"}, {112, 2, 0, true, "一般正味財産期首残高"},
    {114, 2, 7, false, "当期一般正味財産増減額"},     {111, 2, 6, false, "一般正味財産期末残高"},
    {134, 2, 6, false, "当期指定正味財産増減額"},     {132, 2, 0, true, "指定正味財産期首残高"},
    {131, 2, 6, false, "指定正味財産期末残高"},       {141, 2, 6, false, "正味財産期末残高"},
    {140, 1, 4, false, "正味財産合計（貸借対照表）"},
};

// Roles that only one statement reads; a chart using them makes that statement disagree
// with the totals engine.
const int kOneStatementRoles[] = {113, 118, 119, 120, 133, 213, 215, 216};

const ChartAccount* single(const ChartData& chart, int role) {
    auto found = chart.accountsWithRole(role);
    return found.size() == 1 ? found.front() : nullptr;
}

QString roleCode(const Flag& g) {
    return QString::number(flagValue(g));
}

void requireBefore(const ChartAccount* first, const ChartAccount* second, QStringList& problems) {
    if (first && second && first->code >= second->code)
        problems << QStringLiteral("%1 は %2 より前のコードにします。").arg(label(*first), label(*second));
}

bool hasFundLineWithFlgH(const ChartData& chart, int flgH) {
    for (const auto& l : chart.fundLines)
        if (flagIs(l.flgH, flgH))
            return true;
    return false;
}

} // namespace

void netAssetRoles(const ChartData& chart, QStringList& problems) {
    for (const auto& shape : kNetAssetRoles) {
        auto found = chart.accountsWithRole(shape.role);
        QString what = QString::fromUtf8(shape.what);
        if (found.size() != 1) {
            problems << QStringLiteral("FlgG %1（%2）の行はちょうど1行にします（%3行あります）。")
                            .arg(QString::number(shape.role), what, QString::number(found.size()));
            continue;
        }
        const ChartAccount& a = *found.front();
        if (!flagIs(a.flgB, shape.flgB) || !flagIs(a.flgA, shape.flgA) || !flagIs(a.flgC, 1))
            problems << QStringLiteral("%1 は%2（FlgG %3）なので、FlgB %4・FlgA %5・FlgC 1 にします。")
                            .arg(label(a), what, QString::number(shape.role), QString::number(shape.flgB),
                                 QString::number(shape.flgA));
        if (shape.notPostable && !flagIs(a.flgH, 49))
            problems << QStringLiteral("%1 は計算で埋まる行なので、仕訳できないよう FlgH 49 にします。")
                            .arg(label(a));
    }
    const ChartAccount* opening = single(chart, 112);
    const ChartAccount* closing = single(chart, 111);
    const ChartAccount* restrictedChange = single(chart, 134);
    const ChartAccount* restrictedClosing = single(chart, 131);
    const ChartAccount* total = single(chart, 141);
    requireBefore(single(chart, 110), opening, problems);
    requireBefore(opening, closing, problems);
    requireBefore(single(chart, 114), closing, problems);
    requireBefore(closing, restrictedChange, problems);
    requireBefore(restrictedChange, restrictedClosing, problems);
    requireBefore(single(chart, 132), restrictedClosing, problems);
    requireBefore(restrictedClosing, total, problems);
    if (total)
        for (const auto& a : chart.accounts)
            if (a.isActivity() && a.code > total->code)
                problems << QStringLiteral(
                                "%1 は正味財産増減計算書の最後の行にします（%2 が後ろにあります）。")
                                .arg(label(*total), label(a));
    for (const ChartAccount* a : chart.accountsWithRole(130))
        if (!flagIn(a->flgA, 6, 8) && !flagIs(a->flgA, 11))
            problems << QStringLiteral("%1（FlgG 130）は FlgA 0～5・9・10 では期首残高が二重になります。")
                            .arg(label(*a));
}

void restrictedNetAssets(const ChartData& chart, QStringList& problems) {
    const ChartAccount* sectionStart = single(chart, 111);
    const ChartAccount* sectionEnd = single(chart, 134);
    std::map<int, const ChartAccount*> components; // FlgG 901–919 → balance-sheet line
    for (const auto& a : chart.accounts) {
        if (!a.isBalanceSheet() || !flagIn(a.flgG, 901, 920))
            continue;
        int g = *a.flgG;
        if (g == 920)
            problems << QStringLiteral(
                            "%1: 貸借対照表の行に FlgG 920 は使えません（振替額が二重に入ります）。")
                            .arg(label(a));
        else if (!a.isInput() || !flagIs(a.flgC, 1))
            problems << QStringLiteral("%1（指定正味財産の内訳 FlgG %2）は FlgA 0・FlgC 1 にします。")
                            .arg(label(a), QString::number(g));
        else if (components.count(g))
            problems << QStringLiteral("FlgG %1 の貸借対照表の行が複数あります（%2）。")
                            .arg(QString::number(g), label(a));
        else
            components[g] = &a;
    }
    for (const auto& a : chart.accounts) {
        if (!a.isActivity())
            continue;
        bool inSection =
            sectionStart && sectionEnd && a.code > sectionStart->code && a.code < sectionEnd->code;
        if (flagIn(a.flgG, 901, 920)) {
            int g = *a.flgG;
            if (!a.isInput() || !flagIs(a.flgC, 1))
                problems << QStringLiteral("%1（指定正味財産の増減 FlgG %2）は FlgA 0・FlgC 1 にします。")
                                .arg(label(a), QString::number(g));
            if (sectionStart && sectionEnd && !inSection)
                problems << QStringLiteral(
                                "%1（FlgG %2）は一般正味財産期末残高と当期指定正味財産増減額の間に置きます。")
                                .arg(label(a), QString::number(g));
            if (g != 920 && !components.count(g))
                problems << QStringLiteral("%1 の FlgG %2 を受ける貸借対照表の指定正味財産の行がありません。")
                                .arg(label(a), QString::number(g));
        } else if (inSection && a.isInput()) {
            problems << QStringLiteral(
                            "%1 は指定正味財産増減の部の仕訳科目なので、FlgG 901～920 が必要です。")
                            .arg(label(a));
        }
    }
    auto transfers = chart.accountsWithRole(920);
    std::erase_if(transfers, [](const ChartAccount* a) { return a->isBalanceSheet(); });
    if (transfers.empty() && !components.empty())
        problems << QStringLiteral("一般正味財産への振替額（FlgG 920）の科目がありません。");
    if (transfers.size() > 1)
        problems << QStringLiteral("一般正味財産への振替額（FlgG 920）の科目が%1行あります。")
                        .arg(transfers.size());
    for (const ChartAccount* t : transfers) {
        if (!flagIs(t->flgD, 1))
            problems << QStringLiteral("%1（FlgG 920）は補助科目付き（FlgD 1）にします。").arg(label(*t));
        QSet<QString> routed;
        for (const auto& s : chart.subAccounts) {
            if (s.accountCode != t->code)
                continue;
            routed.insert(s.code);
            int n = isDigits(s.code, 3) ? s.code.toInt() : 0;
            if (!components.count(n))
                problems
                    << QStringLiteral(
                           "%1 の補助科目%2 に対応する貸借対照表の指定正味財産の行（FlgG %2）がありません。")
                           .arg(label(*t), s.code);
        }
        for (const auto& [g, line] : components)
            if (!routed.contains(QString::number(g)))
                problems << QStringLiteral("%1 に%2（FlgG %3）へ振り替える補助科目%3 がありません。")
                                .arg(label(*t), label(*line), QString::number(g));
    }
}

void endowmentRouting(const ChartData& chart, QStringList& problems) {
    std::map<int, const ChartAccount*> memoLines; // FlgG 921–924
    for (const auto& a : chart.accounts) {
        if (flagIs(a.flgG, 925))
            problems << QStringLiteral("%1: FlgG 925 の行には何も振り替えられません。").arg(label(a));
        if (!flagIn(a.flgG, 921, 924))
            continue;
        if (!a.isBalanceSheet() || !flagIs(a.flgA, 10) || !flagIs(a.flgC, 1))
            problems
                << QStringLiteral(
                       "%1 は充当額の注記行（FlgG %2）なので、貸借対照表の FlgA 10・貸方（FlgC 1）にします。")
                       .arg(label(a), roleCode(a.flgG));
        if (memoLines.count(*a.flgG))
            problems << QStringLiteral("FlgG %1 の行が複数あります（%2）。").arg(roleCode(a.flgG), label(a));
        memoLines[*a.flgG] = &a;
    }
    for (const ChartAccount* a : chart.accountsWithRole(11)) {
        if (!a->isBalanceSheet() || !a->isInput() || !flagIs(a->flgC, 0) || !flagIs(a->flgD, 1))
            problems << QStringLiteral(
                            "%1（FlgG 11）は貸借対照表の借方の仕訳科目で、補助科目付き（FlgD 1）にします。")
                            .arg(label(*a));
        for (const auto& s : chart.subAccounts) {
            if (s.accountCode != a->code)
                continue;
            int n = isDigits(s.code, 3) ? s.code.toInt() : 0;
            if (n < 921 || n > 925)
                problems << QStringLiteral("%1 の補助科目%2 は 921～925 のどれかにします。")
                                .arg(label(*a), s.code);
            else if (n <= 924 && !memoLines.count(n))
                problems << QStringLiteral("%1 の補助科目%2 の振替先（FlgG %2）の行がありません。")
                                .arg(label(*a), s.code);
        }
    }
}

void balanceSheetTotals(const ChartData& chart, QStringList& problems) {
    std::vector<const ChartAccount*> assetTotals, sectionTotals, liabilityTotals;
    for (const auto& a : chart.accounts) {
        if (!a.isBalanceSheet())
            continue;
        if (flagIs(a.flgA, 4) && flagIs(a.flgC, 0))
            assetTotals.push_back(&a);
        if (flagIs(a.flgA, 4) && flagIs(a.flgC, 1) && a.code < QLatin1String("30000"))
            liabilityTotals.push_back(&a);
        if (flagIs(a.flgA, 5))
            sectionTotals.push_back(&a);
        bool netAssetRole = flagIs(a.flgG, 110) || flagIs(a.flgG, 140) || flagIn(a.flgG, 901, 924);
        if (netAssetRole && a.code < QLatin1String("30000"))
            problems << QStringLiteral(
                            "%1 は正味財産の行なので、財産目録に入らないよう 30000 以上のコードにします。")
                            .arg(label(a));
    }
    if (assetTotals.size() != 1)
        problems << QStringLiteral(
                        "資産合計（貸借対照表の借方の FlgA 4）はちょうど1行にします（%1行あります）。")
                        .arg(assetTotals.size());
    if (liabilityTotals.size() != 1)
        problems << QStringLiteral(
                        "負債合計（貸方の FlgA 4）は 30000 未満のコードに1行だけ置きます（%1行あります）。")
                        .arg(liabilityTotals.size());
    if (sectionTotals.size() != 1)
        problems << QStringLiteral(
                        "負債及び正味財産合計（貸借対照表の FlgA 5）はちょうど1行にします（%1行あります）。")
                        .arg(sectionTotals.size());
    for (const auto& a : chart.accounts) {
        if (!a.isBalanceSheet() || !a.isInput())
            continue;
        if (assetTotals.size() == 1 && flagIs(a.flgC, 0) && a.code > assetTotals.front()->code)
            problems << QStringLiteral("借方の仕訳科目%1 が資産合計%2 より後ろにあります。")
                            .arg(label(a), label(*assetTotals.front()));
        if (sectionTotals.size() == 1 && a.code > sectionTotals.front()->code)
            problems << QStringLiteral("仕訳科目%1 が負債及び正味財産合計%2 より後ろにあります。")
                            .arg(label(a), label(*sectionTotals.front()));
    }
    if (sectionTotals.size() == 1 && !flagIs(sectionTotals.front()->flgC, 1))
        problems << QStringLiteral("%1 は負債及び正味財産合計なので、貸方（FlgC 1）にします。")
                        .arg(label(*sectionTotals.front()));
}

void fundAccounts(const ChartData& chart, QStringList& problems) {
    auto funds = chart.accountsWithRole(1);
    if (funds.empty())
        problems << QStringLiteral("資金科目（FlgG 1）がありません。");
    for (const ChartAccount* f : funds) {
        if (!f->isBalanceSheet() || !f->isInput())
            problems << QStringLiteral("%1 は資金科目（FlgG 1）なので、貸借対照表の仕訳科目にします。")
                            .arg(label(*f));
        for (const auto& l : chart.fundLines)
            if (l.code == f->code)
                problems << QStringLiteral("%1 は資金科目（FlgG 1）なので、%2 と結び付けません。")
                                .arg(label(*f), label(l));
    }
}

void fundLineCodes(const ChartData& chart, QStringList& problems) {
    QSet<QString> seen;
    for (const auto& l : chart.fundLines) {
        bool special = l.code == QLatin1String("#1020") || l.code == QLatin1String("#0020");
        bool input = flagIs(l.flgA, 0) || flagIs(l.flgA, 10);
        if (!input && !special) {
            if (l.code != QLatin1String("*****"))
                problems << QStringLiteral("%1 は見出し・集計の行なので、科目コードを「*****」にします。")
                                .arg(label(l));
            continue;
        }
        if (l.code.isEmpty() || l.code == QLatin1String("*****")) {
            problems << QStringLiteral("%1 は入力の行なので、科目コードが必要です。").arg(label(l));
            continue;
        }
        QString key = QString::number(flagValue(l.flgC)) + QLatin1Char('/') + l.code;
        if (seen.contains(key))
            problems << QStringLiteral("収支区分（FlgC %1）と科目コード%2 の組が重複しています（%3）。")
                            .arg(QString::number(flagValue(l.flgC)), l.code, label(l));
        seen.insert(key);
        bool ownCode = isDigits(l.code, 5) && l.code >= QLatin1String("90000");
        const ChartAccount* a = chart.account(l.code);
        if (!a) {
            if (!special && !ownCode)
                problems
                    << QStringLiteral("%1 の科目コード%2 は勘定科目にありません。").arg(label(l), l.code);
            continue;
        }
        if (!a->isInput())
            problems << QStringLiteral("%1 の科目コード%2 は仕訳科目ではありません。").arg(label(l), l.code);
        if (a->isActivity() && a->flgC != l.flgC)
            problems << QStringLiteral("%1 は%2 の資金収支科目なので、収支区分（FlgC）を科目と同じにします。")
                            .arg(label(l), label(*a));
    }
}

void fundBalanceLines(const ChartData& chart, QStringList& problems) {
    struct Special {
        const char* code;
        const char* what;
        int flgA;
        int flgC;
    };
    const Special specials[] = {{"#1020", "前期繰越収支差額", 10, 1}, {"#0020", "次期繰越収支差額", 8, 0}};
    int position[2] = {-1, -1};
    int runningDifference = -1;
    for (int i = 0; i < static_cast<int>(chart.fundLines.size()); ++i)
        if (flagIs(chart.fundLines[i].flgA, 7) && runningDifference < 0)
            runningDifference = i;
    for (int k = 0; k < 2; ++k) {
        const Special& s = specials[k];
        int count = 0;
        for (int i = 0; i < static_cast<int>(chart.fundLines.size()); ++i) {
            const ChartFundLine& l = chart.fundLines[i];
            if (l.code != QLatin1String(s.code))
                continue;
            ++count;
            position[k] = i;
            if (!flagIs(l.flgA, s.flgA) || !flagIs(l.flgB, 2) || !flagIs(l.flgC, s.flgC))
                problems << QStringLiteral("%1 は%2（%3）なので、FlgA %4・FlgB 2・FlgC %5 にします。")
                                .arg(label(l), QString::fromUtf8(s.what), QLatin1String(s.code),
                                     QString::number(s.flgA), QString::number(s.flgC));
        }
        if (count != 1)
            problems << QStringLiteral("%1（%2）の資金収支科目はちょうど1行にします（%3行あります）。")
                            .arg(QString::fromUtf8(s.what), QLatin1String(s.code), QString::number(count));
    }
    if (position[0] >= 0 && position[1] >= 0 &&
        !(runningDifference < position[0] && position[0] < position[1]))
        problems << QStringLiteral(
            "当期収支差額（FlgA "
            "7）の後ろに、前期繰越収支差額（#1020）、次期繰越収支差額（#0020）の順に置きます。");
}

void fundRedirects(const ChartData& chart, QStringList& problems) {
    std::map<int, int> targets; // FlgH 21–49 → number of fund lines carrying it
    for (const auto& l : chart.fundLines) {
        if (!l.flgH)
            continue;
        if (!flagIn(l.flgH, 21, 49)) {
            problems << QStringLiteral("%1 の FlgH %2 は使えません（資金収支科目は 21～49 だけです）。")
                            .arg(label(l), roleCode(l.flgH));
            continue;
        }
        ++targets[*l.flgH];
        if (!l.isInput() || !flagIs(l.flgC, 1))
            problems << QStringLiteral(
                            "%1 は振替先（FlgH %2）なので、入力の行（FlgA 0）・収入（FlgC 1）にします。")
                            .arg(label(l), roleCode(l.flgH));
    }
    for (const auto& [h, count] : targets)
        if (count > 1)
            problems << QStringLiteral("FlgH %1 の資金収支科目が%2行あります（1行だけにします）。")
                            .arg(QString::number(h), QString::number(count));
    for (const auto& a : chart.accounts) {
        if (!a.flgH)
            continue;
        int h = *a.flgH;
        bool known = h == 11 || h == 13 || (h >= 21 && h <= 49) || h == 130 || h == 210 || h == 220;
        if (!known)
            problems << QStringLiteral("%1 の FlgH %2 は集計処理と帳票で扱いが違うため使えません。")
                            .arg(label(a), QString::number(h));
        if (h >= 21 && h <= 49 && a.isBalanceSheet() && !hasFundLineWithFlgH(chart, h))
            problems << QStringLiteral("%1 の FlgH %2 を受ける資金収支科目がありません。")
                            .arg(label(a), QString::number(h));
        if ((h == 210 || h == 220) && (!a.isBalanceSheet() || !a.isInput() || !flagIs(a.flgD, 1)))
            problems << QStringLiteral(
                            "%1 は借入金（FlgH %2）なので、貸借対照表の補助科目付きの仕訳科目にします。")
                            .arg(label(a), QString::number(h));
    }
}

void interUnitAccounts(const ChartData& chart, QStringList& problems) {
    auto isTransferName = [](const QString& name) {
        return name.contains(QStringLiteral("からの繰入")) || name.contains(QStringLiteral("への繰出"));
    };
    bool any = false;
    for (const auto& a : chart.accounts) {
        if (flagIs(a.flgG, 30))
            any = true;
        if (a.isInput() && isTransferName(a.name) && !flagIs(a.flgG, 30))
            problems
                << QStringLiteral("%1 は会計間の繰入・繰出の科目なので、FlgG 30 にします。").arg(label(a));
    }
    for (const auto& l : chart.fundLines)
        if (l.isInput() && isTransferName(l.name) && !flagIs(l.flgG, 30))
            problems << QStringLiteral("%1 は会計間の繰入・繰出の行なので、FlgG 30 にします。").arg(label(l));
    if (!any)
        problems << QStringLiteral("会計間の繰入・繰出（FlgG 30）の科目がありません。");
}

void unusedRoles(const ChartData& chart, QStringList& problems) {
    for (int role : kOneStatementRoles) {
        for (const auto& a : chart.accounts)
            if (flagIs(a.flgG, role))
                problems << QStringLiteral("%1: FlgG %2 は集計処理で扱われず、帳票ごとに結果が食い違います。")
                                .arg(label(a), QString::number(role));
        for (const auto& l : chart.fundLines)
            if (flagIs(l.flgG, role))
                problems << QStringLiteral("%1: FlgG %2 は集計処理で扱われず、帳票ごとに結果が食い違います。")
                                .arg(label(l), QString::number(role));
    }
    for (const auto& l : chart.fundLines)
        if (l.code.startsWith(QLatin1Char('-')))
            problems << QStringLiteral("%1: 科目コード%2 は資金収支元帳だけが扱うため使えません。")
                            .arg(label(l), l.code);
}

} // namespace k9::chartcheck
