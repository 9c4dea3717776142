// The reading as HTML: the name, the birth data and the chart wheel; then
// the Sun sign with its picture and profile, the cusp line, the Karma
// Profile, and the running text of houses, aspects, natal Moon and void of
// course, in the report window's words and in its running-text styles.
// The same markup feeds the paged document (gui/reading_pages.h) and the
// self-contained HTML file.
#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include "chart/wheel_layout.h"
#include "content/sun_signs.h"
#include "entry/birth_input.h"
#include "reading/reading.h"

namespace starwise::gui {

// How the two figures, the wheel and the Sun sign's picture, go into HTML.
enum class FigureMarkup {
    // <img> elements named kWheelFigure and kSignFigure, which the paged
    // document draws itself, as vectors.
    Placeholders,
    // The wheel as <svg> markup and the picture as an SVG data address: one
    // file that needs nothing else.
    Inline,
};

// Names of the two figures in placeholder markup.
inline constexpr QLatin1String kWheelFigure("starwise:wheel");
inline constexpr QLatin1String kSignFigure("starwise:sign");

// The document's body text size, points.
inline constexpr double kBodyPointSize = 10.0;

// The reading as HTML in which every element is closed and no named entity
// is used, so that it also reads as XML.
QString ReadingHtml(const reading::Reading& reading, FigureMarkup figures);

// The wheel as an SVG document sizePx square, its letters and glyphs as
// outlines so it needs no font where it is shown.
QByteArray WheelSvg(const WheelChart& chart, int sizePx);

// "15 July 1980"; empty when the date is no calendar date.
QString BirthDateText(const entry::BirthInput& birth);

// Resource path of a Sun-sign profile's picture; empty when none.
QString SignPictureResource(const content::SunSignProfileRow* profile);

}  // namespace starwise::gui
