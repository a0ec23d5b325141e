// SPDX-License-Identifier: GPL-3.0-or-later
// The chart editor's window: the two grids and their side notes, the navigator, the code
// jump, sub-account set-up and the propagation to the units on closing.
#include "chart/ui/tkamoku.h"

#include "chart/chartmessages.h"
#include "chart/chartrules.h"
#include "chart/charttablemodel.h"
#include "chart/subaccounts.h"
#include "chart/ui/chartgrid.h"
#include "chart/ui/thojokamoku.h"
#include "chart/ui/tkamoku_hojo.h"
#include "reports/ui/gridexport.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/taxsettings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace k9 {
namespace {

enum Nav {
    NavFirst,
    NavPrior,
    NavNext,
    NavLast,
    NavInsert,
    NavDelete,
    NavEdit,
    NavPost,
    NavCancel,
    NavCount
};

struct NavButton {
    const char* text;
    const char* objectName;
    const char* tip;
};

const NavButton kNavButtons[NavCount] = {
    {"｜◀", "navFirst", "先頭の行"},
    {"◀", "navPrior", "前の行"},
    {"▶", "navNext", "次の行"},
    {"▶｜", "navLast", "最後の行"},
    {"挿入", "navInsert", "行を挿入"},
    {"削除", "navDelete", "行を削除"},
    {"編集", "navEdit", "行を編集"},
    {"書込", "navPost", "行を書き込む"},
    {"取消", "navCancel", "編集を取り消す"},
};

// Texts of the side notes keep their blanks for alignment: a fixed-pitch Japanese font.
QFont noteFont() {
    QFont f(QStringLiteral("IPAGothic"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(noteFont());
    label->setWordWrap(false);
    return label;
}

// The help window of "属性説明": the attribute texts with their alignment kept.
void showHelpWindow(QWidget* parent, const QString& text) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("attributeHelpWindow"));
    dialog.setWindowTitle(chartmsg::attributeHelpButton());
    auto* layout = new QVBoxLayout(&dialog);
    auto* body = new QPlainTextEdit(&dialog);
    body->setObjectName(QStringLiteral("attributeHelpText"));
    body->setReadOnly(true);
    body->setFont(noteFont());
    body->setLineWrapMode(QPlainTextEdit::NoWrap);
    body->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    body->setPlainText(text);
    // Large enough to show the whole text without scrolling.
    const QFontMetrics fm(body->font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    body->setMinimumSize(width + fm.horizontalAdvance(QLatin1Char('0')) * 10,
                         fm.lineSpacing() * (static_cast<int>(lines.size()) + 3));
    layout->addWidget(body);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace

Tkamoku::Tkamoku(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("Tkamoku"));
    m_template = !session.templateDir.isEmpty();
    m_readOnly = session.viewOnly == 1;
    try {
        loadTaxSettings(session);
        m_taxMethod = session.taxMethod;
    } catch (const K9Error&) {
        m_taxMethod = 0;
    }
    try {
        if (m_template) {
            const QString file = QDir(session.templateDir).filePath(QString::fromLatin1(kDatabaseFile));
            if (!QFileInfo(file).isFile())
                throw StoreError(QStringLiteral("勘定科目の雛型 %1 が見つかりません。")
                                     .arg(QDir::toNativeSeparators(file)));
            m_templateDb.open(file, Database::Kind::Other);
            m_templateDb.setWriteProtected(m_readOnly);
            m_chart = &m_templateDb;
        } else {
            m_chart = &session.aaa;
        }
        if (!m_readOnly)
            applyTransferRoles(*m_chart);
        m_accounts = std::make_unique<ChartTableModel>(*m_chart, prompter, ChartTable::Accounts);
        m_fundLines = std::make_unique<ChartTableModel>(*m_chart, prompter, ChartTable::FundLines);
        m_accounts->setReadOnly(m_readOnly);
        m_fundLines->setReadOnly(m_readOnly);
        m_loaded = true;
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    buildWindow();
}

Tkamoku::~Tkamoku() = default;

UnitSubAccountNames Tkamoku::subAccountNames() const {
    return m_namesCommon && m_namesCommon->isChecked() ? UnitSubAccountNames::Common
                                                       : UnitSubAccountNames::PerUnit;
}

void Tkamoku::setSubAccountOpener(std::function<void(const SubAccountRequest&)> opener) {
    m_subAccountOpener = std::move(opener);
}

void Tkamoku::setPerUnitNamesOpener(std::function<void(const QString&)> opener) {
    m_perUnitNamesOpener = std::move(opener);
}

// ---------------------------------------------------------------- layout

QPushButton* Tkamoku::button(const QString& text, const char* objectName) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(objectName));
    // Enter belongs to the grids: no button reacts to it by default.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void Tkamoku::buildWindow() {
    setWindowTitle(m_session.currentUnitName.isEmpty() || m_template ? chartmsg::editorTitle()
                                                                     : m_session.currentUnitName);
    auto* layout = new QVBoxLayout(this);

    QString heading = chartmsg::editorTitle();
    if (m_template)
        heading += QStringLiteral("　（雛型 %1）").arg(QDir(m_session.templateDir).dirName());
    auto* title = new QLabel(heading, this);
    title->setObjectName(QStringLiteral("heading"));
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.3);
    tf.setBold(true);
    title->setFont(tf);
    layout->addWidget(title);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(buildAccountsTab(), chartmsg::accountsTab());
    m_tabs->addTab(buildFundLinesTab(), chartmsg::fundLinesTab());
    layout->addWidget(m_tabs, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildNavigator());
    bottom->addWidget(buildCodeJump());
    auto* help = button(chartmsg::attributeHelpButton(), "attributeHelp");
    connect(help, &QPushButton::clicked, this, &Tkamoku::showAttributeHelp);
    bottom->addWidget(help, 0, Qt::AlignBottom);
    bottom->addStretch(1);
    auto* close = button(QStringLiteral("閉じる"), "closeButton");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    layout->addWidget(buildLaterTools());

    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { updateNavigator(); });
    for (ChartGrid* grid : {m_accountGrid, m_fundGrid}) {
        if (!grid->chartModel())
            continue;
        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, grid](const QModelIndex& current, const QModelIndex& previous) {
                    lineChanged(grid, current, previous);
                });
        connect(grid->chartModel(), &ChartTableModel::editStateChanged, this, [this] { updateNavigator(); });
    }
    if (m_accounts) {
        connect(m_accounts.get(), &QAbstractItemModel::dataChanged, this,
                [this] { updateSubAccountPanel(); });
        connect(m_accountGrid, &QTableView::doubleClicked, this, &Tkamoku::accountDoubleClicked);
        m_accountGrid->goTo(0, 0);
        m_fundGrid->goTo(0, 0);
    }
    updatePerUnitChoice();
    updateSubAccountPanel();
    updateNavigator();
    resize(1120, 720);
}

