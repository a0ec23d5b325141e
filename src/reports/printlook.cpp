// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/printlook.h"

#include "store/registrows.h"
#include "store/session.h"

namespace k9 {

QStringList printLookColumns(const QString& majorZeroColumn) {
    return {QStringLiteral("P1"), majorZeroColumn,      QStringLiteral("P8"),
            QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S5")};
}

PrintLook printLookFrom(const QVariantList& v) {
    const PrintLook d;
    PrintLook look;
    if (v.size() < 6)
        return look;
    look.zeroLines = registInt(v[0], 0, 1, d.zeroLines);
    look.majorZero = registInt(v[1], 0, 1, d.majorZero);
    look.shading = registInt(v[2], 0, 3, d.shading);
    look.rowHeight = registInt(v[3], 8, 60, d.rowHeight);
    look.nameFontSize = registInt(v[4], 5, 20, d.nameFontSize);
    look.amountFontSize = registInt(v[5], 5, 20, d.amountFontSize);
    return look;
}

std::vector<std::pair<QString, QVariant>> printLookValues(const PrintLook& look,
                                                          const QString& majorZeroColumn) {
    return {
        {QStringLiteral("P1"), look.zeroLines},
        {majorZeroColumn, look.majorZero},
        {QStringLiteral("P8"), look.shading},
        {QStringLiteral("S1"), QString::number(look.rowHeight)},
        {QStringLiteral("S2"), QString::number(look.nameFontSize)},
        {QStringLiteral("S5"), QString::number(look.amountFontSize)},
    };
}

void applyPrintLook(Session& session, const PrintLook& look, int smallAccounts) {
    session.printZeroLines = look.zeroLines;
    session.printSmallAccounts = smallAccounts;
    session.printShading = look.shading;
    session.zeroHideLevel = look.zeroHideLevel();
    session.printRowHeight = look.rowHeight;
    session.printNameFontSize = look.nameFontSize;
    session.printAmountFontSize = look.amountFontSize;
}

} // namespace k9
