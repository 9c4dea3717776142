// Fixed lines and short explanations written on the report, the entry form
// and the about box.
#pragma once

#include <string_view>

namespace starwise::content {

// House section
inline constexpr std::string_view kPlanetsPresentHeading = "Planet Characteristics that affect your life:";
inline constexpr std::string_view kNoPlanetHeading = "There is not any planet present in any house";
inline constexpr std::string_view kMoreAboutHousesHeading = "More About Houses";
inline constexpr std::string_view kKeywordLabel = "Keyword : ";

// Aspect section
inline constexpr std::string_view kAspectHeading = "Planetary Aspects Interpration";
inline constexpr std::string_view kQuincunxLeadIn = "Quincunx Aspect present in your chart between";
inline constexpr std::string_view kQuincunxSignificance =
    "This aspect shows the challenges that you may face in life. You will need to make a lot of "
    "adjustments to overcome this effect.";
inline constexpr std::string_view kSemiSextileLeadIn = "Semi-sextile Aspect present in your chart between";
inline constexpr std::string_view kSemiSextileSignificance =
    "You will move towards conditions that are balanced and less emotional and hate dramas of any sort.";
inline constexpr std::string_view kSignificanceLabel = "Significance : ";
inline constexpr std::string_view kNotPresent = "Not Present";
inline constexpr std::string_view kSemiSextileSuffix = "  In Semi-Sextile Aspect";
inline constexpr std::string_view kQuincunxSuffix = "  In Quincunx Aspect";

// Natal Moon and void-of-course section
inline constexpr std::string_view kNatalMoonLabel = "Position of Natal Moon :- ";
inline constexpr std::string_view kNatalMoonComment =
    "The Moon is the symbol of feelings and emotions. You may have issues with family and friends, "
    "especially women. You will feel aloof and left out from your family.";
inline constexpr std::string_view kVoidOfCourseHeading = "Void of Course of Other Planets in your chart ";

// Report window explanations (Label1, lblNorthNodedesc, lblSouthNodeDesc)
extern const std::string_view kNodeAxisExplanation;
extern const std::string_view kNorthNodeExplanation;
extern const std::string_view kSouthNodeExplanation;

// About box description (frmAbout Label1)
extern const std::string_view kAboutDescription;
// The about box's sources and licences: the atlas's attribution under its
// licence, the tz database, and the program's own licence.
extern const std::string_view kAboutSources;

// Entry form
inline constexpr std::string_view kEntryFormIntro =
    "Know more about the choices you make in your life. Know what you will be and what you can "
    "accomplish in your lifetime. Take the initiative to discover your spiritual progress with Starwise";
extern const std::string_view kCoBrandOffer;       // lblCobrand, begins "Co-brand this software for your site."
extern const std::string_view kFormBanner;         // the entry form's banner, one line about the maker's web forum
extern const std::string_view kFrameBanner;        // lblVantoriaBanner, one line about the web forum
inline constexpr std::string_view kFullBrandOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";

}  // namespace starwise::content
