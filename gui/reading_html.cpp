#include "gui/reading_html.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "content/fixed_texts.h"
#include "entry/entry_form.h"
#include "entry/zones.h"
#include "gui/chart_wheel.h"
#include "gui/look.h"
#include "gui/piece_styles.h"
#include "gui/reading_wheel.h"
#include "gui/sign_pictures.h"
#include "reading/report_fields.h"
#include "reading/sun_sign.h"

namespace starwise::gui {
namespace {

// Figure sizes in CSS pixels (1/96 inch): the wheel 156 mm across, the
// sign picture 48 mm.
constexpr int kWheelPx = 590;
constexpr int kSignPicturePx = 180;
// The wheel's SVG in the HTML file, in its own pixels.
constexpr int kWheelSvgPx = 640;

// The running text keeps the report window's styles, drawn at the scale
// that brings the size its headings set to the document's body size, as the
// window draws them at its own scale.
constexpr double kRunningTextScale = kBodyPointSize / *reading::LookOf(reading::BlockKind::SectionHeading).pointSize;

// Space between two blocks of the running text, CSS pixels: a blank line.
constexpr int kBlockGapPx = 12;

// Colours of the document, as CSS.
constexpr const char* kHeadingColour = "#004000";  // the windows' dark green
constexpr const char* kCaptionColour = "#4a5568";
constexpr const char* kSignColour = "#c05800";  // the windows' orange, deepened for white paper

// Text escaped for HTML, without the spaces at its ends.
QString Html(const QString& text) { return text.trimmed().toHtmlEscaped(); }

QString Html(std::string_view text) { return Html(FromUtf8(text)); }

QString CssColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

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
        // The name is the person's own text: it is put in whole, never
        // through an argument marker that a "%1" in it would take.
        out_ += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>") +
                Html(QStringLiteral("Starwise Reading: ") + FromUtf8(r_.birth.name)) + QStringLiteral("</title>\n");
        out_ += QStringLiteral(
                    "<style>\n"
                    "body { font-family: %1; font-size: %2pt; color: #1c2541; }\n"
                    "h1 { font-size: 22pt; color: %3; margin-top: 0px; margin-bottom: 2px; }\n"
                    "h2 { font-size: 15pt; color: %3; margin-top: 20px; margin-bottom: 8px; }\n"
                    "h3 { font-size: 11.5pt; color: %3; margin-top: 14px; margin-bottom: 4px; }\n"
                    "p { margin-top: 0px; margin-bottom: 8px; line-height: 135%; }\n"
                    "p.figure { line-height: 100%; margin-top: 6px; margin-bottom: 4px; }\n"
                    "p.kicker { font-size: 9pt; font-weight: bold; color: %4; margin-bottom: 0px; }\n"
                    "p.birth { font-weight: bold; margin-bottom: 6px; }\n"
                    "p.note { color: %4; font-style: italic; }\n"
                    "p.failed { color: #a00000; font-weight: bold; }\n"
                    "p.legend { font-size: 8.5pt; color: %4; }\n"
                    "td.cusp { font-style: italic; padding-bottom: 6px; }\n"
                    "td { padding: 2px; vertical-align: top; }\n"
                    "p.described { margin-top: 6px; }\n"
                    "table.positions { font-size: 9pt; }\n"
                    "td.head { font-weight: bold; color: %4; border-bottom: 1px solid #c8cdd8; }\n"
                    "td.glyph { font-family: 'DejaVu Sans'; color: #1c2541; }\n"
                    "td.gap { width: 24px; }\n"
                    "tr.alt td { background-color: #f2f5ee; }\n"
                    "td.caption { font-weight: bold; color: %4; padding-right: 14px; white-space: nowrap; }\n"
                    "span.sign { font-weight: bold; color: %5; }\n")
                    .arg(FontFamilies(), QString::number(kBodyPointSize), QString::fromLatin1(kHeadingColour),
                         QString::fromLatin1(kCaptionColour), QString::fromLatin1(kSignColour));
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
        out_ += QStringLiteral("<p class=\"kicker\">STARWISE NATAL READING</p>\n<h1>") + Html(b.name) +
                QStringLiteral("</h1>\n");
        // Whose reading it is, with the place and the zone or offset used.
        for (const reading::ReportField& field : reading::kReportFields) {
            if (field.group != reading::FieldGroup::Birth) continue;
            out_ += QStringLiteral("<p class=\"birth\">") + Html(field.read(r_)) + QStringLiteral("</p>\n");
        }
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
        if (const std::string notice = reading::FailedStepsNotice(r_); !notice.empty()) {
            out_ += QStringLiteral("<p class=\"failed\">") + Html(notice) + QStringLiteral("</p>\n");
        }
        out_ += QStringLiteral("<hr/>\n");
        Wheel();
    }

    void Wheel() {
        const std::optional<WheelChart> chart = WheelChartOf(r_);
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
                    " \u00A0\u00B7\u00A0 Houses of 30\u00B0 from the Ascendant\u2019s whole degree</p>\n")
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

    // The captioned fields of a group as rows, then its paragraphs: each
    // under its caption as a heading, or alone.
    void FieldGroup(reading::FieldGroup group, const QString& noteAfterFirst = {}) {
        std::vector<std::pair<QString, QString>> rows;
        for (const reading::ReportField& field : reading::kReportFields) {
            if (field.group != group) continue;
            if (field.kind == reading::FieldKind::Sign || field.kind == reading::FieldKind::Value) {
                rows.emplace_back(FromUtf8(field.caption), Html(field.read(r_)));
            }
        }
        FieldRows(rows, noteAfterFirst);
    }

