// SPDX-License-Identifier: MIT
// What isr2016-cli does to the files and streams around it when they misbehave, run as a
// separate process: the input is never harmed, an output is replaced only by a finished run,
// every failed write says so with exit status 2, memory stays bounded whatever a row holds, and
// rows from a slow pipe come back as they arrive.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "clean_messages.h"
#include "test_files.h"

extern char** environ;

namespace isr {
namespace {

namespace fs = std::filesystem;

using test::Slurp;
using test::Write;

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

// isr2016-cli with `args` under a shell `script` that runs it as "$@".
test::ChildResult RunInShell(const std::string& script, const std::vector<std::string>& args,
                             std::string_view input = {}) {
    std::vector<std::string> shellArgs{"-c", script, "sh", ISR2016_CLI};
    shellArgs.insert(shellArgs.end(), args.begin(), args.end());
    return test::RunChild("/bin/sh", shellArgs, input);
}

const std::string kPayroll =
    "id,periodo,ingreso_gravable\n1,Mensual,\"3,000.00\"\n2,Semanal,1000\n3,Anual,100000\n";

class Edges : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("isr2016-edges-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        results_ = test::RunChild(ISR2016_CLI, {"--csv"}, kPayroll).out;
        ASSERT_NE(results_.find(",-236.85,"), std::string::npos) << results_;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The folder holds exactly these names: no temporary file was left behind.
    void ExpectOnly(std::vector<std::string> names) const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            found.push_back(entry.path().filename().string());
        }
        std::ranges::sort(found);
        std::ranges::sort(names);
        EXPECT_EQ(found, names);
    }

    fs::path dir_;
    std::string results_;  // of kPayroll, through the standard streams
};

// Each row prepares the folder, runs the program there and says what the files hold after.
TEST_F(Edges, TheInputIsNeverHarmedAndAnOutputIsReplacedOnlyByAFinishedRun) {
    struct Case {
        std::string name;
        std::function<void(const fs::path&)> prepare;
        std::string script;  // runs "$@" in the folder
        std::vector<std::string> args;
        int status;
        std::string firstErrLine;  // a fragment; empty for no message at all
        // Name and content: "=R" the results of kPayroll, "~text" anything holding the text.
        std::vector<std::pair<std::string, std::string>> files;
    };
    const auto payroll = [](const fs::path& d) { Write(d / "n.csv", kPayroll); };
    const Case cases[] = {
        {"the same path in and out",
         payroll,
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "n.csv"},
         0,
         "",
         {{"n.csv", "=R"}}},
        {"the output a symbolic link to the input",
         [&](const fs::path& d) {
             payroll(d);
             fs::create_symlink("n.csv", d / "l.csv");
         },
         R"(cd "$D" && exec "$@" && test -L l.csv)",
         {"--csv", "n.csv", "l.csv"},
         0,
         "",
         {{"n.csv", "=R"}, {"l.csv", "=R"}}},
        {"the output a hard link to the input",
         [&](const fs::path& d) {
             payroll(d);
             fs::create_hard_link(d / "n.csv", d / "h.csv");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "h.csv"},
         0,
         "",
         {{"n.csv", kPayroll}, {"h.csv", "=R"}}},
        {"standard output appended to the input",
         payroll,
         R"(cd "$D" && exec "$@" >>n.csv)",
         {"--csv", "n.csv"},
         2,
         "la salida estándar es el archivo de ENTRADA",
         {{"n.csv", kPayroll}}},
        {"/dev/stdout appended to the input",
         payroll,
         R"(cd "$D" && exec "$@" >>n.csv)",
         {"--csv", "n.csv", "/dev/stdout"},
         2,
         "la salida estándar es el archivo de ENTRADA",
         {{"n.csv", kPayroll}}},
        {"the input's descriptor as the output",
         payroll,
         R"(cd "$D" && exec "$@" 3>>n.csv)",
         {"--csv", "n.csv", "/dev/fd/3"},
         2,
         "\"/dev/fd/3\" es el archivo de ENTRADA",
         {{"n.csv", kPayroll}}},
        {"an unusable input leaves the output",
         [](const fs::path& d) {
             Write(d / "n.csv", "nombre\nAna\n");
             Write(d / "o.csv", "old");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "o.csv"},
         2,
         "falta la columna",
         {{"n.csv", "nombre\nAna\n"}, {"o.csv", "old"}}},
        {"a missing input",
         [](const fs::path& d) { Write(d / "o.csv", "old"); },
         R"(cd "$D" && exec "$@")",
         {"--csv", "x.csv", "o.csv"},
         2,
         "no se puede abrir \"x.csv\" para leer: no existe el archivo o el directorio",
         {{"o.csv", "old"}}},
        {"a folder as the output",
         payroll,
         R"(cd "$D" && mkdir o && exec "$@")",
         {"--csv", "n.csv", "o"},
         2,
         "no se puede abrir \"o\" para escribir: es un directorio",
         {{"n.csv", kPayroll}, {"o", ""}}},
        {"a missing folder for the output",
         payroll,
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "no/o.csv"},
         2,
         "para escribir: no existe el archivo o el directorio",
         {{"n.csv", kPayroll}}},
        {"bad rows still finish the run",
         [](const fs::path& d) {
             Write(d / "n.csv", "periodo,ingreso_gravable\nMensual,-1\n");
             Write(d / "o.csv", "old");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "o.csv"},
         1,
         "no puede ser negativo",
         {{"n.csv", "periodo,ingreso_gravable\nMensual,-1\n"},
          {"o.csv", "~no puede ser negativo"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        c.prepare(dir_);
        const auto result = RunInShell("D='" + dir_.string() + "'; " + c.script, c.args);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, "");
        if (c.firstErrLine.empty()) {
            EXPECT_EQ(result.err, "");
        } else {
            EXPECT_NE(FirstLine(result.err).find(c.firstErrLine), std::string::npos) << result.err;
        }
        test::ExpectCleanMessages(result.err);
        std::vector<std::string> names;
        for (const auto& [name, content] : c.files) {
            names.push_back(name);
            if (fs::is_directory(dir_ / name)) continue;
            const auto held = Slurp(dir_ / name);
            if (content.starts_with('~')) {
                EXPECT_NE(held.find(content.substr(1)), std::string::npos) << name << ": " << held;
            } else {
                EXPECT_EQ(held, content == "=R" ? results_ : content) << name;
            }
        }
        // Whatever else the run made, only the files named above are there.
        ExpectOnly(names);
    }
}

