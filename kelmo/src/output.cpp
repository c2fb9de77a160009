#include "kelmo/cli/output.hpp"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>

namespace kelmo::cli {

namespace {

// The temporary file being written, for main's signal handler (which may only read plain memory).
char g_pending[4096];
volatile std::sig_atomic_t g_has_pending = 0;

void set_pending(const std::string& path) {
    g_has_pending = 0;
    if (path.size() < sizeof g_pending) {
        std::memcpy(g_pending, path.c_str(), path.size() + 1);
        g_has_pending = 1;
    }
}

void clear_pending() { g_has_pending = 0; }

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

Error output_error(const std::string& path, const std::string& why) {
    return Error{ExitStatus::kOutputError, "cannot write '" + path + "': " + why};
}

// Writes all of text to fd; false on an error (errno tells which).
bool write_all(int fd, const std::string& text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

const char* pending_temporary_file() { return g_has_pending ? g_pending : nullptr; }

std::string format_table(const std::vector<physics::TablePoint>& table) {
    std::string text;
    text.reserve(table.size() * 42);
    char line[128];
    for (const auto& p : table) {
        char* out = line;
        char* const end = line + sizeof line;
        for (const double v : {p.energy_MeV, p.range_cm, p.stopping_MeV_cm}) {
            if (out != line) *out++ = ' ';
            out = std::to_chars(out, end, v, std::chars_format::scientific, 6).ptr;
        }
        *out++ = '\n';
        text.append(line, out);
    }
    return text;
}

std::optional<Error> check_output_path(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return output_error(path, "it is a folder");
    const std::string folder = folder_of(path);
    if (::stat(folder.c_str(), &st) != 0) {
        return output_error(path, "the folder '" + folder + "' does not exist");
    }
    if (!S_ISDIR(st.st_mode)) return output_error(path, "'" + folder + "' is not a folder");
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        return output_error(path, "no permission to write in the folder '" + folder + "'");
    }
    return std::nullopt;
}

std::optional<Error> write_file_atomically(const std::string& path, const std::string& text) {
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode)) return output_error(path, "it is a folder");
        // A device or a pipe (/dev/stdout, /dev/full): it cannot be replaced, only written.
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return output_error(path, std::strerror(errno));
        const bool ok = write_all(fd, text);
        const int write_errno = errno;
        if (::close(fd) != 0 && ok) return output_error(path, std::strerror(errno));
        if (!ok) return output_error(path, std::strerror(write_errno));
        return std::nullopt;
    }
    if (auto e = check_output_path(path)) return e;

    const auto slash = path.find_last_of('/');
    std::string temp = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "." +
                       path.substr(slash == std::string::npos ? 0 : slash + 1) + ".kelmo-XXXXXX";
    sigset_t ending, previous;
    sigemptyset(&ending);
    for (const int sig : kEndingSignals) sigaddset(&ending, sig);
    pthread_sigmask(SIG_BLOCK, &ending, &previous);
    const int fd = ::mkstemp(temp.data());
    const int create_errno = errno;
    if (fd >= 0) set_pending(temp);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (fd < 0) return output_error(path, std::string("cannot create a temporary file: ") + std::strerror(create_errno));
    auto fail = [&](int err) {
        ::unlink(temp.c_str());
        clear_pending();
        return output_error(path, std::strerror(err));
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) {
        const int err = errno;
        ::close(fd);
        return fail(err);
    }
    if (!write_all(fd, text)) {
        const int err = errno;
        ::close(fd);
        return fail(err);
    }
    if (::close(fd) != 0) return fail(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errno);
    clear_pending();
    return std::nullopt;
}

}  // namespace kelmo::cli
