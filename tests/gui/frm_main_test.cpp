// The entry form driven as a user drives it: what it shows when it opens,
// the keys and pastes each box accepts, every check with its message, order
// and focus, and the location lookup.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "entry/filtered_line_edit.h"
#include "entry/frm_main.h"
#include "gui_test_support.h"
#include "recorders.h"

using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

struct Fixture {
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    std::unique_ptr<frmMain> form;

    Fixture() : form(std::make_unique<frmMain>(messages, browser)) {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    QLineEdit* Box(const QString& name) const { return Find<QLineEdit>(form.get(), name); }
    QComboBox* List(const QString& name) const { return Find<QComboBox>(form.get(), name); }
    QStringList Shown() const {
        QStringList shown;
        for (const ShownMessage& m : messages.shown) shown << IconName(m.icon) + QLatin1Char('|') + m.text;
        return shown;
    }
};

// Types keys into a box: "\r" is Enter, "\b" Backspace, anything else the
// character itself.
void Type(QWidget* widget, const QString& keys) {
    for (const QChar key : keys) {
        if (key == QLatin1Char('\r')) {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (key == QLatin1Char('\b')) {
            QTest::keyClick(widget, Qt::Key_Backspace);
        } else {
            QTest::keyClick(widget, key.toLatin1());
        }
    }
}

QString FocusName(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndCheckedStateOnLoad_data();
    void captionsAndCheckedStateOnLoad();
    void listsOnLoad_data();
    void listsOnLoad();
    void textBoxesStartEmpty_data();
    void textBoxesStartEmpty();
    void tabOrderFollowsTheDesign();
    void typedKeys_data();
    void typedKeys();
    void controlKeyInCoordinateBoxIsRefused();
    void pastedText_data();
    void pastedText();
    void validation_data();
    void validation();
    void readingFromTheFileMenu();
    void locationLookup_data();
    void locationLookup();
    void closingTheFormAsksToExit_data();
    void closingTheFormAsksToExit();
};

void FrmMainTest::captionsAndCheckedStateOnLoad_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checked");
    QTest::newRow("East selected") << "optLong_0" << "East" << true;
    QTest::newRow("West not selected") << "optLong_1" << "West" << false;
    QTest::newRow("North selected") << "optLat_0" << "North" << true;
    QTest::newRow("South not selected") << "optLat_1" << "South" << false;
    QTest::newRow("daylight saving unticked") << "chkDST" << "Daylight Saving Time" << false;
    QTest::newRow("reading button") << "cmdRashi" << "Get My Starwise Reading" << false;
    // A doubled ampersand shows as one "&" and makes no shortcut.
    QTest::newRow("lookup button") << "cmdBrowser" << "Click Here To Find Latitude && Longitude" << false;
}

void FrmMainTest::captionsAndCheckedStateOnLoad() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(bool, checked);
    Fixture f;
    auto* button = Find<QAbstractButton>(f.form.get(), control);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->isChecked(), checked);
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Starwise v1.15"));
}

void FrmMainTest::listsOnLoad_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("selected");
    QTest::newRow("months") << "cboMonth" << 12 << "January" << "December" << "January";
    QTest::newRow("days 1 to 31 whatever the month") << "cboDate" << 31 << "1" << "31" << "1";
    QTest::newRow("years 1901 to 2050") << "cboYear" << 150 << "1901" << "2050" << "1901";
    QTest::newRow("hours") << "cboHH" << 24 << "0" << "23" << "0";
    QTest::newRow("minutes") << "cboMM" << 60 << "0" << "59" << "0";
    QTest::newRow("seconds") << "cboSS" << 60 << "0" << "59" << "0";
    QTest::newRow("zones, Greenwich chosen") << "cmbTimeZone" << 71 << QString() << QString()
                                             << "Greenwich Mean Time,GMT,0.0";
}