QWidget* Tkamoku::buildAccountsTab() {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    m_accountGrid = new ChartGrid(page);
    m_accountGrid->setObjectName(QStringLiteral("accountGrid"));
    if (m_accounts)
        m_accountGrid->setChartModel(m_accounts.get());
    row->addWidget(m_accountGrid, 1);

    auto* side = new QVBoxLayout;
    auto* note = new QLabel(chartmsg::subAccountNote(), page);
    note->setObjectName(QStringLiteral("subAccountNote"));
    side->addWidget(note);

    // The sub-account panel, shown on lines that may carry sub-accounts.
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("subAccountPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* pl = new QVBoxLayout(panel);
    auto* setUp = button(chartmsg::subAccountSetUp(), "subAccountSetUp");
    connect(setUp, &QPushButton::clicked, this, &Tkamoku::subAccountSetUpClicked);
    pl->addWidget(setUp);
    auto* choice = new QGroupBox(chartmsg::perUnitNamesChoice(), panel);
    choice->setObjectName(QStringLiteral("perUnitNamesChoice"));
    auto* cl = new QHBoxLayout(choice);
    m_namesPerUnit = new QRadioButton(chartmsg::perUnitNamesOn(), choice);
    m_namesPerUnit->setObjectName(QStringLiteral("perUnitNamesOn"));
    m_namesCommon = new QRadioButton(chartmsg::perUnitNamesOff(), choice);
    m_namesCommon->setObjectName(QStringLiteral("perUnitNamesOff"));
    m_namesPerUnit->setChecked(true);
    cl->addWidget(m_namesPerUnit);
    cl->addWidget(m_namesCommon);
    connect(m_namesPerUnit, &QRadioButton::toggled, this, [this] { updatePerUnitChoice(); });
    pl->addWidget(choice);
    m_perUnitNamesButton = button(chartmsg::perUnitNamesButton(), "perUnitNamesButton");
    connect(m_perUnitNamesButton, &QPushButton::clicked, this, &Tkamoku::perUnitNamesClicked);
    pl->addWidget(m_perUnitNamesButton);
    m_perUnitNamesLabel = new QLabel(panel);
    m_perUnitNamesLabel->setObjectName(QStringLiteral("perUnitNamesLabel"));
    m_perUnitNamesLabel->setWordWrap(true);
    pl->addWidget(m_perUnitNamesLabel);
    m_subAccountPanel = panel;
    side->addWidget(panel);

    auto* small = noteLabel(chartmsg::smallAccountNote().join('\n'), page);
    small->setObjectName(QStringLiteral("smallAccountNote"));
    side->addWidget(small);
    auto* tax = noteLabel(chartmsg::taxNote(m_taxMethod).join('\n'), page);
    tax->setObjectName(QStringLiteral("taxNote"));
    side->addWidget(tax);
    side->addStretch(1);
    // The place of the chart's maintenance functions.
    auto* hidden = new QLabel(page);
    hidden->setObjectName(QStringLiteral("accountsToolsLabel"));
    hidden->setMinimumHeight(16);
    side->addWidget(hidden);
    auto* exportButton = button(chartmsg::exportButton(), "exportAccounts");
    connect(exportButton, &QPushButton::clicked, this,
            [this] { exportTab(m_accountGrid, chartmsg::accountsTab()); });
    side->addWidget(exportButton);
    row->addLayout(side);
    return page;
}

QWidget* Tkamoku::buildFundLinesTab() {
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    m_fundGrid = new ChartGrid(page);
    m_fundGrid->setObjectName(QStringLiteral("fundLineGrid"));
    if (m_fundLines)
        m_fundGrid->setChartModel(m_fundLines.get());
    row->addWidget(m_fundGrid, 1);
    auto* side = new QVBoxLayout;
    side->addStretch(1);
    auto* hidden = new QLabel(page);
    hidden->setObjectName(QStringLiteral("fundLinesToolsLabel"));
    hidden->setMinimumHeight(16);
    side->addWidget(hidden);
    auto* exportButton = button(chartmsg::exportButton(), "exportFundLines");
    connect(exportButton, &QPushButton::clicked, this,
            [this] { exportTab(m_fundGrid, chartmsg::fundLinesTab()); });
    side->addWidget(exportButton);
    row->addLayout(side);
    return page;
}

QWidget* Tkamoku::buildNavigator() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("navigator"));
    auto* l = new QHBoxLayout(box);
    l->setSpacing(2);
    for (int i = 0; i < NavCount; ++i) {
        const NavButton& nb = kNavButtons[i];
        QPushButton* b = button(QString::fromUtf8(nb.text), nb.objectName);
        b->setToolTip(QString::fromUtf8(nb.tip));
        b->setFixedWidth(52);
        l->addWidget(b);
        m_navButtons[i] = b;
    }
    connect(m_navButtons[NavFirst], &QPushButton::clicked, this, [this] { navigate(NavFirst); });
    connect(m_navButtons[NavPrior], &QPushButton::clicked, this, [this] { navigate(NavPrior); });
    connect(m_navButtons[NavNext], &QPushButton::clicked, this, [this] { navigate(NavNext); });
    connect(m_navButtons[NavLast], &QPushButton::clicked, this, [this] { navigate(NavLast); });
    connect(m_navButtons[NavInsert], &QPushButton::clicked, this, &Tkamoku::insertLine);
    connect(m_navButtons[NavDelete], &QPushButton::clicked, this, &Tkamoku::deleteLine);
    connect(m_navButtons[NavEdit], &QPushButton::clicked, this, &Tkamoku::editLine);
    connect(m_navButtons[NavPost], &QPushButton::clicked, this, &Tkamoku::postLine);
    connect(m_navButtons[NavCancel], &QPushButton::clicked, this, &Tkamoku::cancelLine);
    return box;
}

