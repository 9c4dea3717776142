// A report view that keeps every piece written to it, in order: what the
// command line prints and what the tests inspect.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reading/report_view.h"

namespace starwise::reading {

struct ReportPiece {
    enum class Kind { Caption, Text, Picture, Styled };
    Kind kind = Kind::Caption;
    std::string control;   // label, text box, "picSunSign" or "RTBHouseDesc"
    std::string text;      // caption, text or inserted text
    int pictureNumber = 0; // Picture only
    TextStyle style;       // Styled only
    friend bool operator==(const ReportPiece&, const ReportPiece&) = default;
};

class RecordingReportView final : public ReportView {
public:
    void SetCaption(std::string_view labelName, std::string_view caption) override;
    void SetText(std::string_view textBoxName, std::string_view text) override;
    void SetSignPicture(int pictureNumber) override;
    void WriteStyled(const TextStyle& style, std::string_view text) override;

    const std::vector<ReportPiece>& Pieces() const { return pieces_; }

    // The last caption or text written to a control, if any.
    std::optional<std::string> LastWritten(std::string_view control) const;

    // The last picture number written, or 0.
    int Picture() const;

    // Everything inserted into the rich-text box, concatenated.
    std::string RichText() const;

    // The styled pieces only, in order.
    std::vector<ReportPiece> StyledPieces() const;

private:
    std::vector<ReportPiece> pieces_;
};

}  // namespace starwise::reading
