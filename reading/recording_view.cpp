#include "reading/recording_view.h"

#include "reading/report_controls.h"

namespace starwise::reading {

void RecordingReportView::SetCaption(std::string_view labelName, std::string_view caption) {
    pieces_.push_back({ReportPiece::Kind::Caption, std::string{labelName}, std::string{caption}, 0, {}});
}

void RecordingReportView::SetText(std::string_view textBoxName, std::string_view text) {
    pieces_.push_back({ReportPiece::Kind::Text, std::string{textBoxName}, std::string{text}, 0, {}});
}

void RecordingReportView::SetSignPicture(int pictureNumber) {
    pieces_.push_back({ReportPiece::Kind::Picture, std::string{controls::picSunSign}, {}, pictureNumber, {}});
}

void RecordingReportView::WriteStyled(const TextStyle& style, std::string_view text) {
    pieces_.push_back({ReportPiece::Kind::Styled, std::string{controls::RTBHouseDesc}, std::string{text}, 0, style});
}

std::optional<std::string> RecordingReportView::LastWritten(std::string_view control) const {
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
        if (piece->control == control &&
            (piece->kind == ReportPiece::Kind::Caption || piece->kind == ReportPiece::Kind::Text)) {
            return piece->text;
        }
    }
    return std::nullopt;
}

int RecordingReportView::Picture() const {
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
        if (piece->kind == ReportPiece::Kind::Picture) return piece->pictureNumber;
    }
    return 0;
}

std::string RecordingReportView::RichText() const {
    std::string text;
    for (const ReportPiece& piece : pieces_) {
        if (piece.kind == ReportPiece::Kind::Styled) text += piece.text;
    }
    return text;
}

std::vector<ReportPiece> RecordingReportView::StyledPieces() const {
    std::vector<ReportPiece> styled;
    for (const ReportPiece& piece : pieces_) {
        if (piece.kind == ReportPiece::Kind::Styled) styled.push_back(piece);
    }
    return styled;
}

}  // namespace starwise::reading