QWidget* Tkamoku::buildCodeJump() {
    auto* box = new QGroupBox(chartmsg::codeJumpTitle(), this);
    box->setObjectName(QStringLiteral("codeJump"));
    auto* l = new QHBoxLayout(box);
    auto* end = button(chartmsg::jumpTowardEnd(), "jumpTowardEnd");
    auto* start = button(chartmsg::jumpTowardStart(), "jumpTowardStart");
    for (QPushButton* b : {end, start}) {
        b->setToolTip(chartmsg::codeJumpHint());
        l->addWidget(b);
    }
    connect(end, &QPushButton::clicked, this, [this] { jump(true); });
    connect(start, &QPushButton::clicked, this, [this] { jump(false); });
    return box;
}

QWidget* Tkamoku::buildLaterTools() {
    // The chart's check list and printouts join this row; until then it holds their place.
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("chartTools"));
    auto* l = new QHBoxLayout(row);
    l->setContentsMargins(0, 0, 0, 0);
    for (auto [text, name] :
         {std::pair{"チェック表印刷", "checkListPrint"}, std::pair{"科目印刷", "chartPrint"},
          std::pair{"補助科目印刷", "subAccountPrint"}}) {
        QPushButton* b = button(QString::fromUtf8(text), name);
        b->setEnabled(false);
        l->addWidget(b);
    }
    l->addStretch(1);
    return row;
}

