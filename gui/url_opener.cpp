#include "gui/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace starwise::gui {

void DesktopUrlOpener::Open(const QUrl& url) {
    // No browser or no network is not the user's problem here: the result is
    // deliberately ignored.
    QDesktopServices::openUrl(url);
}

}  // namespace starwise::gui
