// SPDX-License-Identifier: GPL-3.0-or-later
// Tshisanhyou1, the trial balance screen (試算表): the totals engine's figures of the selected
// unit in three tabs (balance sheet, statement of changes in net assets, receipts and
// payments) with the check pair of the shown tab in the bottom panel; the period change
// through Tkikan1B, the zero-line choice, the spreadsheet export, the sub-account and
// description totals, the print dialog and the activity-versus-fund check. The figures come
// from reports/trialbalance.h.
#pragma once

#include "reports/trialbalance.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace k9 {

class Prompter;
class SheetTableModel;
struct Session;

class Tshisanhyou1 : public QDialog {
    Q_OBJECT
public:
    Tshisanhyou1(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // How "集計期間の変更" asks for a new period: true when the period dialog ran the totals.
    // The program opens Tkikan1B.
    void setPeriodChanger(std::function<bool(QWidget*)> changer) { m_changePeriod = std::move(changer); }
    // How printouts are shown: the preview dialog in the program.
    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }
    // How the other screens of this one are opened (sub-account and description totals, the
    // print dialog and the check list); tests replace it to inspect them without a modal loop.
    void setScreenRunner(std::function<void(QDialog&)> runner) { m_runScreen = std::move(runner); }

    const TrialBalance& trialBalance() const { return m_tb; }
    TrialTab currentTab() const;
    QTableView* grid(TrialTab tab) const;
    // The two boxes of the bottom panel: captions and values as shown.
    QString leftCaption() const;
    QString rightCaption() const;
    QString leftValue() const;
    QString rightValue() const;

    // Reads the figures again and refills the grids and the panel.
    void reload();
    void setShowZeroLines(bool show);

    void changePeriod();      // 集計期間の変更
    void exportSpreadsheet(); // エクセル出力
    void openSubAccounts();   // 補助科目集計
    void openDescriptions();  // 摘要名集計
    void openPrintDialog();   // 印　　刷
    void openFundCheck();     // P/LとC/Fの点検

private:
    void fillGrids();
    void fillPanel();
    const TrialLine* currentLine() const;

    Session& m_session;
    Prompter& m_prompter;
    TrialBalance m_tb;
    bool m_showZero = true;
    std::function<bool(QWidget*)> m_changePeriod;
    ReportPresenter m_presenter;
    std::function<void(QDialog&)> m_runScreen;
    std::vector<std::vector<TrialLine>> m_shown;

    QLabel* m_period = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_grids[kTrialTabCount] = {};
    SheetTableModel* m_models[kTrialTabCount] = {};
    QLabel* m_leftCaption = nullptr;
    QLabel* m_rightCaption = nullptr;
    QLineEdit* m_leftValue = nullptr;
    QLineEdit* m_rightValue = nullptr;
    QRadioButton* m_zeroShow = nullptr;
    QRadioButton* m_zeroHide = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_subAccounts = nullptr;
    QPushButton* m_descriptions = nullptr;
};

} // namespace k9
