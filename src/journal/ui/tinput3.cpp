// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/ui/tinput3.h"

#include "chart/learning.h"
#include "chart/pickertexts.h"
#include "chart/ui/thojo_sel.h"
#include "chart/ui/tkamoku_sel.h"
#include "chart/ui/ttekiyou.h"
#include "chart/ui/twktbl.h"
#include "journal/journaltexts.h"
#include "store/captions.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/textutil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace k9 {
namespace {

Side sideOf(TInput3::Field f) {
    return f <= TInput3::DebitTax ? Side::Debit : Side::Credit;
}

bool isCode(TInput3::Field f) {
    return f == TInput3::DebitCode || f == TInput3::CreditCode;
}
bool isSub(TInput3::Field f) {
    return f == TInput3::DebitSub || f == TInput3::CreditSub;
}
bool isAmount(TInput3::Field f) {
    return f == TInput3::DebitAmount || f == TInput3::CreditAmount;
}
bool isTax(TInput3::Field f) {
    return f == TInput3::DebitTax || f == TInput3::CreditTax;
}

QString taxText(const std::optional<int>& t) {
    return t ? QString::number(*t) : QString();
}

const char* kRowProperty = "k9row";
const char* kFieldProperty = "k9field";

QPushButton* button(const QString& text, const QString& hint = QString()) {
    auto* b = new QPushButton(text);
    b->setAutoDefault(false);
    b->setDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(pickertext::displayLines(hint));
    return b;
}

} // namespace

