#include "gui/report_window.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "content/fixed_texts.h"
#include "gui/sign_pictures.h"
#include "gui/chart_wheel.h"
#include "gui/look.h"
#include "gui/reading_wheel.h"
#include "gui/twips.h"
#include "reading/positions.h"
#include "reading/report_fields.h"
#include "reading/sun_sign.h"

namespace starwise::gui {
namespace {

// Client area of the window, in twips.
constexpr int kWindowWidth = 15000;
constexpr int kWindowHeight = 8505;
// The frames on the tabs are placed from the top of the tab control; the
// tab row takes that space here, so they move up by this much, and the tab
// control is made that much taller than laid out to hold them.
constexpr int kTabRowAllowance = 240;
// Gap kept between a caption and the value beside it when the caption's
// text is wider than laid out (fonts differ between machines).
constexpr int kCaptionGapPixels = 6;

struct TextLook {
    double pointSize;
    bool bold;
    bool underline;
    QColor colour;
};

const TextLook kCaptionLook{8.25, true, true, kWhite};

const TextLook kValueLook{8.25, true, false, kWhite};

QString Name(reading::FieldId id) { return FromUtf8(reading::FieldOf(id).control); }
QString Caption(reading::FieldId id) { return FromUtf8(reading::FieldOf(id).caption); }

QLabel* MakeLabel(std::string_view name, const QString& text, QWidget* parent, const QRect& pixels,
                  const TextLook& look, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(FromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(UiFont(look.pointSize, look.bold, look.underline));
    SetColours(label, look.colour);
    label->setAlignment(alignment);
    label->setGeometry(pixels);
    return label;
}

// A value label that starts at its layout left edge, or just after its
// caption when the caption came out wider.
void KeepClearOf(const QLabel* caption, QLabel* value) {
    const int captionRight = caption->x() + caption->sizeHint().width() + kCaptionGapPixels;
    if (captionRight <= value->x()) return;
    const int right = value->geometry().right();
    value->setGeometry(captionRight, value->y(), std::max(right - captionRight + 1, 40), value->height());
}

QGroupBox* MakeFrame(const char* name, const QString& caption, QWidget* parent, const QRect& pixels,
                     double pointSize) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(UiFont(pointSize, true));
    SetColours(frame, kWhite, kDarkGreen);
    frame->setGeometry(pixels);
    return frame;
}

QPlainTextEdit* MakeTextBox(std::string_view name, QWidget* parent, const QRect& pixels, const QColor& text,
                            const QColor& background, bool bold) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(FromUtf8(name));
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(UiFont(8.25, bold));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, background);
    box->setPalette(palette);
    box->setGeometry(pixels);
    return box;
}

// One of the two node frames ("North Node", "South Node"): the same
// controls at the same places, with their own names, captions and widths.
struct NodeFrameDesign {
    const char* frameName;
    const char* frameCaption;
    int frameLeft;  // twips within Frame1
    const char* explanationName;
    std::string_view explanation;
    const char* placedInName;  // the caption label of the sign
    int placedInWidth;
    reading::FieldId sign;
    int signLeft;
    int signWidth;
    const char* keywordsCaptionName;
    reading::FieldId keywords;
    reading::FieldId description;
};

struct NodeFrame {
    QGroupBox* frame;
    QLabel* explanation;
    QLabel* placedInCaption;
    QLabel* sign;
    QLabel* keywordsCaption;
    QLabel* keywords;
    QPlainTextEdit* description;
};

