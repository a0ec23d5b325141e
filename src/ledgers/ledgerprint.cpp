// SPDX-License-Identifier: GPL-3.0-or-later
// The printed ranges of the general ledger and their headings.
#include "ledgers/ledgerprint.h"

#include "engine/tfanc.h"
#include "engine/workstore.h"
#include "store/captions.h"
#include "store/database.h"
#include "store/session.h"

#include <QHash>

namespace k9::ledger {
namespace {

QHash<QString, AccountRoles> loadRoles(Database& www) {
    QHash<QString, AccountRoles> roles;
    Statement st = www.prepare(QStringLiteral("SELECT \"code\",\"FlgB\",\"FlgG\" FROM \"kamoku\""));
    while (st.step())
        roles.insert(st.text(0).trimmed(),
                     {static_cast<int>(st.integer(1)), static_cast<int>(st.integer(2))});
    return roles;
}

// The ledgers of WTBL2 grouped by their key, with the figures of their total rows.
Ledgers groupStoredRows(std::vector<LedgerRow> rows, int codeLength) {
    Ledgers out;
    out.rows = std::move(rows);
    for (std::size_t i = 0; i < out.rows.size(); ++i) {
        const LedgerRow& r = out.rows[i];
        if (out.ledgers.empty() || out.ledgers.back().key != r.key) {
            LedgerSummary s;
            s.key = r.key;
            s.accountCode = r.key.left(codeLength);
            s.subCode = r.key.mid(codeLength);
            s.firstRow = i;
            out.ledgers.push_back(std::move(s));
        }
        LedgerSummary& s = out.ledgers.back();
        ++s.rowCount;
        if (r.kind == RowKind::Line)
            ++s.lineCount;
        if (r.kind == RowKind::Total) {
            s.debit = r.debit;
            s.credit = r.credit;
            s.balance = r.balance;
        }
    }
    return out;
}

} // namespace

bool keepInPrint(const LedgerSummary& ledger, const AccountRoles& roles, bool printWithoutLines) {
    const bool hasLines = ledger.lineCount > 0;
    if (!ledger.isSubAccount()) {
        if ((roles.flgB == 1 && roles.flgG >= 901 && roles.flgG <= 919) || roles.flgG == 110)
            return false;
        if (printWithoutLines && roles.flgG >= 118 && roles.flgG <= 120)
            return false;
    }
    if (hasLines)
        return true;
    return printWithoutLines && ledger.balance.raw() != 0;
}

Ledgers printLedgers(Session& session, const PrintChoice& choice) {
    if (choice.range == PrintRange::Shown)
        return groupStoredRows(loadLedgerRows(session.www), session.accountCodeLength);
    const LedgerPeriod period = storedLedgerPeriod(session);
    Ledgers built;
    switch (choice.range) {
    case PrintRange::AccountRange:
        built = accountRangeLedgers(session.www, period, choice.firstCode, choice.lastCode);
        break;
    case PrintRange::AllAccounts:
        built = allAccountLedgers(session.www, period);
        break;
    case PrintRange::SubAccountRange:
        built = subAccountRangeLedgers(session.www, period,
                                       choice.firstCode.trimmed() + choice.firstSub.trimmed(),
                                       choice.lastCode.trimmed() + choice.lastSub.trimmed());
        break;
    case PrintRange::AllSubAccounts:
        built = subAccountRangeLedgers(session.www, period, QStringLiteral("00000000"),
                                       QStringLiteral("99999999"));
        break;
    case PrintRange::Shown:
        break;
    }
    const QHash<QString, AccountRoles> roles = loadRoles(session.www);
    Ledgers kept = thinLedgers(built, [&](const LedgerSummary& l) {
        return keepInPrint(l, roles.value(l.accountCode), choice.printWithoutLines);
    });
    storeLedgerRows(session.www, kept.rows);
    return kept;
}

QString ledgerTitle(const totals::LedgerNames& names, const std::optional<QString>& subName) {
    QString title = QStringLiteral("総勘定元帳　【") + names.major + '/' + names.middle + '/' +
                    names.account + '/' + names.minor;
    if (subName)
        title += '/' + *subName;
    return title + QStringLiteral("】");
}

LedgerHeading ledgerHeading(Session& session, TFanc& fanc, const LedgerSummary& ledger, bool shownOnScreen) {
    const totals::LedgerNames& names = fanc.kamokumei(ledger.accountCode);
    std::optional<QString> sub;
    if (shownOnScreen || ledger.isSubAccount())
        sub = ledger.subName;
    LedgerHeading h;
    h.title = ledgerTitle(names, sub);
    h.codeLine = QStringLiteral("科目コード") + ledger.accountCode;
    const totals::StoredPeriod period = totals::loadStoredPeriod(session.www);
    h.period = formatCaptionDate(session, kCaptionFrom, period.from) + ' ' +
               formatCaptionDate(session, kCaptionTo, period.to);
    h.corporation = session.corporationName;
    h.unit = session.currentUnitName;
    return h;
}

} // namespace k9::ledger
