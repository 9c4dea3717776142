// Mean lunar nodes.
#pragma once

namespace starwise::engine {

struct LunarNodeLongitudes {
    double northDeg;  // [0, 360)
    double southDeg;  // north + 180, [0, 360)
};

// Mean ascending node at daysSinceJ2000: N = 125.1228 - 0.0529538083 d
// degrees, reduced as radians into [0, 2pi); converted back with the
// program's own factor 180/3.1416 and lowered by one whole degree (this is
// how the program has always placed the node, so node signs stay stable).
// The south node is the point opposite. Throws std::domain_error for a
// non-finite day number or one so large that the reduction fails.
LunarNodeLongitudes LunarNodes(double daysSinceJ2000);

}  // namespace starwise::engine
