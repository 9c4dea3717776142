// Fonts, colours and texts shared by the program's windows.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string_view>

#include "starwise/version.h"

class QWidget;

namespace starwise::gui {

// Caption of every window.
inline constexpr std::string_view kWindowCaption = "Starwise v" STARWISE_VERSION;

// Caption of a window showing a person's reading: "ASHA KULKARNI - Starwise
// v1.15"; kWindowCaption alone for an empty name.
QString ReadingWindowTitle(std::string_view name);

inline const QColor kDarkGreen{0, 64, 0};
inline const QColor kOrange{255, 128, 0};
inline const QColor kWhite{255, 255, 255};

// Verdana where the machine has it, otherwise DejaVu Sans, otherwise the
// desktop's general font.
QString UiFontFamily();
QFont UiFont(double pointSize, bool bold = false, bool underline = false);

// Text colour of a label, frame caption or option button; the background
// is painted only when one is given.
void SetColours(QWidget* widget, const QColor& text, const QColor& background = QColor());

QString FromUtf8(std::string_view text);

// Application-wide settings every entry point shares (the program, the
// screenshots, the benchmarks): name, Fusion style (it honours the windows'
// own colours on every desktop), icon, no quit when the entry form hides,
// and no pixmap cache. Qt 6.4 keeps the text key of every pixmap the cache
// ever held, and each new report window's palettes make new keys, so with a
// cache the program grew by a few kilobytes per reading (and by the cache's
// 10 MB itself); the windows draw as fast without it.
// Call right after the QApplication is constructed.
void ConfigureApplication();

// The bytes of one of the program's resources (e.g. a sign picture's SVG);
// empty when there is no such resource.
QByteArray ResourceData(std::string_view resource);

// A picture from the program's resources (an SVG) drawn at the given size in
// logical pixels, sharp on high-density screens. Null when the resource is
// missing.
QPixmap ResourcePicture(std::string_view resource, QSize size, qreal devicePixelRatio);

}  // namespace starwise::gui
