#include "gui/application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "gui/entry_window.h"
#include "entry/messages.h"
#include "gui/report_window.h"
#include "reading/reading.h"
#include "gui/about_box.h"
#include "gui/frame_window.h"
#include "gui/message_sink.h"
#include "gui/people_controller.h"
#include "gui/people_panel.h"
#include "gui/single_instance.h"

namespace starwise::gui {

Application::Application(MessageSink& messages, UrlOpener& browser, QObject* parent, std::string peopleFile)
    : QObject(parent), messages_(messages), browser_(browser), peopleFile_(std::move(peopleFile)) {}

Application::~Application() {
    people_.reset();
    delete frame_.data();
    delete nextFrame_.data();
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
    form_ = new EntryWindow(messages_, browser_);
    connect(form_, &EntryWindow::readingRequested, this, &Application::Read);
    connect(form_, &EntryWindow::aboutRequested, this, [this] { ShowAbout(form_); });
    connect(form_, &EntryWindow::exitRequested, this, &Application::ExitProgram);
    questions_ = std::make_unique<PeopleDialogs>();
    people_ = std::make_unique<PeopleController>(*form_, messages_, *questions_, peopleFile_);
    form_->show();
    SchedulePrepareNextFrame();
    return true;
}

void Application::SchedulePrepareNextFrame() {
    // Once the form has been drawn: the form comes first, the frame
    // behind it is built while the person reads or types.
    if (!form_ || nextFrame_) return;
    prepareAfterPaint_ = true;
    form_->installEventFilter(this);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Paint && prepareAfterPaint_) {
        prepareAfterPaint_ = false;
        form_->removeEventFilter(this);
        QTimer::singleShot(0, this, &Application::PrepareNextFrame);
    }
    return QObject::eventFilter(watched, event);
}

void Application::PrepareNextFrame() {
    if (ended_ || nextFrame_) return;
    nextFrame_ = new FrameWindow(browser_);
    nextFrame_->prepareToShow();
}

FrameWindow* Application::LoadFrame() {
    if (!frame_) {
        // A frame that has never shown a reading: nothing of an earlier
        // reading can be left in it.
        frame_ = nextFrame_ ? nextFrame_.data() : new FrameWindow(browser_);
        nextFrame_ = nullptr;
        connect(frame_, &FrameWindow::backRequested, this, &Application::Back);
        connect(frame_, &FrameWindow::exitRequested, this, &Application::ExitProgram);
        connect(frame_, &FrameWindow::aboutRequested, this, [this] { ShowAbout(frame_); });
    }
    return frame_;
}

void Application::Read() {
    if (ended_ || !form_) return;
    // A chosen person's birth as saved while the form still shows it: the
    // coordinates the boxes round to whole minutes are kept.
    std::variant<entry::BirthInput, entry::FormMessage> birth = form_->Birth();
    if (people_) {
        if (auto saved = people_->unchangedBirth()) birth = std::move(*saved);
    }
    if (const auto* refused = std::get_if<entry::FormMessage>(&birth)) {
        messages_.Show(form_, refused->text, refused->icon);
        return;
    }
    FrameWindow* frame = LoadFrame();
    lastReading_ = reading::RunReading(std::get<entry::BirthInput>(birth));
    // Shown first, then filled: the texts are laid out once, in boxes that
    // already have their size and scale (filled hidden, each box would lay
    // its text out again when shown).
    frame->showMaximized();
    frame->showReading(lastReading_);
    form_->hide();
    if (const std::string notice = reading::FailedStepsNotice(lastReading_); !notice.empty()) {
        messages_.Show(frame, notice, entry::MessageIcon::Error);
    }
}

void Application::UnloadFrame() {
    if (!frame_) return;
    FrameWindow* frame = frame_;
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
    SchedulePrepareNextFrame();
}

void Application::ShowAbout(QWidget* opener) {
    AboutBox about(browser_, opener);
    about.exec();
}

void Application::ExitProgram() {
    if (ended_) return;
    ended_ = true;
    UnloadFrame();
    if (nextFrame_) nextFrame_->deleteLater();
    people_.reset();  // before the form it works on
    if (form_) {
        EntryWindow* form = form_;
        form_ = nullptr;
        form->hide();
        form->deleteLater();
    }
    emit ended();
}

}  // namespace starwise::gui
