// A block of the report's running text (the houses, aspects and void-of-
// course sections): a heading, a line, a list or a paragraph, with what it
// is. A block's text holds no line break; how the blocks are spaced and how
// each kind looks (weight, colour, size: reading/report_fields.h) is each
// renderer's to draw.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace starwise::reading {

enum class BlockKind {
    SectionHeading,      // starts a section: "More About Houses"
    BodyTitle,           // a placed body's title lines (Sun, Mercury, Mars, Saturn, Neptune)
    AlternateBodyTitle,  // the same for the bodies set apart from those (Moon, Venus, ...)
    LeadIn,              // a short emphasised line or label: "Keyword : ", "Significance : "
    List,                // the aspect pairs, one item per line
    Paragraph,           // running text
};
inline constexpr int kBlockKinds = 6;

// What comes between a block and the next one.
enum class BlockBreak {
    RunsOn,     // nothing: the next block goes on in the same line (a label before its text)
    Line,       // the next block starts on the next line (a title tied to its text)
    Paragraph,  // a blank line
};

struct ReportBlock {
    BlockKind kind = BlockKind::Paragraph;
    std::string text;                // the block's text; for a list, what it reads when it has no items
    std::vector<std::string> items;  // a list's lines
    BlockBreak after = BlockBreak::Paragraph;
    friend bool operator==(const ReportBlock&, const ReportBlock&) = default;
};

// Headings and titles keep with the block that follows them on a page.
constexpr bool IsHeading(BlockKind kind) {
    return kind == BlockKind::SectionHeading || kind == BlockKind::BodyTitle ||
           kind == BlockKind::AlternateBodyTitle;
}

// The block as plain text with lineBreak ending each line: its text, or
// each list item followed by a line break, then no, one or two line breaks
// for its BlockBreak. Appends to out.
void AppendPlainText(const ReportBlock& block, std::string_view lineBreak, std::string& out);

}  // namespace starwise::reading
