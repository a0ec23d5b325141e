// SPDX-License-Identifier: GPL-3.0-or-later
// The chart editor (勘定科目の設定): the accounts (kamoku) and fund-statement lines
// (kamoku2) of the data folder, or of the chart template being customised, edited in two
// grids with a record navigator; sub-account set-up; the code jump from an account to its
// fund-statement lines; and, on closing, the propagation of the chart to every unit.
#pragma once

#include "chart/chartsync.h"
#include "store/database.h"

#include <QDialog>
#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace k9 {

class ChartGrid;
class ChartTableModel;
class Prompter;
struct Session;

class Tkamoku : public QDialog {
    Q_OBJECT
public:
    // Opens on the data folder, or on the template folder Session::templateDir when it is
    // set (then the sub-account panel stays hidden and closing propagates nothing). The
    // transfer role FlgG 30 is given on opening. In view-only mode nothing can be changed.
    Tkamoku(Session& session, Prompter& prompter, QWidget* parent = nullptr);
    ~Tkamoku() override;

    // Closing posts a pending edit in either grid (a refused post keeps the window open),
    // then, for the data folder, brings every unit's masters in step behind a progress
    // window.
    void done(int result) override;

    // The parts a caller or a test reaches.
    ChartTableModel* accounts() const { return m_accounts.get(); }
    ChartTableModel* fundLines() const { return m_fundLines.get(); }
    ChartGrid* accountGrid() const { return m_accountGrid; }
    ChartGrid* fundLineGrid() const { return m_fundGrid; }
    QTabWidget* tabs() const { return m_tabs; }
    bool editsTemplate() const { return m_template; }
    // The choice "部門別の科目名称".
    UnitSubAccountNames subAccountNames() const;
    // The code the jump buttons search for.
    const QString& jumpKey() const { return m_jumpKey; }

    // What the sub-account set-up opens: the sub-account editor on the edited folder for
    // one account, with a code hint (empty: none shown).
    struct SubAccountRequest {
        QString accountCode;
        QString hint;
    };
    // Replaces the opening of the sub-account editor (tests record the requests).
    void setSubAccountOpener(std::function<void(const SubAccountRequest&)> opener);
    // Replaces the per-unit names step ("会計別名称変更") for the account code given.
    void setPerUnitNamesOpener(std::function<void(const QString&)> opener);

private:
    void buildWindow();
    QWidget* buildAccountsTab();
    QWidget* buildFundLinesTab();
    QWidget* buildNavigator();
    QWidget* buildCodeJump();
    QWidget* buildLaterTools();
    QPushButton* button(const QString& text, const char* objectName);

    ChartGrid* activeGrid() const;
    ChartTableModel* activeModel() const;
    bool leaveLine(ChartGrid* grid, int row);
    void lineChanged(ChartGrid* grid, const QModelIndex& current, const QModelIndex& previous);
    void updateNavigator();
    void updateSubAccountPanel();
    void updatePerUnitChoice();

    void navigate(int how);
    void insertLine();
    void deleteLine();
    void editLine();
    void postLine();
    void cancelLine();

    void jump(bool towardEnd);
    void accountDoubleClicked(const QModelIndex& index);
    void subAccountSetUpClicked();
    void perUnitNamesClicked();
    void showAttributeHelp();
    void exportTab(ChartGrid* grid, const QString& title);
    bool postPendingEdits();
    void propagate();

    void openSubAccountEditor(const SubAccountRequest& request);
    void openPerUnitNames(const QString& accountCode);
    // The sub-account editor THojokamoku on the edited folder.
    void openSubAccountEditorScreen(const SubAccountRequest& request);
    // "会計別名称変更": the units' rows are seeded, then Tkamoku_hojo opens.
    void openPerUnitNamesScreen(const QString& accountCode);

    Session& m_session;
    Prompter& m_prompter;
    Database m_templateDb;
    Database* m_chart = nullptr;
    bool m_template = false;
    bool m_readOnly = false;
    bool m_loaded = false;
    bool m_closing = false;
    bool m_restoringLine = false;
    int m_taxMethod = 0;
    QString m_jumpKey;

    std::unique_ptr<ChartTableModel> m_accounts;
    std::unique_ptr<ChartTableModel> m_fundLines;
    std::function<void(const SubAccountRequest&)> m_subAccountOpener;
    std::function<void(const QString&)> m_perUnitNamesOpener;

    QTabWidget* m_tabs = nullptr;
    ChartGrid* m_accountGrid = nullptr;
    ChartGrid* m_fundGrid = nullptr;
    QWidget* m_subAccountPanel = nullptr;
    QRadioButton* m_namesPerUnit = nullptr;
    QRadioButton* m_namesCommon = nullptr;
    QPushButton* m_perUnitNamesButton = nullptr;
    QLabel* m_perUnitNamesLabel = nullptr;
    QPushButton* m_navButtons[9] = {};
};

} // namespace k9
