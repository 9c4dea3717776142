#include "engine/nodes.h"

#include <stdexcept>

#include "engine/angles.h"

namespace starwise::engine {

LunarNodeLongitudes LunarNodes(double daysSinceJ2000) {
    const double nodeRad = ReduceRadians((125.1228 - 0.0529538083 * daysSinceJ2000) * kRadiansPerDegree);
    // For day numbers beyond about 1e17 the reduction loses every digit;
    // refuse them rather than loop on a value that no subtraction changes.
    if (!(nodeRad >= 0.0 && nodeRad < kTwoPi)) throw std::domain_error("day number too far from J2000");
    double northDeg = nodeRad * (180.0 / kPi);
    if (northDeg >= 360.0) northDeg -= 360.0;  // a radian value just below 2pi may round up to 360
    double southDeg = northDeg + 180.0;
    if (southDeg >= 360.0) southDeg -= 360.0;  // north is below 360, so once is enough
    return {northDeg, southDeg};
}

}  // namespace starwise::engine
