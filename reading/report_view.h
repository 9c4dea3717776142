// The one interface through which a reading writes its report. The desktop
// report window, the command line and the tests each implement it.
#pragma once

#include <optional>
#include <string_view>

namespace starwise::reading {

enum class TextColour { Black, Green, Red, Blue };

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Components 0..255 of the report's colours (the classic 16-colour palette).
constexpr Rgb RgbOf(TextColour colour) {
    switch (colour) {
        case TextColour::Green: return {0, 128, 0};
        case TextColour::Red: return {128, 0, 0};
        case TextColour::Blue: return {0, 0, 255};
        case TextColour::Black: break;
    }
    return {0, 0, 0};
}

// Attributes set before a piece of text is inserted into the rich-text box.
// A point size is given for section headings only (11) and stays in force
// for everything written after it.
struct TextStyle {
    bool bold = false;
    TextColour colour = TextColour::Black;
    std::optional<int> pointSize;
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// A line break in the rich-text box: carriage return, line feed.
inline constexpr std::string_view kLineBreak = "\r\n";

class ReportView {
public:
    virtual ~ReportView() = default;

    // Caption of a named label of the report window (e.g. "lblSunSign").
    virtual void SetCaption(std::string_view labelName, std::string_view caption) = 0;

    // Text of a named text box (e.g. "txtNorthDesc").
    virtual void SetText(std::string_view textBoxName, std::string_view text) = 0;

    // The Sun-sign picture, by its number 1..12 (Aries .. Pisces).
    virtual void SetSignPicture(int pictureNumber) = 0;

    // Sets bold, colour and (when given) point size, then inserts the text at
    // the caret of the rich-text box "RTBHouseDesc"; the caret moves to its end.
    virtual void WriteStyled(const TextStyle& style, std::string_view text) = 0;
};

}  // namespace starwise::reading
