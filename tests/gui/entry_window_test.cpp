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
#include "gui/entry_window.h"
#include "gui_test_support.h"
#include "starwise/version.h"

using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

const QString kLetters = QStringLiteral("information|Please Enter only Letters");
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
        "cmbTimeZone 71 items Alaska/Hawaii Daylight Time,AHDT,-9.0 .. Yukon War Time,YWT,-8.0, shows #29 "
        "Greenwich Mean Time,GMT,0.0",
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
    QTest::newRow("typed name: Enter silent, Backspace deletes") << "txtName"
        << "" << "type" << "abc\r\b" << "AB" << "";
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
    QCOMPARE(f.messages.shown, message.isEmpty() ? QStringList{} : QStringList{message});
}

void EntryWindowTest::validation_data() {
    QTest::addColumn<QString>("entered");  // name|lonD|lonM|latD|latM|month|day|year
    QTest::addColumn<QString>("message");  // icon|text; empty: the reading goes ahead
    QTest::addColumn<QString>("focus");
    const QString february = QStringLiteral("information|Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("information|Please Enter Correct Date Or Month !");
    // Rows named "... by File menu" use the menu item instead of the button.
    QTest::newRow("all good") << "ASHA|73|51|18|31|Jul|15|1980" << "" << "cmdRashi";
    QTest::newRow("all good, by File menu") << "ASHA|73|51|18|31|Jul|15|1980" << "" << "cboYear";
    QTest::newRow("empty name, before a bad longitude")
        << "|180|51|18|31|Jul|15|1980" << "error|Please Enter Name" << "txtName";
    QTest::newRow("empty name, by File menu") << "|1|2|3|4|Jan|1|1901" << "error|Please Enter Name" << "txtName";
    QTest::newRow("longitude degrees 180, before a bad latitude")
        << "A|180|0|95|0|Jan|1|1901" << "error|Please Enter Value Between 0 And 179 in the Degree of Longitude"
        << "txtLonD";
    QTest::newRow("longitude minutes empty")
        << "A|10||0|0|Jan|1|1901" << "error|Please Enter Value Between 0 And 59 in the  Minute of Longitude"
        << "txtLonM";
    QTest::newRow("latitude degrees 90")
        << "A|10|0|90|0|Jan|1|1901" << "error|Please Enter Value Between 0 And 89 in the Degree of Latitude"
        << "txtLatD";
    QTest::newRow("latitude minutes 75, before a bad date")
        << "A|1|0|1|75|Apr|31|1990" << "error|Please Enter Value Between 0 And 59 in the  Minute of Latitude"
        << "txtLatM";
    QTest::newRow("29 February in a leap year") << "A|1|0|1|0|Feb|29|1904" << "" << "cmdRashi";
    QTest::newRow("29 February 1901") << "A|1|0|1|0|Feb|29|1901" << february << "cmdRashi";
    QTest::newRow("30 February 1904") << "A|1|0|1|0|Feb|30|1904" << february << "cmdRashi";
    QTest::newRow("31 April") << "A|1|0|1|0|Apr|31|1990" << thirty << "cmdRashi";
    QTest::newRow("30 June") << "A|1|0|1|0|Jun|30|1990" << "" << "cmdRashi";
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
    QVERIFY2(ZoneState(f).startsWith(est + " [x] | New York, 15 July 1980 12:00: UTC-4, daylight saving in force"),
             qPrintable(ZoneState(f)));
    // The zone set by hand: the next date no longer moves zone or box.
    QVERIFY(PickZone(f, "Central Standard"));
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
