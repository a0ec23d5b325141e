// SPDX-License-Identifier: GPL-3.0-or-later
// Print preview and printing of a finished ReportDocument: the preview dialog (zoom, page
// set-up, print, or print to a PDF file through the print dialog) paints the pages with the
// same renderer as the PDF and PNG output. Screens show printouts through a ReportPresenter
// so that tests can record the documents instead of opening the dialog.
#pragma once

#include "reports/report.h"

#include <QPageLayout>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace k9 {

using ReportPresenter = std::function<void(QWidget* parent, const ReportDocument& doc)>;

// Opens the modal preview dialog for the document.
void previewReport(QWidget* parent, const ReportDocument& doc);
// The presenter of the program: previewReport.
ReportPresenter defaultReportPresenter();

// Paints every page of the document on the printer (A4 in the document's orientation,
// full page, the renderer's own margins).
void printReport(QPrinter& printer, const ReportDocument& doc);

// A printout that paints its pages itself (label sheets): A4 pages in `orientation`, each
// painted by `paint` in report pixels with (0, 0) at the corner of the paper.
struct PaintedPages {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int pageCount = 0;
    std::function<void(QPainter& painter, int page)> paint;
};
using PagesPresenter = std::function<void(QWidget* parent, const PaintedPages& pages)>;

// Opens the modal preview dialog (zoom, page set-up, print) for painted pages.
void previewPages(QWidget* parent, const PaintedPages& pages);
// The presenter of the program: previewPages.
PagesPresenter defaultPagesPresenter();
// Paints every page on the printer (A4, full page).
void printPages(QPrinter& printer, const PaintedPages& pages);

} // namespace k9
