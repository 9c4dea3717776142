// Helpers shared by the desktop program's tests: finding controls by name
// and working the menus with the mouse.
#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace starwise::gui::testing {

// The named child, or a test failure naming what is missing.
template <typename Widget>
Widget* Find(const QObject* parent, const QString& name) {
    auto* found = parent->findChild<Widget*>(name);
    if (found == nullptr) qWarning("no child named %s of the expected type", qPrintable(name));
    return found;
}

// Picks a menu item with the mouse, as a user would: click the menu's title
// in the menu bar, then the item in the menu that opens. An item given as
// the title itself (a menu bar entry with no menu) is clicked directly.
inline bool ClickMenuItem(QMainWindow* window, const QString& menuName, const QString& itemName) {
    QMenuBar* bar = window->menuBar();
    if (menuName.isEmpty()) {
        auto* action = window->findChild<QAction*>(itemName);
        if (action == nullptr) return false;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
        return true;
    }
    auto* menu = window->findChild<QMenu*>(menuName);
    auto* action = window->findChild<QAction*>(itemName);
    if (menu == nullptr || action == nullptr) return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000);
}

// Types text key by key; characters beyond ASCII arrive as a key event
// carrying the character, as a keyboard layout would send them.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 128) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

// Chooses a list entry from the keyboard: focus the list and type the start
// of the entry's text.
inline void TypeIntoList(QComboBox* list, const QString& text) {
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(list, text);
}

}  // namespace starwise::gui::testing

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>

#include "recorders.h"

namespace starwise::gui::testing {

// A rich-text box's content as its characters, with one format key per
// character ("bold|#rrggbb|points", paragraph breaks as "\n" keyed "break").
struct RenderedText {
    QString text;
    QStringList formats;
};

inline QString FormatKey(bool bold, const QColor& colour, double points) {
    return QStringLiteral("%1|%2|%3").arg(bold ? "bold" : "normal", colour.name()).arg(points);
}

inline RenderedText Rendered(const QTextDocument& document) {
    RenderedText out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            out.text += QLatin1Char('\n');
            out.formats << QStringLiteral("break");
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString key = FormatKey(format.fontWeight() >= QFont::Bold, format.foreground().color(),
                                          format.fontPointSize());
            out.text += fragment.text();
            for (int i = 0; i < fragment.length(); ++i) out.formats << key;
        }
    }
    return out;
}

// The same for what a reading wrote: CR LF is a paragraph break, and a size
// once given holds for what follows (base size before the first).
inline RenderedText Expected(const std::vector<RecordingReportView::Piece>& pieces, double baseSize) {
    RenderedText out;
    double size = baseSize;
    for (const RecordingReportView::Piece& piece : pieces) {
        if (piece.style.pointSize) size = *piece.style.pointSize;
        const reading::Rgb rgb = reading::RgbOf(piece.style.colour);
        const QString key = FormatKey(piece.style.bold, QColor(rgb.red, rgb.green, rgb.blue), size);
        QString text = QString::fromStdString(piece.text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (const QChar c : text) {
            out.text += c;
            out.formats << (c == QLatin1Char('\n') ? QStringLiteral("break") : key);
        }
    }
    return out;
}

}  // namespace starwise::gui::testing
