// A label for a fixed caption, laid out the way the captions were written for: blanks keep
// their width and a run of them that reaches the edge ends the line, a run of ASCII characters
// stays with the Chinese character after it, and lines are one em apart.
// Labels that actions write are ResultLabels instead, which can be selected for copying.
#pragma once

#include <QLabel>
#include <QTextLayout>

namespace window {

class CaptionLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Laid out once: again only if the text, font or width it was laid out for changes.
    QTextLayout layout_;
    int laid_out_width_ = -1;
};

// The lines a CaptionLabel of this font and width shows, blanks included.
QStringList caption_lines(const QString& caption, const QFont& font, int width);

}  // namespace window
