// Small helpers shared by the core tests.
#pragma once

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/natal_chart.h"
#include "engine/position_text.h"

namespace starwise::test {

// Smallest difference between two angles in degrees, wrap-around aware (0..180).
inline double AngleDiffDeg(double a, double b) {
    double diff = std::fmod(std::abs(a - b), 360.0);
    return diff > 180.0 ? 360.0 - diff : diff;
}

// The rows of tests/data/<fileName>, a comma-separated table with a header
// line (each file's source is named in its README beside it), as numbers.
inline std::vector<std::vector<double>> ReadNumberTable(std::string_view fileName) {
    const std::string path = std::string{STARWISE_TEST_DATA_DIR} + "/" + std::string{fileName};
    std::ifstream file{path};
    std::string line;
    if (!std::getline(file, line)) throw std::runtime_error("cannot read " + path);
    std::vector<std::vector<double>> rows;
    while (std::getline(file, line)) {
        std::vector<double> row;
        std::istringstream fields{line};
        for (std::string field; std::getline(fields, field, ',');) row.push_back(std::stod(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

// Fixed seed: the "random" properties are reproducible run to run.
inline std::mt19937_64 TestRandom() { return std::mt19937_64{20261208}; }

// Longitude in degrees of a short position text, half an arc-second into
// its minute so that the text shows it again ("05 Leo 41" -> 125.6834...).
inline double LongitudeOfText(std::string_view text) {
    const std::size_t sign = engine::kSignAbbreviations.find(text.substr(3, 3));
    if (text.size() != 9 || sign == std::string_view::npos || sign % 3 != 0) {
        throw std::invalid_argument("not a short position text: " + std::string{text});
    }
    return 10.0 * static_cast<double>(sign) + std::stoi(std::string{text.substr(0, 2)}) + std::stoi(std::string{text.substr(7, 2)}) / 60.0 + 0.5 / 3600.0;
}

// Places a chart body at a short position text: its longitude and its text.
inline void PlaceAt(engine::ChartBody& body, std::string_view text) {
    body.longitudeDeg = LongitudeOfText(text);
    body.positionText = engine::ShortPositionOf(body.longitudeDeg);
}

}  // namespace starwise::test
