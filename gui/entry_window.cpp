#include "gui/entry_window.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringListModel>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "atlas/birth_place.h"
#include "content/fixed_texts.h"
#include "gui/filtered_line_edit.h"
#include "entry/form_input.h"
#include "entry/messages.h"
#include "entry/validation.h"
#include "entry/zones.h"
#include "gui/clickable_label.h"
#include "gui/help_menus.h"
#include "gui/links.h"
#include "gui/look.h"
#include "gui/message_sink.h"
#include "gui/twips.h"
#include "gui/url_opener.h"

namespace starwise::gui {
namespace {

const QColor kBannerText{255, 214, 102};
const QColor kOfferText{255, 236, 180};
const QColor kWarningText = kBannerText;  // warnings beside the zone

constexpr std::size_t kPlacesOffered = 12;  // rows of the City box's pop-up list
constexpr int kZoneCheckLines = 3;          // text lines kept for the zone line
constexpr int kPlaceNoteLines = 2;          // ... and for the note beside the City box
constexpr std::string_view kExactOffsetEntry = "Exact UTC offset";  // the zone list's last entry
// Smallest size the form may be given by hand; below its natural size it
// scrolls.
constexpr QSize kSmallestFormSize{320, 240};

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

void AddNumbers(QComboBox* list, int first, int last) {
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
}

QComboBox* PickList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);  // not editable: pick only
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(UiFont(8.25, true));
    SetColours(label, kWhite);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QGroupBox* Frame(const char* name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFont(UiFont(8.25, true));
    SetColours(frame, kWhite);
    return frame;
}

// The label in a box of its own that keeps room for `lines` lines of its
// text whether it says anything or not, and scrolls when it says more.
QWidget* ReservedLines(QLabel* label, int lines, QWidget* parent) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* room = new QScrollArea(parent);
    room->setFrameShape(QFrame::NoFrame);
    room->setFocusPolicy(Qt::NoFocus);
    room->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    room->setWidgetResizable(true);
    room->viewport()->setAutoFillBackground(false);
    room->setWidget(label);
    label->setAutoFillBackground(false);  // setWidget turned it on: the form's colour shows through
    room->setFixedHeight(label->fontMetrics().lineSpacing() * lines + label->contentsMargins().top() +
                         label->contentsMargins().bottom() + 2);
    return room;
}

template <typename Button>
Button* WhiteButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new Button(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(UiFont(8.25, true));
    SetColours(button, kWhite);
    return button;
}

}  // namespace

EntryWindow::EntryWindow(MessageSink& messages, UrlOpener& browser, QWidget* parent)
    : QMainWindow(parent), messages_(messages), browser_(browser) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(FromUtf8(kWindowCaption));
    setFont(UiFont(8.25));

    // The form scrolls inside the window when the screen is too small for
    // it, instead of being squeezed (the boxes would clip what they hold)
    // or cut off at the screen's edge.
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("frmMainClient"));
    SetColours(content_, kWhite, kDarkGreen);
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(createBanner());
    layout->addWidget(createInputs());
    layout->addWidget(createOffers());
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("frmMainScroll"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->setWidgetResizable(true);
    SetColours(scroller_->viewport(), kWhite, kDarkGreen);
    scroller_->setWidget(content_);
    setCentralWidget(scroller_);

    createActions();
    fillLists();
    setTabOrder();
    connectPlaceAndZone();
    nameBox_->setFocus(Qt::OtherFocusReason);
    fitToScreen();
}

QMargins EntryWindow::frameAllowance() const {
    // The title bar and borders the window manager adds around the window:
    // an estimate until the window is shown, then at least what it measures.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = std::max(4, style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    QMargins frame(border, titleBar + border, border, border);
    if (isVisible()) {
        const QRect outer = frameGeometry();
        const QRect inner = geometry();
        frame = QMargins(std::max(frame.left(), inner.left() - outer.left()),
                         std::max(frame.top(), inner.top() - outer.top()),
                         std::max(frame.right(), outer.right() - inner.right()),
                         std::max(frame.bottom(), outer.bottom() - inner.bottom()));
    }
    return frame;
}

