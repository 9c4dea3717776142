// The web pages the program points to, one procedure per page. The hosts are
// kept here and nowhere else; they use the reserved .example domains until
// the real sites exist.
#pragma once

#include <QString>
#include <QUrl>
#include <string_view>

#include "gui/url_opener.h"

namespace starwise::gui::links {

// The maker's main web site (home page and the location search's referrer).
inline constexpr std::string_view kMakerSite = "https://www.duzoro.example/";
// The maker's help site: donation and branding offers.
inline constexpr std::string_view kMakerHelpSite = "https://help.duzoro.example/";
// The product's own site: help and download pages.
inline constexpr std::string_view kProductSite = "https://www.starwise.example/";
// The product's name as it appears in the page names.
inline constexpr std::string_view kProductPageName = "starwise";
// Web search used by the location lookup; the search text goes in "q".
inline constexpr std::string_view kWebSearch = "https://www.search.example/search";

QUrl HomePageUrl();            // root of the maker's site
QUrl ProductHelpUrl();         // <product>-help.html on the product's site
QUrl ProductDownloadUrl();     // download-<product>.html on the product's site
QUrl DonationPageUrl();        // donate.html on the help site
QUrl CoBrandingOfferUrl();     // co-brand.html on the help site
QUrl FullBrandingOfferUrl();   // fully-branded.html on the help site

// A web search for the text, percent-encoded into the address.
QUrl LocationSearchUrl(std::string_view searchText);

// The about box's invitation to the maker's site, naming its address.
QString HomePageInvitation();

void OpenHomePage(UrlOpener& browser);
void OpenProductHelp(UrlOpener& browser);
void OpenProductDownload(UrlOpener& browser);
void OpenDonationPage(UrlOpener& browser);
void OpenCoBrandingOffer(UrlOpener& browser);
void OpenFullBrandingOffer(UrlOpener& browser);

}  // namespace starwise::gui::links
