// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/reportpreview.h"

#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

namespace k9 {

namespace {

// The document's pages as painted pages; `doc` must outlive the result.
PaintedPages pagesOf(const ReportDocument& doc) {
    auto pages = std::make_shared<ReportPages>(paginate(doc));
    PaintedPages out;
    out.title = doc.header.title;
    out.orientation = doc.orientation;
    out.pageCount = pages->count();
    out.paint = [&doc, pages](QPainter& painter, int page) { paintReportPage(painter, doc, *pages, page); };
    return out;
}

} // namespace

void printReport(QPrinter& printer, const ReportDocument& doc) {
    printPages(printer, pagesOf(doc));
}

void previewReport(QWidget* parent, const ReportDocument& doc) {
    previewPages(parent, pagesOf(doc));
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
