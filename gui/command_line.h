// The desktop program's command line. Without words it opens the windows;
// --pdf FILE with the birth flags writes the reading as a PDF without any
// window; --version and --help print and end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry/birth_input.h"
#include "starwise/version.h"

namespace starwise::gui {

inline constexpr std::string_view kVersionLine = "starwise " STARWISE_VERSION;

// What one run of the program does.
struct CommandLine {
    enum Action { OpenWindows, PrintVersion, PrintHelp, WritePdf, Refuse };
    Action action = OpenWindows;
    std::string pdfPath;         // WritePdf: where, as given
    entry::BirthInput birth;     // WritePdf: the birth of the checked flags
    std::string refusal;         // Refuse: the message for standard error
    std::string zoneWarning;     // WritePdf: the zone check, when the zone disagrees with the place's
};

// The usage printed by --help, in the layout help2man reads.
std::string UsageText();

// Reads the words after the program's name. --version or --help anywhere
// wins. --pdf FILE (or --pdf=FILE) takes the other words as birth flags,
// read and checked as the command-line tool reads them, and is refused
// with the same messages. Birth flags alone, without --pdf, are refused;
// any other words are left to Qt (-platform, -style ...).
CommandLine ParseCommandLine(const std::vector<std::string>& words);

}  // namespace starwise::gui
