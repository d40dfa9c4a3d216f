#include "window/status_line.hpp"

#include <QMouseEvent>
#include <QStyle>

#include "report/html_text.hpp"

namespace window {
namespace {

constexpr int icon_size = 16;
constexpr int icon_gap = 4;

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent), icon_(new QLabel(this)) {
    setObjectName("status_line");
    setTextFormat(Qt::PlainText);
    setMinimumWidth(0);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // elided, never widening
    icon_->setFixedSize(icon_size, icon_size);
    icon_->hide();
}

void StatusLine::show_notes(const QStringList& notes) {
    if (notes.isEmpty()) return set_line("计算完成，无注意事项", false);
    const QString more =
        notes.size() > 1 ? QString("（共 %1 条注意）").arg(notes.size()) : QString();
    set_line(notes.front() + more, true);
}

void StatusLine::clear_notes() {
    set_line({}, false);
}

void StatusLine::set_line(const QString& text, bool warns) {
    if (text == full_text_ && warns == warns_) return;
    full_text_ = text;
    warns_ = warns;
    QPalette colours;  // the inherited colours, red where it warns
    if (warns) colours.setColor(QPalette::WindowText, QColor(report::attention_colour));
    setPalette(colours);
    // Found in the icon theme at the first warning: at start-up it would cost as much as the menus.
    if (warns && icon_->pixmap().isNull()) {
        icon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(icon_size));
    }
    icon_->setVisible(warns);
    setContentsMargins(warns ? icon_size + icon_gap : 0, 0, 0, 0);
    setCursor(text.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    setToolTip(text.isEmpty() ? QString() : text + "\n单击查看计算过程（F9）");
    // The whole line is the name, though the shown one may be cut short. Qt tells a reader of
    // a new name, and QLabel of a new text while it has no name: told once, either way.
    if (text.isEmpty()) fit_text();
    setAccessibleName(text);
    if (!text.isEmpty()) fit_text();
}

void StatusLine::fit_text() {
    setText(fontMetrics().elidedText(full_text_, Qt::ElideRight, contentsRect().width()));
    icon_->move(0, (height() - icon_size) / 2);
}

void StatusLine::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !full_text_.isEmpty()) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit_text();
}

}  // namespace window
