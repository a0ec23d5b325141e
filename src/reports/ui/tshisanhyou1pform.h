// SPDX-License-Identifier: GPL-3.0-or-later
// Tshisanhyou1PForm, the print dialog of the trial balance: the statement (or the three in
// turn), the zero-line, 大科目 and small-account choices, shading, row height and the two font
// sizes, kept in Regist row 202 from one opening to the next; "印　刷　Ａ" previews layout A,
// "印　刷　Ｂ" the balance sheet or the net-assets statement with sub-accounts.
#pragma once

#include "reports/trialbalance.h"
#include "reports/trialbalanceprint.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>

class QButtonGroup;
class QPushButton;

namespace k9 {

class Prompter;
class PrintLookControls;
struct Session;

class Tshisanhyou1PForm : public QDialog {
    Q_OBJECT
public:
    // Statement choices: 0 貸借対照表, 1 正味財産増減計算書, 2 収支計算書, 3 ３表連の続印刷.
    static constexpr int kAllThree = 3;

    // Loads the settings of Regist row 202; `statement` presets the statement choice.
    Tshisanhyou1PForm(Session& session, Prompter& prompter, const TrialBalance& tb, int statement,
                      QWidget* parent = nullptr);

    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }

    int statement() const;
    void setStatement(int statement);
    TrialPrintSettings settings() const;
    void setSettings(const TrialPrintSettings& settings);
    bool layoutBAvailable() const;
    bool majorZeroShown() const;

    void printA(); // 印　刷　Ａ
    void printB(); // 印　刷　Ｂ

    // Closing stores the settings in Regist row 202 (not in view-only mode).
    void done(int result) override;

private:
    void updateVisibility();
    void present(bool layoutB);

    Session& m_session;
    Prompter& m_prompter;
    const TrialBalance& m_tb;
    ReportPresenter m_presenter;
    QButtonGroup* m_statement = nullptr;
    PrintLookControls* m_look = nullptr;
    QButtonGroup* m_smallAccounts = nullptr;
    QPushButton* m_printB = nullptr;
};

} // namespace k9
