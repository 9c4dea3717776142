#include "gui/filtered_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <memory>
#include <variant>

#include "entry/key_filters.h"
#include "gui/message_sink.h"

namespace starwise::gui {

std::optional<char32_t> TypedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace: return entry::kBackspace;
        case Qt::Key_Return:
        case Qt::Key_Enter: return entry::kEnter;
        case Qt::Key_Delete: return std::nullopt;
        default: break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        return static_cast<char32_t>(event.key() - Qt::Key_A + 1);
    }
    const QList<uint> text = event.text().toUcs4();
    if (text.isEmpty() || text.front() == 127) return std::nullopt;
    return static_cast<char32_t>(text.front());
}

FilteredLineEdit::FilteredLineEdit(Kind kind, MessageSink& messages, QWidget* parent)
    : QLineEdit(parent), kind_(kind), messages_(messages) {}

void FilteredLineEdit::ShowRefusalsIn(QLabel* hint) {
    hint_ = hint;
    ClearHint();
}

void FilteredLineEdit::Refuse(std::string_view text, entry::MessageIcon icon) {
    if (hint_) {
        hint_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        return;
    }
    messages_.Show(window(), text, icon);
}

void FilteredLineEdit::ClearHint() {
    if (hint_) hint_->clear();
}

bool FilteredLineEdit::InsertFiltered(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const std::string_view view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    const entry::PasteResult result =
        kind_ == Kind::Name ? entry::FilterNamePaste(view) : entry::FilterCoordinatePaste(view);
    if (const auto* refusal = std::get_if<entry::FormMessage>(&result)) {
        Refuse(refusal->text, refusal->icon);
        return false;
    }
    ClearHint();
    const std::string& accepted = std::get<std::string>(result);
    // QLineEdit::insert replaces the selection and cuts the text to the
    // box's maximum length, as typing would.
    insert(QString::fromUtf8(accepted.data(), static_cast<qsizetype>(accepted.size())));
    return true;
}

void FilteredLineEdit::PasteFrom(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!text.isEmpty()) InsertFiltered(text);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    // Editing shortcuts act on text that already passed the filters.
    for (QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll,
                                          QKeySequence::Undo, QKeySequence::Redo}) {
        if (event->matches(key)) {
            QLineEdit::keyPressEvent(event);
            return;
        }
    }
    const std::optional<char32_t> typed = TypedCharacter(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);  // moves the cursor, deletes, ...
        return;
    }
    const entry::KeyFilterResult result =
        kind_ == Kind::Name ? entry::FilterNameKey(*typed) : entry::FilterCoordinateKey(*typed);
    if (result.message) Refuse(result.message->text, result.message->icon);
    if (result.character == 0) {
        event->accept();
        return;
    }
    if (!result.message) ClearHint();
    if (result.character == entry::kBackspace || result.character == entry::kEnter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char32_t character = result.character;
    insert(QString::fromUcs4(&character, 1));
    event->accept();
}

QMenu* FilteredLineEdit::CreateFilteredContextMenu() {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // The Paste item is the one wired to QLineEdit::paste (by name in
        // Qt's own code, by member pointer perhaps in later versions).
        const bool isPaste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
                             disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        if (!isPaste) continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        connect(action, &QAction::triggered, this, [this] { PasteFrom(QClipboard::Clipboard); });
    }
    return menu;
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(CreateFilteredContextMenu());
    menu->exec(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // Middle-click pastes the X11 selection.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        PasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    if (InsertFiltered(event->mimeData()->text())) {
        // Always a copy: text dragged out of another box stays there.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        setFocus(Qt::MouseFocusReason);
    } else {
        event->ignore();
    }
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Let the line edit update its pre-edit text, then insert the committed
    // text through the filter.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&withoutCommit);
    InsertFiltered(event->commitString());
    event->accept();
}

}  // namespace starwise::gui
