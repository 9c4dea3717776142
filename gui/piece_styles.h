// The running text's blocks ready to draw with the looks of
// reading/report_fields.h, shared by the report window and the reading
// document so the two read alike.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "reading/report_fields.h"

namespace starwise::gui {

inline QColor ColourOf(const reading::BlockLook& look) { return QColor(look.rgb[0], look.rgb[1], look.rgb[2]); }

// A block ready to draw in a plain-text box: its text with "\n" ending each
// of its lines and the breaks after it, its look, and the size in force for
// it, points. A heading's size holds for everything after it, as a
// rich-text box's selection size does.
struct StyledRun {
    QString text;
    const reading::BlockLook* look;
    double pointSize;
};
std::vector<StyledRun> StyledRunsOf(const std::vector<reading::ReportBlock>& blocks);

}  // namespace starwise::gui
