// The reading as pages: the HTML of gui/reading_html.h laid out for a
// paged device (a PDF writer or a printer), its two figures drawn as
// vectors, and each page with a footer naming the person and the page.
#pragma once

#include <QPageLayout>

#include "reading/reading.h"

class QPagedPaintDevice;

namespace starwise::gui {

// A4, portrait, with the document's margins: for the PDF and the printer.
QPageLayout ReadingPageLayout();

// Lays the reading out for the device's pages (its size, margins and
// resolution) and paints them, each with a footer naming the person and the
// page. Returns the number of pages, or 0 when the device cannot be painted
// on (a file that cannot be opened).
int PaintReadingPages(const reading::Reading& reading, QPagedPaintDevice& device);

}  // namespace starwise::gui
