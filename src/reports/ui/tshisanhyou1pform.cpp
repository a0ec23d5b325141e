// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/tshisanhyou1pform.h"

#include "reports/reportheader.h"
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
namespace {

QGroupBox* radioBox(QWidget* parent, const QString& title, const QStringList& items, QButtonGroup*& group,
                    const QString& name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(name + QString::number(i));
        group->addButton(b, i);
        layout->addWidget(b);
    }
    group->button(0)->setChecked(true);
    return box;
}

void check(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id))
        b->setChecked(true);
}

QSpinBox* numberBox(QWidget* parent, const QString& name, int lo, int hi) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setInputMethodHints(Qt::ImhDigitsOnly);
    return s;
}

} // namespace

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
    grid->addWidget(radioBox(this, QStringLiteral("０円の科目"),
                             {QStringLiteral("印刷する"), QStringLiteral("印刷しない")}, m_zeroLines,
                             QStringLiteral("zeroLines")),
                    0, 1);
    m_majorZeroBox = radioBox(this, QStringLiteral("大科目の0円"),
                              {QStringLiteral("印刷する"), QStringLiteral("印刷しない")}, m_majorZero,
                              QStringLiteral("majorZero"));
    grid->addWidget(m_majorZeroBox, 1, 1);
    grid->addWidget(radioBox(this, QStringLiteral("小科目の印刷"),
                             {QStringLiteral("印刷する"), QStringLiteral("印刷しない")}, m_smallAccounts,
                             QStringLiteral("smallAccounts")),
                    0, 2);
    grid->addWidget(radioBox(this, QStringLiteral("網掛け"),
                             {QStringLiteral("しない"), QStringLiteral("大科目のみ"),
                              QStringLiteral("準大科目以上"), QStringLiteral("小科目の合計科目以上")},
                             m_shading, QStringLiteral("shading")),
                    1, 2);

    auto* numbers = new QHBoxLayout;
    m_rowHeight = numberBox(this, QStringLiteral("rowHeight"), 8, 60);
    m_nameFont = numberBox(this, QStringLiteral("nameFontSize"), 5, 20);
    m_amountFont = numberBox(this, QStringLiteral("amountFontSize"), 5, 20);
    const std::pair<QString, QSpinBox*> boxes[] = {
        {QStringLiteral("行間隔\n(標準　16)"), m_rowHeight},
        {QStringLiteral("科目名のフォントサイズ\n(標準　9)"), m_nameFont},
        {QStringLiteral("金額のフォントサイズ\n(標準　9)"), m_amountFont},
    };
    for (const auto& [caption, box] : boxes) {
        numbers->addWidget(new QLabel(caption, this));
        numbers->addWidget(box);
        numbers->addSpacing(12);
    }

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
    layout->addLayout(numbers);
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
    connect(m_zeroLines, &QButtonGroup::idToggled, this, [this](int, bool) { updateVisibility(); });
    connect(printA, &QPushButton::clicked, this, &Tshisanhyou1PForm::printA);
    connect(m_printB, &QPushButton::clicked, this, &Tshisanhyou1PForm::printB);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    updateVisibility();
}

int Tshisanhyou1PForm::statement() const {
    return m_statement->checkedId();
}

void Tshisanhyou1PForm::setStatement(int statement) {
    check(m_statement, statement >= 0 && statement <= kAllThree ? statement : 0);
    updateVisibility();
}

TrialPrintSettings Tshisanhyou1PForm::settings() const {
    TrialPrintSettings s;
    s.zeroLines = m_zeroLines->checkedId();
    s.majorZero = m_majorZero->checkedId();
    s.smallAccounts = m_smallAccounts->checkedId();
    s.shading = m_shading->checkedId();
    s.rowHeight = m_rowHeight->value();
    s.nameFontSize = m_nameFont->value();
    s.amountFontSize = m_amountFont->value();
    return s;
}

void Tshisanhyou1PForm::setSettings(const TrialPrintSettings& s) {
    check(m_zeroLines, s.zeroLines);
    check(m_majorZero, s.majorZero);
    check(m_smallAccounts, s.smallAccounts);
    check(m_shading, s.shading);
    m_rowHeight->setValue(s.rowHeight);
    m_nameFont->setValue(s.nameFontSize);
    m_amountFont->setValue(s.amountFontSize);
    updateVisibility();
}

bool Tshisanhyou1PForm::layoutBAvailable() const {
    return !m_printB->isHidden();
}

bool Tshisanhyou1PForm::majorZeroShown() const {
    return !m_majorZeroBox->isHidden();
}

void Tshisanhyou1PForm::updateVisibility() {
    if (!m_printB || !m_majorZeroBox)
        return;
    const int s = m_statement->checkedId();
    m_printB->setHidden(!(s == 0 || s == 1));
    m_majorZeroBox->setHidden(m_zeroLines->checkedId() != 1);
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
