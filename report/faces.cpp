#include "report/faces.hpp"

#include <QFontMetricsF>

namespace report {
namespace {

// Each stretch of `text` that one face sets, with whether it is the Chinese one.
QList<std::pair<QString, bool>> runs(const QString& text) {
    QList<std::pair<QString, bool>> result;
    for (const QChar c : text) {
        const bool chinese = set_in_chinese(c);
        if (result.isEmpty() || result.back().second != chinese) result.push_back({{}, chinese});
        result.back().first += c;
    }
    return result;
}

QFont face_of(const LabelFonts& fonts, const Piece& piece, bool chinese) {
    QFont font = chinese ? fonts.chinese : fonts.latin;
    font.setItalic(piece.italic);
    if (piece.subscript) font.setPointSizeF(font.pointSizeF() * 0.7);
    return font;
}

}  // namespace

bool set_in_chinese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFFEF) ||
           (u >= 0x2018 && u <= 0x201F);
}

double label_width(const QPainter& painter, const Label& label, const LabelFonts& fonts) {
    double width = 0;
    for (const Piece& piece : label) {
        for (const auto& [text, chinese] : runs(piece.text)) {
            width += QFontMetricsF(face_of(fonts, piece, chinese), painter.device())
                         .horizontalAdvance(text);
        }
    }
    return width;
}

double draw_label(QPainter& painter, const Label& label, const LabelFonts& fonts, double left,
                  double baseline) {
    const double drop = QFontMetricsF(fonts.latin, painter.device()).height() * 0.2;
    double x = left;
    for (const Piece& piece : label) {
        for (const auto& [text, chinese] : runs(piece.text)) {
            const QFont font = face_of(fonts, piece, chinese);
            painter.setFont(font);
            painter.drawText(QPointF(x, baseline + (piece.subscript ? drop : 0)), text);
            x += QFontMetricsF(font, painter.device()).horizontalAdvance(text);
        }
    }
    return x;
}

}  // namespace report
