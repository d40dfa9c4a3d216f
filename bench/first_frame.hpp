// For the start-up measurement only: once `window` has painted its first frame, says "frame"
// on standard output and ends the event loop, so that a run lasts from exec to that frame.
#pragma once

#include <QWidget>

namespace bench {

void end_after_first_frame(QWidget& window);

}  // namespace bench
