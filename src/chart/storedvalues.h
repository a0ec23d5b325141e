// SPDX-License-Identifier: GPL-3.0-or-later
// Reading chart columns from a result row: a NULL text is empty, a NULL or blank flag
// stays blank (std::nullopt), so the rules can tell a blank flag from an explicit 0.
#pragma once

#include "chart/chartdata.h"
#include "store/database.h"

namespace k9::stored {

inline QString text(const Statement& st, int column) {
    return column < 0 || st.isNull(column) ? QString() : st.text(column);
}

inline Flag flag(const Statement& st, int column) {
    if (column < 0)
        return std::nullopt;
    const QVariant v = st.value(column);
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return static_cast<int>(v.toLongLong());
    case QMetaType::Double:
        return static_cast<int>(v.toDouble());
    case QMetaType::QString: {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        return ok ? Flag(n) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace k9::stored
