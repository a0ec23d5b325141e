// SPDX-License-Identifier: GPL-3.0-or-later
// The period dialogs shown before the ledgers and statements: two dates as year, month and
// day spin boxes, the fiscal-year start, and the two voucher options. "実    行" hands the
// choice to the engine layer (runTotals, or storeMonthlyPeriod for the monthly totals) and
// closes with Accepted only when that succeeded. The main window creates each dialog once
// and keeps it, so the option choices stay as the user left them; the dates are re-read
// from the work Head every time the dialog opens.
#pragma once

#include "engine/runtotals.h"

#include <QDialog>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

namespace k9 {

class Prompter;
struct Session;

class PeriodDialog : public QDialog {
    Q_OBJECT
public:
    enum class Variant {
        Statements, // Tkikan: 含める / 整理伝票は除く; runs the engines
        Ledgers,    // Tkikan1B: 含める / 整理伝票を除く / 整理伝票のみ; runs the engines
        Monthly,    // TkikanD: the period starts at the fiscal-year start; no engine run
    };

    PeriodDialog(Variant variant, Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // The choice the widgets hold now. Raises PeriodError for an impossible date.
    PeriodChoice currentChoice() const;
    // Loads the stored period and the fiscal-year start into the widgets.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void run();
    void updateDateHint();

public slots:
    void reject() override;

private:
    struct DateBoxes {
        QSpinBox* year = nullptr;
        QSpinBox* month = nullptr;
        QSpinBox* day = nullptr;
    };
    DateBoxes addDateRow(QGridLayout* grid, int row, const QString& caption, const QString& name);
    static void setDate(const DateBoxes& boxes, const QDate& date);
    static DateEntry entryOf(const DateBoxes& boxes);

    Variant m_variant;
    Session& m_session;
    Prompter& m_prompter;
    QLabel* m_fiscalStart = nullptr;
    QLabel* m_dateHint = nullptr;
    DateBoxes m_from;
    DateBoxes m_to;
    QButtonGroup* m_adjusting = nullptr;
    QButtonGroup* m_unsettled = nullptr;
    QPushButton* m_run = nullptr;
    // The option choices when the dialog opened, restored by cancel.
    int m_openedAdjusting = 0;
    int m_openedUnsettled = 0;
};

} // namespace k9