QSize EntryWindow::sizeWithin(const QSize& room) {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // On a narrow screen latitude goes below longitude rather than the form
    // scrolling sideways. A changed direction must reach the cached sizes of
    // the frame around the row and of the form.
    const auto setCoordinatesDirection = [this](QBoxLayout::Direction direction) {
        if (coordinatesRow_->direction() == direction) return;
        coordinatesRow_->setDirection(direction);
        QWidget* inputs = coordinatesRow_->parentWidget();
        inputs->layout()->invalidate();
        inputs->updateGeometry();
        content_->layout()->activate();
        scroller_->setWidgetResizable(true);  // the scroll area sizes the form anew
    };
    // Lists docked beside the form (the People list) take their width too.
    int docksWidth = 0;
    for (const QDockWidget* dock : findChildren<QDockWidget*>(QString{}, Qt::FindDirectChildrenOnly)) {
        if (!dock->isHidden() && !dock->isFloating()) {
            docksWidth += dock->sizeHint().width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent);
        }
    }
    setCoordinatesDirection(QBoxLayout::LeftToRight);
    if (content_->sizeHint().width() + scrollBar + docksWidth > room.width()) {
        setCoordinatesDirection(QBoxLayout::TopToBottom);
    }

    // The scroll area's own size hint is capped at a few dozen text lines;
    // the window is sized from the form's contents instead.
    QSize natural = content_->sizeHint();
    if (content_->hasHeightForWidth()) {
        natural.setHeight(std::max(natural.height(), content_->heightForWidth(natural.width())));
    }
    natural.rheight() += menuBar()->sizeHint().height();
    natural.rwidth() += docksWidth;
    if (natural.height() > room.height()) natural.rwidth() += scrollBar;
    if (natural.width() > room.width()) natural.rheight() += scrollBar;
    return natural.boundedTo(room);
}

void EntryWindow::fitToScreen() {
    const QRect available = screen()->availableGeometry();
    const QMargins frame = frameAllowance();
    const QSize size = sizeWithin(available.size().shrunkBy(frame));
    setMinimumSize(kSmallestFormSize.boundedTo(size));
    resize(size);
    // A window's position is that of its frame.
    const QSize outer = size.grownBy(frame);
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);
}

void EntryWindow::createActions() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("mnuFile"));
    readingAction_ = fileMenu_->addAction(QStringLiteral("Get My Starwise Reading"));
    readingAction_->setObjectName(QStringLiteral("mnuNext"));
    connect(readingAction_, &QAction::triggered, this, &EntryWindow::requestReading);
    exitAction_ = fileMenu_->addAction(QStringLiteral("E&xit"));
    exitAction_->setObjectName(QStringLiteral("mnuExit"));
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

    AddHelpMenus(menuBar(), browser_, [this] { emit aboutRequested(); }, "mnuHelp1", "mnuHelp2");
}

QWidget* EntryWindow::createBanner() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraBanner"));
    forumBanner_ = new ClickableLabel(FromUtf8(content::kFormBanner), frame);
    forumBanner_->setObjectName(QStringLiteral("Label61"));
    forumBanner_->setFont(UiFont(8.25, true, true));
    forumBanner_->setAlignment(Qt::AlignCenter);
    forumBanner_->setWordWrap(true);
    SetColours(forumBanner_, kBannerText);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(forumBanner_);
    connect(forumBanner_, &ClickableLabel::clicked, this, [this] { links::OpenHomePage(browser_); });
    return frame;
}

