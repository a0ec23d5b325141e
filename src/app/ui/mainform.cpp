// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/mainform.h"

#include "app/init.h"
#include "app/login.h"
#include "app/messages.h"
#include "app/startup.h"
#include "store/captions.h"
#include "store/prompter.h"
#include "store/schema.h"
#include "store/session.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace k9 {
namespace {

constexpr int kUnitEntries = 20;
constexpr int kButtonHeight = 40;
constexpr int kButtonWidth = 170;

QLabel* textLines(const QStringList& lines, QWidget* parent) {
    auto* label = new QLabel(lines.join(QLatin1Char('\n')), parent);
    label->setWordWrap(false);
    return label;
}

} // namespace

TMainForm::TMainForm(Session& session, Prompter& prompter, MenuScreens screens, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_prompter(prompter), m_screens(std::move(screens)) {
    setWindowTitle(QStringLiteral("新公益法人会計K9"));
    m_session.setCurrentUnit(-1, QString());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* banner = new QLabel(QStringLiteral("公益法人かなめ会計[K9]"), central);
    banner->setObjectName(QStringLiteral("banner"));
    QFont bannerFont = banner->font();
    bannerFont.setPointSizeF(bannerFont.pointSizeF() * 2.0);
    bannerFont.setBold(true);
    banner->setFont(bannerFont);
    layout->addWidget(banner);

    auto* identity = new QHBoxLayout;
    m_corporationLabel = new QLabel(central);
    m_corporationLabel->setObjectName(QStringLiteral("corporationName"));
    QFont corpFont = m_corporationLabel->font();
    corpFont.setPointSizeF(corpFont.pointSizeF() * 1.4);
    m_corporationLabel->setFont(corpFont);
    identity->addWidget(m_corporationLabel, 1);
    identity->addWidget(new QLabel(QStringLiteral("最新更新日2016年04月25日"), central));
    layout->addLayout(identity);

    m_tabs = new QTabWidget(central);
    m_tabs->addTab(buildSettingsTab(), QStringLiteral("初期設定メニュー"));
    m_tabs->addTab(buildMainTab(), QStringLiteral("メインメニュー"));
    m_tabs->addTab(buildToolsTab(), QStringLiteral("補助作業メニュー"));
    m_tabs->setCurrentIndex(MainTab);
    connect(m_tabs, &QTabWidget::currentChanged, this, &TMainForm::tabChanged);
    layout->addWidget(m_tabs, 1);

    setCentralWidget(central);
    setUnitEntries({});
    applyMenuState();
    updateButtonStates();
}

QPushButton* TMainForm::addMenuButton(const QString& caption, const QString& hint, bool needsUnit,
                                      bool lockedWhenViewOnly, void (TMainForm::*action)(), bool available) {
    auto* button = new QPushButton(caption);
    button->setMinimumSize(kButtonWidth, kButtonHeight);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    const size_t index = m_buttons.size();
    m_buttons.push_back({button, needsUnit, lockedWhenViewOnly, available || needsUnit, action});
    connect(button, &QPushButton::clicked, this, [this, index] { runMenuAction(m_buttons[index]); });
    return button;
}

QWidget* TMainForm::buildSettingsTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    const auto& s = m_screens;
    grid->addWidget(addMenuButton(QStringLiteral("会計期首"), {}, false, true, &TMainForm::openSettings,
                                  bool(s.settings)),
                    0, 0);
    grid->addWidget(addMenuButton(QStringLiteral("繰越金設定"), {}, false, true,
                                  &TMainForm::openOpeningBalances, bool(s.openingBalances)),
                    1, 0);
    grid->addWidget(
        addMenuButton(QStringLiteral("予算設定"), {}, false, true, &TMainForm::openBudget, bool(s.budget)), 2,
        0);
    grid->addWidget(addMenuButton(QStringLiteral("前年度実績"), {}, false, true, &TMainForm::openPreviousYear,
                                  bool(s.previousYear)),
                    3, 0);
    grid->addWidget(addMenuButton(QStringLiteral("勘定科目設定"),
                                  QStringLiteral("勘定科目のカスタマイズが出来ます。"), false, true,
                                  &TMainForm::openChartOfAccounts, bool(s.chartOfAccounts)),
                    0, 1);
    grid->addWidget(addMenuButton(QStringLiteral("按 分 割 合"),
                                  QStringLiteral("不要の場合は、何もしないでください。"), false, true,
                                  &TMainForm::openAllocation, bool(s.allocation)),
                    1, 1);
    grid->addWidget(addMenuButton(QStringLiteral("部門登録"),
                                  QStringLiteral("会計部門（経理区分）等を設定します。"), false, true,
                                  &TMainForm::openUnitRegister, bool(s.unitRegister)),
                    2, 1);
    grid->addWidget(addMenuButton(QStringLiteral("データパス名"),
                                  QStringLiteral("データの保存先を設定します。"), false, false,
                                  &TMainForm::openDataPath, bool(s.dataPath)),
                    3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    return tab;
}

QWidget* TMainForm::buildMainTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const auto& s = m_screens;

    auto* top = new QHBoxLayout;
    m_pathLabel = new QLabel(dataPathCaption(m_session.dataPath), tab);
    m_pathLabel->setObjectName(QStringLiteral("dataPathLabel"));
    top->addWidget(m_pathLabel, 1);
    auto* close = new QPushButton(QStringLiteral("終　　了"), tab);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setMinimumHeight(kButtonHeight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    top->addWidget(close);
    layout->addLayout(top);

    auto* body = new QHBoxLayout;
    m_unitBox = new QGroupBox(QStringLiteral("会計の選択"), tab);
    m_unitBox->setToolTip(QStringLiteral("処理したい会計を選択してください。"));
    m_unitGroup = new QButtonGroup(this);
    auto* unitGrid = new QGridLayout(m_unitBox);
    // Every entry as tall as a named one, so the list keeps its rows whatever is registered.
    const int entryHeight = QRadioButton(QStringLiteral("合　計")).sizeHint().height();
    for (int i = 0; i < kUnitEntries; ++i) {
        auto* entry = new QRadioButton(m_unitBox);
        entry->setMinimumHeight(entryHeight);
        entry->setObjectName(QStringLiteral("unitEntry%1").arg(i));
        entry->setToolTip(m_unitBox->toolTip());
        entry->setMinimumWidth(150);
        entry->installEventFilter(this);
        m_unitGroup->addButton(entry, i);
        unitGrid->addWidget(entry, i % 10, i / 10);
        m_unitEntries.push_back(entry);
    }
    unitGrid->setRowStretch(10, 1);
    connect(m_unitGroup, &QButtonGroup::idClicked, this, &TMainForm::unitClicked);
    body->addWidget(m_unitBox, 1);

    // The button column keeps its width whichever buttons the chosen unit shows.
    auto* side = new QWidget(tab);
    side->setFixedWidth(2 * kButtonWidth + 40);
    auto* buttons = new QVBoxLayout(side);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_transferEntry = addMenuButton(QStringLiteral("振替仕訳入力"), {}, true, true,
                                    &TMainForm::openTransferEntry, bool(s.transferEntry));
    m_cashEntry = addMenuButton(QStringLiteral("現金・預金入力"), {}, true, true, &TMainForm::openCashEntry,
                                bool(s.cashEntry));
    m_consolidation = addMenuButton(QStringLiteral("合計処理"), {}, true, false, &TMainForm::runConsolidation,
                                    bool(s.consolidation));
    buttons->addWidget(m_transferEntry);
    buttons->addWidget(m_cashEntry);
    buttons->addWidget(m_consolidation);

    auto* reports = new QFrame(tab);
    reports->setObjectName(QStringLiteral("reportPanel"));
    reports->setFrameShape(QFrame::StyledPanel);
    auto* reportGrid = new QGridLayout(reports);
    reportGrid->addWidget(addMenuButton(QStringLiteral("総勘定元帳"), {}, true, false,
                                        &TMainForm::openGeneralLedger, bool(s.generalLedger)),
                          0, 0);
    reportGrid->addWidget(addMenuButton(QStringLiteral("資金収支元帳"), {}, true, false,
                                        &TMainForm::openFundLedger, bool(s.fundLedger)),
                          0, 1);
    reportGrid->addWidget(addMenuButton(QStringLiteral("試  算  表"), {}, true, false,
                                        &TMainForm::openTrialBalance, bool(s.trialBalance)),
                          1, 0);
    reportGrid->addWidget(addMenuButton(QStringLiteral("月別集計"), {}, true, false,
                                        &TMainForm::openMonthlyTotals, bool(s.monthlyTotals)),
                          1, 1);
    reportGrid->addWidget(addMenuButton(QStringLiteral("決  算  書"), {}, true, false,
                                        &TMainForm::openStatements, bool(s.statements)),
                          2, 0);
    reportGrid->addWidget(addMenuButton(QStringLiteral("四半期報告書"), {}, false, false,
                                        &TMainForm::openQuarterlyReport, bool(s.quarterlyReport)),
                          2, 1);
    m_reportPanel = reports;
    buttons->addWidget(reports);

    m_summary = addMenuButton(QStringLiteral("総　括　表"), {}, true, false, &TMainForm::openSummary,
                              bool(s.summary));
    buttons->addWidget(m_summary);
    buttons->addWidget(addMenuButton(QStringLiteral("消費税計算"), {}, true, false,
                                     &TMainForm::openConsumptionTax,
                                     bool(s.taxCollection) || bool(s.taxClassSummary)));
    buttons->addWidget(addMenuButton(QStringLiteral("バックアップコピー"), {}, false, true,
                                     &TMainForm::openBackup, bool(s.backup)));
    buttons->addWidget(addMenuButton(QStringLiteral("会計の登録＆変更"), {}, false, false,
                                     &TMainForm::openFiscalYearList, bool(s.fiscalYearList)));
    buttons->addStretch();
    body->addWidget(side);
    layout->addLayout(body, 1);
    return tab;
}

QWidget* TMainForm::buildToolsTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const auto& s = m_screens;

    auto* newYear = new QHBoxLayout;
    newYear->addWidget(
        textLines({QStringLiteral("前年度の会計が確定するまではそのまま新年度の仕訳を入力してください。"),
                   QStringLiteral("前年度の会計が確定したら、新年度更新処理を実行してください。")},
                  tab),
        1);
    newYear->addWidget(addMenuButton(QStringLiteral("新年度更新処理"), {}, false, true,
                                     &TMainForm::openNewFiscalYear, bool(s.newFiscalYear)));
    layout->addLayout(newYear);

    auto* repair = new QHBoxLayout;
    repair->addWidget(
        textLines({QStringLiteral(
                       "データが何らかの原因で破損した場合、この処理を実行すると修復される場合もあります。"),
                   QStringLiteral(
                       "この処理を実行する場合は、一旦ソフトを終了して再起動した直後に実行してください。")},
                  tab),
        1);
    repair->addWidget(addMenuButton(QStringLiteral("破損ファイルの修復"), {}, false, true,
                                    &TMainForm::repairDamagedFiles, true));
    layout->addLayout(repair);

    auto* unitData = new QFrame(tab);
    unitData->setObjectName(QStringLiteral("unitDataPanel"));
    unitData->setFrameShape(QFrame::StyledPanel);
    auto* unitDataLayout = new QHBoxLayout(unitData);
    unitDataLayout->addWidget(
        new QLabel(QStringLiteral("部門別に入力したデータをインポートできます。"), unitData), 1);
    unitDataLayout->addWidget(addMenuButton(QStringLiteral("部門データの入力・出力"), {}, false, true,
                                            &TMainForm::openUnitDataExchange, bool(s.unitDataExchange)));
    m_unitDataPanel = unitData;
    layout->addWidget(unitData);

    auto* conversion = new QHBoxLayout;
    conversion->addStretch();
    conversion->addWidget(addMenuButton(QStringLiteral("Z8変換CSV出力"), {}, false, false,
                                        &TMainForm::openConversionCsv, bool(s.conversionCsv)));
    layout->addLayout(conversion);
    layout->addStretch();
    return tab;
}

