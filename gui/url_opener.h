// Where web addresses go: the user's browser on the desktop, a recorder in
// tests.
#pragma once

class QUrl;

namespace starwise::gui {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address over and returns at once; failures are not reported.
    virtual void Open(const QUrl& url) = 0;
};

// Opens the address in the default browser (QDesktopServices::openUrl).
class DesktopUrlOpener final : public UrlOpener {
public:
    void Open(const QUrl& url) override;
};

}  // namespace starwise::gui
