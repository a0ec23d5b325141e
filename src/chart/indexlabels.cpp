// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/indexlabels.h"

#include "reports/report.h"
#include "store/database.h"
#include "store/errors.h"
#include "store/textutil.h"

#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace k9::indexlabels {
namespace {

constexpr double kPixelsPerMm = 96.0 / 25.4;

// Nature (FlgB) and side (FlgC) of each class, by ClassIndex: assets are balance-sheet
// lines of debit nature, liabilities of credit nature; income is a credit-nature activity
// line, expenses a debit-nature one.
constexpr std::array<std::array<int, 2>, 4> kClassFlags{{{1, 0}, {1, 1}, {2, 1}, {2, 0}}};
// FlgA of each level, by LevelIndex.
constexpr std::array<int, 4> kLevelFlags{3, 2, 1, 0};

// The chosen classes the source offers.
std::array<bool, 4> effectiveClasses(Source source, const Choices& choices) {
    std::array<bool, 4> out{};
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(i)] =
            choices.classes[static_cast<std::size_t>(i)] && classOffered(source, static_cast<ClassIndex>(i));
    return out;
}

bool any(const std::array<bool, 4>& ticks) {
    return std::any_of(ticks.begin(), ticks.end(), [](bool b) { return b; });
}

// The largest Mincho size (points) at which the name fits the box, wrapped onto further
// lines where needed; the smallest size when even that does not fit.
QFont fittedFont(QPainter& painter, const QRectF& box, const QString& name) {
    constexpr double kLargest = 11.0;
    constexpr double kSmallest = 4.5;
    for (double size = kLargest; size > kSmallest; size -= 0.5) {
        const QFont font = reportFont(ReportFace::Mincho, size);
        painter.setFont(font);
        const QRectF need = painter.boundingRect(box, Qt::AlignCenter | Qt::TextWrapAnywhere, name);
        if (need.height() <= box.height() && need.width() <= box.width())
            return font;
    }
    return reportFont(ReportFace::Mincho, kSmallest);
}

void paintName(QPainter& painter, const QRectF& half, const QString& name, bool upsideDown) {
    const double pad = 1.5 * kPixelsPerMm;
    painter.save();
    painter.translate(half.center());
    if (upsideDown)
        painter.rotate(180);
    const QRectF box(-half.width() / 2 + pad, -half.height() / 2 + pad, half.width() - 2 * pad,
                     half.height() - 2 * pad);
    painter.setFont(fittedFont(painter, box, name));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWrapAnywhere, name);
    painter.restore();
}

} // namespace

bool classOffered(Source source, ClassIndex cls) {
    return source == Source::Accounts || cls == Income || cls == Expenses;
}

QString choiceProblem(Source source, const Choices& choices) {
    if (!any(effectiveClasses(source, choices)))
        return QStringLiteral("印刷する科目の種類を一つ以上チェックしてください。");
    if (!any(choices.levels))
        return QStringLiteral("印刷する科目の階層を一つ以上チェックしてください。");
    return {};
}

Query labelQuery(Source source, const Choices& choices) {
    Query q;
    const bool accounts = source == Source::Accounts;
    // Accounts leave out the computed lines of FlgG 101..299 (brought-forward and special
    // lines, which have no ledger of their own); fund lines keep only the lines marked for
    // labels, FlgG 500..510. An empty flag counts as 0.
    q.sql = accounts
                ? QStringLiteral("SELECT \"科目名\" FROM \"kamoku\" WHERE NOT (IFNULL(\"FlgG\",0)>100 AND "
                                 "IFNULL(\"FlgG\",0)<300)")
                : QStringLiteral("SELECT \"科目名\" FROM \"kamoku2\" WHERE NOT (IFNULL(\"FlgG\",0)<500 OR "
                                 "IFNULL(\"FlgG\",0)>510)");
    auto next = [&q](const QVariant& v) {
        q.params.push_back(v);
        return QStringLiteral("?%1").arg(q.params.size());
    };

    // A line without a level is a heading and matches no level.
    QStringList levels;
    for (std::size_t i = 0; i < 4; ++i)
        if (choices.levels[i])
            levels << QStringLiteral("\"FlgA\"=") + next(kLevelFlags[i]);
    q.sql += QStringLiteral(" AND (") + levels.join(QStringLiteral(" OR ")) + QLatin1Char(')');

    const std::array<bool, 4> classes = effectiveClasses(source, choices);
    QStringList terms;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!classes[i])
            continue;
        const QString b = next(kClassFlags[i][0]);
        const QString c = next(kClassFlags[i][1]);
        terms << QStringLiteral("(IFNULL(\"FlgB\",0)=%1 AND IFNULL(\"FlgC\",0)=%2)").arg(b, c);
    }
    q.sql += QStringLiteral(" AND (") + terms.join(QStringLiteral(" OR ")) + QLatin1Char(')');

    // Used in the period: the totals engine left a debit, a credit or a closing balance.
    if (choices.usedOnly)
        q.sql += QStringLiteral(
            " AND (IFNULL(\"借方\",0)<>0 OR IFNULL(\"貸方\",0)<>0 OR IFNULL(\"残高合計\",0)<>0)");
    q.sql += accounts ? QStringLiteral(" ORDER BY \"code\"") : QStringLiteral(" ORDER BY \"SNo\"");
    return q;
}

