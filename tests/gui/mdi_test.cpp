// The frame window and the way through the program: a reading from the
// button to the report, Back, a second reading, the about box's modality,
// and every way out.
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "entry/frm_main.h"
#include "gui_test_support.h"
#include "houses/frm_display.h"
#include "reading/driver.h"
#include "recorders.h"
#include "shell/application.h"
#include "shell/frm_about.h"
#include "shell/mdi.h"
#include "shell/single_instance.h"

using namespace starwise;
using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

int Px(int twips) { return qRound(twips / 15.0); }

struct Person {
    QString name, month, day, year, hour, lonD, lonM, latD, latM;
};

// A running program: its lock in a folder of its own, recorders for the
// message box and the browser.
struct Program {
    QTemporaryDir folder;
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    std::unique_ptr<SingleInstanceGuard> guard;
    std::unique_ptr<Application> app;

    Program() {
        guard = std::make_unique<SingleInstanceGuard>(folder.filePath(QStringLiteral("starwise.lock")));
        app = std::make_unique<Application>(messages, browser);
        QVERIFY(app->Start(*guard));
        QVERIFY(QTest::qWaitForWindowExposed(app->EntryForm()));
    }
    frmMain* Form() const { return app->EntryForm(); }

    // Fills the form from the keyboard and presses the reading button.
    void Enter(const Person& p) const {
        const std::pair<const char*, QString> boxes[] = {{"txtName", p.name}, {"txtLonD", p.lonD},
                                                         {"txtLonM", p.lonM}, {"txtLatD", p.latD},
                                                         {"txtLatM", p.latM}};
        for (const auto& [name, text] : boxes) {
            auto* box = Find<QLineEdit>(Form(), QString::fromLatin1(name));
            box->setFocus(Qt::TabFocusReason);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            TypeText(box, text);
        }
        const std::pair<const char*, QString> lists[] = {
            {"cboMonth", p.month}, {"cboDate", p.day}, {"cboYear", p.year}, {"cboHH", p.hour}};
        for (const auto& [name, text] : lists) TypeIntoList(Find<QComboBox>(Form(), QString::fromLatin1(name)), text);
    }
    void PressReading() const { QTest::mouseClick(Find<QPushButton>(Form(), "cmdRashi"), Qt::LeftButton); }

    void FinishDeletes() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

const Person kPune{"ASHA", "Jul", "15", "1980", "6", "73", "51", "18", "31"};

// What the core writes for the form as it stands, as plain text.
QString ExpectedReport(const frmMain* form) {
    RecordingReportView recorder;
    reading::ReadingState state;
    reading::RunReading(form->Values(), state, recorder);
    return Expected(recorder.pieces, 8.25).text;
}

QString ReportText(MDI* frame) {
    return Find<QTextEdit>(frame, "RTBHouseDesc")->toPlainText();
}

}  // namespace

class MdiTest : public QObject {
    Q_OBJECT

private slots:
    void frameLayout_data();
    void frameLayout();
    void placedForThisScreen();
    void menuCaptions_data();
    void menuCaptions();
    void readingFromButtonToReport_data();
    void readingFromButtonToReport();
    void failedChecksLeaveTheFormUp();
    void backKeepsTheFormAndTheNextReportStartsEmpty_data();
    void backKeepsTheFormAndTheNextReportStartsEmpty();
    void everyWayOutEndsTheProgram_data();
    void everyWayOutEndsTheProgram();
    void aboutBoxBlocksBothWindows_data();
    void aboutBoxBlocksBothWindows();
    void secondCopyIsRefused();
};

void MdiTest::frameLayout_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("banner");
    QTest::addColumn<int>("name");
    QTest::addColumn<int>("exit");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("report");
    QTest::addColumn<QList<int>>("lefts");  // banner, name, exit, back, report
    QTest::newRow("1024 pixels, designed buttons") << 15360 << 6000 << 1500 << 1095 << 1020 << 15000
                                                   << QList<int>{4680, 6930, 14105, 12940, 180};
    QTest::newRow("1920 pixels") << 28800 << 9000 << 1500 << 1095 << 1020 << 15150
                                 << QList<int>{9900, 13650, 27545, 26380, 6825};
    QTest::newRow("report wider than the screen") << 12000 << 6000 << 1500 << 1200 << 1100 << 15150
                                                  << QList<int>{3000, 5250, 10640, 9500, -1575};
}

