// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report.h"

#include "store/errors.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace k9 {
namespace {

bool familyInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// A font of `pointSize` points for a painter whose unit is the report pixel (1/96 inch).
QFont sizedFont(const QString& family, double pointSize, bool bold) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 96.0 / 72.0))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

double columnScale(const ReportDocument& doc, const ReportGeometry& g) {
    double total = 0;
    for (const auto& c : doc.columns)
        total += c.width;
    return total > 0 ? g.printableWidth() / total : 1.0;
}

void paintHeader(QPainter& p, const ReportDocument& doc, const ReportGeometry& g) {
    const ReportHeader& h = doc.header;
    const double left = g.margin;
    const double width = g.printableWidth();
    double y = g.margin;

    p.setPen(Qt::black);
    p.setFont(sizedFont(reportFontFamily(ReportFace::Gothic), 15, true));
    p.drawText(QRectF(left, y, width, 28), Qt::AlignHCenter | Qt::AlignVCenter, h.title);
    if (!h.subtitle.isEmpty()) {
        p.setFont(sizedFont(reportFontFamily(ReportFace::Gothic), 10, false));
        p.drawText(QRectF(left, y + 28, width, 18), Qt::AlignHCenter | Qt::AlignVCenter, h.subtitle);
    }

    // The five seal boxes at the right: a caption cell above an empty stamp cell.
    const double sealWidth = 50;
    const double sealTop = y + 50;
    const double captionHeight = 15;
    const double stampHeight = 46;
    double x = left + width;
    p.setFont(sizedFont(reportFontFamily(ReportFace::Mincho), 8, false));
    for (int i = 4; i >= 0; --i) {
        if (h.seals[static_cast<std::size_t>(i)].trimmed().isEmpty())
            continue;
        x -= sealWidth;
        p.drawRect(QRectF(x, sealTop, sealWidth, captionHeight + stampHeight));
        p.drawLine(QPointF(x, sealTop + captionHeight), QPointF(x + sealWidth, sealTop + captionHeight));
        p.drawText(QRectF(x, sealTop, sealWidth, captionHeight), Qt::AlignCenter,
                   h.seals[static_cast<std::size_t>(i)]);
    }

    // Period, corporation and unit at the left.
    p.setFont(sizedFont(reportFontFamily(ReportFace::Mincho), 10, false));
    const double textWidth = x - left - 8;
    QString period = h.periodFrom;
    if (!h.periodTo.isEmpty())
        period += (period.isEmpty() ? QString() : QStringLiteral("　")) + h.periodTo;
    p.drawText(QRectF(left, y + 52, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, period);
    auto labelled = [](const QString& label, const QString& name) {
        if (label.isEmpty())
            return name;
        return label + QStringLiteral("：") + name;
    };
    p.drawText(QRectF(left, y + 72, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
               labelled(h.corporationLabel, h.corporationName));
    p.drawText(QRectF(left, y + 92, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
               labelled(h.unitLabel, h.unitName));
}

} // namespace

QString reportFontFamily(const QString& faceName) {
    QString name = faceName;
    name.remove(QChar(u' ')).remove(QChar(0x3000));
    const bool gothic = name.contains(QStringLiteral("ゴシック")) || name.contains(QStringLiteral("Gothic"));
    return reportFontFamily(gothic ? ReportFace::Gothic : ReportFace::Mincho);
}

QString reportFontFamily(ReportFace face) {
    const QStringList candidates =
        face == ReportFace::Mincho ? QStringList{QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho"),
                                                 QStringLiteral("Noto Serif CJK JP")}
                                   : QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                                                 QStringLiteral("Noto Sans CJK JP")};
    for (const auto& family : candidates)
        if (familyInstalled(family))
            return family;
    return candidates.front();
}

QFont reportFont(ReportFace face, double pointSize, bool bold) {
    return sizedFont(reportFontFamily(face), pointSize, bold);
}

QColor reportShading() {
    return QColor(217, 217, 217);
}

ReportGeometry reportGeometry(const ReportDocument& doc) {
    ReportGeometry g;
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double w = mm.width() / 25.4 * 96.0;
    const double h = mm.height() / 25.4 * 96.0;
    const bool landscape = doc.orientation == QPageLayout::Landscape;
    g.pageWidth = landscape ? h : w;
    g.pageHeight = landscape ? w : h;
    return g;
}

ReportPages paginate(const ReportDocument& doc) {
    ReportPages out;
    const ReportGeometry g = reportGeometry(doc);
    const double rowHeight = doc.rowHeight > 1 ? doc.rowHeight : 1;
    const int perPage = std::max(1, static_cast<int>(std::floor(g.bodyHeight() / rowHeight + 1e-9)));
    std::vector<int> current;
    const int n = static_cast<int>(doc.rows.size());
    for (int i = 0; i < n; ++i) {
        const ReportRow& row = doc.rows[static_cast<std::size_t>(i)];
        const bool groupBreak = i > 0 && row.group != doc.rows[static_cast<std::size_t>(i - 1)].group;
        bool newPage = static_cast<int>(current.size()) >= perPage;
        if (doc.newPageOnGroup && groupBreak && !current.empty())
            newPage = true;
        // A group header is never the last line of a page when something follows it.
        if (row.kind == ReportRow::Kind::GroupHeader && perPage > 1 &&
            static_cast<int>(current.size()) == perPage - 1 && i + 1 < n)
            newPage = true;
        std::vector<int> carried;
        if (newPage && row.keepWithPrevious && !current.empty()) {
            // Carry the block this row belongs to over to the next page, unless it started
            // the page (then it is longer than a page and is cut where it must be).
            // Walk back while the row at `start` keeps with the one above: `start` ends on the
            // block's first row.
            std::size_t start = current.size();
            while (start > 0 && doc.rows[static_cast<std::size_t>(current[start - 1]) + 1].keepWithPrevious)
                --start;
            if (start > 0) {
                carried.assign(current.begin() + static_cast<std::ptrdiff_t>(start), current.end());
                current.resize(start);
            }
        }
        if (newPage && !current.empty()) {
            out.pages.push_back(std::move(current));
            current = std::move(carried);
        }
        current.push_back(i);
    }
    if (!current.empty() || out.pages.empty())
        out.pages.push_back(std::move(current));
    return out;
}

ReportDocument lookedDocument(const ReportHeader& header, const QString& title, const PrintLook& look) {
    ReportDocument doc;
    doc.header = header;
    doc.header.title = title;
    doc.rowHeight = look.rowHeight;
    doc.nameFontSize = look.nameFontSize;
    doc.amountFontSize = look.amountFontSize;
    return doc;
}

QString pageFooterText(const QString& pattern, int page, int totalPages) {
    QString text = pattern;
    text.replace(QStringLiteral("[PAGE#]"), QString::number(page));
    text.replace(QStringLiteral("[TOTALPAGES#]"), QString::number(totalPages));
    return text;
}

void paintReportPage(QPainter& p, const ReportDocument& doc, const ReportPages& pages, int page) {
    const ReportGeometry g = reportGeometry(doc);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintHeader(p, doc, g);

    const double scale = columnScale(doc, g);
    std::vector<double> xs{g.margin};
    for (const auto& c : doc.columns)
        xs.push_back(xs.back() + c.width * scale);
    const double right = xs.back();

    // Column headers.
    const double headTop = g.margin + g.headerHeight;
    QPen thin(Qt::black, 0.6);
    QPen bold(Qt::black, 1.4);
    p.setPen(thin);
    p.fillRect(QRectF(g.margin, headTop, right - g.margin, g.columnHeaderHeight), QColor(242, 242, 242));
    p.setFont(reportFont(ReportFace::Gothic, 9, false));
    for (std::size_t c = 0; c < doc.columns.size(); ++c)
        p.drawText(QRectF(xs[c] + 2, headTop, xs[c + 1] - xs[c] - 4, g.columnHeaderHeight), Qt::AlignCenter,
                   doc.columns[c].caption);

    // Detail rows.
    const std::vector<int>& rows =
        page >= 0 && page < pages.count() ? pages.pages[static_cast<std::size_t>(page)] : std::vector<int>{};
    double y = g.bodyTop();
    std::vector<std::pair<double, double>> spanned; // rows printed across the column rules
    const QFont nameFont = reportFont(ReportFace::Mincho, doc.nameFontSize, false);
    const QFont nameBold = reportFont(ReportFace::Mincho, doc.nameFontSize, true);
    const QFont amountFont = reportFont(ReportFace::Mincho, doc.amountFontSize, false);
    const QFont amountBold = reportFont(ReportFace::Mincho, doc.amountFontSize, true);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int index = rows[k];
        const ReportRow& row = doc.rows[static_cast<std::size_t>(index)];
        const QRectF band(g.margin, y, right - g.margin, doc.rowHeight);
        if (row.fill.isValid())
            p.fillRect(band, row.fill);
        else if (row.shaded)
            p.fillRect(band, reportShading());
        const bool groupBreak = index > 0 && row.group != doc.rows[static_cast<std::size_t>(index - 1)].group;
        if (k > 0 && (row.ruleAbove || groupBreak || row.kind == ReportRow::Kind::Total)) {
            p.setPen(groupBreak || row.kind == ReportRow::Kind::Total ? bold : thin);
            p.drawLine(QPointF(g.margin, y), QPointF(right, y));
        }
        p.setPen(Qt::black);
        const bool strong = row.bold || row.kind == ReportRow::Kind::Total;
        if (row.spansRow) {
            spanned.emplace_back(y, y + doc.rowHeight);
            p.setFont(strong ? nameBold : nameFont);
            p.drawText(QRectF(g.margin + 3, y, right - g.margin - 6, doc.rowHeight),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, row.cells.value(0));
            y += doc.rowHeight;
            continue;
        }
        for (std::size_t c = 0; c < doc.columns.size(); ++c) {
            const QString text = c < static_cast<std::size_t>(row.cells.size())
                                     ? row.cells[static_cast<qsizetype>(c)]
                                     : QString();
            if (text.isEmpty())
                continue;
            const ReportColumn& col = doc.columns[c];
            p.setFont(col.amount ? (strong ? amountBold : amountFont) : (strong ? nameBold : nameFont));
            const QRectF cell(xs[c] + 3, y, xs[c + 1] - xs[c] - 6, doc.rowHeight);
            const Qt::Alignment align = col.amount    ? Qt::AlignRight | Qt::AlignVCenter
                                        : col.centred ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter;
            p.save();
            p.setClipRect(cell.adjusted(-2, 0, 2, 0));
            p.drawText(cell, align | Qt::TextSingleLine, text);
            p.restore();
        }
        y += doc.rowHeight;
    }

    // Frame and column rules over the header and the rows of the page.
    p.setPen(thin);
    p.drawRect(QRectF(g.margin, headTop, right - g.margin, y - headTop));
    p.drawLine(QPointF(g.margin, g.bodyTop()), QPointF(right, g.bodyTop()));
    // The column rules run from the header down, broken where a row spans them.
    double from = headTop;
    spanned.emplace_back(y, y);
    for (const auto& [top, bottom] : spanned) {
        if (top > from)
            for (std::size_t c = 1; c + 1 < xs.size(); ++c)
                p.drawLine(QPointF(xs[c], from), QPointF(xs[c], top));
        from = bottom;
    }

    // Footer.
    p.setFont(reportFont(ReportFace::Mincho, 9, false));
    p.drawText(QRectF(g.margin, g.pageHeight - g.margin - g.footerHeight, g.printableWidth(), g.footerHeight),
               Qt::AlignCenter, pageFooterText(doc.footer, page + doc.firstPageNumber, pages.count()));
    p.restore();
}

