// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/voucherbuffer.h"

namespace k9 {

void VoucherBuffer::clear() {
    for (auto& l : m_lines)
        l = VoucherLine();
    renumber();
}

void VoucherBuffer::renumber() {
    for (int i = 0; i < kVoucherLines; ++i)
        m_lines[static_cast<size_t>(i)].subNo = i + 1;
}

bool VoucherBuffer::insertLine(int row) {
    if (row < 0 || row >= kVoucherLines - 1 || m_lines.back().hasCode())
        return false;
    for (int i = kVoucherLines - 1; i > row; --i)
        m_lines[static_cast<size_t>(i)] = m_lines[static_cast<size_t>(i - 1)];
    m_lines[static_cast<size_t>(row)] = VoucherLine();
    renumber();
    return true;
}

void VoucherBuffer::deleteLine(int row) {
    if (row < 0 || row >= kVoucherLines)
        return;
    for (int i = row; i < kVoucherLines - 1; ++i)
        m_lines[static_cast<size_t>(i)] = m_lines[static_cast<size_t>(i + 1)];
    m_lines.back() = VoucherLine();
    renumber();
}

bool VoucherBuffer::copyLineAbove(int row) {
    if (row <= 0 || row >= kVoucherLines)
        return false;
    const int subNo = m_lines[static_cast<size_t>(row)].subNo;
    const auto flgW = m_lines[static_cast<size_t>(row)].flgW;
    m_lines[static_cast<size_t>(row)] = m_lines[static_cast<size_t>(row - 1)];
    m_lines[static_cast<size_t>(row)].subNo = subNo;
    m_lines[static_cast<size_t>(row)].flgW = flgW;
    return true;
}

VoucherTotals VoucherBuffer::totals() const {
    VoucherTotals t;
    for (const auto& l : m_lines) {
        t.debit += l.debit.amount;
        t.credit += l.credit.amount;
    }
    return t;
}

bool VoucherBuffer::isBlank() const {
    for (const auto& l : m_lines)
        if (!l.isBlank())
            return false;
    return true;
}

int VoucherBuffer::storedLineCount() const {
    int n = 0;
    for (const auto& l : m_lines)
        if (l.hasAmount())
            ++n;
    return n;
}

std::optional<QString> amountKey(const QString& text, QChar key) {
    if (key == QLatin1Char('.'))
        return text;
    if (key == QLatin1Char('/'))
        return text + QStringLiteral("000");
    return std::nullopt;
}

std::optional<Money> parseAmount(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return Money();
    auto m = Money::parse(t);
    if (!m || !m->isWholeYen())
        return std::nullopt;
    return m;
}

} // namespace k9
