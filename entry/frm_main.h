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

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(MessageSink& messages, UrlOpener& browser, QWidget* parent = nullptr);

    // What the controls hold now, as the reading captures it.
    entry::EntryFormValues Values() const;

    // The reading button: runs the checks and, when they pass, asks for a
    // reading (readingRequested). The menu item of the same caption does the
    // same.
    void cmdRashi_Click();

    // The location lookup: checks city, state and country, then opens a web
    // search for the place's coordinates.
    void cmdBrowser_Click();

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

    FilteredLineEdit* txtName;
    QComboBox* cboMonth;
    QComboBox* cboDate;
    QComboBox* cboYear;
    QComboBox* cboHH;
    QComboBox* cboMM;
    QComboBox* cboSS;
    QCheckBox* chkDST;
    FilteredLineEdit* txtLonD;
    FilteredLineEdit* txtLonM;
    std::array<QRadioButton*, 2> optLong;  // 0 East, 1 West
    FilteredLineEdit* txtLatD;
    FilteredLineEdit* txtLatM;
    std::array<QRadioButton*, 2> optLat;  // 0 North, 1 South
    QComboBox* cmbTimeZone;
    QLineEdit* txtMCity;  // the place boxes take any keystroke
    QLineEdit* txtMState;
    QLineEdit* txtMCountry;
    QPushButton* cmdBrowser;
    QPushButton* cmdRashi;
    ClickableLabel* Label61;
    QLabel* Label2;
    ClickableLabel* lblCobrand;
    ClickableLabel* lblFullBrand;

    QMenu* mnuFile;
    QAction* mnuNext;
    QAction* mnuExit;
};

}  // namespace starwise::gui
