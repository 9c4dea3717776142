// The whole program driven as a user drives it: a reading from the button to
// the report window, Back and a second reading, every way out, the about
// box's modality, the second-copy refusal, and every link of every window
// (the Help menus, built by one function for both, in full once).
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "gui/entry_window.h"
#include "gui_test_support.h"
#include "gui/report_window.h"
#include "reading/report_fields.h"
#include "entry/form_input.h"
#include "reading/reading.h"
#include "reading/sun_sign.h"
#include "gui/application.h"
#include "gui/clickable_label.h"
#include "gui/about_box.h"
#include "gui/chart_wheel.h"
#include "gui/frame_window.h"
#include "gui/single_instance.h"

using namespace starwise;
using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

// name|month|day|year|hour|lonD|lonM|latD|latM, as typed.
const QString kPune = QStringLiteral("ASHA|Jul|15|1980|6|73|51|18|31");

// A running program: its lock in a folder of its own, recorders for the
// message box and the browser.
struct Program {
    QTemporaryDir folder;
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    SingleInstanceGuard guard{folder.filePath(QStringLiteral("starwise.lock"))};
    Application app{messages, browser};

    Program() {
        QVERIFY(app.Start(guard));
        QVERIFY(QTest::qWaitForWindowExposed(app.EntryForm()));
    }
    EntryWindow* Form() const { return app.EntryForm(); }

    // Fills the form from the keyboard, presses the reading button and
    // returns the frame it brings up.
    FrameWindow* Read(const QString& person) {
        const QStringList fields{"txtName", "cboMonth", "cboDate", "cboYear", "cboHH",
                                 "txtLonD", "txtLonM",  "txtLatD", "txtLatM"};
        const QStringList values = person.split(QLatin1Char('|'));
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QWidget* control = Find<QWidget>(Form(), fields[i]);
            if (auto* box = qobject_cast<QLineEdit*>(control)) box->clear();
            FocusAndType(control, values[i]);
        }
        QTest::mouseClick(Find<QPushButton>(Form(), "cmdRashi"), Qt::LeftButton);
        if (app.Frame()) (void)QTest::qWaitForWindowExposed(app.Frame());
        return app.Frame();
    }
};

void FinishDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The rich-text box as runs "format|text": a run per change of format, a
// line break joining whichever run is open.
void Add(QStringList& runs, QString& open, QChar c, const QString& format) {
    if (c != QLatin1Char('\n') && format != open) {
        runs << format + QLatin1Char('|');
        open = format;
    }
    if (runs.isEmpty()) runs << QStringLiteral("|");
    runs.last() += c;
}

QString Format(bool bold, const QString& colour, double points) {
    return QStringLiteral("%1 %2 %3pt").arg(bold ? "bold" : "normal", colour, QString::number(points, 'f', 2));
}

QStringList ShownRuns(const QTextDocument& document) {
    QStringList runs;
    QString open;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) Add(runs, open, QLatin1Char('\n'), {});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString key = Format(format.fontWeight() >= QFont::Bold, format.foreground().color().name(),
                                       format.fontPointSize());
            for (const QChar c : it.fragment().text()) Add(runs, open, c, key);
        }
    }
    return runs;
}

// The running text as it should show: each kind's weight and colour, the
// blocks as plain text with "\n" breaks, a heading's size holding for what follows (8.25 points
// before the first), every size times the report's scale.
QStringList ExpectedRuns(const std::vector<reading::ReportBlock>& pieces, double scale) {
    struct Look { reading::BlockKind kind; bool bold; const char* colour; double size; };
    const Look kLooks[] = {
        {reading::BlockKind::SectionHeading, true, "#008000", 11}, {reading::BlockKind::BodyTitle, true, "#800000", 0},
        {reading::BlockKind::AlternateBodyTitle, true, "#0000ff", 0}, {reading::BlockKind::LeadIn, true, "#800000", 0},
        {reading::BlockKind::List, true, "#000000", 0}, {reading::BlockKind::Paragraph, false, "#000000", 0},
    };
    QStringList runs;
    QString open;
    double size = 8.25;
    for (const reading::ReportBlock& piece : pieces) {
        const Look& look = *std::find_if(std::begin(kLooks), std::end(kLooks),
                                         [&](const Look& l) { return l.kind == piece.kind; });
        if (look.size > 0) size = look.size;
        const QString key = Format(look.bold, look.colour, size * scale);
        std::string plain;
        reading::AppendPlainText(piece, "\n", plain);
        const QString text = QString::fromStdString(plain);
        for (const QChar c : text) Add(runs, open, c, key);
    }
    return runs;
}

