// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger screen.
#include "ledgers/ui/tmotocyou.h"

#include "chart/ui/thojo_sel2.h"
#include "chart/ui/tindex.h"
#include "chart/ui/tkamoku_sel.h"
#include "engine/runtotals.h"
#include "engine/ui/perioddialog.h"
#include "journal/ui/tinput3.h"
#include "ledgers/ledgerexport.h"
#include "ledgers/ui/ledgergridmodel.h"
#include "ledgers/ui/tmotocyou_p.h"
#include "reports/ui/gridexport.h"
#include "store/captions.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/textutil.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace k9 {
namespace {

QLineEdit* readOnlyBox(QWidget* parent, bool amount) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    if (amount)
        box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

Tmotocyou::Tmotocyou(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_state(session),
      m_presenter(defaultReportPresenter()),
      m_voucherEditor([&session, &prompter](QWidget* owner, int voucher) {
          TInput3 entry(session, prompter, owner);
          entry.run(voucher);
      }) {
    setObjectName(QStringLiteral("Tmotocyou"));
    setWindowTitle(dataPathCaption(session.dataPath) + session.currentUnitName);
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(QStringLiteral("勘定元帳"), this);
    layout->addWidget(heading);

    auto* top = new QHBoxLayout;
    auto addButton = [&](const QString& caption, auto slot) {
        auto* b = new QPushButton(caption, this);
        connect(b, &QPushButton::clicked, this, slot);
        top->addWidget(b);
        return b;
    };
    addButton(QStringLiteral("科目選択"), [this] { chooseAccount(); });
    addButton(QStringLiteral("補助科目"), [this] { chooseSubAccount(); });
    addButton(QStringLiteral("期間変更"), [this] { changePeriod(); });
    m_period = new QLabel(this);
    top->addWidget(m_period);
    m_accountName = readOnlyBox(this, false);
    m_subName = readOnlyBox(this, false);
    top->addWidget(m_accountName);
    top->addWidget(m_subName);
    addButton(QStringLiteral("印　　刷"), [this] { print(); });
    addButton(QStringLiteral("エクセル出力"), [this] { exportSpreadsheet(); });
    addButton(QStringLiteral("インデックス"), [this] {
        TIndex labels(m_session, m_prompter, indexlabels::Source::Accounts, this);
        labels.exec();
    });
    addButton(QStringLiteral("全科目エクセル"), [this] { exportAllAccounts(); });
    m_csv = addButton(QStringLiteral("CSV出力"), [this] { exportCsv(); });
    m_csv->setVisible(false);
    // An otherwise empty label: a double-click shows the "CSV出力" button.
    m_csvReveal = new QLabel(QStringLiteral("　　"), this);
    m_csvReveal->installEventFilter(this);
    top->addWidget(m_csvReveal);
    layout->addLayout(top);

    m_correctionPanel = new QWidget(this);
    auto* correction = new QHBoxLayout(m_correctionPanel);
    m_correct = new QPushButton(QStringLiteral("伝票の訂正"), m_correctionPanel);
    m_correct->setEnabled(session.viewOnly != 1);
    connect(m_correct, &QPushButton::clicked, this, [this] { correctVoucher(); });
    correction->addWidget(m_correct);
    correction->addWidget(
        new QLabel(QStringLiteral("日付を変更した場合は「期間変更」ボタンを押して、再計算をしてください。"),
                   m_correctionPanel));
    correction->addStretch();
    m_correctionPanel->setVisible(session.currentUnit != 0);
    layout->addWidget(m_correctionPanel);

    auto* second = new QHBoxLayout;
    second->addWidget(new QLabel(QStringLiteral("件数"), this));
    m_count = new QLabel(QStringLiteral("0"), this);
    second->addWidget(m_count);
    second->addSpacing(24);
    second->addWidget(new QLabel(
        QStringLiteral("空白 対象外　０非課税　１課税　２課税個別対応科目　３使途特定　４不特定"), this));
    second->addStretch();
    layout->addLayout(second);

    m_model = new LedgerGridModel(this);
    m_grid = new QTableView(this);
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setVisible(false);
    layout->addWidget(m_grid, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("累計合計"), this));
    m_debit = readOnlyBox(this, true);
    m_credit = readOnlyBox(this, true);
    m_balance = readOnlyBox(this, true);
    bottom->addWidget(m_debit);
    bottom->addWidget(m_credit);
    bottom->addWidget(m_balance);
    layout->addLayout(bottom);

    guarded([this] { m_period->setText(m_state.periodText()); });
}

bool Tmotocyou::guarded(const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const K9Error& e) {
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
        return false;
    }
}

void Tmotocyou::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        setWindowState(windowState() | Qt::WindowMaximized);
        if (m_pickOnFirstShow)
            QMetaObject::invokeMethod(
                this, [this] { chooseAccount(); }, Qt::QueuedConnection);
    }
}

