#include "OutputFile.h"

#include <chrono>
#include <filesystem>
#include <fstream>

namespace qlx {

namespace fs = std::filesystem;

bool WriteOutputFile(const std::string& path, const std::string& bytes) {
    std::error_code error;
    const fs::path target(path);
    const fs::file_status status = fs::status(target, error);
    if (fs::exists(status) &&
        (!fs::is_regular_file(status) ||
         (status.permissions() & fs::perms::owner_write) == fs::perms::none)) {
        return false;
    }
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(stamp);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
            out.close();
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace qlx
