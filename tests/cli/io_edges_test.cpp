// SPDX-License-Identifier: MIT
// Where isr2016-cli meets what a hostile or careless run puts around it, run as a separate
// process, one row per case: a reader of the messages that goes away, a summary that cannot be
// written, a signal half-way, a symbolic link or a read-only file as SALIDA, a header that never
// ends, text after a closing quote. Each row says the exit status, what stdout and stderr hold,
// and what the folder holds after: the results where they belong, the earlier file where the run
// did not finish, and never a temporary file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "child_process.h"
#include "clean_messages.h"
#include "test_files.h"

namespace isr {
namespace {

namespace fs = std::filesystem;

using test::Slurp;
using test::Write;

const std::string kPayroll =
    "id,periodo,ingreso_gravable\n1,Mensual,\"3,000.00\"\n2,Semanal,1000\n";
const std::string kBadPayroll = "id,periodo,ingreso_gravable\n1,Mensual,100\n2,Mensual,-1\n";

// The user the read-only row runs as, when the tests run as root (who may write anything).
constexpr uid_t kNobody = 65534;

struct Case {
    std::string name;
    std::function<void(const fs::path&)> prepare;
    std::string script;  // runs the program as "$@" with the folder in $D
    std::vector<std::string> args;
    int status;           // of the script
    std::string out;      // what the script writes on stdout
    std::string errLine;  // a fragment of the first line of stderr; empty for none at all
    // Paths in the folder and what they hold: "=R" and "=B" the results of kPayroll and
    // kBadPayroll, "~text" anything holding the text, "->" a symbolic link, "/" a folder.
    std::vector<std::pair<std::string, std::string>> files;
    std::function<void(const fs::path&)> check = nullptr;  // more about the files, if need be
};

void PayrollIn(const fs::path& d) {
    Write(d / "n.csv", kPayroll);
}

void BadPayrollIn(const fs::path& d) {
    Write(d / "n.csv", kBadPayroll);
}

void PayrollAndOld(const fs::path& d) {
    PayrollIn(d);
    Write(d / "o.csv", "old");
}

// A row whose input is a pipe that gives one row and then waits, while `signal` ends the program.
Case Stopped(const std::string& name, int signal) {
    return {"stopped by " + name,
            [](const fs::path& d) {
                Write(d / "o.csv", "old");
                fs::create_directory(d / "p");
            },
            R"(cd "$D" && mkfifo p/f && ulimit -c 0 || exit
               { echo periodo,ingreso_gravable; echo Mensual,100; sleep 1; } >p/f 2>/dev/null &
               { sleep 0.3; kill -s )" +
                name + R"( $$; } >/dev/null 2>&1 &
               exec "$@" <p/f)",
            {"--csv", "-", "o.csv"},
            128 + signal,
            "",
            "",
            {{"o.csv", "old"}, {"p", "/"}}};
}

class IoEdges : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("isr2016-io-edges-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        good_ = test::RunChild(ISR2016_CLI, {"--csv"}, kPayroll).out;
        bad_ = test::RunChild(ISR2016_CLI, {"--csv"}, kBadPayroll).out;
        ASSERT_NE(good_.find(",-236.85,"), std::string::npos) << good_;
        ASSERT_NE(bad_.find("no puede ser negativo"), std::string::npos) << bad_;
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Expect(const std::pair<std::string, std::string>& file) const {
        const auto& [name, content] = file;
        const fs::path path = dir_ / name;
        if (content == "/") {
            EXPECT_TRUE(fs::is_directory(fs::symlink_status(path))) << name;
        } else if (content.starts_with("->")) {
            ASSERT_TRUE(fs::is_symlink(path)) << name;
            EXPECT_EQ(fs::read_symlink(path).string(), content.substr(2)) << name;
        } else if (content.starts_with('~')) {
            const auto held = Slurp(path);
            EXPECT_NE(held.find(content.substr(1)), std::string::npos) << name << ": " << held;
        } else {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path))) << name;
            const auto expected = content == "=R" ? good_ : content == "=B" ? bad_ : content;
            EXPECT_EQ(Slurp(path), expected) << name;
        }
    }

    // Every name in the folder and its subfolders, relative to it.
    std::set<std::string> AllNames() const {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
            names.insert(entry.path().lexically_relative(dir_).string());
        }
        return names;
    }

    fs::path dir_;
    std::string good_;  // the results of kPayroll
    std::string bad_;   // the results of kBadPayroll
};

