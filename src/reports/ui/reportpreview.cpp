// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/reportpreview.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace k9 {

void printReport(QPrinter& printer, const ReportDocument& doc) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), doc.orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const ReportPages pages = paginate(doc);
    const double factor = printer.resolution() / 96.0;
    for (int page = 0; page < pages.count(); ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.scale(factor, factor);
        paintReportPage(painter, doc, pages, page);
        painter.restore();
    }
    painter.end();
}

void previewReport(QWidget* parent, const ReportDocument& doc) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(doc.header.title.trimmed());
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), doc.orientation, QMarginsF(0, 0, 0, 0)));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(doc.header.title.trimmed());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&doc](QPrinter* p) { printReport(*p, doc); });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

ReportPresenter defaultReportPresenter() {
    return [](QWidget* parent, const ReportDocument& doc) { previewReport(parent, doc); };
}

void printPages(QPrinter& printer, const PaintedPages& pages) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), pages.orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const double factor = printer.resolution() / 96.0;
    for (int page = 0; page < pages.pageCount; ++page) {
        if (page > 0)
            printer.newPage();
        painter.save();
        painter.scale(factor, factor);
        if (pages.paint)
            pages.paint(painter, page);
        painter.restore();
    }
    painter.end();
}

void previewPages(QWidget* parent, const PaintedPages& pages) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(pages.title.trimmed());
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), pages.orientation, QMarginsF(0, 0, 0, 0)));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(pages.title.trimmed());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* p) { printPages(*p, pages); });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

PagesPresenter defaultPagesPresenter() {
    return [](QWidget* parent, const PaintedPages& pages) { previewPages(parent, pages); };
}

} // namespace k9
