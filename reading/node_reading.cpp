#include "reading/node_reading.h"

#include <string>

#include "reading/report_controls.h"

namespace starwise::reading {

const content::NodeRow* NodeRowFor(std::string_view northNodeText) {
    const std::string_view abbreviation = northNodeText.size() > 3 ? northNodeText.substr(3, 3) : std::string_view{};
    for (const content::NodeRow& row : content::kNodeRows) {
        if (row.test == abbreviation) return &row;
    }
    return nullptr;
}

void FillNodeReading(std::string_view northNodeText, ReportView& view) {
    const content::NodeRow* row = NodeRowFor(northNodeText);
    if (row == nullptr) return;
    view.SetCaption(controls::lblNorthSign, row->northSign);
    view.SetCaption(controls::lblNorthKeyWord, row->northKeywords);
    view.SetText(controls::txtNorthDesc, std::string{row->northDescription} + std::string{row->northDescriptionSecond});
    view.SetCaption(controls::lblSouthSign, row->southSign);
    view.SetCaption(controls::lblSouthKeyWord, row->southKeywords);
    view.SetText(controls::txtSouthDesc, std::string{row->southDescription} + std::string{row->southDescriptionSecond});
}

}  // namespace starwise::reading
