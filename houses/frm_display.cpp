#include "houses/frm_display.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "content/fixed_texts.h"
#include "content/sign_pictures.h"
#include "shell/look.h"
#include "shell/twips.h"

namespace starwise::gui {
namespace {

// Client area of the window, in twips.
constexpr int kWindowWidth = 15000;
constexpr int kWindowHeight = 8505;
// The frames on the tabs are designed from the top of the tab control; the
// tab row takes that space here, so they move up by this much, and the tab
// control is made that much taller than designed to hold them.
constexpr int kTabRowAllowance = 240;
// Gap kept between a caption and the value beside it when the caption's
// text is wider than designed (fonts differ between machines).
constexpr int kCaptionGapPixels = 6;

struct TextLook {
    double pointSize;
    bool bold;
    bool underline;
    QColor colour;
};

const TextLook kCaptionLook{8.25, true, true, kWhite};
const TextLook kValueLook{8.25, true, false, kWhite};

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent, const QRect& pixels,
                  const TextLook& look, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(UiFont(look.pointSize, look.bold, look.underline));
    SetColours(label, look.colour);
    label->setAlignment(alignment);
    label->setGeometry(pixels);
    return label;
}

// A value label that starts at its designed left edge, or just after its
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

QPlainTextEdit* MakeTextBox(const char* name, QWidget* parent, const QRect& pixels, const QColor& text,
                            const QColor& background, bool bold) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
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
    const char* placedInName;
    const char* placedInCaption;
    int placedInWidth;
    const char* signName;
    const char* signPlaceholder;
    int signLeft;
    int signWidth;
    const char* keywordsCaptionName;
    const char* keywordsName;
    const char* keywordsPlaceholder;
    const char* descriptionName;
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
    f.placedInCaption = MakeLabel(d.placedInName, QString::fromLatin1(d.placedInCaption), f.frame,
                                  TwipsRect(120, 1560, d.placedInWidth, 300), placedIn, Qt::AlignHCenter | Qt::AlignTop);
    f.sign = MakeLabel(d.signName, QString::fromLatin1(d.signPlaceholder), f.frame,
                       TwipsRect(d.signLeft, 1560, d.signWidth, 300), sign);
    f.keywordsCaption = MakeLabel(d.keywordsCaptionName, QStringLiteral("Keywords"), f.frame,
                                  TwipsRect(120, 1920, 1020, 300), kCaptionLook, Qt::AlignHCenter | Qt::AlignTop);
    f.keywords = MakeLabel(d.keywordsName, QString::fromLatin1(d.keywordsPlaceholder), f.frame,
                           TwipsRect(1200, 1920, 3135, 345), keywords);
    f.keywords->setWordWrap(true);
    f.description = MakeTextBox(d.descriptionName, f.frame, TwipsRect(120, 2280, 4215, 975), kDarkGreen, kWhite, true);
    KeepClearOf(f.placedInCaption, f.sign);
    KeepClearOf(f.keywordsCaption, f.keywords);
    return f;
}

// The position of a frame on a tab, from its designed position.
QRect OnTab(int left, int top, int width, int height) {
    return TwipsRect(left, top - kTabRowAllowance, width, height);
}

}  // namespace

frmDisplay::frmDisplay(QWidget* parent) : QWidget(parent), caretPointSize_(8.25) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setFont(UiFont(8.25));
    SetColours(this, kWhite, kDarkGreen);
    setFixedSize(TwipsSize(kWindowWidth, kWindowHeight));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setFrameShadow(QFrame::Plain);
    SetColours(Shape1, kWhite);
    Shape1->setGeometry(TwipsRect(1680, 240, 11655, 8055));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(TwipsRect(2753, 525, 9495, 7455 + kTabRowAllowance));
    SSTab1->setFont(UiFont(8.25, true));
    QPalette tabs = SSTab1->palette();
    tabs.setColor(QPalette::Window, kDarkGreen);
    tabs.setColor(QPalette::WindowText, kWhite);
    tabs.setColor(QPalette::Button, QColor(0, 96, 0));
    tabs.setColor(QPalette::ButtonText, kWhite);
    SSTab1->setPalette(tabs);

    createSunSignTab();
    createStarwiseTab();
    SSTab1->setCurrentIndex(1);
}

