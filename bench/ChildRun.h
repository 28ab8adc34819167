#pragma once

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Wall time and peak resident memory of one run of a program.
struct ChildRun {
    double started = 0; // the monotonic clock at the start, in seconds
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

// Runs argv[0] with its standard output into outPath (or /dev/null when empty).
inline ChildRun runChild(const std::vector<std::string>& args, const std::string& outPath = {}) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd = open(outPath.empty() ? "/dev/null" : outPath.c_str(),
                            O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    ChildRun r;
    r.started = double(start.tv_sec) + double(start.tv_nsec) / 1e9;
    r.seconds = double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
    r.peakMiB = double(usage.ru_maxrss) / 1024.0;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

// The median of values (sorted in place).
inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The machine's load, to read the figures by.
inline void printLoad() {
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
}
