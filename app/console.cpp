#include "app/console.hpp"

#include <QtGlobal>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace app {

#ifdef _WIN32

namespace {

// True when `stream` is a console and `text` went to it as UTF-16.
bool write_console(std::FILE* stream, const QString& text) {
    // The C library's own handle: a stream reopened on the console has no standard handle.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode)) return false;
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.utf16()), DWORD(text.size()),
                  &written, nullptr);
    return true;
}

}  // namespace

void attach_parent_console() {
    // A redirected stream already has its file or pipe; only the others need the console.
    const bool out = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN;
    const bool err = GetFileType(GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_UNKNOWN;
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (out) std::freopen("CONOUT$", "w", stdout);
    if (err) std::freopen("CONOUT$", "w", stderr);
}

#else

void attach_parent_console() {}

#endif

void quiet_toolkit() {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

void print(std::FILE* stream, const QString& text) {
#ifdef _WIN32
    if (write_console(stream, text)) return;
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stream);
}

}  // namespace app
