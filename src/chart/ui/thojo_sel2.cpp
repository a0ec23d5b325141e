// SPDX-License-Identifier: GPL-3.0-or-later
// The all-accounts sub-account picker window.
#include "chart/ui/thojo_sel2.h"

#include "chart/pickertexts.h"
#include "chart/ui/pickertablemodel.h"
#include "chart/ui/pickerview.h"
#include "store/session.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

Thojo_SEL2::Thojo_SEL2(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session),
      m_model(new PickerTableModel({kAllSubAccountAccountCodeHeader, kAllSubAccountAccountNameHeader,
                                    kAllSubAccountCodeHeader, kSubAccountNameHeader},
                                   this)),
      m_view(new PickerView(this)) {
    setWindowTitle(kSubAccountPickerCaption);
    m_view->setModel(m_model);
    const int code = m_view->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16;
    m_view->horizontalHeader()->resizeSection(0, code);
    m_view->horizontalHeader()->resizeSection(
        1, m_view->fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))));
    m_view->horizontalHeader()->resizeSection(2, code);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kAllSubAccountPickerEnter, this));
    layout->addWidget(m_view, 1);
    resize(600, 480);
    connect(m_view, &PickerView::enterPressed, this, &Thojo_SEL2::onEnter);
    connect(m_view, &PickerView::characterTyped, this, &Thojo_SEL2::onCharacter);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_state.doubleClick(index.row()) == PickerCursor::Outcome::Chosen)
            accept();
    });
}

void Thojo_SEL2::prepare(const QString& nearAccountCode) {
    const int keep = m_state.currentRow();
    m_state.setLines(loadAllSubAccountLines(m_session.www));
    if (!nearAccountCode.isEmpty())
        m_state.positionNear(nearAccountCode);
    else
        m_state.setCurrentRow(keep);
    std::vector<PickerTableModel::Row> rows;
    for (int r = 0; r < m_state.rowCount(); ++r) {
        const SubAccountLine& l = m_state.line(r);
        rows.push_back({{l.accountCode, l.accountName, l.code, l.name}, PickerLineColour::Normal});
    }
    m_model->setRows(std::move(rows));
    m_view->goToRow(m_state.currentRow());
    m_view->setFocus();
}

std::optional<SubAccountLine> Thojo_SEL2::pick(const QString& nearAccountCode) {
    prepare(nearAccountCode);
    exec();
    m_view->syncCursor(m_state);
    return m_state.current();
}

void Thojo_SEL2::onEnter() {
    if (m_view->passEnter(m_state))
        accept();
}

void Thojo_SEL2::onCharacter(QChar c) {
    m_view->passCharacter(m_state, c);
}

} // namespace k9
