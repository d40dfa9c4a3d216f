#include "window/caption_label.hpp"

#include <QPainter>

namespace window {
namespace {

bool is_ascii_word(QChar c) {
    return c.unicode() < 0x80 && c != ' ';
}

// Where a line that Qt would end at `end` ends instead: before the run of ASCII it closes,
// when a non-ASCII character follows, so that "5." goes to the next line with "欢".
int line_end(const QString& text, int start, int end) {
    if (end >= text.size() || text[end].unicode() < 0x80 || !is_ascii_word(text[end - 1])) {
        return end;
    }
    int keep = end;
    while (keep > start && is_ascii_word(text[keep - 1])) --keep;
    return keep > start ? keep : end;
}

// Lines one em apart, as wide as the label.
void lay_out(QTextLayout& layout, Qt::Alignment alignment, int width) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const QFont font = layout.font();
    const int em = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    layout.beginLayout();
    for (int top = 0;; top += em) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(width);
        const int end = line.textStart() + line.textLength();
        const int kept = line_end(layout.text(), line.textStart(), end);
        if (kept != end) line.setNumColumns(kept - line.textStart());
        line.setPosition(QPointF(0, top));
    }
    layout.endLayout();
}

}  // namespace

QStringList caption_lines(const QString& caption, const QFont& font, int width) {
    QTextLayout layout(caption, font);
    lay_out(layout, Qt::AlignLeft | Qt::AlignTop, width);
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << caption.mid(line.textStart(), line.textLength());
    }
    return lines;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    if (layout_.text() != text() || layout_.font() != font() || laid_out_width_ != width()) {
        layout_.setText(text());
        layout_.setFont(font());
        laid_out_width_ = width();
        lay_out(layout_, alignment(), width());
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    layout_.draw(&painter, QPointF(0, 0));
}

}  // namespace window
