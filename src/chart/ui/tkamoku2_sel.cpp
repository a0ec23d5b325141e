// SPDX-License-Identifier: GPL-3.0-or-later
// The fund-line picker window.
#include "chart/ui/tkamoku2_sel.h"

#include "chart/pickertexts.h"
#include "chart/postable.h"
#include "chart/ui/pickertablemodel.h"
#include "chart/ui/pickerview.h"
#include "store/session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

Tkamoku2_SEL::Tkamoku2_SEL(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session),
      m_model(new PickerTableModel({kFundLineSNoHeader, kFundLineNameHeader, kFundLineCodeHeader}, this)),
      m_view(new PickerView(this)), m_jump(new QLineEdit(this)) {
    setWindowTitle(kFundLinePickerCaption);
    m_view->setModel(m_model);
    m_model->setRightAligned(0);
    const int number = m_view->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16;
    m_view->horizontalHeader()->resizeSection(0, number);
    m_view->horizontalHeader()->resizeSection(
        1, m_view->fontMetrics().horizontalAdvance(QString(16, QChar(0x3042))));
    m_jump->setInputMethodHints(Qt::ImhDigitsOnly);
    m_jump->setValidator(new QIntValidator(0, 2147483647, m_jump));

    auto* jumpBox = new QGroupBox(kFundLineJump, this);
    auto* jumpLayout = new QVBoxLayout(jumpBox);
    jumpLayout->addWidget(m_jump);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(displayLines(kFundLinePickerNote), this), 1);
    top->addWidget(jumpBox);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    resize(600, 560);

    connect(m_view, &PickerView::enterPressed, this, &Tkamoku2_SEL::onEnter);
    connect(m_view, &PickerView::characterTyped, this, &Tkamoku2_SEL::onCharacter);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_state.doubleClick(index.row()) == PickerCursor::Outcome::Chosen)
            accept();
    });
    connect(m_jump, &QLineEdit::returnPressed, this, &Tkamoku2_SEL::onJumpBox);
}

void Tkamoku2_SEL::prepare(std::optional<long long> nearSNo) {
    const int keep = m_state.currentRow();
    m_state.setLines(loadFundLines(m_session.aaa));
    if (nearSNo)
        m_state.positionNear(*nearSNo);
    else
        m_state.setCurrentRow(keep);
    std::vector<PickerTableModel::Row> rows;
    for (int r = 0; r < m_state.rowCount(); ++r) {
        const FundLine& l = m_state.line(r);
        rows.push_back({{QString::number(l.sNo), l.name, l.code}, fundLineColour(l.flgA, l.flgD, l.code)});
    }
    m_model->setRows(std::move(rows));
    m_view->goToRow(m_state.currentRow());
    m_jump->setText(m_state.currentRow() >= 0 ? QString::number(m_state.line(m_state.currentRow()).sNo)
                                              : QString());
    m_jump->selectAll();
    m_jump->setFocus();
}

std::optional<FundLine> Tkamoku2_SEL::pick(std::optional<long long> nearSNo) {
    prepare(nearSNo);
    exec();
    m_view->syncCursor(m_state);
    return m_state.chosen();
}

void Tkamoku2_SEL::onJumpBox() {
    if (m_state.jumpToTypedNumber(m_jump->text()))
        m_view->goToRow(m_state.currentRow());
    m_view->setFocus();
}

void Tkamoku2_SEL::onEnter() {
    if (m_view->passEnter(m_state))
        accept();
}

void Tkamoku2_SEL::onCharacter(QChar c) {
    m_view->passCharacter(m_state, c);
}

} // namespace k9
