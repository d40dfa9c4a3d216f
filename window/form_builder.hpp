// Turns the layout table into the window's widgets; the one place geometry is applied.
// What the controls do is left to main_window.
#pragma once

#include <QString>
#include <QWidget>

namespace window {

// Creates every control of the table inside `form`, named, placed, styled and in focus order,
// and makes `form` the fixed-size window of the layout.
void build_form(QWidget& form);

// A button does not wrap its caption, so the builder breaks it at blanks where it is wider
// than the face: " 计算    传热系数" shows as "计算" above "传热系数".
QString wrapped_caption(const QString& caption, const QFontMetrics& metrics, int width);

// "管内流体参数 进口温度": what a screen reader says for a field.
QString field_accessible_name(const QString& group_caption, const QString& label_caption);

}  // namespace window