NodeFrame MakeNodeFrame(const NodeFrameDesign& d, QWidget* parent) {
    const TextLook explanation{8.25, false, false, kWhite};
    const TextLook placedIn{9, true, true, kWhite};
    const TextLook sign{9, true, false, kOrange};
    const TextLook keywords{8.25, false, false, kWhite};
    NodeFrame f{};
    f.frame = MakeFrame(d.frameName, QString::fromLatin1(d.frameCaption), parent,
                        TwipsRect(d.frameLeft, 1080, 4455, 3375), 9);
    f.explanation = MakeLabel(d.explanationName, FromUtf8(d.explanation), f.frame, TwipsRect(120, 300, 4215, 1230),
                              explanation);
    f.explanation->setWordWrap(true);
    f.placedInCaption = MakeLabel(d.placedInName, Caption(d.sign), f.frame, TwipsRect(120, 1560, d.placedInWidth, 300),
                                  placedIn, Qt::AlignHCenter | Qt::AlignTop);
    f.sign = MakeLabel(reading::FieldOf(d.sign).control, QString(), f.frame,
                       TwipsRect(d.signLeft, 1560, d.signWidth, 300), sign);
    f.keywordsCaption = MakeLabel(d.keywordsCaptionName, Caption(d.keywords), f.frame, TwipsRect(120, 1920, 1020, 300),
                                  kCaptionLook, Qt::AlignHCenter | Qt::AlignTop);
    f.keywords = MakeLabel(reading::FieldOf(d.keywords).control, QString(), f.frame,
                           TwipsRect(1200, 1920, 3135, 345), keywords);
    f.keywords->setWordWrap(true);
    f.description = MakeTextBox(reading::FieldOf(d.description).control, f.frame,
                                TwipsRect(120, 2280, 4215, 975), kDarkGreen, kWhite, true);
    KeepClearOf(f.placedInCaption, f.sign);
    KeepClearOf(f.keywordsCaption, f.keywords);
    return f;
}

// The position of a frame on a tab, from its layout position.
QRect OnTab(int left, int top, int width, int height) {
    return TwipsRect(left, top - kTabRowAllowance, width, height);
}

}  // namespace

ReportWindow::ReportWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setFont(UiFont(8.25));
    SetColours(this, kWhite, kDarkGreen);
    setFixedSize(TwipsSize(kWindowWidth, kWindowHeight));

    auto* border = new QFrame(this);
    border->setObjectName(QStringLiteral("Shape1"));
    border->setFrameShape(QFrame::Box);
    border->setFrameShadow(QFrame::Plain);
    SetColours(border, kWhite);
    border->setGeometry(TwipsRect(1680, 240, 11655, 8055));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(TwipsRect(2753, 525, 9495, 7455 + kTabRowAllowance));
    tabs_->setFont(UiFont(8.25, true));
    QPalette tabs = tabs_->palette();
    tabs.setColor(QPalette::Window, kDarkGreen);
    tabs.setColor(QPalette::WindowText, kWhite);
    tabs.setColor(QPalette::Button, QColor(0, 96, 0));
    tabs.setColor(QPalette::ButtonText, kWhite);
    tabs_->setPalette(tabs);

    createSunSignTab();
    createStarwiseTab();
    createChartTab();
    tabs_->setCurrentIndex(1);
    connect(tabs_, &QTabWidget::currentChanged, this, &ReportWindow::showSignPicture);
    design_.Record(this);
}

QSize ReportWindow::DesignSize() { return TwipsSize(kWindowWidth, kWindowHeight); }

void ReportWindow::setScale(double factor) {
    if (!(factor > 0.0) || factor == design_.Factor()) return;
    design_.Apply(factor);
    showSignPicture();
    showRunningText();
}

