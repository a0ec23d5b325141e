// SPDX-License-Identifier: GPL-3.0-or-later
// The property-inventory work list built from the balance-sheet figures.
#include "engine/inventorylist.h"

namespace k9::totals {
namespace {

QString indent(int fullWidthSpaces) {
    return QString(fullWidthSpaces, QChar(0x3000));
}

std::optional<double> yen(const Money& m) {
    if (m.isEmpty())
        return std::nullopt;
    return m.toDouble();
}

InventoryRow row(const ChartLine& line, int spaces, bool withAmount) {
    InventoryRow r;
    r.flgA = line.flgA;
    r.flgE = line.flgE;
    r.label = indent(spaces) + line.name;
    if (withAmount)
        r.amount = yen(line.amounts[Col::Closing]);
    return r;
}

} // namespace

QString netAssetsLabel() {
    return QStringLiteral("　　　　　　差　引　純　資　産");
}

std::vector<InventoryRow> buildInventoryList(const std::vector<ChartLine>& accounts) {
    std::vector<InventoryRow> rows;
    Money net = Money::zero();
    for (const auto& line : accounts) {
        if (line.flgB != 1)
            continue;
        if (line.levelIs(9)) {
            rows.push_back(row(line, 0, false));
        } else if (line.levelIs(3)) {
            rows.push_back(row(line, 1, true));
        } else if (line.levelIs(1) || (line.levelIs(0) && line.flgE != 1)) {
            rows.push_back(row(line, 2, true));
        } else if (line.flgE == 1) {
            rows.push_back(row(line, 4, true));
        } else if (line.levelIs(4)) {
            rows.push_back(row(line, 6, true));
            if (line.flgC == 0) {
                net += line.amounts[Col::Closing];
                rows.push_back(InventoryRow{});
            } else {
                net -= line.amounts[Col::Closing];
                break;
            }
        }
    }
    rows.push_back(InventoryRow{});
    InventoryRow total;
    total.label = netAssetsLabel();
    total.amount = net.toDouble();
    rows.push_back(total);
    return rows;
}

} // namespace k9::totals
