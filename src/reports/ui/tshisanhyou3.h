// SPDX-License-Identifier: GPL-3.0-or-later
// Tshisanhyou3, the description totals of one account (摘要名による集計): the engine's
// description summary by group with the sums, the printout of the groups, the printout of
// the journal lines of the current group (仕訳明細印刷) and the spreadsheet export. The
// journal detail is read when the screen opens and kept in memory, so the work folder's
// property-inventory list is left as the totals run built it.
#pragma once

#include "reports/trialbalance.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableView;

namespace k9 {

class Prompter;
class SheetTableModel;
struct Session;

class Tshisanhyou3 : public QDialog {
    Q_OBJECT
public:
    Tshisanhyou3(Session& session, Prompter& prompter, const QString& accountCode, const QString& accountName,
                 QWidget* parent = nullptr);

    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }

    QString heading() const;
    const DescriptionTotals& totals() const { return m_totals; }
    const std::vector<DescriptionDetailLine>& detail() const { return m_detail; }
    QTableView* grid() const { return m_grid; }
    QStringList sumTexts() const;

    void print();       // 印      刷
    void printDetail(); // 仕訳明細印刷: the current row's group
    void exportSpreadsheet();

private:
    Session& m_session;
    Prompter& m_prompter;
    QString m_code;
    QString m_name;
    ReportPresenter m_presenter;
    DescriptionTotals m_totals;
    std::vector<DescriptionDetailLine> m_detail;
    QLabel* m_heading = nullptr;
    QTableView* m_grid = nullptr;
    SheetTableModel* m_model = nullptr;
    std::vector<QLineEdit*> m_sums;
};

} // namespace k9
