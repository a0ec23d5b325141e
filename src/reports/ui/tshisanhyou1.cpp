// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/tshisanhyou1.h"

#include "engine/ui/tkikan1b.h"
#include "reports/ui/gridexport.h"
#include "reports/ui/printchoices.h"
#include "reports/ui/sheetmodel.h"
#include "reports/ui/tshisanhyou1pform.h"
#include "reports/ui/tshisanhyou2.h"
#include "reports/ui/tshisanhyou3.h"
#include "reports/ui/tshisanhyou_chk.h"
#include "store/captions.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace k9 {
Tshisanhyou1::Tshisanhyou1(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_shown(kTrialTabCount) {
    setObjectName(QStringLiteral("Tshisanhyou1"));
    setWindowTitle(dataPathCaption(session.dataPath) + session.currentUnitName);
    setWindowState(windowState() | Qt::WindowMaximized);
    m_presenter = defaultReportPresenter();
    m_runScreen = [](QDialog& d) { d.exec(); };
    m_changePeriod = [this](QWidget* parent) {
        Tkikan1B dialog(m_session, m_prompter, parent);
        return dialog.exec() == QDialog::Accepted;
    };

    auto* top = new QHBoxLayout;
    auto* periodButton = screenButton(QStringLiteral("集計期間の変更"), QStringLiteral("changePeriod"), this);
    m_period = new QLabel(this);
    m_period->setObjectName(QStringLiteral("period"));
    m_export = screenButton(QStringLiteral("エクセル出力"), QStringLiteral("exportSpreadsheet"), this);
    m_subAccounts = screenButton(QStringLiteral("補助科目集計"), QStringLiteral("subAccounts"), this);
    m_subAccounts->setToolTip(QStringLiteral("補助科目を付けた科目で実行してください。"));
    m_descriptions = screenButton(QStringLiteral("摘要名集計"), QStringLiteral("descriptions"), this);
    m_descriptions->setToolTip(QStringLiteral("カーソル位置の科目について、「摘要名」別に金額集計します。"));
    auto* print = screenButton(QStringLiteral("印　　刷"), QStringLiteral("print"), this);
    print->setToolTip(QStringLiteral("貸借形式での印刷をします。"));
    auto* check = screenButton(QStringLiteral("P/LとC/Fの点検"), QStringLiteral("fundCheck"), this);
    auto* zeroBox = new QGroupBox(QStringLiteral("０円科目の表示"), this);
    auto* zeroLayout = new QHBoxLayout(zeroBox);
    m_zeroShow = new QRadioButton(QStringLiteral("する"), zeroBox);
    m_zeroShow->setObjectName(QStringLiteral("zeroShow"));
    m_zeroHide = new QRadioButton(QStringLiteral("しない"), zeroBox);
    m_zeroHide->setObjectName(QStringLiteral("zeroHide"));
    m_zeroShow->setChecked(true);
    zeroLayout->addWidget(m_zeroShow);
    zeroLayout->addWidget(m_zeroHide);
    auto* close = screenButton(QStringLiteral("閉じる"), QStringLiteral("close"), this);
    top->addWidget(periodButton);
    top->addWidget(m_period);
    top->addWidget(m_export);
    top->addWidget(m_subAccounts);
    top->addWidget(m_descriptions);
    top->addWidget(print);
    top->addWidget(check);
    top->addWidget(zeroBox);
    top->addStretch(1);
    top->addWidget(close);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    QStringList captions;
    for (int t = 0; t < kTrialTabCount; ++t)
        captions << trialTabCaption(static_cast<TrialTab>(t));
    addSheetTabs(m_tabs, captions, m_models, m_grids);

    auto* bottom = new QHBoxLayout;
    auto box = [this, bottom](QLabel*& caption, QLineEdit*& value, const QString& name) {
        caption = new QLabel(this);
        caption->setObjectName(name + QStringLiteral("Caption"));
        value = makeTotalBox(this);
        value->setObjectName(name + QStringLiteral("Value"));
        value->setMinimumWidth(160);
        bottom->addWidget(caption);
        bottom->addWidget(value);
    };
    box(m_leftCaption, m_leftValue, QStringLiteral("left"));
    bottom->addSpacing(40);
    box(m_rightCaption, m_rightValue, QStringLiteral("right"));
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);

    connect(periodButton, &QPushButton::clicked, this, &Tshisanhyou1::changePeriod);
    connect(m_export, &QPushButton::clicked, this, &Tshisanhyou1::exportSpreadsheet);
    connect(m_subAccounts, &QPushButton::clicked, this, &Tshisanhyou1::openSubAccounts);
    connect(m_descriptions, &QPushButton::clicked, this, &Tshisanhyou1::openDescriptions);
    connect(print, &QPushButton::clicked, this, &Tshisanhyou1::openPrintDialog);
    connect(check, &QPushButton::clicked, this, &Tshisanhyou1::openFundCheck);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_zeroShow, &QRadioButton::toggled, this, [this](bool on) { setShowZeroLines(on); });
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int) { fillPanel(); });

    reload();
}

