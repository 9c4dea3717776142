// Stand-ins for the message box and the browser: they record what the
// program would have shown or opened.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

#include "entry/entry_form.h"
#include "shell/message_sink.h"
#include "shell/url_opener.h"

namespace starwise::gui::testing {

struct ShownMessage {
    QString text;
    entry::MessageIcon icon;
};

class RecordingMessageSink final : public MessageSink {
public:
    void Show(QWidget*, std::string_view text, entry::MessageIcon icon) override {
        shown.push_back({QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), icon});
    }
    QStringList Texts() const {
        QStringList texts;
        for (const ShownMessage& message : shown) texts << message.text;
        return texts;
    }
    std::vector<ShownMessage> shown;
};

class RecordingUrlOpener final : public UrlOpener {
public:
    void Open(const QUrl& url) override { opened << url.toString(QUrl::FullyEncoded); }
    QStringList opened;
};

inline QString IconName(entry::MessageIcon icon) {
    return icon == entry::MessageIcon::Error ? QStringLiteral("error") : QStringLiteral("information");
}

}  // namespace starwise::gui::testing

#include <map>
#include <string>

#include "reading/report_view.h"

namespace starwise::gui::testing {

// What a reading writes, kept as the core wrote it: the reference that the
// report window's rendering is compared with.
class RecordingReportView final : public reading::ReportView {
public:
    struct Piece {
        reading::TextStyle style;
        std::string text;
    };
    void SetCaption(std::string_view name, std::string_view caption) override {
        captions[std::string(name)] = std::string(caption);
    }
    void SetText(std::string_view name, std::string_view text) override { texts[std::string(name)] = std::string(text); }
    void SetSignPicture(int number) override { pictureNumber = number; }
    void WriteStyled(const reading::TextStyle& style, std::string_view text) override {
        pieces.push_back({style, std::string(text)});
    }
    std::map<std::string, std::string> captions;
    std::map<std::string, std::string> texts;
    int pictureNumber = 0;
    std::vector<Piece> pieces;
};

}  // namespace starwise::gui::testing
