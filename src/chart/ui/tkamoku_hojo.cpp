// SPDX-License-Identifier: GPL-3.0-or-later
// The per-unit sub-account name editor window.
#include "chart/ui/tkamoku_hojo.h"

#include "chart/pickertexts.h"
#include "chart/subaccounts.h"
#include "chart/ui/pickerview.h"
#include "chart/ui/subaccountmodels.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/textutil.h"
#include "store/unitchart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace k9 {

using namespace pickertext;

namespace {
constexpr int kVisibleUnits = 21;
}

Tkamoku_hojo::Tkamoku_hojo(Session& session, Prompter& prompter, const QString& accountCode, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_units(new QComboBox(this)),
      m_model(new UnitNameModel(session.aaa, prompter, accountCode, this)), m_view(new PickerView(this)),
      m_delegate(new GridEditDelegate(this)) {
    setWindowTitle(kUnitNamesCaption);
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setCharacterKeysReported(false);
    m_view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    m_delegate->setColumnLimit(UnitNameModel::NameColumn, 20);
    m_view->horizontalHeader()->resizeSection(
        0, m_view->fontMetrics().horizontalAdvance(kUnitNamesCodeHeader) + 16);
    m_units->setMaxVisibleItems(kVisibleUnits);

    const int start = nameEditorStartUnit(session);
    for (const UnitEntry& u : loadUnitEntries(session.aaa))
        m_units->addItem(removeSpaces(u.name), u.unit);

    auto* left = new QVBoxLayout;
    left->addWidget(m_units);
    left->addWidget(m_view, 1);
    auto* body = new QHBoxLayout(this);
    body->addLayout(left, 1);
    body->addWidget(new QLabel(displayLines(kUnitNamesNote), this), 0, Qt::AlignTop);
    resize(620, 420);

    connect(m_units, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_delegate->commitOpenEditor();
        m_model->setUnit(m_units->itemData(index).toInt());
        m_view->setCurrentIndex(m_model->index(0, UnitNameModel::NameColumn));
    });
    connect(m_view, &PickerView::enterPressed, this, &Tkamoku_hojo::onEnter);
    connect(m_delegate, &GridEditDelegate::enterPressed, this, &Tkamoku_hojo::onEnter);

    chooseUnit(start);
    m_view->setFocus();
}

int Tkamoku_hojo::unit() const {
    return m_model->unit();
}

void Tkamoku_hojo::chooseUnit(int unit) {
    const int index = m_units->findData(unit);
    if (index >= 0 && index != m_units->currentIndex()) {
        m_units->setCurrentIndex(index);
        return;
    }
    m_model->setUnit(unit);
    m_view->setCurrentIndex(m_model->index(0, UnitNameModel::NameColumn));
}

void Tkamoku_hojo::onEnter() {
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int next = qMin(current.row() + 1, m_model->rowCount() - 1);
    m_view->setCurrentIndex(m_model->index(next, current.column()));
}

void Tkamoku_hojo::done(int result) {
    m_delegate->commitOpenEditor();
    // The picker reads the work copy: give it the names just edited for the selected unit.
    if (m_session.currentUnit >= 0) {
        try {
            refreshSubAccountNames(m_session);
        } catch (const K9Error& e) {
            m_prompter.error(e.message());
        }
    }
    QDialog::done(result);
}

} // namespace k9
