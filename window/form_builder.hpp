// Turns the layout table into the window's widgets; the one place geometry is applied.
// What the controls do is left to main_window.
#pragma once

#include <QWidget>

namespace window {

// Creates every control of the table inside `form`, named, placed, styled and in focus order,
// and makes `form` the fixed-size window of the layout.
void build_form(QWidget& form);

// A label's caption as a name: "流    速:" is "流速".
QString bare_caption(QString caption);

}  // namespace window
