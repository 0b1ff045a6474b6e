// The MDT library: opens compiled tables in its own folder and hands out the model record
// and the paper records. It is loaded into whatever process prints, so every entry checks
// its arguments and every read of a table is bounds-checked; nothing throws across the C
// boundary.

#include "MdtLibrary.h"

#include "CompiledTable.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Larger files are not tables of ours (4096 papers of 252 bytes need about 1 MB).
constexpr std::uintmax_t kMaxTableBytes = 4u * 1024u * 1024u;

struct Session {
    qlx::ModelRecord model{};
    std::vector<qlx::PaperRecord> papers;
};

std::mutex gLock;
std::map<const void*, std::unique_ptr<Session>> gSessions;

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The folder that holds this library: the driver folder.
std::optional<fs::path> LibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&MDT_InitializeA), &info) == 0 ||
        info.dli_fname == nullptr) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path path = fs::absolute(fs::path(info.dli_fname), error);
    if (error) {
        return std::nullopt;
    }
    return path.parent_path();
}

// The entry of `folder` named `name` without regard to ASCII case; an exact match wins.
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::is_regular_file(folder / name, error)) {
        return folder / name;
    }
    const std::string wanted = LowerAscii(name);
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (LowerAscii(entry) == wanted && it->is_regular_file(error)) {
            if (!found || entry < found->filename().string()) {
                found = it->path(); // several case variants: take a fixed one
            }
        }
    }
    return found;
}

std::optional<qlx::CompiledTable> ReadTable(const fs::path& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxTableBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    return qlx::CompiledTable::Parse(bytes);
}

// "QLX530Ead.mdt" -> "QLX530Eed.mdt"; nothing for a name that is not a preset table's.
std::optional<std::string> UserTableName(const std::string& tableName) {
    const std::string suffix = "ad.mdt";
    if (tableName.size() <= suffix.size() ||
        LowerAscii(tableName.substr(tableName.size() - suffix.size())) != suffix) {
        return std::nullopt;
    }
    return tableName.substr(0, tableName.size() - suffix.size()) + "ed.mdt";
}

Session* FindSession(const void* handle) {
    const auto it = gSessions.find(handle);
    return it == gSessions.end() ? nullptr : it->second.get();
}

int Open(void** handle, const char* tableName) {
    if (handle == nullptr) {
        return 0;
    }
    *handle = nullptr;
    if (tableName == nullptr || tableName[0] == '\0' || std::strchr(tableName, '/') != nullptr) {
        return 0;
    }
    try {
        const auto folder = LibraryFolder();
        if (!folder) {
            return 0;
        }
        const std::string name(tableName);
        const auto presetPath = FindIgnoringCase(*folder, name);
        if (!presetPath) {
            return 0;
        }
        auto preset = ReadTable(*presetPath);
        if (!preset) {
            return 0;
        }
        auto session = std::make_unique<Session>();
        session->model = preset->model;
        session->papers = std::move(preset->papers);
        // The user's papers follow the presets. A user table that does not read, or that
        // belongs to another model, is passed over: the presets stay usable.
        if (const auto userName = UserTableName(name)) {
            if (const auto userPath = FindIgnoringCase(*folder, *userName)) {
                const auto user = ReadTable(*userPath);
                if (user &&
                    user->model[qlx::modelrecord::kSeriesByte] ==
                        session->model[qlx::modelrecord::kSeriesByte] &&
                    user->model[qlx::modelrecord::kModelByte] ==
                        session->model[qlx::modelrecord::kModelByte] &&
                    session->papers.size() + user->papers.size() <=
                        qlx::CompiledTable::kMaxPapers) {
                    session->papers.insert(session->papers.end(), user->papers.begin(),
                                           user->papers.end());
                }
            }
        }
        std::lock_guard guard(gLock);
        void* key = session.get();
        gSessions.emplace(key, std::move(session));
        *handle = key;
        return 1;
    } catch (...) {
        return 0;
    }
}

int Close(void* handle) {
    std::lock_guard guard(gLock);
    return gSessions.erase(handle) == 1 ? 1 : 0;
}

int ReadModelData(void* handle, int which, void* buffer, uint32_t size, uint32_t* scratch8) {
    std::lock_guard guard(gLock);
    const Session* session = FindSession(handle);
    if (session == nullptr || which != 1 || buffer == nullptr || size < kMdtModelRecordSize) {
        return 0;
    }
    std::memcpy(buffer, session->model.data(), kMdtModelRecordSize);
    if (scratch8 != nullptr) {
        std::fill(scratch8, scratch8 + 8, 0u);
        scratch8[0] = kMdtModelRecordSize;
        scratch8[1] = static_cast<uint32_t>(session->papers.size());
    }
    return 1;
}

int ReadPapers(void* handle, int which, void* buffer, uint32_t size, uint32_t* neededSize,
               uint32_t* count) {
    std::lock_guard guard(gLock);
    const Session* session = FindSession(handle);
    if (session == nullptr || which != 1) {
        return 0;
    }
    const auto papers = static_cast<uint32_t>(session->papers.size());
    const uint32_t needed = papers * kMdtPaperRecordSize; // at most 4096 * 252
    if (neededSize != nullptr) {
        *neededSize = needed;
    }
    if (count != nullptr) {
        *count = papers;
    }
    if (buffer == nullptr) {
        return 1;
    }
    if (size < needed) {
        return 0;
    }
    auto* out = static_cast<unsigned char*>(buffer);
    for (const qlx::PaperRecord& paper : session->papers) {
        std::memcpy(out, paper.data(), paper.size());
        out += paper.size();
    }
    return 1;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int MDT_InitializeA(MdtFunctionTable* table) {
    if (table == nullptr || table->size < sizeof(MdtFunctionTable)) {
        return 0;
    }
    table->open = &Open;
    table->close = &Close;
    table->readModelData = &ReadModelData;
    table->readPapers = &ReadPapers;
    return 1;
}
