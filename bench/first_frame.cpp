#include "first_frame.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace bench {
namespace {

// The frame is on the screen once the paint that made it has been flushed, which the
// event loop does before it turns to the next queued call.
class FirstFrame : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::puts("frame");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

void end_after_first_frame(QWidget& window) {
    window.installEventFilter(new FirstFrame(&window));
}

}  // namespace bench
