// The program's icon: a shell-and-tube exchanger drawn at 16 and 32 pixels.
#pragma once

#include <QIcon>

namespace window {

QIcon app_icon();

}  // namespace window