// ---------------------------------------------------------------- state

ChartGrid* Tkamoku::activeGrid() const {
    return m_tabs->currentIndex() == 0 ? m_accountGrid : m_fundGrid;
}

ChartTableModel* Tkamoku::activeModel() const {
    return activeGrid()->chartModel();
}

bool Tkamoku::leaveLine(ChartGrid* grid, int row) {
    ChartTableModel* model = grid->chartModel();
    if (!model || !model->isEditing() || model->editRow() != row)
        return true;
    // A new line nobody typed into is dropped, as a table cursor drops an unchanged insert.
    if (model->isInserting() && model->isBlank(row)) {
        model->cancel();
        return true;
    }
    return model->post();
}

void Tkamoku::lineChanged(ChartGrid* grid, const QModelIndex& current, const QModelIndex& previous) {
    if (grid == m_accountGrid && current.isValid())
        m_jumpKey = m_accounts->code(current.row());
    if (!m_restoringLine && previous.isValid() && (!current.isValid() || current.row() != previous.row())) {
        ChartTableModel* model = grid->chartModel();
        if (model->isEditing() && model->editRow() == previous.row()) {
            const QPersistentModelIndex target = current;
            const int column = previous.column();
            if (!leaveLine(grid, previous.row())) {
                // The refused line stays current and in edit.
                QTimer::singleShot(0, this, [this, grid, column] {
                    ChartTableModel* m = grid->chartModel();
                    if (!m->isEditing())
                        return;
                    m_restoringLine = true;
                    grid->goTo(m->editRow(), column);
                    m_restoringLine = false;
                    updateSubAccountPanel();
                });
            } else if (target.isValid() && grid->currentIndex() != target) {
                grid->goTo(target.row(), target.column());
            }
        }
    }
    if (grid == m_accountGrid)
        updateSubAccountPanel();
    updateNavigator();
}

