#include "gui/reading_files.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "gui/look.h"
#include "gui/reading_html.h"
#include "gui/reading_pages.h"

namespace starwise::gui {

QString WriteReadingPdf(const reading::Reading& reading, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageLayout(ReadingPageLayout());
    writer.setTitle(QStringLiteral("Starwise Reading: ") + FromUtf8(reading.birth.name));
    writer.setCreator(FromUtf8(kWindowCaption));
    if (PaintReadingPages(reading, writer) == 0) {
        return QStringLiteral("Cannot write %1: the file cannot be opened for writing.").arg(path);
    }
    return {};
}

QString WriteReadingHtml(const reading::Reading& reading, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    }
    file.write(ReadingHtml(reading, FigureMarkup::Inline).toUtf8());
    if (!file.commit()) return QStringLiteral("Cannot write %1: %2.").arg(path, file.errorString());
    return {};
}

QString SuggestedFileName(const reading::Reading& reading, const QString& suffix) {
    QString name = FromUtf8(reading.birth.name).simplified();
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 32) {
            c = QLatin1Char('_');
        }
    }
    return QStringLiteral("Starwise reading") + (name.isEmpty() ? QString() : QStringLiteral(" - ") + name) +
           QLatin1Char('.') + suffix;
}

}  // namespace starwise::gui
