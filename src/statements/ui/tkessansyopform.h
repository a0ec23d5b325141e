// SPDX-License-Identifier: GPL-3.0-or-later
// TkessansyoPForm, the print dialog of the statements (決算書の印刷): the statement, the
// zero-line, 大科目 and range choices, shading, page numbers from a first page number, row
// height and the two font sizes, kept in Regist row 201 from one opening to the next.
// "印　刷　Ａ" previews any statement; "印　刷　Ｂ", "印　刷　Ｃ" (breakdown by description) and
// "印　刷　D" (budget columns) the receipts-and-payments statement.
#pragma once

#include "reports/ui/reportpreview.h"
#include "statements/statements.h"
#include "statements/statementsprint.h"

#include <QDialog>

class QButtonGroup;
class QPushButton;
class QSpinBox;

namespace k9 {

class Prompter;
class PrintLookControls;
struct Session;

class TkessansyoPForm : public QDialog {
    Q_OBJECT
public:
    enum class Layout { A, B, C, D };

    // Loads the settings of Regist row 201; `statement` presets the statement choice.
    TkessansyoPForm(Session& session, Prompter& prompter, const Statements& st, StatementKind statement,
                    QWidget* parent = nullptr);

    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }

    StatementKind statement() const;
    void setStatement(StatementKind statement);
    StatementPrintSettings settings() const;
    void setSettings(const StatementPrintSettings& settings);
    // Whether the choices that depend on others are on screen.
    bool majorZeroShown() const;
    bool firstPageShown() const;
    bool fundLayoutsShown() const; // 印　刷　Ｂ, Ｃ and D

    // Previews the layout of the chosen statement; layouts B to D only for 収支計算書.
    void print(Layout layout);

    // Closing stores the settings in Regist row 201 (not in view-only mode).
    void done(int result) override;

private:
    void updateVisibility();

    Session& m_session;
    Prompter& m_prompter;
    const Statements& m_st;
    ReportPresenter m_presenter;
    int m_pageBreak = 1; // "改ページ": never on screen, kept as stored
    QButtonGroup* m_statement = nullptr;
    PrintLookControls* m_look = nullptr;
    QButtonGroup* m_range = nullptr;
    QButtonGroup* m_pageNumbers = nullptr;
    QWidget* m_firstPageBox = nullptr;
    QSpinBox* m_firstPage = nullptr;
    QPushButton* m_printB = nullptr;
    QPushButton* m_printC = nullptr;
    QPushButton* m_printD = nullptr;
};

} // namespace k9