    void FieldParagraphs(reading::FieldGroup group) {
        for (const reading::ReportField& field : reading::kReportFields) {
            if (field.group != group || field.kind != reading::FieldKind::Paragraph) continue;
            if (field.caption.empty()) {
                out_ += QStringLiteral("<p class=\"described\">") + Html(field.read(r_)) + QStringLiteral("</p>\n");
            } else {
                out_ += QStringLiteral("<h3>") + Html(field.caption) + QStringLiteral("</h3>\n<p>") +
                        Html(field.read(r_)) + QStringLiteral("</p>\n");
            }
        }
    }

    void SunSign() {
        PartHeading(FromUtf8(reading::kSunSignCaption), true);
        out_ += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>\n");
        FieldGroup(reading::FieldGroup::SunSign, r_.sunCusp ? Html(reading::SunCuspLine(*r_.sunCusp)) : QString());
        out_ += QStringLiteral("</td>\n<td align=\"right\" width=\"%1\">").arg(kSignPicturePx + 10);
        SignPicture();
        out_ += QStringLiteral("</td></tr></table>\n");
        FieldParagraphs(reading::FieldGroup::SunSign);
    }

    void SignPicture() {
        const QString resource = SignPictureResource(r_.sunSignProfile);
        if (resource.isEmpty()) return;
        const QString alt = Html(r_.sunSignProfile->sign) + QStringLiteral(" picture");
        if (figures_ == FigureMarkup::Inline) {
            const QByteArray svg = ResourceData(resource.toStdString());
            if (svg.isEmpty()) return;
            out_ += QStringLiteral("<img class=\"picture\" src=\"data:image/svg+xml;base64,%1\" width=\"%2\" height=\"%2\" alt=\"%3\"/>")
                        .arg(QString::fromLatin1(svg.toBase64()), QString::number(kSignPicturePx), alt);
        } else {
            out_ += QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\" alt=\"%3\"/>")
                        .arg(kSignFigure, QString::number(kSignPicturePx), alt);
        }
    }

    void Node(const QString& title, std::string_view explanation, reading::FieldGroup group) {
        out_ += QStringLiteral("<h3>") + title.toHtmlEscaped() + QStringLiteral("</h3>\n<p class=\"note\">") +
                Html(explanation) + QStringLiteral("</p>\n");
        FieldGroup(group);
        FieldParagraphs(group);
    }

    void KarmaProfile() {
        PartHeading(FromUtf8(reading::kKarmaProfileCaption), false);
        out_ += QStringLiteral("<p>") + Html(content::kNodeAxisExplanation) + QStringLiteral("</p>\n");
        Node(QStringLiteral("North Node"), content::kNorthNodeExplanation, reading::FieldGroup::NorthNode);
        Node(QStringLiteral("South Node"), content::kSouthNodeExplanation, reading::FieldGroup::SouthNode);
    }

    // The running text in the report window's looks: each block its own
    // paragraph, a label run into the block after it, and a block tied to
    // the next (a heading, a title, a lead-in line) as a heading element with
    // no space below it, which the pages keep with what follows.
    void RunningText() {
        PartHeading(FromUtf8(reading::kRunningTextCaption), false);
        const std::vector<reading::ReportBlock> blocks = r_.RunningText();
        double pointSize = reading::kRunningTextPointSize;
        QString runOn;  // labels waiting for the block they run into
        for (const reading::ReportBlock& block : blocks) {
            const reading::BlockLook& look = reading::LookOf(block.kind);
            if (look.pointSize) pointSize = *look.pointSize;
            // Escaped as they are: a label's last space parts it from its text.
            QString text;
            if (block.items.empty()) {
                text = FromUtf8(block.text).toHtmlEscaped();
            } else {
                QStringList items;
                for (const std::string& item : block.items) items << FromUtf8(item).toHtmlEscaped();
                text = items.join(QStringLiteral("<br/>"));
            }
            const QString span = QStringLiteral("<span style=\"font-size: %1pt; color: %2; font-weight: %3\">")
                                     .arg(QString::number(pointSize * kRunningTextScale), CssColour(ColourOf(look)),
                                          look.bold ? QStringLiteral("bold") : QStringLiteral("normal")) +
                                 text + QStringLiteral("</span>");
            if (block.after == reading::BlockBreak::RunsOn) {
                runOn += span;
                continue;
            }
            const bool tied = block.after == reading::BlockBreak::Line || reading::IsHeading(block.kind);
            const QString element = tied ? QStringLiteral("h4") : QStringLiteral("p");
            const int spaceBelowPx = block.after == reading::BlockBreak::Line ? 0 : kBlockGapPx;
            out_ += QStringLiteral("<%1 style=\"margin-top: 0px; margin-bottom: %2px\">").arg(element).arg(spaceBelowPx) +
                    runOn + span + QStringLiteral("</%1>\n").arg(element);
            runOn.clear();
        }
        if (!runOn.isEmpty()) out_ += QStringLiteral("<p>") + runOn + QStringLiteral("</p>\n");
    }

    const reading::Reading& r_;
    FigureMarkup figures_;
    QString out_;
};

}  // namespace

QString BirthDateText(const entry::BirthInput& birth) {
    if (!birth.localDate.ok()) return {};
    return QStringLiteral("%1 %2 %3")
        .arg(unsigned{birth.localDate.day()})
        .arg(FromUtf8(entry::kMonthNames[unsigned{birth.localDate.month()} - 1]))
        .arg(int{birth.localDate.year()});
}

QString SignPictureResource(const content::SunSignProfileRow* profile) {
    if (profile == nullptr) return {};
    for (const SignPictureRow& row : kSignPictures) {
        if (row.number == profile->pictureNumber) return FromUtf8(row.resource);
    }
    return {};
}

QString ReadingHtml(const reading::Reading& reading, FigureMarkup figures) {
    return HtmlWriter(reading, figures).Write();
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

}  // namespace starwise::gui
