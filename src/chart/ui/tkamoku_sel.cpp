// SPDX-License-Identifier: GPL-3.0-or-later
// The account picker window.
#include "chart/ui/tkamoku_sel.h"

#include "chart/pickertexts.h"
#include "chart/postable.h"
#include "chart/ui/pickertablemodel.h"
#include "chart/ui/pickerview.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

Tkamoku_SEL::Tkamoku_SEL(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter),
      m_model(new PickerTableModel({kAccountCodeHeader, kAccountNameHeader}, this)),
      m_view(new PickerView(this)), m_displayBox(new QGroupBox(kDisplayChoice, this)),
      m_all(new QRadioButton(kDisplayAll, m_displayBox)),
      m_marked(new QRadioButton(kDisplayMarked, m_displayBox)) {
    setWindowTitle(kAccountPickerCaption);
    m_view->setModel(m_model);
    m_view->horizontalHeader()->resizeSection(
        0, m_view->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);

    auto* enterNote = new QLabel(kAccountPickerEnter, this);
    auto* jumpNote = new QLabel(kAccountPickerJump, this);
    jumpNote->setWordWrap(true);

    auto* boxLayout = new QVBoxLayout(m_displayBox);
    boxLayout->addWidget(m_all);
    boxLayout->addWidget(m_marked);
    m_all->setChecked(true);
    auto* hint = new QLabel(displayLines(kDisplayHint), this);

    auto* side = new QVBoxLayout;
    side->addWidget(m_displayBox);
    side->addWidget(hint);
    side->addStretch();

    auto* body = new QHBoxLayout;
    body->addWidget(m_view, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(enterNote);
    layout->addWidget(jumpNote);
    layout->addLayout(body, 1);
    resize(640, 560);

    connect(m_view, &PickerView::enterPressed, this, &Tkamoku_SEL::onEnter);
    connect(m_view, &PickerView::characterTyped, this, &Tkamoku_SEL::onCharacter);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &Tkamoku_SEL::onDoubleClick);
    connect(m_all, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyDisplay(AccountDisplay::All);
    });
    connect(m_marked, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyDisplay(AccountDisplay::MarkedOnly);
    });
}

void Tkamoku_SEL::setDisplayChoiceVisible(bool visible) {
    m_displayBox->setVisible(visible);
}

void Tkamoku_SEL::prepare(const QString& nearCode) {
    m_state.reload(m_session.www);
    const AccountDisplay display = readAccountDisplay(m_session.hm).value_or(m_state.display());
    m_state.setDisplay(display);
    {
        const QSignalBlocker blockAll(m_all);
        const QSignalBlocker blockMarked(m_marked);
        (display == AccountDisplay::All ? m_all : m_marked)->setChecked(true);
    }
    if (!nearCode.isEmpty())
        m_state.positionNear(nearCode);
    refresh();
    m_view->setFocus();
}

std::optional<PickedAccount> Tkamoku_SEL::pick(const QString& nearCode) {
    prepare(nearCode);
    exec();
    return m_state.current();
}

void Tkamoku_SEL::refresh() {
    std::vector<PickerTableModel::Row> rows;
    rows.reserve(static_cast<size_t>(m_state.rowCount()));
    for (int r = 0; r < m_state.rowCount(); ++r) {
        const AccountLine& line = m_state.line(r);
        rows.push_back({{line.code, line.name}, accountLineColour(line.flags)});
    }
    m_model->setRows(std::move(rows));
    m_view->goToRow(m_state.currentRow());
}

void Tkamoku_SEL::applyDisplay(AccountDisplay display) {
    m_view->syncCursor(m_state);
    m_state.setDisplay(display);
    refresh();
    m_view->setFocus();
}

void Tkamoku_SEL::onEnter() {
    if (m_view->passEnter(m_state))
        accept();
}

void Tkamoku_SEL::onCharacter(QChar c) {
    m_view->passCharacter(m_state, c);
}

void Tkamoku_SEL::onDoubleClick(const QModelIndex& index) {
    if (m_state.doubleClick(index.row()) == PickerCursor::Outcome::Chosen)
        accept();
}

void Tkamoku_SEL::done(int result) {
    m_view->syncCursor(m_state);
    try {
        storeAccountDisplay(m_session.hm, m_state.display());
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    QDialog::done(result);
}

} // namespace k9
