#include "gui/piece_styles.h"

#include "gui/look.h"

namespace starwise::gui {

const PieceStyle& StyleOf(reading::PieceKind kind) {
    for (const PieceStyle& style : kPieceStyles) {
        if (style.kind == kind) return style;
    }
    return kPieceStyles.back();
}

std::vector<StyledRun> StyledRunsOf(const std::vector<reading::ReportPiece>& pieces) {
    std::vector<StyledRun> runs;
    runs.reserve(pieces.size());
    double pointSize = kRunningTextPointSize;
    for (const reading::ReportPiece& piece : pieces) {
        const PieceStyle& style = StyleOf(piece.kind);
        if (style.pointSize > 0) pointSize = style.pointSize;
        // CR LF ends a line; a lone CR counts as one too.
        QString text = FromUtf8(piece.text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        runs.push_back({std::move(text), &style, pointSize});
    }
    return runs;
}

}  // namespace starwise::gui