QString ShownIn(const QWidget* frame, const QString& name) {
    if (const auto* label = frame->findChild<QLabel*>(name)) return label->text();
    if (const auto* box = frame->findChild<QPlainTextEdit*>(name)) return box->toPlainText();
    return QStringLiteral("(no control %1)").arg(name);
}

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The frame shows exactly the core's reading of the form as it stands.
void CheckReport(const FrameWindow* frame, const EntryWindow* form) {
    const reading::Reading r = reading::RunReading(std::get<entry::BirthInput>(form->Birth()));
    QVERIFY2(r.failures.empty() && r.sunSignProfile && r.nodeRow, "a whole reading");
    // Which part each field reads is checked against the parts themselves by
    // reading_document_test (the HTML walks the same table).
    for (const reading::ReportField& field : reading::kReportFields) {
        if (field.kind != reading::FieldKind::Picture) QCOMPARE(ShownIn(frame, Q(field.control)), Q(field.read(r)));
    }
    // Whose reading it is: the name in the titles of the frame and the report.
    const QWidget* report = frame->Report();
    for (const QWidget* window : {static_cast<const QWidget*>(frame), report}) {
        QVERIFY2(window->windowTitle().startsWith(Q(r.birth.name) + " - "), qPrintable(window->windowTitle()));
    }
    QCOMPARE(Find<QGroupBox>(frame, "Frame4")->title(),
             r.sunCusp ? Q(reading::SunCuspLine(*r.sunCusp)) : QString());
    const auto* box = Find<QTextEdit>(frame, "RTBHouseDesc");
    QCOMPARE(ShownRuns(*box->document()), ExpectedRuns(r.RunningText(), frame->Report()->Scale()));
    QCOMPARE(box->textCursor().position(), 0);  // shown from its beginning
    QCOMPARE(Find<QTabWidget>(frame, "SSTab1")->currentIndex(), 1);
    // The Chart tab's wheel: the chart's Ascendant and its twelve points.
    const auto* wheel = Find<ChartWheelWidget>(frame, "wheelChart");
    QCOMPARE(wheel->chart().ascendantDeg, r.chart->bodies[engine::kAscendant].longitudeDeg);
    QCOMPARE(wheel->chart().points.size(), std::size_t{12});
}

// What the form's boxes and lists hold.
QString FormText(const EntryWindow* form) {
    QStringList held;
    for (const QLineEdit* box : form->findChildren<QLineEdit*>()) held << box->objectName() + '=' + box->text();
    for (const QComboBox* list : form->findChildren<QComboBox*>()) {
        held << list->objectName() + '=' + list->currentText();
    }
    return held.join(QLatin1Char(' '));
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void readingFromButtonToReport_data();
    void readingFromButtonToReport();
    void backKeepsTheFormAndTheNextReportStartsEmpty_data();
    void backKeepsTheFormAndTheNextReportStartsEmpty();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();
    void aboutBoxBlocksBothWindows_data();
    void aboutBoxBlocksBothWindows();
    void secondCopyIsRefused();
    void eachLinkOpensItsAddressOnce_data();
    void eachLinkOpensItsAddressOnce();
    void frameLayoutFollowsTheScreen_data();
    void frameLayoutFollowsTheScreen();
    void reportScaleFitsTheWorkspace_data();
    void reportScaleFitsTheWorkspace();
    void frameKeysChangeTabsAndZoom_data();
    void frameKeysChangeTabsAndZoom();
    void tabReachesBackAndExitWithARing();
};

