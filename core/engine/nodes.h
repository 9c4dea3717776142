// Mean lunar nodes.
#pragma once

namespace starwise::engine {

struct LunarNodeLongitudes {
    double northDeg;  // [0, 360)
    double southDeg;  // north + 180, [0, 360)
};

// Mean ascending node of the Moon at daysSinceJ2000, of the mean equinox of
// date: N = 125.1228 - 0.0529538083 d degrees, reduced as radians into
// [0, 2pi) and converted back as N * 180/pi with the engine's pi, kept in
// [0, 360). The south node is the point opposite. Throws std::domain_error
// for a non-finite day number or one so large that the reduction fails.
LunarNodeLongitudes LunarNodes(double daysSinceJ2000);

}  // namespace starwise::engine
