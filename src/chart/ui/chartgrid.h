// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of the chart editor's two tabs: a table view whose Enter key moves to the next
// column (and from the FlgH column to the first column of the next line), whose editors
// limit input to the column's CP932 width or number range, and whose lines are drawn in
// the colour the chart rules give them.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace k9 {

class ChartTableModel;

// Editors of the chart grids: texts limited to the column's CP932 width, numbers to the
// column's range (an empty cell is always allowed). Enter commits the editor and asks the
// grid to move on.
class ChartDelegate : public QStyledItemDelegate {
public:
    explicit ChartDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editor open at the moment, if any.
    QWidget* openEditor() const { return m_editor; }
    // Called after Enter committed an editor.
    std::function<void()> onEnter;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<QWidget> m_editor;
};

class ChartGrid : public QTableView {
public:
    explicit ChartGrid(QWidget* parent = nullptr);

    // Sets the model and sizes the columns for it.
    void setChartModel(ChartTableModel* model);
    ChartTableModel* chartModel() const { return m_model; }

    // Moves as Enter does: to the next column; from the FlgH column to the first column
    // of the next line; Enter on the column off the Enter path (消費税) stays put.
    void moveByEnter();
    // True while a cell editor is open.
    bool isEditingCell() const { return state() == QAbstractItemView::EditingState; }
    // Writes an open editor's text into the model and closes it.
    void commitOpenEditor();
    // Closes an open editor without keeping its text.
    void discardOpenEditor();
    // Makes (row, column) current and shows it.
    void goTo(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ChartTableModel* m_model = nullptr;
    ChartDelegate* m_delegate = nullptr;
};

} // namespace k9
