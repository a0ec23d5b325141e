// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/chartlines.h"

#include "store/database.h"

namespace k9 {

std::vector<ChartLine> readChartLines(Database& www, const QString& sql) {
    std::vector<ChartLine> out;
    Statement st = www.prepare(sql);
    const auto c = [&st](const QString& name) { return st.columnIndex(name); };
    const int code = c(QStringLiteral("code")), name = c(QStringLiteral("科目名"));
    const int a = c(QStringLiteral("FlgA")), b = c(QStringLiteral("FlgB")), cc = c(QStringLiteral("FlgC"));
    const int d = c(QStringLiteral("FlgD")), e = c(QStringLiteral("FlgE")), g = c(QStringLiteral("FlgG"));
    const int h = c(QStringLiteral("FlgH")), sNo = c(QStringLiteral("SNo"));
    const int initial = c(QStringLiteral("当初予算"));
    static const std::array<QString, 5> correctionNames = {
        QStringLiteral("補正額１"), QStringLiteral("補正額２"), QStringLiteral("補正額３"),
        QStringLiteral("補正額４"), QStringLiteral("補正額５")};
    std::array<int, 5> corrections{};
    for (std::size_t i = 0; i < corrections.size(); ++i)
        corrections[i] = c(correctionNames[i]);
    const int budget = c(QStringLiteral("予算")), opening = c(QStringLiteral("期首繰越"));
    const int before = c(QStringLiteral("前残高")), debit = c(QStringLiteral("借方"));
    const int credit = c(QStringLiteral("貸方")), closing = c(QStringLiteral("残高合計"));
    const int variance = c(QStringLiteral("差異")), ratio = c(QStringLiteral("比"));
    const int note = c(QStringLiteral("注記"));
    while (st.step()) {
        ChartLine l;
        l.code = textAt(st, code).trimmed();
        l.name = textAt(st, name);
        if (a >= 0 && !st.isNull(a))
            l.flgA = static_cast<int>(st.integer(a));
        l.flgB = flagAt(st, b);
        l.flgC = flagAt(st, cc);
        l.flgD = flagAt(st, d);
        l.flgE = flagAt(st, e);
        l.flgG = flagAt(st, g);
        l.flgH = flagAt(st, h);
        l.sNo = sNo < 0 || st.isNull(sNo) ? 0 : st.integer(sNo);
        l.initialBudget = moneyAt(st, initial);
        for (std::size_t i = 0; i < corrections.size(); ++i)
            l.corrections[i] = moneyAt(st, corrections[i]);
        l.budget = moneyAt(st, budget);
        l.opening = moneyAt(st, opening);
        l.before = moneyAt(st, before);
        l.debit = moneyAt(st, debit);
        l.credit = moneyAt(st, credit);
        l.closing = moneyAt(st, closing);
        l.variance = moneyAt(st, variance);
        if (ratio >= 0 && !st.isNull(ratio))
            l.ratio = st.real(ratio);
        l.note = textAt(st, note).trimmed();
        out.push_back(std::move(l));
    }
    return out;
}

QString ratioText(double ratio) {
    QString text = QString::number(ratio, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

Money lineAmount(const ChartLine& line, const QString& field) {
    static const std::pair<QString, Money ChartLine::*> fields[] = {
        {QStringLiteral("予算"), &ChartLine::budget},
        {QStringLiteral("前残高"), &ChartLine::before},
        {QStringLiteral("借方"), &ChartLine::debit},
        {QStringLiteral("貸方"), &ChartLine::credit},
        {QStringLiteral("残高合計"), &ChartLine::closing},
        {QStringLiteral("差異"), &ChartLine::variance},
        {QStringLiteral("期首繰越"), &ChartLine::opening},
        {QStringLiteral("当初予算"), &ChartLine::initialBudget},
    };
    for (const auto& [name, member] : fields)
        if (name == field)
            return line.*member;
    return {};
}

QString lineCellText(const ChartLine& line, const LineColumn& column) {
    switch (column.kind) {
    case LineColumn::Kind::Code:
        return line.code;
    case LineColumn::Kind::Name:
        return line.name;
    case LineColumn::Kind::Ratio:
        return line.ratio ? ratioText(*line.ratio) : QString();
    case LineColumn::Kind::Amount:
        break;
    }
    return lineAmount(line, column.field).format();
}

std::vector<SheetRow> chartLineSheetRows(const std::vector<ChartLine>& lines,
                                         const std::vector<LineColumn>& columns) {
    std::vector<SheetRow> rows;
    rows.reserve(lines.size());
    for (const ChartLine& l : lines) {
        SheetRow row;
        for (const LineColumn& c : columns) {
            if (c.kind == LineColumn::Kind::Amount)
                row.cells.push_back(SheetCell::ofAmount(lineAmount(l, c.field)));
            else
                row.cells.push_back(SheetCell::ofText(lineCellText(l, c)));
        }
        if (l.flgA && *l.flgA >= 1 && *l.flgA <= 8)
            row.emphasis = SheetEmphasis::Subtotal;
        rows.push_back(std::move(row));
    }
    return rows;
}

bool shadedLine(const ChartLine& l, int shading) {
    if (!l.flgA || shading <= 0)
        return false;
    const int a = *l.flgA;
    return (a == 3 && shading >= 1) || (a == 2 && shading >= 2) || (a == 1 && shading >= 3);
}

bool boldLine(const ChartLine& l) {
    return l.flgA && *l.flgA >= 3 && *l.flgA != 9;
}

} // namespace k9