int writeReportPdf(const std::vector<ReportDocument>& docs, const QString& file) {
    // Fonts and the PDF painter need the graphics side of Qt (the offscreen platform will do).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw K9Error(QStringLiteral("PDF出力には画面なしのグラフィック環境が必要です。"));
    constexpr int kDpi = 600;
    QPdfWriter writer(file);
    writer.setCreator(QStringLiteral("新公益法人会計K9"));
    writer.setResolution(kDpi);
    const auto orientationOf = [&](std::size_t i) {
        return i < docs.size() ? docs[i].orientation : QPageLayout::Portrait;
    };
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientationOf(0), QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        throw K9Error(QStringLiteral("PDFファイルを書き込めません: %1").arg(file));
    int written = 0;
    std::vector<ReportDocument> one;
    const std::vector<ReportDocument>& list = docs.empty() ? (one = {ReportDocument{}}) : docs;
    for (std::size_t d = 0; d < list.size(); ++d) {
        const ReportPages pages = paginate(list[d]);
        for (int page = 0; page < pages.count(); ++page) {
            if (written > 0) {
                writer.setPageOrientation(list[d].orientation);
                writer.newPage();
            }
            painter.save();
            painter.scale(kDpi / 96.0, kDpi / 96.0);
            paintReportPage(painter, list[d], pages, page);
            painter.restore();
            ++written;
        }
    }
    if (!painter.end())
        throw K9Error(QStringLiteral("PDFファイルを書き込めません: %1").arg(file));
    return written;
}

QImage renderReportPage(const ReportDocument& doc, int page, int dpi) {
    const ReportGeometry g = reportGeometry(doc);
    const double factor = dpi / 96.0;
    QImage image(static_cast<int>(std::ceil(g.pageWidth * factor)),
                 static_cast<int>(std::ceil(g.pageHeight * factor)), QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(factor, factor);
    paintReportPage(painter, doc, paginate(doc), page);
    painter.end();
    return image;
}

} // namespace k9
