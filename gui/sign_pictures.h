// Sign pictures, in sign order (Aries first). The key is the picture's name in
// the sun-sign image list; the resource is the SVG that the GUI shows for it
// (compiled in from gui/pictures/pictures.qrc).
#pragma once

#include <array>
#include <string_view>

namespace starwise::gui {

struct SignPictureRow {
    int number;                  // 1 (Aries) .. 12 (Pisces)
    std::string_view key;        // image-list key, e.g. "Aries.jpg"
    std::string_view resource;   // Qt resource path of the picture
};

// Two keys are lower case; they are kept as the image list spells them.
inline constexpr std::array<SignPictureRow, 12> kSignPictures{{
    {1, "Aries.jpg", ":/signs/aries.svg"},
    {2, "Taurus.jpg", ":/signs/taurus.svg"},
    {3, "Gemini.jpg", ":/signs/gemini.svg"},
    {4, "Cancer.jpg", ":/signs/cancer.svg"},
    {5, "Leo.jpg", ":/signs/leo.svg"},
    {6, "Virgo.jpg", ":/signs/virgo.svg"},
    {7, "Libra.jpg", ":/signs/libra.svg"},
    {8, "Scorpio.jpg", ":/signs/scorpio.svg"},
    {9, "sagittarius.jpg", ":/signs/sagittarius.svg"},
    {10, "capricorn.jpg", ":/signs/capricorn.svg"},
    {11, "Aquarius.jpg", ":/signs/aquarius.svg"},
    {12, "Pisces.jpg", ":/signs/pisces.svg"},
}};

// Window and about-box icon.
inline constexpr std::string_view kProgramIcon = ":/signs/starwise-icon.svg";

}  // namespace starwise::gui