void frmDisplay::createSunSignTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabSunSign"));
    SSTab1->addTab(page, QStringLiteral("Sun Sign"));

    Frame4 = MakeFrame("Frame4", QString(), page, OnTab(120, 360, 9255, 6975), 8.25);

    picSunSign = new QLabel(Frame4);
    picSunSign->setObjectName(QStringLiteral("picSunSign"));
    picSunSign->setGeometry(TwipsRect(6360, 300, 2700, 2700));
    picSunSign->setAlignment(Qt::AlignCenter);

    // Caption and value pairs down the left of the frame.
    struct Pair {
        QLabel** caption;
        const char* captionName;
        const char* captionText;
        int captionTop;
        QLabel** value;
        const char* valueName;
        int valueTop;
    };
    const Pair pairs[] = {
        {&Label15, "Label15", "Your Sun Sign", 360, &lblSunSign, "lblSunSign", 360},
        {&Label11, "Label11", "Element", 864, &lblSunSignElement, "lblSunSignElement", 900},
        {&Label27, "Label27", "Birthstone", 1368, &lblSunSignBirthStone, "lblSunSignBirthStone", 1395},
        {&Label23, "Label23", "Lucky Number", 1872, &lblSunSignNumber, "lblSunSignNumber", 1890},
        {&Label21, "Label21", "Lucky Day", 2376, &lblSunSignDay, "lblSunSignDay", 2385},
        {&Label17, "Label17", "Compatibility", 2880, &lblSunSignCompatibility, "lblSunSignCompatibility", 2880},
    };
    for (const Pair& pair : pairs) {
        *pair.caption = MakeLabel(pair.captionName, QString::fromLatin1(pair.captionText), Frame4,
                                  TwipsRect(240, pair.captionTop, 1620, 300), kCaptionLook);
        *pair.value = MakeLabel(pair.valueName, QString(), Frame4, TwipsRect(1920, pair.valueTop, 4320, 480),
                                kValueLook);
        (*pair.value)->setWordWrap(true);
        KeepClearOf(*pair.caption, *pair.value);
    }
    lblSunSign->setFont(UiFont(9.75, true));
    SetColours(lblSunSign, kOrange);

    Label13 = MakeLabel("Label13", QStringLiteral("Positive Traits"), Frame4, TwipsRect(240, 3360, 3000, 300),
                        kCaptionLook);
    txtSunSignPositiveTraits =
        MakeTextBox("txtSunSignPositiveTraits", Frame4, TwipsRect(240, 3720, 8895, 1305), kWhite, kDarkGreen, false);
    Label10 = MakeLabel("Label10", QStringLiteral("Negative Traits"), Frame4, TwipsRect(240, 5160, 3000, 300),
                        kCaptionLook);
    txtSunSignNegativeTraits =
        MakeTextBox("txtSunSignNegativeTraits", Frame4, TwipsRect(240, 5520, 8895, 1305), kWhite, kDarkGreen, false);
}

