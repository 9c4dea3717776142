#include "gui/reading_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "gui/chart_wheel.h"
#include "gui/look.h"
#include "gui/reading_html.h"
#include "gui/reading_wheel.h"
#include "gui/sign_pictures.h"

namespace starwise::gui {
namespace {

// Page margins of the PDF, millimetres, and the band the footer takes at
// the foot of the printable area.
constexpr double kMarginSideMm = 16.0;
constexpr double kMarginTopMm = 15.0;
constexpr double kMarginBottomMm = 12.0;
constexpr double kFooterBandMm = 9.0;
constexpr double kFooterRuleMm = 3.0;  // from the band's top to its rule
constexpr double kFooterPointSize = 7.5;
constexpr double kFooterGapMm = 4.0;  // kept clear between the name and the page number
// Blank band the layout keeps above and below each page's text and no page
// draws. The layout draws not only the lines inside the area it is asked
// for but also neighbours up to a few lines outside it (clipped away, yet
// their text would stay in the file and be found twice); with this band
// between pages, those neighbours are blank.
constexpr double kPageGapMm = 12.0;

const QColor kFooterText{0x6b, 0x75, 0x8c};

constexpr double kLigatureBreakingSpacingDots = 0.2;  // 0.004 mm at 1200 dpi, too small to see

// Draws the two figures of a placeholder document: the wheel and the sign
// picture as vectors, at the size their markup gives them.
class FigureHandler final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    FigureHandler(const reading::Reading& reading, QObject* parent) : QObject(parent) {
        wheel_ = WheelChartOf(reading);
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
    const QString pageText = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    // The name takes what the page number leaves: a long one is cut short
    // with an ellipsis rather than written over the number.
    const QFontMetricsF metrics(font, painter.device());
    const double whoWidth = text.width() - metrics.horizontalAdvance(pageText) - kFooterGapMm * dotsPerMm;
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, metrics.elidedText(who, Qt::ElideRight, std::max(whoWidth, 0.0)));
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, pageText);
    painter.restore();
}

// Index of the layout page on which a block of the root frame has its
// first line: the page the line's middle falls on. The layout moves a line
// that would cross a page's end down inside its block, so the line's own
// place counts, not the block's. -1 for a block not laid out.
int PageOfFirstLine(const QTextBlock& block, double pageHeight) {
    const QTextLayout* text = block.layout();
    if (text == nullptr || text->lineCount() == 0) return -1;
    const QTextLine line = text->lineAt(0);
    const double y = text->position().y() + line.y() + line.height() / 2.0;
    return static_cast<int>(std::floor(y / pageHeight));
}

// Moves each heading that a page would end with to the next page, with the
// headings tied to it, so that every heading stands above the first line
// of its text. The layout has no rule for this, so the document is laid out
// again after each move; the blocks before a move keep their places.
void KeepHeadingsWithText(QTextDocument& document, double pageHeight) {
    const auto isHeading = [](const QTextBlock& block) { return block.blockFormat().headingLevel() > 0; };
    document.pageCount();  // lays the whole document out; the layout works lazily otherwise
    for (QTextBlock first = document.begin(); first.isValid(); first = first.next()) {
        if (!isHeading(first)) continue;
        QTextBlock last = first;
        while (last.next().isValid() && isHeading(last.next())) last = last.next();
        const QTextBlock text = last.next();
        if (!text.isValid()) return;
        const bool startsPage = first.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        const int headingPage = PageOfFirstLine(first, pageHeight);
        if (!startsPage && headingPage >= 0 && headingPage != PageOfFirstLine(text, pageHeight)) {
            QTextBlockFormat format = first.blockFormat();
            format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(first).setBlockFormat(format);
            document.pageCount();
        }
        first = last;
    }
}

}  // namespace

std::vector<int> PagesToPaint(int pageCount, const PageSelection& selection) {
    const bool all = selection.fromPage <= 0 && selection.toPage <= 0;
    const int first = all ? 1 : std::max(selection.fromPage, 1);
    const int last = all ? pageCount : std::min(selection.toPage <= 0 ? pageCount : selection.toPage, pageCount);
    const int copies = std::max(selection.copies, 1);
    std::vector<int> pages;
    if (first > last) return pages;
    if (selection.collate) {
        for (int copy = 0; copy < copies; ++copy) {
            for (int page = first; page <= last; ++page) pages.push_back(page);
        }
    } else {
        for (int page = first; page <= last; ++page) pages.insert(pages.end(), static_cast<std::size_t>(copies), page);
    }
    return pages;
}

int PaintReadingPages(const reading::Reading& reading, QPagedPaintDevice& device, const PageSelection& selection) {
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
    KeepHeadingsWithText(document, layoutPageHeight);
    const int pages = document.pageCount();
    // Laid out before painting starts, so a selection of no page prints
    // nothing, not a blank sheet.
    const std::vector<int> selected = PagesToPaint(pages, selection);
    if (selected.empty()) return pages;
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    bool firstPainted = true;
    for (const int number : selected) {
        if (!firstPainted && !device.newPage()) {
            painter.end();
            return 0;
        }
        firstPainted = false;
        const int page = number - 1;
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
    // end() finishes the file (a PDF's trailer); false when that fails.
    return painter.end() ? pages : 0;
}

QPageLayout ReadingPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginSideMm, kMarginTopMm, kMarginSideMm, kMarginBottomMm), QPageLayout::Millimeter);
}

}  // namespace starwise::gui

#include "reading_pages.moc"
