#include "reading/report_block.h"

namespace starwise::reading {

void AppendPlainText(const ReportBlock& block, std::string_view lineBreak, std::string& out) {
    if (block.items.empty()) {
        out += block.text;
    } else {
        for (const std::string& item : block.items) {
            out += item;
            out += lineBreak;
        }
    }
    const int breaks = block.after == BlockBreak::RunsOn ? 0 : block.after == BlockBreak::Line ? 1 : 2;
    for (int i = 0; i < breaks; ++i) out += lineBreak;
}

}  // namespace starwise::reading
