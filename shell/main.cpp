// Starwise desktop program.
#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "content/sign_pictures.h"
#include "shell/application.h"
#include "shell/look.h"
#include "shell/message_sink.h"
#include "shell/single_instance.h"
#include "shell/url_opener.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("starwise"));
    QApplication::setDesktopFileName(QStringLiteral("starwise"));
    // The windows are drawn in the program's own greens; Fusion honours
    // those colours on every desktop.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(
        QIcon(starwise::gui::ResourcePicture(starwise::content::kProgramIcon, {256, 256}, 1.0)));
    // The entry form hides when the report shows: the program ends only
    // through its own shutdown.
    QApplication::setQuitOnLastWindowClosed(false);

    starwise::gui::MessageBoxSink messages;
    starwise::gui::DesktopUrlOpener browser;
    starwise::gui::SingleInstanceGuard guard(starwise::gui::SingleInstanceGuard::DefaultLockPath());
    starwise::gui::Application app(messages, browser);
    QObject::connect(&app, &starwise::gui::Application::ended, &qtApp, &QCoreApplication::quit);
    if (!app.Start(guard)) return 0;
    return QApplication::exec();
}
