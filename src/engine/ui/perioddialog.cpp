// SPDX-License-Identifier: GPL-3.0-or-later
// The period dialog screen: widgets, loading the stored period, and "実    行".
#include "engine/ui/perioddialog.h"

#include "engine/enginemessages.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace k9 {
namespace {

QSpinBox* spinBox(int min, int max, const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(min, max);
    box->setObjectName(name);
    box->setInputMethodHints(Qt::ImhDigitsOnly);
    return box;
}

QGroupBox* optionGroup(const QString& title, const QStringList& captions, QButtonGroup* group,
                       const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], box);
        button->setObjectName(QStringLiteral("%1%2").arg(name).arg(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return box;
}

// The busy cursor for as long as the object lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

PeriodDialog::PeriodDialog(Variant variant, Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_variant(variant), m_session(session), m_prompter(prompter) {
    setWindowTitle(engine_text::dialogTitle());
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    m_fiscalStart = new QLabel(this);
    m_fiscalStart->setObjectName(QStringLiteral("fiscalStart"));
    layout->addWidget(m_fiscalStart);

    auto* grid = new QGridLayout;
    m_from = addDateRow(grid, 0, engine_text::fromCaption(), QStringLiteral("from"));
    m_to = addDateRow(grid, 1, engine_text::toCaption(), QStringLiteral("to"));
    layout->addLayout(grid);
    if (m_variant == Variant::Monthly) {
        m_from.year->setEnabled(false);
        m_from.month->setEnabled(false);
        m_from.day->setEnabled(false);
    }
    m_dateHint = new QLabel(this);
    m_dateHint->setObjectName(QStringLiteral("dateHint"));
    m_dateHint->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(m_dateHint);

    QStringList adjusting = {engine_text::include()};
    if (m_variant == Variant::Ledgers)
        adjusting << engine_text::excludeAdjustingLedgers() << engine_text::adjustingOnly();
    else
        adjusting << engine_text::excludeAdjusting();
    m_adjusting = new QButtonGroup(this);
    m_unsettled = new QButtonGroup(this);
    auto* options = new QHBoxLayout;
    options->addWidget(optionGroup(engine_text::adjustingGroup(), adjusting, m_adjusting,
                                   QStringLiteral("adjusting"), this));
    options->addWidget(optionGroup(engine_text::unsettledGroup(),
                                   {engine_text::include(), engine_text::excludeUnsettled()}, m_unsettled,
                                   QStringLiteral("unsettled"), this));
    layout->addLayout(options);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_run = new QPushButton(engine_text::runButton(), this);
    m_run->setObjectName(QStringLiteral("run"));
    m_run->setDefault(true);
    auto* cancel = new QPushButton(engine_text::cancelButton(), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    buttons->addWidget(m_run);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_run, &QPushButton::clicked, this, &PeriodDialog::run);
    connect(cancel, &QPushButton::clicked, this, &PeriodDialog::reject);
}

PeriodDialog::DateBoxes PeriodDialog::addDateRow(QGridLayout* grid, int row, const QString& caption,
                                                 const QString& name) {
    DateBoxes boxes;
    boxes.year = spinBox(1990, 2999, name + QStringLiteral("Year"), this);
    boxes.month = spinBox(1, 12, name + QStringLiteral("Month"), this);
    boxes.day = spinBox(1, 31, name + QStringLiteral("Day"), this);
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(boxes.year, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("年"), this), row, 2);
    grid->addWidget(boxes.month, row, 3);
    grid->addWidget(new QLabel(QStringLiteral("月"), this), row, 4);
    grid->addWidget(boxes.day, row, 5);
    grid->addWidget(new QLabel(QStringLiteral("日"), this), row, 6);
    for (QSpinBox* box : {boxes.year, boxes.month, boxes.day})
        connect(box, &QSpinBox::valueChanged, this, &PeriodDialog::updateDateHint);
    return boxes;
}

void PeriodDialog::setDate(const DateBoxes& boxes, const QDate& date) {
    if (!date.isValid())
        return;
    boxes.year->setValue(date.year());
    boxes.month->setValue(date.month());
    boxes.day->setValue(date.day());
}

DateEntry PeriodDialog::entryOf(const DateBoxes& boxes) {
    return {boxes.year->value(), boxes.month->value(), boxes.day->value()};
}

void PeriodDialog::refresh() {
    const QDate start = m_session.fiscalYearStart;
    m_fiscalStart->setText(engine_text::fiscalStartLabel() + start.toString(QStringLiteral("yyyy/MM/dd")));
    const PeriodChoice stored = storedPeriodChoice(m_session);
    setDate(m_from, m_variant == Variant::Monthly ? start : stored.from);
    setDate(m_to, stored.to);
    m_openedAdjusting = m_adjusting->checkedId();
    m_openedUnsettled = m_unsettled->checkedId();
    m_run->setEnabled(true);
    updateDateHint();
}

void PeriodDialog::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

PeriodChoice PeriodDialog::currentChoice() const {
    PeriodChoice choice;
    choice.from = m_variant == Variant::Monthly ? m_session.fiscalYearStart
                                                : dateFromEntry(entryOf(m_from), engine_text::fromLabel());
    choice.to = dateFromEntry(entryOf(m_to), engine_text::toLabel());
    choice.adjustingMode = m_adjusting->checkedId();
    choice.unsettledMode = m_unsettled->checkedId();
    return choice;
}

void PeriodDialog::updateDateHint() {
    try {
        checkPeriodChoice(currentChoice());
        m_dateHint->clear();
    } catch (const K9Error& e) {
        m_dateHint->setText(e.message());
    }
}

void PeriodDialog::run() {
    PeriodChoice choice;
    try {
        choice = currentChoice();
        checkPeriodChoice(choice);
    } catch (const K9Error& e) {
        m_prompter.warning(e.message());
        return;
    }
    bool done = false;
    m_run->setEnabled(false);
    m_run->repaint();
    try {
        BusyCursor busy;
        if (m_variant == Variant::Monthly)
            storeMonthlyPeriod(m_session, choice);
        else
            runTotals(m_session, choice);
        done = true;
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    m_run->setEnabled(true);
    if (done)
        accept();
    else
        QDialog::reject();
}

void PeriodDialog::reject() {
    if (QAbstractButton* b = m_adjusting->button(m_openedAdjusting))
        b->setChecked(true);
    if (QAbstractButton* b = m_unsettled->button(m_openedUnsettled))
        b->setChecked(true);
    QDialog::reject();
}

} // namespace k9