TrialTab Tshisanhyou1::currentTab() const {
    return static_cast<TrialTab>(m_tabs->currentIndex());
}

QTableView* Tshisanhyou1::grid(TrialTab tab) const {
    return m_grids[static_cast<int>(tab)];
}

QString Tshisanhyou1::leftCaption() const {
    return m_leftCaption->text();
}
QString Tshisanhyou1::rightCaption() const {
    return m_rightCaption->text();
}
QString Tshisanhyou1::leftValue() const {
    return m_leftValue->text();
}
QString Tshisanhyou1::rightValue() const {
    return m_rightValue->text();
}

void Tshisanhyou1::reload() {
    try {
        m_tb = loadTrialBalance(m_session.www);
    } catch (const K9Error& e) {
        m_tb = TrialBalance{};
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    m_period->setText(m_tb.from.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" ～ ") +
                      m_tb.to.toString(QStringLiteral("yyyy/MM/dd")));
    fillGrids();
    fillPanel();
}

void Tshisanhyou1::setShowZeroLines(bool show) {
    if (m_zeroShow->isChecked() != show)
        (show ? m_zeroShow : m_zeroHide)->setChecked(true);
    if (m_showZero == show)
        return;
    m_showZero = show;
    fillGrids();
}

void Tshisanhyou1::fillGrids() {
    for (int t = 0; t < kTrialTabCount; ++t) {
        const auto tab = static_cast<TrialTab>(t);
        m_shown[static_cast<std::size_t>(t)] = visibleTrialLines(m_tb, tab, m_showZero);
        const auto& lines = m_shown[static_cast<std::size_t>(t)];
        QStringList headers;
        for (const auto& c : trialColumns(tab))
            headers << c.title;
        std::vector<std::optional<QColor>> colours;
        for (const auto& l : lines)
            colours.push_back(l.flgD == 1 ? std::optional<QColor>(Qt::red) : std::nullopt);
        m_models[t]->setSheet(headers, chartLineSheetRows(lines, trialColumns(tab)), std::move(colours));
        QTableView* g = m_grids[t];
        g->setColumnWidth(0, 60);
        g->setColumnWidth(1, 300);
        for (int c = 2; c < m_models[t]->columnCount(); ++c)
            g->setColumnWidth(
                c,
                trialColumns(tab)[static_cast<std::size_t>(c)].kind == TrialColumn::Kind::Ratio ? 70 : 120);
    }
}

void Tshisanhyou1::fillPanel() {
    const CheckPair& pair = m_tb.check(currentTab());
    m_leftCaption->setText(pair.leftLabel);
    m_rightCaption->setText(pair.rightLabel);
    m_leftValue->setText(pair.left.orZero().format());
    m_rightValue->setText(pair.right.orZero().format());
    const bool accountsTab = currentTab() != TrialTab::Funds;
    m_subAccounts->setEnabled(accountsTab);
    m_descriptions->setEnabled(accountsTab);
}

const TrialLine* Tshisanhyou1::currentLine() const {
    const int t = static_cast<int>(currentTab());
    const QModelIndex index = m_grids[t]->currentIndex();
    const auto& lines = m_shown[static_cast<std::size_t>(t)];
    if (!index.isValid() || index.row() >= static_cast<int>(lines.size()))
        return nullptr;
    return &lines[static_cast<std::size_t>(index.row())];
}

void Tshisanhyou1::changePeriod() {
    if (!m_changePeriod(this))
        return;
    reload();
}

void Tshisanhyou1::exportSpreadsheet() {
    m_export->setEnabled(false);
    const int t = static_cast<int>(currentTab());
    GridExportOptions options;
    options.title = trialTabCaption(currentTab());
    options.workDir = m_session.workDir;
    exportGrid(m_prompter, *m_models[t], m_grids[t], options);
    m_export->setEnabled(true);
}

void Tshisanhyou1::openSubAccounts() {
    if (currentTab() == TrialTab::Funds)
        return;
    QString code = QString::fromLatin1(kAllAccountsCode);
    if (const TrialLine* line = currentLine(); line && m_tb.subAccounts.count(line->code))
        code = line->code;
    Tshisanhyou2 screen(m_session, m_prompter, code, this);
    screen.setReportPresenter(m_presenter);
    m_runScreen(screen);
}

void Tshisanhyou1::openDescriptions() {
    if (currentTab() == TrialTab::Funds)
        return;
    const TrialLine* line = currentLine();
    if (!line || !line->flgA || *line->flgA != 0)
        return;
    Tshisanhyou3 screen(m_session, m_prompter, line->code, line->name, this);
    screen.setReportPresenter(m_presenter);
    m_runScreen(screen);
}

void Tshisanhyou1::openPrintDialog() {
    Tshisanhyou1PForm dialog(m_session, m_prompter, m_tb, static_cast<int>(currentTab()), this);
    dialog.setReportPresenter(m_presenter);
    m_runScreen(dialog);
}

void Tshisanhyou1::openFundCheck() {
    Tshisanhyou_CHK screen(m_session, m_prompter, this);
    screen.setReportPresenter(m_presenter);
    m_runScreen(screen);
}

} // namespace k9
