#include "gui/reading_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "content/fixed_texts.h"
#include "gui/sign_pictures.h"
#include "entry/entry_form.h"
#include "entry/zones.h"
#include "gui/chart_wheel.h"
#include "gui/look.h"
#include "gui/piece_styles.h"
#include "gui/reading_wheel.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"

#include <vector>

namespace starwise::gui {
namespace {

// Names of the two figures in placeholder markup.
constexpr QLatin1String kWheelFigure("starwise:wheel");
constexpr QLatin1String kSignFigure("starwise:sign");

// Figure sizes in CSS pixels (1/96 inch): the wheel 156 mm across, the
// sign picture 48 mm.
constexpr int kWheelPx = 590;
constexpr int kSignPicturePx = 180;
// The wheel's SVG in the HTML file, in its own pixels.
constexpr int kWheelSvgPx = 640;

// Page margins of the PDF, millimetres, and the band the footer takes at
// the foot of the printable area.
constexpr double kMarginSideMm = 16.0;
constexpr double kMarginTopMm = 15.0;
constexpr double kMarginBottomMm = 12.0;
constexpr double kFooterBandMm = 9.0;
constexpr double kFooterRuleMm = 3.0;  // from the band's top to its rule
constexpr double kFooterPointSize = 7.5;
// Blank band the layout keeps above and below each page's text and no page
// draws. The layout draws not only the lines inside the area it is asked
// for but also neighbours up to a few lines outside it (clipped away, yet
// their text would stay in the file and be found twice); with this band
// between pages, those neighbours are blank.
constexpr double kPageGapMm = 12.0;

const QColor kFooterText{0x6b, 0x75, 0x8c};

constexpr double kBodyPointSize = 10.0;
constexpr double kLigatureBreakingSpacingDots = 0.2;  // 0.004 mm at 1200 dpi, too small to see
// The running text keeps the report window's styles, drawn at the scale
// that brings the size its headings set to the document's body size, as the
// window draws them at its own scale.
const double kRunningTextScale = kBodyPointSize / StyleOf(reading::PieceKind::SectionHeading).pointSize;

// Colours of the document, as CSS.
constexpr const char* kHeadingColour = "#004000";  // the windows' dark green
constexpr const char* kCaptionColour = "#4a5568";
constexpr const char* kSignColour = "#c05800";  // the windows' orange, deepened for white paper

// Escaped text with its CR LF (or lone CR or LF) breaks as <br/>.
QString Html(const QString& text) {
    QString escaped = text.trimmed().toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("<br/>"));
    escaped.replace(QLatin1Char('\r'), QStringLiteral("<br/>"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    return escaped;
}

QString Html(std::string_view text) { return Html(FromUtf8(text)); }

QString CssColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// "15 July 1980"; empty when the date is no calendar date.
QString BirthDateText(const entry::BirthInput& birth) {
    if (!birth.localDate.ok()) return {};
    return QStringLiteral("%1 %2 %3")
        .arg(unsigned{birth.localDate.day()})
        .arg(FromUtf8(entry::kMonthNames[unsigned{birth.localDate.month()} - 1]))
        .arg(int{birth.localDate.year()});
}

// "73° 51′ East": degrees and minutes of arc.
QString CoordinateText(int degrees, int minutes, const char* side) {
    return QStringLiteral("%1\u00B0 %2\u2032 %3").arg(degrees).arg(TwoDigits(minutes), QString::fromLatin1(side));
}

// The row's text, or the exact offset ("UTC+5:45").
QString ZoneText(const entry::BirthZone& zone) {
    if (const auto* exact = std::get_if<entry::ExactOffset>(&zone)) {
        return FromUtf8(atlas::UtcOffsetText(exact->utcOffsetSeconds));
    }
    const int zonePosition = std::get<entry::ZoneRowChoice>(zone).zonePosition;
    if (zonePosition < 0 || zonePosition >= static_cast<int>(entry::kZones.size())) return {};
    return FromUtf8(entry::kZones[static_cast<std::size_t>(zonePosition)].listText);
}

// Whole degrees and minutes of an angle, and its side.
QString AngleText(double angleDeg, const char* positive, const char* negative) {
    const atlas::WholeMinutesAngle angle = atlas::ToWholeMinutes(angleDeg);
    return CoordinateText(angle.degrees, angle.minutes, angle.negative ? negative : positive);
}

// Resource path of a Sun-sign profile's picture; empty when none.
QString SignPictureResource(const content::SunSignProfileRow* profile) {
    if (profile == nullptr) return {};
    for (const SignPictureRow& row : kSignPictures) {
        if (row.number == profile->pictureNumber) return FromUtf8(row.resource);
    }
    return {};
}

// Strips what precedes the <svg> element (the XML declaration), so the
// markup can stand inside HTML.
QByteArray SvgElement(const QByteArray& document) {
    const qsizetype start = document.indexOf("<svg");
    return start < 0 ? QByteArray() : document.mid(start);
}

// The windows' font first, then the fonts that hold the same letters.
QString FontFamilies() {
    QStringList families{UiFontFamily()};
    for (const QString& fallback : {QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")}) {
        if (!families.contains(fallback)) families << fallback;
    }
    QStringList quoted;
    for (const QString& family : families) quoted << QLatin1Char('\'') + family + QLatin1Char('\'');
    return (quoted << QStringLiteral("sans-serif")).join(QStringLiteral(", "));
}

class HtmlWriter {
public:
    HtmlWriter(const reading::Reading& reading, FigureMarkup figures) : r_(reading), figures_(figures) {}

    QString Write() {
        Head();
        TitlePage();
        SunSign();
        KarmaProfile();
        RunningText();
        out_ += QStringLiteral("</body>\n</html>\n");
        return out_;
    }

private:
    void Head() {
        out_ += QStringLiteral(
                    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>%1</title>\n"
                    "<style>\n"
                    "body { font-family: %2; font-size: %3pt; color: #1c2541; }\n"
                    "h1 { font-size: 22pt; color: %4; margin-top: 0px; margin-bottom: 2px; }\n"
                    "h2 { font-size: 15pt; color: %4; margin-top: 20px; margin-bottom: 8px; }\n"
                    "h3 { font-size: 11.5pt; color: %4; margin-top: 14px; margin-bottom: 4px; }\n"
                    "p { margin-top: 0px; margin-bottom: 8px; line-height: 135%; }\n"
                    "p.figure { line-height: 100%; margin-top: 6px; margin-bottom: 4px; }\n"
                    "p.kicker { font-size: 9pt; font-weight: bold; color: %5; margin-bottom: 0px; }\n"
                    "p.note { color: %5; font-style: italic; }\n"
                    "p.failed { color: #a00000; font-weight: bold; }\n"
                    "p.legend { font-size: 8.5pt; color: %5; }\n"
                    "td.cusp { font-style: italic; padding-bottom: 6px; }\n"
                    "td { padding: 2px; vertical-align: top; }\n"
                    "p.described { margin-top: 6px; }\n"
                    "table.positions { font-size: 9pt; }\n"
                    "td.head { font-weight: bold; color: %5; border-bottom: 1px solid #c8cdd8; }\n"
                    "td.glyph { font-family: 'DejaVu Sans'; color: #1c2541; }\n"
                    "td.gap { width: 24px; }\n"
                    "tr.alt td { background-color: #f2f5ee; }\n"
                    "td.caption { font-weight: bold; color: %5; padding-right: 14px; white-space: nowrap; }\n"
                    "span.sign { font-weight: bold; color: %6; }\n")
                    .arg(Html(QStringLiteral("Starwise Reading: ") + FromUtf8(r_.birth.name)), FontFamilies())
                    .arg(kBodyPointSize)
                    .arg(QString::fromLatin1(kHeadingColour), QString::fromLatin1(kCaptionColour),
                         QString::fromLatin1(kSignColour));
        if (figures_ == FigureMarkup::Inline) {
            // For browsers only: a readable column, figures that shrink with it.
            out_ += QStringLiteral(
                "body { max-width: 46em; margin: 2em auto; padding: 0 1em; }\n"
                "div.figure { text-align: center; }\n"
                "div.figure svg, img.picture { max-width: 100%; height: auto; }\n"
                "h2.newpage { border-top: 1px solid #c8cdd8; padding-top: 12px; }\n");
        }
        out_ += QStringLiteral("</style>\n</head>\n<body>\n");
    }

    void TitlePage() {
        const entry::BirthInput& b = r_.birth;
        const auto* row = std::get_if<entry::ZoneRowChoice>(&b.zone);
        out_ += QStringLiteral("<p class=\"kicker\">STARWISE NATAL READING</p>\n<h1>%1</h1>\n").arg(Html(b.name));
        const QString time = BirthDateText(b).isEmpty() ? QString() : TwoDigits(b.localMinutes / 60) + ':' + TwoDigits(b.localMinutes % 60);
        const std::pair<QString, QString> fields[] = {
            {QStringLiteral("Date of birth"), BirthDateText(b)},
            {QStringLiteral("Time zone"), ZoneText(b.zone)},
            {QStringLiteral("Local time"), time},
            {QStringLiteral("Daylight saving"), row != nullptr && row->daylightSaving ? QStringLiteral("Yes") : QStringLiteral("No")},
            {QStringLiteral("Longitude"), AngleText(b.longitudeDeg, "East", "West")},
            {QStringLiteral("Latitude"), AngleText(b.latitudeDeg, "North", "South")},
        };
        out_ += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">\n");
        for (std::size_t i = 0; i < std::size(fields); i += 2) {
            out_ += QStringLiteral("<tr>");
            for (std::size_t j = i; j < i + 2; ++j) {
                out_ += QStringLiteral("<td class=\"caption\">%1</td><td>%2</td>")
                            .arg(fields[j].first.toHtmlEscaped(), fields[j].second.toHtmlEscaped());
            }
            out_ += QStringLiteral("</tr>\n");
        }
        out_ += QStringLiteral("</table>\n");
        if (!r_.failedSteps.empty()) {
            QStringList steps;
            for (std::string_view step : r_.failedSteps) steps << FromUtf8(step).replace(QLatin1Char('_'), QLatin1Char(' '));
            out_ += QStringLiteral("<p class=\"failed\">These steps of the reading failed, and their parts are "
                                   "left out: %1.</p>\n")
                        .arg(steps.join(QStringLiteral(", ")).toHtmlEscaped());
        }
        out_ += QStringLiteral("<hr/>\n");
        Wheel();
    }

    void Wheel() {
        std::optional<WheelChart> chart;
        try {
            chart = WheelChartOf(r_);
        } catch (const std::invalid_argument&) {
            chart.reset();
        }
        if (!chart) return;  // no chart: a failed step, named above
        if (figures_ == FigureMarkup::Inline) {
            out_ += QStringLiteral("<div class=\"figure\">\n") + QString::fromUtf8(SvgElement(WheelSvg(*chart, kWheelSvgPx))) +
                    QStringLiteral("\n</div>\n");
        } else {
            out_ += QStringLiteral("<p class=\"figure\" align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%2\" alt=\"Chart wheel\"/></p>\n")
                        .arg(kWheelFigure)
                        .arg(kWheelPx);
        }
        const WheelStyle style;
        out_ += QStringLiteral(
                    "<p class=\"legend\" align=\"center\">Ascendant <span class=\"sign\">%1</span>"
                    " \u00A0\u00B7\u00A0 <span style=\"color: %2\">Quincunx: dashed line</span>"
                    " \u00A0\u00B7\u00A0 <span style=\"color: %3\">Semi-sextile: dotted line</span>"
                    " \u00A0\u00B7\u00A0 Houses of 30\u00B0 from the Ascendant</p>\n")
                    .arg(Html(r_.chart->bodies[engine::kAscendant].positionText), CssColour(style.quincunx),
                         CssColour(style.semiSextile));
        Positions();
    }

    // The wheel's points as a table: glyph, name, position text and house,
    // in two halves side by side.
    void Positions() {
        const engine::NatalChart& chart = *r_.chart;
        struct Row {
            std::string_view glyph;
            QString name;
            QString position;
            QString house;
        };
        std::vector<Row> rows;
        for (int body = 0; body < engine::kReadingBodies; ++body) {
            const auto b = static_cast<std::size_t>(body);
            const int house = r_.houses ? r_.houses->houseOfBody[b] : 0;
            rows.push_back({kBodyGlyphs[b], FromUtf8(chart.bodies[b].name), Html(chart.bodies[b].positionText),
                            house > 0 ? QString::number(house) : QString()});
        }
        rows.push_back({kBodyGlyphs[kNorthNodePointId], QStringLiteral("North Node"), Html(chart.northNodeText), {}});
        rows.push_back({kBodyGlyphs[kSouthNodePointId], QStringLiteral("South Node"), Html(chart.southNodeText), {}});

        out_ += QStringLiteral("<h3>Positions at Birth</h3>\n"
                               "<table class=\"positions\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>");
        for (int half = 0; half < 2; ++half) {
            out_ += QStringLiteral("<td class=\"head\"></td><td class=\"head\">Body</td><td class=\"head\">Position</td>"
                                   "<td class=\"head\" align=\"center\">House</td>");
            if (half == 0) out_ += QStringLiteral("<td class=\"gap\"></td>");
        }
        out_ += QStringLiteral("</tr>\n");
        const std::size_t half = (rows.size() + 1) / 2;
        for (std::size_t i = 0; i < half; ++i) {
            out_ += i % 2 == 0 ? QStringLiteral("<tr>") : QStringLiteral("<tr class=\"alt\">");
            for (const std::size_t k : {i, i + half}) {
                if (k < rows.size()) {
                    out_ += QStringLiteral("<td class=\"glyph\" align=\"center\">%1</td><td>%2</td><td>%3</td>"
                                           "<td align=\"center\">%4</td>")
                                .arg(FromUtf8(rows[k].glyph), rows[k].name.toHtmlEscaped(), rows[k].position,
                                     rows[k].house);
                }
                if (k == i) out_ += QStringLiteral("<td class=\"gap\"></td>");
            }
            out_ += QStringLiteral("</tr>\n");
        }
        out_ += QStringLiteral("</table>\n");
    }

    // A heading of a part; the first part after the title page starts a page.
    void PartHeading(const QString& text, bool newPage) {
        const QString element = newPage
                                    ? QStringLiteral("<h2 class=\"newpage\" style=\"page-break-before: always\">%1</h2>\n")
                                    : QStringLiteral("<h2>%1</h2>\n");
        out_ += element.arg(text.toHtmlEscaped());
    }

    // Caption and value rows, the first value in the sign's colour; a note
    // (escaped HTML) may follow the first row across both columns, and then
    // the captions keep a fixed share of the width, which the note's length
    // would otherwise set.
    void FieldRows(const std::vector<std::pair<QString, QString>>& rows, const QString& noteAfterFirst = {}) {
        const bool fixed = !noteAfterFirst.isEmpty();
        out_ += fixed ? QStringLiteral("<table class=\"fields\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">\n")
                      : QStringLiteral("<table class=\"fields\" cellspacing=\"0\" cellpadding=\"2\">\n");
        bool first = true;
        for (const auto& [caption, value] : rows) {
            const QString shown = first ? QStringLiteral("<span class=\"sign\">%1</span>").arg(value) : value;
            out_ += QStringLiteral("<tr><td class=\"caption\"%1>%2</td><td>%3</td></tr>\n")
                        .arg(fixed ? QStringLiteral(" width=\"32%\"") : QString(), caption.toHtmlEscaped(), shown);
            if (first && !noteAfterFirst.isEmpty()) {
                out_ += QStringLiteral("<tr><td class=\"cusp\" colspan=\"2\">%1</td></tr>\n").arg(noteAfterFirst);
            }
            first = false;
        }
        out_ += QStringLiteral("</table>\n");
    }

    void SunSign() {
        PartHeading(QStringLiteral("Sun Sign"), true);
        const content::SunSignProfileRow* profile = r_.sunSignProfile;
        const auto field = [profile](std::string_view content::SunSignProfileRow::*column) {
            return profile ? Html(profile->*column) : QString();
        };
        using Profile = content::SunSignProfileRow;
        out_ += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>\n");
        FieldRows({{QStringLiteral("Your Sun Sign"), Html(r_.sunSign)},
                   {QStringLiteral("Element"), field(&Profile::element)},
                   {QStringLiteral("Birthstone"), field(&Profile::birthStone)},
                   {QStringLiteral("Lucky Number"), field(&Profile::luckyNumber)},
                   {QStringLiteral("Lucky Day"), field(&Profile::luckyDay)},
                   {QStringLiteral("Compatibility"), field(&Profile::compatibleSigns)}},
                  r_.sunCusp ? Html(reading::SunCuspLine(*r_.sunCusp)) : QString());
        out_ += QStringLiteral("</td>\n<td align=\"right\" width=\"%1\">").arg(kSignPicturePx + 10);
        SignPicture();
        out_ += QStringLiteral("</td></tr></table>\n");
        out_ += QStringLiteral("<h3>Positive Traits</h3>\n<p>%1</p>\n")
                    .arg(profile ? Html(reading::PositiveTraitsOf(*profile)) : QString());
        out_ += QStringLiteral("<h3>Negative Traits</h3>\n<p>%1</p>\n").arg(field(&Profile::negativeTraits));
    }

    void SignPicture() {
        const QString resource = SignPictureResource(r_.sunSignProfile);
        if (resource.isEmpty()) return;
        const QString alt = Html(r_.sunSign) + QStringLiteral(" picture");
        if (figures_ == FigureMarkup::Inline) {
            const QByteArray svg = ResourceData(resource.toStdString());
            if (svg.isEmpty()) return;
            out_ += QStringLiteral("<img class=\"picture\" src=\"data:image/svg+xml;base64,%1\" width=\"%2\" height=\"%2\" alt=\"%3\"/>")
                        .arg(QString::fromLatin1(svg.toBase64()))
                        .arg(kSignPicturePx)
                        .arg(alt);
        } else {
            out_ += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\" alt=\"%3\"/>")
                        .arg(kSignFigure)
                        .arg(kSignPicturePx)
                        .arg(alt);
        }
    }

    void Node(const QString& title, std::string_view explanation, const QString& placedIn, std::string_view sign,
              std::string_view keywords, const std::string& description) {
        out_ += QStringLiteral("<h3>%1</h3>\n<p class=\"note\">%2</p>\n").arg(title.toHtmlEscaped(), Html(explanation));
        FieldRows({{placedIn, Html(sign)}, {QStringLiteral("Keywords"), Html(keywords)}});
        out_ += QStringLiteral("<p class=\"described\">%1</p>\n").arg(Html(description));
    }

    void KarmaProfile() {
        PartHeading(QStringLiteral("Karma Profile"), false);
        out_ += QStringLiteral("<p>%1</p>\n").arg(Html(content::kNodeAxisExplanation));
        const content::NodeRow* node = r_.nodeRow;
        Node(QStringLiteral("North Node"), content::kNorthNodeExplanation, QStringLiteral("North Node Is Placed In"),
             node ? node->northSign : std::string_view{}, node ? node->northKeywords : std::string_view{},
             node ? reading::NorthDescriptionOf(*node) : std::string{});
        Node(QStringLiteral("South Node"), content::kSouthNodeExplanation, QStringLiteral("South Node Is Placed In"),
             node ? node->southSign : std::string_view{}, node ? node->southKeywords : std::string_view{},
             node ? reading::SouthDescriptionOf(*node) : std::string{});
    }

    // The running text as the report window shows it: each piece in its
    // kind's weight, colour and size, each line break kept.
    void RunningText() {
        PartHeading(QStringLiteral("Planets in House"), false);
        const std::vector<StyledRun> runs = StyledRunsOf(r_.RunningText());
        QString body;
        for (const StyledRun& run : runs) {
            QString text = run.text.toHtmlEscaped();
            text.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
            body += QStringLiteral("<span style=\"font-size: %1pt; color: %2; font-weight: %3\">%4</span>")
                        .arg(run.pointSize * kRunningTextScale)
                        .arg(CssColour(run.style->colour), run.style->bold ? QStringLiteral("bold")
                                                                           : QStringLiteral("normal"),
                             text);
        }
        // Line breaks at the very end would only add blank space.
        while (body.endsWith(QStringLiteral("<br/></span>"))) {
            body.replace(body.size() - 12, 12, QStringLiteral("</span>"));
        }
        out_ += QStringLiteral("<p>%1</p>\n").arg(body);
    }

    const reading::Reading& r_;
    FigureMarkup figures_;
    QString out_;
};

// Draws the two figures of a placeholder document: the wheel and the sign
// picture as vectors, at the size their markup gives them.
class FigureHandler final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    FigureHandler(const reading::Reading& reading, QObject* parent) : QObject(parent) {
        try {
            wheel_ = WheelChartOf(reading);
        } catch (const std::invalid_argument&) {
            wheel_.reset();
        }
        const QString resource = SignPictureResource(reading.sunSignProfile);
        if (!resource.isEmpty()) signPicture_.load(ResourceData(resource.toStdString()));
    }

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QTextImageFormat image = format.toImageFormat();
        // CSS pixels are 1/96 inch; the layout counts in the device's dots.
        const QPaintDevice* device = document->documentLayout()->paintDevice();
        const double dotsPerPx = device ? device->logicalDpiY() / 96.0 : 1.0;
        return QSizeF(image.width(), image.height()) * dotsPerPx;
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        const QString name = format.toImageFormat().name();
        if (name == kWheelFigure && wheel_) {
            try {
                PaintChartWheel(*painter, rect, *wheel_, WheelStyle{});
            } catch (const std::invalid_argument&) {
                // WheelChartOf gives only charts the wheel takes; nothing is drawn otherwise.
            }
        } else if (name == kSignFigure && signPicture_.isValid()) {
            signPicture_.render(painter, rect);
        }
    }

private:
    std::optional<WheelChart> wheel_;
    QSvgRenderer signPicture_;
};

void DrawFooter(QPainter& painter, const reading::Reading& reading, const QRectF& band, int page, int pages) {
    const double dotsPerMm = painter.device()->logicalDpiY() / 25.4;
    painter.save();
    QPen rule(kFooterText);
    rule.setWidthF(0.2 * dotsPerMm);
    painter.setPen(rule);
    const double ruleY = band.top() + kFooterRuleMm * dotsPerMm;
    painter.drawLine(QPointF(band.left(), ruleY), QPointF(band.right(), ruleY));
    QFont font(UiFontFamily());
    font.setPointSizeF(kFooterPointSize);
    painter.setFont(font);
    painter.setPen(kFooterText);
    const QRectF text(band.left(), ruleY + 1.0 * dotsPerMm, band.width(), band.bottom() - ruleY);
    QString who = QStringLiteral("Starwise reading for ") + FromUtf8(reading.birth.name);
    if (const QString born = BirthDateText(reading.birth); !born.isEmpty()) who += QStringLiteral(", born ") + born;
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, who);
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    painter.restore();
}

}  // namespace

