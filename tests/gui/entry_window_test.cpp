// The entry form driven as a user drives it: what it shows when it opens,
// what its boxes take typed or pasted, and its checks with their messages,
// order and focus; places chosen from the City box and the zone that follows
// them; the form on small and scaled screens. The rules themselves are tested
// exhaustively in the core's suites; here a few rows show each one wired to
// the right control.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <memory>

#include "gui/filtered_line_edit.h"
#include "atlas/zone_match.h"
#include "gui/entry_window.h"
#include "gui_test_support.h"
#include "starwise/version.h"

using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

// The name box refuses quietly: its hint beside the box, no message box.
const QString kLetters = QStringLiteral("hint|Please Enter only Letters");
const QString kNumbers = QStringLiteral("error|Only Numbers Are Accepted");

struct Fixture {
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    std::unique_ptr<EntryWindow> form = std::make_unique<EntryWindow>(messages, browser);

    Fixture() {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    template <typename Widget = QWidget>
    Widget* Get(const QString& name) const { return Find<Widget>(form.get(), name); }
};

// A control's state in words: a list's entries and choice, a box's text and
// limit, a button's caption and tick.
QString Describe(const QWidget* widget) {
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        return QStringLiteral("%1 items %2 .. %3, shows #%4 %5%6")
            .arg(list->count())
            .arg(list->itemText(0), list->itemText(list->count() - 1))
            .arg(list->currentIndex())
            .arg(list->currentText(), list->isEditable() ? " (editable)" : "");
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return QStringLiteral("'%1', at most %2").arg(box->text()).arg(box->maxLength());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text() + (button->isCheckable() ? (button->isChecked() ? " [x]" : " [ ]") : "");
    }
    return QStringLiteral("(missing)");
}

// The date and time lists set to "MM-DD-YYYY HH:MM".
void PickMoment(const Fixture& f, const QString& moment) {
    const QStringList parts = moment.split(QRegularExpression(QStringLiteral("[- :]")));
    const QStringList lists{"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM"};
    for (qsizetype i = 0; i < lists.size(); ++i) {
        auto* list = f.Get<QComboBox>(lists[i]);
        list->setCurrentIndex(i == 0 ? parts[0].toInt() - 1 : list->findText(QString::number(parts[i].toInt())));
    }
}

// Opens the zone list and clicks the zone whose text starts with `zone`.
bool PickZone(const Fixture& f, const QString& zone) {
    auto* list = f.Get<QComboBox>("cmbTimeZone");
    const int row = list->findText(zone, Qt::MatchStartsWith);
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (row < 0 || !QTest::qWaitFor([view] { return view->isVisible(); }, 5000)) return false;
    view->scrollTo(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    return list->currentIndex() == row;
}

// Types a city and clicks the first place the City box offers.
bool ChooseFirstOffer(const Fixture& f, const QString& typed, const QString& expectedOffer) {
    FocusAndType(f.Get("txtMCity"), typed);
    QAbstractItemView* popup = f.Get<QCompleter>("cityCompleter")->popup();
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }, 5000)) return false;
    const QModelIndex first = popup->model()->index(0, 0);
    if (first.data().toString() != expectedOffer) {
        qWarning("first offer %s", qPrintable(first.data().toString()));
        return false;
    }
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(first).center());
    return !popup->isVisible();
}

// The zone, the box, and the line beside them, in words.
QString ZoneState(const Fixture& f) {
    const auto* label = f.Get<QLabel>("lblZoneCheck");
    const auto* fix = f.Get<QPushButton>("cmdUseSuggestedZone");
    return f.Get<QComboBox>("cmbTimeZone")->currentText() +
           (f.Get<QCheckBox>("chkDST")->isChecked() ? " [x] | " : " [ ] | ") +
           (label->isVisibleTo(f.form.get()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : "") +
           (fix->isVisibleTo(f.form.get()) ? " | " + fix->text() : "");
}

// The zone of the birth the form hands to the reading, in words.
QString UsedZone(const Fixture& f) {
    const auto birth = f.form->Birth();
    const auto* input = std::get_if<starwise::entry::BirthInput>(&birth);
    return input ? QString::fromStdString(starwise::atlas::ZoneText(input->zone)) : QStringLiteral("(refused)");
}

}  // namespace

class EntryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void loadStateInTabOrder();
    void filters_data();
    void filters();
    void validation_data();
    void validation();
    void locationLookup_data();
    void locationLookup();
    void choosingAPlaceFillsTheForm();
    void zoneFollowsThePlaceUntilSetByHand();
    void disagreementAndItsOneClickFix();
    void daylightSavingCountedTwice();
    void zoneFromThePlace_data();
    void zoneFromThePlace();
    void typedExactOffset();
    void typedCityForgetsThePlace();
    void enterKey();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void formInsideThisScreen();
};

void EntryWindowTest::loadStateInTabOrder() {
    Fixture f;
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Starwise v" STARWISE_VERSION));
    QCOMPARE(FocusName(f.form.get()), QStringLiteral("txtName"));
    // Tab order: the longitude degrees and the zone come after the buttons. A doubled ampersand shows as one "&" and makes no shortcut.
    const QStringList expected{
        "txtName '', at most 32767",
        "cboMonth 12 items January .. December, shows #0 January",
        "cboDate 31 items 1 .. 31, shows #0 1",
        "cboYear 150 items 1901 .. 2050, shows #0 1901",
        "cboHH 24 items 0 .. 23, shows #0 0",
        "cboMM 60 items 0 .. 59, shows #0 0",
        "cboSS 60 items 0 .. 59, shows #0 0",
        "chkDST Daylight Saving Time [ ]",
        "txtLonM '', at most 2",
        "optLong_0 East [x]",
        "optLong_1 West [ ]",
        "txtLatD '', at most 2",
        "txtLatM '', at most 2",
        "optLat_0 North [x]",
        "optLat_1 South [ ]",
        "txtMCity '', at most 32767",
        "txtMState '', at most 32767",
        "txtMCountry '', at most 32767",
        "cmdBrowser Click Here To Find Latitude && Longitude",
        "cmdRashi Get My Starwise Reading",
        "txtLonD '', at most 3",
        "cmbTimeZone 72 items Alaska/Hawaii Daylight Time,AHDT,-9.0 .. Exact UTC offset, shows #29 "
        "Greenwich Mean Time,GMT,0.0",
        "txtUtcOffset '', at most 32767",
        "txtName '', at most 32767"};
    QStringList shown;
    QWidget* widget = f.Get("txtName");
    while (shown.size() < expected.size()) {
        shown << widget->objectName() + QLatin1Char(' ') + Describe(widget);
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(f.form.get()));
    }
    QCOMPARE(shown, expected);
}

void EntryWindowTest::filters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("input");  // keys as Type() takes them, or the pasted text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");  // empty: none
    QTest::newRow("typed name: capitalised, space kept") << "txtName" << "" << "type" << "Mary ann" << "MARY ANN" << "";
    QTest::newRow("typed name: a digit refused") << "txtName" << "" << "type" << "a1" << "A" << kLetters;
    QTest::newRow("typed name: typing goes on after a refusal") << "txtName"
        << "" << "type" << QString::fromUtf8("Jo\u00e3o 2Silva") << QString::fromUtf8("JO\u00c3O SILVA") << "";
    QTest::newRow("typed coordinate: three at most, Backspace") << "txtLonD" << "" << "type" << "1234\b" << "12" << "";
    QTest::newRow("typed coordinate: a letter refused") << "txtLatD" << "" << "type" << "1a8" << "18" << kNumbers;
    QTest::newRow("typed coordinate: Enter refused") << "txtLatM" << "" << "type" << "5\r" << "5" << kNumbers;
    QTest::newRow("typed coordinate: Ctrl+Q refused") << "txtLonM" << "" << "type" << "4\x11" << "4" << kNumbers;
    QTest::newRow("typed city: anything goes") << "txtMCity" << "" << "type" << "St. John's 2" << "St. John's 2" << "";
    QTest::newRow("Ctrl+V name: capitalised") << "txtName" << "" << "ctrl-v" << "Asha Rao" << "ASHA RAO" << "";
    QTest::newRow("Ctrl+V name: a digit refuses it whole") << "txtName"
        << "AB" << "ctrl-v" << "Jo3" << "AB" << kLetters;
    QTest::newRow("Ctrl+V coordinate: cut to what is left") << "txtLonM" << "1" << "ctrl-v" << "23" << "12" << "";
    QTest::newRow("Shift+Insert coordinate: refused whole") << "txtLatD"
        << "" << "shift-insert" << "4.5" << "" << kNumbers;
    QTest::newRow("context menu coordinate: refused") << "txtLatM" << "" << "context-menu" << "3O" << "" << kNumbers;
    QTest::newRow("drop coordinate: digits") << "txtLonD" << "" << "drop" << "77" << "77" << "";
    QTest::newRow("drop name: refused") << "txtName" << "" << "drop" << "r2d2" << "" << kLetters;
    QTest::newRow("drop name: accented") << "txtName"
        << "" << "drop" << QString::fromUtf8("Ren\u00e9e") << QString::fromUtf8("REN\u00c9E") << "";
    QTest::newRow("input method name: capitalised") << "txtName" << "" << "input-method" << "mira" << "MIRA" << "";
}

