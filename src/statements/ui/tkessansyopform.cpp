// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/ui/tkessansyopform.h"

#include "reports/ui/printchoices.h"
#include "statements/statementlayouts.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace k9 {
TkessansyoPForm::TkessansyoPForm(Session& session, Prompter& prompter, const Statements& st,
                                 StatementKind statement, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_st(st),
      m_presenter(defaultReportPresenter()) {
    setObjectName(QStringLiteral("TkessansyoPForm"));
    setWindowTitle(QStringLiteral("決算書の印刷"));

    auto* grid = new QGridLayout;
    grid->addWidget(
        radioBox(this, QStringLiteral("印刷する計算書"),
                 {statementCaption(StatementKind::BalanceSheet), statementCaption(StatementKind::NetAssets),
                  statementCaption(StatementKind::Funds)},
                 m_statement, QStringLiteral("statement")),
        0, 0, 2, 1);
    m_look = new PrintLookControls(this);
    grid->addWidget(m_look->zeroLinesBox(), 0, 1);
    grid->addWidget(m_look->majorZeroBox(), 1, 1);
    grid->addWidget(
        radioBox(this, QStringLiteral("印刷範囲"),
                 {QStringLiteral("小区分以上"), QStringLiteral("中区分以上"), QStringLiteral("大区分以上")},
                 m_range, QStringLiteral("range")),
        0, 2);
    grid->addWidget(m_look->shadingBox(), 1, 2);
    auto* pageBox =
        radioBox(this, QStringLiteral("ページ数の印刷"), {QStringLiteral("す　る"), QStringLiteral("しない")},
                 m_pageNumbers, QStringLiteral("pageNumbers"), Qt::Horizontal);
    m_firstPageBox = new QWidget(this);
    auto* firstPageLayout = new QHBoxLayout(m_firstPageBox);
    firstPageLayout->setContentsMargins(0, 0, 0, 0);
    m_firstPage = numberBox(m_firstPageBox, QStringLiteral("firstPage"), 1, 99999);
    firstPageLayout->addWidget(new QLabel(QStringLiteral("開始ページ番号"), m_firstPageBox));
    firstPageLayout->addWidget(m_firstPage);
    pageBox->layout()->addWidget(m_firstPageBox);
    grid->addWidget(pageBox, 2, 1, 1, 2);

    auto* printA = screenButton(QStringLiteral("印　刷　Ａ"), QStringLiteral("printA"), this);
    m_printB = screenButton(QStringLiteral("印　刷　Ｂ"), QStringLiteral("printB"), this,
                            QStringLiteral("摘要名による金額集計が表示できます。"));
    m_printC = screenButton(QStringLiteral("印　刷　Ｃ"), QStringLiteral("printC"), this,
                            QStringLiteral("支払資金科目（現預金等）を相手に仕訳を行った仕訳については\n"
                                           "摘要名による金額集計が表示できます。"));
    m_printD = screenButton(QStringLiteral("印　刷　D"), QStringLiteral("printD"), this,
                            QStringLiteral("当初予算、補正額等の列が出ます。"));
    auto* close = screenButton(QStringLiteral("閉じる"), QStringLiteral("close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (auto* b : {printA, m_printB, m_printC, m_printD, close})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(m_look->numbers());
    layout->addLayout(buttons);

    StatementPrintSettings loaded;
    try {
        loaded = loadStatementPrintSettings(session.hm);
    } catch (const K9Error& e) {
        prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    setSettings(loaded);
    setStatement(statement);

    for (QButtonGroup* g : {m_statement, m_pageNumbers})
        connect(g, &QButtonGroup::idToggled, this, [this](int, bool) { updateVisibility(); });
    connect(printA, &QPushButton::clicked, this, [this] { print(Layout::A); });
    connect(m_printB, &QPushButton::clicked, this, [this] { print(Layout::B); });
    connect(m_printC, &QPushButton::clicked, this, [this] { print(Layout::C); });
    connect(m_printD, &QPushButton::clicked, this, [this] { print(Layout::D); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    updateVisibility();
}

StatementKind TkessansyoPForm::statement() const {
    return static_cast<StatementKind>(m_statement->checkedId());
}

void TkessansyoPForm::setStatement(StatementKind statement) {
    checkRadio(m_statement, static_cast<int>(statement));
    updateVisibility();
}

StatementPrintSettings TkessansyoPForm::settings() const {
    StatementPrintSettings s;
    static_cast<PrintLook&>(s) = m_look->look();
    s.range = m_range->checkedId();
    s.pageBreak = m_pageBreak;
    s.pageNumbers = m_pageNumbers->checkedId();
    s.firstPage = m_firstPage->value();
    return s;
}

void TkessansyoPForm::setSettings(const StatementPrintSettings& s) {
    m_look->setLook(s);
    checkRadio(m_range, s.range);
    m_pageBreak = s.pageBreak;
    checkRadio(m_pageNumbers, s.pageNumbers);
    m_firstPage->setValue(s.firstPage);
    updateVisibility();
}

bool TkessansyoPForm::majorZeroShown() const {
    return m_look->majorZeroShown();
}

bool TkessansyoPForm::firstPageShown() const {
    return !m_firstPageBox->isHidden();
}

bool TkessansyoPForm::fundLayoutsShown() const {
    return !m_printB->isHidden();
}

void TkessansyoPForm::updateVisibility() {
    if (!m_printD || !m_firstPageBox)
        return;
    const bool funds = statement() == StatementKind::Funds;
    for (auto* b : {m_printB, m_printC, m_printD})
        b->setHidden(!funds);
    m_firstPageBox->setHidden(m_pageNumbers->checkedId() != 0);
}

void TkessansyoPForm::print(Layout layout) {
    const StatementKind kind = statement();
    if (layout != Layout::A && kind != StatementKind::Funds)
        return;
    const StatementPrintSettings s = settings();
    applyStatementPrintSettings(m_session, s);
    try {
        const ReportHeader header = statementReportHeader(m_session, m_st, kind);
        switch (layout) {
        case Layout::A:
            m_presenter(this, statementLayoutA(m_st, kind, s, header,
                                               kind == StatementKind::BalanceSheet ? footnoteLines(m_session)
                                                                                   : QStringList()));
            break;
        case Layout::B:
            m_presenter(this, statementLayoutB(m_st, s, header));
            break;
        case Layout::C:
            m_presenter(this, statementLayoutC(m_st, loadDescriptionAmounts(m_session.www), s, header));
            break;
        case Layout::D:
            m_presenter(this, statementLayoutD(m_st, s, header));
            break;
        }
    } catch (const K9Error& e) {
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
}

void TkessansyoPForm::done(int result) {
    const StatementPrintSettings s = settings();
    applyStatementPrintSettings(m_session, s);
    if (!m_session.viewOnly) {
        try {
            saveStatementPrintSettings(m_session.hm, s);
        } catch (const K9Error& e) {
            m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
        }
    }
    QDialog::done(result);
}

} // namespace k9
