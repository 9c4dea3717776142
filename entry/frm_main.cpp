#include "entry/frm_main.h"

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
#include "entry/filtered_line_edit.h"
#include "entry/validation.h"
#include "entry/zones.h"
#include "shell/clickable_label.h"
#include "shell/help_menus.h"
#include "shell/links.h"
#include "shell/look.h"
#include "shell/message_sink.h"
#include "shell/twips.h"
#include "shell/url_opener.h"

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

frmMain::frmMain(MessageSink& messages, UrlOpener& browser, QWidget* parent)
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
    txtName->setFocus(Qt::OtherFocusReason);
    // Never smaller than its natural size: squeezed, the boxes would clip
    // what they hold.
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

void frmMain::createActions() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNext = mnuFile->addAction(QStringLiteral("Get My Starwise Reading"));
    mnuNext->setObjectName(QStringLiteral("mnuNext"));
    connect(mnuNext, &QAction::triggered, this, &frmMain::cmdRashi_Click);
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    AddHelpMenus(menuBar(), browser_, [this] { emit aboutRequested(); }, "mnuHelp1", "mnuHelp2");
}

QWidget* frmMain::createBanner() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraBanner"));
    Label61 = new ClickableLabel(FromUtf8(content::kFormBanner), frame);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setFont(UiFont(8.25, true, true));
    Label61->setAlignment(Qt::AlignCenter);
    Label61->setWordWrap(true);
    SetColours(Label61, kBannerText);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(Label61);
    connect(Label61, &ClickableLabel::clicked, this, [this] { links::OpenHomePage(browser_); });
    return frame;
}

