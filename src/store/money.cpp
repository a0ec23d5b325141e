// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/money.h"

#include <cmath>

namespace k9 {

std::optional<Money> Money::parse(QStringView text) {
    QString t;
    t.reserve(text.size());
    for (QChar c : text) {
        ushort u = c.unicode();
        if (u >= 0xFF10 && u <= 0xFF19)
            c = QChar(u - 0xFF10 + '0'); // full-width digits
        else if (u == 0xFF0D || u == 0x2212)
            c = QChar('-');
        else if (u == 0xFF0E)
            c = QChar('.');
        if (c == ',' || c == ' ' || c.unicode() == 0x3000 || c.unicode() == 0xFF0C || c == QChar(0xA5) ||
            c == '\\')
            continue;
        t.append(c);
    }
    if (t.isEmpty())
        return Money();
    bool negative = false;
    if (t.startsWith('-') || t.startsWith(QChar(0x25B2))) {
        negative = true;
        t.remove(0, 1);
    } else if (t.startsWith('+')) {
        t.remove(0, 1);
    }
    if (t.isEmpty())
        return std::nullopt;
    qsizetype dot = t.indexOf('.');
    QString whole = dot < 0 ? t : t.left(dot);
    QString frac = dot < 0 ? QString() : t.mid(dot + 1);
    if (whole.isEmpty() && frac.isEmpty())
        return std::nullopt;
    if (frac.size() > 4)
        return std::nullopt;
    std::int64_t w = 0;
    for (QChar c : whole) {
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        if (w > (INT64_MAX / kScale) / 10)
            return std::nullopt;
        w = w * 10 + (c.unicode() - '0');
    }
    std::int64_t f = 0;
    for (int i = 0; i < 4; ++i) {
        f *= 10;
        if (i < frac.size()) {
            QChar c = frac.at(i);
            if (!c.isDigit() || c.unicode() > '9')
                return std::nullopt;
            f += c.unicode() - '0';
        }
    }
    std::int64_t r = w * kScale + f;
    return Money::fromRaw(negative ? -r : r);
}

Money Money::fromVariant(const QVariant& v) {
    if (v.isNull() || !v.isValid())
        return Money();
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return Money::fromYen(v.toLongLong());
    case QMetaType::Double:
        return Money::fromRaw(std::llround(v.toDouble() * kScale));
    default: {
        auto m = parse(v.toString());
        return m ? *m : Money();
    }
    }
}

QVariant Money::toVariant() const {
    if (m_empty)
        return QVariant();
    if (m_raw % kScale == 0)
        return QVariant(static_cast<qlonglong>(m_raw / kScale));
    return QVariant(static_cast<double>(m_raw) / kScale);
}

QString Money::plain() const {
    if (m_empty)
        return QString();
    return QString::number(yen());
}

QString Money::format() const {
    if (m_empty)
        return QString();
    std::int64_t y = yen();
    bool neg = y < 0;
    QString digits = QString::number(neg ? -y : y);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    qsizetype lead = digits.size() % 3;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (i - lead) % 3 == 0)
            out.append(',');
        out.append(digits.at(i));
    }
    return neg ? QStringLiteral("-") + out : out;
}

Money Money::sharePercent(int percent) const {
    // Truncation toward zero of percent × amount / 100, on whole yen.
    return Money::fromYen(static_cast<std::int64_t>(percent) * yen() / 100);
}

} // namespace k9
