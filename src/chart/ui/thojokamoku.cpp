// SPDX-License-Identifier: GPL-3.0-or-later
// The sub-account editor window.
#include "chart/ui/thojokamoku.h"

#include "chart/pickertexts.h"
#include "chart/subaccounts.h"
#include "chart/ui/pickerview.h"
#include "chart/ui/subaccountmodels.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

THojokamoku::THojokamoku(Session& session, Prompter& prompter, Database& chartFolder,
                         const QString& accountCode, const QString& codeHint, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter),
      m_editor(std::make_unique<SubAccountEditor>(chartFolder, accountCode)),
      m_model(new SubAccountEditModel(*m_editor, prompter, this)), m_view(new PickerView(this)),
      m_delegate(new GridEditDelegate(this)) {
    setWindowTitle(kSubAccountCaption);
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setCharacterKeysReported(false);
    m_view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    m_delegate->setColumnLimit(SubAccountEditModel::CodeColumn, kSubAccountCodeLength, Qt::ImhDigitsOnly);
    m_delegate->setColumnLimit(SubAccountEditModel::NameColumn, 20);
    m_view->horizontalHeader()->resizeSection(
        0, m_view->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 24);

    auto* remove = new QPushButton(kSubAccountDelete, this);
    remove->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    if (!codeHint.isEmpty()) {
        // The hint lines up its columns with full-width blanks: show it in the fixed-pitch
        // Gothic face.
        auto* hint = new QLabel(displayLines(codeHint), this);
        QFont fixed(QStringLiteral("IPAGothic"));
        fixed.setStyleHint(QFont::TypeWriter);
        hint->setFont(fixed);
        side->addWidget(hint);
    }
    side->addStretch();
    side->addWidget(remove);

    auto* body = new QHBoxLayout;
    body->addWidget(m_view, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kSubAccountAddNote, this));
    layout->addLayout(body, 1);
    resize(480, 400);

    connect(m_view, &PickerView::enterPressed, this, &THojokamoku::onEnter);
    connect(m_delegate, &GridEditDelegate::enterPressed, this, &THojokamoku::onEnter);
    connect(m_view, &PickerView::downAtLastRow, this, &THojokamoku::onDownAtLastRow);
    connect(remove, &QPushButton::clicked, this, &THojokamoku::onDelete);

    if (m_model->rowCount() == 0)
        m_model->appendRow();
    m_view->setCurrentIndex(m_model->index(0, SubAccountEditModel::CodeColumn));
    m_view->setFocus();
}

THojokamoku::~THojokamoku() = default;

void THojokamoku::onEnter() {
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    if (current.column() == SubAccountEditModel::CodeColumn) {
        m_view->setCurrentIndex(m_model->index(current.row(), SubAccountEditModel::NameColumn));
    } else {
        const int next = qMin(current.row() + 1, m_model->rowCount() - 1);
        m_view->setCurrentIndex(m_model->index(next, SubAccountEditModel::CodeColumn));
    }
}

void THojokamoku::onDownAtLastRow() {
    const int column = m_view->currentIndex().isValid() ? m_view->currentIndex().column() : 0;
    m_model->appendRow();
    m_view->setCurrentIndex(m_model->index(m_model->rowCount() - 1, column));
}

void THojokamoku::onDelete() {
    m_delegate->commitOpenEditor();
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    m_model->removeRowAsked(current.row());
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(
            m_model->index(qMin(current.row(), m_model->rowCount() - 1), current.column()));
    m_view->setFocus();
}

void THojokamoku::done(int result) {
    m_delegate->commitOpenEditor();
    m_editor->discardUnstored();
    m_model->refresh();
    QDialog::done(result);
}

} // namespace k9
