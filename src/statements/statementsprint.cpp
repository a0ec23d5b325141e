// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/statementsprint.h"

#include "reports/printlook.h"
#include "reports/reportheader.h"
#include "store/captions.h"
#include "store/cp932.h"
#include "store/database.h"
#include "store/errors.h"
#include "store/registrows.h"
#include "store/session.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace k9 {
namespace {

std::vector<ReportColumn> layoutAColumns(StatementKind kind) {
    switch (kind) {
    case StatementKind::BalanceSheet:
        return {{QStringLiteral("科　　　目"), 250},
                {QStringLiteral("当　年　度"), 110, true},
                {QStringLiteral("前　年　度"), 110, true},
                {QStringLiteral("増　　　　減"), 110, true}};
    case StatementKind::NetAssets:
        return {{QStringLiteral("科　　　目"), 250},
                {QStringLiteral("当年度"), 110, true},
                {QStringLiteral("前年度"), 110, true},
                {QStringLiteral("増　　　　減"), 110, true}};
    case StatementKind::Funds:
        break;
    }
    return {{QStringLiteral("科　　　目"), 250},
            {QStringLiteral("予　　　　算"), 110, true},
            {QStringLiteral("決　　　　算"), 110, true},
            {QStringLiteral("差　　　　異"), 110, true}};
}

// The amounts of layout A in column order.
std::array<Money, 3> layoutAAmounts(const StatementLine& l, StatementKind kind) {
    switch (kind) {
    case StatementKind::BalanceSheet:
        return {l.closing, l.before, l.variance};
    case StatementKind::NetAssets:
        return {l.closing, l.budget, l.variance};
    case StatementKind::Funds:
        break;
    }
    return {l.budget, l.closing, l.variance};
}

} // namespace

StatementPrintSettings loadStatementPrintSettings(Database& hm) {
    StatementPrintSettings s;
    const auto row =
        readRegistRow(hm, kStatementPrintRegistId,
                      printLookColumns(QStringLiteral("P7")) << QStringLiteral("P2") << QStringLiteral("P4")
                                                             << QStringLiteral("P5") << QStringLiteral("S3"));
    if (!row)
        return s;
    const QVariantList& v = *row;
    const StatementPrintSettings d;
    static_cast<PrintLook&>(s) = printLookFrom(v);
    s.range = registInt(v[6], 0, 2, d.range);
    s.pageBreak = registInt(v[7], 0, 1, d.pageBreak);
    s.pageNumbers = registInt(v[8], 0, 1, d.pageNumbers);
    s.firstPage = registInt(v[9], 1, 99999, d.firstPage);
    return s;
}

void saveStatementPrintSettings(Database& hm, const StatementPrintSettings& s) {
    auto values = printLookValues(s, QStringLiteral("P7"));
    values.emplace_back(QStringLiteral("P2"), s.range);
    values.emplace_back(QStringLiteral("P4"), s.pageBreak);
    values.emplace_back(QStringLiteral("P5"), s.pageNumbers);
    values.emplace_back(QStringLiteral("S3"), QString::number(s.firstPage));
    writeRegistRow(hm, kStatementPrintRegistId, values);
}

void applyStatementPrintSettings(Session& session, const StatementPrintSettings& s) {
    applyPrintLook(session, s, s.range);
}

bool inPrintRange(const StatementLine& l, StatementKind kind, PrintRange range) {
    // The brought-forward net assets stay on the net-assets statement in every range, so its
    // closing total can be followed.
    if (kind == StatementKind::NetAssets && l.flgG == 112)
        return true;
    switch (range) {
    case PrintRange::Small:
        return true;
    case PrintRange::Middle:
        return l.flgE != 1;
    case PrintRange::Major:
        break;
    }
    return l.flgA && *l.flgA > 1;
}

bool printedStatementLine(const StatementLine& l, StatementKind kind, const StatementPrintSettings& s,
                          ZeroLineAmounts also) {
    if (!inPrintRange(l, kind, static_cast<PrintRange>(s.range)))
        return false;
    if (s.zeroLines != 1 || !l.flgA)
        return true;
    // The compared pair: the current figure and the one it is compared with.
    const auto a = layoutAAmounts(l, kind);
    const bool allZero = !notZero(a[0]) && !notZero(a[1]) && (!also.variance || !notZero(l.variance)) &&
                         (!also.initialBudget || !notZero(l.initialBudget));
    return !(allZero && *l.flgA < s.zeroHideLevel());
}

QString statementPrintTitle(StatementKind kind) {
    switch (kind) {
    case StatementKind::BalanceSheet:
        return QStringLiteral("貸  借  対  照  表");
    case StatementKind::NetAssets:
        return QStringLiteral("正 味 財 産 増 減 計 算 書");
    case StatementKind::Funds:
        break;
    }
    return QStringLiteral("収　支　計　算　書");
}

QString statementPrintName(const StatementLine& l, StatementKind kind) {
    // Two-level names ("事業費／給料手当支出") print their short form, as statements show them.
    return kind == StatementKind::BalanceSheet ? l.name : statementDisplayName(l);
}

ReportHeader statementReportHeader(Session& session, const Statements& st, StatementKind kind) {
    ReportHeader h = unitReportHeader(session, statementPrintTitle(kind));
    const QDate start = st.fiscalYearStart.isValid() ? st.fiscalYearStart : session.fiscalYearStart;
    const HeaderCaptions captions = headerCaptions(session, start, st.from, st.to, false);
    h.subtitle = captions.fiscalYear.isEmpty() ? QStringLiteral("（単位　　円）")
                                               : captions.fiscalYear + QStringLiteral("　　（単位　　円）");
    if (kind == StatementKind::BalanceSheet) {
        // A balance sheet is drawn up as at one date.
        h.periodFrom.clear();
        const QString end = formatCaptionDate(session, kCaptionPlain, st.to);
        h.periodTo = end.isEmpty() ? QString() : end + QStringLiteral("現在");
    }
    if (!st.unitName.isEmpty())
        h.unitName = st.unitName;
    return h;
}

