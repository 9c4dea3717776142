#include "houses/house_section.h"

#include <string>

#include "content/body_texts.h"
#include "content/fixed_texts.h"
#include "content/house_texts.h"

namespace starwise::houses {
namespace {

using reading::TextColour;
using reading::TextStyle;

std::string WithBreaks(std::string_view text, int lineBreaks) {
    std::string line{text};
    for (int i = 0; i < lineBreaks; ++i) line += reading::kLineBreak;
    return line;
}

TextColour ColourOf(content::HeadingColour colour) {
    return colour == content::HeadingColour::Red ? TextColour::Red : TextColour::Blue;
}

}  // namespace

void WriteHouseSection(const HousePlacement& placement, reading::ReportView& view) {
    const TextStyle heading{true, TextColour::Green, 11};
    const TextStyle plain{false, TextColour::Black, std::nullopt};
    const TextStyle redBold{true, TextColour::Red, std::nullopt};

    const bool anyPlaced = placement.houseOccupied[3] || placement.houseOccupied[7] || placement.houseOccupied[11];
    view.WriteStyled(heading, WithBreaks(anyPlaced ? content::kPlanetsPresentHeading : content::kNoPlanetHeading, 2));

    for (int body = 0; body < engine::kReadingBodies; ++body) {
        if (!placement.IsReported(body)) continue;
        const auto b = static_cast<std::size_t>(body);
        const content::BodyTextRow& row = content::kBodyTexts[b];
        const TextStyle title{true, ColourOf(row.headingColour), std::nullopt};
        std::string placementLine{row.placementTitle};
        placementLine += ' ';
        placementLine += placement.houseName[b];
        view.WriteStyled(title, WithBreaks(placementLine, 2));
        view.WriteStyled(title, WithBreaks(row.characteristicsHeading, row.lineBreaksAfterHeading));
        view.WriteStyled(plain, WithBreaks(row.generalParagraph, 2));
        view.WriteStyled(plain, WithBreaks(placement.houseText[b], 2));
    }

    view.WriteStyled(heading, WithBreaks(content::kMoreAboutHousesHeading, 2));
    for (const content::HouseRow& house : content::kHouses) {
        if (!placement.houseOccupied[static_cast<std::size_t>(house.house - 1)]) continue;
        view.WriteStyled(redBold, WithBreaks(house.heading, 1));
        view.WriteStyled(plain, WithBreaks(house.description, 2));
        view.WriteStyled(redBold, content::kKeywordLabel);
        view.WriteStyled(plain, WithBreaks(house.keyword, 2));
    }
}

void ReadHouses(const engine::NatalChart& chart, HousePlacement& placement, reading::ReportView& view) {
    PlaceBodies(chart, placement);
    WriteHouseSection(placement, view);
}

}  // namespace starwise::houses
