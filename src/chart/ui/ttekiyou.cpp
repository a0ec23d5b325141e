// SPDX-License-Identifier: GPL-3.0-or-later
// The standard-description picker window.
#include "chart/ui/ttekiyou.h"

#include "chart/pickertexts.h"
#include "chart/ui/descriptionmodel.h"
#include "chart/ui/pickerview.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

Ttekiyou::Ttekiyou(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_view(new PickerView(this)),
      m_delegate(new GridEditDelegate(this)), m_search(new QLineEdit(this)) {
    setWindowTitle(kDescriptionCaption);
    m_view->setCharacterKeysReported(false);
    m_view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    m_view->setItemDelegate(m_delegate);
    m_delegate->setColumnLimit(0, kDescriptionMaxBytes);
    m_search->setMaxLength(60);
    m_search->setPlaceholderText(kDescriptionSearch);
    m_search->installEventFilter(this);

    auto* remove = new QPushButton(kDescriptionDelete, this);
    auto* insert = new QPushButton(kDescriptionInsert, this);
    for (QPushButton* b : {remove, insert})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(insert);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kDescriptionEnter, this));
    layout->addWidget(m_search);
    layout->addWidget(m_view, 1);
    layout->addWidget(new QLabel(displayLines(kDescriptionNote), this));
    layout->addLayout(buttons);
    resize(520, 520);

    connect(m_view, &PickerView::enterPressed, this, &Ttekiyou::onEnter);
    connect(m_delegate, &GridEditDelegate::enterPressed, this, &Ttekiyou::onEnter);
    connect(m_delegate, &GridEditDelegate::escapePressed, this, &QDialog::reject);
    connect(m_view, &PickerView::downAtLastRow, this, &Ttekiyou::onDownAtLastRow);
    connect(m_view, &PickerView::upAtFirstRow, m_search, qOverload<>(&QWidget::setFocus));
    connect(m_search, &QLineEdit::returnPressed, this, &Ttekiyou::onSearch);
    connect(insert, &QPushButton::clicked, this, &Ttekiyou::onInsert);
    connect(remove, &QPushButton::clicked, this, &Ttekiyou::onDelete);
}

void Ttekiyou::prepare() {
    m_picker = std::make_unique<DescriptionPicker>(DescriptionPicker::forSession(m_session));
    auto* old = m_model;
    m_model = new DescriptionModel(*m_picker, this);
    m_view->setModel(m_model);
    delete old;
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                onCurrentRowChanged(current.row(), previous.row());
            });
    m_search->clear();
    m_view->goToRow(0);
    m_view->setFocus();
}

QString Ttekiyou::pick() {
    m_session.pickedDescription.clear();
    prepare();
    if (exec() != QDialog::Accepted)
        m_session.pickedDescription.clear();
    m_picker.reset();
    return m_session.pickedDescription;
}

void Ttekiyou::refresh(int row) {
    m_model->refresh();
    m_view->goToRow(qMin(row, m_model->rowCount() - 1));
}

void Ttekiyou::onCurrentRowChanged(int current, int previous) {
    if (m_returning || previous < 0 || !m_picker)
        return;
    try {
        if (m_picker->leaveRow(previous)) {
            m_model->refreshRow(previous);
        } else {
            // The empty new row went away: show the list again once the move is over.
            QTimer::singleShot(0, this, [this, current, previous] {
                if (m_picker)
                    refresh(current > previous ? current - 1 : current);
            });
        }
    } catch (const DescriptionNotStored& e) {
        m_prompter.message(e.message());
        m_returning = true;
        QTimer::singleShot(0, this, [this, previous] {
            m_view->goToRow(previous);
            m_returning = false;
        });
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
}

void Ttekiyou::onDownAtLastRow() {
    if (m_picker && m_picker->addNewRow()) {
        m_model->refresh();
        m_view->goToRow(m_model->rowCount() - 1);
    }
}

void Ttekiyou::onEnter() {
    const int row = m_view->currentIndex().row();
    if (!m_picker || row < 0 || row >= m_picker->rowCount())
        return;
    try {
        m_session.pickedDescription = m_picker->choose(row, m_session.pickedDescription);
        accept();
    } catch (const K9Error& e) {
        m_prompter.message(e.message());
    }
}

void Ttekiyou::onSearch() {
    if (!m_picker)
        return;
    m_delegate->commitOpenEditor();
    try {
        if (m_picker->mode() == DescriptionPicker::Mode::Table && m_view->currentIndex().isValid())
            m_picker->leaveRow(m_view->currentIndex().row());
        m_picker->search(m_search->text());
    } catch (const K9Error& e) {
        m_prompter.message(e.message());
        return;
    }
    refresh(0);
    m_view->setFocus();
}

void Ttekiyou::onInsert() {
    if (!m_picker)
        return;
    m_delegate->commitOpenEditor();
    try {
        if (m_picker->mode() == DescriptionPicker::Mode::Table && m_view->currentIndex().isValid())
            m_picker->leaveRow(m_view->currentIndex().row());
        m_picker->insertBlankRow();
        m_session.pickedDescription.clear();
    } catch (const K9Error& e) {
        m_prompter.message(e.message());
        return;
    }
    m_returning = true;
    refresh(0);
    m_returning = false;
    m_view->setFocus();
    m_view->edit(m_model->index(0, 0));
}

void Ttekiyou::onDelete() {
    const int row = m_view->currentIndex().row();
    if (!m_picker || row < 0)
        return;
    try {
        m_picker->remove(row);
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    m_returning = true;
    refresh(row);
    m_returning = false;
    m_view->setFocus();
}

bool Ttekiyou::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        m_view->setFocus();
        if (!m_view->currentIndex().isValid())
            m_view->goToRow(0);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace k9