QString footnoteFile(const Session& session) {
    return QDir(session.dataDir())
        .filePath(QStringLiteral("cyuki") + session.currentUnitText.trimmed() + QStringLiteral(".txt"));
}

namespace {

QString readCp932Text(const QString& file) {
    QFile f(file);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return {};
    QString text = cp932::decode(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

QStringList footnoteLines(const Session& session) {
    if (session.dataPath.isEmpty())
        return {};
    QStringList lines = readCp932Text(footnoteFile(session)).split(QChar(u'\n'));
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

QString loadFootnoteText(const Session& session) {
    if (QFile::exists(footnoteFile(session)))
        return readCp932Text(footnoteFile(session));
    return readCp932Text(QDir(session.appDir).filePath(QStringLiteral("cyuki.txt")));
}

void saveFootnoteText(const Session& session, const QString& text) {
    QString bad;
    if (!cp932::canEncode(text, &bad))
        throw K9Error(cp932::unencodableMessage(bad));
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\n'), QStringLiteral("\r\n"));
    const QString file = footnoteFile(session);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(cp932::encode(crlf)) < 0 || !out.commit())
        throw K9Error(QStringLiteral("脚注ファイルを書き込めません: %1").arg(file));
}

ReportDocument statementLayoutA(const Statements& st, StatementKind kind, const StatementPrintSettings& s,
                                const ReportHeader& header, const QStringList& footnotes) {
    ReportDocument doc = lookedDocument(header, statementPrintTitle(kind), s);
    doc.columns = layoutAColumns(kind);
    doc.newPageOnGroup = kind == StatementKind::BalanceSheet && s.pageBreak == 0;
    setStatementPageNumbers(doc, s);
    QString lastGroup;
    for (const StatementLine& l : st.of(kind)) {
        if (!printedStatementLine(l, kind, s))
            continue;
        ReportRow row;
        row.cells << statementPrintName(l, kind);
        for (const Money& m : layoutAAmounts(l, kind))
            row.cells << m.format();
        row.shaded = shadedLine(l, s.shading);
        row.bold = boldLine(l);
        if (l.flgA && *l.flgA == 9)
            row.kind = ReportRow::Kind::GroupHeader;
        if (kind == StatementKind::BalanceSheet)
            row.group = lastGroup = QString::number(l.flgC);
        doc.rows.push_back(std::move(row));
    }
    if (kind == StatementKind::BalanceSheet && !footnotes.isEmpty()) {
        ReportRow head;
        head.kind = ReportRow::Kind::GroupHeader;
        head.spansRow = true;
        head.cells << QStringLiteral("（注）");
        head.group = lastGroup;
        doc.rows.push_back(std::move(head));
        for (const QString& text : footnotes) {
            ReportRow row;
            row.cells << text;
            row.ruleAbove = false;
            row.spansRow = true;
            row.group = lastGroup;
            doc.rows.push_back(std::move(row));
        }
    }
    return doc;
}

void setStatementPageNumbers(ReportDocument& doc, const StatementPrintSettings& s) {
    doc.footer = s.pageNumbers == 0 ? QStringLiteral("- [PAGE#] -") : QString();
    doc.firstPageNumber = s.firstPage;
}

std::vector<ReportDocument> statementDocuments(Session& session, const Statements& st,
                                               const StatementPrintSettings& s) {
    std::vector<ReportDocument> docs;
    for (int k = 0; k < kStatementCount; ++k) {
        const auto kind = static_cast<StatementKind>(k);
        docs.push_back(
            statementLayoutA(st, kind, s, statementReportHeader(session, st, kind),
                             kind == StatementKind::BalanceSheet ? footnoteLines(session) : QStringList()));
    }
    return docs;
}

CsvWriter statementsCsv(const Statements& st, const StatementPrintSettings& s) {
    CsvWriter csv;
    for (int k = 0; k < kStatementCount; ++k) {
        const auto kind = static_cast<StatementKind>(k);
        if (k > 0)
            csv.addRow({});
        csv.addHeader({statementCaption(kind)});
        QStringList titles{QStringLiteral("code")};
        for (const ReportColumn& c : layoutAColumns(kind))
            titles << c.caption;
        csv.addHeader(titles);
        for (const StatementLine& l : st.of(kind)) {
            if (!printedStatementLine(l, kind, s))
                continue;
            std::vector<CsvField> fields{{l.code, true}, {statementPrintName(l, kind), true}};
            for (const Money& m : layoutAAmounts(l, kind))
                fields.push_back({m.plain(), false});
            csv.addRow(fields);
        }
    }
    return csv;
}

bool writeStatements(Session& session, StatementFileFormat format, const QString& file, Prompter& prompter) {
    const Statements st = loadStatements(session.www);
    if (!confirmOverwrite(file, prompter))
        return false;
    const StatementPrintSettings s = session.hm.isOpen() && session.hm.tableExists(QStringLiteral("Regist"))
                                         ? loadStatementPrintSettings(session.hm)
                                         : StatementPrintSettings{};
    if (format == StatementFileFormat::Csv) {
        statementsCsv(st, s).save(file);
        return true;
    }
    writeReportPdf(statementDocuments(session, st, s), file);
    return true;
}

} // namespace k9