void Tkamoku::updateNavigator() {
    ChartTableModel* model = m_tabs ? activeModel() : nullptr;
    const bool usable = model != nullptr;
    const bool writable = usable && !m_readOnly;
    const bool editing = usable && model->isEditing();
    for (int i = NavFirst; i <= NavLast; ++i)
        m_navButtons[i]->setEnabled(usable && model->rowCount() > 0);
    m_navButtons[NavInsert]->setEnabled(writable);
    m_navButtons[NavDelete]->setEnabled(writable && model->rowCount() > 0);
    m_navButtons[NavEdit]->setEnabled(writable && model->rowCount() > 0 && !editing);
    m_navButtons[NavPost]->setEnabled(writable && editing);
    m_navButtons[NavCancel]->setEnabled(writable && editing);
}

void Tkamoku::updateSubAccountPanel() {
    if (!m_subAccountPanel)
        return;
    bool visible = false;
    if (m_accounts) {
        const QModelIndex cur = m_accountGrid->currentIndex();
        if (cur.isValid())
            visible = subAccountPanelVisible(m_accounts->flag(cur.row(), QStringLiteral("FlgD")),
                                             m_accounts->flag(cur.row(), QStringLiteral("FlgG")), m_template);
    }
    m_subAccountPanel->setVisible(visible);
}

void Tkamoku::updatePerUnitChoice() {
    const bool perUnit = m_namesPerUnit->isChecked();
    m_perUnitNamesButton->setVisible(perUnit);
    m_perUnitNamesLabel->setText(perUnit ? chartmsg::perUnitNamesOnLabel()
                                         : chartmsg::perUnitNamesOffLabel());
}

// ---------------------------------------------------------------- navigator

void Tkamoku::navigate(int how) {
    ChartGrid* grid = activeGrid();
    ChartTableModel* model = grid->chartModel();
    if (!model || model->rowCount() == 0)
        return;
    grid->commitOpenEditor();
    const QModelIndex cur = grid->currentIndex();
    const int row = cur.isValid() ? cur.row() : 0;
    const int column = cur.isValid() ? cur.column() : 0;
    int target = row;
    switch (how) {
    case NavFirst:
        target = 0;
        break;
    case NavPrior:
        target = std::max(0, row - 1);
        break;
    case NavNext:
        target = std::min(model->rowCount() - 1, row + 1);
        break;
    case NavLast:
        target = model->rowCount() - 1;
        break;
    default:
        break;
    }
    grid->goTo(target, column);
    grid->setFocus();
}

void Tkamoku::insertLine() {
    ChartGrid* grid = activeGrid();
    ChartTableModel* model = grid->chartModel();
    if (!model || m_readOnly)
        return;
    grid->commitOpenEditor();
    if (model->isEditing() && !leaveLine(grid, model->editRow()))
        return;
    // The new line goes above the current one, as the navigator's insert does.
    const QModelIndex cur = grid->currentIndex();
    const int row = model->insertLine(cur.isValid() ? cur.row() : model->rowCount());
    if (row < 0)
        return;
    m_restoringLine = true;
    grid->goTo(row, 0);
    m_restoringLine = false;
    grid->setFocus();
    grid->edit(grid->currentIndex());
}