TInput3::TInput3(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_entry(session, prompter) {
    setWindowTitle(journaltext::kCaption);
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_tabs->addTab(buildEntryTab(), journaltext::kEntryTab);
    // The journal list, search and check tabs come with their own screens; until then they
    // are shown and cannot be chosen.
    for (const QString& caption : {journaltext::kListTab, journaltext::kSearchTab, journaltext::kCheckTab}) {
        auto* page = new QLabel(journaltext::kNotAvailable);
        page->setAlignment(Qt::AlignCenter);
        const int index = m_tabs->addTab(page, caption);
        m_tabs->setTabEnabled(index, false);
        m_tabs->setTabToolTip(index, journaltext::kNotAvailable);
    }
    layout->addWidget(m_tabs);
    resize(1220, 760);
}

TInput3::~TInput3() = default;

QWidget* TInput3::buildEntryTab() {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->addWidget(buildHeader());
    v->addWidget(buildLines(), 1);
    v->addWidget(buildButtons());
    return page;
}

QWidget* TInput3::buildHeader() {
    auto* w = new QWidget;
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(0, 0, 0, 0);

    auto dateField = [this](int digits, int width) {
        auto* e = new QLineEdit;
        e->setMaxLength(digits);
        e->setFixedWidth(width);
        e->setAlignment(Qt::AlignRight);
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), e));
        e->setInputMethodHints(Qt::ImhDigitsOnly);
        e->installEventFilter(this);
        return e;
    };
    m_year = dateField(4, 56);
    m_month = dateField(2, 36);
    m_day = dateField(2, 36);
    connect(m_year, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_entry.year = t;
        m_entry.setModified();
    });
    connect(m_month, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_entry.month = t;
        m_entry.setModified();
    });
    connect(m_day, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_entry.day = t;
        m_entry.setModified();
    });
    auto* date = new QHBoxLayout;
    date->addWidget(m_year);
    date->addWidget(new QLabel(QStringLiteral("年")));
    date->addWidget(m_month);
    date->addWidget(new QLabel(QStringLiteral("月")));
    date->addWidget(m_day);
    date->addWidget(new QLabel(QStringLiteral("日")));
    date->addSpacing(16);

    m_number = new QLineEdit;
    m_number->setReadOnly(true);
    m_number->setFocusPolicy(Qt::NoFocus);
    m_number->setFixedWidth(80);
    m_number->setAlignment(Qt::AlignRight);
    m_count = new QLabel;
    date->addWidget(new QLabel(QStringLiteral("伝票番号")));
    date->addWidget(m_number);
    date->addWidget(m_count);
    date->addSpacing(16);

    m_modeLabel = new QLabel;
    m_modeLabel->setAlignment(Qt::AlignCenter);
    m_modeLabel->setMinimumWidth(130);
    m_modeLabel->setAutoFillBackground(true);
    date->addWidget(m_modeLabel);
    m_savedLabel = new QLabel(journaltext::kSaved);
    m_savedLabel->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    m_savedLabel->setVisible(false);
    date->addWidget(m_savedLabel);
    date->addStretch(1);

    m_unitBox = new QComboBox;
    m_unitBox->setMinimumWidth(160);
    connect(m_unitBox, &QComboBox::activated, this, &TInput3::onUnitChosen);
    date->addWidget(new QLabel(QStringLiteral("会計")));
    date->addWidget(m_unitBox);
    grid->addLayout(date, 0, 0);

    auto* second = new QHBoxLayout;
    m_adjusting = new QCheckBox(journaltext::kAdjusting);
    m_unsettled = new QCheckBox(journaltext::kUnsettled);
    m_budgetPopup = new QCheckBox(journaltext::kBudgetPopup);
    // The budget popup belongs to the template and budget screens, not available yet.
    m_budgetPopup->setEnabled(false);
    m_budgetPopup->setToolTip(journaltext::kNotAvailable);
    connect(m_adjusting, &QCheckBox::toggled, this, [this](bool on) {
        if (m_entry.adjusting != on) {
            m_entry.adjusting = on;
            m_entry.setModified();
        }
    });
    connect(m_unsettled, &QCheckBox::toggled, this, [this](bool on) {
        if (m_entry.unsettled != on) {
            m_entry.unsettled = on;
            m_entry.setModified();
        }
    });
    second->addWidget(m_adjusting);
    second->addWidget(m_unsettled);
    second->addWidget(m_budgetPopup);
    second->addStretch(1);

    const QString navText[] = {QStringLiteral("|◀"), QStringLiteral("◀"), QStringLiteral("▶"),
                               QStringLiteral("▶|")};
    const VoucherEntry::Move moves[] = {VoucherEntry::Move::First, VoucherEntry::Move::Prior,
                                        VoucherEntry::Move::Next, VoucherEntry::Move::Last};
    for (int i = 0; i < 4; ++i) {
        m_navigator[static_cast<size_t>(i)] = new QToolButton;
        m_navigator[static_cast<size_t>(i)]->setText(navText[i]);
        m_navigator[static_cast<size_t>(i)]->setFocusPolicy(Qt::NoFocus);
        const VoucherEntry::Move move = moves[i];
        connect(m_navigator[static_cast<size_t>(i)], &QToolButton::clicked, this,
                [this, move] { onBrowse(move); });
        second->addWidget(m_navigator[static_cast<size_t>(i)]);
    }
    second->addSpacing(16);
    m_numberSearch = new QLineEdit;
    m_numberSearch->setFixedWidth(90);
    m_numberSearch->setToolTip(journaltext::kNumberSearchHint);
    m_numberSearch->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this));
    connect(m_numberSearch, &QLineEdit::returnPressed, this, &TInput3::onNumberSearch);
    second->addWidget(new QLabel(journaltext::kNumberSearch));
    second->addWidget(m_numberSearch);
    grid->addLayout(second, 1, 0);
    return w;
}

QLineEdit* TInput3::makeField(int row, Field f, int width, int maxLength) {
    auto* e = new QLineEdit;
    e->setFixedWidth(width);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setProperty(kRowProperty, row);
    e->setProperty(kFieldProperty, static_cast<int>(f));
    if (f == CreditAmount)
        e->setToolTip(pickertext::displayLines(journaltext::kCreditAmountHint));
    if (isAmount(f)) {
        e->setAlignment(Qt::AlignRight);
        e->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    } else if (f != Description1 && f != Description2) {
        e->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly);
    }
    e->installEventFilter(this);
    m_lines[static_cast<size_t>(row)].fields[f] = e;
    return e;
}

QLineEdit* TInput3::makeName(int width) {
    auto* e = new QLineEdit;
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFixedWidth(width);
    e->setStyleSheet(QStringLiteral("background: #f0f0f0;"));
    return e;
}

