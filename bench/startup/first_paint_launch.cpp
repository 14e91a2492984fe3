// Starts a program built with the first-paint probe and prints the time from
// just before it was started to its first paint, in milliseconds, both read
// on CLOCK_MONOTONIC (the program prints its own reading as
// "first-paint <ns>" and exits; see FirstPaintProbe.h).
//
//   first_paint_launch PROGRAM [ARGS...]
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_paint_launch PROGRAM [ARGS...]\n");
        return 2;
    }
    int out[2];
    if (pipe(out) != 0) return 1;
    const long long started = monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    close(out[1]);

    // Read what the program prints until its "first-paint" line (10 s at most).
    char text[4096];
    size_t used = 0;
    long long painted = -1;
    const long long deadline = started + 10000000000LL;
    while (painted < 0 && monotonicNs() < deadline && used < sizeof text - 1) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        const ssize_t n = read(out[0], text + used, sizeof text - 1 - used);
        if (n <= 0) break;
        used += static_cast<size_t>(n);
        text[used] = '\0';
        if (const char* line = std::strstr(text, "first-paint ")) {
            if (std::strchr(line, '\n')) painted = std::atoll(line + std::strlen("first-paint "));
        }
    }
    if (painted < 0) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (painted < 0) {
        std::fprintf(stderr, "first_paint_launch: %s printed no first paint\n", argv[1]);
        return 1;
    }
    std::printf("%.2f\n", (painted - started) / 1e6);
    return 0;
}
