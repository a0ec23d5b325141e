// SPDX-License-Identifier: GPL-3.0-or-later
// Tshisanhyou2, the sub-account totals (補助科目集計) opened from the trial balance: an account
// chooser (every account with sub-accounts, or all of them), the sub-accounts' figures and
// their sums, the printout 補助科目による金額集計 and the spreadsheet export.
#pragma once

#include "reports/trialbalance.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTableView;

namespace k9 {

class Prompter;
class SheetTableModel;
struct Session;

class Tshisanhyou2 : public QDialog {
    Q_OBJECT
public:
    // `accountCode` presets the chooser; "00000" (or a code without sub-accounts) shows all.
    Tshisanhyou2(Session& session, Prompter& prompter, const QString& accountCode, QWidget* parent = nullptr);

    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }

    QString chosenCode() const;
    void choose(const QString& accountCode);
    const SubAccountTotals& totals() const { return m_totals; }
    QTableView* grid() const { return m_grid; }
    // The sums under the grid as shown: 前残高, 借方, 貸方, 残高, 残高合計.
    QStringList sumTexts() const;

    void print();
    void exportSpreadsheet();

private:
    void fill();

    Session& m_session;
    Prompter& m_prompter;
    ReportPresenter m_presenter;
    std::vector<SubAccountChoice> m_choices;
    SubAccountTotals m_totals;
    QComboBox* m_chooser = nullptr;
    QTableView* m_grid = nullptr;
    SheetTableModel* m_model = nullptr;
    std::vector<QLineEdit*> m_sums;
};

} // namespace k9