void frmDisplay::createStarwiseTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabStarwise"));
    SSTab1->addTab(page, QStringLiteral("Starwise"));

    Frame1 = MakeFrame("Frame1", QStringLiteral("Karma Profile"), page, OnTab(120, 360, 9255, 4575), 8.25);
    Label1 = MakeLabel("Label1", FromUtf8(content::kNodeAxisExplanation), Frame1, TwipsRect(120, 240, 9015, 855),
                       {8.25, false, false, kWhite});
    Label1->setWordWrap(true);

    const NodeFrame north = MakeNodeFrame(
        {"Frame2", "North Node ", 120, "lblNorthNodedesc", content::kNorthNodeExplanation, "kkk",
         "North Node Is Placed In", 2460, "lblNorthSign", "lblSignNorth", 2640, 1695, "dsds", "lblNorthKeyWord",
         "lblNorthKeyWord", "txtNorthDesc"},
        Frame1);
    Frame2 = north.frame;
    lblNorthNodedesc = north.explanation;
    kkk = north.placedInCaption;
    lblNorthSign = north.sign;
    dsds = north.keywordsCaption;
    lblNorthKeyWord = north.keywords;
    txtNorthDesc = north.description;

    const NodeFrame south = MakeNodeFrame(
        {"Frame6", "South Node", 4680, "lblSouthNodeDesc", content::kSouthNodeExplanation, "hhh",
         "South Node Is Placed In", 2580, "lblSouthSign", "lblSignSouth", 2760, 1575, "Label5", "lblSouthKeyWord",
         "lblKeywords", "txtSouthDesc"},
        Frame1);
    Frame6 = south.frame;
    lblSouthNodeDesc = south.explanation;
    hhh = south.placedInCaption;
    lblSouthSign = south.sign;
    Label5 = south.keywordsCaption;
    lblSouthKeyWord = south.keywords;
    txtSouthDesc = south.description;

    Frame3 = MakeFrame("Frame3", QStringLiteral("Planets in House"), page, OnTab(120, 5040, 9255, 2295), 8.25);
    RTBHouseDesc = new QTextEdit(Frame3);
    RTBHouseDesc->setObjectName(QStringLiteral("RTBHouseDesc"));
    RTBHouseDesc->setReadOnly(true);
    RTBHouseDesc->setAcceptRichText(false);
    RTBHouseDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RTBHouseDesc->setFont(UiFont(8.25));
    RTBHouseDesc->document()->setDefaultFont(UiFont(8.25));
    QPalette palette = RTBHouseDesc->palette();
    palette.setColor(QPalette::Base, kWhite);
    palette.setColor(QPalette::Text, Qt::black);
    RTBHouseDesc->setPalette(palette);
    RTBHouseDesc->setGeometry(TwipsRect(120, 240, 9045, 1935));
    caret_ = QTextCursor(RTBHouseDesc->document());
}

void frmDisplay::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The reading is written before the window is first seen: show the
    // rich-text box from its beginning, not where the writing stopped.
    RTBHouseDesc->moveCursor(QTextCursor::Start);
    RTBHouseDesc->ensureCursorVisible();
}

void frmDisplay::SetCaption(std::string_view labelName, std::string_view caption) {
    auto* label = findChild<QLabel*>(FromUtf8(labelName));
    if (label == nullptr) throw std::out_of_range("no label named " + std::string(labelName));
    label->setText(FromUtf8(caption));
}

void frmDisplay::SetText(std::string_view textBoxName, std::string_view text) {
    auto* box = findChild<QPlainTextEdit*>(FromUtf8(textBoxName));
    if (box == nullptr) throw std::out_of_range("no text box named " + std::string(textBoxName));
    box->setPlainText(FromUtf8(text));
}

void frmDisplay::SetSignPicture(int pictureNumber) {
    const auto row = std::find_if(content::kSignPictures.begin(), content::kSignPictures.end(),
                                  [pictureNumber](const content::SignPictureRow& r) { return r.number == pictureNumber; });
    if (row == content::kSignPictures.end()) {
        throw std::out_of_range("no sign picture number " + std::to_string(pictureNumber));
    }
    picSunSign->setPixmap(ResourcePicture(row->resource, picSunSign->size(), devicePixelRatioF()));
    signPictureResource_ = FromUtf8(row->resource);
}

void frmDisplay::WriteStyled(const reading::TextStyle& style, std::string_view text) {
    // A size, once given, holds for everything written after it, as the
    // box's selection size does.
    if (style.pointSize) caretPointSize_ = *style.pointSize;
    const reading::Rgb rgb = reading::RgbOf(style.colour);

    QTextCharFormat format;
    format.setFontFamilies({UiFontFamily()});
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(caretPointSize_);
    format.setForeground(QColor(rgb.red, rgb.green, rgb.blue));

    // CR LF ends a line: QTextCursor turns "\n" into a paragraph break.
    QString inserted = FromUtf8(text);
    inserted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    inserted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    caret_.movePosition(QTextCursor::End);
    caret_.insertText(inserted, format);
}

}  // namespace starwise::gui
