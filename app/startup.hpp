// What the application object is told before the window opens: which program it is, and
// that the toolkit's own words (message buttons, field menus) are Chinese like the rest.
// The window itself is left to window/.
#pragma once

#include <QApplication>

namespace app {

// Installs Qt's own Chinese translation whatever the system's locale; false where the file
// is missing, and the program goes on with the toolkit's English words.
bool use_chinese_toolkit_texts(QCoreApplication& application);

// Name, version and desktop entry of the program, then the toolkit's Chinese words.
void prepare(QApplication& application);

}  // namespace app