QWidget* TInput3::buildLines() {
    m_scroll = new QScrollArea;
    m_scroll->setWidgetResizable(true);
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);

    // Column widths: code, name, sub-account, its name, amount, class, class name.
    const int wCode = 52, wName = 118, wSub = 36, wSubName = 96, wAmount = 96, wTax = 28, wTaxName = 74;
    auto heading = [&](const QString& text, int col, int span = 1) {
        auto* l = new QLabel(text);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("background: #dde6f0; padding: 1px;"));
        grid->addWidget(l, 0, col, 1, span);
    };
    heading(QStringLiteral("No"), 0);
    heading(journaltext::kDebitCode, 1, 2);
    heading(journaltext::kSubAccountCode, 3, 2);
    heading(journaltext::kDebitAmount, 5);
    heading(journaltext::kTaxClass, 6, 2);
    heading(journaltext::kCreditCode, 8, 2);
    heading(journaltext::kSubAccountCode, 10, 2);
    heading(journaltext::kCreditAmount, 12);
    heading(journaltext::kTaxClass, 13, 2);

    for (int row = 0; row < kVoucherLines; ++row) {
        LineWidgets& l = m_lines[static_cast<size_t>(row)];
        const int r = 1 + row * 2;
        l.number = new QLabel(QString::number(row + 1));
        l.number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l.number->setFixedWidth(24);
        grid->addWidget(l.number, r, 0, 2, 1);
        grid->addWidget(makeField(row, DebitCode, wCode, 5), r, 1);
        grid->addWidget(l.debitName = makeName(wName), r, 2);
        grid->addWidget(makeField(row, DebitSub, wSub, 3), r, 3);
        grid->addWidget(l.debitSubName = makeName(wSubName), r, 4);
        grid->addWidget(makeField(row, DebitAmount, wAmount, 20), r, 5);
        grid->addWidget(makeField(row, DebitTax, wTax, 2), r, 6);
        grid->addWidget(l.debitTaxName = makeName(wTaxName), r, 7);
        grid->addWidget(makeField(row, CreditCode, wCode, 5), r, 8);
        grid->addWidget(l.creditName = makeName(wName), r, 9);
        grid->addWidget(makeField(row, CreditSub, wSub, 3), r, 10);
        grid->addWidget(l.creditSubName = makeName(wSubName), r, 11);
        grid->addWidget(makeField(row, CreditAmount, wAmount, 20), r, 12);
        grid->addWidget(makeField(row, CreditTax, wTax, 2), r, 13);
        grid->addWidget(l.creditTaxName = makeName(wTaxName), r, 14);

        auto* d1 = makeField(row, Description1, wCode + wName + wSub + wSubName + 6, 40);
        auto* d2 = makeField(row, Description2, wCode + wName + wSub + wSubName + 6, 40);
        d1->setPlaceholderText(journaltext::kDescription1);
        d2->setPlaceholderText(journaltext::kDescription2);
        d1->setMinimumWidth(0);
        d1->setMaximumWidth(QWIDGETSIZE_MAX);
        d2->setMinimumWidth(0);
        d2->setMaximumWidth(QWIDGETSIZE_MAX);
        grid->addWidget(d1, r + 1, 1, 1, 7);
        grid->addWidget(d2, r + 1, 8, 1, 7);
        d1->setInputMethodHints(Qt::ImhNone);
        d2->setInputMethodHints(Qt::ImhNone);
    }
    grid->setRowStretch(1 + kVoucherLines * 2, 1);
    grid->setColumnStretch(15, 1);
    m_scroll->setWidget(area);
    return m_scroll;
}

