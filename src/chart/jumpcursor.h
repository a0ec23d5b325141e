// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard rules the pickers share: digits typed on a list gather in a jump buffer,
// Enter with digits jumps to the nearest line, Enter without digits chooses the current
// line when it may be chosen and otherwise steps down, any other character steps down.
// The screens translate key presses into these calls; tests drive them without windows.
#pragma once

#include <QString>

namespace k9 {

// Digits typed on a list, waiting for Enter. Persists between openings of a picker.
class JumpBuffer {
public:
    // Appends c when it is a digit "0".."9" (half-width or full-width); false otherwise.
    bool add(QChar c);
    bool isEmpty() const { return m_digits.isEmpty(); }
    const QString& digits() const { return m_digits; }
    // The digits, leaving the buffer empty.
    QString take();
    void clear() { m_digits.clear(); }

private:
    QString m_digits;
};

// A picker's current line and its key rules over rowCount() lines; -1 when the list is empty.
class PickerCursor {
public:
    enum class Outcome {
        None,     // nothing changed
        Buffered, // a digit went into the jump buffer
        Moved,    // the current line changed (or a step down at the last line)
        Chosen,   // the current line is the choice; the window closes
    };

    virtual ~PickerCursor() = default;
    virtual int rowCount() const = 0;
    // Whether Enter or a double-click may choose the line.
    virtual bool isSelectable(int row) const = 0;

    int currentRow() const { return m_current; }
    // Moves to row, kept within the list.
    void setCurrentRow(int row);
    JumpBuffer& jumpBuffer() { return m_buffer; }

    // A character key: a digit is buffered; any other character steps one line down while
    // the buffer is empty. Lists without a jump buffer leave character keys alone (None).
    Outcome typeCharacter(QChar c);
    // Enter: with buffered digits, moves to jumpRow(digits) and empties the buffer; without,
    // chooses a selectable line or steps one line down.
    Outcome pressEnter();
    // A double-click chooses a selectable line; on another line it only moves there.
    Outcome doubleClick(int row);

protected:
    // The line Enter jumps to for the buffered digits.
    virtual int jumpRow(const QString& digits) const = 0;
    // False for lists whose digits are ordinary keys (no jump buffer).
    virtual bool usesJumpBuffer() const { return true; }
    // Puts the cursor on the first line after the list was refilled (or -1 when empty).
    void clampCurrent();

private:
    Outcome stepDown();
    int m_current = -1;
    JumpBuffer m_buffer;
};

} // namespace k9
