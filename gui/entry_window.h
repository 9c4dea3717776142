// The birth-data entry form: the user's only input. It fills its lists when
// built, filters what is typed or pasted, runs the checks before a reading
// and the location lookup, and asks the application for a reading.
#pragma once

#include <QMainWindow>
#include <array>

#include "entry/entry_form.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

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

signals:
    void readingRequested();
    void aboutRequested();
    // The form was closed (close box or File > Exit): the program ends.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    QWidget* createBanner();
    QWidget* createInputs();
    QWidget* createOffers();
    void setTabOrder();
    void fillLists();

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
};

}  // namespace starwise::gui