void FrmMainTest::listsOnLoad() {
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, selected);
    Fixture f;
    QComboBox* box = f.List(list);
    QVERIFY(box);
    QVERIFY2(!box->isEditable(), "pick lists take no typing of their own");
    QCOMPARE(box->count(), count);
    if (!first.isEmpty()) QCOMPARE(box->itemText(0), first);
    if (!last.isEmpty()) QCOMPARE(box->itemText(count - 1), last);
    QCOMPARE(box->currentText(), selected);
    if (list == QLatin1String("cmbTimeZone")) QCOMPARE(box->currentIndex(), 29);
}

void FrmMainTest::textBoxesStartEmpty_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("maxLength");
    QTest::newRow("name") << "txtName" << 32767;
    QTest::newRow("longitude degrees") << "txtLonD" << 3;
    QTest::newRow("longitude minutes") << "txtLonM" << 2;
    QTest::newRow("latitude degrees") << "txtLatD" << 2;
    QTest::newRow("latitude minutes") << "txtLatM" << 2;
    QTest::newRow("city") << "txtMCity" << 32767;
    QTest::newRow("state") << "txtMState" << 32767;
    QTest::newRow("country") << "txtMCountry" << 32767;
}

void FrmMainTest::textBoxesStartEmpty() {
    QFETCH(QString, box);
    QFETCH(int, maxLength);
    Fixture f;
    QLineEdit* edit = f.Box(box);
    QVERIFY(edit);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->maxLength(), maxLength);
}

void FrmMainTest::tabOrderFollowsTheDesign() {
    Fixture f;
    const QStringList expected{
        "txtName",  "cboMonth", "cboDate",   "cboYear",   "cboHH",    "cboMM",    "cboSS",     "chkDST",
        "txtLonM",  "optLong_0", "optLong_1", "txtLatD",  "txtLatM",  "optLat_0", "optLat_1",  "txtMCity",
        "txtMState", "txtMCountry", "cmdBrowser", "cmdRashi", "txtLonD", "cmbTimeZone", "txtName"};
    // The chain as the form sets it up.
    QStringList chain{QStringLiteral("txtName")};
    QWidget* widget = f.Box("txtName");
    for (int i = 1; i < expected.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(f.form.get()));
        chain << widget->objectName();
    }
    QCOMPARE(chain, expected);

    // And as the Tab key walks it. Qt steps over the unselected button of an
    // East/West or North/South pair (arrow keys move within the pair).
    QStringList walked;
    f.Box("txtName")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < expected.size() - 3; ++i) {
        walked << FocusName(f.form.get());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList reachable = expected;
    reachable.removeAll(QStringLiteral("optLong_1"));
    reachable.removeAll(QStringLiteral("optLat_1"));
    QCOMPARE(walked, reachable.mid(0, walked.size()));
}

void FrmMainTest::typedKeys_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    const QString letters = QStringLiteral("information|Please Enter only Letters");
    const QString numbers = QStringLiteral("error|Only Numbers Are Accepted");
    QTest::newRow("name: lower case comes out capital") << "txtName" << "asha" << "ASHA" << QStringList{};
    QTest::newRow("name: capitals and a space pass") << "txtName" << "Mary Ann" << "MARY ANN" << QStringList{};
    QTest::newRow("name: a digit is refused") << "txtName" << "a1" << "A" << QStringList{letters};
    QTest::newRow("name: each refused key speaks once") << "txtName" << "o'k-" << "OK" << QStringList{letters, letters};
    QTest::newRow("name: Enter passes silently") << "txtName" << "ab\r" << "AB" << QStringList{};
    QTest::newRow("name: Backspace deletes") << "txtName" << "abc\b" << "AB" << QStringList{};
    QTest::newRow("longitude degrees: digits") << "txtLonD" << "179" << "179" << QStringList{};
    QTest::newRow("longitude degrees: three at most") << "txtLonD" << "1234" << "123" << QStringList{};
    QTest::newRow("longitude minutes: two at most") << "txtLonM" << "596" << "59" << QStringList{};
    QTest::newRow("latitude degrees: a letter is refused") << "txtLatD" << "1a8" << "18" << QStringList{numbers};
    QTest::newRow("latitude minutes: Enter is refused") << "txtLatM" << "5\r" << "5" << QStringList{numbers};
    QTest::newRow("latitude minutes: a space is refused") << "txtLatM" << "1 2" << "12" << QStringList{numbers};
    QTest::newRow("longitude minutes: minus sign is refused") << "txtLonM" << "-5" << "5" << QStringList{numbers};
    QTest::newRow("longitude degrees: Backspace passes") << "txtLonD" << "12\b" << "1" << QStringList{};
    QTest::newRow("city takes anything") << "txtMCity" << "St. John's 2" << "St. John's 2" << QStringList{};
}

