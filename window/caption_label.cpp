#include "window/caption_label.hpp"

#include <QPainter>
#include <QTextLayout>

namespace window {
namespace {

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
        line.setPosition(QPointF(0, top));
    }
    layout.endLayout();
}

}  // namespace

QString caption_layout_text(const QString& caption) {
    constexpr QChar word_joiner(0x2060);
    QString text;
    text.reserve(caption.size() + 8);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        text += caption[i];
        const bool ascii_word = caption[i].unicode() < 0x80 && caption[i] != ' ';
        if (ascii_word && i + 1 < caption.size() && caption[i + 1].unicode() >= 0x80) {
            text += word_joiner;
        }
    }
    return text;
}

QStringList caption_lines(const QString& caption, const QFont& font, int width) {
    QTextLayout layout(caption_layout_text(caption), font);
    lay_out(layout, Qt::AlignLeft | Qt::AlignTop, width);
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << layout.text().mid(line.textStart(), line.textLength()).remove(QChar(0x2060));
    }
    return lines;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    const QString laid_out_text = caption_layout_text(text());
    if (layout_.text() != laid_out_text || layout_.font() != font() || laid_out_width_ != width()) {
        layout_.setText(laid_out_text);
        layout_.setFont(font());
        laid_out_width_ = width();
        lay_out(layout_, alignment(), width());
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    layout_.draw(&painter, QPointF(0, 0));
}

}  // namespace window
