# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and Qt need). Used both to build Qt itself and to build the program against
# it: pass -DSIZING_WINDOWS_PREFIXES="<Qt's prefix>;<GoogleTest's prefix>" for the latter.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(SIZING_WINDOWS_PREFIXES "" CACHE STRING "Libraries built for Windows to build against")
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${SIZING_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's tools (moc, rcc, uic) run on this machine: Debian's own Qt 6 of the same version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake CACHE PATH "")
