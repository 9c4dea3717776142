#include "gui/message_sink.h"

#include <QMessageBox>
#include <QString>

namespace starwise::gui {

void MessageBoxSink::Show(QWidget* parent, std::string_view text, entry::MessageIcon icon) {
    QMessageBox box(icon == entry::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromUtf8(kMessageTitle.data(), static_cast<qsizetype>(kMessageTitle.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace starwise::gui
