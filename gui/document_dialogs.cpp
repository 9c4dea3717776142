#include "gui/document_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/look.h"

namespace starwise::gui {

QString DesktopDocumentDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                             const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

bool DesktopDocumentDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Reading"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    return dialog.exec() == QDialog::Accepted;
}

void DesktopDocumentDialogs::ShowFailure(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, FromUtf8(kWindowCaption), text);
}

}  // namespace starwise::gui
