// SPDX-License-Identifier: GPL-3.0-or-later
// Unit register screen; see tbumon.h.
#include "app/ui/tbumon.h"

#include "app/gridmodel.h"
#include "app/registermessages.h"
#include "app/ui/hiddenarea.h"
#include "app/ui/registergrid.h"
#include "chart/templates.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {
namespace {

QLineEdit* unitField(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(2);
    edit->setFixedWidth(48);
    edit->setAlignment(Qt::AlignRight);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
    return edit;
}

QLabel* centred(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TBumon::TBumon(Session& session, Prompter& prompter, QWidget* parent)
    : EnterDialog(parent), m_session(session), m_prompter(prompter) {
    setWindowTitle(msg::unitRegisterCaption());
    setObjectName(QStringLiteral("TBumon"));

    try {
        if (!m_session.viewOnly)
            prepareUnitRegister(m_session);
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }

    m_model = openUnitTableModel(m_session, m_prompter, unitRegisterColumns(), unitRegisterRowFilter(), this);
    m_grid = new RegisterGridView(this);
    m_grid->setObjectName(QStringLiteral("unitGrid"));
    m_grid->setModel(m_model);
    m_grid->setColumnWidth(0, 56);
    m_grid->setColumnWidth(1, 320);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumWidth(400);
    m_grid->setMinimumHeight(m_grid->verticalHeader()->defaultSectionSize() * 20 + 4);

    // Template choice and the buttons beside the grid.
    m_templateBox = new QGroupBox(QStringLiteral("選　択"), this);
    m_templateBox->setObjectName(QStringLiteral("templateChoice"));
    m_templateBox->setToolTip(msg::templateChoiceHint());
    m_templateChoice = new QButtonGroup(this);
    auto* templateLayout = new QVBoxLayout(m_templateBox);
    int id = 0;
    for (const auto& t : chartTemplates()) {
        auto* radio = new QRadioButton(t.title, m_templateBox);
        m_templateChoice->addButton(radio, id++);
        templateLayout->addWidget(radio);
    }
    if (auto* first = m_templateChoice->button(0))
        first->setChecked(true);

    auto* execute = new QPushButton(QStringLiteral("実　行"), this);
    execute->setObjectName(QStringLiteral("executeButton"));
    execute->setToolTip(msg::executeHint());
    m_editTemplate = new QPushButton(QStringLiteral("科目編集"), this);
    m_editTemplate->setObjectName(QStringLiteral("editTemplateButton"));
    m_editTemplate->setToolTip(msg::editTemplateHint());
    m_editTemplate->setVisible(false);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setToolTip(msg::registerCancelHint());
    auto* reveal = new HiddenArea(this);
    reveal->setObjectName(QStringLiteral("revealArea"));
    reveal->setFixedSize(40, 24);

    auto* side = new QVBoxLayout;
    side->addWidget(m_templateBox);
    side->addSpacing(8);
    side->addWidget(execute);
    side->addWidget(m_editTemplate);
    side->addStretch(1);
    side->addWidget(reveal, 0, Qt::AlignRight);
    side->addWidget(cancel);

    // Unit move: X →/← Y.
    auto* moveBox = new QGroupBox(QStringLiteral("部門移動"), this);
    m_moveFrom = unitField(QStringLiteral("moveFrom"), moveBox);
    m_moveTo = unitField(QStringLiteral("moveTo"), moveBox);
    m_moveButton = new QPushButton(QStringLiteral("部門移動の実行"), moveBox);
    m_moveButton->setObjectName(QStringLiteral("moveButton"));
    auto* moveLayout = new QHBoxLayout(moveBox);
    moveLayout->addWidget(m_moveFrom);
    moveLayout->addWidget(centred(QStringLiteral("→\n←"), moveBox));
    moveLayout->addWidget(m_moveTo);
    moveLayout->addSpacing(12);
    moveLayout->addWidget(m_moveButton);
    moveLayout->addStretch(1);

    // Unit deletion: from ～ to.
    auto* deleteBox = new QGroupBox(QStringLiteral("部門削除"), this);
    m_deleteFrom = unitField(QStringLiteral("deleteFrom"), deleteBox);
    m_deleteTo = unitField(QStringLiteral("deleteTo"), deleteBox);
    auto* deleteButton = new QPushButton(QStringLiteral("部門削除"), deleteBox);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    auto* deleteLayout = new QHBoxLayout(deleteBox);
    deleteLayout->addWidget(new QLabel(QStringLiteral("from"), deleteBox));
    deleteLayout->addWidget(m_deleteFrom);
    deleteLayout->addWidget(centred(QStringLiteral("～"), deleteBox));
    deleteLayout->addWidget(new QLabel(QStringLiteral("to"), deleteBox));
    deleteLayout->addWidget(m_deleteTo);
    deleteLayout->addSpacing(12);
    deleteLayout->addWidget(deleteButton);
    deleteLayout->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(m_grid, 1);
    top->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(moveBox);
    bottom->addWidget(deleteBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(execute, &QPushButton::clicked, this, &TBumon::executeClicked);
    connect(m_editTemplate, &QPushButton::clicked, this, &TBumon::editTemplateClicked);
    connect(cancel, &QPushButton::clicked, this, &TBumon::cancelClicked);
    connect(reveal, &HiddenArea::doubleClicked, m_editTemplate, &QWidget::show);
    connect(m_moveButton, &QPushButton::clicked, this, &TBumon::moveClicked);
    connect(deleteButton, &QPushButton::clicked, this, &TBumon::deleteClicked);
    // Enter moves on to the next field: from the first unit number to the second.
    setTabOrder(m_moveFrom, m_moveTo);
    setTabOrder(m_deleteFrom, m_deleteTo);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { m_unitsChanged = true; });

    bool chartEmpty = false;
    try {
        chartEmpty = dataChartIsEmpty(m_session);
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    m_templateBox->setEnabled(chartEmpty);

    if (m_session.viewOnly == 1) {
        for (auto* w : {static_cast<QWidget*>(execute), static_cast<QWidget*>(moveBox),
                        static_cast<QWidget*>(deleteBox)})
            w->setEnabled(false);
    }
    m_grid->setCurrentIndex(m_model->index(0, 1));
    m_grid->setFocus();
    disableDefaultButtons();
}

int TBumon::exec() {
    QDialog::exec();
    return m_outcome == RegisterOutcome::ChartPrepared ? QDialog::Accepted : QDialog::Rejected;
}

void TBumon::done(int result) {
    m_grid->commitPendingEdit();
    QDialog::done(result);
}

int TBumon::chosenTemplate() const {
    return std::max(0, m_templateChoice->checkedId());
}

void TBumon::executeClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    m_outcome = runPrepareChart(m_session, m_prompter, chosenTemplate());
    if (m_outcome != RegisterOutcome::ChartPrepared)
        return;
    if (auto* first = m_templateChoice->button(0))
        first->setChecked(true);
    m_unitsChanged = true;
    accept();
}

void TBumon::editTemplateClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    m_outcome = requestTemplateEdit(m_session, chosenTemplate());
    accept();
}

void TBumon::cancelClicked() {
    m_session.templateDir.clear();
    m_outcome = RegisterOutcome::None;
    reject();
}

void TBumon::refreshUnits() {
    try {
        m_model->reload();
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    m_grid->setCurrentIndex(m_model->index(0, 1));
    m_grid->scrollToTop();
}

void TBumon::moveClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    m_moveButton->setEnabled(false);
    if (runUnitMove(m_session, m_prompter, m_moveFrom->text(), m_moveTo->text()))
        m_unitsChanged = true;
    refreshUnits();
    m_moveButton->setEnabled(true);
}

void TBumon::deleteClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    if (runUnitDelete(m_session, m_prompter, m_deleteFrom->text(), m_deleteTo->text()))
        m_unitsChanged = true;
    refreshUnits();
}

} // namespace k9
