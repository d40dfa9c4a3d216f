#include "report/faces.hpp"

#include <QFontMetricsF>

namespace report {
namespace {

QFont face_of(const LabelFonts& fonts, const Piece& piece, bool chinese) {
    QFont font = chinese ? fonts.chinese : fonts.latin;
    font.setItalic(piece.italic);
    if (piece.subscript) font.setPointSizeF(font.pointSizeF() * 0.7);
    return font;
}

}  // namespace

QList<Run> runs(const QString& text) {
    QList<Run> result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool chinese = set_in_chinese(text[i]);
        if (result.isEmpty() || result.back().chinese != chinese) result.push_back({i, 0, chinese});
        ++result.back().length;
    }
    return result;
}

bool set_in_chinese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFFEF) ||
           (u >= 0x2018 && u <= 0x201F);
}

double label_width(const QPainter& painter, const Label& label, const LabelFonts& fonts) {
    double width = 0;
    for (const Piece& piece : label) {
        for (const Run& run : runs(piece.text)) {
            width += QFontMetricsF(face_of(fonts, piece, run.chinese), painter.device())
                         .horizontalAdvance(piece.text.mid(run.start, run.length));
        }
    }
    return width;
}

double draw_label(QPainter& painter, const Label& label, const LabelFonts& fonts, double left,
                  double baseline) {
    const double drop = QFontMetricsF(fonts.latin, painter.device()).height() * 0.2;
    double x = left;
    for (const Piece& piece : label) {
        for (const Run& run : runs(piece.text)) {
            const QString text = piece.text.mid(run.start, run.length);
            const QFont font = face_of(fonts, piece, run.chinese);
            painter.setFont(font);
            painter.drawText(QPointF(x, baseline + (piece.subscript ? drop : 0)), text);
            x += QFontMetricsF(font, painter.device()).horizontalAdvance(text);
        }
    }
    return x;
}

}  // namespace report
