// The whole reading as one document: page 1 with the name, the birth data
// and the chart wheel; then the Sun sign with its picture and profile, the
// cusp line, the Karma Profile, and the running text of houses, aspects,
// natal Moon and void of course, in the report window's words and in its
// running-text styles. Painted page by page onto a PDF writer or a printer,
// or written as one self-contained HTML file.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include "chart/wheel_layout.h"
#include "reading/reading.h"

class QPagedPaintDevice;

namespace starwise::gui {

// How the two figures, the wheel and the Sun sign's picture, go into HTML.
enum class FigureMarkup {
    // <img> elements named "starwise:wheel" and "starwise:sign", which the
    // paged document draws itself, as vectors.
    Placeholders,
    // The wheel as <svg> markup and the picture as an SVG data address: one
    // file that needs nothing else.
    Inline,
};

// The reading as HTML in which every element is closed and no named entity
// is used, so that it also reads as XML.
QString ReadingHtml(const reading::Reading& reading, FigureMarkup figures);

// A4, portrait, with the document's margins: for the PDF and the printer.
QPageLayout ReadingPageLayout();

// Lays the reading out for the device's pages (its size, margins and
// resolution) and paints them, each with a footer naming the person and the
// page. Returns the number of pages, or 0 when the device cannot be painted
// on (a file that cannot be opened).
int PaintReadingPages(const reading::Reading& reading, QPagedPaintDevice& device);

// The reading as an A4 PDF at path. Returns an empty string, or why the
// file could not be written.
QString WriteReadingPdf(const reading::Reading& reading, const QString& path);

// The reading as one HTML file (UTF-8) at path. Returns an empty string, or
// why the file could not be written.
QString WriteReadingHtml(const reading::Reading& reading, const QString& path);

// The wheel as an SVG document sizePx square, its letters and glyphs as
// outlines so it needs no font where it is shown.
QByteArray WheelSvg(const WheelChart& chart, int sizePx);

// A file name for the reading, e.g. "Starwise reading - ASHA KULKARNI.pdf"
// for suffix "pdf"; characters that file systems refuse become "_".
QString SuggestedFileName(const reading::Reading& reading, const QString& suffix);

}  // namespace starwise::gui
