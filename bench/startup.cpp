// Start-up: time from just before fork() to the child's report of its first
// paint (the child prints CLOCK_MONOTONIC), and the child's peak resident
// memory (ru_maxrss from wait4), for the game's start against a bare Qt window.
// Runs alternate game, bare, game, bare... after one unmeasured pair.
// Usage: bench_startup GAME BARE RUNS (platform from QT_QPA_PLATFORM).

#include "common.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

struct Sample {
    double ms = 0;
    double mb = 0;
    bool ok = false;
};

Sample run(const char *program)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    const double started = bench::now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDERR_FILENO);  // Qt's warnings would flood the table
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Sample s;
    s.ok = pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 && !text.empty();
    if (s.ok) {
        s.ms = std::strtoll(text.c_str(), nullptr, 10) / 1e6 - started;
        s.mb = usage.ru_maxrss / 1024.0;  // kilobytes on Linux
    }
    return s;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    const int runs = std::atoi(argv[3]);
    const char *platform = std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default";
    run(argv[1]);
    run(argv[2]);
    std::vector<double> game_ms, game_mb, bare_ms, bare_mb;
    int failures = 0;
    for (int i = 0; i < runs; ++i) {
        for (bool game : {true, false}) {
            const Sample s = run(game ? argv[1] : argv[2]);
            if (!s.ok) {
                ++failures;
                continue;
            }
            (game ? game_ms : bare_ms).push_back(s.ms);
            (game ? game_mb : bare_mb).push_back(s.mb);
        }
    }
    if (game_ms.empty() || bare_ms.empty()) {
        std::printf("start-up on %s: no run reported its first paint\n", platform);
        return 0;
    }
    using bench::format;
    const double time_ratio = bench::median(game_ms) / bench::median(bare_ms);
    const double memory_ratio = bench::median(game_mb) / bench::median(bare_mb);
    bench::row(format("start-up to first paint (n=%.0f)", static_cast<double>(game_ms.size())), platform,
               format("%.1f ms", bench::median(game_ms)), format("%.1f ms", bench::median(bare_ms)),
               format("%.2fx", time_ratio), "<= 1.10x", bench::verdict(time_ratio <= 1.10));
    bench::row("start-up peak resident memory", platform, format("%.1f MiB", bench::median(game_mb)),
               format("%.1f MiB", bench::median(bare_mb)), format("%.2fx", memory_ratio), "<= 1.15x",
               bench::verdict(memory_ratio <= 1.15));
    if (failures > 0)
        std::printf("  (%d start-up runs failed and were left out)\n", failures);
    return 0;
}