void MdiTest::frameLayout() {
    QFETCH(int, screen);
    QFETCH(int, banner);
    QFETCH(int, name);
    QFETCH(int, exit);
    QFETCH(int, back);
    QFETCH(int, report);
    QFETCH(QList<int>, lefts);
    const FrameLayout at = ComputeFrameLayout(screen, banner, name, exit, back, report);
    QCOMPARE((QList<int>{at.bannerLeft, at.softwareNameLeft, at.exitLeft, at.backLeft, at.reportLeft}), lefts);
}

void MdiTest::placedForThisScreen() {
    RecordingUrlOpener browser;
    MDI frame(browser);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const int screen = QGuiApplication::primaryScreen()->geometry().width() * 15;
    auto* exit = Find<QPushButton>(&frame, "cmdMdiExit");
    auto* back = Find<QPushButton>(&frame, "cmdBack");
    QCOMPARE(exit->width(), Px(1095));
    QCOMPARE(back->width(), Px(1020));
    QCOMPARE(exit->x(), Px(screen - (1095 + 160)));
    QCOMPARE(back->x(), Px(screen - (1020 + 1400)));
    QVERIFY2(back->geometry().right() < exit->x(), "Back stands to the left of Exit");
    auto* name = Find<QLabel>(&frame, "lblSoftwareName");
    QCOMPARE(name->text(), QStringLiteral("Starwise"));
    QVERIFY(qAbs(name->x() + name->width() / 2 - screen / 30) <= 1);
    QCOMPARE(name->parentWidget()->height(), Px(360));
    QCOMPARE(Find<QLabel>(&frame, "lblVantoriaBanner")->parentWidget()->height(), Px(615));
    QCOMPARE(exit->parentWidget()->height(), Px(615));
    QCOMPARE(exit->text(), QStringLiteral("&Exit"));
    QCOMPARE(back->text(), QStringLiteral("&Back"));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Starwise v1.15"));
    // The report window is the frame's only child window.
    const QList<QMdiSubWindow*> children = Find<QMdiArea>(&frame, "mdiArea")->subWindowList();
    QCOMPARE(children.size(), 1);
    QCOMPARE(children.front()->widget(), static_cast<QWidget*>(frame.Report()));
}

void MdiTest::menuCaptions_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("mnuBack") << "mnuBack" << "&Back";
    QTest::newRow("mnuExit") << "mnuExit" << "E&xit";
    QTest::newRow("mnuOnline") << "mnuOnline" << "&Online Help";
    QTest::newRow("mnuVisit") << "mnuVisit" << "&Visit Us Online";
    QTest::newRow("mnuUpdate") << "mnuUpdate" << "Check for Software &Update";
    QTest::newRow("mnuAbout") << "mnuAbout" << "&About Software";
    QTest::newRow("mnuDonate") << "mnuDonate" << "&Donate";
    QTest::newRow("mnuSep1") << "mnuSep1" << "";
    QTest::newRow("mnuSep2") << "mnuSep2" << "";
}

void MdiTest::menuCaptions() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    RecordingUrlOpener browser;
    MDI frame(browser);
    auto* action = Find<QAction>(&frame, item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->isSeparator(), caption.isEmpty());
    QCOMPARE(Find<QMenu>(&frame, "mnuFile")->title(), QStringLiteral("&File"));
    QCOMPARE(Find<QMenu>(&frame, "mnuHelp")->title(), QStringLiteral("&Help"));
}

void MdiTest::readingFromButtonToReport_data() {
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("picture");
    QTest::newRow("15 July") << "Jul" << "15" << "Cancer" << ":/signs/cancer.svg";
    QTest::newRow("1 January") << "Jan" << "1" << "Capricorn" << ":/signs/capricorn.svg";
    QTest::newRow("29 February 1980") << "Feb" << "29" << "Pisces" << ":/signs/pisces.svg";
}

