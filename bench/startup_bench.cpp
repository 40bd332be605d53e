// Start-up time and peak memory of the program against a minimal Qt Widgets program, measured
// in the same run: the two are started in turn, each until its window's first paint, and the
// medians of the pairs are compared.
//
//   startup_bench [repetitions]
//
// Time counts from just before the process is spawned until the moment that it reports for its
// window's first paint. Peak memory is the kernel's maximum resident set size of the process,
// from its start until it has quit. Both run on Qt's offscreen platform unless QT_QPA_PLATFORM
// says otherwise.

#include "bench/result_table.h"
#include "bench/sample.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Start {
    double milliseconds;     // until the first paint
    double cpu_milliseconds; // user and system time of the whole run
    double peak_megabytes;
};

long long monotonic_nanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string read_all(int descriptor) {
    std::string text;
    char buffer[256];
    ssize_t size = 0;
    while ((size = read(descriptor, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(size));
    }
    return text;
}

// Runs the program once; nothing when it failed, after passing on what it wrote to its error
// output.
std::optional<Start> start(const char* program) {
    int output[2];
    if (pipe(output) != 0) {
        return std::nullopt;
    }
    char errors[] = "/tmp/startup_bench_XXXXXX";
    const int error_file = mkstemp(errors);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, error_file, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);

    char* const arguments[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    const long long spawned = monotonic_nanoseconds();
    const int spawn_error = posix_spawn(&child, program, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    const std::string reported = spawn_error == 0 ? read_all(output[0]) : std::string();
    close(output[0]);

    int status = 0;
    rusage usage{};
    const bool exited = spawn_error == 0 && wait4(child, &status, 0, &usage) == child &&
                        WIFEXITED(status) && WEXITSTATUS(status) == 0 && !reported.empty();
    if (!exited) {
        std::fprintf(stderr, "%s failed (spawn error %d, wait status %d, output \"%s\"):\n",
                     program, spawn_error, status, reported.c_str());
        lseek(error_file, 0, SEEK_SET);
        std::fputs(read_all(error_file).c_str(), stderr);
    }
    close(error_file);
    unlink(errors);
    if (!exited) {
        return std::nullopt;
    }
    const long long painted = std::atoll(reported.c_str());
    const auto milliseconds = [](timeval time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return Start{static_cast<double>(painted - spawned) / 1e6,
                 milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
                 static_cast<double>(usage.ru_maxrss) / 1024};
}

std::string megabytes(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", value);
    return text;
}

std::string ratio(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    if (getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 21;
    const char* const minimal = MINIMAL_WINDOW;
    const char* const quabbel = QUABBEL_WINDOW;

    // One start each beforehand, so that both find the libraries in the page cache.
    if (!start(minimal) || !start(quabbel)) {
        return EXIT_FAILURE;
    }
    std::vector<double> minimal_times, quabbel_times, time_ratios, cpu_ratios;
    std::vector<double> minimal_peaks, quabbel_peaks, peak_ratios;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        // Alternating which one goes first evens out a machine that slows down or speeds up.
        const bool minimal_first = repetition % 2 == 0;
        std::optional<Start> first = start(minimal_first ? minimal : quabbel);
        std::optional<Start> second = start(minimal_first ? quabbel : minimal);
        if (!first || !second) {
            return EXIT_FAILURE;
        }
        const Start& of_minimal = minimal_first ? *first : *second;
        const Start& of_quabbel = minimal_first ? *second : *first;
        minimal_times.push_back(of_minimal.milliseconds);
        quabbel_times.push_back(of_quabbel.milliseconds);
        time_ratios.push_back(of_quabbel.milliseconds / of_minimal.milliseconds);
        cpu_ratios.push_back(of_quabbel.cpu_milliseconds / of_minimal.cpu_milliseconds);
        minimal_peaks.push_back(of_minimal.peak_megabytes);
        quabbel_peaks.push_back(of_quabbel.peak_megabytes);
        peak_ratios.push_back(of_quabbel.peak_megabytes / of_minimal.peak_megabytes);
    }

    using quabbel::bench::median;
    using quabbel::bench::milliseconds;
    const double time_ratio = median(time_ratios);
    const double peak_ratio = median(peak_ratios);
    quabbel::bench::print_row({"start-up to first paint, program : minimal",
                               milliseconds(median(quabbel_times)) + " : " +
                                   milliseconds(median(minimal_times)) + " = " + ratio(time_ratio) +
                                   " (CPU " + ratio(median(cpu_ratios)) + ")",
                               "ratio <= 1.15", time_ratio <= 1.15});
    quabbel::bench::print_row({"peak memory, program : minimal",
                               megabytes(median(quabbel_peaks)) + " : " +
                                   megabytes(median(minimal_peaks)) + " = " + ratio(peak_ratio),
                               "ratio <= 1.15", peak_ratio <= 1.15});
}
