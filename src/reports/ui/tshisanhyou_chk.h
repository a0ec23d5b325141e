// SPDX-License-Identifier: GPL-3.0-or-later
// Tshisanhyou_CHK, the check list 損益科目と資金科目のチェック一覧: every activity account with its
// debits and credits beside those of its fund-statement line and the differences, and the
// printout Tshisanhyou_CHK_Rep.
#pragma once

#include "reports/trialbalance.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>

class QTableView;

namespace k9 {

class Prompter;
class SheetTableModel;
struct Session;

class Tshisanhyou_CHK : public QDialog {
    Q_OBJECT
public:
    Tshisanhyou_CHK(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }
    const std::vector<FundCheckLine>& lines() const { return m_lines; }
    QTableView* grid() const { return m_grid; }

    void print(); // 印　　　刷

private:
    Session& m_session;
    ReportPresenter m_presenter;
    std::vector<FundCheckLine> m_lines;
    QTableView* m_grid = nullptr;
    SheetTableModel* m_model = nullptr;
};

} // namespace k9
