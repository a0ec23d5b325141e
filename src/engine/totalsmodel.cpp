// SPDX-License-Identifier: GPL-3.0-or-later
// Column names of the engine's amounts and the text comparison of line levels.
#include "engine/totalsmodel.h"

#include <cstring>

namespace k9::totals {

const std::array<QString, kAmountCount>& amountColumnNames() {
    static const std::array<QString, kAmountCount> names = {
        QStringLiteral("当初予算"), QStringLiteral("補正額１"),   QStringLiteral("補正額２"),
        QStringLiteral("補正額３"), QStringLiteral("補正額４"),   QStringLiteral("補正額５"),
        QStringLiteral("予算"),     QStringLiteral("前年度予算"), QStringLiteral("予算増減額"),
        QStringLiteral("期首繰越"), QStringLiteral("前残高"),     QStringLiteral("借方"),
        QStringLiteral("貸方"),     QStringLiteral("残高"),       QStringLiteral("残高合計"),
        QStringLiteral("差異"),
    };
    return names;
}

QString ratioColumnName() {
    return QStringLiteral("比");
}

int compareLevelText(const std::optional<int>& flgA, const char* text) {
    const std::string own = flgA ? std::to_string(*flgA) : std::string();
    return std::strcmp(own.c_str(), text);
}

} // namespace k9::totals