QWidget* TInput3::buildButtons() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);

    auto* totals = new QHBoxLayout;
    totals->addStretch(1);
    auto totalLabel = [] {
        auto* l = new QLabel;
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(150);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        QFont f(QStringLiteral("IPAGothic"));
        f.setStyleHint(QFont::Monospace);
        l->setFont(f);
        return l;
    };
    m_debitTotal = totalLabel();
    m_creditTotal = totalLabel();
    totals->addWidget(new QLabel(QStringLiteral("借方合計")));
    totals->addWidget(m_debitTotal);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QStringLiteral("貸方合計")));
    totals->addWidget(m_creditTotal);
    v->addLayout(totals);

    auto* row1 = new QHBoxLayout;
    m_new = button(journaltext::kNewButton, journaltext::kNewHint);
    m_save = button(journaltext::kSaveButton, journaltext::kSaveHint);
    m_insertLine = button(journaltext::kInsertLine);
    m_deleteLine = button(journaltext::kDeleteLine);
    m_revert = button(journaltext::kRevert);
    m_copy = button(journaltext::kCopyVoucher, journaltext::kCopyHint);
    m_delete = button(journaltext::kDeleteVoucher);
    connect(m_new, &QPushButton::clicked, this, &TInput3::onNew);
    connect(m_save, &QPushButton::clicked, this, &TInput3::onSave);
    connect(m_insertLine, &QPushButton::clicked, this, &TInput3::onInsertLine);
    connect(m_deleteLine, &QPushButton::clicked, this, &TInput3::onDeleteLine);
    connect(m_revert, &QPushButton::clicked, this, &TInput3::onRevert);
    connect(m_copy, &QPushButton::clicked, this, &TInput3::onCopy);
    connect(m_delete, &QPushButton::clicked, this, &TInput3::onDelete);
    for (QPushButton* b : {m_new, m_save, m_insertLine, m_deleteLine, m_revert, m_copy, m_delete})
        row1->addWidget(b);
    row1->addStretch(1);
    v->addLayout(row1);

    // Printing, templates, side work and statements open screens that are not available yet.
    auto* row2 = new QHBoxLayout;
    m_printOne = button(journaltext::kPrintOne, journaltext::kPrintOneHint);
    auto* printVouchers = button(journaltext::kPrintVouchers);
    auto* printJournal = button(journaltext::kPrintJournal);
    m_template = button(journaltext::kTemplateRead, journaltext::kTemplateReadHint);
    auto* sideWork = button(journaltext::kSideWork, journaltext::kSideWorkHint);
    auto* statements = button(journaltext::kStatements);
    for (QPushButton* b : {m_printOne, printVouchers, printJournal, m_template, sideWork, statements}) {
        b->setEnabled(false);
        row2->addWidget(b);
    }
    row2->addStretch(1);
    v->addLayout(row2);
    return w;
}

bool TInput3::prepare(std::optional<int> voucherToOpen) {
    // RightsMode 1 keeps the user in the unit chosen at the main menu.
    m_unitBox->setEnabled(m_session.rightsMode != 1);
    if (!m_entry.open(voucherToOpen))
        return false;
    setWindowTitle(dataPathCaption(m_session.dataPath));
    m_accountPicker = std::make_unique<Tkamoku_SEL>(m_session, m_prompter, this);
    m_subPicker = std::make_unique<Thojo_SEL>(m_session, this);
    m_debitList = std::make_unique<TWKTBL0>(m_session, m_prompter, *m_accountPicker, this);
    m_creditList = std::make_unique<TWKTBL1>(m_session, m_prompter, *m_accountPicker, this);
    m_unitBox->clear();
    for (const auto& u : m_entry.units())
        m_unitBox->addItem(removeSpaces(u.name), u.unit);
    refreshAll();
    m_day->setFocus();
    return true;
}

int TInput3::run(std::optional<int> voucherToOpen) {
    try {
        if (!prepare(voucherToOpen))
            return QDialog::Rejected;
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
        return QDialog::Rejected;
    }
    return exec();
}

// --- drawing

void TInput3::refreshAll() {
    refreshHeader();
    for (int row = 0; row < kVoucherLines; ++row)
        refreshLine(row);
    refreshTotals();
}

void TInput3::refreshHeader() {
    m_year->setText(m_entry.year);
    m_month->setText(m_entry.month);
    m_day->setText(m_entry.day);
    {
        const QSignalBlocker b1(m_adjusting), b2(m_unsettled);
        m_adjusting->setChecked(m_entry.adjusting);
        m_unsettled->setChecked(m_entry.unsettled);
    }
    const int index = m_unitBox->findData(m_entry.entryUnit());
    if (index >= 0)
        m_unitBox->setCurrentIndex(index);
    m_number->setText(QString::number(m_entry.voucherNo()));
    m_count->setText(QStringLiteral("(%1件)").arg(m_entry.voucherCount()));

    const bool isNew = m_entry.isNewMode();
    m_modeLabel->setText(isNew ? journaltext::kNewMode : journaltext::kEditMode);
    m_modeLabel->setStyleSheet(
        isNew ? QStringLiteral("background: yellow; color: black; font-weight: bold; padding: 2px;")
              : QStringLiteral("background: red; color: white; font-weight: bold; padding: 2px;"));
    m_copy->setVisible(!isNew);
    m_revert->setVisible(!isNew);
    m_delete->setVisible(!isNew);
    m_new->setVisible(!isNew);
    m_template->setText(isNew ? journaltext::kTemplateRead : journaltext::kTemplateStore);
    m_template->setToolTip(isNew ? journaltext::kTemplateReadHint : journaltext::kTemplateStoreHint);

    const bool readOnly = m_entry.isReadOnly();
    for (auto& l : m_lines)
        for (QLineEdit* f : l.fields)
            f->setReadOnly(readOnly);
    m_save->setEnabled(!readOnly);
    m_insertLine->setEnabled(!readOnly);
    m_deleteLine->setEnabled(!readOnly);
    m_copy->setEnabled(!readOnly);
}

