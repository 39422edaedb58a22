// SPDX-License-Identifier: MIT
// peak_resident REPORT PROGRAM [ARGUMENT...]: runs PROGRAM with the same streams, writes the most
// memory it held at once (KiB) to REPORT and exits with its status. A test cannot measure this
// of its own child: a process started from a large one counts the large one's peak as its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("uso: peak_resident INFORME PROGRAMA [ARGUMENTO...]\n", stderr);
        return 2;
    }
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) return 2;
    }
    std::FILE* report = std::fopen(argv[1], "w");
    if (report == nullptr || std::fprintf(report, "%ld\n", usage.ru_maxrss) < 0 ||
        std::fclose(report) != 0) {
        return 2;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
