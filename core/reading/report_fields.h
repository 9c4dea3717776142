// The report described once: one row per field the report shows (its
// caption, the objectName of the window's control that shows it, its kind
// and how it is read from the Reading), and one look per running-text block
// kind, in plain RGB. The report window, the document (HTML and pages), the
// command line's text and its JSON all walk these tables.
//
// A new field is one row of kReportFields: the window lays its control out
// by the row's kind and group, the document and the text write its caption
// and value, and the JSON names its control.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "reading/reading.h"
#include "reading/report_block.h"

namespace starwise::reading {

// Where in the report a field stands.
enum class FieldGroup {
    Birth,      // whose reading it is, above the Sun-sign profile
    SunSign,    // the Sun-sign profile
    NorthNode,  // the Karma Profile's north node
    SouthNode,  // the Karma Profile's south node
    Chart,      // beside the chart wheel
};

// What a field's value is, and so how it is shown.
enum class FieldKind {
    Sign,       // a sign or position, shown in the sign colour
    Value,      // a short value beside its caption
    Paragraph,  // a text under its caption (a scrolled box in the window)
    Picture,    // the Sun sign's picture; the value is its number, 1..12
};

enum class FieldId {
    Birth, SunSign, Element, BirthStone, LuckyNumber, LuckyDay, Compatibility, PositiveTraits, NegativeTraits,
    SignPicture, NorthSign, NorthKeywords, NorthDescription, SouthSign, SouthKeywords, SouthDescription, Ascendant,
};
inline constexpr int kFieldCount = 17;

struct ReportField {
    FieldId id;
    std::string_view caption;  // "Lucky Day"; empty for a field shown without one
    std::string_view control;  // objectName of the report window's control
    FieldKind kind;
    FieldGroup group;
    // The value as shown; empty when the part it belongs to is missing (a
    // failed step): never a placeholder.
    std::string (*read)(const Reading&);
    // Whether the reading holds the field's part (the JSON leaves absent
    // parts out).
    bool (*present)(const Reading&);
    // Position in the order the window's controls are filled, which the
    // JSON's "report" list keeps (0 first); -1 for a field the JSON does not list.
    int fillOrder;
};

// One row per FieldId, in FieldId order, which is the order the report
// shows them in.
extern const std::array<ReportField, kFieldCount> kReportFields;

constexpr const ReportField& FieldOf(FieldId id) { return kReportFields[static_cast<std::size_t>(id)]; }

// The captions of the report's parts: the Sun-sign profile, the Karma
// Profile of the two nodes, and the running text.
inline constexpr std::string_view kSunSignCaption = "Sun Sign";
inline constexpr std::string_view kKarmaProfileCaption = "Karma Profile";
inline constexpr std::string_view kRunningTextCaption = "Planets in House";

// objectName of the report window's box that shows the running text (the
// blocks of Reading::RunningText).
inline constexpr std::string_view kRunningTextControl = "RTBHouseDesc";

// How a kind of running-text block looks, in every renderer.
struct BlockLook {
    BlockKind kind;
    bool bold;
    std::string_view colourName;  // "black", "green", "red", "blue"
    std::array<int, 3> rgb;       // red, green, blue, 0..255
    // Point size the kind sets, which holds for everything after it (as a
    // rich-text box's selection size does); none: keep the size in force.
    std::optional<int> pointSize;
};

inline constexpr std::array<BlockLook, kBlockKinds> kBlockLooks{{
    {BlockKind::SectionHeading, true, "green", {0, 128, 0}, 11},
    {BlockKind::BodyTitle, true, "red", {128, 0, 0}, std::nullopt},
    {BlockKind::AlternateBodyTitle, true, "blue", {0, 0, 255}, std::nullopt},
    {BlockKind::LeadIn, true, "red", {128, 0, 0}, std::nullopt},
    {BlockKind::List, true, "black", {0, 0, 0}, std::nullopt},
    {BlockKind::Paragraph, false, "black", {0, 0, 0}, std::nullopt},
}};

constexpr const BlockLook& LookOf(BlockKind kind) { return kBlockLooks[static_cast<std::size_t>(kind)]; }

// Size of the running text before its first section heading, points.
inline constexpr double kRunningTextPointSize = 8.25;

}  // namespace starwise::reading
