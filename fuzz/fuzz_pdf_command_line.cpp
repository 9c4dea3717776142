// Arbitrary words as the desktop program's command line (starwise --pdf
// FILE and the birth flags): split at NUL bytes into words, read by
// ParseCommandLine, which needs no Qt. Checked: a run that writes a PDF has
// a file to write and a birth within the ranges a reading takes (a
// calendar date of 1901..2050, a clock time of the day, coordinates on the
// globe); a refusal has a message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <chrono>
#include <cmath>

#include "gui/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using starwise::gui::CommandLine;
    std::vector<std::string> words{"--pdf"};
    std::string word;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    const CommandLine command = starwise::gui::ParseCommandLine(words);
    if (command.action == CommandLine::WritePdf) {
        const starwise::entry::BirthInput& birth = command.birth;
        const int year = int{birth.localDate.year()};
        if (command.pdfPath.empty() || !birth.localDate.ok() || year < 1901 || year > 2050 ||
            birth.localMinutes < 0 || birth.localMinutes >= 1440 || !(std::abs(birth.latitudeDeg) <= 90.0) ||
            !(std::abs(birth.longitudeDeg) <= 180.0)) {
            __builtin_trap();
        }
    }
    if (command.action == CommandLine::Refuse && command.refusal.empty()) __builtin_trap();
    return 0;
}
