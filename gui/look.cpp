#include "gui/look.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPixmapCache>
#include <QStyleFactory>

#include "gui/sign_pictures.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QWidget>
#include <QtGlobal>

// The pictures are compiled into this library; a static library must say so
// once before its resources are used.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace starwise::gui {

QString UiFontFamily() {
    static const QString family = [] {
        for (const QString& candidate : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (QFontDatabase::hasFamily(candidate)) return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont UiFont(double pointSize, bool bold, bool underline) {
    QFont font(UiFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    // Latin text is drawn from the font's glyphs and kerning without a
    // shaping pass, which took a third of the time to show a report; text
    // in a script that needs shaping (a name in Devanagari) is still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    // Only the roles a label, caption or option button draws with: boxes,
    // lists and buttons inside keep their own text and field colours.
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QString ReadingWindowTitle(std::string_view name) {
    const QString caption = FromUtf8(kWindowCaption);
    const QString person = FromUtf8(name).trimmed();
    return person.isEmpty() ? caption : person + QStringLiteral(" - ") + caption;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray ResourceData(std::string_view resource) {
    InitPictureResources();
    QFile file(FromUtf8(resource));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QPixmap ResourcePicture(std::string_view resource, QSize size, qreal devicePixelRatio) {
    InitPictureResources();
    QSvgRenderer renderer(FromUtf8(resource));
    if (!renderer.isValid()) return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

void ConfigureApplication() {
    QApplication::setApplicationName(QStringLiteral("starwise"));
    QApplication::setDesktopFileName(QStringLiteral("starwise"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(ResourcePicture(kProgramIcon, {256, 256}, 1.0)));
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmapCache::setCacheLimit(0);
}

}  // namespace starwise::gui
