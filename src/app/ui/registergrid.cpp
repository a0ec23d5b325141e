// SPDX-License-Identifier: GPL-3.0-or-later
// Register grid view and its editor delegate; see registergrid.h.
#include "app/ui/registergrid.h"

#include "app/gridmodel.h"
#include "app/ui/fieldwidth.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace k9 {

QWidget* RegisterGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    const int maxBytes = index.data(TableGridModel::MaxBytesRole).toInt();
    if (maxBytes > 0)
        limitToCp932Width(edit, maxBytes);
    const auto hints = Qt::InputMethodHints(index.data(TableGridModel::InputHintsRole).toInt());
    edit->setInputMethodHints(hints);
    return edit;
}

void RegisterGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit)
        return;
    if (m_refusedIndex.isValid() && m_refusedIndex == index) {
        edit->setText(m_refusedText);
        m_refusedIndex = QPersistentModelIndex();
        return;
    }
    edit->setText(index.data(Qt::EditRole).toString());
}

void RegisterGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit)
        return;
    const QString text = edit->text();
    if (model->setData(index, text, Qt::EditRole))
        return;
    m_refusedIndex = index;
    m_refusedText = text;
    m_refused = true;
    emit editRefused(index);
}

bool RegisterGridDelegate::takeRefusal() {
    bool r = m_refused;
    m_refused = false;
    return r;
}

RegisterGridView::RegisterGridView(QWidget* parent)
    : QTableView(parent), m_delegate(new RegisterGridDelegate(this)) {
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    connect(m_delegate, &RegisterGridDelegate::editRefused, this, [this](const QModelIndex& index) {
        QPersistentModelIndex target(index);
        QTimer::singleShot(0, this, [this, target] {
            if (!target.isValid())
                return;
            setCurrentIndex(target);
            edit(target);
        });
    });
}

bool RegisterGridView::isEditable(int row, int column) const {
    return model() && (model()->flags(model()->index(row, column)) & Qt::ItemIsEditable);
}

QModelIndex RegisterGridView::nextCell(const QModelIndex& index) const {
    if (!model() || !index.isValid())
        return QModelIndex();
    const int columns = model()->columnCount();
    for (int c = index.column() + 1; c < columns; ++c)
        if (isEditable(index.row(), c) && !isColumnHidden(c))
            return model()->index(index.row(), c);
    const int next = index.row() + 1;
    if (next >= model()->rowCount())
        return QModelIndex();
    for (int c = 0; c < columns; ++c)
        if (isEditable(next, c) && !isColumnHidden(c))
            return model()->index(next, c);
    return model()->index(next, index.column());
}

bool RegisterGridView::commitPendingEdit() {
    if (state() != QAbstractItemView::EditingState)
        return true;
    m_lastCommitRefused = false;
    const QModelIndex current = currentIndex();
    // Leaving the cell commits and closes its editor.
    QTableView::currentChanged(current, current);
    return !m_lastCommitRefused;
}

void RegisterGridView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        const QModelIndex next = nextCell(currentIndex());
        if (next.isValid())
            setCurrentIndex(next);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void RegisterGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool refused = m_delegate->takeRefusal();
    m_lastCommitRefused = refused;
    if (hint != QAbstractItemDelegate::SubmitModelCache || refused) {
        QTableView::closeEditor(editor, refused ? QAbstractItemDelegate::NoHint : hint);
        return;
    }
    // Enter in an editor: the edit is written; move on as Enter does outside an editor.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const QModelIndex next = nextCell(currentIndex());
    if (next.isValid())
        setCurrentIndex(next);
}

} // namespace k9
