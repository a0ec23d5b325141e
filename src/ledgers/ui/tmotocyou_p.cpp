// SPDX-License-Identifier: GPL-3.0-or-later
// The general ledger's print dialog.
#include "ledgers/ui/tmotocyou_p.h"

#include "chart/ui/thojo_sel2.h"
#include "chart/ui/tkamoku_sel.h"
#include "reports/ui/printchoices.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"
#include "store/textutil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {
namespace {

bool isSubRange(ledger::PrintRange r) {
    return r == ledger::PrintRange::SubAccountRange;
}

} // namespace

Tmotocyou_P::Tmotocyou_P(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("Tmotocyou_P"));
    setWindowTitle(QStringLiteral("総勘定元帳の印刷"));
    auto* layout = new QVBoxLayout(this);

    auto* rangeBox = new QGroupBox(QStringLiteral("印刷範囲の選択"), this);
    m_range = addRadioChoices(
        rangeBox,
        {QStringLiteral("画面に表示されている科目を印刷する。"), QStringLiteral("範囲指定印刷（勘定科目）"),
         QStringLiteral("範囲指定印刷（補助科目）"), QStringLiteral("すべて印刷（勘定科目）"),
         QStringLiteral("すべて印刷（補助科目）")},
        Qt::Vertical);
    layout->addWidget(rangeBox);

    m_rangePanel = new QGroupBox(this);
    auto* grid = new QGridLayout(m_rangePanel);
    auto* first = new QPushButton(QStringLiteral("印刷開始科目"), m_rangePanel);
    auto* last = new QPushButton(QStringLiteral("印刷終了科目"), m_rangePanel);
    m_firstLabel = new QLabel(m_rangePanel);
    m_lastLabel = new QLabel(m_rangePanel);
    grid->addWidget(first, 0, 0);
    grid->addWidget(m_firstLabel, 0, 1);
    grid->addWidget(last, 1, 0);
    grid->addWidget(m_lastLabel, 1, 1);
    connect(first, &QPushButton::clicked, this, [this] { pickFirst(); });
    connect(last, &QPushButton::clicked, this, [this] { pickLast(); });
    layout->addWidget(m_rangePanel);

    m_withoutLinesBox = new QGroupBox(QStringLiteral("範囲期間内に取引のない科目"), this);
    m_withoutLines = addRadioChoices(
        m_withoutLinesBox, {QStringLiteral("印刷する"), QStringLiteral("印刷しない")}, Qt::Horizontal);
    layout->addWidget(m_withoutLinesBox);

    auto* pageBox = new QGroupBox(QStringLiteral("ページ番号"), this);
    m_pageNumbers =
        addRadioChoices(pageBox, {QStringLiteral("印刷する"), QStringLiteral("印刷しない")}, Qt::Horizontal);
    layout->addWidget(pageBox);

    m_duplex = new QCheckBox(QStringLiteral("両面印刷時科目改頁"), this);
    m_continuous = new QCheckBox(QStringLiteral("科目改頁しないで印刷"), this);
    layout->addWidget(m_duplex);
    layout->addWidget(m_continuous);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("印　　刷"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &Tmotocyou_P::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &Tmotocyou_P::reject);
    layout->addWidget(buttons);

    connect(m_range, &QButtonGroup::idClicked, this, [this] {
        // The ends of one kind of range mean nothing for the other.
        m_firstCode.clear();
        m_firstSub.clear();
        m_lastCode.clear();
        m_lastSub.clear();
        m_firstLabel->clear();
        m_lastLabel->clear();
        updateVisibility();
    });
    updateVisibility();
}

void Tmotocyou_P::updateVisibility() {
    const auto r = static_cast<ledger::PrintRange>(m_range->checkedId());
    m_rangePanel->setVisible(r == ledger::PrintRange::AccountRange ||
                             r == ledger::PrintRange::SubAccountRange);
    m_withoutLinesBox->setVisible(r != ledger::PrintRange::Shown);
}

