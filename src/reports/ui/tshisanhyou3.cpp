// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/tshisanhyou3.h"

#include "reports/reportheader.h"
#include "reports/trialbalanceprint.h"
#include "reports/ui/gridexport.h"
#include "reports/ui/sheetmodel.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/textutil.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace k9 {

Tshisanhyou3::Tshisanhyou3(Session& session, Prompter& prompter, const QString& accountCode,
                           const QString& accountName, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_code(accountCode), m_name(accountName),
      m_presenter(defaultReportPresenter()) {
    setObjectName(QStringLiteral("Tshisanhyou3"));
    setWindowTitle(QStringLiteral("摘要名による集計"));
    resize(980, 620);
    try {
        m_totals = descriptionTotals(session.www, accountCode);
        m_detail = descriptionDetail(session.www, accountCode);
    } catch (const K9Error& e) {
        prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }

    m_heading = new QLabel(removeSpaces(accountName), this);
    m_heading->setObjectName(QStringLiteral("heading"));
    QFont f = m_heading->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    m_heading->setFont(f);
    auto* print = new QPushButton(QStringLiteral("印      刷"), this);
    print->setObjectName(QStringLiteral("print"));
    auto* detail = new QPushButton(QStringLiteral("仕訳明細印刷"), this);
    detail->setObjectName(QStringLiteral("printDetail"));
    auto* excel = new QPushButton(QStringLiteral("エクセル出力"), this);
    excel->setObjectName(QStringLiteral("exportSpreadsheet"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    for (auto* b : {print, detail, excel, close})
        b->setAutoDefault(false);
    auto* top = new QHBoxLayout;
    top->addWidget(m_heading);
    top->addStretch(1);
    top->addWidget(print);
    top->addWidget(detail);
    top->addWidget(excel);
    top->addWidget(close);

    std::vector<SheetRow> rows;
    for (const auto& l : m_totals.lines) {
        SheetRow r;
        r.cells = {SheetCell::ofText(l.group),    SheetCell::ofInteger(l.count),
                   SheetCell::ofAmount(l.before), SheetCell::ofAmount(l.debit),
                   SheetCell::ofAmount(l.credit), SheetCell::ofAmount(l.closing)};
        rows.push_back(std::move(r));
    }
    m_model = new SheetTableModel(this);
    m_model->setSheet({QStringLiteral("摘　　要　　名"), QStringLiteral("件数"), QStringLiteral("前残高"),
                       QStringLiteral("借方"), QStringLiteral("貸方"), QStringLiteral("当残高")},
                      std::move(rows));
    m_grid = makeSheetGrid(this, m_model);
    m_grid->setColumnWidth(0, 320);
    for (int c = 2; c < 6; ++c)
        m_grid->setColumnWidth(c, 120);
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("合　　計"), this));
    bottom->addStretch(1);
    const Money sums[] = {m_totals.sum.before, m_totals.sum.debit, m_totals.sum.credit, m_totals.sum.closing};
    for (const Money& m : sums) {
        auto* e = makeTotalBox(this, m.orZero().format());
        e->setMaximumWidth(130);
        bottom->addWidget(e);
        m_sums.push_back(e);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    connect(print, &QPushButton::clicked, this, &Tshisanhyou3::print);
    connect(detail, &QPushButton::clicked, this, &Tshisanhyou3::printDetail);
    connect(excel, &QPushButton::clicked, this, &Tshisanhyou3::exportSpreadsheet);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QString Tshisanhyou3::heading() const {
    return m_heading->text();
}

QStringList Tshisanhyou3::sumTexts() const {
    QStringList out;
    for (auto* e : m_sums)
        out << e->text();
    return out;
}

void Tshisanhyou3::print() {
    m_presenter(this, descriptionTotalsReport(m_name, m_totals, unitReportHeader(m_session, QString())));
}

void Tshisanhyou3::printDetail() {
    const QModelIndex index = m_grid->currentIndex();
    if (!index.isValid() || index.row() >= static_cast<int>(m_totals.lines.size()))
        return;
    const QString group = m_totals.lines[static_cast<std::size_t>(index.row())].group;
    m_presenter(this, descriptionDetailReport(group, m_detail, unitReportHeader(m_session, QString())));
}

void Tshisanhyou3::exportSpreadsheet() {
    GridExportOptions options;
    options.title = removeSpaces(m_name) + QStringLiteral("の摘要名集計");
    options.workDir = m_session.workDir;
    exportGrid(m_prompter, *m_model, m_grid, options);
}

} // namespace k9
