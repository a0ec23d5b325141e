// SPDX-License-Identifier: GPL-3.0-or-later
// Display forms of account and unit names.
#include "store/textutil.h"

#include "store/cp932.h"

namespace k9 {
namespace {

constexpr QChar kFullWidthSpace(0x3000);
constexpr QChar kFullWidthSlash(0xFF0F);
constexpr int kShortNameBytes = 100;

} // namespace

QString removeSpaces(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != kFullWidthSpace)
            out.append(c);
    return out;
}

QString textAfterSlash(const QString& name) {
    const qsizetype slash = name.indexOf(kFullWidthSlash);
    if (slash < 0)
        return name;
    const qsizetype halfWidth = name.count(QLatin1Char(' '));
    const qsizetype fullWidth = name.count(kFullWidthSpace);
    return QString(halfWidth, QLatin1Char(' ')) + QString(fullWidth, kFullWidthSpace) +
           cp932::truncate(name.mid(slash + 1), kShortNameBytes);
}

} // namespace k9