void ProgramTest::readingFromButtonToReport_data() {
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("picture");
    QTest::newRow("15 July") << kPune << "Cancer" << ":/signs/cancer.svg";
    QTest::newRow("23 October 1975, on the cusp") << "ASHA|Oct|23|1975|6|73|51|18|31" << "Scorpio"
                                                  << ":/signs/scorpio.svg";
}

void ProgramTest::readingFromButtonToReport() {
    QFETCH(QString, person);
    QFETCH(QString, sign);
    QFETCH(QString, picture);
    Program p;
    QVERIFY2(p.app.Frame() == nullptr, "no frame before the first reading");
    FrameWindow* frame = p.Read(person);
    QCOMPARE(p.messages.shown, QStringList{});
    QVERIFY(frame);
    QVERIFY(frame->isVisible());
    QVERIFY(!p.Form()->isVisible());
    QCOMPARE(ShownIn(frame, "lblSunSign"), sign);
    QCOMPARE(frame->Report()->SignPictureResource(), picture);
    CheckReport(frame, p.Form());
}

void ProgramTest::backKeepsTheFormAndTheNextReportStartsEmpty_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Back button") << "button";
    QTest::newRow("File > Back") << "menu";
    QTest::newRow("Esc") << "key";
}

void ProgramTest::backKeepsTheFormAndTheNextReportStartsEmpty() {
    QFETCH(QString, way);
    Program p;
    QPointer<FrameWindow> first = p.Read(kPune);
    QVERIFY(first);
    const QString entered = FormText(p.Form());
    if (way == QLatin1String("menu")) {
        QVERIFY(ClickMenuItem(first.data(), "mnuBack"));
    } else if (way == QLatin1String("key")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
        QTest::mouseClick(Find<QPushButton>(first.data(), "cmdBack"), Qt::LeftButton);
    }
    FinishDeletes();
    QVERIFY2(first.isNull(), "Back unloads the frame and the report");
    QVERIFY(p.app.Frame() == nullptr);
    QVERIFY(p.Form()->isVisible());
    QVERIFY(!p.app.HasEnded());
    QCOMPARE(FormText(p.Form()), entered);
    // The frame built in advance while the form waits is the one shown next.
    QTRY_VERIFY(p.app.NextFramePrepared());

    // A corrected second reading: a new report holding only the new reading.
    FrameWindow* second = p.Read(QStringLiteral("ASHA|Jul|15|1980|18|73|51|40|31"));
    QVERIFY(second);
    QVERIFY(!p.app.NextFramePrepared());
    CheckReport(second, p.Form());
}

void ProgramTest::everyWayOutEndsTheProgram_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"frame Exit button", "frame File > Exit menu", "frame Ctrl+Q key", "frame close box",
                             "form close box", "form File > Exit menu"}) {
        QTest::newRow(way) << QString::fromLatin1(way);
    }
}

void ProgramTest::everyWayOutEndsTheProgram() {
    QFETCH(QString, way);
    Program p;
    QSignalSpy ended(&p.app, &Application::ended);
    QPointer<EntryWindow> form = p.Form();
    QPointer<FrameWindow> frame;
    QMainWindow* window = form;
    if (way.startsWith(QLatin1String("frame"))) {
        window = frame = p.Read(kPune);
        QVERIFY(frame);
    }
    if (way.endsWith(QLatin1String("button"))) {
        QTest::mouseClick(Find<QPushButton>(window, "cmdMdiExit"), Qt::LeftButton);
    } else if (way.endsWith(QLatin1String("menu"))) {
        QVERIFY(ClickMenuItem(window, "mnuExit"));
    } else if (way.endsWith(QLatin1String("key"))) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    } else {
        QVERIFY(window->close());
    }
    QCOMPARE(ended.count(), 1);
    QVERIFY(p.app.HasEnded());
    FinishDeletes();
    QVERIFY2(form.isNull(), "the hidden entry form is unloaded too");
    QVERIFY(frame.isNull());
    QCOMPARE(QApplication::topLevelWidgets().count(), 0);
}

