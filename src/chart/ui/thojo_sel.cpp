// SPDX-License-Identifier: GPL-3.0-or-later
// The one-account sub-account picker window.
#include "chart/ui/thojo_sel.h"

#include "chart/pickertexts.h"
#include "chart/ui/pickertablemodel.h"
#include "chart/ui/pickerview.h"
#include "store/session.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

Thojo_SEL::Thojo_SEL(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session),
      m_model(new PickerTableModel({kSubAccountCodeHeader, kSubAccountNameHeader}, this)),
      m_view(new PickerView(this)) {
    setWindowTitle(kSubAccountPickerCaption);
    m_view->setModel(m_model);
    m_view->setCharacterKeysReported(false);
    m_view->horizontalHeader()->resizeSection(
        0, m_view->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kSubAccountPickerEnter, this));
    layout->addWidget(m_view, 1);
    resize(360, 400);
    connect(m_view, &PickerView::enterPressed, this, &Thojo_SEL::choose);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &Thojo_SEL::choose);
}

void Thojo_SEL::prepare(const QString& accountCode, const QString& nearCode) {
    m_state.setLines(loadSubAccountLines(m_session.www, accountCode));
    if (!nearCode.isEmpty())
        m_state.positionNear(nearCode);
    std::vector<PickerTableModel::Row> rows;
    for (int r = 0; r < m_state.rowCount(); ++r)
        rows.push_back({{m_state.line(r).code, m_state.line(r).name}, PickerLineColour::Normal});
    m_model->setRows(std::move(rows));
    m_view->goToRow(m_state.currentRow());
    m_view->setFocus();
}

std::optional<SubAccountLine> Thojo_SEL::pick(const QString& accountCode, const QString& nearCode) {
    prepare(accountCode, nearCode);
    exec();
    m_view->syncCursor(m_state);
    return m_state.current();
}

void Thojo_SEL::choose() {
    m_view->syncCursor(m_state);
    if (m_state.pressEnter() == PickerCursor::Outcome::Chosen)
        accept();
}

} // namespace k9
