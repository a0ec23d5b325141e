// SPDX-License-Identifier: GPL-3.0-or-later
// The pickers' grid and the cell editor of the small chart editors.
#include "chart/ui/pickerview.h"

#include "app/ui/fieldwidth.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace k9 {

PickerView::PickerView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
}

void PickerView::syncCursor(PickerCursor& cursor) const {
    if (currentIndex().isValid())
        cursor.setCurrentRow(currentIndex().row());
}

bool PickerView::passEnter(PickerCursor& cursor) {
    syncCursor(cursor);
    if (cursor.pressEnter() == PickerCursor::Outcome::Chosen)
        return true;
    goToRow(cursor.currentRow());
    return false;
}

void PickerView::passCharacter(PickerCursor& cursor, QChar c) {
    syncCursor(cursor);
    if (cursor.typeCharacter(c) == PickerCursor::Outcome::Moved)
        goToRow(cursor.currentRow());
}

void PickerView::goToRow(int row) {
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex index = model()->index(row, column);
    setCurrentIndex(index);
    scrollTo(index);
}

void PickerView::keyPressEvent(QKeyEvent* event) {
    const int row = currentIndex().row();
    const int rows = model() ? model()->rowCount() : 0;
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        event->accept();
        return;
    case Qt::Key_Down:
        if (plain && (rows == 0 || row == rows - 1)) {
            emit downAtLastRow();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Up:
        if (plain && row <= 0) {
            emit upAtFirstRow();
            event->accept();
            return;
        }
        break;
    default:
        if (m_reportCharacters && plain && !event->text().isEmpty() && event->text().at(0).isPrint()) {
            for (QChar c : event->text())
                emit characterTyped(c);
            event->accept();
            return;
        }
        break;
    }
    QTableView::keyPressEvent(event);
}

void GridEditDelegate::setColumnLimit(int column, int maxBytes, Qt::InputMethodHints hints) {
    if (column >= static_cast<int>(m_limits.size()))
        m_limits.resize(static_cast<size_t>(column) + 1);
    m_limits[static_cast<size_t>(column)] = {maxBytes, hints};
}

QWidget* GridEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor);
        edit && index.column() < static_cast<int>(m_limits.size())) {
        const Limit& limit = m_limits[static_cast<size_t>(index.column())];
        if (limit.maxBytes > 0)
            limitToCp932Width(edit, limit.maxBytes);
        edit->setInputMethodHints(limit.hints);
    }
    m_openEditor = editor;
    return editor;
}

void GridEditDelegate::commitOpenEditor() {
    // An editor already closed by the view is hidden until it is deleted.
    if (!m_openEditor || !m_openEditor->isVisible())
        return;
    QWidget* editor = m_openEditor;
    m_openEditor = nullptr;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool GridEditDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_openEditor = nullptr;
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit enterPressed();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            m_openEditor = nullptr;
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            emit escapePressed();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace k9
