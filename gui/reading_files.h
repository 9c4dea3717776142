// The reading written to files: an A4 PDF and one self-contained HTML file,
// and the file name offered for them.
#pragma once

#include <QString>

#include "reading/reading.h"

namespace starwise::gui {

// The reading as an A4 PDF at path, made in memory and written whole by
// files::WriteFileAtomically: complete, or an earlier file left as it was.
// Returns an empty string, or a sentence naming the file and why it could
// not be written (a full disk, a device, a missing folder).
QString WriteReadingPdf(const reading::Reading& reading, const QString& path);

// The reading as one HTML file (UTF-8) at path, written as the PDF is.
// Returns an empty string, or why the file could not be written.
QString WriteReadingHtml(const reading::Reading& reading, const QString& path);

// A file name for the reading, e.g. "Starwise reading - ASHA KULKARNI.pdf"
// for suffix "pdf"; characters that file systems refuse become "_".
QString SuggestedFileName(const reading::Reading& reading, const QString& suffix);

}  // namespace starwise::gui
