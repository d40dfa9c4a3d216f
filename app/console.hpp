// Where the command line's words go: UTF-8 to a terminal, pipe or file; on Windows, to the
// console the program was started from, which a desktop program has to attach to first.
#pragma once

#include <QString>
#include <cstdio>

namespace app {

// Windows: standard output and error that are not redirected go to the console of the
// command line that started the program, if any. Elsewhere they are there already.
void attach_parent_console();

// Without a window the program's own lines are all a script reads: the toolkit's notices
// ("QStandardPaths: XDG_RUNTIME_DIR not set", font and platform warnings) are dropped.
void quiet_toolkit();

// `text` on standard output or error as UTF-8, whatever the locale; on a Windows console
// as UTF-16, whatever its code page.
void print(std::FILE* stream, const QString& text);

}  // namespace app
