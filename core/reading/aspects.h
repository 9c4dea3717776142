// The two minor aspects the reading looks for: semi-sextile and quincunx.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/natal_chart.h"
#include "reading/report_block.h"

namespace starwise::reading {

// Aspect of an ordered pair: delta = (longitude i - longitude j) reduced into
// [0, 360); only when delta <= 180 (body i ahead of body j) is it rounded to
// a whole degree, halves to even, and tested: 28..32 semi-sextile,
// 147..153 quincunx. Across 0 Aries the reduction keeps the true separation.
enum class Aspect { None, SemiSextile, Quincunx };
Aspect AspectBetween(double longitudeIDeg, double longitudeJDeg);

// Two of Sun .. Pluto in an aspect, the body ahead first.
struct AspectPair {
    engine::Body ahead;
    engine::Body behind;
    Aspect aspect;
    friend bool operator==(const AspectPair&, const AspectPair&) = default;
};

// The pair as the report names it: "Moon-Sun".
std::string PairName(const AspectPair& pair);

struct AspectPairs {
    std::vector<AspectPair> quincunx;
    std::vector<AspectPair> semiSextile;
};

// Every pair of Sun..Pluto (i, j in 0..9, i != j) in order of i, then j.
AspectPairs FindAspects(const engine::NatalChart& chart);

// The aspect section ("Planetary Aspects Interpration" ...): each list's
// items are "Moon-Sun  In Quincunx Aspect"; an empty list reads "Not Present".
std::vector<ReportBlock> AspectSection(const AspectPairs& pairs);

}  // namespace starwise::reading
