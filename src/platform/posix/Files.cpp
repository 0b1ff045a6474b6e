#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qlx::platform {

namespace {

// Closes its descriptor on every path out of a function.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0)
            close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a late write error shows here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int fd_;
};

// read(), tried again when a signal interrupts it: the bytes read, 0 at the end, -1 on error.
ssize_t ReadSome(int fd, char* buffer, size_t size) {
    for (;;) {
        const ssize_t n = read(fd, buffer, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// A file that exists and is read-only may not be replaced; a folder in its place neither.
bool MayReplace(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return errno == ENOENT;
    return !S_ISDIR(st.st_mode) && (st.st_mode & S_IWUSR) != 0;
}

// Writes through `fill` into a fresh temporary file beside `path`, makes it durable, gives it
// `mode` and renames it over `path`. The temporary file never outlives a failure.
template <typename Fill> bool ReplaceAtomically(const std::string& path, mode_t mode, Fill fill) {
    if (path.empty() || path.back() == '/' || !MayReplace(path))
        return false;
    const std::string folder = FolderOf(path);
    std::string hidden(1, '.');
    hidden += NameOf(path);
    hidden += ".tmpXXXXXX";
    const std::string pattern = Join(folder, hidden);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Fd fd(mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    const std::string temp(name.data());
    const bool written = fill(fd.get()) && fsync(fd.get()) == 0 && fchmod(fd.get(), mode) == 0 &&
                         fd.Close() && rename(temp.c_str(), path.c_str()) == 0;
    if (!written) {
        fd.Close();
        unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; the file is already in place either way.
    Fd dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        fsync(dir.get());
    return true;
}

} // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    Fd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ReadSome(fd.get(), buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        content.append(buffer, static_cast<size_t>(n));
    }
    bytes = std::move(content);
    return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes) {
    return ReplaceAtomically(path, 0644,
                             [&](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); });
}

bool CopyFileAtomic(const std::string& from, const std::string& to) {
    Fd source(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (source.get() < 0 || fstat(source.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    // The copy keeps the source's permissions, a read-only source giving a read-only copy.
    return ReplaceAtomically(to, st.st_mode & 0777, [&](int fd) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ReadSome(source.get(), buffer, sizeof buffer);
            if (n < 0)
                return false;
            if (n == 0)
                return true;
            if (!WriteAll(fd, buffer, static_cast<size_t>(n)))
                return false;
        }
    });
}

bool IsReadOnly(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
}

bool SetReadOnly(const std::string& path, bool readOnly) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return false;
    const mode_t bits = st.st_mode & 07777;
    const mode_t mode = readOnly ? (bits & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (bits | S_IWUSR);
    return mode == bits || chmod(path.c_str(), mode) == 0;
}

bool DeleteFileIfExists(const std::string& path) {
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::optional<std::string> FindNameIgnoringCase(const std::string& folder,
                                                const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        return std::nullopt;
    const std::string exact = Join(folder, name);
    struct stat st {};
    if (lstat(exact.c_str(), &st) == 0)
        return exact;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return std::nullopt;
    std::vector<std::string> matches;
    while (const dirent* entry = readdir(dir)) {
        const std::string entryName = entry->d_name;
        if (EqualsIgnoringAsciiCase(entryName, name))
            matches.push_back(entryName);
    }
    closedir(dir);
    if (matches.empty())
        return std::nullopt;
    // Directory order is arbitrary; the smallest name keeps the answer stable.
    return Join(folder, *std::min_element(matches.begin(), matches.end()));
}

} // namespace qlx::platform
