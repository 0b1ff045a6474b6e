#include "platform/Paths.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qlx::platform {

namespace {

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Creates `folder` (mode 0700) when missing and accepts it only when it is a real directory
// of ours that nobody else may enter: lstat, so that a planted symbolic link is not followed.
bool EnsurePrivateFolder(const std::string& folder) {
    bool created = false;
    if (mkdir(folder.c_str(), 0700) == 0)
        created = true;
    else if (errno != EEXIST)
        return false;
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
        return false;
    // The umask may have taken bits from a folder we just made; one we did not make must
    // already be private.
    if (created && (st.st_mode & 07777) != 0700) {
        if (chmod(folder.c_str(), 0700) != 0)
            return false;
        st.st_mode = (st.st_mode & ~07777) | 0700;
    }
    return (st.st_mode & 07777) == 0700;
}

} // namespace

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(n));
        if (buffer.size() >= (1u << 20))
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string CutAtLastSeparator(const std::string& path) {
    const size_t cut = path.find_last_of("\\/:");
    if (cut == std::string::npos)
        return path;
    return path.substr(0, cut);
}

bool GetModuleDirectory(std::string& path) {
    const std::string program = ExecutablePath();
    if (program.empty())
        return false;
    path = CutAtLastSeparator(program);
    return true;
}

std::string PrivateTempFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsDirectory(runtime)) {
        const std::string folder = WithoutTrailingSlashes(runtime) + "/qlx5srct";
        return EnsurePrivateFolder(folder) ? folder + "/" : std::string();
    }
    std::string base = "/tmp";
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir != nullptr && tmpdir[0] == '/' && IsDirectory(tmpdir))
        base = WithoutTrailingSlashes(tmpdir);
    if (base == "/")
        base.clear();
    const std::string folder = base + "/qlx5srct-" + std::to_string(geteuid());
    return EnsurePrivateFolder(folder) ? folder + "/" : std::string();
}

std::string DocumentsFolder() {
    std::string home;
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
        home = env;
    } else {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && found->pw_dir != nullptr)
            home = found->pw_dir;
    }
    if (home.empty())
        return {};
    home = WithoutTrailingSlashes(home);
    const std::string documents = (home == "/" ? std::string() : home) + "/Documents";
    return IsDirectory(documents) ? documents : home;
}

} // namespace qlx::platform