void ProgramTest::aboutBoxBlocksBothWindows_data() {
    QTest::addColumn<bool>("fromFrame");
    QTest::newRow("from the entry form") << false;
    QTest::newRow("from the frame window") << true;
}

void ProgramTest::aboutBoxBlocksBothWindows() {
    QFETCH(bool, fromFrame);
    Program p;
    QMainWindow* window = p.Form();
    QPushButton* target = Find<QPushButton>(window, "cmdRashi");  // empty form: would complain
    if (fromFrame) {
        window = p.Read(kPune);
        QVERIFY(window);
        target = Find<QPushButton>(window, "cmdMdiExit");
    }
    const QPoint at = target->mapTo(window, target->rect().center());
    QString failure = QStringLiteral("the about box never came up");
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        if (about == nullptr) return;
        failure = about->windowModality() == Qt::ApplicationModal ? QString() : QStringLiteral("not application modal");
        // The atlas's attribution and licence, the tz database, the program's licence.
        const QString sources = Find<QLabel>(about, "lblSources")->text();
        for (const char* named : {"GeoNames", "CC BY 4.0", "creativecommons.org/licenses/by/4.0", "tz database",
                                  "Expat"}) {
            if (!sources.contains(QLatin1String(named))) failure = QStringLiteral("sources do not name ") + named;
        }
        // A click on the window behind goes nowhere while the box is up.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseClick(Find<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    });
    QVERIFY(ClickMenuItem(window, "mnuAbout"));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(p.messages.shown, QStringList{});
    QVERIFY(!p.app.HasEnded());
    QCOMPARE(p.browser.opened, QStringList{});

    // The same click reaches the window once the box is closed.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    if (fromFrame) {
        QVERIFY(p.app.HasEnded());
    } else {
        QCOMPARE(p.messages.shown, QStringList{"error|Please Enter Name"});
    }
}

void ProgramTest::secondCopyIsRefused() {
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("starwise.lock"));
    SingleInstanceGuard running(lock);
    QVERIFY(running.TryAcquire());
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    SingleInstanceGuard second(lock);
    Application app(messages, browser);
    QSignalSpy ended(&app, &Application::ended);
    QVERIFY(!app.Start(second));
    QCOMPARE(messages.shown, QStringList{"information|Application is already running"});
    QCOMPARE(ended.count(), 1);
    QVERIFY(app.EntryForm() == nullptr);
    QCOMPARE(QApplication::topLevelWidgets().count(), 0);
}