void FrmMainTest::typedKeys() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    Fixture f;
    QLineEdit* edit = f.Box(box);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    Type(edit, keys);
    QCOMPARE(edit->text(), text);
    QCOMPARE(f.Shown(), messages);
}

void FrmMainTest::controlKeyInCoordinateBoxIsRefused() {
    Fixture f;
    QLineEdit* edit = f.Box("txtLonM");
    edit->setFocus(Qt::TabFocusReason);
    Type(edit, "4");
    QTest::keyClick(edit, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("4"));
    QCOMPARE(f.Shown(), QStringList{"error|Only Numbers Are Accepted"});
}

void FrmMainTest::pastedText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    const QString letters = QStringLiteral("information|Please Enter only Letters");
    const QString numbers = QStringLiteral("error|Only Numbers Are Accepted");
    QTest::newRow("Ctrl+V name: letters capitalised") << "txtName" << "" << "ctrl-v" << "Asha Rao" << "ASHA RAO"
                                                      << QStringList{};
    QTest::newRow("Ctrl+V name: a digit refuses the whole paste") << "txtName" << "AB" << "ctrl-v" << "Jo3"
                                                                  << "AB" << QStringList{letters};
    QTest::newRow("Shift+Insert name: punctuation refused") << "txtName" << "" << "shift-insert" << "O'Neil" << ""
                                                            << QStringList{letters};
    QTest::newRow("Ctrl+V coordinate: digits") << "txtLatD" << "" << "ctrl-v" << "45" << "45" << QStringList{};
    QTest::newRow("Ctrl+V coordinate: decimal point refused whole") << "txtLatD" << "" << "ctrl-v" << "4.5" << ""
                                                                    << QStringList{numbers};
    QTest::newRow("Ctrl+V coordinate: spaces refused whole") << "txtLonM" << "" << "ctrl-v" << " 12" << ""
                                                             << QStringList{numbers};
    QTest::newRow("Ctrl+V coordinate: cut to three") << "txtLonD" << "" << "ctrl-v" << "12345" << "123"
                                                     << QStringList{};
    QTest::newRow("Ctrl+V coordinate: cut to what is left") << "txtLonM" << "1" << "ctrl-v" << "23" << "12"
                                                            << QStringList{};
    QTest::newRow("context menu name: capitalised") << "txtName" << "" << "context-menu" << "ravi" << "RAVI"
                                                    << QStringList{};
    QTest::newRow("context menu coordinate: letters refused") << "txtLatM" << "" << "context-menu" << "3O" << ""
                                                              << QStringList{numbers};
    QTest::newRow("drop coordinate: digits") << "txtLonD" << "" << "drop" << "77" << "77" << QStringList{};
    QTest::newRow("drop coordinate: minus refused") << "txtLonD" << "" << "drop" << "-77" << ""
                                                    << QStringList{numbers};
    QTest::newRow("drop name: capitalised") << "txtName" << "" << "drop" << "lee" << "LEE" << QStringList{};
    QTest::newRow("drop name: digits refused") << "txtName" << "" << "drop" << "r2d2" << ""
                                               << QStringList{letters};
    QTest::newRow("input method name: capitalised") << "txtName" << "" << "input-method" << "mira" << "MIRA"
                                                    << QStringList{};
    QTest::newRow("input method coordinate: refused") << "txtLatD" << "" << "input-method" << "x" << ""
                                                      << QStringList{numbers};
}

