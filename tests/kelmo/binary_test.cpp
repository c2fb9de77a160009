// The real kelmo binary, started as the front end starts it: exit statuses, standard output and error,
// the output file, and SIGTERM / SIGINT during a long run.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;
namespace fs = std::filesystem;

namespace {

struct Process {
    int status = -1;     // exit status, or -1
    int signal = 0;      // terminating signal, or 0
    std::string out, err;
};

std::string drain(int fd) {
    std::string s;
    char buf[65536];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
    return s;
}

// Starts kelmo with these arguments (and extra environment), optionally sends a signal after a delay.
Process start(const std::vector<std::string>& args, const std::vector<std::string>& env_extra = {},
              int send_signal = 0, int delay_ms = 0) {
    std::vector<std::string> argv_s = {KELMO_BINARY};
    argv_s.insert(argv_s.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv_s) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env_s;
    for (char** e = environ; *e; ++e) env_s.emplace_back(*e);
    env_s.insert(env_s.end(), env_extra.begin(), env_extra.end());
    std::vector<char*> envp;
    for (auto& e : env_s) envp.push_back(e.data());
    envp.push_back(nullptr);

    int out_pipe[2], err_pipe[2];
    EXPECT_EQ(::pipe(out_pipe), 0);
    EXPECT_EQ(::pipe(err_pipe), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_pipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err_pipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, out_pipe[0]);
    posix_spawn_file_actions_addclose(&actions, err_pipe[0]);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    Process p;
    if (rc != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return p;
    }
    if (send_signal) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
        ::kill(pid, send_signal);
    }
    std::string err;
    std::thread reader([&] { err = drain(err_pipe[0]); });
    p.out = drain(out_pipe[0]);
    reader.join();
    p.err = err;
    ::close(out_pipe[0]);
    ::close(err_pipe[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status)) p.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) p.signal = WTERMSIG(status);
    return p;
}

fs::path fresh_dir(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("kelmo-bin-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

}  // namespace

TEST(Binary, TheFrontEndsExampleRequestWritesTheFile) {
    const auto dir = fresh_dir("example");
    const std::string file = (dir / "kelmo.out").string();
    const auto p = start({"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1.000000", "-d", "2.26", "-o", file});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out, "");
    EXPECT_EQ(p.err, "");
    EXPECT_EQ(fs::file_size(file), 200u * 39u);  // 200 lines of "x.xxxxxxe-xx x.xxxxxxe-xx x.xxxxxxe+xx\n"
    fs::remove_all(dir);
}

TEST(Binary, ErrorsAndStatuses) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"-a", "4", "-e", "10", "-z", "2", "-", "c", "1,1,1.000", "-d", "2.26"}, 2,
         "kelmo: error: stray '-' followed by 'c': write the option without a blank, as '-c'\n"},
        {{"-a", "4", "-e", "10", "-z", "-d", "2.26"}, 2,
         "kelmo: error: option -z needs a value (the particle's charge (atomic number) Z) but is followed by '-d' "
         "(is the field empty?)\n"},
        {{"-a", "4", "-e", "10", "-z", "0", "-c", "12,6,1", "-d", "2"}, 4,
         "kelmo: error: -z: Z = 0 is a neutral particle, which has no electronic stopping; give a charge of at least 1\n"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2", "-o", "/nonexistent-kelmo-dir/x.out"}, 9,
         "kelmo: error: cannot write '/nonexistent-kelmo-dir/x.out': the folder '/nonexistent-kelmo-dir' does not exist\n"},
        {{"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2", "-o", "/dev/full"}, 9,
         "kelmo: error: cannot write '/dev/full': No space left on device\n"},
    };
    for (const auto& c : cases) {
        const auto p = start(c.args);
        EXPECT_EQ(p.status, c.status) << c.err;
        EXPECT_EQ(p.err, c.err);
        EXPECT_EQ(p.out, "");
    }
    const auto help = start({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.rfind("Usage: kelmo", 0), 0u);
}

TEST(Binary, LocaleOfTheEnvironmentDoesNotMatter) {
    const auto p = start({"-a", "1", "-e", "2.5", "-z", "1", "-c", "27,13,1", "-d", "2.699", "-n", "2"},
                         {"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(p.out.substr(0, 13), "1.000000e-03 ");
    EXPECT_NE(p.out.find("\n2.500000e+00 "), std::string::npos) << p.out;
}

// SIGTERM or SIGINT during a long run: kelmo ends by the signal and leaves neither the result file nor a
// temporary file behind. The signal is sent at several moments so that some land while the file is written.
TEST(Binary, SignalDuringTheRunLeavesNoFile) {
    for (const int sig : {SIGTERM, SIGINT}) {
        for (const int delay_ms : {5, 60, 150, 300}) {
            const auto dir = fresh_dir("signal");
            const std::string file = (dir / "kelmo.out").string();
            const auto p = start({"-a", "238", "-e", "119000", "-z", "92", "-c", "197,79,1", "-d", "19.32", "-n",
                                  "1000000", "-o", file},
                                 {}, sig, delay_ms);
            if (p.signal == 0) {
                // Finished before the signal: then the file must be complete.
                EXPECT_EQ(p.status, 0);
                EXPECT_EQ(fs::file_size(file), 1000000u * 39u);
                EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
            } else {
                EXPECT_EQ(p.signal, sig);
                EXPECT_TRUE(fs::is_empty(dir)) << "signal " << sig << " after " << delay_ms << " ms";
            }
            fs::remove_all(dir);
        }
    }
}