QDate TMainForm::today() const {
    return m_today.isValid() ? m_today : QDate::currentDate();
}

bool TMainForm::activate() {
    if (m_activated)
        return true;
    m_activated = true;
    beginStartup(m_session);
    if (!hasProgramFolder(m_session.appDir)) {
        m_prompter.message(msg::noProgramFolder(), MessageIcon::Error);
        close();
        return false;
    }
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); // short dates as yyyy/MM/dd
    try {
        m_session.openProgramFolder();
        programFolderSchema(m_session.hm);
        const LoginData login = readLoginData(m_session);
        m_session.setViewOnly(false);
        std::optional<QString> typed = m_screens.password ? m_screens.password(this) : std::nullopt;
        if (!typed) {
            close();
            return false;
        }
        if (!applyLogin(m_session, login, *typed)) {
            m_prompter.message(msg::wrongPassword(), MessageIcon::Error);
            close();
            return false;
        }
        // A view-only login may not register anything, the corporation name included.
        if (m_session.corporationName.isEmpty() && m_session.viewOnly == 0 && m_screens.corporationName)
            m_screens.corporationName(this, m_session, m_prompter);
        m_corporationLabel->setText(m_session.corporationName);
        readProgramSettings(m_session);
        if (dataPathMissing(m_session)) {
            if (!m_screens.dataPath || !m_screens.dataPath(this, m_session, m_prompter)) {
                close();
                return false;
            }
            m_tabs->setCurrentIndex(SettingsTab);
        }
    } catch (const K9Error& e) {
        m_prompter.message(e.message(), MessageIcon::Error);
        close();
        return false;
    }
    QDir::setCurrent(m_session.appDir);
    runInit();
    updateButtonStates();
    tabChanged(m_tabs->currentIndex());
    return true;
}

