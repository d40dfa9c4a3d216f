// The window's two Chinese typefaces, with substitutes where 宋体 or 楷体_GB2312 is missing, and
// the Latin serif the 计算书 sets letters and digits in.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "window/layout_table.hpp"

namespace window {

// The typeface first, then its substitutes in order of preference.
QStringList font_families(Typeface face);

// The 计算书's Latin serif: DejaVu Serif, installed with the program, then what Windows has.
QStringList latin_families();

// Each typeface as this system has it: the first of its candidates that is installed.
// Looked up once per window, so that no font asks the system for names it lacks.
struct InstalledTypefaces {
    QString song, kai;
    QString latin;  // a serif for the 计算书's letters, digits and symbols
};
InstalledTypefaces installed_typefaces();

// Sized in pixels at 96 dpi (4/3 px per point), like the twips, so that text keeps its
// proportion to the boxes whatever the screen's logical dpi; Qt scales both for high dpi.
QFont layout_font(const FontChoice& choice, const InstalledTypefaces& installed);

}  // namespace window
