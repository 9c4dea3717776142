// The reading as pages: the HTML of gui/reading_html.h laid out for a
// paged device (a PDF writer or a printer), its two figures drawn as
// vectors, and each page with a footer naming the person and the page.
#pragma once

#include <QPageLayout>
#include <vector>

#include "reading/reading.h"

class QPagedPaintDevice;

namespace starwise::gui {

// A4, portrait, with the document's margins: for the PDF and the printer.
QPageLayout ReadingPageLayout();

// Which of the document's pages to paint, as a print dialog asks: pages
// fromPage..toPage (1-based; 0 and 0 for all of them), copies times over.
struct PageSelection {
    int fromPage = 0;
    int toPage = 0;
    int copies = 1;
    bool collate = true;  // whole runs one after another (1 2 3 1 2 3), else 1 1 2 2 3 3
};

// The 1-based page numbers to paint, in order, for a document of pageCount
// pages. A range past the document's end is cut at it; empty when nothing
// of the range is in the document. Fewer than one copy counts as one.
std::vector<int> PagesToPaint(int pageCount, const PageSelection& selection);

// Lays the reading out for the device's pages (its size, margins and
// resolution) and paints the selected ones, each with a footer naming the
// person and the page among all of the document's. Returns the number of
// pages of the whole document, or 0 when the device cannot be painted on
// (a file that cannot be opened), a page cannot be begun or the painting
// cannot be finished (QPainter::end, which writes a PDF's trailer). When no
// selected page is in the document nothing is painted at all (not even a
// blank page).
int PaintReadingPages(const reading::Reading& reading, QPagedPaintDevice& device, const PageSelection& selection = {});

}  // namespace starwise::gui