void TInput3::refreshLine(int row) {
    const VoucherLine& line = m_entry.line(row);
    LineWidgets& w = m_lines[static_cast<size_t>(row)];
    auto amountText = [](QLineEdit* e, Money m) { e->setText(e->hasFocus() ? m.plain() : m.format()); };
    w.fields[DebitCode]->setText(line.debit.code);
    w.debitName->setText(line.debit.name);
    w.fields[DebitSub]->setText(line.debit.subCode);
    w.debitSubName->setText(line.debit.subName);
    amountText(w.fields[DebitAmount], line.debit.amount);
    w.fields[DebitTax]->setText(taxText(line.debit.tax));
    w.debitTaxName->setText(line.debit.taxName);
    w.fields[CreditCode]->setText(line.credit.code);
    w.creditName->setText(line.credit.name);
    w.fields[CreditSub]->setText(line.credit.subCode);
    w.creditSubName->setText(line.credit.subName);
    amountText(w.fields[CreditAmount], line.credit.amount);
    w.fields[CreditTax]->setText(taxText(line.credit.tax));
    w.creditTaxName->setText(line.credit.taxName);
    w.fields[Description1]->setText(line.tekiyou1);
    w.fields[Description2]->setText(line.tekiyou2);
}

void TInput3::refreshTotals() {
    const VoucherTotals t = m_entry.totals();
    m_debitTotal->setText(QStringLiteral("%1").arg(t.debit.format(), 17));
    m_creditTotal->setText(QStringLiteral("%1").arg(t.credit.format(), 17));
}

// --- keys

bool TInput3::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QDialog::eventFilter(watched, event);
    const QVariant rowProp = edit->property(kRowProperty);
    const bool isLineField = rowProp.isValid();
    const int row = isLineField ? rowProp.toInt() : -1;
    const Field f = isLineField ? static_cast<Field>(edit->property(kFieldProperty).toInt()) : FieldCount;

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_F5:
            onNew();
            return true;
        case Qt::Key_F7:
            onSave();
            return true;
        case Qt::Key_PageUp:
            onBrowse(VoucherEntry::Move::Prior);
            return true;
        case Qt::Key_PageDown:
            onBrowse(VoucherEntry::Move::Next);
            return true;
        default:
            break;
        }
        if (isLineField)
            return fieldKey(row, f, key);
        return headerKey(edit, key);
    }
    case QEvent::FocusIn:
        if (isLineField) {
            m_row = row;
            if (isCode(f))
                m_entry.codeFieldEntered(row, sideOf(f));
            if (isAmount(f)) {
                const VoucherSide& s = m_entry.line(row).side(sideOf(f));
                edit->setText(s.amount.plain());
            }
        }
        break;
    case QEvent::FocusOut:
        if (m_busy)
            break;
        if (isLineField)
            commitField(row, f);
        else if (edit == m_year || edit == m_month)
            checkHeaderField(edit);
        else if (edit == m_day)
            m_savedLabel->setVisible(false);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool TInput3::checkHeaderField(QLineEdit* edit) {
    const auto message =
        edit == m_year ? VoucherEntry::checkYear(edit->text()) : VoucherEntry::checkMonth(edit->text());
    if (!message)
        return true;
    m_busy = true;
    m_prompter.message(*message, edit == m_year ? MessageIcon::Information : MessageIcon::Warning);
    edit->clear();
    if (edit == m_year)
        m_entry.year.clear();
    else
        m_entry.month.clear();
    edit->setFocus();
    m_busy = false;
    return false;
}

bool TInput3::headerKey(QLineEdit* edit, QKeyEvent* key) {
    if (edit != m_year && edit != m_month && edit != m_day)
        return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter || key->key() == Qt::Key_Down) {
        if (enter && edit != m_day && edit->text().isEmpty())
            return true;
        if ((edit == m_year || edit == m_month) && !checkHeaderField(edit))
            return true;
        if (edit == m_year)
            m_month->setFocus();
        else if (edit == m_month)
            m_day->setFocus();
        else {
            m_savedLabel->setVisible(false);
            moveTo(m_row, DebitCode);
        }
        return true;
    }
    if (key->key() == Qt::Key_Up) {
        if (edit == m_day)
            m_month->setFocus();
        else if (edit == m_month)
            m_year->setFocus();
        return true;
    }
    return false;
}

