#include "gui/help_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/links.h"

namespace starwise::gui {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void AddHelpMenus(QMenuBar* menuBar, UrlOpener& browser, std::function<void()> showAbout,
                  const char* firstSeparatorName, const char* secondSeparatorName) {
    QMenu* mnuHelp = menuBar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    QAction* mnuOnline = AddItem(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
    QObject::connect(mnuOnline, &QAction::triggered, menuBar, [&browser] { links::OpenProductHelp(browser); });
    QAction* mnuVisit = AddItem(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    QObject::connect(mnuVisit, &QAction::triggered, menuBar, [&browser] { links::OpenHomePage(browser); });
    mnuHelp->addSeparator()->setObjectName(QString::fromLatin1(firstSeparatorName));
    QAction* mnuUpdate = AddItem(mnuHelp, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    QObject::connect(mnuUpdate, &QAction::triggered, menuBar, [&browser] { links::OpenProductDownload(browser); });
    mnuHelp->addSeparator()->setObjectName(QString::fromLatin1(secondSeparatorName));
    QAction* mnuAbout = AddItem(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));
    QObject::connect(mnuAbout, &QAction::triggered, menuBar, std::move(showAbout));

    // A menu title that acts at once, with no items under it.
    QAction* mnuDonate = menuBar->addAction(QStringLiteral("&Donate"));
    mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(mnuDonate, &QAction::triggered, menuBar, [&browser] { links::OpenDonationPage(browser); });
}

}  // namespace starwise::gui
