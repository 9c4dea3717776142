// The Help and Donate menus that the entry form and the frame window share.
#pragma once

#include <functional>

class QMenuBar;

namespace starwise::gui {

class UrlOpener;

// Appends "&Help" (mnuHelp: mnuOnline, mnuVisit, separator, mnuUpdate,
// separator, mnuAbout) and the top-level "&Donate" (mnuDonate). The two
// separators carry the names the window gives them.
void AddHelpMenus(QMenuBar* menuBar, UrlOpener& browser, std::function<void()> showAbout,
                  const char* firstSeparatorName, const char* secondSeparatorName);

}  // namespace starwise::gui