void ReportWindow::createSunSignTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabSunSign"));
    tabs_->addTab(page, FromUtf8(reading::kSunSignCaption));

    QGroupBox* frame = MakeFrame("Frame4", QString(), page, OnTab(120, 360, 9255, 6975), 8.25);
    sunSignFrame_ = frame;

    // Whose reading it is, across the top of the frame: what was entered,
    // the place and the zone or offset used. The rest of the tab stands
    // below it.
    constexpr int kBirthTop = 300;
    constexpr int kBirthLineHeight = 480;  // two lines of the value look
    int below = 0;
    for (const reading::ReportField& field : reading::kReportFields) {
        if (field.group != reading::FieldGroup::Birth) continue;
        QLabel* line = MakeLabel(field.control, QString(), frame,
                                 TwipsRect(240, kBirthTop + below, 8895, kBirthLineHeight), kValueLook);
        line->setWordWrap(true);
        labels_[static_cast<std::size_t>(field.id)] = line;
        below += kBirthLineHeight;
    }

    signPicture_ = new QLabel(frame);
    signPicture_->setObjectName(Name(reading::FieldId::SignPicture));
    signPicture_->setGeometry(TwipsRect(6360, 300 + below, 2700, 2700));
    signPicture_->setAlignment(Qt::AlignCenter);

    // Caption and value pairs down the left of the frame, one row per value
    // field of the group in the table's order; the designed rows keep their
    // caption labels' names and their values' small offsets.
    struct Pair {
        reading::FieldId field;
        const char* captionName;
        int valueOffset;  // twips below the caption's top
    };
    using enum reading::FieldId;
    constexpr Pair kDesigned[] = {
        {SunSign, "Label15", 0},       {Element, "Label11", 36}, {BirthStone, "Label27", 27},
        {LuckyNumber, "Label23", 18}, {LuckyDay, "Label21", 9},  {Compatibility, "Label17", 0},
    };
    constexpr int kFirstRowTop = 360;
    constexpr int kRowStep = 504;
    int row = 0;
    for (const reading::ReportField& field : reading::kReportFields) {
        if (field.group != reading::FieldGroup::SunSign ||
            (field.kind != reading::FieldKind::Sign && field.kind != reading::FieldKind::Value)) {
            continue;
        }
        const auto designed = std::find_if(std::begin(kDesigned), std::end(kDesigned),
                                           [&](const Pair& pair) { return pair.field == field.id; });
        const bool known = designed != std::end(kDesigned);
        const int top = kFirstRowTop + below + kRowStep * row++;
        const std::string captionName = known ? designed->captionName : std::string{field.control} + "Caption";
        QLabel* caption = MakeLabel(captionName, FromUtf8(field.caption), frame, TwipsRect(240, top, 1620, 300),
                                    kCaptionLook);
        QLabel* value = MakeLabel(field.control, QString(), frame,
                                  TwipsRect(1920, top + (known ? designed->valueOffset : 0), 4320, 480), kValueLook);
        value->setWordWrap(true);
        KeepClearOf(caption, value);
        if (field.kind == reading::FieldKind::Sign) {
            value->setFont(UiFont(9.75, true));
            SetColours(value, kOrange);
        }
        labels_[static_cast<std::size_t>(field.id)] = value;
    }

    // The paragraphs share what the rows leave of the frame, each under its
    // caption: with the six designed rows, two boxes of 1305 twips.
    constexpr int kDesignedRows = 6;
    constexpr int kBoxesTop = 3360;
    constexpr int kBoxesBottom = 6825;
    constexpr int kCaptionToBox = 360;
    constexpr int kBoxGap = 135;
    std::vector<const reading::ReportField*> paragraphs;
    for (const reading::ReportField& field : reading::kReportFields) {
        if (field.group == reading::FieldGroup::SunSign && field.kind == reading::FieldKind::Paragraph) {
            paragraphs.push_back(&field);
        }
    }
    const int count = static_cast<int>(paragraphs.size());
    int top = kBoxesTop + below + kRowStep * std::max(row - kDesignedRows, 0);
    const int boxHeight = count == 0 ? 0 : (kBoxesBottom - top - count * kCaptionToBox - (count - 1) * kBoxGap) / count;
    for (const reading::ReportField* field : paragraphs) {
        const std::string captionName = field->id == PositiveTraits   ? "Label13"
                                        : field->id == NegativeTraits ? "Label10"
                                                                      : std::string{field->control} + "Caption";
        MakeLabel(captionName, FromUtf8(field->caption), frame, TwipsRect(240, top, 3000, 300), kCaptionLook);
        boxes_[static_cast<std::size_t>(field->id)] = MakeTextBox(
            field->control, frame, TwipsRect(240, top + kCaptionToBox, 8895, boxHeight), kWhite, kDarkGreen, false);
        top += kCaptionToBox + boxHeight + kBoxGap;
    }
}

