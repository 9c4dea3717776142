#include "gui/piece_styles.h"

#include <string>

#include "gui/look.h"

namespace starwise::gui {

std::vector<StyledRun> StyledRunsOf(const std::vector<reading::ReportBlock>& blocks) {
    std::vector<StyledRun> runs;
    runs.reserve(blocks.size());
    double pointSize = reading::kRunningTextPointSize;
    for (const reading::ReportBlock& block : blocks) {
        const reading::BlockLook& look = reading::LookOf(block.kind);
        if (look.pointSize) pointSize = *look.pointSize;
        std::string text;
        reading::AppendPlainText(block, "\n", text);
        runs.push_back({FromUtf8(text), &look, pointSize});
    }
    return runs;
}

}  // namespace starwise::gui
