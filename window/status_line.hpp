// The line on the status bar that says how the last calculation went: its first 注意 in red
// beside a warning sign, with how many there are, or that there is none; empty after a fault
// or an edit. A screen reader hears each change. A click on a line says so; what it opens is
// the window's.
#pragma once

#include <QLabel>
#include <QStringList>

namespace window {

class StatusLine : public QLabel {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent);

    void show_notes(const QStringList& notes);  // none: "计算完成，无注意事项"
    void clear_notes();
    const QString& full_text() const { return full_text_; }  // the shown text may be elided
    bool warns() const { return warns_; }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void set_line(const QString& text, bool warns);
    void fit_text();

    QLabel* icon_;
    QString full_text_;
    bool warns_ = false;
};

}  // namespace window
