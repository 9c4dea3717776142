#include "gui/entry_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "content/fixed_texts.h"
#include "gui/filtered_line_edit.h"
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

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    SetColours(central, kWhite, kDarkGreen);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(createBanner());
    layout->addWidget(createInputs());
    layout->addWidget(createOffers());
    setCentralWidget(central);

    createActions();
    fillLists();
    setTabOrder();
    nameBox_->setFocus(Qt::OtherFocusReason);
    // Never smaller than its natural size: squeezed, the boxes would clip
    // what they hold.
    setMinimumSize(sizeHint());
    resize(sizeHint());
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
    monthList_ = PickList("cboMonth", inputs);
    dayList_ = PickList("cboDate", inputs);
    yearList_ = PickList("cboYear", inputs);
    hourList_ = PickList("cboHH", inputs);
    minuteList_ = PickList("cboMM", inputs);
    secondList_ = PickList("cboSS", inputs);

    auto* person = new QGridLayout;
    person->setHorizontalSpacing(8);
    person->addWidget(Caption(QStringLiteral("Name"), nameBox_, inputs), 0, 0);
    person->addWidget(nameBox_, 0, 1, 1, 4);
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
    auto* zoneLayout = new QHBoxLayout(zone);
    zoneLayout->addWidget(zoneList_, 1);
    zoneLayout->addSpacing(8);
    zoneLayout->addWidget(daylightSavingBox_);

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
    auto* placeLayout = new QGridLayout(place);
    placeLayout->addWidget(Caption(QStringLiteral("City"), cityBox_, place), 0, 0);
    placeLayout->addWidget(cityBox_, 0, 1);
    placeLayout->addWidget(Caption(QStringLiteral("State"), stateBox_, place), 0, 2);
    placeLayout->addWidget(stateBox_, 0, 3);
    placeLayout->addWidget(Caption(QStringLiteral("Country"), countryBox_, place), 0, 4);
    placeLayout->addWidget(countryBox_, 0, 5);
    placeLayout->addWidget(locationButton_, 1, 0, 1, 6, Qt::AlignRight);

    readingButton_ = new QPushButton(QStringLiteral("Get My Starwise Reading"), inputs);
    readingButton_->setObjectName(QStringLiteral("cmdRashi"));
    readingButton_->setFont(UiFont(11, true));
    readingButton_->setMinimumHeight(TwipsToPixels(540));
    connect(readingButton_, &QPushButton::clicked, this, &EntryWindow::requestReading);
    connect(locationButton_, &QPushButton::clicked, this, &EntryWindow::lookUpLocation);

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(longitude, 1);
    coordinates->addWidget(latitude, 1);

    auto* layout = new QVBoxLayout(inputs);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(introText_);
    layout->addLayout(person);
    layout->addWidget(zone);
    layout->addLayout(coordinates);
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
    // The designed order: the two degree-of-longitude and zone controls come
    // only after the buttons.
    const std::array<QWidget*, 22> order{nameBox_,  monthList_,  dayList_,   yearList_,   hourList_,      minuteList_,
                                         secondList_,    daylightSavingBox_,    longitudeMinutesBox_,   longitudeHemisphere_[0], longitudeHemisphere_[1], latitudeDegreesBox_,
                                         latitudeMinutesBox_,  latitudeHemisphere_[0], latitudeHemisphere_[1], cityBox_,  stateBox_,  countryBox_,
                                         locationButton_, readingButton_, longitudeDegreesBox_,  zoneList_};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void EntryWindow::fillLists() {
    for (const std::string_view month : entry::kMonthNames) monthList_->addItem(FromUtf8(month));
    for (const entry::ZoneRow& zone : entry::kZones) zoneList_->addItem(FromUtf8(zone.listText));
    AddNumbers(dayList_, 1, entry::kLastDay);
    AddNumbers(yearList_, entry::kFirstYear, entry::kLastYear);
    AddNumbers(hourList_, 0, 23);
    AddNumbers(minuteList_, 0, 59);
    AddNumbers(secondList_, 0, 59);
    for (QComboBox* list : {monthList_, dayList_, yearList_, hourList_, minuteList_, secondList_}) list->setCurrentIndex(0);
    zoneList_->setCurrentIndex(entry::kGreenwichZonePosition);
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
    return values;
}

void EntryWindow::requestReading() {
    if (const std::optional<entry::FormMessage> fault = entry::ValidateEntryForm(Values())) {
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
        case entry::FormField::None: break;
    }
    return nullptr;
}

void EntryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

}  // namespace starwise::gui
