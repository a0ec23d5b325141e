// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/ui/tkessansyo1.h"

#include "reports/ui/gridexport.h"
#include "reports/ui/printchoices.h"
#include "reports/ui/sheetmodel.h"
#include "statements/ui/tcyuki.h"
#include "statements/ui/tkessansyopform.h"
#include "store/captions.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace k9 {
Tkessansyo1::Tkessansyo1(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_presenter(defaultReportPresenter()),
      m_runScreen([](QDialog& d) { d.exec(); }) {
    setObjectName(QStringLiteral("Tkessansyo1"));
    setWindowTitle(dataPathCaption(session.dataPath) + session.currentUnitName);
    setWindowState(windowState() | Qt::WindowMaximized);

    m_period = new QLabel(this);
    m_period->setObjectName(QStringLiteral("period"));
    auto* footnotes = screenButton(QStringLiteral("決算書脚注"), QStringLiteral("footnotes"), this);
    auto* print = screenButton(QStringLiteral("印　　刷"), QStringLiteral("print"), this);
    print->setToolTip(QStringLiteral("貸借対照表は小科目以上、収支計算書は中科目以上の印刷"));
    m_export = screenButton(QStringLiteral("エクセル出力"), QStringLiteral("exportSpreadsheet"), this);
    // The property inventory has no screen yet; its button stays in its place, disabled.
    auto* inventory = screenButton(QStringLiteral("財産目録"), QStringLiteral("inventory"), this);
    inventory->setEnabled(false);
    auto* zeroBox = new QGroupBox(QStringLiteral("０円科目の表示"), this);
    auto* zeroLayout = new QHBoxLayout(zeroBox);
    m_zeroShow = new QRadioButton(QStringLiteral("する"), zeroBox);
    m_zeroShow->setObjectName(QStringLiteral("zeroShow"));
    m_zeroHide = new QRadioButton(QStringLiteral("しない"), zeroBox);
    m_zeroHide->setObjectName(QStringLiteral("zeroHide"));
    // Neither choice is made at first: every line shows until the user picks one.
    auto* zeroGroup = new QButtonGroup(zeroBox);
    zeroGroup->addButton(m_zeroShow);
    zeroGroup->addButton(m_zeroHide);
    zeroLayout->addWidget(m_zeroShow);
    zeroLayout->addWidget(m_zeroHide);
    auto* close = screenButton(QStringLiteral("閉じる"), QStringLiteral("close"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(m_period);
    top->addSpacing(16);
    for (QWidget* w : std::initializer_list<QWidget*>{footnotes, print, m_export, inventory, zeroBox})
        top->addWidget(w);
    top->addStretch(1);
    top->addWidget(close);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    QStringList captions;
    for (int k = 0; k < kStatementCount; ++k)
        captions << statementCaption(static_cast<StatementKind>(k));
    addSheetTabs(m_tabs, captions, m_models, m_grids);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);

    connect(footnotes, &QPushButton::clicked, this, &Tkessansyo1::openFootnotes);
    connect(print, &QPushButton::clicked, this, &Tkessansyo1::openPrintDialog);
    connect(m_export, &QPushButton::clicked, this, &Tkessansyo1::exportSpreadsheet);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_zeroShow, &QRadioButton::clicked, this, [this] { setShowZeroLines(true); });
    connect(m_zeroHide, &QRadioButton::clicked, this, [this] { setShowZeroLines(false); });

    reload();
}

StatementKind Tkessansyo1::currentStatement() const {
    return static_cast<StatementKind>(m_tabs->currentIndex());
}

void Tkessansyo1::setCurrentStatement(StatementKind kind) {
    m_tabs->setCurrentIndex(static_cast<int>(kind));
}

QTableView* Tkessansyo1::grid(StatementKind kind) const {
    return m_grids[static_cast<int>(kind)];
}

void Tkessansyo1::reload() {
    try {
        m_st = loadStatements(m_session.www);
    } catch (const K9Error& e) {
        m_st = Statements{};
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
    }
    m_period->setText(m_st.from.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" ～ ") +
                      m_st.to.toString(QStringLiteral("yyyy/MM/dd")));
    fillGrids();
}

void Tkessansyo1::setShowZeroLines(bool show) {
    QRadioButton* chosen = show ? m_zeroShow : m_zeroHide;
    if (!chosen->isChecked())
        chosen->setChecked(true);
    if (m_showZero == show)
        return;
    m_showZero = show;
    fillGrids();
}

void Tkessansyo1::fillGrids() {
    for (int k = 0; k < kStatementCount; ++k) {
        const auto kind = static_cast<StatementKind>(k);
        const std::vector<StatementLine> lines = visibleStatementLines(m_st, kind, m_showZero);
        const auto& columns = statementColumns(kind);
        QStringList headers;
        for (const auto& c : columns)
            headers << c.title;
        m_models[k]->setSheet(headers, chartLineSheetRows(lines, columns));
        QTableView* g = m_grids[k];
        for (int c = 0; c < m_models[k]->columnCount(); ++c) {
            const auto colKind = columns[static_cast<std::size_t>(c)].kind;
            g->setColumnWidth(c, colKind == StatementColumn::Kind::Name    ? 320
                                 : colKind == StatementColumn::Kind::Ratio ? 70
                                                                           : 130);
        }
    }
}

void Tkessansyo1::exportSpreadsheet() {
    m_export->setEnabled(false);
    const int k = static_cast<int>(currentStatement());
    GridExportOptions options;
    options.title = statementCaption(currentStatement());
    options.workDir = m_session.workDir;
    exportGrid(m_prompter, *m_models[k], m_grids[k], options);
    m_export->setEnabled(true);
}

void Tkessansyo1::openFootnotes() {
    Tcyuki editor(m_session, m_prompter, this);
    m_runScreen(editor);
}

void Tkessansyo1::openPrintDialog() {
    TkessansyoPForm dialog(m_session, m_prompter, m_st, currentStatement(), this);
    dialog.setReportPresenter(m_presenter);
    m_runScreen(dialog);
}

} // namespace k9
