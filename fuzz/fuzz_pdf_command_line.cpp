// Arbitrary words as the desktop program's command line (starwise --pdf
// FILE and the birth flags): split at NUL bytes into words, read by
// ParseCommandLine, which needs no Qt. Checked: a run that writes a PDF has
// a file to write and form values that pass the entry form's checks; a
// refusal has a message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "entry/validation.h"
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
    if (command.action == CommandLine::WritePdf &&
        (command.pdfPath.empty() || starwise::entry::ValidateEntryForm(command.form).has_value())) {
        __builtin_trap();
    }
    if (command.action == CommandLine::Refuse && command.refusal.empty()) __builtin_trap();
    return 0;
}