void Tkamoku::deleteLine() {
    ChartGrid* grid = activeGrid();
    ChartTableModel* model = grid->chartModel();
    if (!model || m_readOnly)
        return;
    grid->discardOpenEditor();
    const QModelIndex cur = grid->currentIndex();
    if (!cur.isValid())
        return;
    const int column = cur.column();
    m_restoringLine = true;
    const bool deleted = model->deleteLine(cur.row());
    m_restoringLine = false;
    if (deleted && model->rowCount() > 0)
        grid->goTo(std::min(cur.row(), model->rowCount() - 1), column);
    updateSubAccountPanel();
    updateNavigator();
}

void Tkamoku::editLine() {
    ChartGrid* grid = activeGrid();
    ChartTableModel* model = grid->chartModel();
    const QModelIndex cur = grid->currentIndex();
    if (!model || !cur.isValid() || m_readOnly)
        return;
    if (model->edit(cur.row())) {
        grid->setFocus();
        grid->edit(grid->currentIndex());
    }
}

void Tkamoku::postLine() {
    ChartGrid* grid = activeGrid();
    ChartTableModel* model = grid->chartModel();
    if (!model)
        return;
    grid->commitOpenEditor();
    if (!model->isEditing())
        return;
    const int column = std::max(0, grid->currentIndex().column());
    m_restoringLine = true;
    const bool posted = model->post();
    m_restoringLine = false;
    if (posted && model->lastPostedRow() >= 0)
        grid->goTo(model->lastPostedRow(), column);
    updateSubAccountPanel();
}

void Tkamoku::cancelLine() {
    ChartGrid* grid = activeGrid();
    ChartTableModel* model = grid->chartModel();
    if (!model)
        return;
    grid->discardOpenEditor();
    m_restoringLine = true;
    model->cancel();
    m_restoringLine = false;
    updateSubAccountPanel();
    updateNavigator();
}

// ---------------------------------------------------------------- code jump

void Tkamoku::jump(bool towardEnd) {
    if (!m_loaded)
        return;
    const JumpDirection direction = towardEnd ? JumpDirection::TowardEnd : JumpDirection::TowardStart;
    std::optional<int> current;
    if (m_tabs->currentIndex() == 0) {
        const QModelIndex cur = m_accountGrid->currentIndex();
        if (cur.isValid())
            m_jumpKey = m_accounts->code(cur.row());
        m_tabs->setCurrentIndex(1);
    } else {
        const QModelIndex cur = m_fundGrid->currentIndex();
        if (cur.isValid())
            current = cur.row();
    }
    const JumpResult r = jumpToCode(m_fundLines->codes(), m_jumpKey, direction, current);
    if (r.row >= 0) {
        const QModelIndex cur = m_fundGrid->currentIndex();
        m_fundGrid->goTo(r.row, cur.isValid() ? cur.column() : static_cast<int>(ChartTableModel::FundCode));
    }
    m_fundGrid->setFocus();
}

// ---------------------------------------------------------------- sub-accounts

void Tkamoku::accountDoubleClicked(const QModelIndex& index) {
    if (!index.isValid() || !m_accounts)
        return;
    const int row = index.row();
    switch (subAccountDoubleClick(m_accounts->flag(row, QStringLiteral("FlgA")),
                                  m_accounts->flag(row, QStringLiteral("FlgD")))) {
    case SubAccountClick::NotInputAccount:
        m_prompter.message(chartmsg::notInputAccount());
        return;
    case SubAccountClick::Nothing:
        return;
    case SubAccountClick::OpenEditor:
        break;
    }
    const QString hint = subAccountCodeHint(m_accounts->flag(row, QStringLiteral("FlgH")));
    const QPersistentModelIndex line = index;
    if (!leaveLine(m_accountGrid, row) || !line.isValid())
        return;
    openSubAccountEditor({m_accounts->code(line.row()), hint});
}

