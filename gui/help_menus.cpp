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
    QMenu* helpMenu = menuBar->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));

    QAction* onlineHelpItem = AddItem(helpMenu, "mnuOnline", QStringLiteral("&Online Help"));
    QObject::connect(onlineHelpItem, &QAction::triggered, menuBar, [&browser] { links::OpenProductHelp(browser); });
    QAction* visitItem = AddItem(helpMenu, "mnuVisit", QStringLiteral("&Visit Us Online"));
    QObject::connect(visitItem, &QAction::triggered, menuBar, [&browser] { links::OpenHomePage(browser); });
    helpMenu->addSeparator()->setObjectName(QString::fromLatin1(firstSeparatorName));
    QAction* updateItem = AddItem(helpMenu, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    QObject::connect(updateItem, &QAction::triggered, menuBar, [&browser] { links::OpenProductDownload(browser); });
    helpMenu->addSeparator()->setObjectName(QString::fromLatin1(secondSeparatorName));
    QAction* aboutItem = AddItem(helpMenu, "mnuAbout", QStringLiteral("&About Software"));
    QObject::connect(aboutItem, &QAction::triggered, menuBar, std::move(showAbout));

    // A menu title that acts at once, with no items under it.
    QAction* donateItem = menuBar->addAction(QStringLiteral("&Donate"));
    donateItem->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donateItem, &QAction::triggered, menuBar, [&browser] { links::OpenDonationPage(browser); });
}

}  // namespace starwise::gui
