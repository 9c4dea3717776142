// Report blocks as one line of text each, so that a failed comparison of two
// block lists prints both sides readably: the kind, then the block as plain
// text with CR LF breaks (reading::AppendPlainText).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reading/report_block.h"

namespace starwise::test {

inline constexpr reading::BlockKind kHeading = reading::BlockKind::SectionHeading;
inline constexpr reading::BlockKind kTitle = reading::BlockKind::BodyTitle;
inline constexpr reading::BlockKind kAltTitle = reading::BlockKind::AlternateBodyTitle;
inline constexpr reading::BlockKind kLeadIn = reading::BlockKind::LeadIn;
inline constexpr reading::BlockKind kList = reading::BlockKind::List;
inline constexpr reading::BlockKind kParagraph = reading::BlockKind::Paragraph;

// A block: "lead-in | text".
inline std::string Show(reading::BlockKind kind, std::string_view text) {
    static constexpr std::string_view kNames[] = {"heading", "title", "alternate title", "lead-in", "list",
                                                  "paragraph"};
    return std::string{kNames[static_cast<int>(kind)]} + " | " + std::string{text};
}

inline std::vector<std::string> ShowAll(const std::vector<reading::ReportBlock>& blocks) {
    std::vector<std::string> shown;
    for (const reading::ReportBlock& block : blocks) {
        std::string text;
        reading::AppendPlainText(block, "\r\n", text);
        shown.push_back(Show(block.kind, text));
    }
    return shown;
}

}  // namespace starwise::test
