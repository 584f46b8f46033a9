// Start-up time and peak memory of a program against baseline programs, all
// started in turn on the same X server.
//
// usage: startup_bench RUNS PROGRAM BASELINE...
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ranges>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "x_watch.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Long enough for the first paint after mapping, so that the peak memory
// includes what a window on screen costs.
constexpr auto settle = 300ms;

struct Sample {
    double startMs;
    double peakMiB;
};

struct Program {
    std::string path;
    std::vector<Sample> samples;

    std::string name() const { return std::filesystem::path(path).filename(); }
    double start() const { return median(&Sample::startMs); }
    double peak() const { return median(&Sample::peakMiB); }

    double median(double Sample::*field) const {
        std::vector<double> values;
        for (const Sample& sample : samples) values.push_back(sample.*field);
        std::ranges::sort(values);
        const std::size_t middle = values.size() / 2;
        return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    }
};

pid_t spawn(const std::string& path) {
    pid_t pid;
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0)
        throw std::runtime_error("cannot start " + path);
    return pid;
}

// The kernel's account of a finished process: its exit status and its peak
// resident set (the figure /usr/bin/time -f %M shows).
rusage reap(pid_t pid, const std::string& path) {
    rusage usage{};
    int status = 0;
    const auto deadline = Clock::now() + 10s;
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() > deadline) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            throw std::runtime_error(path + " did not end when its window was closed");
        }
        std::this_thread::sleep_for(5ms);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(path + " ended abnormally");
    return usage;
}

Sample measure(XWatch& x, const std::string& path) {
    const auto began = Clock::now();
    const pid_t pid = spawn(path);
    const auto window = x.waitForMap(pid, began + 20s);
    const auto mapped = Clock::now();
    if (!window) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        throw std::runtime_error(path + " mapped no window");
    }
    std::this_thread::sleep_for(settle);
    x.close(*window);
    const rusage usage = reap(pid, path);
    return {std::chrono::duration<double, std::milli>(mapped - began).count(),
            double(usage.ru_maxrss) / 1024.0};
}

void report(const std::vector<Program>& programs, int runs) {
    std::printf(
        "Start-up until the main window is mapped, and peak resident memory;\n"
        "median of %d runs each, the programs taking turns.\n\n",
        runs);
    std::printf("| Program | Start-up | Peak RSS |\n|---|---|---|\n");
    for (const Program& program : programs)
        std::printf("| %s | %.0f ms | %.1f MiB |\n", program.name().c_str(), program.start(),
                    program.peak());
    const Program& measured = programs.front();
    for (const Program& baseline : programs | std::views::drop(1))
        std::printf("| %s / %s | %.2fx | %.2fx |\n", measured.name().c_str(),
                    baseline.name().c_str(), measured.start() / baseline.start(),
                    measured.peak() / baseline.peak());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int arg = 2; arg < argc; ++arg) programs.push_back({argv[arg], {}});
    try {
        XWatch x;
        // One uncounted start each fills the font and file caches.
        for (Program& program : programs) measure(x, program.path);
        for (int run = 0; run < runs; ++run) {
            // Each run starts with the next program, so none always follows another.
            for (std::size_t i = 0; i < programs.size(); ++i) {
                Program& program = programs[(run + i) % programs.size()];
                program.samples.push_back(measure(x, program.path));
            }
        }
        report(programs, runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