QString ReadingHtml(const reading::Reading& reading, FigureMarkup figures) {
    return HtmlWriter(reading, figures).Write();
}

int PaintReadingPages(const reading::Reading& reading, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    painter.setRenderHint(QPainter::Antialiasing);

    QTextDocument document;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    layout->setPaintDevice(&device);
    // Replaces the layout's own image handler: the only images are the figures.
    layout->registerHandler(QTextFormat::ImageObject, new FigureHandler(reading, &document));
    document.setDocumentMargin(0);
    QFont body(UiFontFamily());
    body.setPointSizeF(kBodyPointSize);
    // Any letter spacing turns the shaper's ligatures off: "fi" stays two
    // letters, so the file's text reads, copies and searches as written.
    body.setLetterSpacing(QFont::AbsoluteSpacing, kLigatureBreakingSpacingDots);
    document.setDefaultFont(body);
    document.setHtml(ReadingHtml(reading, FigureMarkup::Placeholders));

    // The painter's origin is the printable area's top-left corner; the
    // text takes all of it but the footer's band. Each of the layout's pages
    // is that text area with the blank band above and below it (the root
    // frame's margins repeat on every page).
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const QRectF printable(0, 0, device.width(), device.height());
    const double bodyHeight = printable.height() - kFooterBandMm * dotsPerMm;
    const double gap = kPageGapMm * dotsPerMm;
    QTextFrameFormat root = document.rootFrame()->frameFormat();
    // Frame margins are given in CSS pixels, 1/96 inch; the layout scales them to the device.
    root.setTopMargin(kPageGapMm / 25.4 * 96.0);
    root.setBottomMargin(kPageGapMm / 25.4 * 96.0);
    document.rootFrame()->setFrameFormat(root);
    const double layoutPageHeight = bodyHeight + 2.0 * gap;
    document.setPageSize(QSizeF(printable.width(), layoutPageHeight));
    const int pages = document.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        const QRectF text(0, page * layoutPageHeight + gap, printable.width(), bodyHeight);
        painter.save();
        painter.translate(0, -text.top());
        painter.setClipRect(text);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = text;
        layout->draw(&painter, context);
        painter.restore();
        DrawFooter(painter, reading, QRectF(0, bodyHeight, printable.width(), printable.height() - bodyHeight),
                   page + 1, pages);
    }
    painter.end();
    return pages;
}

