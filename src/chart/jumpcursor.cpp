// SPDX-License-Identifier: GPL-3.0-or-later
// The shared keyboard rules of the pickers.
#include "chart/jumpcursor.h"

namespace k9 {

bool JumpBuffer::add(QChar c) {
    char16_t u = c.unicode();
    if (u >= u'０' && u <= u'９')
        u = static_cast<char16_t>(u - u'０' + u'0');
    if (u < u'0' || u > u'9')
        return false;
    m_digits.append(QChar(u));
    return true;
}

QString JumpBuffer::take() {
    QString d = m_digits;
    m_digits.clear();
    return d;
}

void PickerCursor::setCurrentRow(int row) {
    const int n = rowCount();
    if (n <= 0) {
        m_current = -1;
        return;
    }
    m_current = row < 0 ? 0 : (row >= n ? n - 1 : row);
}

void PickerCursor::clampCurrent() {
    setCurrentRow(m_current < 0 ? 0 : m_current);
}

PickerCursor::Outcome PickerCursor::stepDown() {
    if (rowCount() <= 0)
        return Outcome::None;
    setCurrentRow(m_current + 1);
    return Outcome::Moved;
}

PickerCursor::Outcome PickerCursor::typeCharacter(QChar c) {
    if (!usesJumpBuffer())
        return Outcome::None;
    if (m_buffer.add(c))
        return Outcome::Buffered;
    if (!m_buffer.isEmpty())
        return Outcome::None;
    return stepDown();
}

PickerCursor::Outcome PickerCursor::pressEnter() {
    if (usesJumpBuffer() && !m_buffer.isEmpty()) {
        const QString digits = m_buffer.take();
        if (rowCount() <= 0)
            return Outcome::None;
        setCurrentRow(jumpRow(digits));
        return Outcome::Moved;
    }
    if (m_current < 0)
        return Outcome::None;
    if (isSelectable(m_current))
        return Outcome::Chosen;
    return stepDown();
}

PickerCursor::Outcome PickerCursor::doubleClick(int row) {
    if (row < 0 || row >= rowCount())
        return Outcome::None;
    setCurrentRow(row);
    return isSelectable(row) ? Outcome::Chosen : Outcome::Moved;
}

} // namespace k9
