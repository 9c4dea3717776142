#include "reading/house_section.h"

#include <string>

#include "content/body_texts.h"
#include "content/fixed_texts.h"
#include "content/house_texts.h"

namespace starwise::reading {
namespace {

std::string WithBreaks(std::string_view text, int lineBreaks) {
    std::string line{text};
    for (int i = 0; i < lineBreaks; ++i) line += kLineBreak;
    return line;
}

PieceKind TitleKindOf(content::TitleAccent accent) {
    return accent == content::TitleAccent::Primary ? PieceKind::BodyTitle : PieceKind::AlternateBodyTitle;
}

}  // namespace

std::vector<ReportPiece> HouseSection(const HousePlacement& placement) {
    std::vector<ReportPiece> pieces;
    const bool anyPlaced = placement.houseOccupied[3] || placement.houseOccupied[7] || placement.houseOccupied[11];
    pieces.push_back({PieceKind::SectionHeading,
                      WithBreaks(anyPlaced ? content::kPlanetsPresentHeading : content::kNoPlanetHeading, 2)});

    for (int body = 0; body < engine::kReadingBodies; ++body) {
        if (!placement.IsReported(body)) continue;
        const auto b = static_cast<std::size_t>(body);
        const content::BodyTextRow& row = content::kBodyTexts[b];
        const PieceKind title = TitleKindOf(row.titleAccent);
        std::string placementLine{row.placementTitle};
        placementLine += ' ';
        placementLine += placement.houseName[b];
        pieces.push_back({title, WithBreaks(placementLine, 2)});
        pieces.push_back({title, WithBreaks(row.characteristicsHeading, row.lineBreaksAfterHeading)});
        pieces.push_back({PieceKind::Paragraph, WithBreaks(row.generalParagraph, 2)});
        pieces.push_back({PieceKind::Paragraph, WithBreaks(placement.houseText[b], 2)});
    }

    pieces.push_back({PieceKind::SectionHeading, WithBreaks(content::kMoreAboutHousesHeading, 2)});
    for (const content::HouseRow& house : content::kHouses) {
        if (!placement.houseOccupied[static_cast<std::size_t>(house.house - 1)]) continue;
        pieces.push_back({PieceKind::LeadIn, WithBreaks(house.heading, 1)});
        pieces.push_back({PieceKind::Paragraph, WithBreaks(house.description, 2)});
        pieces.push_back({PieceKind::LeadIn, std::string{content::kKeywordLabel}});
        pieces.push_back({PieceKind::Paragraph, WithBreaks(house.keyword, 2)});
    }
    return pieces;
}

}  // namespace starwise::reading