QStringList labelNames(Database& www, Source source, const Choices& choices) {
    const QString problem = choiceProblem(source, choices);
    if (!problem.isEmpty())
        throw K9Error(problem);
    const Query q = labelQuery(source, choices);
    Statement st = www.prepare(q.sql);
    for (std::size_t i = 0; i < q.params.size(); ++i)
        st.bind(static_cast<int>(i) + 1, q.params[i]);
    QStringList names;
    while (st.step())
        names << removeSpaces(st.text(0));
    return names;
}

const std::array<SheetLayout, 2>& sheetLayouts() {
    // Labels of 27 × 34 mm, 31 mm apart across and 37 mm down; the laser-printer stock sits
    // a little lower and further right on the sheet.
    static const std::array<SheetLayout, 2> layouts{{
        {Sheet::KpcT691bR, "KPC-T691B-R", 14.0, 20.5, 27.0, 34.0, 31.0, 37.0},
        {Sheet::LbpT691bR, "LBP-T691B-R(販売完了品)", 14.5, 21.5, 27.0, 34.0, 31.0, 37.0},
    }};
    return layouts;
}

const SheetLayout& sheetLayout(Sheet sheet) {
    for (const SheetLayout& l : sheetLayouts())
        if (l.sheet == sheet)
            return l;
    return sheetLayouts().front();
}

int sheetCount(int labels) {
    return labels <= 0 ? 0 : (labels + kLabelsPerSheet - 1) / kLabelsPerSheet;
}

QRectF labelRect(const SheetLayout& layout, int slot) {
    const int row = slot / kColumns;
    const int column = slot % kColumns;
    return QRectF((layout.leftMm + column * layout.pitchXMm) * kPixelsPerMm,
                  (layout.topMm + row * layout.pitchYMm) * kPixelsPerMm, layout.labelWidthMm * kPixelsPerMm,
                  layout.labelHeightMm * kPixelsPerMm);
}

QStringList namesOnSheet(const QStringList& names, int sheet) {
    const int first = sheet * kLabelsPerSheet;
    if (sheet < 0 || first >= names.size())
        return {};
    return names.mid(first, kLabelsPerSheet);
}

void paintLabelSheet(QPainter& painter, Sheet sheet, const QStringList& names, int sheetIndex,
                     bool outlines) {
    const SheetLayout& layout = sheetLayout(sheet);
    const QStringList onSheet = namesOnSheet(names, sheetIndex);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int slot = 0; slot < onSheet.size(); ++slot) {
        const QRectF r = labelRect(layout, slot);
        const QRectF upper(r.left(), r.top(), r.width(), r.height() / 2);
        const QRectF lower(r.left(), r.center().y(), r.width(), r.height() / 2);
        if (outlines) {
            painter.setPen(QPen(QColor(160, 160, 160), 0.5));
            painter.drawRoundedRect(r, 4, 4);
            painter.setPen(QPen(QColor(160, 160, 160), 0.5, Qt::DashLine));
            painter.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
        }
        paintName(painter, upper, onSheet[slot], false);
        paintName(painter, lower, onSheet[slot], true);
    }
    painter.restore();
}

QImage renderLabelSheet(Sheet sheet, const QStringList& names, int sheetIndex, int dpi, bool outlines) {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double factor = dpi / 96.0;
    QImage image(static_cast<int>(std::ceil(mm.width() * kPixelsPerMm * factor)),
                 static_cast<int>(std::ceil(mm.height() * kPixelsPerMm * factor)), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(factor, factor);
    paintLabelSheet(painter, sheet, names, sheetIndex, outlines);
    painter.end();
    return image;
}

} // namespace k9::indexlabels
