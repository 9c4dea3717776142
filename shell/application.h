// One run of the program: the single-copy check, the entry form, the frame
// window with the report (created at a reading, destroyed by Back), the
// about box, and the way out. It owns the state that the readings of this
// run share.
#pragma once

#include <QObject>
#include <QPointer>

#include "entry/frm_main.h"
#include "reading/reading_state.h"
#include "shell/mdi.h"

namespace starwise::gui {

class MessageSink;
class SingleInstanceGuard;
class UrlOpener;

class Application : public QObject {
    Q_OBJECT

public:
    Application(MessageSink& messages, UrlOpener& browser, QObject* parent = nullptr);
    ~Application() override;

    // Refuses a second copy with "Application is already running" and ends;
    // otherwise shows the entry form. Returns whether the program runs on.
    bool Start(SingleInstanceGuard& guard);

    // Unloads every window and ends the program (ended() is emitted once).
    void ExitProgram();
    bool HasEnded() const { return ended_; }

    frmMain* EntryForm() const { return form_; }
    MDI* Frame() const { return frame_; }
    const reading::ReadingState& State() const { return state_; }

signals:
    void ended();

private:
    // The reading hand-over, once the form's checks have passed.
    void Read();
    void Back();
    void ShowAbout(QWidget* opener);
    MDI* LoadFrame();
    void UnloadFrame();

    MessageSink& messages_;
    UrlOpener& browser_;
    reading::ReadingState state_;
    QPointer<frmMain> form_;
    QPointer<MDI> frame_;
    bool ended_ = false;
};

}  // namespace starwise::gui
