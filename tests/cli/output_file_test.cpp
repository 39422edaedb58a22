// SPDX-License-Identifier: MIT
// The batch's named output, both ways it makes its temporary file: unnamed (O_TMPFILE) and, as on
// a file system without it, named. Whatever ends the program, the earlier file stays as it was
// and no temporary file is left, but for the one thing no program can catch: SIGKILL leaves a
// named temporary file behind, which is why the unnamed one is used wherever it can be.
#include "cli/output_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_files.h"

namespace isr::cli {
namespace {

namespace fs = std::filesystem;
using Temporary = OutputFile::Temporary;

using test::Slurp;

class OutputFileTest : public testing::TestWithParam<Temporary> {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("isr2016-output-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::ofstream(dir_ / "o.csv", std::ios::binary) << "old";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        std::ranges::sort(names);
        return names;
    }

    fs::path dir_;
};

std::string KindName(const testing::TestParamInfo<Temporary>& info) {
    return info.param == Temporary::kNamed ? "Named" : "Unnamed";
}

// While the run writes, the folder shows the earlier file and, only for the named way, a hidden
// temporary file; once committed, the new text under the old name and nothing else.
TEST_P(OutputFileTest, TheEarlierFileStaysUntilTheCommit) {
    OutputFile file(GetParam());
    ASSERT_EQ(file.Open((dir_ / "o.csv").string(), std::nullopt), OutputFile::Opened::kOpened);
    file.Stream() << "new";
    const auto during = Names();
    EXPECT_EQ(Slurp(dir_ / "o.csv"), "old");
    if (GetParam() == Temporary::kNamed) {
        ASSERT_EQ(during.size(), 2u);
        EXPECT_TRUE(during[0].starts_with(".o.csv.isr2016-")) << during[0];
    } else {
        EXPECT_EQ(during, std::vector<std::string>{"o.csv"});
    }
    ASSERT_TRUE(file.Commit()) << file.Error();
    EXPECT_EQ(Slurp(dir_ / "o.csv"), "new");
    EXPECT_EQ(Names(), std::vector<std::string>{"o.csv"});
}

// Each signal ends a child half-way through writing; the earlier file is all that is left.
TEST_P(OutputFileTest, NoSignalLeavesATemporaryFile) {
    struct Case {
        const char* name;
        int signal;
    };
    const Case cases[] = {
        {"INT", SIGINT},   {"TERM", SIGTERM}, {"HUP", SIGHUP},   {"QUIT", SIGQUIT},
        {"PIPE", SIGPIPE}, {"ALRM", SIGALRM}, {"USR1", SIGUSR1}, {"USR2", SIGUSR2},
        {"XFSZ", SIGXFSZ}, {"ABRT", SIGABRT}, {"XCPU", SIGXCPU}, {"RTMIN", SIGRTMIN},
        {"KILL", SIGKILL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            signal(c.signal, SIG_DFL);
            OutputFile file(GetParam());
            if (file.Open((dir_ / "o.csv").string(), std::nullopt) != OutputFile::Opened::kOpened) {
                _exit(100);
            }
            file.Stream() << "new" << std::flush;
            raise(c.signal);
            _exit(101);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
        EXPECT_EQ(Slurp(dir_ / "o.csv"), "old");
        const auto left = Names();
        if (GetParam() == Temporary::kNamed && c.signal == SIGKILL) {
            EXPECT_EQ(left.size(), 2u);
        } else {
            EXPECT_EQ(left, std::vector<std::string>{"o.csv"});
        }
        for (const auto& name : left) {
            if (name != "o.csv") fs::remove(dir_ / name);
        }
    }
}

// Ignores a signal for as long as it lives.
class IgnoredSignal {
  public:
    explicit IgnoredSignal(int signal) : signal_(signal) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(signal_, &ignore, &before_);
    }
    ~IgnoredSignal() { sigaction(signal_, &before_, nullptr); }
    IgnoredSignal(const IgnoredSignal&) = delete;
    IgnoredSignal& operator=(const IgnoredSignal&) = delete;

  private:
    int signal_;
    struct sigaction before_ {};
};

// A signal that was ignored when the file was opened stays ignored: nohup's HUP, or the
// program's own PIPE.
TEST_P(OutputFileTest, AnIgnoredSignalStaysIgnored) {
    const IgnoredSignal hangUp(SIGHUP);
    OutputFile file(GetParam());
    ASSERT_EQ(file.Open((dir_ / "o.csv").string(), std::nullopt), OutputFile::Opened::kOpened);
    raise(SIGHUP);
    file.Stream() << "new";
    EXPECT_TRUE(file.Commit());
    EXPECT_EQ(Slurp(dir_ / "o.csv"), "new");
}

INSTANTIATE_TEST_SUITE_P(BothWays, OutputFileTest,
                         testing::Values(Temporary::kUnnamedWherePossible, Temporary::kNamed),
                         KindName);

}  // namespace
}  // namespace isr::cli
