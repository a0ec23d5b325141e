// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/tshisanhyou_chk.h"

#include "reports/reportheader.h"
#include "reports/trialbalanceprint.h"
#include "reports/ui/sheetmodel.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace k9 {

Tshisanhyou_CHK::Tshisanhyou_CHK(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_presenter(defaultReportPresenter()) {
    setObjectName(QStringLiteral("Tshisanhyou_CHK"));
    setWindowTitle(QStringLiteral("損益科目と資金科目のチェック一覧"));
    resize(1040, 680);
    try {
        m_lines = fundCheckLines(session.www);
    } catch (const K9Error& e) {
        prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    std::vector<SheetRow> rows;
    std::vector<std::optional<QColor>> colours;
    for (const auto& l : m_lines) {
        SheetRow r;
        r.cells = {SheetCell::ofInteger(l.code),     SheetCell::ofText(l.name),
                   SheetCell::ofAmount(l.plDebit),   SheetCell::ofAmount(l.cfDebit),
                   SheetCell::ofAmount(l.debitDiff), SheetCell::ofAmount(l.plCredit),
                   SheetCell::ofAmount(l.cfCredit),  SheetCell::ofAmount(l.creditDiff)};
        rows.push_back(std::move(r));
        const bool differs = !l.debitDiff.isZero() || !l.creditDiff.isZero();
        colours.push_back(differs ? std::optional<QColor>(Qt::red) : std::nullopt);
    }
    m_model = new SheetTableModel(this);
    m_model->setSheet({QStringLiteral("科目コード"), QStringLiteral("科目名"), QStringLiteral("PL借方"),
                       QStringLiteral("CF借方"), QStringLiteral("差"), QStringLiteral("PL貸方"),
                       QStringLiteral("CF貸方"), QStringLiteral("差")},
                      std::move(rows), std::move(colours));
    m_grid = makeSheetGrid(this, m_model);
    m_grid->setColumnWidth(1, 280);

    auto* print = new QPushButton(QStringLiteral("印　　　刷"), this);
    print->setObjectName(QStringLiteral("print"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    print->setAutoDefault(false);
    close->setAutoDefault(false);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(print);
    top->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    connect(print, &QPushButton::clicked, this, &Tshisanhyou_CHK::print);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void Tshisanhyou_CHK::print() {
    m_presenter(this, fundCheckReport(m_lines, unitReportHeader(m_session, QString())));
}

} // namespace k9
