// SPDX-License-Identifier: GPL-3.0-or-later
// Tkessansyo1, the statements screen (決算書): the balance sheet, the statement of changes in
// net assets and the receipts-and-payments statement of the selected unit in three tabs,
// with the figures of the last period dialog run; the zero-line choice, the spreadsheet
// export, the footnote editor and the print dialog. The rows come from statements/statements.h.
#pragma once

#include "reports/ui/reportpreview.h"
#include "statements/statements.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace k9 {

class Prompter;
class SheetTableModel;
struct Session;

class Tkessansyo1 : public QDialog {
    Q_OBJECT
public:
    Tkessansyo1(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // How printouts are shown: the preview dialog in the program.
    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }
    // How the footnote editor and the print dialog are run; tests replace it to work them
    // without a modal loop.
    void setScreenRunner(std::function<void(QDialog&)> runner) { m_runScreen = std::move(runner); }

    const Statements& statements() const { return m_st; }
    StatementKind currentStatement() const;
    void setCurrentStatement(StatementKind kind);
    QTableView* grid(StatementKind kind) const;

    // Reads the figures again and refills the grids.
    void reload();
    // "０円科目の表示": "する" (true) shows every line, "しない" only lines with figures.
    void setShowZeroLines(bool show);

    void exportSpreadsheet(); // エクセル出力
    void openFootnotes();     // 決算書脚注
    void openPrintDialog();   // 印　　刷

private:
    void fillGrids();

    Session& m_session;
    Prompter& m_prompter;
    Statements m_st;
    bool m_showZero = true;
    ReportPresenter m_presenter;
    std::function<void(QDialog&)> m_runScreen;

    QLabel* m_period = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_grids[kStatementCount] = {};
    SheetTableModel* m_models[kStatementCount] = {};
    QRadioButton* m_zeroShow = nullptr;
    QRadioButton* m_zeroHide = nullptr;
    QPushButton* m_export = nullptr;
};

} // namespace k9
