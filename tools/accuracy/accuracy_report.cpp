// Prints how far the engine's longitudes lie from ERFA's over random births:
// per body the mean, 95th percentile and largest error in degrees, and the
// share of charts that put the body in another sign or another whole degree.
// Usage: starwise-accuracy [births (default 10000)] [seed]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/accuracy/erfa_reference.h"

namespace {

using namespace starwise::accuracy;

constexpr std::size_t kDefaultBirths = 10000;
constexpr std::uint64_t kDefaultSeed = 20261208;

struct BodyErrors {
    std::vector<double> errorsDeg;
    std::size_t otherSign = 0;
    std::size_t otherWholeDegree = 0;
};

int Report(std::size_t birthCount, std::uint64_t seed) {
    std::vector<BodyErrors> bodies(kComparedCount);
    for (const auto& birth : RandomBirths(birthCount, seed)) {
        const ComparedLongitudes engine = EngineLongitudes(birth);
        const ComparedLongitudes erfa = ErfaLongitudes(birth);
        for (std::size_t k = 0; k < kComparedCount; ++k) {
            bodies[k].errorsDeg.push_back(AngleErrorDeg(engine[k], erfa[k]));
            bodies[k].otherSign += std::floor(engine[k] / 30.0) != std::floor(erfa[k] / 30.0);
            bodies[k].otherWholeDegree += std::floor(engine[k]) != std::floor(erfa[k]);
        }
    }
    std::printf("Engine against ERFA, %zu random births 1901-2050 at all latitudes (seed %llu); errors in degrees.\n\n",
                birthCount, static_cast<unsigned long long>(seed));
    std::printf("| Body | Mean | 95th percentile | Maximum | Other sign | Other whole degree |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    const double percentPerChart = 100.0 / static_cast<double>(birthCount);
    for (std::size_t k = 0; k < kComparedCount; ++k) {
        std::vector<double>& errors = bodies[k].errorsDeg;
        std::sort(errors.begin(), errors.end());
        double sum = 0.0;
        for (const double e : errors) sum += e;
        const std::size_t p95 = std::min(errors.size() - 1, static_cast<std::size_t>(0.95 * static_cast<double>(errors.size())));
        std::printf("| %s | %.4f | %.4f | %.4f | %.2f%% | %.2f%% |\n", std::string(kComparedNames[k]).c_str(),
                    sum / static_cast<double>(errors.size()), errors[p95], errors.back(),
                    static_cast<double>(bodies[k].otherSign) * percentPerChart,
                    static_cast<double>(bodies[k].otherWholeDegree) * percentPerChart);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::size_t births = argc > 1 ? std::stoul(argv[1]) : kDefaultBirths;
        const std::uint64_t seed = argc > 2 ? std::stoull(argv[2]) : kDefaultSeed;
        if (births == 0) throw std::invalid_argument("births");
        return Report(births, seed);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "starwise-accuracy: %s\nUsage: starwise-accuracy [births (at least 1)] [seed]\n",
                     error.what());
        return 2;
    }
}
