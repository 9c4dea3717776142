#include "engine/nodes.h"

#include "engine/angles.h"

namespace starwise::engine {

LunarNodeLongitudes LunarNodes(double daysSinceJ2000) {
    const double nodeRad = ReduceRadians((125.1228 - 0.0529538083 * daysSinceJ2000) * kRadiansPerDegree);
    double northDeg = nodeRad * (180.0 / 3.1416) - 1.0;
    if (northDeg < 0) northDeg += 360.0;
    double southDeg = northDeg + 180.0;
    while (southDeg >= 360.0) southDeg -= 360.0;
    return {northDeg, southDeg};
}

}  // namespace starwise::engine
