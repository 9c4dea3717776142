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
#include <variant>
#include <vector>

#include "atlas/place_zone_state.h"
#include "atlas/places.h"
#include "entry/birth_input.h"
#include "entry/entry_form.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QCompleter;
class QKeyEvent;
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

    // What the controls hold now.
    entry::EntryFormValues Values() const;

    // The birth the controls hold, as a reading takes it: the form's adapter
    // (entry::BirthInputOfForm) completed by the place-and-zone state with
    // the chosen place's label and its exact offset's source; or the
    // message that refuses the form.
    std::variant<entry::BirthInput, entry::FormMessage> Birth() const;

    // The reading button: runs the checks and, when they pass, asks for a
    // reading (readingRequested). The menu item of the same caption does the
    // same.
    void requestReading();

    // The location lookup: checks city, state and country, then opens a web
    // search for the place's coordinates.
    void lookUpLocation();

    // What choosing a place offered by the City box does: fills city, state,
    // country, latitude and longitude (nearest whole minute), and from then
    // on sets the zone and the daylight-saving box (or the exact offset)
    // from the tz database for the entered date and time, until the user
    // sets either by hand.
    void choosePlace(const atlas::Place& place);
    // Fills the coordinate boxes to the nearest whole minute (degrees, north and east positive).
    void showCoordinates(double latitudeDeg, double longitudeDeg);

    // Fills the controls with a saved birth: name, date, time, coordinates to
    // the nearest minute, the zone row and box or the exact offset, and city,
    // state and country from the place label. No place is chosen: the zone
    // is as saved, set by hand.
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
    // Enter asks for the reading, as the form's default button; keys that a
    // control takes for itself (a focused button, an open list) never get
    // here.
    void keyPressEvent(QKeyEvent* event) override;

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
    QMargins frameAllowance() const;
    // The window size that shows the whole form, at most room (scroll bars
    // included when it does not fit).
    QSize sizeWithin(const QSize& room);

    // Places for the City box's text, offered in its pop-up list.
    void offerPlaces(const QString& typed);
    void placeOfferChosen(const QModelIndex& index);
    // Enter in the open offers: the offer under the cursor, else the first.
    void chooseOfferOnEnter();
    // Events of the place and zone, forwarded to placeZone_: the City box
    // edited by the user, the date or time changed, the zone list or the box
    // set by hand, the exact offset typed.
    void cityEdited(const QString& typed);
    void birthMomentChanged();
    void zoneListChosen(int position);
    void daylightSavingClicked(bool ticked);
    void exactOffsetEdited(const QString& typed);
    // Clears what choosing the place filled in and still holds: state,
    // country and coordinates.
    void clearFilledIn(const atlas::Place& place);
    // Shows placeZone_: the zone list and box or the exact offset, the line
    // beside the zone with its fix, the note beside the City box.
    void showPlaceAndZone();
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
    QLineEdit* utcOffsetBox_;
    QLabel* zoneCheckLabel_;
    QPushButton* suggestedZoneButton_;
    QLabel* placeNoteLabel_;
    QCompleter* placeCompleter_;
    QStringListModel* placeOffers_;
    std::vector<atlas::Place> offeredPlaces_;  // same order as placeOffers_
    // The chosen place, its moment and the zone: the controls show it.
    atlas::PlaceZoneState placeZone_;

    // Loaded on a worker thread when the City box first gets the focus, so
    // neither start-up nor the first keystroke waits; the loader is joined
    // before the atlas goes.
    atlas::Atlas atlas_;
    std::jthread atlasLoader_;
};

}  // namespace starwise::gui