void TMainForm::raiseWindow() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TMainForm::runInit() {
    InitResult result = k9::runInit(m_session, today());
    setUnitEntries(result.unitNames);
    selectUnitEntry(-1);
    if (!result.ok())
        m_prompter.message(result.message(), MessageIcon::Warning);
    m_pathLabel->setText(dataPathCaption(m_session.dataPath));
}

int TMainForm::selectedUnitEntry() const {
    return m_unitGroup->checkedId();
}

void TMainForm::setUnitEntries(const std::vector<QString>& names) {
    m_unitTexts.assign(kUnitEntries, QString());
    for (size_t i = 0; i < names.size() && i < m_unitTexts.size(); ++i)
        m_unitTexts[i] = names[i];
    for (int i = 0; i < kUnitEntries; ++i)
        m_unitEntries[i]->setText(m_unitTexts[i]);
}

void TMainForm::selectUnitEntry(int entry) {
    if (entry >= 0 && entry < kUnitEntries) {
        m_unitEntries[entry]->setChecked(true);
        return;
    }
    m_unitGroup->setExclusive(false);
    for (auto* e : m_unitEntries)
        e->setChecked(false);
    m_unitGroup->setExclusive(true);
}

bool TMainForm::cashEntryHidden() {
    try {
        return cashEntryButtonHidden(m_session.hm);
    } catch (const K9Error&) {
        return false;
    }
}

