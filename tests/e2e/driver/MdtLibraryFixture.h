#pragma once

#include "MdtLibrary.h"
#include "ScratchFolder.h"

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Loads a copy of the MDT library placed in a driver folder of its own, as the capabilities
// extension loads it from the printer driver's folder.
class LoadedMdtLibrary {
public:
    explicit LoadedMdtLibrary(const std::string& driverFolder) {
        const char* bin = std::getenv("QLX_BIN_DIR");
        if (bin == nullptr) {
            return;
        }
        const std::string copy = driverFolder + "/qlx5sri6.so";
        std::error_code error;
        if (!std::filesystem::exists(copy)) {
            std::filesystem::copy_file(std::string(bin) + "/qlx5sri6.so", copy, error);
        }
        handle_ = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            return;
        }
        auto initialize =
            reinterpret_cast<MdtInitializeFunction>(dlsym(handle_, "MDT_InitializeA"));
        table_.size = sizeof table_;
        ok_ = initialize != nullptr && initialize(&table_) != 0;
    }
    ~LoadedMdtLibrary() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    LoadedMdtLibrary(const LoadedMdtLibrary&) = delete;
    LoadedMdtLibrary& operator=(const LoadedMdtLibrary&) = delete;

    bool ok() const { return ok_; }
    void* library() const { return handle_; }
    const MdtFunctionTable& table() const { return table_; }

    // Opens the table and reads the model record and all paper records, as the extension
    // does; false when any call fails.
    bool ReadAll(const char* tableName, std::vector<uint8_t>& model, std::vector<uint8_t>& papers,
                 uint32_t& count) const {
        void* mdt = nullptr;
        if (table_.open(&mdt, tableName) == 0) {
            return false;
        }
        model.assign(kMdtModelRecordSize, 0);
        uint32_t scratch[8] = {};
        uint32_t needed = 0;
        bool ok = table_.readModelData(mdt, 1, model.data(), kMdtModelRecordSize, scratch) != 0 &&
                  table_.readPapers(mdt, 1, nullptr, 0, &needed, &count) != 0;
        if (ok) {
            papers.assign(needed, 0);
            uint32_t again = 0;
            ok = table_.readPapers(mdt, 1, papers.data(), needed, &again, &count) != 0;
        }
        table_.close(mdt);
        return ok;
    }

private:
    void* handle_ = nullptr;
    MdtFunctionTable table_{};
    bool ok_ = false;
};
