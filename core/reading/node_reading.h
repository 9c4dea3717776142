// The "Karma Profile": the lunar nodes' signs, keywords and descriptions.
#pragma once

#include <string>

#include "content/node_texts.h"
#include "result/result.h"

namespace starwise::reading {

// Row of the node table for the north node's sign: the sign its position
// text shows (floor of the longitude, truncated like the text), matched on
// the row's three-letter abbreviation; nullptr when no row names that sign.
// Status OutOfRange for a longitude that has no position text.
Result<const content::NodeRow*> NodeRowOf(double northNodeDeg);

// The descriptions as shown: the Leo row's two stored paragraphs joined.
std::string NorthDescriptionOf(const content::NodeRow& row);
std::string SouthDescriptionOf(const content::NodeRow& row);

}  // namespace starwise::reading
