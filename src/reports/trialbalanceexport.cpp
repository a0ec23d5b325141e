// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/trialbalanceexport.h"

#include "reports/reportheader.h"
#include "store/csv.h"
#include "store/session.h"

namespace k9 {

CsvWriter trialBalanceCsv(const TrialBalance& tb) {
    CsvWriter csv;
    for (int t = 0; t < kTrialTabCount; ++t) {
        const auto tab = static_cast<TrialTab>(t);
        if (t > 0)
            csv.addRow({});
        csv.addHeader({trialTabCaption(tab)});
        QStringList titles;
        for (const auto& c : trialColumns(tab))
            titles << c.title;
        csv.addHeader(titles);
        for (const TrialLine& l : tb.lines(tab)) {
            std::vector<CsvField> fields;
            for (const auto& c : trialColumns(tab)) {
                switch (c.kind) {
                case TrialColumn::Kind::Code:
                    fields.push_back({l.code, true});
                    break;
                case TrialColumn::Kind::Name:
                    fields.push_back({l.name, true});
                    break;
                case TrialColumn::Kind::Ratio:
                    fields.push_back({l.ratio ? QString::number(*l.ratio, 'f', 1) : QString(), false});
                    break;
                case TrialColumn::Kind::Amount:
                    fields.push_back({lineAmount(l, c.field).plain(), false});
                    break;
                }
            }
            csv.addRow(fields);
        }
        const CheckPair& pair = tb.check(tab);
        csv.addRow({{pair.leftLabel, true},
                    {pair.left.plain(), false},
                    {pair.rightLabel, true},
                    {pair.right.plain(), false},
                    {pair.agrees() ? QStringLiteral("一致") : QStringLiteral("不一致"), true}});
    }
    return csv;
}

std::vector<ReportDocument> trialBalanceLayoutADocuments(Session& session, const TrialBalance& tb,
                                                         const TrialPrintSettings& settings) {
    std::vector<ReportDocument> docs;
    const ReportHeader header = unitReportHeader(session, QString());
    for (int t = 0; t < kTrialTabCount; ++t)
        docs.push_back(trialBalanceLayoutA(tb, static_cast<TrialTab>(t), settings, header,
                                           session.adjustingVoucherMode));
    return docs;
}

bool writeTrialBalanceFile(Session& session, TrialFileFormat format, const QString& file,
                           Prompter& prompter) {
    const TrialBalance tb = loadTrialBalance(session.www);
    if (!confirmOverwrite(file, prompter))
        return false;
    if (format == TrialFileFormat::Csv) {
        trialBalanceCsv(tb).save(file);
        return true;
    }
    const TrialPrintSettings settings =
        session.hm.isOpen() ? loadTrialPrintSettings(session.hm) : TrialPrintSettings{};
    writeReportPdf(trialBalanceLayoutADocuments(session, tb, settings), file);
    return true;
}

} // namespace k9