// A run stopped half-way leaves the earlier file as it was, and no temporary file either.
TEST_F(Edges, AnInterruptedRunLeavesTheEarlierOutput) {
    Write(dir_ / "o.csv", "old");
    // The input goes on for two seconds: the run is still going when the signal comes.
    const auto stopped = test::RunChild("/bin/sh", {"-c",
                                                    R"(cd "$1" && mkfifo f || exit
                       "$2" --csv - o.csv <f &
                       cli=$!
                       { echo periodo,ingreso_gravable; echo Mensual,100; exec sleep 2; } >f &
                       sleep 0.3; kill -TERM $cli; wait $cli; echo $?; rm f)",
                                                    "sh", dir_.string(), ISR2016_CLI});
    EXPECT_EQ(stopped.out, std::to_string(128 + SIGTERM) + "\n") << stopped.err;
    EXPECT_EQ(Slurp(dir_ / "o.csv"), "old");
    ExpectOnly({"o.csv"});
}

// Every mode flushes and checks its output, whatever is wrong with it.
TEST_F(Edges, EveryModeSaysAFailedWriteAndExitsTwo) {
    const std::vector<std::vector<std::string>> modes = {
        {"mensual", "100"},
        {"--json", "mensual", "100"},
        {"--neto", "mensual", "7000"},
        {"--neto", "--json", "mensual", "7000"},
        {"--tablas", "anexo8", "quincenal", "35000"},
        {"--help"},
        {"--version"},
        {"--csv"},
        {"--csv", "-", "/dev/stdout"},
    };
    struct Output {
        std::string name;
        std::string script;
        std::string reason;
    };
    const Output outputs[] = {
        {"a full disk", R"(exec "$@" >/dev/full)", "no queda espacio en el disco"},
        {"a closed standard output", R"(exec "$@" >&-)", "el descriptor de archivo está cerrado"},
        // The reader is gone before anything is written; SIGPIPE is ignored, as the test's is.
        {"a closed pipe", R"(trap '' PIPE; exec 3>&1; { sleep 0.2; "$@"; echo $? >&3; } | true)",
         "la tubería está cerrada: quien leía dejó de leer"},
    };
    for (const auto& output : outputs) {
        for (const auto& args : modes) {
            SCOPED_TRACE(output.name + ": " + args.front() + " " + args.back());
            const auto result = RunInShell(output.script, args, kPayroll);
            const bool pipe = output.name == "a closed pipe";
            EXPECT_EQ(pipe ? result.out : std::to_string(result.status) + "\n", "2\n");
            EXPECT_EQ(result.err,
                      "isr2016-cli: no se pudo escribir la salida: " + output.reason + "\n");
        }
    }
    // A named output on a full device: the same message, and the same status.
    const auto full = test::RunChild(ISR2016_CLI, {"--csv", "-", "/dev/full"}, kPayroll);
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.err,
              "isr2016-cli: no se pudo escribir la salida: no queda espacio en el disco\n");
}