TEST_F(IoEdges, EveryCaseEndsWithTheRightStatusFilesAndMessages) {
    const Case cases[] = {
        {"messages to a reader that went away do not stop the results",
         BadPayrollIn,
         R"(cd "$D" && exec 3>&1 && { sleep 0.2; "$@"; echo $? >&3; } 2>&1 | true)",
         {"--csv", "n.csv", "o.csv"},
         0,
         "2\n",
         "",
         {{"n.csv", kBadPayroll}, {"o.csv", "=B"}}},
        {"a summary on a full disk fails the run, not the results",
         PayrollIn,
         R"(cd "$D" && exec "$@" 2>/dev/full)",
         {"--csv", "--resumen", "n.csv", "o.csv"},
         2,
         "",
         "",
         {{"n.csv", kPayroll}, {"o.csv", "=R"}}},
        {"a summary to a closed standard error fails the run",
         PayrollIn,
         R"(cd "$D" && exec "$@" 2>&-)",
         {"--csv", "--resumen", "n.csv", "o.csv"},
         2,
         "",
         "",
         {{"n.csv", kPayroll}, {"o.csv", "=R"}}},
        {"a closed standard error with nothing to say is no failure",
         PayrollIn,
         R"(cd "$D" && exec "$@" 2>&-)",
         {"--csv", "n.csv", "o.csv"},
         0,
         "",
         "",
         {{"n.csv", kPayroll}, {"o.csv", "=R"}}},
        {"--help on a full disk",
         [](const fs::path&) {},
         R"(exec "$@" >/dev/full)",
         {"--help"},
         2,
         "",
         "no se pudo escribir la salida: no queda espacio en el disco",
         {}},
        {"--version to a closed standard output",
         [](const fs::path&) {},
         R"(exec "$@" >&-)",
         {"--version"},
         2,
         "",
         "no se pudo escribir la salida: el descriptor de archivo está cerrado",
         {}},
        Stopped("QUIT", SIGQUIT),
        Stopped("USR1", SIGUSR1),
        Stopped("USR2", SIGUSR2),
        Stopped("ALRM", SIGALRM),
        Stopped("XFSZ", SIGXFSZ),
        Stopped("ABRT", SIGABRT),
        Stopped("KILL", SIGKILL),
        {"a symbolic link to a file not made yet",
         [](const fs::path& d) {
             PayrollIn(d);
             fs::create_directory(d / "srv");
             fs::create_symlink("srv/r.csv", d / "l.csv");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "l.csv"},
         0,
         "",
         "",
         {{"n.csv", kPayroll}, {"l.csv", "->srv/r.csv"}, {"srv", "/"}, {"srv/r.csv", "=R"}}},
        {"a chain of links, the last one dangling",
         [](const fs::path& d) {
             PayrollIn(d);
             fs::create_directory(d / "srv");
             fs::create_symlink("srv/m.csv", d / "l.csv");
             fs::create_symlink("r.csv", d / "srv/m.csv");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "l.csv"},
         0,
         "",
         "",
         {{"n.csv", kPayroll},
          {"l.csv", "->srv/m.csv"},
          {"srv", "/"},
          {"srv/m.csv", "->r.csv"},
          {"srv/r.csv", "=R"}}},
        {"a link to itself",
         [](const fs::path& d) {
             PayrollIn(d);
             fs::create_symlink("l.csv", d / "l.csv");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "l.csv"},
         2,
         "",
         "no se puede abrir \"l.csv\" para escribir: demasiados enlaces simbólicos",
         {{"n.csv", kPayroll}, {"l.csv", "->l.csv"}}},
        {"a link into a missing folder",
         [](const fs::path& d) {
             PayrollIn(d);
             fs::create_symlink("no/r.csv", d / "l.csv");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "l.csv"},
         2,
         "",
         "no se puede abrir \"l.csv\" para escribir: no existe el archivo o el directorio",
         {{"n.csv", kPayroll}, {"l.csv", "->no/r.csv"}}},
        {"a read-only output is refused, as cp refuses it",
         [](const fs::path& d) {
             PayrollAndOld(d);
             fs::permissions(d, fs::perms::all);
             fs::permissions(d / "o.csv", fs::perms::owner_read | fs::perms::group_read |
                                              fs::perms::others_read);
             if (geteuid() == 0) {
                 ASSERT_EQ(chown((d / "o.csv").c_str(), kNobody, kNobody), 0);
             }
         },
         // Root may write anything: the run is a user's.
         R"sh(cd "$D" && if [ "$(id -u)" = 0 ]; then
                exec setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
            fi; exec "$@")sh",
         {"--csv", "n.csv", "o.csv"},
         2,
         "",
         "no se puede abrir \"o.csv\" para escribir: permiso denegado",
         {{"n.csv", kPayroll}, {"o.csv", "old"}}},
        {"a replaced output keeps its owner, group and mode",
         [](const fs::path& d) {
             PayrollAndOld(d);
             fs::permissions(d / "o.csv", fs::perms::owner_read | fs::perms::owner_write |
                                              fs::perms::group_read);
             if (geteuid() == 0) {
                 ASSERT_EQ(chown((d / "o.csv").c_str(), kNobody, kNobody), 0);
             }
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "o.csv"},
         0,
         "",
         "",
         {{"n.csv", kPayroll}, {"o.csv", "=R"}},
         [](const fs::path& d) {
             struct stat st {};
             ASSERT_EQ(stat((d / "o.csv").c_str(), &st), 0);
             EXPECT_EQ(st.st_mode & 07777, 0640u);
             EXPECT_EQ(st.st_uid, geteuid() == 0 ? kNobody : geteuid());
             EXPECT_EQ(st.st_gid, geteuid() == 0 ? kNobody : getegid());
         }},
        {"a header that never ends is refused at once",
         PayrollAndOld,
         R"(cd "$D" && exec timeout 20 "$@")",
         {"--csv", "/dev/zero", "o.csv"},
         2,
         "",
         "encabezado mal formado: línea 1, columna 1: registro de más de 1 MiB",
         {{"n.csv", kPayroll}, {"o.csv", "old"}}},
        {"a header of separators that never ends is refused at once",
         PayrollAndOld,
         R"(cd "$D" && yes , | tr -d '\n' | timeout 20 "$@")",
         {"--csv", "-", "o.csv"},
         2,
         "",
         "encabezado mal formado: línea 1, columna 100001: registro de más de 1 MiB",
         {{"n.csv", kPayroll}, {"o.csv", "old"}}},
        {"text after a closing quote is a row error",
         [](const fs::path& d) {
             Write(d / "n.csv", "periodo,ingreso_gravable\nMensual,\"1000\"x\n");
         },
         R"(cd "$D" && exec "$@")",
         {"--csv", "n.csv", "o.csv"},
         1,
         "",
         "línea 2, columna 2 (ingreso_gravable): texto después de la comilla de cierre",
         {{"n.csv", "periodo,ingreso_gravable\nMensual,\"1000\"x\n"},
          {"o.csv",
           "~,\"línea 2, columna 2 (ingreso_gravable): texto después de la comilla de "
           "cierre\"\n"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        c.prepare(dir_);
        std::vector<std::string> shellArgs{"-c", "D='" + dir_.string() + "'; " + c.script, "sh",
                                           ISR2016_CLI};
        shellArgs.insert(shellArgs.end(), c.args.begin(), c.args.end());
        const auto result = test::RunChild("/bin/sh", shellArgs);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_EQ(result.out, c.out);
        if (c.errLine.empty()) {
            EXPECT_EQ(result.err, "");
        } else {
            EXPECT_NE(result.err.substr(0, result.err.find('\n')).find(c.errLine),
                      std::string::npos)
                << result.err;
        }
        test::ExpectCleanMessages(result.err);
        std::set<std::string> names;
        for (const auto& file : c.files) {
            names.insert(file.first);
            Expect(file);
        }
        if (c.check) c.check(dir_);
        // Nothing else is there: no temporary file, in the folder or beside a link's target.
        auto found = AllNames();
        std::erase_if(found, [](const std::string& name) { return name == "p/f"; });
        EXPECT_EQ(found, names);
    }
}

}  // namespace
}  // namespace isr
