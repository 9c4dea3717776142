// A text box whose input passes the entry form's filters, whichever way it
// arrives: typed keys one by one, and pasted, dropped or input-method text
// as a whole. Refused input shows the filter's message: in a message box, or
// quietly in a hint beside the box when one is given.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QPointer>
#include <optional>
#include <string_view>

#include "entry/entry_form.h"

class QLabel;
class QMenu;

namespace starwise::gui {

class MessageSink;

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class Kind { Name, Coordinate };

    FilteredLineEdit(Kind kind, MessageSink& messages, QWidget* parent = nullptr);

    // Inserts text at the cursor as a paste would: refused whole with the
    // filter's message, or inserted (capitalised in the name box) up to the
    // box's length limit. Returns whether anything was accepted.
    bool InsertFiltered(const QString& text);

    // The usual edit menu, with its Paste item going through the filter.
    QMenu* CreateFilteredContextMenu();

    // Shows refusals as hint's text instead of a message box, so typing
    // goes on in this box uninterrupted; the next accepted input clears it.
    void ShowRefusalsIn(QLabel* hint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void PasteFrom(QClipboard::Mode mode);
    void Refuse(std::string_view text, entry::MessageIcon icon);
    void ClearHint();

    Kind kind_;
    MessageSink& messages_;
    QPointer<QLabel> hint_;
};

// The character code a key press types, as the filters see it: Backspace 8,
// Enter 13, Ctrl+letter 1..26, otherwise the key's text. Nothing for keys
// that type nothing (arrows, Delete, function keys, modifiers alone).
std::optional<char32_t> TypedCharacter(const QKeyEvent& event);

}  // namespace starwise::gui
