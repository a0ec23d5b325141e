// SPDX-License-Identifier: GPL-3.0-or-later
// The settings rows of the program folder (Regist): one row per screen or dialog, found by
// its ID, holding the choices the screen left (radio indexes in P columns, typed numbers as
// text in S columns). Every screen reads and writes its row through these functions.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

namespace k9 {

class Database;

// The values of `columns` in the row with `id`, in that order; nullopt when there is no row.
std::optional<QVariantList> readRegistRow(Database& hm, int id, const QStringList& columns);
// Writes the values into the row with `id`, appending the row when it is missing, in one
// transaction. With no values it only makes sure the row exists.
void writeRegistRow(Database& hm, int id, const std::vector<std::pair<QString, QVariant>>& values);
// A stored number read as a whole number within lo..hi; anything else gives `fallback`.
int registInt(const QVariant& value, int lo, int hi, int fallback);

} // namespace k9
