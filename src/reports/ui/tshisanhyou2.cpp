// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/tshisanhyou2.h"

#include "reports/reportheader.h"
#include "reports/trialbalanceprint.h"
#include "reports/ui/gridexport.h"
#include "reports/ui/sheetmodel.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/textutil.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace k9 {

Tshisanhyou2::Tshisanhyou2(Session& session, Prompter& prompter, const QString& accountCode, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_presenter(defaultReportPresenter()) {
    setObjectName(QStringLiteral("Tshisanhyou2"));
    setWindowTitle(QStringLiteral("補助科目集計"));
    resize(1000, 640);

    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("account"));
    m_chooser->setMinimumWidth(360);
    try {
        m_choices = subAccountChoices(session.www);
    } catch (const K9Error& e) {
        prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    for (const auto& c : m_choices)
        m_chooser->addItem(c.code + QStringLiteral("  ") + removeSpaces(c.name), c.code);

    auto* print = new QPushButton(QStringLiteral("印      刷"), this);
    print->setObjectName(QStringLiteral("print"));
    auto* excel = new QPushButton(QStringLiteral("エクセル出力"), this);
    excel->setObjectName(QStringLiteral("exportSpreadsheet"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    for (auto* b : {print, excel, close})
        b->setAutoDefault(false);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("勘定科目"), this));
    top->addWidget(m_chooser);
    top->addStretch(1);
    top->addWidget(print);
    top->addWidget(excel);
    top->addWidget(close);

    m_model = new SheetTableModel(this);
    m_grid = makeSheetGrid(this, m_model);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("合　　計"), this));
    bottom->addStretch(1);
    for (const char* caption : {"前残高", "借方", "貸方", "残高", "残高合計"}) {
        bottom->addWidget(new QLabel(QString::fromUtf8(caption), this));
        auto* e = makeTotalBox(this);
        e->setMaximumWidth(130);
        bottom->addWidget(e);
        m_sums.push_back(e);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    connect(m_chooser, &QComboBox::currentIndexChanged, this, [this](int) { fill(); });
    connect(print, &QPushButton::clicked, this, &Tshisanhyou2::print);
    connect(excel, &QPushButton::clicked, this, &Tshisanhyou2::exportSpreadsheet);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    choose(accountCode);
    fill();
}

QString Tshisanhyou2::chosenCode() const {
    return m_chooser->currentData().toString();
}

void Tshisanhyou2::choose(const QString& accountCode) {
    const int index = m_chooser->findData(accountCode);
    m_chooser->setCurrentIndex(index >= 0 ? index : 0);
}

QStringList Tshisanhyou2::sumTexts() const {
    QStringList out;
    for (auto* e : m_sums)
        out << e->text();
    return out;
}

void Tshisanhyou2::fill() {
    const QString code = chosenCode().isEmpty() ? QString::fromLatin1(kAllAccountsCode) : chosenCode();
    try {
        m_totals = subAccountTotals(m_session.www, code);
    } catch (const K9Error& e) {
        m_totals = SubAccountTotals{};
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    std::vector<SheetRow> rows;
    for (const auto& l : m_totals.lines) {
        SheetRow r;
        r.cells = {SheetCell::ofText(l.accountCode), SheetCell::ofText(l.accountName),
                   SheetCell::ofText(l.subCode),     SheetCell::ofText(l.subName),
                   SheetCell::ofAmount(l.before),    SheetCell::ofAmount(l.debit),
                   SheetCell::ofAmount(l.credit),    SheetCell::ofAmount(l.closing)};
        rows.push_back(std::move(r));
    }
    m_model->setSheet({QStringLiteral("科目コード"), QStringLiteral("科目名"), QStringLiteral("補助コード"),
                       QStringLiteral("補助科目名"), QStringLiteral("前残高"), QStringLiteral("借方"),
                       QStringLiteral("貸方"), QStringLiteral("残高合計")},
                      std::move(rows));
    const int widths[] = {76, 200, 72, 170, 110, 110, 110, 110};
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_grid->setColumnWidth(c, widths[c]);
    const Money sums[] = {m_totals.sum.before, m_totals.sum.debit, m_totals.sum.credit, m_totals.sum.net,
                          m_totals.sum.closing};
    for (std::size_t i = 0; i < m_sums.size(); ++i)
        m_sums[i]->setText(sums[i].orZero().format());
}

void Tshisanhyou2::print() {
    m_presenter(this, subAccountTotalsReport(m_totals, unitReportHeader(m_session, QString())));
}

void Tshisanhyou2::exportSpreadsheet() {
    GridExportOptions options;
    options.title = QStringLiteral("補助科目集計");
    options.workDir = m_session.workDir;
    exportGrid(m_prompter, *m_model, m_grid, options);
}

} // namespace k9
