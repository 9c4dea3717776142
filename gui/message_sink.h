// Where the program's message boxes go. The desktop shows a modal box titled
// "Starwise" with a single OK button; tests record what would be shown.
#pragma once

#include <string_view>

#include "entry/entry_form.h"

class QWidget;

namespace starwise::gui {

// Title of every message box.
inline constexpr std::string_view kMessageTitle = "Starwise";

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the text with its icon over parent (null: no owner window) and
    // returns when the user has dismissed it.
    virtual void Show(QWidget* parent, std::string_view text, entry::MessageIcon icon) = 0;
};

// The real thing: QMessageBox, one OK button.
class MessageBoxSink final : public MessageSink {
public:
    void Show(QWidget* parent, std::string_view text, entry::MessageIcon icon) override;
};

}  // namespace starwise::gui