void ProgramTest::eachLinkOpensItsAddressOnce_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");  // of a menu item
    QTest::addColumn<QString>("address");
    const QString home = QStringLiteral("https://www.duzoro.example/");
    const QString coBrand = QStringLiteral("https://help.duzoro.example/co-brand.html");
    const QString fullBrand = QStringLiteral("https://help.duzoro.example/fully-branded.html");
    // Both windows build their Help menus with AddHelpMenus: every item in
    // one, and one in the other to show the frame's are wired too.
    QTest::newRow("frmMain Help > Online Help")
        << "frmMain" << "mnuOnline" << "&Online Help" << "https://www.starwise.example/starwise-help.html";
    QTest::newRow("frmMain Help > Visit Us Online") << "frmMain" << "mnuVisit" << "&Visit Us Online" << home;
    QTest::newRow("frmMain Help > Check for Software Update")
        << "frmMain" << "mnuUpdate" << "Check for Software &Update"
        << "https://www.starwise.example/download-starwise.html";
    QTest::newRow("frmMain Donate") << "frmMain" << "mnuDonate" << "&Donate"
                                    << "https://help.duzoro.example/donate.html";
    QTest::newRow("MDI Help > Online Help")
        << "MDI" << "mnuOnline" << "&Online Help" << "https://www.starwise.example/starwise-help.html";
    QTest::newRow("frmMain banner Label61") << "frmMain" << "Label61" << "" << home;
    QTest::newRow("frmMain lblCobrand") << "frmMain" << "lblCobrand" << "" << coBrand;
    QTest::newRow("frmMain lblFullBrand") << "frmMain" << "lblFullBrand" << "" << fullBrand;
    QTest::newRow("MDI banner lblVantoriaBanner") << "MDI" << "lblVantoriaBanner" << "" << home;
    QTest::newRow("MDI Label8") << "MDI" << "Label8" << "" << fullBrand;
    QTest::newRow("frmAbout lblCoBrand") << "frmAbout" << "lblCoBrand" << "" << coBrand;
    QTest::newRow("frmAbout lblHomePage") << "frmAbout" << "lblHomePage" << "" << home;
}

void ProgramTest::eachLinkOpensItsAddressOnce() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, address);
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    std::unique_ptr<QWidget> shown;
    if (window == QLatin1String("frmMain")) {
        shown = std::make_unique<EntryWindow>(messages, browser);
    } else if (window == QLatin1String("MDI")) {
        shown = std::make_unique<FrameWindow>(browser);
    } else {
        shown = std::make_unique<AboutBox>(browser);
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    if (auto* label = shown->findChild<ClickableLabel*>(control)) {
        QVERIFY(label->isVisible());
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    } else {
        auto* item = Find<QAction>(shown.get(), control);
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
        QVERIFY(ClickMenuItem(static_cast<QMainWindow*>(shown.get()), control));
    }
    QCOMPARE(browser.opened, QStringList{address});
    QCOMPARE(messages.shown, QStringList{});
}

// Positions in twips from the screen width: Exit 160 twips from the right
// edge, Back 1400, the rest centred.
void ProgramTest::frameLayoutFollowsTheScreen_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("exitLeft");
    QTest::addColumn<int>("backLeft");
    QTest::addColumn<int>("reportLeft");
    QTest::newRow("1024 px") << 15360 << 14105 << 12940 << 180;
    QTest::newRow("1920 px") << 28800 << 27545 << 26380 << 6900;
    QTest::newRow("narrower than the report") << 12000 << 10745 << 9580 << -1500;
}

void ProgramTest::frameLayoutFollowsTheScreen() {
    QFETCH(int, screenWidth);
    QFETCH(int, exitLeft);
    QFETCH(int, backLeft);
    QFETCH(int, reportLeft);
    // Exit 1095 and Back 1020 twips wide, report 15000, labels 3000 and 1200.
    const FrameLayout at = ComputeFrameLayout(screenWidth, 3000, 1200, 1095, 1020, 15000);
    QCOMPARE(at.exitLeft, exitLeft);
    QCOMPARE(at.backLeft, backLeft);
    QCOMPARE(at.reportLeft, reportLeft);
}

// Scale of the 1000 x 567 pixel report with a 2 x 24 pixel title bar and
// borders and an 8 pixel margin: the smaller of the two ratios, 0.25 at least.
void ProgramTest::reportScaleFitsTheWorkspace_data() {
    QTest::addColumn<QSize>("workspace");
    QTest::addColumn<double>("scale");
    QTest::newRow("1920 wide, height decides") << QSize(1920, 949) << (949.0 - 24 - 16) / 567;
    QTest::newRow("tall and narrow, width decides") << QSize(800, 1200) << (800.0 - 2 - 16) / 1000;
    QTest::newRow("exactly the design") << QSize(1018, 607) << 1.0;
    QTest::newRow("a postage stamp") << QSize(100, 60) << 0.25;
}

