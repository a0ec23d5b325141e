// SPDX-License-Identifier: GPL-3.0-or-later
// Tmotocyou_P, the print dialog of the general ledger "総勘定元帳の印刷": what to print (the
// shown ledger, an account or sub-account range, all accounts or all sub-accounts), the
// first and last account or sub-account of a range through the pickers, whether ledgers
// without lines in the period print, page numbers, and the two page-break boxes.
#pragma once

#include "ledgers/ledgerprint.h"
#include "ledgers/ledgerprintout.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;

namespace k9 {

class Prompter;
struct Session;

class Tmotocyou_P : public QDialog {
    Q_OBJECT
public:
    Tmotocyou_P(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    ledger::PrintChoice choice() const;
    ledger::LedgerPrintOptions options() const;

    // Radio index in the order of "印刷範囲の選択" (PrintRange's order).
    void setRange(ledger::PrintRange range);
    // The first and last account (account range) or account and sub-account (sub-account
    // range), as the pickers set them.
    void setFirst(const QString& code, const QString& sub, const QString& name);
    void setLast(const QString& code, const QString& sub, const QString& name);
    void setPrintWithoutLines(bool on);
    void setOptions(const ledger::LedgerPrintOptions& options);

    bool rangePanelShown() const;
    bool withoutLinesShown() const;

    // "印　　刷": refuses a range without both ends, or with the first after the last.
    void accept() override;

private:
    void updateVisibility();
    void pickFirst();
    void pickLast();
    bool pickInto(QString& code, QString& sub, QLabel* label);

    Session& m_session;
    Prompter& m_prompter;
    QButtonGroup* m_range = nullptr;
    QGroupBox* m_rangePanel = nullptr;
    QGroupBox* m_withoutLinesBox = nullptr;
    QButtonGroup* m_withoutLines = nullptr;
    QButtonGroup* m_pageNumbers = nullptr;
    QCheckBox* m_duplex = nullptr;
    QCheckBox* m_continuous = nullptr;
    QLabel* m_firstLabel = nullptr;
    QLabel* m_lastLabel = nullptr;
    QString m_firstCode, m_firstSub, m_lastCode, m_lastSub;
};

} // namespace k9
