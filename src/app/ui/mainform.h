// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up (login, data folder, Init), the three menu tabs, the unit list
// "会計の選択" and one dispatch function per menu button. The window holds no accounting
// rule: it applies what app/startup.h, app/login.h, app/init.h and app/unitselection.h
// decide, and opens the screens registered in MenuScreens.
#pragma once

#include "app/ui/menuscreens.h"
#include "app/unitselection.h"

#include <QDate>
#include <QMainWindow>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace k9 {

class Prompter;
struct Session;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    enum Tab { SettingsTab = 0, MainTab = 1, ToolsTab = 2 };

    TMainForm(Session& session, Prompter& prompter, MenuScreens screens, QWidget* parent = nullptr);

    // The start-up sequence, run once when the window first becomes active: the program
    // folder check, the login, the corporation name, the data folder, Init and the view-only
    // lock. Returns false when the program must end; the window is then closed.
    bool activate();
    // Brings the window to the front; a second start of the program asks for this.
    void raiseWindow();
    // The date Init and the data-path dialog take as today (the current date unless set).
    void setToday(const QDate& today) { m_today = today; }

    // Init and the refill of the unit list; shows the check-the-path message on failure.
    void runInit();

    int selectedUnitEntry() const;
    const MainMenuState& menuState() const { return m_menu; }
    QTabWidget* tabs() const { return m_tabs; }

    // Menu actions, one per button. Those that need a unit are only reached with a unit
    // selected; each restores the current directory to AppDir afterwards.
    void openSettings();
    void openOpeningBalances();
    void openBudget();
    void openChartOfAccounts();
    void openAllocation();
    void openUnitRegister();
    void openDataPath();
    void openPreviousYear();
    void openTransferEntry();
    void openCashEntry();
    void openGeneralLedger();
    void openFundLedger();
    void openTrialBalance();
    void openMonthlyTotals();
    void openStatements();
    void openQuarterlyReport();
    void runConsolidation();
    void openSummary();
    void openConsumptionTax();
    void openBackup();
    void openFiscalYearList();
    void openNewFiscalYear();
    void repairDamagedFiles();
    void runRepair();
    void openUnitDataExchange();
    void openConversionCsv();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct MenuButton {
        QPushButton* widget = nullptr;
        bool needsUnit = false;
        bool lockedWhenViewOnly = false;
        bool available = false;
        void (TMainForm::*action)() = nullptr;
    };

    QPushButton* addMenuButton(const QString& caption, const QString& hint, bool needsUnit,
                               bool lockedWhenViewOnly, void (TMainForm::*action)(), bool available);
    QWidget* buildSettingsTab();
    QWidget* buildMainTab();
    QWidget* buildToolsTab();
    void runMenuAction(const MenuButton& button);
    void runScreen(const MenuScreens::Screen& screen);
    void unitClicked(int entry);
    void leaveUnitList();
    void tabChanged(int index);
    void setUnitEntries(const std::vector<QString>& names);
    void selectUnitEntry(int entry);
    void applyMenuState();
    void updateButtonStates();
    bool cashEntryHidden();
    QDate today() const;

    Session& m_session;
    Prompter& m_prompter;
    MenuScreens m_screens;
    QDate m_today;
    bool m_activated = false;
    MainMenuState m_menu;
    std::vector<MenuButton> m_buttons;
    std::vector<QString> m_unitTexts;

    QLabel* m_corporationLabel = nullptr;
    QLabel* m_pathLabel = nullptr;
    QTabWidget* m_tabs = nullptr;
    QGroupBox* m_unitBox = nullptr;
    QButtonGroup* m_unitGroup = nullptr;
    std::vector<QRadioButton*> m_unitEntries;
    QPushButton* m_transferEntry = nullptr;
    QPushButton* m_cashEntry = nullptr;
    QPushButton* m_consolidation = nullptr;
    QPushButton* m_summary = nullptr;
    QWidget* m_reportPanel = nullptr;
    QWidget* m_unitDataPanel = nullptr;
};

} // namespace k9