bool TInput3::fieldKey(int row, Field f, QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    QLineEdit* e = field(row, f);
    if (enter) {
        enterOn(row, f);
        return true;
    }
    const QString text = key->text();
    if (m_entry.isReadOnly() && !text.isEmpty() && text.at(0).isPrint())
        return true;
    if (f == DebitCode && text == QStringLiteral("*")) {
        m_busy = true;
        if (m_entry.copyLineAbove(row)) {
            refreshLine(row);
            refreshTotals();
            moveTo(row, Description1);
        }
        m_busy = false;
        return true;
    }
    if (isAmount(f) && text.size() == 1) {
        if (const auto t = amountKey(e->text(), text.at(0))) {
            e->setText(*t);
            return true;
        }
    }
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    auto go = [&](int r, Field target) {
        commitField(row, f);
        if (r < 0) {
            m_busy = true;
            m_day->setFocus();
            m_busy = false;
            return;
        }
        moveTo(std::min(r, kVoucherLines - 1), target);
    };
    const bool subHasText = !field(row, f == DebitCode ? DebitSub : CreditSub)->text().isEmpty();
    switch (key->key()) {
    case Qt::Key_Up:
        switch (f) {
        case DebitSub:
            go(row, DebitCode);
            break;
        case CreditSub:
            go(row, CreditCode);
            break;
        case DebitTax:
            go(row, DebitAmount);
            break;
        case CreditTax:
            go(row, CreditAmount);
            break;
        case Description2:
            go(row, Description1);
            break;
        default:
            go(row - 1, f);
            break;
        }
        return true;
    case Qt::Key_Down:
        switch (f) {
        case DebitCode:
        case CreditCode:
            if (subHasText)
                go(row, f == DebitCode ? DebitSub : CreditSub);
            else
                go(row + 1, f);
            break;
        case DebitSub:
            go(row + 1, DebitCode);
            break;
        case CreditSub:
            go(row + 1, CreditCode);
            break;
        case DebitAmount:
        case CreditAmount: {
            const Field tax = f == DebitAmount ? DebitTax : CreditTax;
            if (!field(row, tax)->text().isEmpty())
                go(row, tax);
            else
                go(row + 1, f);
            break;
        }
        case DebitTax:
            go(row + 1, DebitAmount);
            break;
        case CreditTax:
            go(row + 1, CreditAmount);
            break;
        case Description1:
            go(row, Description2);
            break;
        case Description2:
            go(row + 1, Description1);
            break;
        default:
            break;
        }
        return true;
    case Qt::Key_Left:
        switch (f) {
        case DebitCode:
            return false;
        case DebitSub:
        case DebitAmount:
            go(row, DebitCode);
            return true;
        case DebitTax:
            go(row, DebitAmount);
            return true;
        case CreditCode:
            go(row, DebitAmount);
            return true;
        case CreditSub:
        case CreditAmount:
            go(row, CreditCode);
            return true;
        case CreditTax:
            go(row, CreditAmount);
            return true;
        case Description1:
        case Description2:
            if (ctrl)
                return false;
            go(row, CreditAmount);
            return true;
        default:
            return false;
        }
    case Qt::Key_Right:
        switch (f) {
        case DebitCode:
        case DebitSub:
            go(row, DebitAmount);
            return true;
        case DebitAmount:
        case DebitTax:
            go(row, CreditCode);
            return true;
        case CreditCode:
        case CreditSub:
            go(row, CreditAmount);
            return true;
        case CreditAmount:
        case CreditTax:
            go(row, Description1);
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

void TInput3::moveTo(int row, Field f) {
    row = std::clamp(row, 0, kVoucherLines - 1);
    QLineEdit* e = field(row, f);
    const bool wasBusy = m_busy;
    m_busy = true;
    m_row = row;
    e->setFocus();
    e->selectAll();
    m_scroll->ensureWidgetVisible(e, 10, 30);
    m_busy = wasBusy;
}

void TInput3::commitField(int row, Field f) {
    if (m_entry.isReadOnly())
        return;
    QLineEdit* e = field(row, f);
    const QString text = e->text().trimmed();
    const VoucherLine& line = m_entry.line(row);
    try {
        if (isCode(f)) {
            const Side side = sideOf(f);
            if (text != line.side(side).code) {
                if (text.isEmpty())
                    m_entry.clearSide(row, side);
                else if (text.size() == m_session.accountCodeLength)
                    m_entry.setAccount(row, side, text);
            }
            // The account just used moves to the top of the learning lists.
            if (side == Side::Debit) {
                if (!line.debit.code.isEmpty())
                    m_session.pickedDebitCode = line.debit.code;
                recordDebitUse(m_session);
            } else {
                if (!line.credit.code.isEmpty())
                    m_session.pickedCreditCode = line.credit.code;
                recordCreditUse(m_session);
            }
        } else if (isSub(f)) {
            if (text != line.side(sideOf(f)).subCode)
                m_entry.setSubAccount(row, sideOf(f), text);
        } else if (isAmount(f)) {
            if (const auto m = parseAmount(text))
                m_entry.setAmount(row, sideOf(f), *m);
        } else if (isTax(f)) {
            bool ok = false;
            const int t = text.toInt(&ok);
            m_entry.setTaxClass(row, sideOf(f), ok ? std::optional<int>(t) : std::nullopt);
        } else if (f == Description1 || f == Description2) {
            m_entry.setDescription(row, f == Description1 ? 1 : 2, e->text());
        }
    } catch (const K9Error& err) {
        m_prompter.error(journaltext::errorText(err.message()));
    }
    const bool wasBusy = m_busy;
    m_busy = true;
    refreshLine(row);
    refreshTotals();
    m_busy = wasBusy;
}

void TInput3::commitCurrent() {
    QWidget* w = focusWidget();
    auto* e = qobject_cast<QLineEdit*>(w);
    if (!e || !e->property(kRowProperty).isValid())
        return;
    commitField(e->property(kRowProperty).toInt(), static_cast<Field>(e->property(kFieldProperty).toInt()));
}

void TInput3::enterOn(int row, Field f) {
    if (m_entry.isReadOnly()) {
        moveTo(f == Description2 ? row + 1 : row, f == Description2 ? DebitCode : static_cast<Field>(f + 1));
        return;
    }
    m_busy = true;
    try {
        switch (f) {
        case DebitCode:
        case CreditCode:
            accountEntry(row, sideOf(f));
            break;
        case DebitSub:
        case CreditSub:
            subAccountEntry(row, sideOf(f));
            break;
        case DebitAmount:
            commitField(row, f);
            moveTo(row, m_entry.amountEnter(row, Side::Debit) ? DebitTax : CreditCode);
            break;
        case CreditAmount:
            commitField(row, f);
            if (!m_entry.creditAmountEnter(row)) {
                refreshLine(row);
                refreshTotals();
                moveTo(row, CreditAmount);
                break;
            }
            moveTo(row, m_entry.amountEnter(row, Side::Credit) ? CreditTax : Description1);
            break;
        case DebitTax:
            commitField(row, f);
            moveTo(row, CreditCode);
            break;
        case CreditTax:
            commitField(row, f);
            moveTo(row, Description1);
            break;
        case Description1:
            commitField(row, f);
            if (m_entry.line(row).tekiyou1.isEmpty() && m_entry.line(row).hasCode())
                descriptionEntry(row);
            moveTo(row, Description2);
            break;
        case Description2:
            commitField(row, f);
            moveTo(row + 1, DebitCode);
            break;
        default:
            break;
        }
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
    refreshLine(row);
    refreshTotals();
    m_busy = false;
}

void TInput3::accountEntry(int row, Side side) {
    const Field codeField = side == Side::Debit ? DebitCode : CreditCode;
    const QString typed = field(row, codeField)->text().trimmed();
    QString code;
    if (typed.size() >= m_session.accountCodeLength) {
        code = typed;
    } else if (!typed.isEmpty()) {
        if (const auto picked = m_accountPicker->pick(typed))
            code = picked->code;
    } else if (side == Side::Debit) {
        if (m_debitList->hasRows()) {
            m_debitList->pick();
            code = m_session.pickedDebitCode;
        } else if (const auto picked = m_accountPicker->pick(m_entry.line(row).debit.code)) {
            code = picked->code;
        }
    } else {
        if (m_creditList->hasRows()) {
            m_creditList->pick();
            code = m_session.pickedCreditCode;
        } else if (const auto picked = m_accountPicker->pick(m_entry.line(row).credit.code)) {
            code = picked->code;
        }
    }
    bool toSub = false;
    if (code.trimmed().isEmpty()) {
        m_entry.clearSide(row, side);
        if (side == Side::Debit) {
            m_session.pickedDebitCode.clear();
            m_session.pickedDebitName.clear();
        } else {
            m_session.pickedCreditCode.clear();
            m_session.pickedCreditName.clear();
        }
    } else {
        toSub = m_entry.setAccount(row, side, code.trimmed());
    }
    refreshLine(row);
    // Leaving the code field: the learning lists remember the account.
    if (side == Side::Debit)
        recordDebitUse(m_session);
    else
        recordCreditUse(m_session);
    if (toSub)
        moveTo(row, side == Side::Debit ? DebitSub : CreditSub);
    else
        moveTo(row, side == Side::Debit ? DebitAmount : CreditAmount);
}

void TInput3::subAccountEntry(int row, Side side) {
    const Field subField = side == Side::Debit ? DebitSub : CreditSub;
    QString code = field(row, subField)->text().trimmed();
    const QString account = m_entry.line(row).side(side).code;
    if (code.size() < 3 && !account.isEmpty()) {
        if (const auto picked = m_subPicker->pick(account, code))
            code = picked->code;
    }
    m_entry.setSubAccount(row, side, code);
    refreshLine(row);
    moveTo(row, side == Side::Debit ? DebitAmount : CreditAmount);
}

void TInput3::descriptionEntry(int row) {
    const VoucherLine& l = m_entry.line(row);
    m_session.pickedDebitCode = l.debit.code;
    m_session.pickedCreditCode = l.credit.code;
    m_session.pickedDescription.clear();
    Ttekiyou picker(m_session, m_prompter, this);
    const QString chosen = picker.pick();
    if (!chosen.isEmpty())
        m_entry.setDescription(row, 1, chosen);
    refreshLine(row);
}

// --- buttons

void TInput3::afterReload() {
    refreshAll();
    m_row = 0;
    const bool wasBusy = m_busy;
    m_busy = true;
    m_scroll->verticalScrollBar()->setValue(0);
    if (m_tabs->currentIndex() == 0)
        m_day->setFocus();
    m_busy = wasBusy;
}

void TInput3::onSave() {
    m_save->setEnabled(false);
    commitCurrent();
    m_busy = true;
    m_day->setFocus();
    m_busy = false;
    bool saved = false;
    try {
        saved = m_entry.save();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
    afterReload();
    m_savedLabel->setVisible(saved);
    m_save->setEnabled(!m_entry.isReadOnly());
}

void TInput3::onNew() {
    commitCurrent();
    try {
        if (m_entry.startNew())
            afterReload();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
}

void TInput3::onInsertLine() {
    if (m_entry.isReadOnly())
        return;
    commitCurrent();
    const int row = m_row;
    if (m_entry.insertLine(row)) {
        refreshAll();
        moveTo(row + 1, DebitCode);
    }
}

void TInput3::onDeleteLine() {
    if (m_entry.isReadOnly())
        return;
    commitCurrent();
    const int row = m_row;
    m_entry.deleteLine(row);
    refreshAll();
    moveTo(row, DebitCode);
}

void TInput3::onRevert() {
    try {
        m_entry.revert();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
    afterReload();
}

void TInput3::onCopy() {
    commitCurrent();
    try {
        if (m_entry.copyCurrent())
            afterReload();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
}

void TInput3::onDelete() {
    try {
        if (m_entry.deleteCurrent())
            afterReload();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
}

void TInput3::onBrowse(VoucherEntry::Move move) {
    commitCurrent();
    try {
        if (m_entry.browse(move))
            afterReload();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
}

void TInput3::onNumberSearch() {
    bool ok = false;
    const int sNo = m_numberSearch->text().trimmed().toInt(&ok);
    if (!ok)
        return;
    try {
        if (m_entry.openNumber(sNo))
            afterReload();
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
}

void TInput3::onUnitChosen(int index) {
    const int unit = m_unitBox->itemData(index).toInt();
    commitCurrent();
    try {
        if (m_entry.changeUnit(unit)) {
            afterReload();
            return;
        }
    } catch (const K9Error& e) {
        m_prompter.error(journaltext::errorText(e.message()));
    }
    refreshHeader(); // the previous choice stays
}

void TInput3::reject() {
    commitCurrent();
    if (!m_entry.confirmLeave()) {
        refreshAll();
        return;
    }
    QDialog::reject();
}

} // namespace k9