void EntryWindowTest::filters() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, way);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Fixture f;
    auto* edit = f.Get<QLineEdit>(box);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    edit->setText(before);
    QGuiApplication::clipboard()->setText(input);
    QMimeData data;
    data.setText(input);
    const QPointF at = edit->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QInputMethodEvent commit;
    commit.setCommitString(input);

    if (way == QLatin1String("type")) {
        Type(edit, input);
    } else if (way == QLatin1String("ctrl-v")) {
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (way == QLatin1String("shift-insert")) {
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (way == QLatin1String("context-menu")) {
        const std::unique_ptr<QMenu> menu(qobject_cast<FilteredLineEdit*>(edit)->CreateFilteredContextMenu());
        QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY2(paste, "the edit menu has a Paste item");
        paste->trigger();
    } else if (way == QLatin1String("drop")) {
        QApplication::sendEvent(edit, &enter);
        QApplication::sendEvent(edit, &drop);
    } else {
        QApplication::sendEvent(edit, &commit);
    }
    QCOMPARE(edit->text(), text);
    QStringList shown = f.messages.shown;
    if (const auto* hint = f.Get<QLabel>(QStringLiteral("lblNameHint")); hint && !hint->text().isEmpty()) {
        shown << QStringLiteral("hint|") + hint->text();
    }
    QCOMPARE(shown, message.isEmpty() ? QStringList{} : QStringList{message});
    if (way == QLatin1String("type")) QCOMPARE(QApplication::focusWidget(), edit);  // keys keep landing here
}

void EntryWindowTest::validation_data() {
    QTest::addColumn<QString>("entered");  // name|lonD|lonM|latD|latM|month|day|year
    QTest::addColumn<QString>("message");  // icon|text; empty: the reading goes ahead
    QTest::addColumn<QString>("focus");
    // The checks and their order are the core's (validation_test); a row per
    // box shows it read into its check and given the focus, one the date lists.
    // Rows named "... by File menu" use the menu item instead of the button.
    QTest::newRow("all good, by File menu") << "ASHA|73|51|18|31|Jul|15|1980" << "" << "cboYear";
    QTest::newRow("empty name, by File menu") << "|1|2|3|4|Jan|1|1901" << "error|Please Enter Name" << "txtName";
    QTest::newRow("longitude degrees 180")
        << "A|180|0|0|0|Jan|1|1901" << "error|Please Enter Value Between 0 And 179 in the Degree of Longitude"
        << "txtLonD";
    QTest::newRow("longitude minutes empty")
        << "A|10||0|0|Jan|1|1901" << "error|Please Enter Value Between 0 And 59 in the  Minute of Longitude"
        << "txtLonM";
    QTest::newRow("latitude degrees 90")
        << "A|10|0|90|0|Jan|1|1901" << "error|Please Enter Value Between 0 And 89 in the Degree of Latitude"
        << "txtLatD";
    QTest::newRow("latitude minutes 75")
        << "A|1|0|1|75|Jan|1|1901" << "error|Please Enter Value Between 0 And 59 in the  Minute of Latitude"
        << "txtLatM";
    QTest::newRow("29 February 1901")
        << "A|1|0|1|0|Feb|29|1901" << "information|Please Enter Correct Date Or Month!" << "cmdRashi";
}

void EntryWindowTest::validation() {
    QFETCH(QString, entered);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fixture f;
    const QStringList fields{"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "cboMonth", "cboDate", "cboYear"};
    const QStringList values = entered.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QWidget* control = f.Get(fields[i]);
        FocusAndType(control, values[i]);
        const QString shows = i < 5 ? f.Get<QLineEdit>(fields[i])->text() : f.Get<QComboBox>(fields[i])->currentText();
        QVERIFY2(shows.startsWith(values[i]), qPrintable(fields[i] + " shows " + shows + " after typing " + values[i]));
    }
    QCOMPARE(f.messages.shown, QStringList{});

    QSignalSpy reading(f.form.get(), &EntryWindow::readingRequested);
    if (QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("by File menu"))) {
        QVERIFY(ClickMenuItem(f.form.get(), "mnuNext"));
    } else {
        QTest::mouseClick(f.Get<QPushButton>("cmdRashi"), Qt::LeftButton);
    }
    QCOMPARE(f.messages.shown, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(reading.count(), message.isEmpty() ? 1 : 0);
    QCOMPARE(FocusName(f.form.get()), focus);
}

void EntryWindowTest::locationLookup_data() {
    QTest::addColumn<QString>("place");  // city|state|country
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("opened");
    QTest::newRow("all three, accents and ampersand escaped")
        << "S\u00e3o Paulo|S&P|Brasil" << "" << "cmdBrowser"
        << "https://www.search.example/search?q=S%C3%A3o%20Paulo%20S%26P%20Brasil%20Latitude%20Longitude";
    QTest::newRow("nothing: city first") << "||" << "information|Please Enter City" << "txtMCity" << "";
    QTest::newRow("no state") << "Pune||India" << "information|Please Enter State" << "txtMState" << "";
    QTest::newRow("no country") << "Pune|Maharashtra|" << "information|Please Enter Country" << "txtMCountry" << "";
}

void EntryWindowTest::locationLookup() {
    QFETCH(QString, place);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, opened);
    Fixture f;
    const QStringList parts = place.split(QLatin1Char('|'));
    const QStringList boxes{"txtMCity", "txtMState", "txtMCountry"};
    for (qsizetype i = 0; i < boxes.size(); ++i) FocusAndType(f.Get(boxes[i]), parts[i]);
    QTest::mouseClick(f.Get<QPushButton>("cmdBrowser"), Qt::LeftButton);
    QCOMPARE(f.messages.shown, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(f.browser.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QCOMPARE(FocusName(f.form.get()), focus);
}

void EntryWindowTest::choosingAPlaceFillsTheForm() {
    Fixture f;
    PickMoment(f, "07-15-1980 06:30");
    QVERIFY(ChooseFirstOffer(f, "pune", "Pune, Maharashtra, India"));
    QStringList shown;
    for (const char* name : {"txtMCity", "txtMState", "txtMCountry", "txtLonD", "txtLonM", "optLong_0", "txtLatD",
                             "txtLatM", "optLat_0"}) {
        shown << Describe(f.Get(QString::fromLatin1(name)));
    }
    // GeoNames: Pune 18.51957 N, 73.85535 E.
    QCOMPARE(shown, (QStringList{"'Pune', at most 32767", "'Maharashtra', at most 32767", "'India', at most 32767",
                                 "'73', at most 3", "'51', at most 2", "East [x]", "'18', at most 2",
                                 "'31', at most 2", "North [x]"}));
    QCOMPARE(ZoneState(f), QStringLiteral("Indian Time, IST, +5.3 [ ] | Pune, 15 July 1980 06:30: UTC+5:30, no "
                                          "daylight saving"));
    QCOMPARE(f.messages.shown, QStringList{});
}

void EntryWindowTest::zoneFollowsThePlaceUntilSetByHand() {
    Fixture f;
    PickMoment(f, "01-15-1980 12:00");
    QVERIFY(ChooseFirstOffer(f, "New York", "New York, New York, United States of America"));
    const QString est = QStringLiteral("Eastern Standard Time,EST,-5.0");
    QVERIFY(ZoneState(f).startsWith(est + " [ ] | New York, 15 January 1980 12:00: UTC-5, no daylight saving"));
    PickMoment(f, "07-15-1980 12:00");
    // The database's abbreviation, EDT, names a row.
    QVERIFY2(ZoneState(f).startsWith("Eastern Daylight Time,EDT,-4.0 [ ] | New York, 15 July 1980 12:00: UTC-4, "
                                     "daylight saving in force"),
             qPrintable(ZoneState(f)));
    // The zone set by hand: the next date no longer moves zone or box.
    QVERIFY(PickZone(f, "Central Standard"));
    QTest::mouseClick(f.Get<QCheckBox>("chkDST"), Qt::LeftButton);
    PickMoment(f, "01-16-1980 12:00");
    QVERIFY2(ZoneState(f).startsWith("Central Standard Time,CST,-6.0 [x] | New York, 16 January 1980 12:00: UTC-5"),
             qPrintable(ZoneState(f)));
}

void EntryWindowTest::disagreementAndItsOneClickFix() {
    Fixture f;
    PickMoment(f, "07-15-1980 06:30");
    QVERIFY(ChooseFirstOffer(f, "Pune", "Pune, Maharashtra, India"));
    QVERIFY(PickZone(f, "Greenwich"));
    QCOMPARE(ZoneState(f), QStringLiteral(
        "Greenwich Mean Time,GMT,0.0 [ ] | Pune, 15 July 1980 06:30: UTC+5:30, no daylight saving\n"
        "Greenwich Mean Time without daylight saving gives UTC+0, but the time zone database gives UTC+5:30 (no "
        "daylight saving) for Asia/Kolkata on 15 July 1980 06:30. | Use Indian Time without daylight saving"));
    QTest::mouseClick(f.Get<QPushButton>("cmdUseSuggestedZone"), Qt::LeftButton);
    QCOMPARE(ZoneState(f), QStringLiteral("Indian Time, IST, +5.3 [ ] | Pune, 15 July 1980 06:30: UTC+5:30, no "
                                          "daylight saving"));
    QCOMPARE(f.messages.shown, QStringList{});
}

void EntryWindowTest::daylightSavingCountedTwice() {
    Fixture f;  // no place chosen: the warning needs no atlas
    QVERIFY(PickZone(f, "Eastern Daylight"));
    QCOMPARE(ZoneState(f), QStringLiteral("Eastern Daylight Time,EDT,-4.0 [ ] | "));
    QTest::mouseClick(f.Get<QCheckBox>("chkDST"), Qt::LeftButton);
    QCOMPARE(ZoneState(f), QStringLiteral("Eastern Daylight Time,EDT,-4.0 [x] | Eastern Daylight Time already "
                                          "includes daylight saving; with the daylight-saving box ticked as well "
                                          "it is counted twice."));
}

void EntryWindowTest::zoneFromThePlace_data() {
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("offer");
    QTest::addColumn<QString>("zone");    // ZoneState, then the exact offset box
    QTest::addColumn<QString>("used");    // the zone of the birth handed to the reading
    // tz database: Asia/Kathmandu +5:45 from 1986; Europe/London BDST (+2) in
    // summer 1944 and BST (+1) all year 1968-1971.
    QTest::newRow("Kathmandu 1990: exact offset, nothing chosen by hand")
        << "05-01-1990 12:00" << "Kathmandu" << "Kathmandu, Bagmati Province, Nepal"
        << "Exact UTC offset [ ] | Kathmandu, 1 May 1990 12:00: UTC+5:45, no daylight saving; the reading uses "
           "UTC+5:45 from the time zone database | +05:45"
        << "UTC+5:45 from the time zone database";
    QTest::newRow("London July 1944: the row the abbreviation names")
        << "07-15-1944 12:00" << "London" << "London, England, United Kingdom"
        << "British Double Summer Time,BDST,+2.0 [ ] | London, 15 July 1944 12:00: UTC+2, daylight saving in force | "
        << "British Double Summer Time without daylight saving";
}

void EntryWindowTest::zoneFromThePlace() {
    QFETCH(QString, moment);
    QFETCH(QString, typed);
    QFETCH(QString, offer);
    QFETCH(QString, zone);
    QFETCH(QString, used);
    Fixture f;
    PickMoment(f, moment);
    QVERIFY(ChooseFirstOffer(f, typed, offer));
    QCOMPARE(ZoneState(f) + " | " + f.Get<QLineEdit>("txtUtcOffset")->text(), zone);
    QCOMPARE(f.Get<QCheckBox>("chkDST")->isEnabled(), !zone.startsWith(QLatin1String("Exact")));
    FocusAndType(f.Get("txtName"), QStringLiteral("Asha"));
    QSignalSpy reading(f.form.get(), &EntryWindow::readingRequested);
    QTest::mouseClick(f.Get<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(reading.count(), 1);
    QCOMPARE(f.messages.shown, QStringList{});
    QCOMPARE(UsedZone(f), used);
}

void EntryWindowTest::typedExactOffset() {
    Fixture f;
    for (const auto& [name, text] : {std::pair{"txtName", "Asha"}, {"txtLonD", "85"}, {"txtLonM", "19"},
                                     {"txtLatD", "27"}, {"txtLatM", "42"}}) {
        FocusAndType(f.Get(QString::fromLatin1(name)), QString::fromLatin1(text));
    }
    QSignalSpy reading(f.form.get(), &EntryWindow::readingRequested);
    // Typing in the box chooses the exact offset; half typed it is refused.
    FocusAndType(f.Get("txtUtcOffset"), QStringLiteral("+5:4"));
    QCOMPARE(f.Get<QComboBox>("cmbTimeZone")->currentText(), QStringLiteral("Exact UTC offset"));
    QTest::mouseClick(f.Get<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(f.messages.shown, QStringList{QStringLiteral("error|Please Enter The UTC Offset As +HH:MM Or "
                                                           "+HH:MM:SS, Between -16:00 And +16:00")});
    QCOMPARE(FocusName(f.form.get()), QStringLiteral("txtUtcOffset"));
    QCOMPARE(reading.count(), 0);
    Type(f.Get("txtUtcOffset"), QStringLiteral("5"));
    QCOMPARE(f.form->Values().utcOffsetText, std::string{"+5:45"});
    QCOMPARE(ZoneState(f), QStringLiteral("Exact UTC offset [ ] | "));
    QTest::mouseClick(f.Get<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(reading.count(), 1);
    QCOMPARE(UsedZone(f), QStringLiteral("UTC+5:45 as given"));
    // A row chosen again empties the box.
    QVERIFY(PickZone(f, "Indian"));
    QCOMPARE(f.Get<QLineEdit>("txtUtcOffset")->text(), QString());
}

void EntryWindowTest::typedCityForgetsThePlace() {
    Fixture f;
    PickMoment(f, "07-15-1980 06:30");
    // Where the controls below the zone line are, and the window's size.
    const QStringList below{"txtLonD", "txtLatD", "txtMCity", "cmdBrowser", "cmdRashi", "lblCobrand"};
    const auto layout = [&] {
        QStringList at{QStringLiteral("window %1x%2").arg(f.form->width()).arg(f.form->height())};
        for (const QString& name : below) {
            const QPoint point = f.Get(name)->mapTo(f.form.get(), QPoint(0, 0));
            at << QStringLiteral("%1 %2,%3").arg(name).arg(point.x()).arg(point.y());
        }
        return at;
    };
    const QStringList before = layout();
    QVERIFY(ChooseFirstOffer(f, "Pune", "Pune, Maharashtra, India"));
    QVERIFY(PickZone(f, "Greenwich"));  // a warning of two lines and the fix
    QVERIFY(f.Get<QPushButton>("cmdUseSuggestedZone")->isVisibleTo(f.form.get()));
    QCOMPARE(layout(), before);

    auto* city = f.Get<QLineEdit>("txtMCity");
    city->selectAll();
    FocusAndType(city, QStringLiteral("Toronto"));
    QAbstractItemView* popup = f.Get<QCompleter>("cityCompleter")->popup();
    if (popup->isVisible()) QTest::keyClick(popup, Qt::Key_Escape);
    QStringList cleared;
    for (const char* name : {"txtMState", "txtMCountry", "txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        cleared << f.Get<QLineEdit>(QString::fromLatin1(name))->text();
    }
    QCOMPARE(cleared, QStringList(6, QString()));
    QVERIFY(f.Get<QLabel>("lblPlaceCheck")->text().contains(QLatin1String("coordinates, state and country of Pune")));
    QCOMPARE(ZoneState(f), QStringLiteral("Greenwich Mean Time,GMT,0.0 [ ] | "));
    QCOMPARE(layout(), before);
    FocusAndType(f.Get("txtName"), QStringLiteral("Asha"));
    QSignalSpy reading(f.form.get(), &EntryWindow::readingRequested);
    QTest::mouseClick(f.Get<QPushButton>("cmdRashi"), Qt::LeftButton);
    QCOMPARE(reading.count(), 0);
    QCOMPARE(f.messages.shown,
             QStringList{QStringLiteral("error|Please Enter Value Between 0 And 179 in the Degree of Longitude")});
}

void EntryWindowTest::enterKey() {
    Fixture f;
    PickMoment(f, "07-15-1980 06:30");
    FocusAndType(f.Get("txtName"), QStringLiteral("Asha"));
    // Enter in the open offers chooses the first.
    FocusAndType(f.Get("txtMCity"), QStringLiteral("Pune"));
    QAbstractItemView* popup = f.Get<QCompleter>("cityCompleter")->popup();
    QVERIFY(QTest::qWaitFor([popup] { return popup->isVisible(); }, 5000));
    QTest::keyClick(popup, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(f.Get<QLineEdit>("txtLonD")->text(), QStringLiteral("73"));
    QSignalSpy reading(f.form.get(), &EntryWindow::readingRequested);
    QCOMPARE(reading.count(), 0);
    // Enter on the lookup button is that button's; elsewhere it is the reading's.
    QTest::keyClick(f.Get("cmdBrowser"), Qt::Key_Return);
    QCOMPARE(f.browser.opened.size(), 1);
    QCOMPARE(reading.count(), 0);
    for (const char* name : {"txtMCity", "cboYear", "chkDST", "cmdRashi"}) {
        QWidget* control = f.Get(QString::fromLatin1(name));
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Return);
    }
    QCOMPARE(reading.count(), 4);
    QCOMPARE(f.messages.shown, QStringList{});
}

// Each screen in a process of its own (the offscreen platform reads its
// screens once), running formInsideThisScreen.
void EntryWindowTest::fitsTheScreen_data() {
    QTest::addColumn<QSize>("screen");  // device pixels
    QTest::addColumn<QString>("scale");
    for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) {
        for (const char* scale : {"1", "1.5", "2"}) {
            QTest::addRow("%dx%d at %s", screen.width(), screen.height(), scale) << screen << QString::fromLatin1(scale);
        }
    }
    QTest::newRow("1024x600 at 1") << QSize(1024, 600) << QStringLiteral("1");
}

void EntryWindowTest::fitsTheScreen() {
    QFETCH(QSize, screen);
    QFETCH(QString, scale);
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2, )"
                                R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(screen.width())
                     .arg(screen.height())
                     .toUtf8());
    config.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config.fileName());
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    environment.insert(QStringLiteral("STARWISE_SCREEN_UNDER_TEST"), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("formInsideThisScreen")});
    QVERIFY(child.waitForFinished(90000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                 output.contains(QLatin1String("PASS   : EntryWindowTest::formInsideThisScreen()")),
             qPrintable(output));
}

void EntryWindowTest::formInsideThisScreen() {
    if (qEnvironmentVariableIsEmpty("STARWISE_SCREEN_UNDER_TEST")) QSKIP("runs inside fitsTheScreen");
    Fixture f;
    const QRect screen = f.form->screen()->availableGeometry();
    const auto describe = [&](const QString& what, const QRect& at) {
        return QStringLiteral("%1 at %2,%3 %4x%5 on a screen of %6x%7 logical pixels")
            .arg(what).arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())
            .arg(screen.width()).arg(screen.height());
    };
    QVERIFY2(screen.contains(f.form->frameGeometry()), qPrintable(describe("the form", f.form->frameGeometry())));
    // Every control lies inside the screen, scrolled to when it is not in view.
    auto* scroller = f.Get<QScrollArea>("frmMainScroll");
    const QWidget* viewport = scroller->viewport();
    int controls = 0;
    for (QWidget* control : scroller->widget()->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || qobject_cast<QGroupBox*>(control) || !control->isVisibleTo(f.form.get())) {
            continue;
        }
        ++controls;
        // The whole control, not only a text box's cursor (ensureWidgetVisible).
        const QPoint centre = control->mapTo(scroller->widget(), control->rect().center());
        scroller->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1, control->height() / 2 + 1);
        const QRect at(control->mapToGlobal(QPoint(0, 0)), control->size());
        const QRect shown(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
        QVERIFY2(shown.contains(at) && screen.contains(at), qPrintable(describe(control->objectName(), at)));
        // ... and is not squeezed below its smallest size (the form scrolls instead).
        const QSize smallest = control->minimumSizeHint();
        QVERIFY2(control->width() >= smallest.width() && control->height() >= smallest.height(),
                 qPrintable(describe(control->objectName() + " (smallest " + QString::number(smallest.width()) + "x" +
                                         QString::number(smallest.height()) + ")", at)));
    }
    QVERIFY(controls >= 25);
}

QTEST_MAIN(EntryWindowTest)
#include "entry_window_test.moc"
