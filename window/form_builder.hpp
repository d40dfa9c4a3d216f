// Turns the layout table into the window's widgets; the one place geometry is applied.
// What the controls do is left to main_window.
#pragma once

#include <QWidget>

namespace window {

// Creates every control of the table inside `form`, named, placed, styled and in focus order,
// and gives `form` the layout's name and fixed client size.
void build_form(QWidget& form);

// Title, icon and frame of the window that holds the form: fixed size, minimisable, no
// maximise, since the layout does not move with the window.
void dress_window(QWidget& window);

// A label's caption as a name: "流    速:" is "流速".
QString bare_caption(QString caption);

}  // namespace window
