// Arbitrary doubles (NaN, infinities, huge values included) through the
// engine's numeric functions: nothing may hang or invoke undefined behaviour.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>

#include "engine/angles.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/nodes.h"
#include "engine/planets.h"
#include "engine/position_text.h"
#include "reading/aspects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    using namespace starwise::engine;
    const double a = input.ConsumeFloatingPoint<double>();
    const double b = input.ConsumeFloatingPoint<double>();
    const double c = input.ConsumeFloatingPoint<double>();
    const double d = input.ConsumeFloatingPoint<double>();
    (void)AngleOf(a, b);
    (void)ReduceRadians(a);
    (void)Normalize360(a);
    (void)TrueAnomaly(a, input.ConsumeProbability<double>() * 0.99);
    (void)Ascendant(a, b, c, d);
    (void)starwise::reading::AspectBetween(a, b);
    // Non-finite longitudes are refused with std::domain_error by design.
    try {
        (void)PlanetLongitudes(b / 1e6);
    } catch (const std::domain_error&) {
    }
    try {
        (void)LunarNodes(c);
    } catch (const std::domain_error&) {
    }
    try {
        (void)MoonLongitude(d / 1e6);
    } catch (const std::domain_error&) {
    }
    try {
        (void)ReduceDegrees(a);
        (void)FormatLongPosition(b);
        (void)ShortPositionOf(c);
    } catch (const std::exception&) {
    }
    return 0;
}
