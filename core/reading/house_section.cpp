#include "reading/house_section.h"

#include <string>

#include "content/body_texts.h"
#include "content/fixed_texts.h"
#include "content/house_texts.h"

namespace starwise::reading {
namespace {

BlockKind TitleKindOf(content::TitleAccent accent) {
    return accent == content::TitleAccent::Primary ? BlockKind::BodyTitle : BlockKind::AlternateBodyTitle;
}

ReportBlock Block(BlockKind kind, std::string_view text, BlockBreak after = BlockBreak::Paragraph) {
    return {kind, std::string{text}, {}, after};
}

}  // namespace

std::vector<ReportBlock> HouseSection(const HousePlacement& placement) {
    std::vector<ReportBlock> blocks;
    const bool anyPlaced = placement.houseOccupied[3] || placement.houseOccupied[7] || placement.houseOccupied[11];
    blocks.push_back(
        Block(BlockKind::SectionHeading, anyPlaced ? content::kPlanetsPresentHeading : content::kNoPlanetHeading));

    for (int body = 0; body < engine::kReadingBodies; ++body) {
        if (!placement.IsReported(body)) continue;
        const auto b = static_cast<std::size_t>(body);
        const content::BodyTextRow& row = content::kBodyTexts[b];
        const BlockKind title = TitleKindOf(row.titleAccent);
        std::string placementLine{row.placementTitle};
        placementLine += ' ';
        placementLine += placement.houseName[b];
        blocks.push_back(Block(title, placementLine));
        blocks.push_back(Block(title, row.characteristicsHeading,
                               row.lineBreaksAfterHeading > 1 ? BlockBreak::Paragraph : BlockBreak::Line));
        blocks.push_back(Block(BlockKind::Paragraph, row.generalParagraph));
        blocks.push_back(Block(BlockKind::Paragraph, placement.houseText[b]));
    }

    blocks.push_back(Block(BlockKind::SectionHeading, content::kMoreAboutHousesHeading));
    for (const content::HouseRow& house : content::kHouses) {
        if (!placement.houseOccupied[static_cast<std::size_t>(house.house - 1)]) continue;
        blocks.push_back(Block(BlockKind::LeadIn, house.heading, BlockBreak::Line));
        blocks.push_back(Block(BlockKind::Paragraph, house.description));
        blocks.push_back(Block(BlockKind::LeadIn, content::kKeywordLabel, BlockBreak::RunsOn));
        blocks.push_back(Block(BlockKind::Paragraph, house.keyword));
    }
    return blocks;
}

}  // namespace starwise::reading
