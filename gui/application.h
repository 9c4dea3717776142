// One run of the program: the single-copy check, the entry form, the frame
// window with the report (a new one for every reading, destroyed by Back),
// the about box, and the way out.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <string>

#include "gui/entry_window.h"
#include "reading/reading.h"
#include "gui/frame_window.h"

namespace starwise::gui {

class MessageSink;
class PeopleController;
class PeopleQuestions;
class SingleInstanceGuard;
class UrlOpener;

class Application : public QObject {
    Q_OBJECT

public:
    // peopleFile: the saved people's file; empty for the default one
    // (people::DefaultPeoplePath).
    Application(MessageSink& messages, UrlOpener& browser, QObject* parent = nullptr, std::string peopleFile = {});
    ~Application() override;

    // Refuses a second copy with "Application is already running" and ends;
    // otherwise shows the entry form. Returns whether the program runs on.
    bool Start(SingleInstanceGuard& guard);

    // Unloads every window and ends the program (ended() is emitted once).
    void ExitProgram();
    bool HasEnded() const { return ended_; }

    EntryWindow* EntryForm() const { return form_; }
    PeopleController* People() const { return people_.get(); }
    FrameWindow* Frame() const { return frame_; }
    // Whether the next reading's frame has been built in advance.
    bool NextFramePrepared() const { return !nextFrame_.isNull(); }
    // The reading on show (or last shown).
    const reading::Reading& LastReading() const { return lastReading_; }

signals:
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The reading hand-over, once the form's checks have passed.
    void Read();
    void Back();
    void ShowAbout(QWidget* opener);
    FrameWindow* LoadFrame();
    void UnloadFrame();
    // Builds the next reading's frame, hidden, while the form waits for
    // input, so the reading button only fills and shows it.
    void PrepareNextFrame();
    void SchedulePrepareNextFrame();

    MessageSink& messages_;
    UrlOpener& browser_;
    reading::Reading lastReading_;
    QPointer<EntryWindow> form_;
    QPointer<FrameWindow> frame_;
    QPointer<FrameWindow> nextFrame_;  // built, never shown; empty until prepared
    bool prepareAfterPaint_ = false;   // nextFrame_ is built after the form's next paint
    std::string peopleFile_;
    std::unique_ptr<PeopleQuestions> questions_;
    std::unique_ptr<PeopleController> people_;
    bool ended_ = false;
};

}  // namespace starwise::gui