bool Tmotocyou_P::rangePanelShown() const {
    return !m_rangePanel->isHidden();
}

bool Tmotocyou_P::withoutLinesShown() const {
    return !m_withoutLinesBox->isHidden();
}

void Tmotocyou_P::setRange(ledger::PrintRange range) {
    m_range->button(static_cast<int>(range))->click();
}

void Tmotocyou_P::setFirst(const QString& code, const QString& sub, const QString& name) {
    m_firstCode = code;
    m_firstSub = sub;
    m_firstLabel->setText(code + (sub.isEmpty() ? QString() : '-' + sub) + QStringLiteral("　") + name);
}

void Tmotocyou_P::setLast(const QString& code, const QString& sub, const QString& name) {
    m_lastCode = code;
    m_lastSub = sub;
    m_lastLabel->setText(code + (sub.isEmpty() ? QString() : '-' + sub) + QStringLiteral("　") + name);
}

void Tmotocyou_P::setPrintWithoutLines(bool on) {
    m_withoutLines->button(on ? 0 : 1)->setChecked(true);
}

void Tmotocyou_P::setOptions(const ledger::LedgerPrintOptions& o) {
    m_pageNumbers->button(o.pageNumbers ? 0 : 1)->setChecked(true);
    m_duplex->setChecked(o.duplex);
    m_continuous->setChecked(o.continuous);
}

ledger::PrintChoice Tmotocyou_P::choice() const {
    ledger::PrintChoice c;
    c.range = static_cast<ledger::PrintRange>(m_range->checkedId());
    c.firstCode = m_firstCode;
    c.firstSub = m_firstSub;
    c.lastCode = m_lastCode;
    c.lastSub = m_lastSub;
    c.printWithoutLines = m_withoutLines->checkedId() == 0;
    return c;
}

ledger::LedgerPrintOptions Tmotocyou_P::options() const {
    return {m_pageNumbers->checkedId() == 0, m_duplex->isChecked(), m_continuous->isChecked()};
}

bool Tmotocyou_P::pickInto(QString& code, QString& sub, QLabel* label) {
    const auto r = static_cast<ledger::PrintRange>(m_range->checkedId());
    try {
        if (isSubRange(r)) {
            Thojo_SEL2 picker(m_session, this);
            const std::optional<SubAccountLine> picked = picker.pick(code);
            if (!picked)
                return false;
            code = picked->accountCode;
            sub = picked->code;
            label->setText(code + '-' + sub + QStringLiteral("　") + picked->name);
        } else {
            Tkamoku_SEL picker(m_session, m_prompter, this);
            const std::optional<PickedAccount> picked = picker.pick(code);
            if (!picked)
                return false;
            code = picked->code;
            sub.clear();
            label->setText(code + QStringLiteral("　") + removeSpaces(picked->name));
        }
    } catch (const K9Error& e) {
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
        return false;
    }
    return true;
}

void Tmotocyou_P::pickFirst() {
    pickInto(m_firstCode, m_firstSub, m_firstLabel);
}

void Tmotocyou_P::pickLast() {
    pickInto(m_lastCode, m_lastSub, m_lastLabel);
}

void Tmotocyou_P::accept() {
    const ledger::PrintChoice c = choice();
    if (c.range == ledger::PrintRange::AccountRange || c.range == ledger::PrintRange::SubAccountRange) {
        if (c.firstCode.isEmpty() || c.lastCode.isEmpty()) {
            m_prompter.message(QStringLiteral("印刷開始科目と印刷終了科目を選択してください。"),
                               MessageIcon::Warning);
            return;
        }
        if (c.firstCode + c.firstSub > c.lastCode + c.lastSub) {
            m_prompter.message(QStringLiteral("印刷開始科目が印刷終了科目より後になっています。"),
                               MessageIcon::Warning);
            return;
        }
    }
    QDialog::accept();
}

} // namespace k9
