// The birth-data entry form: the user's only input. It fills its lists when
// built, filters what is typed or pasted, offers places of the atlas as the
// city is typed and sets the zone from the tz database, runs the checks
// before a reading and the location lookup, and asks the application for a
// reading. It fits the screen, scrolling when the screen is too small.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>
#include <thread>
#include <vector>

#include "atlas/places.h"
#include "atlas/zone_history.h"
#include "atlas/zone_match.h"
#include "entry/birth_input.h"
#include "entry/entry_form.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QMenu;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStringListModel;

namespace starwise::gui {

class ClickableLabel;
class FilteredLineEdit;
class MessageSink;
class UrlOpener;

class EntryWindow : public QMainWindow {
    Q_OBJECT

public:
    EntryWindow(MessageSink& messages, UrlOpener& browser, QWidget* parent = nullptr);

    // What the controls hold now, as the reading captures it.
    entry::EntryFormValues Values() const;

    // The reading button: runs the checks and, when they pass, asks for a
    // reading (readingRequested). The menu item of the same caption does the
    // same.
    void requestReading();

    // The location lookup: checks city, state and country, then opens a web
    // search for the place's coordinates.
    void lookUpLocation();

    // What choosing a place offered by the City box does: fills city, state,
    // country, latitude and longitude (nearest whole minute), and from then
    // on sets the zone and the daylight-saving box from the tz database for
    // the entered date and time, until the user sets either by hand.
    void choosePlace(const atlas::Place& place);

    // Fills the controls with a saved birth: name, date, time, coordinates to
    // the nearest minute, the zone row and box (for an exact offset, the first
    // row and box that give it, if any), and city, state and country from the
    // place label. The zone no longer follows a chosen place.
    void fillFromBirth(const entry::BirthInput& birth);

    QMenu* fileMenu() const { return fileMenu_; }

signals:
    void readingRequested();
    void aboutRequested();
    // The form was closed (close box or File > Exit): the program ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    QWidget* createBanner();
    QWidget* createInputs();
    QWidget* createOffers();
    void setTabOrder();
    void fillLists();
    void connectPlaceAndZone();
    // Sizes the window to its contents, at most the screen's available area,
    // and puts it inside that area.
    void fitToScreen();
    // Makes the window larger, within the screen, when the form has grown.
    void growToContents();
    QMargins frameAllowance() const;
    // The window size that shows the whole form, at most room (scroll bars
    // included when it does not fit).
    QSize sizeWithin(const QSize& room);

    // Places for the City box's text, offered in its pop-up list.
    void offerPlaces(const QString& typed);
    void placeOfferChosen(const QModelIndex& index);
    // The chosen place's moment for the entered date and time; the zone and
    // box follow it unless set by hand.
    void birthMomentChanged();
    void setZoneChoice(const entry::ZoneRowChoice& choice);
    void useSuggestedZone();
    // The line beside the zone: the tz database's offset for the place and
    // moment, and warnings on the chosen zone.
    void refreshZoneCheck();
    void startLoadingAtlas();

    // Shows the message and moves the focus where it says.
    void ShowMessage(const entry::FormMessage& message);
    QWidget* FieldWidget(entry::FormField field) const;

    MessageSink& messages_;
    UrlOpener& browser_;

    FilteredLineEdit* nameBox_;
    QComboBox* monthList_;
    QComboBox* dayList_;
    QComboBox* yearList_;
    QComboBox* hourList_;
    QComboBox* minuteList_;
    QComboBox* secondList_;
    QCheckBox* daylightSavingBox_;
    FilteredLineEdit* longitudeDegreesBox_;
    FilteredLineEdit* longitudeMinutesBox_;
    std::array<QRadioButton*, 2> longitudeHemisphere_;  // 0 East, 1 West
    FilteredLineEdit* latitudeDegreesBox_;
    FilteredLineEdit* latitudeMinutesBox_;
    std::array<QRadioButton*, 2> latitudeHemisphere_;  // 0 North, 1 South
    QComboBox* zoneList_;
    QLineEdit* cityBox_;  // the place boxes take any keystroke
    QLineEdit* stateBox_;
    QLineEdit* countryBox_;
    QPushButton* locationButton_;
    QPushButton* readingButton_;
    ClickableLabel* forumBanner_;
    QLabel* introText_;
    ClickableLabel* coBrandOffer_;
    ClickableLabel* fullBrandOffer_;

    QMenu* fileMenu_;
    QAction* readingAction_;
    QAction* exitAction_;

    QScrollArea* scroller_;
    QWidget* content_;
    QBoxLayout* coordinatesRow_;  // longitude beside latitude, or above it on a narrow screen
    QLabel* zoneCheckLabel_;
    QPushButton* suggestedZoneButton_;
    QCompleter* placeCompleter_;
    QStringListModel* placeOffers_;
    std::vector<atlas::Place> offeredPlaces_;  // same order as placeOffers_
    std::optional<atlas::Place> chosenPlace_;
    std::optional<atlas::ZoneMoment> placeMoment_;  // chosenPlace_ at the entered date and time
    std::string placeMomentProblem_;                // why placeMoment_ is empty, for the line
    bool zoneFollowsPlace_ = false;
    std::optional<entry::ZoneRowChoice> suggestedZone_;  // what the one-click fix sets

    // Loaded on a worker thread when the City box first gets the focus, so
    // neither start-up nor the first keystroke waits; the loader is joined
    // before the atlas goes.
    atlas::Atlas atlas_;
    std::jthread atlasLoader_;
};

}  // namespace starwise::gui
