#include "reading/report_fields.h"

#include "reading/birth_header.h"
#include "reading/node_reading.h"
#include "reading/sun_sign.h"

namespace starwise::reading {
namespace {

using Profile = content::SunSignProfileRow;
using Node = content::NodeRow;

template <std::string_view Profile::*column>
std::string ProfileColumn(const Reading& r) {
    return r.sunSignProfile ? std::string{r.sunSignProfile->*column} : std::string{};
}

template <std::string_view Node::*column>
std::string NodeColumn(const Reading& r) {
    return r.nodeRow ? std::string{r.nodeRow->*column} : std::string{};
}

std::string ReadSunSign(const Reading& r) { return r.sunSign ? std::string{SignName(*r.sunSign)} : std::string{}; }
std::string ReadPositiveTraits(const Reading& r) {
    return r.sunSignProfile ? PositiveTraitsOf(*r.sunSignProfile) : std::string{};
}
std::string ReadSignPicture(const Reading& r) {
    return r.sunSignProfile ? std::to_string(r.sunSignProfile->pictureNumber) : std::string{};
}
std::string ReadNorthDescription(const Reading& r) { return r.nodeRow ? NorthDescriptionOf(*r.nodeRow) : std::string{}; }
std::string ReadSouthDescription(const Reading& r) { return r.nodeRow ? SouthDescriptionOf(*r.nodeRow) : std::string{}; }
std::string ReadAscendant(const Reading& r) {
    return r.chart ? r.chart->bodies[engine::kAscendant].positionText : std::string{};
}

// A reading made from a birth (a default Reading holds none).
bool HasBirth(const Reading& r) { return r.birth.localDate.ok(); }
std::string ReadBirth(const Reading& r) { return HasBirth(r) ? BirthHeaderText(r.birth) : std::string{}; }

bool SunSignRead(const Reading& r) { return !r.Failed(Step::SunSign); }
bool HasProfile(const Reading& r) { return r.sunSignProfile != nullptr; }
bool HasNodes(const Reading& r) { return r.nodeRow != nullptr; }
bool HasChart(const Reading& r) { return r.chart.has_value(); }

using enum FieldId;
using enum FieldKind;

}  // namespace

const std::array<ReportField, kFieldCount> kReportFields{{
    {Birth, "", "lblBirth", Value, FieldGroup::Birth, &ReadBirth, &HasBirth, -1},
    {SunSign, "Your Sun Sign", "lblSunSign", Sign, FieldGroup::SunSign, &ReadSunSign, &SunSignRead, 0},
    {Element, "Element", "lblSunSignElement", Value, FieldGroup::SunSign, &ProfileColumn<&Profile::element>,
     &HasProfile, 1},
    {BirthStone, "Birthstone", "lblSunSignBirthStone", Value, FieldGroup::SunSign,
     &ProfileColumn<&Profile::birthStone>, &HasProfile, 5},
    {LuckyNumber, "Lucky Number", "lblSunSignNumber", Value, FieldGroup::SunSign,
     &ProfileColumn<&Profile::luckyNumber>, &HasProfile, 2},
    {LuckyDay, "Lucky Day", "lblSunSignDay", Value, FieldGroup::SunSign, &ProfileColumn<&Profile::luckyDay>,
     &HasProfile, 3},
    {Compatibility, "Compatibility", "lblSunSignCompatibility", Value, FieldGroup::SunSign,
     &ProfileColumn<&Profile::compatibleSigns>, &HasProfile, 4},
    {PositiveTraits, "Positive Traits", "txtSunSignPositiveTraits", Paragraph, FieldGroup::SunSign,
     &ReadPositiveTraits, &HasProfile, 6},
    {NegativeTraits, "Negative Traits", "txtSunSignNegativeTraits", Paragraph, FieldGroup::SunSign,
     &ProfileColumn<&Profile::negativeTraits>, &HasProfile, 7},
    {SignPicture, "", "picSunSign", Picture, FieldGroup::SunSign, &ReadSignPicture, &HasProfile, 8},
    {NorthSign, "North Node Is Placed In", "lblNorthSign", Sign, FieldGroup::NorthNode, &NodeColumn<&Node::northSign>,
     &HasNodes, 9},
    {NorthKeywords, "Keywords", "lblNorthKeyWord", Value, FieldGroup::NorthNode, &NodeColumn<&Node::northKeywords>, &HasNodes,
     10},
    {NorthDescription, "", "txtNorthDesc", Paragraph, FieldGroup::NorthNode, &ReadNorthDescription, &HasNodes, 11},
    {SouthSign, "South Node Is Placed In", "lblSouthSign", Sign, FieldGroup::SouthNode, &NodeColumn<&Node::southSign>,
     &HasNodes, 12},
    {SouthKeywords, "Keywords", "lblSouthKeyWord", Value, FieldGroup::SouthNode, &NodeColumn<&Node::southKeywords>, &HasNodes,
     13},
    {SouthDescription, "", "txtSouthDesc", Paragraph, FieldGroup::SouthNode, &ReadSouthDescription, &HasNodes, 14},
    {Ascendant, "Ascendant", "lblAscendant", Sign, FieldGroup::Chart, &ReadAscendant, &HasChart, -1},
}};

}  // namespace starwise::reading
