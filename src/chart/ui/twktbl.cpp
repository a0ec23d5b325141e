// SPDX-License-Identifier: GPL-3.0-or-later
// The learning-list windows.
#include "chart/ui/twktbl.h"

#include "chart/pickertexts.h"
#include "chart/ui/pickertablemodel.h"
#include "chart/ui/pickerview.h"
#include "chart/ui/tkamoku_sel.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

LearningListDialog::LearningListDialog(Session& session, Prompter& prompter, Tkamoku_SEL& accountPicker,
                                       const QString& caption, const QString& codeHeader, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_accountPicker(accountPicker),
      m_model(new PickerTableModel({codeHeader, kLearningNameHeader}, this)), m_view(new PickerView(this)) {
    setWindowTitle(caption);
    m_view->setModel(m_model);
    m_view->horizontalHeader()->resizeSection(
        0, m_view->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 24);

    auto* remove = new QPushButton(kLearningDelete, this);
    auto* accounts = new QPushButton(kLearningAccountList, this);
    auto* cancel = new QPushButton(kLearningCancel, this);
    for (QPushButton* b : {remove, accounts, cancel})
        b->setAutoDefault(false);
    auto* hint = new QLabel(kLearningHint, this);
    hint->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(accounts);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kLearningEnter, this));
    layout->addWidget(hint);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(440, 520);

    connect(m_view, &PickerView::enterPressed, this, &LearningListDialog::onEnter);
    connect(m_view, &PickerView::characterTyped, this, &LearningListDialog::onCharacter);
    connect(remove, &QPushButton::clicked, this, &LearningListDialog::onDelete);
    connect(accounts, &QPushButton::clicked, this, [this] {
        const int row = currentRow();
        chooseFromPicker(row >= 0 ? m_rows[static_cast<size_t>(row)].code : QString());
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void LearningListDialog::refill() {
    m_rows = readList();
    std::vector<PickerTableModel::Row> rows;
    for (const auto& r : m_rows)
        rows.push_back({{r.code, r.name}, PickerLineColour::Normal});
    m_model->setRows(std::move(rows));
}

void LearningListDialog::prepare() {
    m_buffer.clear();
    m_chosen = false;
    refill();
    m_view->goToRow(0);
    m_view->setFocus();
}

bool LearningListDialog::pick() {
    prepare();
    if (exec() != QDialog::Accepted || !m_chosen)
        setPair(QString(), QString());
    return m_chosen;
}

int LearningListDialog::currentRow() const {
    const int row = m_view->currentIndex().row();
    return row >= 0 && row < rowCount() ? row : -1;
}

void LearningListDialog::finish(bool chosen, const QString& code, const QString& name) {
    m_chosen = chosen;
    setPair(code, name);
    if (chosen)
        accept();
    else
        reject();
}

void LearningListDialog::chooseFromPicker(const QString& nearCode) {
    try {
        const auto picked = m_accountPicker.pick(nearCode);
        if (picked)
            finish(true, picked->code, picked->name);
        else
            finish(false, QString(), QString());
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
}

void LearningListDialog::onEnter() {
    if (!m_buffer.isEmpty()) {
        chooseFromPicker(m_buffer.take());
        return;
    }
    const int row = currentRow();
    if (row < 0)
        return;
    finish(true, m_rows[static_cast<size_t>(row)].code, m_rows[static_cast<size_t>(row)].name);
}

void LearningListDialog::onCharacter(QChar c) {
    m_buffer.add(c);
}

void LearningListDialog::onDelete() {
    const int row = currentRow();
    if (row < 0)
        return;
    try {
        removeRow(m_rows[static_cast<size_t>(row)].renNo);
        refill();
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    m_view->goToRow(qMin(row, rowCount() - 1));
    m_view->setFocus();
}

TWKTBL0::TWKTBL0(Session& session, Prompter& prompter, Tkamoku_SEL& accountPicker, QWidget* parent)
    : LearningListDialog(session, prompter, accountPicker, kDebitLearningCaption, kDebitLearningCodeHeader,
                         parent) {}

bool TWKTBL0::hasRows() {
    return !debitLearningList(m_session.www).empty();
}
std::vector<LearnedAccount> TWKTBL0::readList() {
    return debitLearningList(m_session.www);
}
void TWKTBL0::removeRow(int renNo) {
    removeDebitLearningRow(m_session.www, renNo);
}

void TWKTBL0::setPair(const QString& code, const QString& name) {
    m_session.pickedDebitCode = code;
    m_session.pickedDebitName = name;
}

TWKTBL1::TWKTBL1(Session& session, Prompter& prompter, Tkamoku_SEL& accountPicker, QWidget* parent)
    : LearningListDialog(session, prompter, accountPicker, kCreditLearningCaption, kCreditLearningCodeHeader,
                         parent) {}

bool TWKTBL1::hasRows() {
    return !creditLearningList(m_session.www, m_session.pickedDebitCode).empty();
}
std::vector<LearnedAccount> TWKTBL1::readList() {
    return creditLearningList(m_session.www, m_session.pickedDebitCode);
}
void TWKTBL1::removeRow(int renNo) {
    removeCreditLearningRow(m_session.www, m_session.pickedDebitCode, renNo);
}

void TWKTBL1::setPair(const QString& code, const QString& name) {
    m_session.pickedCreditCode = code;
    m_session.pickedCreditName = name;
}

} // namespace k9