QWidget* EntryWindow::createInputs() {
    QGroupBox* inputs = Frame("fraInputs", QString(), this);

    introText_ = new QLabel(FromUtf8(content::kEntryFormIntro), inputs);
    introText_->setObjectName(QStringLiteral("Label2"));
    introText_->setWordWrap(true);
    introText_->setFont(UiFont(8.25));
    SetColours(introText_, kWhite);

    // Name, date and time of birth.
    nameBox_ = new FilteredLineEdit(FilteredLineEdit::Kind::Name, messages_, inputs);
    nameBox_->setObjectName(QStringLiteral("txtName"));
    // Refused characters are named here, beside the box, and typing goes
    // on in the box; the hint's width is kept while it is empty, so the
    // box does not change size.
    auto* nameHint = new QLabel(inputs);
    nameHint->setObjectName(QStringLiteral("lblNameHint"));
    nameHint->setFont(UiFont(8.25));
    SetColours(nameHint, kOrange);
    const QString widestHint = FromUtf8(entry::messages::kOnlyLetters.text);
    nameHint->setMinimumWidth(nameHint->fontMetrics().horizontalAdvance(widestHint) + 4);
    nameBox_->ShowRefusalsIn(nameHint);
    monthList_ = PickList("cboMonth", inputs);
    dayList_ = PickList("cboDate", inputs);
    yearList_ = PickList("cboYear", inputs);
    hourList_ = PickList("cboHH", inputs);
    minuteList_ = PickList("cboMM", inputs);
    secondList_ = PickList("cboSS", inputs);

    auto* person = new QGridLayout;
    person->setHorizontalSpacing(8);
    person->addWidget(Caption(QStringLiteral("Name"), nameBox_, inputs), 0, 0);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameBox_, 1);
    nameRow->addWidget(nameHint);
    person->addLayout(nameRow, 0, 1, 1, 4);
    person->addWidget(Caption(QStringLiteral("Date of Birth"), monthList_, inputs), 1, 0);
    person->addWidget(monthList_, 1, 1);
    person->addWidget(dayList_, 1, 2);
    person->addWidget(yearList_, 1, 3);
    person->addWidget(Caption(QStringLiteral("Time of Birth"), hourList_, inputs), 2, 0);
    person->addWidget(hourList_, 2, 1);
    person->addWidget(minuteList_, 2, 2);
    person->addWidget(secondList_, 2, 3);
    person->addWidget(Caption(QStringLiteral("HH:MM:SS"), nullptr, inputs), 2, 4);
    person->setColumnStretch(1, 2);
    person->setColumnStretch(2, 1);
    person->setColumnStretch(3, 1);

    // Zone.
    QGroupBox* zone = Frame("fraZone", QStringLiteral("Zone"), inputs);
    zoneList_ = PickList("cmbTimeZone", zone);
    zoneList_->setFont(UiFont(8.25));
    daylightSavingBox_ = WhiteButton<QCheckBox>("chkDST", QStringLiteral("Daylight Saving Time"), zone);
    // The exact offset, used when the list's last entry is chosen: filled
    // from the tz database where no zone of the list gives its offset, or
    // typed.
    utcOffsetBox_ = new QLineEdit(zone);
    utcOffsetBox_->setObjectName(QStringLiteral("txtUtcOffset"));
    utcOffsetBox_->setPlaceholderText(QStringLiteral("\u00b1HH:MM"));
    utcOffsetBox_->setAccessibleName(FromUtf8(kExactOffsetEntry));
    utcOffsetBox_->setToolTip(QStringLiteral("Exact UTC offset, east of Greenwich positive: +05:45, -03:30, "
                                             "+00:39:58"));
    utcOffsetBox_->setFixedWidth(utcOffsetBox_->fontMetrics().horizontalAdvance(QStringLiteral("+00:00:00")) + 16);
    // What the tz database says for the chosen place, and warnings on the
    // chosen zone, with the one-click fix beside them. Their room is kept
    // when there is nothing to say, so that nothing below them moves.
    zoneCheckLabel_ = new QLabel(zone);
    zoneCheckLabel_->setObjectName(QStringLiteral("lblZoneCheck"));
    zoneCheckLabel_->setTextFormat(Qt::RichText);
    zoneCheckLabel_->setFont(UiFont(8.25));
    SetColours(zoneCheckLabel_, kWhite);
    suggestedZoneButton_ = new QPushButton(zone);
    suggestedZoneButton_->setObjectName(QStringLiteral("cmdUseSuggestedZone"));
    suggestedZoneButton_->setFont(UiFont(8.25, true));
    suggestedZoneButton_->setAutoDefault(true);  // Enter on it uses the fix
    QSizePolicy fixPolicy = suggestedZoneButton_->sizePolicy();
    fixPolicy.setRetainSizeWhenHidden(true);
    suggestedZoneButton_->setSizePolicy(fixPolicy);
    suggestedZoneButton_->hide();
    auto* zoneRow = new QHBoxLayout;
    zoneRow->addWidget(zoneList_, 1);
    zoneRow->addWidget(utcOffsetBox_);
    zoneRow->addSpacing(8);
    zoneRow->addWidget(daylightSavingBox_);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(ReservedLines(zoneCheckLabel_, kZoneCheckLines, zone), 1);
    checkRow->addWidget(suggestedZoneButton_, 0, Qt::AlignTop);
    auto* zoneLayout = new QVBoxLayout(zone);
    zoneLayout->addLayout(zoneRow);
    zoneLayout->addLayout(checkRow);

    // Longitude and latitude, degrees and minutes with their hemispheres.
    QGroupBox* longitude = Frame("fraLongitude", QStringLiteral("Longitude"), inputs);
    longitudeDegreesBox_ = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, longitude);
    longitudeDegreesBox_->setObjectName(QStringLiteral("txtLonD"));
    longitudeDegreesBox_->setMaxLength(static_cast<int>(entry::kLongitudeDegreesMaxLength));
    longitudeMinutesBox_ = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, longitude);
    longitudeMinutesBox_->setObjectName(QStringLiteral("txtLonM"));
    longitudeMinutesBox_->setMaxLength(static_cast<int>(entry::kCoordinateMaxLength));
    longitudeHemisphere_[0] = WhiteButton<QRadioButton>("optLong_0", QStringLiteral("East"), longitude);
    longitudeHemisphere_[1] = WhiteButton<QRadioButton>("optLong_1", QStringLiteral("West"), longitude);
    longitudeHemisphere_[0]->setChecked(true);

    QGroupBox* latitude = Frame("fraLatitude", QStringLiteral("Latitude"), inputs);
    latitudeDegreesBox_ = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, latitude);
    latitudeDegreesBox_->setObjectName(QStringLiteral("txtLatD"));
    latitudeDegreesBox_->setMaxLength(static_cast<int>(entry::kCoordinateMaxLength));
    latitudeMinutesBox_ = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, latitude);
    latitudeMinutesBox_->setObjectName(QStringLiteral("txtLatM"));
    latitudeMinutesBox_->setMaxLength(static_cast<int>(entry::kCoordinateMaxLength));
    latitudeHemisphere_[0] = WhiteButton<QRadioButton>("optLat_0", QStringLiteral("North"), latitude);
    latitudeHemisphere_[1] = WhiteButton<QRadioButton>("optLat_1", QStringLiteral("South"), latitude);
    latitudeHemisphere_[0]->setChecked(true);

    const auto fillCoordinate = [](QGroupBox* frame, QLineEdit* degrees, QLineEdit* minutes,
                                   std::array<QRadioButton*, 2>& pair) {
        for (QLineEdit* box : {degrees, minutes}) {
            box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
            box->setAlignment(Qt::AlignRight);
        }
        auto* grid = new QGridLayout(frame);
        grid->addWidget(Caption(QStringLiteral("Deg"), degrees, frame), 0, 0);
        grid->addWidget(degrees, 0, 1);
        grid->addWidget(Caption(QStringLiteral("Min"), minutes, frame), 0, 2);
        grid->addWidget(minutes, 0, 3);
        grid->setColumnStretch(4, 1);
        grid->addWidget(pair[0], 0, 5);
        grid->addWidget(pair[1], 0, 6);
    };
    fillCoordinate(longitude, longitudeDegreesBox_, longitudeMinutesBox_, longitudeHemisphere_);
    fillCoordinate(latitude, latitudeDegreesBox_, latitudeMinutesBox_, latitudeHemisphere_);

    // The place, for the coordinate lookup.
    QGroupBox* place = Frame("fraPlace", QStringLiteral("Place of Birth"), inputs);
    cityBox_ = new QLineEdit(place);
    cityBox_->setObjectName(QStringLiteral("txtMCity"));
    stateBox_ = new QLineEdit(place);
    stateBox_->setObjectName(QStringLiteral("txtMState"));
    countryBox_ = new QLineEdit(place);
    countryBox_->setObjectName(QStringLiteral("txtMCountry"));
    locationButton_ = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), place);
    locationButton_->setObjectName(QStringLiteral("cmdBrowser"));
    locationButton_->setFont(UiFont(8.25, true));
    locationButton_->setAutoDefault(true);  // Enter on it looks the place up
    // Says when the City box no longer names the chosen place; its room is
    // kept, as the zone line's.
    placeNoteLabel_ = new QLabel(place);
    placeNoteLabel_->setObjectName(QStringLiteral("lblPlaceCheck"));
    placeNoteLabel_->setFont(UiFont(8.25));
    SetColours(placeNoteLabel_, kWarningText);
    auto* placeLayout = new QGridLayout(place);
    placeLayout->addWidget(Caption(QStringLiteral("City"), cityBox_, place), 0, 0);
    placeLayout->addWidget(cityBox_, 0, 1);
    placeLayout->addWidget(Caption(QStringLiteral("State"), stateBox_, place), 0, 2);
    placeLayout->addWidget(stateBox_, 0, 3);
    placeLayout->addWidget(Caption(QStringLiteral("Country"), countryBox_, place), 0, 4);
    placeLayout->addWidget(countryBox_, 0, 5);
    placeLayout->addWidget(ReservedLines(placeNoteLabel_, kPlaceNoteLines, place), 1, 0, 1, 4);
    placeLayout->addWidget(locationButton_, 1, 4, 1, 2, Qt::AlignRight | Qt::AlignTop);

    readingButton_ = new QPushButton(QStringLiteral("Get My Starwise Reading"), inputs);
    readingButton_->setObjectName(QStringLiteral("cmdRashi"));
    readingButton_->setFont(UiFont(11, true));
    readingButton_->setMinimumHeight(TwipsToPixels(540));
    // The form's default: Enter in a box or list asks for the reading
    // (keyPressEvent), Enter on the button itself clicks it.
    readingButton_->setAutoDefault(true);
    readingButton_->setDefault(true);
    connect(readingButton_, &QPushButton::clicked, this, &EntryWindow::requestReading);
    connect(locationButton_, &QPushButton::clicked, this, &EntryWindow::lookUpLocation);

    coordinatesRow_ = new QBoxLayout(QBoxLayout::LeftToRight);
    coordinatesRow_->addWidget(longitude, 1);
    coordinatesRow_->addWidget(latitude, 1);

    auto* layout = new QVBoxLayout(inputs);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(introText_);
    layout->addLayout(person);
    layout->addWidget(zone);
    layout->addLayout(coordinatesRow_);
    layout->addWidget(place);
    layout->addWidget(readingButton_);
    return inputs;
}

