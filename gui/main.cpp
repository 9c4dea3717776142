// Starwise desktop program.
#include <QApplication>

#include "gui/application.h"
#include "gui/look.h"
#include "gui/message_sink.h"
#include "gui/single_instance.h"
#include "gui/url_opener.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    starwise::gui::ConfigureApplication();

    starwise::gui::MessageBoxSink messages;
    starwise::gui::DesktopUrlOpener browser(messages);
    starwise::gui::SingleInstanceGuard guard(starwise::gui::SingleInstanceGuard::DefaultLockPath());
    starwise::gui::Application app(messages, browser);
    QObject::connect(&app, &starwise::gui::Application::ended, &qtApp, &QCoreApplication::quit);
    if (!app.Start(guard)) return 0;
    return QApplication::exec();
}