bool Tmotocyou::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_csvReveal && event->type() == QEvent::MouseButtonDblClick) {
        revealCsvButton();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tmotocyou::revealCsvButton() {
    m_csv->setVisible(true);
}

void Tmotocyou::showAccount(const QString& code, const QString& name) {
    guarded([&] {
        m_state.showAccount(code);
        m_accountName->setText(removeSpaces(name));
        m_subName->clear();
    });
    fill();
}

void Tmotocyou::showSubAccount(const QString& code, const QString& sub, const QString& accountName,
                               const QString& subName) {
    Q_UNUSED(accountName);
    guarded([&] {
        m_state.showSubAccount(code, sub);
        m_accountName->clear();
        m_subName->setText(subName);
    });
    fill();
}

void Tmotocyou::fill() {
    guarded([this] { m_period->setText(m_state.periodText()); });
    m_model->setRows(m_state.rows());
    m_count->setText(m_state.lineCountText());
    m_debit->setText(m_state.debitText());
    m_credit->setText(m_state.creditText());
    m_balance->setText(m_state.balanceText());
    if (m_model->rowCount() > 0)
        m_grid->selectRow(0);
}

void Tmotocyou::chooseAccount() {
    guarded([this] {
        Tkamoku_SEL picker(m_session, m_prompter, this);
        const std::optional<PickedAccount> picked = picker.pick(m_state.accountCode());
        if (picked)
            showAccount(picked->code, picked->name);
    });
}

void Tmotocyou::chooseSubAccount() {
    guarded([this] {
        Thojo_SEL2 picker(m_session, this);
        const std::optional<SubAccountLine> picked = picker.pick(m_state.accountCode());
        if (picked)
            showSubAccount(picked->accountCode, picked->code, picked->accountName, picked->name);
    });
}

void Tmotocyou::changePeriod() {
    PeriodDialog dialog(PeriodDialog::Variant::Ledgers, m_session, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    guarded([this] { m_period->setText(m_state.periodText()); });
    chooseAccount();
}

void Tmotocyou::exportSpreadsheet() {
    GridExportOptions options;
    options.title = QStringLiteral("勘定元帳");
    options.workDir = m_session.workDir;
    exportGrid(m_prompter, *m_model, m_grid, options);
}

void Tmotocyou::exportAllAccounts() {
    guarded([this] {
        const ledger::Ledgers all =
            ledger::allAccountLedgers(m_session.www, ledger::storedLedgerPeriod(m_session));
        ledger::storeLedgerRows(m_session.www, all.rows);
        LedgerGridModel allModel;
        allModel.setRows(all.rows);
        GridExportOptions options;
        options.title = QStringLiteral("勘定元帳");
        options.workDir = m_session.workDir;
        exportGrid(m_prompter, allModel, nullptr, options);
        m_state.rebuild();
    });
    fill();
}

void Tmotocyou::exportCsv() {
    const std::optional<QString> file = m_prompter.saveFileName(
        QStringLiteral("CSV出力"), ledger::defaultCsvFile(), QStringLiteral("CSV (*.csv *.CSV)"));
    if (!file || file->isEmpty())
        return;
    guarded([&] { ledger::exportLedgerCsv(m_state.rows(), *file, m_prompter); });
}

void Tmotocyou::print() {
    Tmotocyou_P dialog(m_session, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printLedgers(dialog.choice(), dialog.options());
}

void Tmotocyou::printLedgers(const ledger::PrintChoice& choice, const ledger::LedgerPrintOptions& options) {
    std::vector<ReportDocument> docs;
    const bool built = guarded([&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restore {
            ~Restore() { QApplication::restoreOverrideCursor(); }
        } restore;
        if (choice.range == ledger::PrintRange::Shown) {
            docs = ledger::ledgerPrintout(m_session, m_state.ledgers(), true, options);
        } else {
            const ledger::Ledgers kept = ledger::printLedgers(m_session, choice);
            docs = ledger::ledgerPrintout(m_session, kept, false, options);
            // The range overwrote the stored rows: the shown ledger is built again.
            m_state.rebuild();
        }
    });
    fill();
    if (built && m_presenter)
        m_presenter(this, ledger::previewDocument(docs, options));
}

void Tmotocyou::correctVoucher() {
    const QModelIndex current = m_grid->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    const std::optional<long long> voucher = m_state.voucherAt(row);
    if (!voucher) {
        m_prompter.message(ledger::LedgerScreenState::noVoucherMessage(), MessageIcon::Information);
        return;
    }
    const int sNo = m_state.rows()[static_cast<std::size_t>(row)].sNo;
    // Voucher entry may switch the unit; the ledger stays on the unit it shows.
    const int unit = m_session.currentUnit;
    const QString unitText = m_session.currentUnitText;
    const QString unitName = m_session.currentUnitName;
    if (m_voucherEditor)
        m_voucherEditor(this, static_cast<int>(*voucher));
    m_session.currentUnit = unit;
    m_session.currentUnitText = unitText;
    m_session.currentUnitName = unitName;
    // The journal work copy is read again and the figures of the stored period computed
    // again, so that a changed amount or account shows at once.
    guarded([this] {
        if (m_session.currentUnit > 0)
            runTotals(m_session, storedPeriodChoice(m_session));
        m_state.rebuild();
    });
    fill();
    const int again = m_state.rowOfSNo(sNo);
    if (again >= 0 && again < m_model->rowCount())
        m_grid->selectRow(again);
}

QString Tmotocyou::countText() const {
    return m_count->text();
}

QStringList Tmotocyou::totalTexts() const {
    return {m_debit->text(), m_credit->text(), m_balance->text()};
}

QString Tmotocyou::periodText() const {
    return m_period->text();
}

QPushButton* Tmotocyou::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace k9
