// SPDX-License-Identifier: MIT
#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace isr::test {

namespace {

struct Pipe {
    std::array<int, 2> ends{-1, -1};
    Pipe() {
        if (pipe2(ends.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    }
    ~Pipe() {
        Close(0);
        Close(1);
    }
    void Close(int end) {
        if (ends[end] >= 0) close(ends[end]);
        ends[end] = -1;
    }
};

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     std::string_view input) {
    Pipe in, out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.ends[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out.ends[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err.ends[1], 2);

    // The child starts as from a shell, whatever this process ignores (SIGPIPE, below).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    in.Close(0);
    out.Close(1);
    err.Close(1);

    // Feed stdin and drain both outputs together, so that no side blocks on a full pipe; a
    // program that stops reading early only makes the rest of the input go unwritten.
    signal(SIGPIPE, SIG_IGN);
    fcntl(in.ends[1], F_SETFL, O_NONBLOCK);
    if (input.empty()) in.Close(1);
    ChildResult result{-1, {}, {}};
    std::size_t written = 0;
    while (out.ends[0] >= 0 || err.ends[0] >= 0) {
        std::array<pollfd, 3> fds{
            {{out.ends[0], POLLIN, 0}, {err.ends[0], POLLIN, 0}, {in.ends[1], POLLOUT, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents == 0) continue;
            Pipe& pipe = i == 0 ? out : err;
            std::array<char, 65536> buffer;
            const ssize_t n = read(pipe.ends[0], buffer.data(), buffer.size());
            if (n > 0) {
                (i == 0 ? result.out : result.err).append(buffer.data(), n);
            } else if (n == 0 || errno != EINTR) {
                pipe.Close(0);
            }
        }
        if (fds[2].revents != 0) {
            const ssize_t n = write(in.ends[1], input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<std::size_t>(n);
            if (n < 0 && errno != EAGAIN && errno != EINTR) in.Close(1);
            if (written == input.size()) in.Close(1);
        }
    }
    in.Close(1);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace isr::test