QWidget* EntryWindow::createOffers() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraOffers"));
    coBrandOffer_ = new ClickableLabel(FromUtf8(content::kCoBrandOffer), frame);
    coBrandOffer_->setObjectName(QStringLiteral("lblCobrand"));
    fullBrandOffer_ = new ClickableLabel(FromUtf8(content::kFullBrandOffer), frame);
    fullBrandOffer_->setObjectName(QStringLiteral("lblFullBrand"));
    for (ClickableLabel* offer : {coBrandOffer_, fullBrandOffer_}) {
        offer->setWordWrap(true);
        offer->setFont(UiFont(8.25, false, true));
        SetColours(offer, kOfferText);
    }
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(coBrandOffer_);
    layout->addWidget(fullBrandOffer_);
    connect(coBrandOffer_, &ClickableLabel::clicked, this, [this] { links::OpenCoBrandingOffer(browser_); });
    connect(fullBrandOffer_, &ClickableLabel::clicked, this, [this] { links::OpenFullBrandingOffer(browser_); });
    return frame;
}

void EntryWindow::setTabOrder() {
    // Tab order: the longitude degrees and the zone come only after the
    // buttons; the exact offset follows the zone list.
    const std::array<QWidget*, 23> order{nameBox_,  monthList_,  dayList_,   yearList_,   hourList_,      minuteList_,
                                         secondList_,    daylightSavingBox_,    longitudeMinutesBox_,   longitudeHemisphere_[0], longitudeHemisphere_[1], latitudeDegreesBox_,
                                         latitudeMinutesBox_,  latitudeHemisphere_[0], latitudeHemisphere_[1], cityBox_,  stateBox_,  countryBox_,
                                         locationButton_, readingButton_, longitudeDegreesBox_,  zoneList_, utcOffsetBox_};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void EntryWindow::fillLists() {
    for (const std::string_view month : entry::kMonthNames) monthList_->addItem(FromUtf8(month));
    for (const entry::ZoneRow& zone : entry::kZones) zoneList_->addItem(FromUtf8(zone.listText));
    static_assert(entry::kExactOffsetPosition == static_cast<int>(entry::kZoneCount));
    zoneList_->addItem(FromUtf8(kExactOffsetEntry));
    AddNumbers(dayList_, 1, entry::kLastDay);
    AddNumbers(yearList_, entry::kFirstYear, entry::kLastYear);
    AddNumbers(hourList_, 0, 23);
    AddNumbers(minuteList_, 0, 59);
    AddNumbers(secondList_, 0, 59);
    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_, secondList_}) list->setCurrentIndex(0);
    zoneList_->setCurrentIndex(entry::kGreenwichZonePosition);
}

