// Helpers shared by the desktop program's tests: stand-ins for the message
// box and the browser that record what would be shown or opened, finding
// controls by name, working menus with the mouse, typing.
#pragma once

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTest>
#include <QUrl>

#include "gui/message_sink.h"
#include "gui/url_opener.h"

namespace starwise::gui::testing {

// Each message as "icon|text", icon "error" or "information".
class RecordingMessageSink final : public MessageSink {
public:
    void Show(QWidget*, std::string_view text, entry::MessageIcon icon) override {
        shown << (icon == entry::MessageIcon::Error ? QStringLiteral("error|") : QStringLiteral("information|")) +
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    QStringList shown;
};

class RecordingUrlOpener final : public UrlOpener {
public:
    void Open(const QUrl& url) override { opened << url.toString(QUrl::FullyEncoded); }
    QStringList opened;
};

// The named child; a warning naming it when it is missing.
template <typename Widget>
Widget* Find(const QObject* parent, const QString& name) {
    auto* found = parent->findChild<Widget*>(name);
    if (found == nullptr) qWarning("no child named %s of the expected type", qPrintable(name));
    return found;
}

inline QString FocusName(const QWidget* window) {
    const QWidget* focus = window->focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

// Picks a menu item with the mouse: the title of its menu in the menu bar,
// then the item; an item standing in the menu bar itself is clicked there.
inline bool ClickMenuItem(QMainWindow* window, const QString& itemName) {
    QMenuBar* bar = window->menuBar();
    auto* action = window->findChild<QAction*>(itemName);
    if (action == nullptr) return false;
    QMenu* menu = nullptr;
    for (QObject* owner : action->associatedObjects()) menu = menu ? menu : qobject_cast<QMenu*>(owner);
    const bool inBar = bar->actions().contains(action);
    if (!inBar && menu == nullptr) return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(inBar ? action : menu->menuAction()).center());
    if (inBar) return true;
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000);
}

// Types text key by key: "\r" is Enter, "\b" Backspace, other control
// characters Ctrl+letter ("\x11" Ctrl+Q); characters beyond ASCII arrive as
// a key event carrying the character, as a keyboard layout sends them.
inline void Type(QWidget* widget, const QString& keys) {
    for (const QChar key : keys) {
        const ushort code = key.unicode();
        if (code == '\r') {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (code == '\b') {
            QTest::keyClick(widget, Qt::Key_Backspace);
        } else if (code < 32) {
            QTest::keyClick(widget, static_cast<Qt::Key>(Qt::Key_A + code - 1), Qt::ControlModifier);
        } else if (code < 128) {
            QTest::keyClick(widget, key.toLatin1());
        } else {
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, QString(key));
                QApplication::sendEvent(widget, &event);
            }
        }
    }
}

// Focuses the control and types; a pick list chooses the entry that starts
// with the text.
inline void FocusAndType(QWidget* widget, const QString& keys) {
    widget->setFocus(Qt::TabFocusReason);
    Type(widget, keys);
}

}  // namespace starwise::gui::testing
