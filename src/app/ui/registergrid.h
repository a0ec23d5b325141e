// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of the register screens (units, access codes, fiscal-year folders): Enter moves
// to the next editable column and, after the last one, to the next row; editors take no
// more text than the column holds in CP932 bytes and carry the column's input-method hints;
// an edit the store refuses reopens with the text as typed, so nothing typed is lost.
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <QTableView>

namespace k9 {

class RegisterGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    // True once after an edit was refused; the view then stays on the cell.
    bool takeRefusal();

signals:
    // An edit was refused; the view reopens the editor on `index`.
    void editRefused(const QModelIndex& index) const;

private:
    mutable QPersistentModelIndex m_refusedIndex;
    mutable QString m_refusedText;
    mutable bool m_refused = false;
};

class RegisterGridView : public QTableView {
    Q_OBJECT
public:
    explicit RegisterGridView(QWidget* parent = nullptr);
    // Writes a pending edit to the model and closes the editor. False when the store
    // refused it (the editor then reopens with the text as typed).
    bool commitPendingEdit();
    // The next cell Enter moves to from `index`; invalid when there is none.
    QModelIndex nextCell(const QModelIndex& index) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool isEditable(int row, int column) const;
    RegisterGridDelegate* m_delegate;
    bool m_lastCommitRefused = false;
};

} // namespace k9