QPageLayout ReadingPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginSideMm, kMarginTopMm, kMarginSideMm, kMarginBottomMm), QPageLayout::Millimeter);
}

QString WriteReadingPdf(const reading::Reading& reading, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageLayout(ReadingPageLayout());
    writer.setTitle(QStringLiteral("Starwise Reading: ") + FromUtf8(reading.birth.name));
    writer.setCreator(FromUtf8(kWindowCaption));
    if (PaintReadingPages(reading, writer) == 0) {
        return QStringLiteral("Cannot write %1: the file cannot be opened for writing.").arg(path);
    }
    return {};
}

QString WriteReadingHtml(const reading::Reading& reading, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    }
    file.write(ReadingHtml(reading, FigureMarkup::Inline).toUtf8());
    if (!file.commit()) return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    return {};
}

QByteArray WheelSvg(const WheelChart& chart, int sizePx) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(sizePx, sizePx));
    generator.setResolution(96);  // CSS pixels, so the file states its size truly
    generator.setViewBox(QRect(0, 0, sizePx, sizePx));
    generator.setTitle(QStringLiteral("Chart wheel"));
    generator.setDescription(QStringLiteral("The natal chart: signs, equal houses, bodies and nodes, aspect lines"));
    WheelStyle style;
    style.textAsPaths = true;
    QPainter painter(&generator);
    PaintChartWheel(painter, QRectF(0, 0, sizePx, sizePx), chart, style);
    painter.end();
    return buffer.data();
}

QString SuggestedFileName(const reading::Reading& reading, const QString& suffix) {
    QString name = FromUtf8(reading.birth.name).simplified();
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 32) {
            c = QLatin1Char('_');
        }
    }
    return QStringLiteral("Starwise reading") + (name.isEmpty() ? QString() : QStringLiteral(" - ") + name) +
           QLatin1Char('.') + suffix;
}

}  // namespace starwise::gui

#include "reading_document.moc"
