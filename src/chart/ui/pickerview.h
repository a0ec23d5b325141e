// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of the pickers and the small chart editors: a table view whose Enter, character
// keys and the arrows at the ends of the list are reported to the screen instead of being
// handled by the view (the screens apply the chart's keyboard rules).
#pragma once

#include "chart/jumpcursor.h"

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

namespace k9 {

class PickerView : public QTableView {
    Q_OBJECT
public:
    explicit PickerView(QWidget* parent = nullptr);
    // Read-only lists report character keys (characterTyped); editable grids let them start
    // editing.
    void setCharacterKeysReported(bool on) { m_reportCharacters = on; }
    // Moves the cursor (and selection) to the row, keeping the current column.
    void goToRow(int row);

    // The pickers keep their cursor in a PickerCursor; these pass the view's current row to
    // it before a key is handled and show where the key left it.
    void syncCursor(PickerCursor& cursor) const;
    // Enter: true when the line was chosen (the picker then closes); otherwise the view
    // follows the cursor.
    bool passEnter(PickerCursor& cursor);
    // A character key: the view follows the cursor when the key moved it.
    void passCharacter(PickerCursor& cursor, QChar c);

signals:
    void enterPressed();
    void characterTyped(QChar c);
    void downAtLastRow();
    void upAtFirstRow();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_reportCharacters = true;
};

// The cell editor of the editable grids: a line edit limited to the column's CP932 width,
// whose Enter commits the text and is then reported (enterPressed), and whose Esc closes
// the editor without committing and is reported (escapePressed).
class GridEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Width in CP932 bytes per column (0 = no limit) and input hints per column.
    explicit GridEditDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}
    void setColumnLimit(int column, int maxBytes, Qt::InputMethodHints hints = Qt::ImhNone);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Commits and closes an editor still open (a pending edit when the window closes).
    void commitOpenEditor();

signals:
    void enterPressed();
    void escapePressed();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    struct Limit {
        int maxBytes = 0;
        Qt::InputMethodHints hints = Qt::ImhNone;
    };
    std::vector<Limit> m_limits;
    mutable QPointer<QWidget> m_openEditor;
};

} // namespace k9
