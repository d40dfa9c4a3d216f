// A label that an action writes: selectable for copying, with a menu of its own, and spoken
// by a screen reader as its text alone (empty before the first result, never its group's
// title), with its tooltip as the description.
#pragma once

#include <QLabel>

namespace window {

class ResultLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ResultLabel(QWidget* parent);

    // How the shown result came about, as its tooltip; a screen reader is told when it changes.
    void set_working(const QString& working);

  protected:
    // 复制 and 全选 for the text, then the label's own actions (复制计算过程 in the results).
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace window