void FrmMainTest::pastedText() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, way);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    Fixture f;
    auto* edit = Find<FilteredLineEdit>(f.form.get(), box);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    edit->setText(before);
    edit->end(false);
    QGuiApplication::clipboard()->setText(pasted);

    if (way == QLatin1String("ctrl-v")) {
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (way == QLatin1String("shift-insert")) {
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (way == QLatin1String("context-menu")) {
        const std::unique_ptr<QMenu> menu(edit->CreateFilteredContextMenu());
        QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY2(paste, "the edit menu has a Paste item");
        paste->trigger();
    } else if (way == QLatin1String("drop")) {
        QMimeData data;
        data.setText(pasted);
        const QPointF at = edit->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &drop);
    } else if (way == QLatin1String("input-method")) {
        QInputMethodEvent commit;
        commit.setCommitString(pasted);
        QApplication::sendEvent(edit, &commit);
    } else {
        QFAIL("unknown way of pasting");
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(f.Shown(), messages);
}

void FrmMainTest::validation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lonD");
    QTest::addColumn<QString>("lonM");
    QTest::addColumn<QString>("latD");
    QTest::addColumn<QString>("latM");
    QTest::addColumn<QString>("month");  // typed into the month list
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");  // icon|text, empty when the reading goes ahead
    QTest::addColumn<QString>("focus");    // where the focus is afterwards

    const QString name = QStringLiteral("error|Please Enter Name");
    const QString lonD = QStringLiteral("error|Please Enter Value Between 0 And 179 in the Degree of Longitude");
    const QString lonM = QStringLiteral("error|Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    const QString latD = QStringLiteral("error|Please Enter Value Between 0 And 89 in the Degree of Latitude");
    const QString latM = QStringLiteral("error|Please Enter Value Between 0 And 59 in the  Minute of Latitude");
    const QString february = QStringLiteral("information|Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("information|Please Enter Correct Date Or Month !");

    // name, lonD, lonM, latD, latM, month, day, year
    QTest::newRow("all good") << "ASHA" << "73" << "51" << "18" << "31" << "Jul" << "15" << "1980" << "" << "cmdRashi";
    QTest::newRow("empty name") << "" << "73" << "51" << "18" << "31" << "Jul" << "15" << "1980" << name << "txtName";
    QTest::newRow("all-spaces name") << "   " << "73" << "51" << "18" << "31" << "Jul" << "15" << "1980" << name
                                     << "txtName";
    QTest::newRow("empty name before bad longitude") << "" << "180" << "51" << "18" << "31" << "Jul" << "15" << "1980"
                                                     << name << "txtName";
    QTest::newRow("longitude 180") << "A" << "180" << "0" << "0" << "0" << "Jan" << "1" << "1901" << lonD << "txtLonD";
    QTest::newRow("longitude 179") << "A" << "179" << "0" << "0" << "0" << "Jan" << "1" << "1901" << "" << "cmdRashi";
    QTest::newRow("longitude 0") << "A" << "0" << "0" << "0" << "0" << "Jan" << "1" << "1901" << "" << "cmdRashi";
    QTest::newRow("longitude empty") << "A" << "" << "0" << "0" << "0" << "Jan" << "1" << "1901" << lonD << "txtLonD";
    QTest::newRow("longitude minutes 60") << "A" << "10" << "60" << "0" << "0" << "Jan" << "1" << "1901" << lonM
                                          << "txtLonM";
    QTest::newRow("longitude minutes 59") << "A" << "10" << "59" << "0" << "0" << "Jan" << "1" << "1901" << ""
                                          << "cmdRashi";
    QTest::newRow("longitude minutes empty") << "A" << "10" << "" << "0" << "0" << "Jan" << "1" << "1901" << lonM
                                             << "txtLonM";
    QTest::newRow("latitude 90") << "A" << "10" << "0" << "90" << "0" << "Jan" << "1" << "1901" << latD << "txtLatD";
    QTest::newRow("latitude 89") << "A" << "10" << "0" << "89" << "0" << "Jan" << "1" << "1901" << "" << "cmdRashi";
    QTest::newRow("latitude minutes 60") << "A" << "10" << "0" << "10" << "60" << "Jan" << "1" << "1901" << latM
                                         << "txtLatM";
    QTest::newRow("latitude minutes empty") << "A" << "10" << "0" << "10" << "" << "Jan" << "1" << "1901" << latM
                                            << "txtLatM";
    QTest::newRow("bad longitude before bad latitude") << "A" << "200" << "0" << "95" << "0" << "Jan" << "1" << "1901"
                                                       << lonD << "txtLonD";
    QTest::newRow("29 February 1904 (leap)") << "A" << "1" << "0" << "1" << "0" << "Feb" << "29" << "1904" << ""
                                             << "cmdRashi";
    QTest::newRow("29 February 1901") << "A" << "1" << "0" << "1" << "0" << "Feb" << "29" << "1901" << february
                                      << "cmdRashi";
    QTest::newRow("30 February 1904") << "A" << "1" << "0" << "1" << "0" << "Feb" << "30" << "1904" << february
                                      << "cmdRashi";
    QTest::newRow("31 February 2000") << "A" << "1" << "0" << "1" << "0" << "Feb" << "31" << "2000" << february
                                      << "cmdRashi";
    QTest::newRow("28 February 1901") << "A" << "1" << "0" << "1" << "0" << "Feb" << "28" << "1901" << ""
                                      << "cmdRashi";
    QTest::newRow("31 April") << "A" << "1" << "0" << "1" << "0" << "Apr" << "31" << "1990" << thirty << "cmdRashi";
    QTest::newRow("31 November") << "A" << "1" << "0" << "1" << "0" << "Nov" << "31" << "1990" << thirty
                                 << "cmdRashi";
    QTest::newRow("31 March") << "A" << "1" << "0" << "1" << "0" << "Mar" << "31" << "1990" << "" << "cmdRashi";
    QTest::newRow("30 June") << "A" << "1" << "0" << "1" << "0" << "Jun" << "30" << "1990" << "" << "cmdRashi";
    QTest::newRow("bad minutes before a bad date") << "A" << "1" << "0" << "1" << "75" << "Apr" << "31" << "1990"
                                                   << latM << "txtLatM";
}

void FrmMainTest::validation() {
    QFETCH(QString, name);
    QFETCH(QString, lonD);
    QFETCH(QString, lonM);
    QFETCH(QString, latD);
    QFETCH(QString, latM);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fixture f;
    const std::pair<const char*, QString> boxes[] = {
        {"txtName", name}, {"txtLonD", lonD}, {"txtLonM", lonM}, {"txtLatD", latD}, {"txtLatM", latM}};
    for (const auto& [box, text] : boxes) {
        f.Box(QString::fromLatin1(box))->setFocus(Qt::TabFocusReason);
        Type(f.Box(QString::fromLatin1(box)), text);
        QCOMPARE(f.Box(QString::fromLatin1(box))->text(), text);
    }
    const std::pair<const char*, QString> lists[] = {{"cboMonth", month}, {"cboDate", day}, {"cboYear", year}};
    for (const auto& [list, text] : lists) {
        TypeIntoList(f.List(QString::fromLatin1(list)), text);
        QVERIFY2(f.List(QString::fromLatin1(list))->currentText().startsWith(text),
                 qPrintable(QStringLiteral("%1 shows %2 after typing %3")
                                .arg(QLatin1String(list), f.List(QString::fromLatin1(list))->currentText(), text)));
    }
    QCOMPARE(f.Shown(), QStringList{});

    QSignalSpy reading(f.form.get(), &frmMain::readingRequested);
    QTest::mouseClick(Find<QPushButton>(f.form.get(), "cmdRashi"), Qt::LeftButton);
    QCOMPARE(f.Shown(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(reading.count(), message.isEmpty() ? 1 : 0);
    QCOMPARE(FocusName(f.form.get()), focus);
}

void FrmMainTest::readingFromTheFileMenu() {
    Fixture f;
    QSignalSpy reading(f.form.get(), &frmMain::readingRequested);
    // Empty name: the menu item runs the same checks as the button.
    QVERIFY(ClickMenuItem(f.form.get(), "mnuFile", "mnuNext"));
    QCOMPARE(f.Shown(), QStringList{"error|Please Enter Name"});
    QCOMPARE(reading.count(), 0);
    QCOMPARE(FocusName(f.form.get()), QStringLiteral("txtName"));

    const std::pair<const char*, const char*> boxes[] = {
        {"txtName", "A"}, {"txtLonD", "1"}, {"txtLonM", "2"}, {"txtLatD", "3"}, {"txtLatM", "4"}};
    for (const auto& [box, text] : boxes) Type(f.Box(QString::fromLatin1(box)), QString::fromLatin1(text));
    QVERIFY(ClickMenuItem(f.form.get(), "mnuFile", "mnuNext"));
    QCOMPARE(reading.count(), 1);
    QCOMPARE(f.messages.shown.size(), std::size_t{1});
}

void FrmMainTest::locationLookup_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("opened");
    QTest::newRow("all three given") << "Pune" << "Maharashtra" << "India" << "" << "cmdBrowser"
                                     << "https://www.search.example/search?q=Pune%20Maharashtra%20India%20Latitude"
                                        "%20Longitude";
    QTest::newRow("no city") << "" << "Maharashtra" << "India" << "information|Please Enter City" << "txtMCity" << "";
    QTest::newRow("city but no state") << "Pune" << "" << "India" << "information|Please Enter State" << "txtMState"
                                       << "";
    QTest::newRow("no country") << "Pune" << "Maharashtra" << "" << "information|Please Enter Country"
                                << "txtMCountry" << "";
    QTest::newRow("nothing: city first") << "" << "" << "" << "information|Please Enter City" << "txtMCity" << "";
    QTest::newRow("spaces count as a city") << " " << "Goa" << "India" << "" << "cmdBrowser"
                                            << "https://www.search.example/search?q=%20%20Goa%20India%20Latitude"
                                               "%20Longitude";
    QTest::newRow("accents and ampersand escaped") << "S\u00e3o Paulo" << "S&P" << "Brasil" << "" << "cmdBrowser"
                                                   << "https://www.search.example/search?q=S%C3%A3o%20Paulo%20S%26P"
                                                      "%20Brasil%20Latitude%20Longitude";
}

void FrmMainTest::locationLookup() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, opened);
    Fixture f;
    for (const auto& [box, text] : {std::pair{"txtMCity", city}, std::pair{"txtMState", state},
                                    std::pair{"txtMCountry", country}}) {
        QLineEdit* edit = f.Box(QString::fromLatin1(box));
        edit->setFocus(Qt::TabFocusReason);
        TypeText(edit, text);
        QCOMPARE(edit->text(), text);
    }
    QTest::mouseClick(Find<QPushButton>(f.form.get(), "cmdBrowser"), Qt::LeftButton);
    QCOMPARE(f.Shown(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(f.browser.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QCOMPARE(FocusName(f.form.get()), focus);
    // The lookup never touches the coordinates.
    for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        QCOMPARE(f.Box(QString::fromLatin1(box))->text(), QString());
    }
}

void FrmMainTest::closingTheFormAsksToExit_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("close box") << "close";
    QTest::newRow("File > Exit") << "menu";
}

void FrmMainTest::closingTheFormAsksToExit() {
    QFETCH(QString, way);
    Fixture f;
    QSignalSpy exit(f.form.get(), &frmMain::exitRequested);
    if (way == QLatin1String("menu")) {
        QVERIFY(ClickMenuItem(f.form.get(), "mnuFile", "mnuExit"));
    } else {
        QVERIFY(f.form->close());
    }
    QCOMPARE(exit.count(), 1);
    QVERIFY(!f.form->isVisible());
}

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
