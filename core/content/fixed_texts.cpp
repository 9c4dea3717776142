// Longer fixed texts: the report window's node explanations, the about box
// description and the entry form's and frame window's advertisement lines.
#include "content/fixed_texts.h"

namespace starwise::content {

// Report window, "Karma Profile" tab. The first one starts with a space.
constexpr std::string_view kNodeAxisExplanation =
    R"( North Node and the South Node are the two directly opposite axis points of the Moon. They mark where the path of the Moon crosses the path of the Sun. The South Node shows the talents and habits you bring with you, the familiar ground you fall back on; the North Node points to the direction your soul is asked to grow in during this life.)";
constexpr std::string_view kNorthNodeExplanation =
    R"(The North Node of the Moon reflects those kinds of experiences, qualities and people that help you grow. It can feel unfamiliar and even uncomfortable at first, but moving towards it brings lasting fulfilment.)";
constexpr std::string_view kSouthNodeExplanation =
    R"(The South Node of the Moon reflects kind of experiences, skills and habits that you have already mastered, perhaps in past lives. They come easily and feel safe, but leaning on them too much keeps you from growing. Use them as a base, not a hiding place.)";

// About box.
constexpr std::string_view kAboutDescription =
    R"(Starwise is a part of Duzoro Darovedor that gives you a clear idea about the choices you make in your life and the path you are on. Enter your date, time and place of birth, and Starwise works out where the Sun, the Moon and the planets stood at that moment, then reads your chart for you: your Sun sign and its profile, your Karma Profile from the lunar nodes, the planets in your fourth, eighth and twelfth houses, the minor aspects between them and the planets that are void of course. Everything is worked out on your own computer, and nothing you enter is saved.)";

constexpr std::string_view kAboutSources =
    "Places: names, coordinates and time zones of the world's cities are from GeoNames "
    "(https://www.geonames.org/), as built into libgeonames, used unchanged under the Creative Commons "
    "Attribution 4.0 International licence (CC BY 4.0, https://creativecommons.org/licenses/by/4.0/).\n"
    "Time zone history: the tz database (https://www.iana.org/time-zones), in the public domain, "
    "read from the system's tzdata.\n"
    "Starwise is free software under the Expat (MIT) licence, Copyright 2026 Starwise developers. "
    "The terms of the program and of its parts are in /usr/share/doc/starwise/copyright.";

// Entry form and frame window.
constexpr std::string_view kCoBrandOffer =
    R"(Co-brand this software for your site. Add your own logo and web address and offer Starwise to your visitors as a free gift.)";
constexpr std::string_view kFormBanner =
    R"(Talk astrology with fellow stargazers on the Duzoro Darovedor web forum. Click here to join us!)";
constexpr std::string_view kFrameBanner =
    R"(Questions about your reading? Ask them on the Duzoro Darovedor web forum, free to join.)";

}  // namespace starwise::content
