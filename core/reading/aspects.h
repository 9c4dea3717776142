// The two minor aspects the reading looks for: semi-sextile and quincunx.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/natal_chart.h"
#include "reading/report_piece.h"

namespace starwise::reading {

struct AspectPairs {
    std::vector<std::string> quincunx;     // "Moon-Sun", body ahead named first
    std::vector<std::string> semiSextile;
};

// Aspect of an ordered pair: delta = (longitude i - longitude j) reduced into
// [0, 360); only when delta <= 180 (body i ahead of body j) is it rounded to
// a whole degree, halves to even, and tested: 28..32 semi-sextile,
// 147..153 quincunx. Across 0 Aries the reduction keeps the true separation.
enum class Aspect { None, SemiSextile, Quincunx };
Aspect AspectBetween(double longitudeIDeg, double longitudeJDeg);

// Every pair of Sun..Pluto (i, j in 0..9, i != j) in order of i, then j.
AspectPairs FindAspects(const engine::NatalChart& chart);

// The aspect section ("Planetary Aspects Interpration" ...); an empty list
// reads "Not Present".
std::vector<ReportPiece> AspectSection(const AspectPairs& pairs);

}  // namespace starwise::reading
