// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/tshisanhyou1pform.h"

#include "reports/reportheader.h"
#include "reports/ui/printchoices.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace k9 {
Tshisanhyou1PForm::Tshisanhyou1PForm(Session& session, Prompter& prompter, const TrialBalance& tb,
                                     int statement, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_tb(tb),
      m_presenter(defaultReportPresenter()) {
    setObjectName(QStringLiteral("Tshisanhyou1PForm"));
    setWindowTitle(QStringLiteral("試算表の印刷"));

    auto* grid = new QGridLayout;
    grid->addWidget(radioBox(this, QStringLiteral("印刷する計算書"),
                             {QStringLiteral("貸借対照表"), QStringLiteral("正味財産増減計算書"),
                              QStringLiteral("収支計算書"), QStringLiteral("３表連の続印刷")},
                             m_statement, QStringLiteral("statement")),
                    0, 0, 2, 1);
    m_look = new PrintLookControls(this);
    grid->addWidget(m_look->zeroLinesBox(), 0, 1);
    grid->addWidget(m_look->majorZeroBox(), 1, 1);
    grid->addWidget(radioBox(this, QStringLiteral("小科目の印刷"),
                             {QStringLiteral("印刷する"), QStringLiteral("印刷しない")}, m_smallAccounts,
                             QStringLiteral("smallAccounts")),
                    0, 2);
    grid->addWidget(m_look->shadingBox(), 1, 2);

    auto* printA = new QPushButton(QStringLiteral("印　刷　Ａ"), this);
    printA->setObjectName(QStringLiteral("printA"));
    m_printB = new QPushButton(QStringLiteral("印　刷　Ｂ"), this);
    m_printB->setObjectName(QStringLiteral("printB"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    for (auto* b : {printA, m_printB, close})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printA);
    buttons->addWidget(m_printB);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(m_look->numbers());
    layout->addLayout(buttons);

    TrialPrintSettings loaded;
    try {
        loaded = loadTrialPrintSettings(session.hm);
    } catch (const K9Error& e) {
        prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    setSettings(loaded);
    setStatement(statement);

    connect(m_statement, &QButtonGroup::idToggled, this, [this](int, bool) { updateVisibility(); });
    connect(printA, &QPushButton::clicked, this, &Tshisanhyou1PForm::printA);
    connect(m_printB, &QPushButton::clicked, this, &Tshisanhyou1PForm::printB);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    updateVisibility();
}

int Tshisanhyou1PForm::statement() const {
    return m_statement->checkedId();
}

void Tshisanhyou1PForm::setStatement(int statement) {
    checkRadio(m_statement, statement >= 0 && statement <= kAllThree ? statement : 0);
    updateVisibility();
}

TrialPrintSettings Tshisanhyou1PForm::settings() const {
    TrialPrintSettings s;
    static_cast<PrintLook&>(s) = m_look->look();
    s.smallAccounts = m_smallAccounts->checkedId();
    return s;
}

void Tshisanhyou1PForm::setSettings(const TrialPrintSettings& s) {
    m_look->setLook(s);
    checkRadio(m_smallAccounts, s.smallAccounts);
    updateVisibility();
}

bool Tshisanhyou1PForm::layoutBAvailable() const {
    return !m_printB->isHidden();
}

bool Tshisanhyou1PForm::majorZeroShown() const {
    return m_look->majorZeroShown();
}

void Tshisanhyou1PForm::updateVisibility() {
    if (!m_printB)
        return;
    const int s = m_statement->checkedId();
    m_printB->setHidden(!(s == 0 || s == 1));
}

void Tshisanhyou1PForm::present(bool layoutB) {
    const TrialPrintSettings s = settings();
    applyTrialPrintSettings(m_session, s);
    const ReportHeader header = unitReportHeader(m_session, QString());
    const int choice = statement();
    std::vector<TrialTab> tabs;
    if (choice == kAllThree)
        tabs = {TrialTab::BalanceSheet, TrialTab::NetAssets, TrialTab::Funds};
    else
        tabs = {static_cast<TrialTab>(choice)};
    for (TrialTab tab : tabs) {
        const int mode = m_session.adjustingVoucherMode;
        m_presenter(this, layoutB ? trialBalanceLayoutB(m_tb, tab, s, header, mode)
                                  : trialBalanceLayoutA(m_tb, tab, s, header, mode));
    }
}

void Tshisanhyou1PForm::printA() {
    present(false);
}

void Tshisanhyou1PForm::printB() {
    if (!layoutBAvailable())
        return;
    present(true);
}

void Tshisanhyou1PForm::done(int result) {
    const TrialPrintSettings s = settings();
    applyTrialPrintSettings(m_session, s);
    if (!m_session.viewOnly) {
        try {
            saveTrialPrintSettings(m_session.hm, s);
        } catch (const K9Error& e) {
            m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
        }
    }
    QDialog::done(result);
}

} // namespace k9