void EntryWindow::connectPlaceAndZone() {
    placeOffers_ = new QStringListModel(this);
    placeCompleter_ = new QCompleter(placeOffers_, this);
    placeCompleter_->setObjectName(QStringLiteral("cityCompleter"));
    // The atlas has already matched and ordered the offers: show them all.
    placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter_->setMaxVisibleItems(static_cast<int>(kPlacesOffered));
    // Not the box's own completer: choosing an offer must not put the whole
    // "City, State, Country" into the City box.
    placeCompleter_->setWidget(cityBox_);
    connect(placeCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &EntryWindow::placeOfferChosen);
    // Keys typed while the offers are open go to their list; this filter
    // sees them before the completer's own.
    placeCompleter_->popup()->installEventFilter(this);
    connect(cityBox_, &QLineEdit::textEdited, this, &EntryWindow::cityEdited);
    cityBox_->installEventFilter(this);

    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &EntryWindow::birthMomentChanged);
    }
    // activated, clicked and textEdited come from the user only, not from
    // showPlaceAndZone.
    connect(zoneList_, &QComboBox::activated, this, &EntryWindow::zoneListChosen);
    connect(daylightSavingBox_, &QCheckBox::clicked, this, &EntryWindow::daylightSavingClicked);
    connect(utcOffsetBox_, &QLineEdit::textEdited, this, &EntryWindow::exactOffsetEdited);
    connect(suggestedZoneButton_, &QPushButton::clicked, this, [this] {
        placeZone_.UseFix();
        showPlaceAndZone();
    });
    birthMomentChanged();
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cityBox_ && event->type() == QEvent::FocusIn) startLoadingAtlas();
    if (watched == placeCompleter_->popup() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseOfferOnEnter();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void EntryWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        requestReading();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void EntryWindow::startLoadingAtlas() {
    if (!atlasLoader_.joinable()) atlasLoader_ = std::jthread([this] { atlas_.Load(); });
}

void EntryWindow::cityEdited(const QString& typed) {
    const std::optional<atlas::Place> chosen = placeZone_.ChosenPlace();
    if (placeZone_.CityTextEdited(ToUtf8(typed))) clearFilledIn(*chosen);
    showPlaceAndZone();
    offerPlaces(typed);
}

void EntryWindow::clearFilledIn(const atlas::Place& place) {
    // What the person changed since stays.
    const auto clearIf = [](QLineEdit* box, const QString& filled) {
        if (box->text() == filled) box->clear();
    };
    clearIf(stateBox_, FromUtf8(place.state));
    clearIf(countryBox_, FromUtf8(place.country));
    const atlas::WholeMinutesAngle longitude = atlas::ToWholeMinutes(place.longitudeDeg);
    const atlas::WholeMinutesAngle latitude = atlas::ToWholeMinutes(place.latitudeDeg);
    if (longitudeDegreesBox_->text() == QString::number(longitude.degrees) &&
        longitudeMinutesBox_->text() == QString::number(longitude.minutes)) {
        longitudeDegreesBox_->clear();
        longitudeMinutesBox_->clear();
    }
    if (latitudeDegreesBox_->text() == QString::number(latitude.degrees) &&
        latitudeMinutesBox_->text() == QString::number(latitude.minutes)) {
        latitudeDegreesBox_->clear();
        latitudeMinutesBox_->clear();
    }
}

void EntryWindow::offerPlaces(const QString& typed) {
    startLoadingAtlas();
    offeredPlaces_ = atlas_.Search(ToUtf8(typed), kPlacesOffered);
    QStringList labels;
    for (const atlas::Place& place : offeredPlaces_) labels << FromUtf8(atlas::PlaceLabel(place));
    placeOffers_->setStringList(labels);
    QAbstractItemView* list = placeCompleter_->popup();
    if (labels.isEmpty()) {
        list->hide();
        return;
    }
    // Wide enough for "City, State, Country", at least as wide as the box.
    QRect under = cityBox_->rect();
    under.setWidth(std::max(under.width(), list->sizeHintForColumn(0) + list->frameWidth() * 2 +
                                               style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    placeCompleter_->complete(under);
}

void EntryWindow::placeOfferChosen(const QModelIndex& index) {
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model());
    const int row = proxy ? proxy->mapToSource(index).row() : index.row();
    if (row < 0 || row >= static_cast<int>(offeredPlaces_.size())) return;
    const atlas::Place place = offeredPlaces_[static_cast<std::size_t>(row)];
    choosePlace(place);
}

void EntryWindow::chooseOfferOnEnter() {
    QAbstractItemView* list = placeCompleter_->popup();
    QModelIndex offer = list->currentIndex();
    if (!offer.isValid()) offer = list->model()->index(0, 0);
    list->hide();
    if (offer.isValid()) placeOfferChosen(offer);
}

void EntryWindow::showCoordinates(double latitudeDeg, double longitudeDeg) {
    const atlas::WholeMinutesAngle longitude = atlas::ToWholeMinutes(longitudeDeg);
    const atlas::WholeMinutesAngle latitude = atlas::ToWholeMinutes(latitudeDeg);
    longitudeDegreesBox_->setText(QString::number(longitude.degrees));
    longitudeMinutesBox_->setText(QString::number(longitude.minutes));
    longitudeHemisphere_[longitude.negative ? 1 : 0]->setChecked(true);
    latitudeDegreesBox_->setText(QString::number(latitude.degrees));
    latitudeMinutesBox_->setText(QString::number(latitude.minutes));
    latitudeHemisphere_[latitude.negative ? 1 : 0]->setChecked(true);
}

void EntryWindow::choosePlace(const atlas::Place& place) {
    cityBox_->setText(FromUtf8(place.name));
    stateBox_->setText(FromUtf8(place.state));
    countryBox_->setText(FromUtf8(place.country));
    showCoordinates(place.latitudeDeg, place.longitudeDeg);
    placeZone_.ChoosePlace(place);
    showPlaceAndZone();
}

void EntryWindow::fillFromBirth(const entry::BirthInput& birth) {
    placeZone_.ForgetPlace();
    nameBox_->setText(FromUtf8(birth.name));
    monthList_->setCurrentIndex(static_cast<int>(static_cast<unsigned>(birth.localDate.month())) - 1);
    dayList_->setCurrentIndex(static_cast<int>(static_cast<unsigned>(birth.localDate.day())) - 1);
    yearList_->setCurrentIndex(static_cast<int>(birth.localDate.year()) - entry::kFirstYear);
    hourList_->setCurrentIndex(birth.localMinutes / 60);
    minuteList_->setCurrentIndex(birth.localMinutes % 60);
    secondList_->setCurrentIndex(0);
    showCoordinates(birth.latitudeDeg, birth.longitudeDeg);
    // "City, State, Country", "City, Country" or "City".
    const QStringList parts = FromUtf8(birth.placeLabel).split(QStringLiteral(", "));
    cityBox_->setText(parts.value(0));
    stateBox_->setText(parts.size() >= 3 ? parts.value(1) : QString{});
    countryBox_->setText(parts.size() >= 2 ? parts.mid(parts.size() >= 3 ? 2 : 1).join(QStringLiteral(", ")) : QString{});
    placeZone_.SetZoneByHand(birth.zone);
    birthMomentChanged();
}

void EntryWindow::birthMomentChanged() {
    const std::optional<entry::FormDateTime> when = entry::FormDateTimeOf(Values());
    placeZone_.SetMoment(when ? std::optional{atlas::LocalMinuteOf(when->localDate, when->localMinutes)}
                              : std::nullopt);
    showPlaceAndZone();
}

void EntryWindow::zoneListChosen(int position) {
    if (position == entry::kExactOffsetPosition) {
        placeZone_.TypeExactOffset(ToUtf8(utcOffsetBox_->text()));
        utcOffsetBox_->setFocus(Qt::OtherFocusReason);
    } else {
        placeZone_.SetZoneByHand(entry::ZoneRowChoice{position, daylightSavingBox_->isChecked()});
    }
    showPlaceAndZone();
}

void EntryWindow::daylightSavingClicked(bool ticked) {
    placeZone_.SetZoneByHand(entry::ZoneRowChoice{zoneList_->currentIndex(), ticked});
    showPlaceAndZone();
}

void EntryWindow::exactOffsetEdited(const QString& typed) {
    placeZone_.TypeExactOffset(ToUtf8(typed));
    showPlaceAndZone();
}

void EntryWindow::showPlaceAndZone() {
    const auto* row = std::get_if<entry::ZoneRowChoice>(&placeZone_.Zone());
    const bool exact = placeZone_.ExactOffsetChosen() || row == nullptr;
    zoneList_->setCurrentIndex(exact ? entry::kExactOffsetPosition : row->zonePosition);
    // An exact offset holds any daylight saving already.
    daylightSavingBox_->setChecked(!exact && row->daylightSaving);
    daylightSavingBox_->setEnabled(!exact);
    // Only a changed text is set: the cursor stays where the person types.
    if (const QString offset = FromUtf8(placeZone_.ExactOffsetText()); utcOffsetBox_->text() != offset) {
        utcOffsetBox_->setText(offset);
    }

    const atlas::ZoneLine line = placeZone_.Line();
    QString html = FromUtf8(line.summary).toHtmlEscaped();
    for (const std::string& warning : line.warnings) {
        if (!html.isEmpty()) html += QStringLiteral("<br>");
        html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(kWarningText.name(), FromUtf8(warning).toHtmlEscaped());
    }
    zoneCheckLabel_->setText(html);
    suggestedZoneButton_->setText(FromUtf8(line.fixText));
    suggestedZoneButton_->setVisible(line.fix.has_value());
    placeNoteLabel_->setText(FromUtf8(placeZone_.PlaceNote()));
}

entry::EntryFormValues EntryWindow::Values() const {
    entry::EntryFormValues values;
    values.nameText = ToUtf8(nameBox_->text());
    values.monthPosition = monthList_->currentIndex();
    values.dayPosition = dayList_->currentIndex();
    values.dayText = ToUtf8(dayList_->currentText());
    values.yearText = ToUtf8(yearList_->currentText());
    values.hourText = ToUtf8(hourList_->currentText());
    values.minuteText = ToUtf8(minuteList_->currentText());
    values.secondText = ToUtf8(secondList_->currentText());
    values.longitudeDegreesText = ToUtf8(longitudeDegreesBox_->text());
    values.longitudeMinutesText = ToUtf8(longitudeMinutesBox_->text());
    values.latitudeDegreesText = ToUtf8(latitudeDegreesBox_->text());
    values.latitudeMinutesText = ToUtf8(latitudeMinutesBox_->text());
    values.eastSelected = longitudeHemisphere_[0]->isChecked();
    values.southSelected = latitudeHemisphere_[1]->isChecked();
    values.daylightSaving = daylightSavingBox_->isChecked();
    values.zonePosition = zoneList_->currentIndex();
    values.utcOffsetText = ToUtf8(utcOffsetBox_->text());
    return values;
}

std::variant<entry::BirthInput, entry::FormMessage> EntryWindow::Birth() const {
    auto birth = entry::BirthInputOfForm(Values());
    if (auto* input = std::get_if<entry::BirthInput>(&birth)) placeZone_.CompleteBirth(*input);
    return birth;
}

void EntryWindow::requestReading() {
    const auto birth = Birth();
    if (const auto* fault = std::get_if<entry::FormMessage>(&birth)) {
        ShowMessage(*fault);
        return;
    }
    emit readingRequested();
}

void EntryWindow::lookUpLocation() {
    const std::string city = ToUtf8(cityBox_->text());
    const std::string state = ToUtf8(stateBox_->text());
    const std::string country = ToUtf8(countryBox_->text());
    if (const std::optional<entry::FormMessage> fault = entry::ValidateLocationLookup(city, state, country)) {
        ShowMessage(*fault);
        return;
    }
    browser_.Open(links::LocationSearchUrl(entry::LocationSearchText(city, state, country)));
}

void EntryWindow::ShowMessage(const entry::FormMessage& message) {
    messages_.Show(this, message.text, message.icon);
    if (QWidget* field = FieldWidget(message.focus)) field->setFocus(Qt::OtherFocusReason);
}

QWidget* EntryWindow::FieldWidget(entry::FormField field) const {
    switch (field) {
        case entry::FormField::Name: return nameBox_;
        case entry::FormField::LongitudeDegrees: return longitudeDegreesBox_;
        case entry::FormField::LongitudeMinutes: return longitudeMinutesBox_;
        case entry::FormField::LatitudeDegrees: return latitudeDegreesBox_;
        case entry::FormField::LatitudeMinutes: return latitudeMinutesBox_;
        case entry::FormField::City: return cityBox_;
        case entry::FormField::State: return stateBox_;
        case entry::FormField::Country: return countryBox_;
        case entry::FormField::UtcOffset: return utcOffsetBox_;
        case entry::FormField::None: break;
    }
    return nullptr;
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

}  // namespace starwise::gui