void TMainForm::unitClicked(int entry) {
    UnitClick click = clickUnitEntry(m_session, m_menu, entry, m_unitTexts[entry], cashEntryHidden());
    if (!click.selected) {
        selectUnitEntry(-1);
        if (!click.message.isEmpty())
            m_prompter.message(click.message, MessageIcon::Warning);
        return;
    }
    m_menu = click.menu;
    applyMenuState();
}

void TMainForm::leaveUnitList() {
    if (!m_session.aaa.isOpen() || !m_session.www.isOpen())
        return;
    const int entry = selectedUnitEntry();
    try {
        k9::leaveUnitList(m_session, entry, entry >= 0 ? m_unitTexts[entry] : QString());
    } catch (const K9Error& e) {
        m_prompter.message(e.message(), MessageIcon::Error);
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && m_unitBox->isAncestorOf(qobject_cast<QWidget*>(watched))) {
        QWidget* next = QApplication::focusWidget();
        if (next && isAncestorOf(next) && !m_unitBox->isAncestorOf(next))
            leaveUnitList();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::tabChanged(int index) {
    if (index != MainTab)
        return;
    selectUnitEntry(m_session.currentUnit);
    QWidget* focus = m_session.currentUnit >= 0 ? m_unitEntries[m_session.currentUnit] : m_unitEntries[0];
    focus->setFocus();
    m_menu = mainTabShown(m_session, m_menu, selectedUnitEntry(), cashEntryHidden());
    applyMenuState();
}

void TMainForm::applyMenuState() {
    m_transferEntry->setVisible(m_menu.transferEntryVisible);
    m_transferEntry->setFixedHeight(m_menu.transferEntryHeight);
    m_cashEntry->setVisible(m_menu.cashEntryVisible);
    m_consolidation->setVisible(m_menu.consolidationVisible);
    m_summary->setVisible(m_menu.summaryVisible);
    m_reportPanel->setVisible(m_menu.reportPanelVisible);
    m_unitDataPanel->setVisible(m_menu.unitDataPanelVisible);
}

void TMainForm::updateButtonStates() {
    const bool viewOnly = m_session.viewOnly == 1;
    for (const auto& b : m_buttons)
        b.widget->setEnabled(b.available && !(viewOnly && b.lockedWhenViewOnly));
}

void TMainForm::runMenuAction(const MenuButton& button) {
    leaveUnitList();
    if (button.needsUnit && !requireUnit(m_session, m_prompter))
        return;
    try {
        (this->*button.action)();
    } catch (const K9Error& e) {
        m_prompter.message(e.message(), MessageIcon::Error);
    }
    QDir::setCurrent(m_session.appDir);
}

void TMainForm::runScreen(const MenuScreens::Screen& screen) {
    if (!screen)
        return;
    screen(this, m_session, m_prompter);
    // A screen may select another unit (the voucher entry's unit drop-down): the menu's
    // selection follows, so the next report runs on the unit the menu shows.
    if (selectedUnitEntry() != m_session.currentUnit)
        selectUnitEntry(m_session.currentUnit);
}

void TMainForm::openSettings() {
    if (!m_screens.settings)
        return;
    runScreen(m_screens.settings);
    m_corporationLabel->setText(m_session.corporationName);
}

void TMainForm::openOpeningBalances() {
    runScreen(m_screens.openingBalances);
}

void TMainForm::openBudget() {
    runScreen(m_screens.budget);
}

void TMainForm::openChartOfAccounts() {
    if (!m_screens.chartOfAccounts)
        return;
    m_session.templateDir.clear();
    runScreen(m_screens.chartOfAccounts);
}

void TMainForm::openAllocation() {
    runScreen(m_screens.allocation);
}

void TMainForm::openUnitRegister() {
    if (!m_screens.unitRegister)
        return;
    m_session.templateDir.clear();
    const bool chartPrepared = m_screens.unitRegister(this, m_session, m_prompter);
    // The register renames, moves and deletes units: the unit list is reloaded either way.
    runInit();
    if (!m_session.templateDir.isEmpty()) {
        // "科目編集": the chart editor on the chosen template, which is then forgotten so
        // that the next 勘定科目設定 opens the data folder's chart again.
        if (m_screens.chartOfAccounts)
            runScreen(m_screens.chartOfAccounts);
        m_session.templateDir.clear();
    } else if (chartPrepared) {
        openChartOfAccounts();
    }
}

void TMainForm::openDataPath() {
    if (!m_screens.dataPath || !m_screens.dataPath(this, m_session, m_prompter))
        return;
    runInit();
    resetWorkHeadPeriod(m_session);
}

void TMainForm::openPreviousYear() {
    runScreen(m_screens.previousYear);
}

void TMainForm::openTransferEntry() {
    if (!m_screens.transferEntry)
        return;
    runScreen(m_screens.transferEntry);
    QWidget* focus = m_session.currentUnit >= 0 ? m_unitEntries[m_session.currentUnit] : m_unitEntries[0];
    focus->setFocus();
}

void TMainForm::openCashEntry() {
    runScreen(m_screens.cashEntry);
}

void TMainForm::openGeneralLedger() {
    if (!m_screens.generalLedger)
        return;
    runScreen(m_screens.generalLedger);
    m_session.adjustingVoucherMode = 0;
}

void TMainForm::openFundLedger() {
    if (!m_screens.fundLedger)
        return;
    runScreen(m_screens.fundLedger);
    m_session.adjustingVoucherMode = 0;
}

void TMainForm::openTrialBalance() {
    if (!m_screens.trialBalance)
        return;
    runScreen(m_screens.trialBalance);
    m_session.adjustingVoucherMode = 0;
}

void TMainForm::openMonthlyTotals() {
    runScreen(m_screens.monthlyTotals);
}

void TMainForm::openStatements() {
    runScreen(m_screens.statements);
}

void TMainForm::openQuarterlyReport() {
    runScreen(m_screens.quarterlyReport);
}

void TMainForm::runConsolidation() {
    if (!m_screens.consolidation)
        return;
    QString totalName = m_unitTexts[0];
    const bool ran = m_screens.consolidation(this, m_session, m_prompter, totalName);
    m_unitTexts[0] = totalName;
    m_unitEntries[0]->setText(totalName);
    if (!ran)
        return;
    m_menu.reportPanelVisible = true;
    m_menu.summaryVisible = true;
    applyMenuState();
}

void TMainForm::openSummary() {
    runScreen(m_screens.summary);
}

void TMainForm::openConsumptionTax() {
    runScreen(m_session.taxMethod == 0 ? m_screens.taxCollection : m_screens.taxClassSummary);
}

void TMainForm::openBackup() {
    runScreen(m_screens.backup);
}

void TMainForm::openFiscalYearList() {
    if (!m_screens.fiscalYearList)
        return;
    runScreen(m_screens.fiscalYearList);
    runInit();
    resetWorkHeadPeriod(m_session);
}

void TMainForm::openNewFiscalYear() {
    if (!m_screens.newFiscalYear)
        return;
    runScreen(m_screens.newFiscalYear);
    runInit();
}

void TMainForm::repairDamagedFiles() {
    if (m_prompter.ask(msg::repairQuestion(), MessageIcon::Warning, Buttons::YesNo) == Answer::Yes)
        runRepair();
}

void TMainForm::runRepair() {
    runScreen(m_screens.repair);
}

void TMainForm::openUnitDataExchange() {
    runScreen(m_screens.unitDataExchange);
}

void TMainForm::openConversionCsv() {
    runScreen(m_screens.conversionCsv);
}

} // namespace k9
