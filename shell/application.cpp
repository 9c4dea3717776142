#include "shell/application.h"

#include <QCoreApplication>
#include <QEvent>

#include "entry/frm_main.h"
#include "entry/messages.h"
#include "houses/frm_display.h"
#include "reading/driver.h"
#include "shell/frm_about.h"
#include "shell/mdi.h"
#include "shell/message_sink.h"
#include "shell/single_instance.h"

namespace starwise::gui {

Application::Application(MessageSink& messages, UrlOpener& browser, QObject* parent)
    : QObject(parent), messages_(messages), browser_(browser) {}

Application::~Application() {
    delete frame_.data();
    delete form_.data();
    // Windows unloaded earlier were handed to deleteLater(); finish them now
    // in case no event loop runs again.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Application::Start(SingleInstanceGuard& guard) {
    if (!guard.TryAcquire()) {
        messages_.Show(nullptr, entry::messages::kAlreadyRunning, entry::MessageIcon::Information);
        ExitProgram();
        return false;
    }
    form_ = new frmMain(messages_, browser_);
    connect(form_, &frmMain::readingRequested, this, &Application::Read);
    connect(form_, &frmMain::aboutRequested, this, [this] { ShowAbout(form_); });
    connect(form_, &frmMain::exitRequested, this, &Application::ExitProgram);
    form_->show();
    return true;
}

MDI* Application::LoadFrame() {
    if (!frame_) {
        frame_ = new MDI(browser_);
        connect(frame_, &MDI::backRequested, this, &Application::Back);
        connect(frame_, &MDI::exitRequested, this, &Application::ExitProgram);
        connect(frame_, &MDI::aboutRequested, this, [this] { ShowAbout(frame_); });
    }
    return frame_;
}

void Application::Read() {
    if (ended_ || !form_) return;
    MDI* frame = LoadFrame();
    reading::RunReading(form_->Values(), state_, *frame->Report());
    frame->showMaximized();
    form_->hide();
}

void Application::UnloadFrame() {
    if (!frame_) return;
    MDI* frame = frame_;
    frame_ = nullptr;
    frame->PrepareToUnload();
    frame->hide();
    // Back may come from the frame's own button: delete it once that click
    // has finished.
    frame->deleteLater();
}

void Application::Back() {
    UnloadFrame();
    if (form_) form_->show();
}

void Application::ShowAbout(QWidget* opener) {
    frmAbout about(browser_, opener);
    about.exec();
}

void Application::ExitProgram() {
    if (ended_) return;
    ended_ = true;
    UnloadFrame();
    if (form_) {
        frmMain* form = form_;
        form_ = nullptr;
        form->hide();
        form->deleteLater();
    }
    emit ended();
}

}  // namespace starwise::gui