void MdiTest::readingFromButtonToReport() {
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, sign);
    QFETCH(QString, picture);
    Program p;
    Person person = kPune;
    person.month = month;
    person.day = day;
    p.Enter(person);
    QVERIFY(p.app->Frame() == nullptr);  // no frame before the first reading
    p.PressReading();

    QCOMPARE(p.messages.Texts(), QStringList{});
    MDI* frame = p.app->Frame();
    QVERIFY(frame);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QVERIFY(frame->isVisible());
    QVERIFY(!p.Form()->isVisible());
    QCOMPARE(Find<QTabWidget>(frame, "SSTab1")->currentIndex(), 1);
    QCOMPARE(Find<QLabel>(frame, "lblSunSign")->text(), sign);
    QCOMPARE(frame->Report()->SignPictureResource(), picture);
    QVERIFY(!Find<QPlainTextEdit>(frame, "txtSunSignPositiveTraits")->toPlainText().isEmpty());
    QVERIFY(!Find<QPlainTextEdit>(frame, "txtNorthDesc")->toPlainText().isEmpty());
    QVERIFY(Find<QLabel>(frame, "lblNorthSign")->text() != QStringLiteral("lblSignNorth"));
    QCOMPARE(ReportText(frame), ExpectedReport(p.Form()));
    QCOMPARE(QString::fromStdString(p.app->State().SunSignName), sign);
    // The report is shown from its beginning.
    QCOMPARE(Find<QTextEdit>(frame, "RTBHouseDesc")->textCursor().position(), 0);
}

void MdiTest::failedChecksLeaveTheFormUp() {
    Program p;
    Person person = kPune;
    person.latD = "95";
    p.Enter(person);
    p.PressReading();
    QCOMPARE(p.messages.Texts(),
             QStringList{"Please Enter Value Between 0 And 89 in the Degree of Latitude"});
    QVERIFY(p.app->Frame() == nullptr);
    QVERIFY(p.Form()->isVisible());
    QCOMPARE(p.app->State().birth.Year, 0);  // nothing captured
}

void MdiTest::backKeepsTheFormAndTheNextReportStartsEmpty_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Back button") << "button";
    QTest::newRow("File > Back") << "menu";
}

void MdiTest::backKeepsTheFormAndTheNextReportStartsEmpty() {
    QFETCH(QString, way);
    Program p;
    p.Enter(kPune);
    p.PressReading();
    QPointer<MDI> first = p.app->Frame();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    const QString firstReport = ReportText(first);
    const starwise::entry::EntryFormValues entered = p.Form()->Values();

    if (way == QLatin1String("button")) {
        QTest::mouseClick(Find<QPushButton>(first.data(), "cmdBack"), Qt::LeftButton);
    } else {
        QVERIFY(ClickMenuItem(first.data(), "mnuFile", "mnuBack"));
    }
    p.FinishDeletes();
    QVERIFY2(first.isNull(), "Back unloads the frame and the report");
    QVERIFY(p.app->Frame() == nullptr);
    QVERIFY(p.Form()->isVisible());
    QVERIFY(!p.app->HasEnded());
    const starwise::entry::EntryFormValues after = p.Form()->Values();
    QCOMPARE(QString::fromStdString(after.nameText), QString::fromStdString(entered.nameText));
    QCOMPARE(after.monthPosition, entered.monthPosition);
    QCOMPARE(after.dayPosition, entered.dayPosition);
    QCOMPARE(QString::fromStdString(after.yearText), QString::fromStdString(entered.yearText));
    QCOMPARE(QString::fromStdString(after.longitudeDegreesText), QString::fromStdString(entered.longitudeDegreesText));
    QCOMPARE(QString::fromStdString(after.latitudeMinutesText), QString::fromStdString(entered.latitudeMinutesText));

    // Correct one field and read again: a new report holding only the new reading.
    Person corrected = kPune;
    corrected.hour = "18";
    corrected.latD = "40";
    p.Enter(corrected);
    p.PressReading();
    MDI* second = p.app->Frame();
    QVERIFY(second);
    const QString secondReport = ReportText(second);
    QCOMPARE(secondReport, ExpectedReport(p.Form()));
    QVERIFY(secondReport != firstReport + secondReport);
    QCOMPARE(Find<QTabWidget>(second, "SSTab1")->currentIndex(), 1);
}

