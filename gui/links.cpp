#include "gui/links.h"

#include <QByteArray>

namespace starwise::gui::links {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QUrl Page(std::string_view site, const QString& page) { return QUrl(Text(site) + page, QUrl::StrictMode); }

}  // namespace

QUrl HomePageUrl() { return Page(kMakerSite, {}); }
QUrl ProductHelpUrl() { return Page(kProductSite, Text(kProductPageName) + QStringLiteral("-help.html")); }
QUrl ProductDownloadUrl() { return Page(kProductSite, QStringLiteral("download-") + Text(kProductPageName) + ".html"); }
QUrl DonationPageUrl() { return Page(kMakerHelpSite, QStringLiteral("donate.html")); }
QUrl CoBrandingOfferUrl() { return Page(kMakerHelpSite, QStringLiteral("co-brand.html")); }
QUrl FullBrandingOfferUrl() { return Page(kMakerHelpSite, QStringLiteral("fully-branded.html")); }

QUrl LocationSearchUrl(std::string_view searchText) {
    // Every byte outside the unreserved set is escaped, so spaces, "&", "+"
    // and non-ASCII letters in a place name all survive the trip.
    const QByteArray encoded =
        QByteArray(searchText.data(), static_cast<qsizetype>(searchText.size())).toPercentEncoding();
    return QUrl(Text(kWebSearch) + QStringLiteral("?q=") + QString::fromLatin1(encoded), QUrl::StrictMode);
}

QString HomePageInvitation() {
    return QStringLiteral("Visit us on the web at %1 for more of our software.").arg(HomePageUrl().host());
}

void OpenHomePage(UrlOpener& browser) { browser.Open(HomePageUrl()); }
void OpenProductHelp(UrlOpener& browser) { browser.Open(ProductHelpUrl()); }
void OpenProductDownload(UrlOpener& browser) { browser.Open(ProductDownloadUrl()); }
void OpenDonationPage(UrlOpener& browser) { browser.Open(DonationPageUrl()); }
void OpenCoBrandingOffer(UrlOpener& browser) { browser.Open(CoBrandingOfferUrl()); }
void OpenFullBrandingOffer(UrlOpener& browser) { browser.Open(FullBrandingOfferUrl()); }

}  // namespace starwise::gui::links
