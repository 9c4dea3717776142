// Where web addresses go: the user's browser on the desktop, a recorder in
// tests.
#pragma once

#include <functional>

class QUrl;

namespace starwise::gui {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address over and returns at once; failures are not reported.
    virtual void Open(const QUrl& url) = 0;
};

class MessageSink;

// Opens the address in the default browser (QDesktopServices::openUrl by
// default). When that fails (no browser installed, say) the user is told so,
// with the address, and the address is put on the clipboard to paste.
class DesktopUrlOpener final : public UrlOpener {
public:
    using Launcher = std::function<bool(const QUrl&)>;
    explicit DesktopUrlOpener(MessageSink& messages, Launcher launch = {});
    void Open(const QUrl& url) override;

private:
    MessageSink& messages_;
    Launcher launch_;
};

}  // namespace starwise::gui
