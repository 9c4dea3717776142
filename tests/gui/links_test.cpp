// Every menu item and clickable label that points to a web page opens
// exactly its address, once per click, in all three windows.
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "entry/frm_main.h"
#include "gui_test_support.h"
#include "recorders.h"
#include "shell/clickable_label.h"
#include "shell/frm_about.h"
#include "shell/links.h"
#include "shell/mdi.h"

using namespace starwise::gui;
using namespace starwise::gui::testing;

namespace {

const QString kHome = QStringLiteral("https://www.duzoro.example/");
const QString kHelp = QStringLiteral("https://www.starwise.example/starwise-help.html");
const QString kDownload = QStringLiteral("https://www.starwise.example/download-starwise.html");
const QString kDonate = QStringLiteral("https://help.duzoro.example/donate.html");
const QString kCoBrand = QStringLiteral("https://help.duzoro.example/co-brand.html");
const QString kFullBrand = QStringLiteral("https://help.duzoro.example/fully-branded.html");

}  // namespace

class LinksTest : public QObject {
    Q_OBJECT

private slots:
    void eachLinkOpensItsAddressOnce_data();
    void eachLinkOpensItsAddressOnce();
    void aboutItemOpensNoPage_data();
    void aboutItemOpensNoPage();
    void homePageInvitationNamesTheSite();
};

void LinksTest::eachLinkOpensItsAddressOnce_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("menu");     // empty for a label or a menu-bar entry
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    for (const char* window : {"frmMain", "MDI"}) {
        const QString w = QString::fromLatin1(window);
        QTest::addRow("%s Help > Online Help", window) << w << "mnuHelp" << "mnuOnline" << kHelp;
        QTest::addRow("%s Help > Visit Us Online", window) << w << "mnuHelp" << "mnuVisit" << kHome;
        QTest::addRow("%s Help > Check for Software Update", window) << w << "mnuHelp" << "mnuUpdate" << kDownload;
        QTest::addRow("%s Donate", window) << w << "" << "mnuDonate" << kDonate;
    }
    QTest::newRow("frmMain banner Label61") << "frmMain" << "" << "Label61" << kHome;
    QTest::newRow("frmMain lblCobrand") << "frmMain" << "" << "lblCobrand" << kCoBrand;
    QTest::newRow("frmMain lblFullBrand") << "frmMain" << "" << "lblFullBrand" << kFullBrand;
    QTest::newRow("MDI banner lblVantoriaBanner") << "MDI" << "" << "lblVantoriaBanner" << kHome;
    QTest::newRow("MDI Label8") << "MDI" << "" << "Label8" << kFullBrand;
    QTest::newRow("frmAbout lblCoBrand") << "frmAbout" << "" << "lblCoBrand" << kCoBrand;
    QTest::newRow("frmAbout lblHomePage") << "frmAbout" << "" << "lblHomePage" << kHome;
}

void LinksTest::eachLinkOpensItsAddressOnce() {
    QFETCH(QString, window);
    QFETCH(QString, menu);
    QFETCH(QString, control);
    QFETCH(QString, address);
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    std::unique_ptr<QWidget> shown;
    if (window == QLatin1String("frmMain")) {
        shown = std::make_unique<frmMain>(messages, browser);
    } else if (window == QLatin1String("MDI")) {
        shown = std::make_unique<MDI>(browser);
    } else {
        shown = std::make_unique<frmAbout>(browser);
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

    if (auto* label = shown->findChild<ClickableLabel*>(control)) {
        QVERIFY(label->isVisible());
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    } else {
        QVERIFY2(ClickMenuItem(static_cast<QMainWindow*>(shown.get()), menu, control), qPrintable(control));
    }
    QCOMPARE(browser.opened, QStringList{address});
    QCOMPARE(messages.shown.size(), std::size_t{0});
}

void LinksTest::aboutItemOpensNoPage_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("frmMain") << "frmMain";
    QTest::newRow("MDI") << "MDI";
}

void LinksTest::aboutItemOpensNoPage() {
    QFETCH(QString, window);
    RecordingMessageSink messages;
    RecordingUrlOpener browser;
    std::unique_ptr<QMainWindow> shown;
    std::unique_ptr<QSignalSpy> about;
    if (window == QLatin1String("frmMain")) {
        auto form = std::make_unique<frmMain>(messages, browser);
        about = std::make_unique<QSignalSpy>(form.get(), &frmMain::aboutRequested);
        shown = std::move(form);
    } else {
        auto frame = std::make_unique<MDI>(browser);
        about = std::make_unique<QSignalSpy>(frame.get(), &MDI::aboutRequested);
        shown = std::move(frame);
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QVERIFY(ClickMenuItem(shown.get(), "mnuHelp", "mnuAbout"));
    QCOMPARE(about->count(), 1);
    QCOMPARE(browser.opened, QStringList{});
}

void LinksTest::homePageInvitationNamesTheSite() {
    RecordingUrlOpener browser;
    frmAbout about(browser);
    auto* label = Find<QLabel>(&about, "lblHomePage");
    QVERIFY(label);
    QVERIFY2(label->text().contains(QStringLiteral("www.duzoro.example")), qPrintable(label->text()));
}

QTEST_MAIN(LinksTest)
#include "links_test.moc"
