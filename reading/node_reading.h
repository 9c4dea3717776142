// The "Karma Profile": the lunar nodes' signs, keywords and descriptions.
#pragma once

#include <string_view>

#include "content/node_texts.h"
#include "reading/report_view.h"

namespace starwise::reading {

// Row of the node table for a north node's short position text, chosen by
// its characters 4 to 6 (the sign abbreviation); nullptr when they name no
// sign (e.g. a text shorter than six characters).
const content::NodeRow* NodeRowFor(std::string_view northNodeText);

// Writes the north and south sign captions, keywords and descriptions;
// writes nothing when no row applies.
void FillNodeReading(std::string_view northNodeText, ReportView& view);

}  // namespace starwise::reading
