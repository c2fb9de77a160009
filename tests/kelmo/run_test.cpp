// The whole run in process: output format, help and version, one error line, the output file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kelmo/cli/output.hpp"
#include "kelmo/cli/run.hpp"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const int status = kelmo::cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

fs::path fresh_dir(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("kelmo-test-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string read(const fs::path& p) {
    std::ifstream in(p);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(Run, TableOnStandardOutput) {
    const auto o = run({"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1.000000", "-d", "2.26"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    std::istringstream lines(o.out);
    std::string line;
    int n = 0;
    float last_e = 0, last_r = 0;
    while (std::getline(lines, line)) {
        ++n;
        EXPECT_LT(line.size(), 50u);
        float e = 0, r = 0, s = 0;  // the front end reads 32-bit floats with "%f%f%f"
        ASSERT_EQ(std::sscanf(line.c_str(), "%f%f%f", &e, &r, &s), 3) << line;
        EXPECT_GT(e, last_e);
        EXPECT_GT(r, last_r);
        EXPECT_GT(s, 0.0f);
        last_e = e;
        last_r = r;
    }
    EXPECT_EQ(n, 200);
    EXPECT_EQ(o.out.substr(0, 13), "4.000000e-03 ");
    // The last line is E itself; alphas of 10 MeV in carbon of 2.26 g/cm3: range about 60 um.
    EXPECT_FLOAT_EQ(last_e, 10.0f);
    EXPECT_GT(last_r, 50e-4f);
    EXPECT_LT(last_r, 65e-4f);
}

TEST(Run, HelpAndVersionOnStandardOutput) {
    auto o = run({"--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, kelmo::cli::help_text());
    o = run({"--version"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.rfind("kelmo ", 0), 0u);
}

TEST(Run, AnErrorIsOneLineOnStandardErrorAndNoOutput) {
    const auto o = run({"-a", "4", "-e", "10", "-z", "-c", "12,6,1", "-d", "2.26"});
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err,
              "kelmo: error: option -z needs a value (the particle's charge (atomic number) Z) but is followed by "
              "'-c' (is the field empty?)\n");
}

TEST(Run, WritesTheFileAtomicallyAndReplacesAnOldOne) {
    const auto dir = fresh_dir("atomic");
    const auto file = dir / "kelmo.out";
    { std::ofstream(file) << "old\n"; }
    const std::string path = file.string();
    const auto o = run({"-a", "1", "-e", "100", "-z", "1", "-c", "1,1,1", "-c", "16,8,8", "-d", "1", "-o", path, "-n", "50"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "");
    const std::string text = read(file);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 50);
    // Nothing but the result in the folder: no temporary file left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(Run, OutputErrorsLeaveNoFile) {
    const auto dir = fresh_dir("errors");
    const std::string missing = (dir / "no-such-folder" / "kelmo.out").string();
    auto o = run({"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2.26", "-o", missing});
    EXPECT_EQ(o.status, 9);
    EXPECT_EQ(o.err, "kelmo: error: cannot write '" + missing + "': the folder '" + (dir / "no-such-folder").string() +
                         "' does not exist\n");
    o = run({"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2.26", "-o", dir.string()});
    EXPECT_EQ(o.status, 9);
    EXPECT_EQ(o.err, "kelmo: error: cannot write '" + dir.string() + "': it is a folder\n");
    o = run({"-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1", "-d", "2.26", "-o", "/dev/full"});
    EXPECT_EQ(o.status, 9);
    EXPECT_EQ(o.err, "kelmo: error: cannot write '/dev/full': No space left on device\n");
    EXPECT_TRUE(fs::is_empty(dir));
    // A bad request never touches an existing result file.
    const auto file = dir / "kelmo.out";
    { std::ofstream(file) << "old\n"; }
    o = run({"-a", "4", "-e", "10", "-z", "0", "-c", "12,6,1", "-d", "2.26", "-o", file.string()});
    EXPECT_EQ(o.status, 4);
    EXPECT_EQ(read(file), "old\n");
    fs::remove_all(dir);
}

TEST(Run, NumbersIgnoreTheLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const auto o = run({"-a", "4", "-e", "10.5", "-z", "2", "-c", "12,6,0.5", "-c", "12,6,0.5", "-d", "2.26", "-n", "3"});
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.find(','), std::string::npos);
    EXPECT_NE(o.out.find("1.050000e+01 "), std::string::npos) << o.out;
}

TEST(FormatTable, ScientificWithSixDigits) {
    const std::string text = kelmo::cli::format_table({{1e-3, 1.2345678e-7, 98765.4321}, {10.0, 0.005570006, 1102.331}});
    EXPECT_EQ(text, "1.000000e-03 1.234568e-07 9.876543e+04\n1.000000e+01 5.570006e-03 1.102331e+03\n");
}