void ReportWindow::createStarwiseTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabStarwise"));
    tabs_->addTab(page, QStringLiteral("Starwise"));

    QGroupBox* karmaProfile =
        MakeFrame("Frame1", FromUtf8(reading::kKarmaProfileCaption), page, OnTab(120, 360, 9255, 4575), 8.25);
    QLabel* axisExplanation = MakeLabel("Label1", FromUtf8(content::kNodeAxisExplanation), karmaProfile,
                                        TwipsRect(120, 240, 9015, 855), {8.25, false, false, kWhite});
    axisExplanation->setWordWrap(true);

    using enum reading::FieldId;
    const NodeFrameDesign nodes[] = {
        {"Frame2", "North Node ", 120, "lblNorthNodedesc", content::kNorthNodeExplanation, "kkk", 2460, NorthSign,
         2640, 1695, "dsds", NorthKeywords, NorthDescription},
        {"Frame6", "South Node", 4680, "lblSouthNodeDesc", content::kSouthNodeExplanation, "hhh", 2580, SouthSign,
         2760, 1575, "Label5", SouthKeywords, SouthDescription},
    };
    for (const NodeFrameDesign& design : nodes) {
        const NodeFrame frame = MakeNodeFrame(design, karmaProfile);
        labels_[static_cast<std::size_t>(design.sign)] = frame.sign;
        labels_[static_cast<std::size_t>(design.keywords)] = frame.keywords;
        boxes_[static_cast<std::size_t>(design.description)] = frame.description;
    }

    QGroupBox* houses =
        MakeFrame("Frame3", FromUtf8(reading::kRunningTextCaption), page, OnTab(120, 5040, 9255, 2295), 8.25);
    runningText_ = new QTextEdit(houses);
    runningText_->setObjectName(FromUtf8(reading::kRunningTextControl));
    runningText_->setReadOnly(true);
    runningText_->setUndoRedoEnabled(false);  // read-only: no edit history to keep
    runningText_->setAcceptRichText(false);
    runningText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    runningText_->setFont(UiFont(reading::kRunningTextPointSize));
    runningText_->document()->setDefaultFont(UiFont(reading::kRunningTextPointSize));
    QPalette palette = runningText_->palette();
    palette.setColor(QPalette::Base, kWhite);
    palette.setColor(QPalette::Text, Qt::black);
    runningText_->setPalette(palette);
    runningText_->setGeometry(TwipsRect(120, 240, 9045, 1935));
}

void ReportWindow::createChartTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabChart"));
    tabs_->addTab(page, QStringLiteral("Chart"));

    QGroupBox* frame = MakeFrame("Frame5", QStringLiteral("Natal Chart"), page, OnTab(120, 360, 9255, 6975), 8.25);
    wheel_ = new ChartWheelWidget(frame);
    wheel_->setObjectName(QStringLiteral("wheelChart"));
    wheel_->setGeometry(TwipsRect(3600, 780, 5535, 5535));
    wheel_->hide();  // until a reading with a chart
    // On the wheel's own paper: the Ascendant's arrow and "Asc" stand
    // outside the rings, where the frame's green would hide them.
    SetColours(wheel_, WheelStyle{}.ink, WheelStyle{}.background);

    // Down the left: the Ascendant's position, which the wheel marks
    // without a text, and what the two kinds of aspect line mean.
    MakeLabel("Label30", Caption(reading::FieldId::Ascendant), frame, TwipsRect(240, 360, 2160, 300), kCaptionLook);
    labels_[static_cast<std::size_t>(reading::FieldId::Ascendant)] =
        MakeLabel(reading::FieldOf(reading::FieldId::Ascendant).control, QString(), frame,
                  TwipsRect(240, 660, 2160, 300), {9, true, false, kOrange});
    // Beside the wheel, the positions it draws: body, sign, degree, house.
    positions_ = new QTableWidget(0, 4, frame);
    positions_->setObjectName(QStringLiteral("tblPositions"));
    positions_->setHorizontalHeaderLabels(
        {QStringLiteral("Body"), QStringLiteral("Sign"), QStringLiteral("Degree"), QStringLiteral("House")});
    positions_->setFont(UiFont(8.25));
    positions_->verticalHeader()->hide();
    positions_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    positions_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    positions_->horizontalHeader()->setStretchLastSection(true);
    positions_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    positions_->setSelectionMode(QAbstractItemView::NoSelection);
    positions_->setTabKeyNavigation(false);
    positions_->setShowGrid(false);
    positions_->setAlternatingRowColors(true);
    positions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the last column takes what is left
    positions_->setGeometry(TwipsRect(240, 1020, 3240, 3960));

    MakeLabel("Label31", QStringLiteral("Aspect Lines"), frame, TwipsRect(240, 5100, 3240, 300), kCaptionLook);
    const TextLook key{8.25, false, false, kWhite};
    QLabel* quincunx = MakeLabel("lblQuincunxKey", QStringLiteral("Quincunx: dashed"), frame,
                                 TwipsRect(240, 5400, 3240, 300), key);
    QLabel* semiSextile = MakeLabel("lblSemiSextileKey", QStringLiteral("Semi-sextile: dotted"), frame,
                                    TwipsRect(240, 5700, 3240, 300), key);
    QLabel* houses = MakeLabel("lblHouseKey", QStringLiteral("Houses: 30\u00B0 each, from the Ascendant's whole degree"),
                               frame, TwipsRect(240, 6060, 3240, 780), key);
    for (QLabel* label : {quincunx, semiSextile, houses}) label->setWordWrap(true);
}

