// SPDX-License-Identifier: GPL-3.0-or-later
// Money: a fixed-point amount in ten-thousandths of a yen, or empty. Empty is distinct
// from 0: total lines whose value is exactly 0 are stored empty, and a finishing step
// turns empty amounts back into 0 except on heading lines.
#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

namespace k9 {

class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default; // empty
    static constexpr Money fromYen(std::int64_t yen) { return Money(yen * kScale); }
    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money zero() { return Money(0); }
    // Reads an amount typed or printed by people: digit-group commas and blanks are
    // ignored, a leading "-" or "▲" makes it negative, up to four decimals. An empty text
    // is an empty amount; anything else that is not a number gives nullopt.
    static std::optional<Money> parse(QStringView text);
    // Reads a stored value: NULL is empty, integers are whole yen, reals are rounded to
    // four decimals, text is parsed.
    static Money fromVariant(const QVariant& v);

    constexpr bool isEmpty() const { return m_empty; }
    constexpr bool isZero() const { return !m_empty && m_raw == 0; }
    // The amount, with empty read as 0.
    constexpr std::int64_t raw() const { return m_empty ? 0 : m_raw; }
    // Whole yen, truncated toward zero.
    constexpr std::int64_t yen() const { return raw() / kScale; }
    constexpr bool isWholeYen() const { return raw() % kScale == 0; }
    double toDouble() const { return static_cast<double>(raw()) / kScale; }
    // Empty stays empty; any value (0 included) is kept.
    Money orZero() const { return m_empty ? zero() : *this; }
    // 0 becomes empty (how total lines store a zero result).
    Money zeroAsEmpty() const { return isZero() ? Money() : *this; }

    // What goes into SQLite: NULL, an integer of whole yen, or a real.
    QVariant toVariant() const;
    // Whole yen with thousands separators ("1,234,567", "-500"); empty gives "".
    QString format() const;
    // Whole yen without separators; empty gives "".
    QString plain() const;

    // Arithmetic treats empty as 0; the result is never empty.
    friend constexpr Money operator+(Money a, Money b) { return Money(a.raw() + b.raw()); }
    friend constexpr Money operator-(Money a, Money b) { return Money(a.raw() - b.raw()); }
    constexpr Money operator-() const { return m_empty ? Money() : Money(-m_raw); }
    Money& operator+=(Money o) { return *this = *this + o; }
    Money& operator-=(Money o) { return *this = *this - o; }
    // Equality tells empty from 0.
    friend constexpr bool operator==(Money a, Money b) { return a.m_empty == b.m_empty && a.raw() == b.raw(); }
    friend constexpr auto operator<=>(Money a, Money b) { return a.raw() <=> b.raw(); }

    // The integer part of percent × this / 100 in whole yen (apportioned shares are truncated).
    Money sharePercent(int percent) const;

private:
    constexpr explicit Money(std::int64_t raw) : m_raw(raw), m_empty(false) {}
    std::int64_t m_raw = 0;
    bool m_empty = true;
};

} // namespace k9
