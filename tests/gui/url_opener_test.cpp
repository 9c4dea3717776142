// Opening a web page: handed to the browser when there is one; otherwise the
// user is told, with the address, and the address is on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "gui/url_opener.h"
#include "gui_test_support.h"

using starwise::gui::DesktopUrlOpener;
using starwise::gui::testing::RecordingMessageSink;

class UrlOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void aBrowserTakesTheAddressSilently() {
        RecordingMessageSink messages;
        QStringList launched;
        DesktopUrlOpener opener(messages, [&](const QUrl& url) {
            launched << url.toString();
            return true;
        });
        opener.Open(QUrl(QStringLiteral("https://www.starwise.example/starwise-help.html")));
        QCOMPARE(launched, QStringList{QStringLiteral("https://www.starwise.example/starwise-help.html")});
        QCOMPARE(messages.shown, QStringList{});
    }

    void noBrowserSaysSoAndCopiesTheAddress() {
        RecordingMessageSink messages;
        DesktopUrlOpener opener(messages, [](const QUrl&) { return false; });
        const QString address = QStringLiteral("https://www.search.example/search?q=S%C3%A3o%20Paulo");
        QApplication::clipboard()->clear();
        opener.Open(QUrl(address));
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY2(messages.shown[0].startsWith(QStringLiteral("information|The web page could not be opened")),
                 qPrintable(messages.shown[0]));
        QVERIFY2(messages.shown[0].contains(address), qPrintable(messages.shown[0]));
        QCOMPARE(QApplication::clipboard()->text(), address);
    }
};

QTEST_MAIN(UrlOpenerTest)
#include "url_opener_test.moc"