void ProgramTest::reportScaleFitsTheWorkspace() {
    QFETCH(QSize, workspace);
    QFETCH(double, scale);
    constexpr double kScaleTolerance = 1e-12;  // a ratio, exact but for rounding
    const double actual = ReportScaleFor(workspace, QSize(2, 24), QSize(1000, 567), 8);
    QVERIFY2(std::abs(actual - scale) < kScaleTolerance,
             qPrintable(QStringLiteral("expected %1, got %2").arg(scale, 0, 'g', 15).arg(actual, 0, 'g', 15)));
}

void ProgramTest::frameKeysChangeTabsAndZoom_data() {
    QTest::addColumn<QString>("keys");    // one key chord after another, as QKeySequence spells them
    QTest::addColumn<QString>("shown");   // the tab on show after each: 0 Sun Sign, 1 Starwise, 2 Chart
    QTest::addColumn<QString>("zoomed");  // the scale after each: + larger, - smaller, = unchanged
    // The report opens on tab 1.
    QTest::newRow("Ctrl+Tab round the end") << "Ctrl+Tab Ctrl+Tab" << "2 0" << "= =";
    QTest::newRow("Ctrl+Shift+Tab") << "Ctrl+Shift+Tab Ctrl+Shift+Tab" << "0 2" << "= =";
    QTest::newRow("Ctrl+PgDown, Ctrl+PgUp") << "Ctrl+PgDown Ctrl+PgUp Ctrl+PgUp" << "2 1 0" << "= = =";
    QTest::newRow("zoom in, out and back") << "Ctrl++ Ctrl++ Ctrl+- Ctrl+0" << "1 1 1 1" << "+ + - -";
    QTest::newRow("zoom out stops at readable") << "Ctrl+- Ctrl+- Ctrl+-" << "1 1 1" << "- - =";
}

void ProgramTest::frameKeysChangeTabsAndZoom() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, zoomed);
    Program p;
    FrameWindow* frame = p.Read(kPune);
    QVERIFY(frame);
    frame->resize(1920, 1080);  // room for two steps out before the text would be below 9 points
    QApplication::processEvents();
    auto* tabs = Find<QTabWidget>(frame, "SSTab1");
    Find<QWidget>(frame, "RTBHouseDesc")->setFocus(Qt::TabFocusReason);
    const QStringList chords = keys.split(QLatin1Char(' '));
    QStringList tabsShown;
    QStringList scales;
    double before = frame->ReportScale();
    for (const QString& chord : chords) {
        const QKeyCombination key = QKeySequence(chord)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        tabsShown << QString::number(tabs->currentIndex());
        const double after = frame->ReportScale();
        scales << (after > before ? "+" : after < before ? "-" : "=");
        before = after;
    }
    QCOMPARE(tabsShown.join(QLatin1Char(' ')), shown);
    QCOMPARE(scales.join(QLatin1Char(' ')), zoomed);
    constexpr double kScaleTolerance = 1e-9;
    QVERIFY(frame->ReportScale() >= frame->ReadableScale() - kScaleTolerance);
    QCOMPARE(frame->Report()->Scale(), frame->ReportScale());
}

void ProgramTest::tabReachesBackAndExitWithARing() {
    Program p;
    FrameWindow* frame = p.Read(kPune);
    QVERIFY(frame);
    QStringList reached;
    for (int press = 0; press < 40 && reached.size() < 2; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        const QString name = focused->objectName();
        if ((name == "cmdBack" || name == "cmdMdiExit") && !reached.contains(name)) {
            reached << name;
            const auto* ring = Find<QWidget>(frame, "focusRing");
            QVERIFY2(ring->isVisible() && ring->parentWidget() == focused->parentWidget(), qPrintable(name));
            QVERIFY2(ring->geometry().contains(focused->geometry()), qPrintable(name));
        }
    }
    reached.sort();
    QCOMPARE(reached, (QStringList{"cmdBack", "cmdMdiExit"}));
}

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