QWidget* frmMain::createInputs() {
    QGroupBox* inputs = Frame("fraInputs", QString(), this);

    Label2 = new QLabel(FromUtf8(content::kEntryFormIntro), inputs);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setFont(UiFont(8.25));
    SetColours(Label2, kWhite);

    // Name, date and time of birth.
    txtName = new FilteredLineEdit(FilteredLineEdit::Kind::Name, messages_, inputs);
    txtName->setObjectName(QStringLiteral("txtName"));
    cboMonth = PickList("cboMonth", inputs);
    cboDate = PickList("cboDate", inputs);
    cboYear = PickList("cboYear", inputs);
    cboHH = PickList("cboHH", inputs);
    cboMM = PickList("cboMM", inputs);
    cboSS = PickList("cboSS", inputs);

    auto* person = new QGridLayout;
    person->setHorizontalSpacing(8);
    person->addWidget(Caption(QStringLiteral("Name"), txtName, inputs), 0, 0);
    person->addWidget(txtName, 0, 1, 1, 4);
    person->addWidget(Caption(QStringLiteral("Date of Birth"), cboMonth, inputs), 1, 0);
    person->addWidget(cboMonth, 1, 1);
    person->addWidget(cboDate, 1, 2);
    person->addWidget(cboYear, 1, 3);
    person->addWidget(Caption(QStringLiteral("Time of Birth"), cboHH, inputs), 2, 0);
    person->addWidget(cboHH, 2, 1);
    person->addWidget(cboMM, 2, 2);
    person->addWidget(cboSS, 2, 3);
    person->addWidget(Caption(QStringLiteral("HH:MM:SS"), nullptr, inputs), 2, 4);
    person->setColumnStretch(1, 2);
    person->setColumnStretch(2, 1);
    person->setColumnStretch(3, 1);

    // Zone.
    QGroupBox* zone = Frame("fraZone", QStringLiteral("Zone"), inputs);
    cmbTimeZone = PickList("cmbTimeZone", zone);
    cmbTimeZone->setFont(UiFont(8.25));
    chkDST = WhiteButton<QCheckBox>("chkDST", QStringLiteral("Daylight Saving Time"), zone);
    auto* zoneLayout = new QHBoxLayout(zone);
    zoneLayout->addWidget(cmbTimeZone, 1);
    zoneLayout->addSpacing(8);
    zoneLayout->addWidget(chkDST);

    // Longitude and latitude, degrees and minutes with their hemispheres.
    QGroupBox* longitude = Frame("fraLongitude", QStringLiteral("Longitude"), inputs);
    txtLonD = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, longitude);
    txtLonD->setObjectName(QStringLiteral("txtLonD"));
    txtLonD->setMaxLength(static_cast<int>(entry::kLongitudeDegreesMaxLength));
    txtLonM = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, longitude);
    txtLonM->setObjectName(QStringLiteral("txtLonM"));
    txtLonM->setMaxLength(static_cast<int>(entry::kCoordinateMaxLength));
    optLong[0] = WhiteButton<QRadioButton>("optLong_0", QStringLiteral("East"), longitude);
    optLong[1] = WhiteButton<QRadioButton>("optLong_1", QStringLiteral("West"), longitude);
    optLong[0]->setChecked(true);

    QGroupBox* latitude = Frame("fraLatitude", QStringLiteral("Latitude"), inputs);
    txtLatD = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, latitude);
    txtLatD->setObjectName(QStringLiteral("txtLatD"));
    txtLatD->setMaxLength(static_cast<int>(entry::kCoordinateMaxLength));
    txtLatM = new FilteredLineEdit(FilteredLineEdit::Kind::Coordinate, messages_, latitude);
    txtLatM->setObjectName(QStringLiteral("txtLatM"));
    txtLatM->setMaxLength(static_cast<int>(entry::kCoordinateMaxLength));
    optLat[0] = WhiteButton<QRadioButton>("optLat_0", QStringLiteral("North"), latitude);
    optLat[1] = WhiteButton<QRadioButton>("optLat_1", QStringLiteral("South"), latitude);
    optLat[0]->setChecked(true);

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
    fillCoordinate(longitude, txtLonD, txtLonM, optLong);
    fillCoordinate(latitude, txtLatD, txtLatM, optLat);

    // The place, for the coordinate lookup.
    QGroupBox* place = Frame("fraPlace", QStringLiteral("Place of Birth"), inputs);
    txtMCity = new QLineEdit(place);
    txtMCity->setObjectName(QStringLiteral("txtMCity"));
    txtMState = new QLineEdit(place);
    txtMState->setObjectName(QStringLiteral("txtMState"));
    txtMCountry = new QLineEdit(place);
    txtMCountry->setObjectName(QStringLiteral("txtMCountry"));
    cmdBrowser = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), place);
    cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser->setFont(UiFont(8.25, true));
    auto* placeLayout = new QGridLayout(place);
    placeLayout->addWidget(Caption(QStringLiteral("City"), txtMCity, place), 0, 0);
    placeLayout->addWidget(txtMCity, 0, 1);
    placeLayout->addWidget(Caption(QStringLiteral("State"), txtMState, place), 0, 2);
    placeLayout->addWidget(txtMState, 0, 3);
    placeLayout->addWidget(Caption(QStringLiteral("Country"), txtMCountry, place), 0, 4);
    placeLayout->addWidget(txtMCountry, 0, 5);
    placeLayout->addWidget(cmdBrowser, 1, 0, 1, 6, Qt::AlignRight);

    cmdRashi = new QPushButton(QStringLiteral("Get My Starwise Reading"), inputs);
    cmdRashi->setObjectName(QStringLiteral("cmdRashi"));
    cmdRashi->setFont(UiFont(11, true));
    cmdRashi->setMinimumHeight(TwipsToPixels(540));
    connect(cmdRashi, &QPushButton::clicked, this, &frmMain::cmdRashi_Click);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::cmdBrowser_Click);

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(longitude, 1);
    coordinates->addWidget(latitude, 1);

    auto* layout = new QVBoxLayout(inputs);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(Label2);
    layout->addLayout(person);
    layout->addWidget(zone);
    layout->addLayout(coordinates);
    layout->addWidget(place);
    layout->addWidget(cmdRashi);
    return inputs;
}

QWidget* frmMain::createOffers() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraOffers"));
    lblCobrand = new ClickableLabel(FromUtf8(content::kCoBrandOffer), frame);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    lblFullBrand = new ClickableLabel(FromUtf8(content::kFullBrandOffer), frame);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    for (ClickableLabel* offer : {lblCobrand, lblFullBrand}) {
        offer->setWordWrap(true);
        offer->setFont(UiFont(8.25, false, true));
        SetColours(offer, kOfferText);
    }
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(lblCobrand);
    layout->addWidget(lblFullBrand);
    connect(lblCobrand, &ClickableLabel::clicked, this, [this] { links::OpenCoBrandingOffer(browser_); });
    connect(lblFullBrand, &ClickableLabel::clicked, this, [this] { links::OpenFullBrandingOffer(browser_); });
    return frame;
}