// Rows of nothing but separators took a place per field and grew without bound; now they are
// row errors, the rows after them are calculated, and the run holds a few chunks at most. The
// limit is on resident memory: address space is reserved freely by each thread's allocator.
TEST_F(Edges, RowsOfEmptyFieldsStayWithinAMemoryLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine";
#else
    const fs::path commas = dir_ / "commas.csv";
    {
        std::ofstream file(commas, std::ios::binary);
        file << "id,periodo,ingreso_gravable\n";
        const std::string row(1'000'000, ',');
        for (int i = 0; i < 40; ++i) file << row << '\n';
        file << "41,Mensual,\"3,000.00\"\n";
    }
    const fs::path peak = dir_ / "peak";
    const auto result = test::RunChild(
        PEAK_RESIDENT,
        {peak.string(), ISR2016_CLI, "--csv", commas.string(), (dir_ / "out.csv").string()});
    EXPECT_EQ(result.status, 1) << FirstLine(result.err);
    EXPECT_LT(std::stol(Slurp(peak)), 32 * 1024);  // KiB; the file alone is 40 MB
    EXPECT_EQ(FirstLine(result.err),
              "isr2016-cli: línea 2, columna 100001: registro de más de 100,000 campos");
    EXPECT_EQ(test::Lines(result.err).size(), 40u);
    const auto out = Slurp(dir_ / "out.csv");
    EXPECT_NE(out.find("\n41,Mensual,\"3,000.00\",496.08,"), std::string::npos);
#endif
}

// A payroll system that writes a row every 100 ms sees each row's result within a second, with
// every line end: after a lone CR the program does not wait to see whether a LF follows.
TEST_F(Edges, RowsFromASlowPipeComeBackAsTheyArrive) {
    for (const std::string lineEnd : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(lineEnd == "\n" ? "LF" : lineEnd == "\r" ? "CR" : "CRLF");
        int toChild[2];
        int fromChild[2];
        ASSERT_EQ(pipe(toChild), 0);
        ASSERT_EQ(pipe(fromChild), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
        posix_spawn_file_actions_addclose(&actions, toChild[1]);
        posix_spawn_file_actions_addclose(&actions, fromChild[0]);
        std::string program = ISR2016_CLI;
        std::string csv = "--csv";
        char* argv[] = {program.data(), csv.data(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(toChild[0]);
        close(fromChild[1]);

        using Clock = std::chrono::steady_clock;
        const auto send = [&](const std::string& line) {
            ASSERT_EQ(write(toChild[1], line.data(), line.size()),
                      static_cast<ssize_t>(line.size()));
        };
        // The next output line, or what there is once a second has passed.
        const auto receive = [&]() -> std::string {
            std::string line;
            const auto deadline = Clock::now() + std::chrono::seconds(1);
            pollfd ready{fromChild[0], POLLIN, 0};
            while (Clock::now() < deadline) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                if (poll(&ready, 1, static_cast<int>(left.count()) + 1) <= 0) break;
                char c = 0;
                if (read(fromChild[0], &c, 1) != 1) break;
                line += c;
                if (line.ends_with(lineEnd)) return line.substr(0, line.size() - lineEnd.size());
            }
            return line + " (no whole line within a second)";
        };
        send("id,periodo,ingreso_gravable" + lineEnd);
        EXPECT_TRUE(receive().starts_with("id,periodo,ingreso_gravable,isr_limite_inferior"));
        for (int i = 1; i <= 5; ++i) {
            SCOPED_TRACE(i);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            send(std::to_string(i) + ",Mensual," + std::to_string(i) + "000" + lineEnd);
            const auto line = receive();
            EXPECT_TRUE(
                line.starts_with(std::to_string(i) + ",Mensual," + std::to_string(i) + "000,"))
                << line;
            EXPECT_TRUE(line.ends_with(",")) << line;  // no error
        }
        close(toChild[1]);
        close(fromChild[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
}

}  // namespace
}  // namespace isr
