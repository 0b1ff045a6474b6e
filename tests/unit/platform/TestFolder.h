#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace qlx::platform::test {

// A fresh folder under /tmp for one test, removed with everything in it afterwards.
class TestFolder {
public:
    TestFolder() {
        char name[] = "/tmp/qlx-platform-XXXXXX";
        if (mkdtemp(name) != nullptr)
            path_ = name;
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder() {
        if (path_.empty())
            return;
        std::error_code ignored;
        // Folders a test made unwritable must be opened up again to be emptied.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                chmod(it->path().c_str(), 0700);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // The names in `folder` (this folder when empty).
    std::set<std::string> Names(const std::string& folder = {}) const {
        std::set<std::string> names;
        std::error_code ignored;
        for (const auto& entry :
             std::filesystem::directory_iterator(folder.empty() ? path_ : folder, ignored))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::string path_;
};

// Sets (or, with nullopt, removes) an environment variable for the scope of a test.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str()))
            old_ = old;
        Set(value);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() { Set(old_); }

private:
    void Set(const std::optional<std::string>& value) {
        if (value)
            setenv(name_.c_str(), value->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    std::string name_;
    std::optional<std::string> old_;
};

inline mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace qlx::platform::test
