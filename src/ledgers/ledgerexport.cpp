// SPDX-License-Identifier: GPL-3.0-or-later
// Grid texts and CSV files of the general ledger.
#include "ledgers/ledgerexport.h"

#include "store/csv.h"
#include "store/prompter.h"

#include <QDir>

namespace k9::ledger {
namespace {

QString dateText(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : QString();
}

QString voucherText(const LedgerRow& r) {
    return r.voucher ? QString::number(*r.voucher) : QString();
}

CsvField quoted(const QString& text) {
    return {text, true};
}

CsvField bare(const QString& text) {
    return {text, false};
}

// An amount as the table-to-CSV writer writes a MONEY column: a plain decimal.
CsvField amount(Money m) {
    bool quote = false;
    const QString text = csvText(m.toVariant(), QStringLiteral("MONEY"), &quote);
    return {text, quote};
}

} // namespace

const QStringList& gridCaptions() {
    static const QStringList captions = {
        QStringLiteral("伝票番号"), QStringLiteral("日付"),     QStringLiteral("税区分"),
        QStringLiteral("相手科目"), QStringLiteral("摘要名１"), QStringLiteral("摘要名２"),
        QStringLiteral("借　　方"), QStringLiteral("貸　　方"), QStringLiteral("残　　高")};
    return captions;
}

bool isAmountColumn(GridColumn column) {
    return column == GridColumn::Debit || column == GridColumn::Credit || column == GridColumn::Balance;
}

QString gridText(const LedgerRow& row, GridColumn column) {
    switch (column) {
    case GridColumn::Voucher:
        return voucherText(row);
    case GridColumn::Date:
        return dateText(row.date);
    case GridColumn::TaxClass:
        return row.taxClass;
    case GridColumn::Counter:
        return row.counterName;
    case GridColumn::Description1:
        return row.tekiyou1;
    case GridColumn::Description2:
        return row.tekiyou2;
    case GridColumn::Debit:
        return row.debit.format();
    case GridColumn::Credit:
        return row.credit.format();
    case GridColumn::Balance:
        return row.balance.format();
    }
    return {};
}

QString defaultCsvFile() {
    return QDir::homePath() + QStringLiteral("/元帳.CSV");
}

void writeLedgerCsv(const std::vector<LedgerRow>& rows, CsvWriter& writer) {
    writer.addHeader({QStringLiteral("Denpyou_No"), QStringLiteral("Sub_No"), QStringLiteral("hizuke"),
                      QStringLiteral("aitekamoku"), QStringLiteral("Ahojokamoku"), QStringLiteral("tekiyou1"),
                      QStringLiteral("tekiyou2"), QStringLiteral("Lkingaku"), QStringLiteral("Rkingaku"),
                      QStringLiteral("zandaka")});
    for (const auto& r : rows)
        writer.addRow({bare(voucherText(r)), bare(r.subNo ? QString::number(*r.subNo) : QString()),
                       quoted(dateText(r.date)), quoted(r.counterName), quoted(r.ownSubName),
                       quoted(r.tekiyou1), quoted(r.tekiyou2), amount(r.debit), amount(r.credit),
                       amount(r.balance)});
}

void writeLedgerGridCsv(const std::vector<LedgerRow>& rows, CsvWriter& writer) {
    writer.addHeader(gridCaptions());
    for (const auto& r : rows) {
        std::vector<CsvField> fields;
        fields.reserve(kGridColumnCount);
        for (int c = 0; c < kGridColumnCount; ++c) {
            const auto column = static_cast<GridColumn>(c);
            if (isAmountColumn(column)) {
                const Money m = column == GridColumn::Debit    ? r.debit
                                : column == GridColumn::Credit ? r.credit
                                                               : r.balance;
                fields.push_back(amount(m));
            } else if (column == GridColumn::Voucher) {
                fields.push_back(bare(gridText(r, column)));
            } else {
                fields.push_back(quoted(gridText(r, column)));
            }
        }
        writer.addRow(fields);
    }
}

bool exportLedgerCsv(const std::vector<LedgerRow>& rows, const QString& file, Prompter& prompter) {
    CsvWriter writer;
    writeLedgerCsv(rows, writer);
    if (!confirmOverwrite(file, prompter))
        return false;
    writer.save(file);
    return true;
}

} // namespace k9::ledger
