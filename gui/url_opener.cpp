#include "gui/url_opener.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QUrl>

#include "gui/message_sink.h"

namespace starwise::gui {

DesktopUrlOpener::DesktopUrlOpener(MessageSink& messages, Launcher launch)
    : messages_(messages), launch_(launch ? std::move(launch) : Launcher{&QDesktopServices::openUrl}) {}

void DesktopUrlOpener::Open(const QUrl& url) {
    if (launch_(url)) return;
    const QString address = url.toString(QUrl::FullyEncoded);
    QApplication::clipboard()->setText(address);
    const QString text = QStringLiteral(
                             "The web page could not be opened: no web browser was found.\n\n%1\n\n"
                             "The address has been copied to the clipboard, so you can paste it into a browser.")
                             .arg(address);
    messages_.Show(QApplication::activeWindow(), text.toStdString(), entry::MessageIcon::Information);
}

}  // namespace starwise::gui
