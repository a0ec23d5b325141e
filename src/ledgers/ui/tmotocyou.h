// SPDX-License-Identifier: GPL-3.0-or-later
// Tmotocyou, the general ledger screen "勘定元帳": the account or sub-account chosen through
// the pickers, "期間変更" through the ledgers' period dialog, the grid of the last build with
// "件数" and the "累計合計" boxes, printing through the print dialog and the preview, the
// spreadsheet exports, the CSV file, and "伝票の訂正", which opens the voucher of the
// current line in voucher entry and shows the ledger again with the correction.
// "インデックス" opens the index-label printer on the accounts.
#pragma once

#include "ledgers/ledgerprint.h"
#include "ledgers/ledgerprintout.h"
#include "ledgers/ledgerscreen.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace k9 {

class LedgerGridModel;
class Prompter;
struct Session;

class Tmotocyou : public QDialog {
    Q_OBJECT
public:
    Tmotocyou(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // The first showing opens the account picker at once; tests turn that off.
    void setPickOnFirstShow(bool on) { m_pickOnFirstShow = on; }

    // What the pickers' closing does: build and show the ledger.
    void showAccount(const QString& code, const QString& name);
    void showSubAccount(const QString& code, const QString& sub, const QString& accountName,
                        const QString& subName);

    // The buttons' work.
    void chooseAccount();     // 科目選択
    void chooseSubAccount();  // 補助科目
    void changePeriod();      // 期間変更
    void exportSpreadsheet(); // エクセル出力
    void exportAllAccounts(); // 全科目エクセル
    void exportCsv();         // CSV出力
    void revealCsvButton();
    void print();          // 印　　刷: the print dialog, then the preview
    void correctVoucher(); // 伝票の訂正 on the grid's current row

    // The print dialog's work: the shown ledger or the ledgers of a range laid out and
    // handed to the presenter; after a range the shown ledger is built again.
    void printLedgers(const ledger::PrintChoice& choice, const ledger::LedgerPrintOptions& options);
    // Where the printout goes; previewReport unless a test records it.
    void setReportPresenter(ReportPresenter presenter) { m_presenter = std::move(presenter); }
    // Opens a voucher for correction; voucher entry (TInput3) in edit mode unless replaced.
    using VoucherEditor = std::function<void(QWidget* parent, int voucher)>;
    void setVoucherEditor(VoucherEditor editor) { m_voucherEditor = std::move(editor); }

    const ledger::LedgerScreenState& state() const { return m_state; }
    QTableView* grid() const { return m_grid; }
    LedgerGridModel* model() const { return m_model; }
    QString countText() const;
    QStringList totalTexts() const; // debit, credit, balance
    QString periodText() const;
    QPushButton* button(const QString& caption) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    bool guarded(const std::function<void()>& work);

    Session& m_session;
    Prompter& m_prompter;
    ledger::LedgerScreenState m_state;
    ReportPresenter m_presenter;
    VoucherEditor m_voucherEditor;
    bool m_pickOnFirstShow = true;
    bool m_shownOnce = false;
    LedgerGridModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_period = nullptr;
    QLabel* m_csvReveal = nullptr;
    QLineEdit* m_accountName = nullptr;
    QLineEdit* m_subName = nullptr;
    QLabel* m_count = nullptr;
    QLineEdit* m_debit = nullptr;
    QLineEdit* m_credit = nullptr;
    QLineEdit* m_balance = nullptr;
    QPushButton* m_csv = nullptr;
    QPushButton* m_correct = nullptr;
    QWidget* m_correctionPanel = nullptr;
};

} // namespace k9
