// Runs a first-frame program once: prints the milliseconds from just before exec to its
// "frame" line, and its peak resident set in kilobytes.  startup_launcher <program>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: startup_launcher <program>\n", stderr);
        return 2;
    }
    int out[2];
    if (pipe(out) != 0) return 1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char line[16] = {};
    const ssize_t got = read(out[0], line, sizeof line - 1);
    const auto frame = std::chrono::steady_clock::now();
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (got <= 0 || std::strncmp(line, "frame", 5) != 0 || !WIFEXITED(status)) {
        std::fputs("startup_launcher: no first frame\n", stderr);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(frame - start).count();
    std::printf("%.2f %ld\n", ms, usage.ru_maxrss);
    return 0;
}
