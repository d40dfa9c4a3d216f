// A case reported without a window, for scripts: computed as 计算结果 computes it, then its
// working to standard output, its 计算书 to a PDF, or its 自动设计 search to standard output.
// The command line is command_line's.
#pragma once

#include "app/command_line.hpp"

namespace app {

// 0 when done; 1 when the case cannot be read, computed or written, with the window's own
// message on standard error.
int run_without_window(const CommandLine& line);

}  // namespace app