void Tkamoku::subAccountSetUpClicked() {
    const QModelIndex cur = m_accountGrid->currentIndex();
    if (!cur.isValid() || !flagIs(m_accounts->flag(cur.row(), QStringLiteral("FlgD")), 1))
        return;
    m_accountGrid->commitOpenEditor();
    const QPersistentModelIndex line = cur;
    if (!leaveLine(m_accountGrid, cur.row()) || !line.isValid())
        return;
    openSubAccountEditor({m_accounts->code(line.row()), QString()});
}

void Tkamoku::perUnitNamesClicked() {
    const QModelIndex cur = m_accountGrid->currentIndex();
    if (!cur.isValid())
        return;
    m_accountGrid->commitOpenEditor();
    const QPersistentModelIndex line = cur;
    if (!leaveLine(m_accountGrid, cur.row()) || !line.isValid())
        return;
    openPerUnitNames(m_accounts->code(line.row()));
}

void Tkamoku::openSubAccountEditor(const SubAccountRequest& request) {
    if (m_subAccountOpener) {
        m_subAccountOpener(request);
        return;
    }
    openSubAccountEditorScreen(request);
}

void Tkamoku::openPerUnitNames(const QString& accountCode) {
    if (m_perUnitNamesOpener) {
        m_perUnitNamesOpener(accountCode);
        return;
    }
    openPerUnitNamesScreen(accountCode);
}

void Tkamoku::openSubAccountEditorScreen(const SubAccountRequest& request) {
    try {
        THojokamoku editor(m_session, m_prompter, *m_chart, request.accountCode, request.hint, this);
        editor.exec();
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
}

void Tkamoku::openPerUnitNamesScreen(const QString& accountCode) {
    try {
        seedUnitSubAccountNames(m_session);
        Tkamoku_hojo names(m_session, m_prompter, accountCode, this);
        names.exec();
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
}

// ---------------------------------------------------------------- help, export

void Tkamoku::showAttributeHelp() {
    QString text = chartmsg::attributeHelp();
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    showHelpWindow(this, text);
}

void Tkamoku::exportTab(ChartGrid* grid, const QString& title) {
    if (!grid->chartModel())
        return;
    grid->commitOpenEditor();
    GridExportOptions options;
    options.title = title;
    options.workDir = m_session.workDir;
    k9::exportGrid(m_prompter, *grid->chartModel(), grid, options);
}

// ---------------------------------------------------------------- closing

bool Tkamoku::postPendingEdits() {
    const std::pair<ChartGrid*, int> grids[] = {{m_accountGrid, 0}, {m_fundGrid, 1}};
    for (auto [grid, tab] : grids) {
        ChartTableModel* model = grid->chartModel();
        if (!model)
            continue;
        grid->commitOpenEditor();
        if (model->isEditing() && !leaveLine(grid, model->editRow())) {
            m_tabs->setCurrentIndex(tab);
            m_restoringLine = true;
            grid->goTo(model->editRow(), 0);
            m_restoringLine = false;
            return false;
        }
    }
    return true;
}

void Tkamoku::propagate() {
    QProgressDialog progress(chartmsg::propagating(), QString(), 0, kLastMasterUnit, this);
    progress.setObjectName(QStringLiteral("propagationProgress"));
    progress.setWindowTitle(chartmsg::editorTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        syncChartToUnits(m_session, subAccountNames(), [&progress](int unit) { progress.setValue(unit); });
    } catch (const K9Error& e) {
        QApplication::restoreOverrideCursor();
        progress.reset();
        m_prompter.error(e.message());
        return;
    }
    QApplication::restoreOverrideCursor();
    progress.setValue(kLastMasterUnit);
}

void Tkamoku::done(int result) {
    if (m_closing) {
        QDialog::done(result);
        return;
    }
    if (m_loaded && !postPendingEdits())
        return;
    m_closing = true;
    if (m_loaded && !m_template && !m_readOnly)
        propagate();
    QDialog::done(result);
    m_closing = false;
}

} // namespace k9
