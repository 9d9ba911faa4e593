// SPDX-License-Identifier: GPL-3.0-or-later
// Runs two programs in turn, each as a whole process, and compares their wall
// time and peak memory. The runs are interleaved and their order alternates,
// so that the machine's noise falls on both alike; the ratios are taken run
// pair by run pair.
//
// usage: gli-bench-compare [--runs N] [--warmup N] BASELINE PROGRAM

#include "Stats.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double milliseconds = 0.0;
    double mebibytes = 0.0;
};

constexpr unsigned timeoutSeconds = 30;

bool runOnce(const char *program, Run &run)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        alarm(timeoutSeconds); // a program that never paints is killed
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s ended abnormally (status %d)\n", program, status);
        return false;
    }
    run.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    run.mebibytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 20;
    int warmup = 3;
    int arg = 1;
    for (; arg + 1 < argc && argv[arg][0] == '-'; arg += 2) {
        if (std::strcmp(argv[arg], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[arg + 1]));
        else if (std::strcmp(argv[arg], "--warmup") == 0)
            warmup = std::max(0, std::atoi(argv[arg + 1]));
        else
            break;
    }
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: %s [--runs N] [--warmup N] BASELINE PROGRAM\n", argv[0]);
        return 2;
    }
    const char *baseline = argv[arg];
    const char *program = argv[arg + 1];

    Run a, b;
    for (int i = 0; i < warmup; ++i) {
        if (!runOnce(baseline, a) || !runOnce(program, b))
            return 1;
    }

    std::vector<double> baseTime, progTime, timeRatio, baseMemory, progMemory, memoryRatio;
    for (int i = 0; i < runs; ++i) {
        // Alternate which one goes first.
        const bool baseFirst = (i % 2) == 0;
        if (!runOnce(baseFirst ? baseline : program, baseFirst ? a : b)
            || !runOnce(baseFirst ? program : baseline, baseFirst ? b : a))
            return 1;
        baseTime.push_back(a.milliseconds);
        progTime.push_back(b.milliseconds);
        timeRatio.push_back(b.milliseconds / a.milliseconds);
        baseMemory.push_back(a.mebibytes);
        progMemory.push_back(b.mebibytes);
        memoryRatio.push_back(b.mebibytes / a.mebibytes);
    }

    const bench::Summary t = bench::summarize(timeRatio);
    const bench::Summary m = bench::summarize(memoryRatio);
    bench::printInfo("Start-up to first paint, bare window: wall time (ms)",
                     bench::summarize(baseTime), 1);
    bench::printInfo("Start-up to first paint, start screen: wall time (ms)",
                     bench::summarize(progTime), 1);
    bench::printRow("Start-up wall-time ratio, start screen / bare window", t, "<= 1.05",
                    t.median <= 1.05);
    bench::printInfo("Start-up peak memory, bare window (MiB)", bench::summarize(baseMemory), 1);
    bench::printInfo("Start-up peak memory, start screen (MiB)", bench::summarize(progMemory), 1);
    bench::printRow("Start-up peak-memory ratio, start screen / bare window", m, "<= 1.25",
                    m.median <= 1.25);
    return 0;
}
