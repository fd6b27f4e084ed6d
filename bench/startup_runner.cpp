// Times the program's start-up against a bare Qt window on one platform.
//
//   sorvane_bench_startup [--platform NAME] [--runs N]
//
// Each probe (sorvane_probe_main, sorvane_probe_bare, found next to this
// program) is started RUNS times, the two alternating and swapping which goes
// first, after one discarded run of each to fill the file cache. Start-up is
// from just before fork() here to the probe's first paint, both read from
// CLOCK_MONOTONIC; peak RSS and CPU time are the child's own, from wait4().
// The platform goes to the probes as QT_QPA_PLATFORM; for xcb, DISPLAY must
// name a running server.
#include "first_paint.h"
#include "stats.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Sample {
    double startupMs;
    double exitMs;
    double cpuMs;
    double peakRssMiB;
};

struct Probe {
    const char *label;
    std::string program;
    std::vector<std::string> arguments;
    std::vector<Sample> samples;
};

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "sorvane_bench_startup: %s\n", what.c_str());
    std::exit(1);
}

std::string directoryOfThisProgram()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        fail("cannot find /proc/self/exe");
    const std::string self(path, static_cast<std::size_t>(length));
    return self.substr(0, self.rfind('/'));
}

double milliseconds(const timeval &time)
{
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            return text;
    }
}

Sample runOnce(const Probe &probe, bench::FirstPaint *paint = nullptr)
{
    int out[2];
    if (pipe(out) != 0)
        fail("pipe failed");
    // The probe's complaints (Qt's warnings) are kept to show if it fails.
    FILE *errors = std::tmpfile();
    if (!errors)
        fail("no temporary file");

    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(probe.program.c_str()));
    for (const std::string &argument : probe.arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    const std::int64_t started = bench::monotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(fileno(errors), STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[0], argv.data());
        std::fprintf(stderr, "cannot run %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    close(out[1]);
    const std::string output = readAll(out[0]);
    close(out[0]);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0)
        if (errno != EINTR)
            fail("wait4 failed");
    const std::int64_t ended = bench::monotonicNanoseconds();

    const auto painted = bench::parseFirstPaint(output);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !painted) {
        std::rewind(errors);
        char line[512];
        while (std::fgets(line, sizeof line, errors))
            std::fputs(line, stderr);
        fail(probe.program
             + (WIFEXITED(status) ? " exited with " + std::to_string(WEXITSTATUS(status))
                                  : " died of signal " + std::to_string(WTERMSIG(status)))
             + (painted ? "" : ", no first paint reported"));
    }
    std::fclose(errors);
    if (paint)
        *paint = *painted;
    return Sample{static_cast<double>(painted->nanoseconds - started) / 1e6, static_cast<double>(ended - started) / 1e6,
                  milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
                  static_cast<double>(usage.ru_maxrss) / 1024.0};
}

bench::Summary summaryOf(const Probe &probe, double Sample::*field)
{
    std::vector<double> values;
    for (const Sample &sample : probe.samples)
        values.push_back(sample.*field);
    return bench::summarise(values);
}

void printRow(const Probe &probe)
{
    const bench::Summary startup = summaryOf(probe, &Sample::startupMs);
    const bench::Summary rss = summaryOf(probe, &Sample::peakRssMiB);
    std::printf("  %-22s %8.1f %8.1f %8.1f %10.1f %10.1f %10.1f %8.1f\n", probe.label, startup.median, startup.min,
                startup.max, summaryOf(probe, &Sample::exitMs).median, summaryOf(probe, &Sample::cpuMs).median,
                rss.median, rss.max);
}

} // namespace

int main(int argc, char **argv)
{
    std::string platform = "offscreen";
    int runs = 25;
    for (int k = 1; k < argc; ++k) {
        const std::string option = argv[k];
        if (option == "--platform" && k + 1 < argc)
            platform = argv[++k];
        else if (option == "--runs" && k + 1 < argc && std::atoi(argv[k + 1]) > 0)
            runs = std::atoi(argv[++k]);
        else
            fail("usage: sorvane_bench_startup [--platform NAME] [--runs N]");
    }
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);

    const std::string here = directoryOfThisProgram();
    Probe main{"sorvane main window", here + "/sorvane_probe_main", {}, {}};
    Probe bare{"bare Qt window", here + "/sorvane_probe_bare", {}, {}};

    // The bare window takes the main window's outer size, as the main probe
    // reports it on this platform.
    bench::FirstPaint size{};
    runOnce(main, &size);
    bare.arguments = {std::to_string(size.width) + "x" + std::to_string(size.height)};
    runOnce(bare);

    for (int run = 0; run < runs; ++run) {
        Probe &first = run % 2 == 0 ? main : bare;
        Probe &second = run % 2 == 0 ? bare : main;
        first.samples.push_back(runOnce(first));
        second.samples.push_back(runOnce(second));
    }

    std::printf("platform %s: %d runs of each, alternating; windows %d x %d\n", platform.c_str(), runs, size.width,
                size.height);
    std::printf("  %-22s %8s %8s %8s %10s %10s %10s %8s\n", "", "paint ms", "min", "max", "exit ms", "CPU ms",
                "RSS MiB", "max");
    printRow(main);
    printRow(bare);
    const double ratio = summaryOf(main, &Sample::startupMs).median / summaryOf(bare, &Sample::startupMs).median;
    // The two runs of a pair ran back to back under much the same load from
    // whatever else the machine does, so their ratio is the steadier figure.
    std::vector<double> pairRatios;
    for (std::size_t k = 0; k < main.samples.size(); ++k)
        pairRatios.push_back(main.samples[k].startupMs / bare.samples[k].startupMs);
    const double pairRatio = bench::median(pairRatios);
    const double cpuRatio = summaryOf(main, &Sample::cpuMs).median / summaryOf(bare, &Sample::cpuMs).median;
    const double extraRss = summaryOf(main, &Sample::peakRssMiB).median - summaryOf(bare, &Sample::peakRssMiB).median;
    // 8 MB, in the MiB printed above.
    constexpr double kRssAllowanceMiB = 8e6 / (1024.0 * 1024.0);
    std::printf("  start-up ratio (median to first paint, main / bare): %.3f  [target <= 1.15: %s]\n", ratio,
                ratio <= 1.15 ? "met" : "MISSED");
    std::printf("  start-up ratio, median of the %d paired runs:        %.3f\n", runs, pairRatio);
    std::printf("  CPU time ratio (median, main / bare):                %.3f\n", cpuRatio);
    std::printf("  peak RSS, main - bare (medians): %+.1f MiB  [target <= 8 MB (%.2f MiB): %s]\n", extraRss,
                kRssAllowanceMiB, extraRss <= kRssAllowanceMiB ? "met" : "MISSED");
    return 0;
}
