#include "gui/reading_files.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>

#include <string>
#include <string_view>

#include "files/atomic_file.h"
#include "gui/look.h"
#include "gui/reading_html.h"
#include "gui/reading_pages.h"

namespace starwise::gui {
namespace {

// Writes bytes as the whole file at path, through the core's atomic writer:
// an empty string, or its sentence naming the file and the cause.
QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const files::WriteResult result = files::WriteFileAtomically(
        QFile::encodeName(path).toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return result.written() ? QString() : QString::fromLocal8Bit(result.message.c_str());
}

}  // namespace

QString WriteReadingPdf(const reading::Reading& reading, const QString& path) {
    // The document is made in memory and written only when complete, so a
    // failure never leaves part of a file in place of an earlier one.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(ReadingPageLayout());
        writer.setTitle(QStringLiteral("Starwise Reading: ") + FromUtf8(reading.birth.name));
        writer.setCreator(FromUtf8(kWindowCaption));
        if (PaintReadingPages(reading, writer) == 0) {
            return QStringLiteral("Cannot write ") + path + QStringLiteral(": the PDF could not be drawn.");
        }
    }
    return WriteWholeFile(path, pdf.data());
}

QString WriteReadingHtml(const reading::Reading& reading, const QString& path) {
    return WriteWholeFile(path, ReadingHtml(reading, FigureMarkup::Inline).toUtf8());
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