void ReportWindow::showPositions(const reading::Reading& reading) {
    const std::vector<reading::PositionRow> rows = reading::PositionRowsOf(reading);
    positions_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < positions_->rowCount(); ++row) {
        const reading::PositionRow& position = rows[static_cast<std::size_t>(row)];
        const QString cells[] = {FromUtf8(position.body), FromUtf8(position.sign), FromUtf8(position.degreeText),
                                 position.house > 0 ? QString::number(position.house) : QString()};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignCenter);
            positions_->setItem(row, column, item);
        }
    }
}

void ReportWindow::showWheel(const reading::Reading& reading) {
    std::optional<WheelChart> chart;
    try {
        chart = WheelChartOf(reading);
        if (chart) wheel_->setChart(std::move(*chart));
    } catch (const std::invalid_argument&) {
        chart.reset();  // a chart the wheel cannot show is left out, as a failed step's part
    }
    wheel_->setVisible(chart.has_value());
}

void ReportWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The reading is shown before the window is first seen: show the
    // running text from its beginning, not where the writing stopped.
    runningText_->moveCursor(QTextCursor::Start);
    runningText_->ensureCursorVisible();
}

void ReportWindow::showReading(const reading::Reading& reading) {
    setWindowTitle(ReadingWindowTitle(reading.birth.name));
    // Every field from its row: a part the reading does not hold shows empty.
    for (const reading::ReportField& field : reading::kReportFields) {
        const auto at = static_cast<std::size_t>(field.id);
        const QString value = FromUtf8(field.read(reading));
        if (QLabel* label = labels_[at]) label->setText(value);
        if (QPlainTextEdit* box = boxes_[at]) box->setPlainText(value);
        if (field.kind == reading::FieldKind::Picture) {
            const int pictureNumber = value.toInt();
            const auto row = std::find_if(kSignPictures.begin(), kSignPictures.end(),
                                          [pictureNumber](const SignPictureRow& r) { return r.number == pictureNumber; });
            signPictureResource_ = row == kSignPictures.end() ? QString() : FromUtf8(row->resource);
        }
    }
    sunSignFrame_->setTitle(reading.sunCusp ? FromUtf8(reading::SunCuspLine(*reading.sunCusp)) : QString());
    showSignPicture();
    runningRuns_ = StyledRunsOf(reading.RunningText());
    showRunningText();
    showWheel(reading);
    showPositions(reading);
}

void ReportWindow::showSignPicture() {
    if (signPictureResource_.isEmpty()) {
        signPicture_->clear();
        return;
    }
    // Drawn when its tab is first shown and at each scale while it shows:
    // the report opens on another tab.
    if (!signPicture_->isVisibleTo(this)) {
        signPicture_->clear();
        return;
    }
    // Drawn from the SVG at the label's present size, so it stays sharp at
    // every scale.
    signPicture_->setPixmap(
        ResourcePicture(signPictureResource_.toStdString(), signPicture_->size(), devicePixelRatioF()));
}

void ReportWindow::showRunningText() {
    // Kept where the reader was, as a share of the whole, across a new scale.
    const QScrollBar* bar = runningText_->verticalScrollBar();
    const double readTo = bar->maximum() > 0 ? static_cast<double>(bar->value()) / bar->maximum() : 0.0;
    const double factor = design_.Factor();
    runningText_->document()->setDefaultFont(UiFont(reading::kRunningTextPointSize * factor));
    runningText_->clear();
    // One edit: the document is laid out once, when the last run is in.
    QTextCursor caret(runningText_->document());
    caret.beginEditBlock();
    for (const StyledRun& run : runningRuns_) {
        QTextCharFormat format;
        format.setFontFamilies({UiFontFamily()});
        format.setFontWeight(run.look->bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(run.pointSize * factor);
        format.setForeground(ColourOf(*run.look));
        caret.movePosition(QTextCursor::End);
        caret.insertText(run.text, format);
    }
    caret.endEditBlock();
    runningText_->setTextCursor(QTextCursor(runningText_->document()));
    if (readTo > 0.0) {
        QScrollBar* scrolled = runningText_->verticalScrollBar();
        scrolled->setValue(static_cast<int>(readTo * scrolled->maximum()));
    }
}

}  // namespace starwise::gui
