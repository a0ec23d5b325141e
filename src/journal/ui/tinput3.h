// SPDX-License-Identifier: GPL-3.0-or-later
// Transfer voucher entry "伝票入力" (TInput3): the header (date, 整理伝票, 未決済伝票, the unit),
// twenty lines of debit and credit sides with descriptions, the totals, and the buttons and
// keys that save, browse, copy and delete vouchers. The rules live in journal/voucherentry.h;
// this window turns keys into its calls and draws its state.
#pragma once

#include "journal/voucherentry.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QToolButton;

namespace k9 {

class Prompter;
class TWKTBL0;
class TWKTBL1;
class Thojo_SEL;
class Tkamoku_SEL;
struct Session;

class TInput3 : public QDialog {
    Q_OBJECT
public:
    // The entry fields of a line, in the order Enter walks them.
    enum Field {
        DebitCode,
        DebitSub,
        DebitAmount,
        DebitTax,
        CreditCode,
        CreditSub,
        CreditAmount,
        CreditTax,
        Description1,
        Description2,
        FieldCount
    };

    TInput3(Session& session, Prompter& prompter, QWidget* parent = nullptr);
    ~TInput3() override;

    // Opening: a new voucher, or the voucher handed in (edit mode). False when the journal
    // cannot be read (the message was shown); the screen is then not to be shown.
    bool prepare(std::optional<int> voucherToOpen = std::nullopt);
    // prepare() and the modal window.
    int run(std::optional<int> voucherToOpen = std::nullopt);

    VoucherEntry& entry() { return m_entry; }
    QLineEdit* field(int row, Field f) const { return m_lines[static_cast<size_t>(row)].fields[f]; }
    QLineEdit* yearField() const { return m_year; }
    QLineEdit* monthField() const { return m_month; }
    QLineEdit* dayField() const { return m_day; }
    QComboBox* unitBox() const { return m_unitBox; }
    QLabel* modeLabel() const { return m_modeLabel; }
    QLabel* savedLabel() const { return m_savedLabel; }
    QLabel* debitTotal() const { return m_debitTotal; }
    QLabel* creditTotal() const { return m_creditTotal; }
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* saveButton() const { return m_save; }

    // Closing (Esc, the window frame): asks first when typed lines would be lost.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct LineWidgets {
        std::array<QLineEdit*, FieldCount> fields{};
        QLineEdit* debitName = nullptr;
        QLineEdit* debitSubName = nullptr;
        QLineEdit* debitTaxName = nullptr;
        QLineEdit* creditName = nullptr;
        QLineEdit* creditSubName = nullptr;
        QLineEdit* creditTaxName = nullptr;
        QLabel* number = nullptr;
    };

    QWidget* buildEntryTab();
    QWidget* buildHeader();
    QWidget* buildLines();
    QWidget* buildButtons();
    QLineEdit* makeField(int row, Field f, int width, int maxLength);
    QLineEdit* makeName(int width);

    // Drawing the model.
    void refreshAll();
    void refreshHeader();
    void refreshLine(int row);
    void refreshTotals();

    // Keys.
    bool fieldKey(int row, Field f, QKeyEvent* key);
    bool headerKey(QLineEdit* edit, QKeyEvent* key);
    void enterOn(int row, Field f);
    void moveTo(int row, Field f);
    // The field's text into the model (leaving the field); code fields record their use.
    void commitField(int row, Field f);
    void commitCurrent();
    bool checkHeaderField(QLineEdit* edit);

    void accountEntry(int row, Side side);
    void subAccountEntry(int row, Side side);
    void descriptionEntry(int row);

    // Buttons.
    void onSave();
    void onNew();
    void onInsertLine();
    void onDeleteLine();
    void onRevert();
    void onCopy();
    void onDelete();
    void onBrowse(VoucherEntry::Move move);
    void onNumberSearch();
    void onUnitChosen(int index);
    void afterReload();

    Session& m_session;
    Prompter& m_prompter;
    VoucherEntry m_entry;
    std::unique_ptr<Tkamoku_SEL> m_accountPicker;
    std::unique_ptr<Thojo_SEL> m_subPicker;
    std::unique_ptr<TWKTBL0> m_debitList;
    std::unique_ptr<TWKTBL1> m_creditList;

    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    QCheckBox* m_adjusting = nullptr;
    QCheckBox* m_unsettled = nullptr;
    QCheckBox* m_budgetPopup = nullptr;
    QComboBox* m_unitBox = nullptr;
    QLineEdit* m_number = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_modeLabel = nullptr;
    QLabel* m_savedLabel = nullptr;
    QLineEdit* m_numberSearch = nullptr;
    std::array<QToolButton*, 4> m_navigator{};
    QScrollArea* m_scroll = nullptr;
    std::array<LineWidgets, kVoucherLines> m_lines;
    QLabel* m_debitTotal = nullptr;
    QLabel* m_creditTotal = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_insertLine = nullptr;
    QPushButton* m_deleteLine = nullptr;
    QPushButton* m_revert = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_printOne = nullptr;
    QPushButton* m_template = nullptr;

    int m_row = 0;       // the current line
    bool m_busy = false; // a key is being handled: focus changes do not commit
};

} // namespace k9
