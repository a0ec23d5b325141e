// SPDX-License-Identifier: GPL-3.0-or-later
// The chart editor's grid: Enter order, limited editors and line colours.
#include "chart/ui/chartgrid.h"

#include "chart/charttablemodel.h"
#include "store/cp932.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace k9 {
namespace {

// Text no wider than the column, and only characters CP932 carries.
class WidthValidator : public QValidator {
public:
    WidthValidator(int maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(maxBytes) {}
    State validate(QString& input, int&) const override {
        if (!cp932::canEncode(input))
            return Invalid;
        return cp932::byteWidth(input) <= m_maxBytes ? Acceptable : Invalid;
    }

private:
    int m_maxBytes;
};

// A whole number within [minimum, maximum], or nothing.
class NumberValidator : public QValidator {
public:
    NumberValidator(long long minimum, long long maximum, QObject* parent)
        : QValidator(parent), m_min(minimum), m_max(maximum) {}
    State validate(QString& input, int&) const override {
        const QString s = input.trimmed();
        if (s.isEmpty())
            return Acceptable;
        if (s == QLatin1String("-"))
            return m_min < 0 ? Intermediate : Invalid;
        bool ok = false;
        const long long n = s.toLongLong(&ok);
        if (!ok)
            return Invalid;
        return n >= m_min && n <= m_max ? Acceptable : Invalid;
    }

private:
    long long m_min;
    long long m_max;
};

} // namespace

ChartDelegate::ChartDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* ChartDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    const int width = index.data(ChartTableModel::MaxBytesRole).toInt();
    if (width > 0) {
        edit->setValidator(new WidthValidator(width, edit));
        const QString field = static_cast<const ChartTableModel*>(index.model())->fieldOf(index.column());
        if (field == QLatin1String("code"))
            edit->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly);
    } else {
        edit->setValidator(new NumberValidator(index.data(ChartTableModel::MinimumRole).toLongLong(),
                                               index.data(ChartTableModel::MaximumRole).toLongLong(), edit));
        edit->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    }
    edit->setAlignment(static_cast<Qt::Alignment>(index.data(Qt::TextAlignmentRole).toInt()));
    m_editor = edit;
    return edit;
}

void ChartDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    switch (static_cast<LineColour>(index.data(ChartTableModel::LineColourRole).toInt())) {
    case LineColour::Red:
        option->palette.setColor(QPalette::Text, Qt::red);
        break;
    case LineColour::Blue:
        option->palette.setColor(QPalette::Text, Qt::blue);
        break;
    case LineColour::Normal:
        break;
    }
}

bool ChartDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            if (onEnter)
                onEnter();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

ChartGrid::ChartGrid(QWidget* parent) : QTableView(parent), m_delegate(new ChartDelegate(this)) {
    setItemDelegate(m_delegate);
    m_delegate->onEnter = [this] { moveByEnter(); };
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A double-click on a line sets up its sub-accounts, so it does not open the editor.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(22);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(false);
}

void ChartGrid::setChartModel(ChartTableModel* model) {
    m_model = model;
    setModel(model);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString field = model->fieldOf(c);
        int width = std::max(
            em * 6,
            fontMetrics().horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + em * 2);
        if (field == QStringLiteral("科目名"))
            width = em * 34;
        else if (field == QLatin1String("code") || field == QLatin1String("SNo"))
            width = em * 9;
        setColumnWidth(c, width);
    }
}

void ChartGrid::goTo(int row, int column) {
    if (!m_model || row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex target = m_model->index(row, std::clamp(column, 0, m_model->columnCount() - 1));
    setCurrentIndex(target);
    scrollTo(target);
}

void ChartGrid::moveByEnter() {
    if (!m_model || m_model->rowCount() == 0)
        return;
    QModelIndex cur = currentIndex();
    if (!cur.isValid()) {
        goTo(0, 0);
        return;
    }
    const int column = cur.column();
    if (column == m_model->offEnterColumn())
        return;
    if (column >= m_model->enterWrapColumn()) {
        if (cur.row() + 1 < m_model->rowCount()) {
            goTo(cur.row() + 1, 0);
        } else if (m_model->isEditing() && m_model->editRow() == cur.row()) {
            // The last line: nothing follows, so the line is written where it stands.
            if (m_model->post())
                goTo(m_model->lastPostedRow(), 0);
        }
        return;
    }
    goTo(cur.row(), column + 1);
}

void ChartGrid::commitOpenEditor() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = m_delegate->openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChartGrid::discardOpenEditor() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = m_delegate->openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void ChartGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        moveByEnter();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace k9