void frmMain::setTabOrder() {
    // The designed order: the two degree-of-longitude and zone controls come
    // only after the buttons.
    const std::array<QWidget*, 22> order{txtName,  cboMonth,  cboDate,   cboYear,   cboHH,      cboMM,
                                         cboSS,    chkDST,    txtLonM,   optLong[0], optLong[1], txtLatD,
                                         txtLatM,  optLat[0], optLat[1], txtMCity,  txtMState,  txtMCountry,
                                         cmdBrowser, cmdRashi, txtLonD,  cmbTimeZone};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmMain::fillLists() {
    for (const std::string_view month : entry::kMonthNames) cboMonth->addItem(FromUtf8(month));
    for (const entry::ZoneRow& zone : entry::kZones) cmbTimeZone->addItem(FromUtf8(zone.listText));
    AddNumbers(cboDate, 1, entry::kLastDay);
    AddNumbers(cboYear, entry::kFirstYear, entry::kLastYear);
    AddNumbers(cboHH, 0, 23);
    AddNumbers(cboMM, 0, 59);
    AddNumbers(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) list->setCurrentIndex(0);
    cmbTimeZone->setCurrentIndex(entry::kGreenwichZonePosition);
}

entry::EntryFormValues frmMain::Values() const {
    entry::EntryFormValues values;
    values.nameText = ToUtf8(txtName->text());
    values.monthPosition = cboMonth->currentIndex();
    values.dayPosition = cboDate->currentIndex();
    values.dayText = ToUtf8(cboDate->currentText());
    values.yearText = ToUtf8(cboYear->currentText());
    values.hourText = ToUtf8(cboHH->currentText());
    values.minuteText = ToUtf8(cboMM->currentText());
    values.secondText = ToUtf8(cboSS->currentText());
    values.longitudeDegreesText = ToUtf8(txtLonD->text());
    values.longitudeMinutesText = ToUtf8(txtLonM->text());
    values.latitudeDegreesText = ToUtf8(txtLatD->text());
    values.latitudeMinutesText = ToUtf8(txtLatM->text());
    values.eastSelected = optLong[0]->isChecked();
    values.southSelected = optLat[1]->isChecked();
    values.daylightSaving = chkDST->isChecked();
    values.zonePosition = cmbTimeZone->currentIndex();
    return values;
}

void frmMain::cmdRashi_Click() {
    if (const std::optional<entry::FormMessage> fault = entry::ValidateEntryForm(Values())) {
        ShowMessage(*fault);
        return;
    }
    emit readingRequested();
}

void frmMain::cmdBrowser_Click() {
    const std::string city = ToUtf8(txtMCity->text());
    const std::string state = ToUtf8(txtMState->text());
    const std::string country = ToUtf8(txtMCountry->text());
    if (const std::optional<entry::FormMessage> fault = entry::ValidateLocationLookup(city, state, country)) {
        ShowMessage(*fault);
        return;
    }
    browser_.Open(links::LocationSearchUrl(entry::LocationSearchText(city, state, country)));
}

void frmMain::ShowMessage(const entry::FormMessage& message) {
    messages_.Show(this, message.text, message.icon);
    if (QWidget* field = FieldWidget(message.focus)) field->setFocus(Qt::OtherFocusReason);
}

QWidget* frmMain::FieldWidget(entry::FormField field) const {
    switch (field) {
        case entry::FormField::txtName: return txtName;
        case entry::FormField::txtLonD: return txtLonD;
        case entry::FormField::txtLonM: return txtLonM;
        case entry::FormField::txtLatD: return txtLatD;
        case entry::FormField::txtLatM: return txtLatM;
        case entry::FormField::txtMCity: return txtMCity;
        case entry::FormField::txtMState: return txtMState;
        case entry::FormField::txtMCountry: return txtMCountry;
        case entry::FormField::None: break;
    }
    return nullptr;
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

}  // namespace starwise::gui
