// The dialogs that saving and printing a reading go through: a file to save
// to, the printer's set-up, and a failure to tell. The program uses the
// desktop's dialogs; tests put in their own answers.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace starwise::gui {

class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // The file the user picks to save to, starting at suggestedPath; empty
    // when cancelled. filter as QFileDialog takes it ("PDF files (*.pdf)").
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                 const QString& filter) = 0;
    // Lets the user choose and set up a printer; false when cancelled.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Tells the user that saving or printing did not happen, and why.
    virtual void ShowFailure(QWidget* parent, const QString& text) = 0;
};

// QFileDialog, QPrintDialog and a warning message box.
class DesktopDocumentDialogs final : public DocumentDialogs {
public:
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
    void ShowFailure(QWidget* parent, const QString& text) override;
};

}  // namespace starwise::gui