void MdiTest::everyWayOutEndsTheProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("frame Exit button") << "exit-button";
    QTest::newRow("frame File > Exit") << "frame-menu";
    QTest::newRow("frame close box") << "frame-close";
    QTest::newRow("form close box") << "form-close";
    QTest::newRow("form File > Exit") << "form-menu";
}

void MdiTest::everyWayOutEndsTheProgram() {
    QFETCH(QString, way);
    Program p;
    QSignalSpy ended(p.app.get(), &Application::ended);
    QPointer<frmMain> form = p.Form();
    QPointer<MDI> frame;
    if (way.startsWith(QLatin1String("exit")) || way.startsWith(QLatin1String("frame"))) {
        p.Enter(kPune);
        p.PressReading();
        frame = p.app->Frame();
        QVERIFY(frame);
        QVERIFY(QTest::qWaitForWindowExposed(frame));
    }
    if (way == QLatin1String("exit-button")) {
        QTest::mouseClick(Find<QPushButton>(frame.data(), "cmdMdiExit"), Qt::LeftButton);
    } else if (way == QLatin1String("frame-menu")) {
        QVERIFY(ClickMenuItem(frame.data(), "mnuFile", "mnuExit"));
    } else if (way == QLatin1String("frame-close")) {
        QVERIFY(frame->close());
    } else if (way == QLatin1String("form-close")) {
        QVERIFY(form->close());
    } else {
        QVERIFY(ClickMenuItem(form.data(), "mnuFile", "mnuExit"));
    }
    QCOMPARE(ended.count(), 1);
    QVERIFY(p.app->HasEnded());
    p.FinishDeletes();
    QVERIFY2(form.isNull(), "the hidden entry form is unloaded too");
    QVERIFY(frame.isNull());
    QCOMPARE(QApplication::topLevelWidgets().count(), 0);
}

void MdiTest::aboutBoxBlocksBothWindows_data() {
    QTest::addColumn<QString>("opener");
    QTest::newRow("from the entry form") << "form";
    QTest::newRow("from the frame window") << "frame";
}

void MdiTest::aboutBoxBlocksBothWindows() {
    QFETCH(QString, opener);
    Program p;
    QMainWindow* window = p.Form();
    QPushButton* target = Find<QPushButton>(p.Form(), "cmdRashi");  // empty form: would complain
    if (opener == QLatin1String("frame")) {
        p.Enter(kPune);
        p.PressReading();
        window = p.app->Frame();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        target = Find<QPushButton>(window, "cmdMdiExit");
    }
    const std::size_t messagesBefore = p.messages.shown.size();

    bool checked = false;
    QString failure;
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (about == nullptr) {
            failure = QStringLiteral("no modal about box");
        } else {
            if (about->windowModality() != Qt::ApplicationModal) failure = QStringLiteral("not application modal");
            if (about->windowTitle() != QLatin1String("Starwise v1.15")) failure = QStringLiteral("caption");
            // A click on the window behind goes nowhere while the box is up.
            const QPoint at = target->mapTo(window, target->rect().center());
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
            QTest::mouseClick(Find<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        }
        checked = true;
    });
    QVERIFY(ClickMenuItem(window, "mnuHelp", "mnuAbout"));
    QVERIFY(checked);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(p.messages.shown.size(), messagesBefore);
    QVERIFY(!p.app->HasEnded());

    // The same click reaches the window once the box is closed.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
    if (opener == QLatin1String("frame")) {
        QVERIFY(p.app->HasEnded());
    } else {
        QCOMPARE(p.messages.Texts(), QStringList{"Please Enter Name"});
    }
}

void MdiTest::secondCopyIsRefused() {
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
    QCOMPARE(messages.Texts(), QStringList{"Application is already running"});
    QCOMPARE(IconName(messages.shown.front().icon), QStringLiteral("information"));
    QCOMPARE(ended.count(), 1);
    QVERIFY(app.EntryForm() == nullptr);
    QCOMPARE(QApplication::topLevelWidgets().count(), 0);
}

QTEST_MAIN(MdiTest)
#include "mdi_test.moc"
