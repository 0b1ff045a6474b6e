#pragma once

#include "app/Messages.h"
#include "papers/PaperDef.h"
#include "papers/TextCodec.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace qlx::test {

inline std::string DataPath(const std::string& name) {
    const char* root = std::getenv("QLX_TEST_DATA");
    return std::string(root != nullptr ? root : "tests/data") + "/papers/" + name;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device device;
        path_ = std::filesystem::temp_directory_path() /
                ("qlx_papers_" + std::to_string(device()) + std::to_string(device()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

class FakeStrings : public StringSource {
public:
    std::string String(int id) const override { return "string " + std::to_string(id); }
};

class RecordingSink : public MessageSink {
public:
    bool Show(MessageIcon icon, const std::string& text) override {
        shown.emplace_back(icon, text);
        return false;
    }
    std::vector<std::pair<MessageIcon, std::string>> shown;
};

inline std::string Utf8(const PaperName& name) {
    return TextCodec::ToUtf8(name).value_or("<not convertible>");
}

inline PaperName Name(const std::string& utf8) {
    PaperName name{};
    TextCodec::Store(TextCodec::Utf8ToUtf16(utf8).value(), name);
    return name;
}

// A user paper as the editor would make it.
inline PaperDef MakePaper(const std::string& name, int16_t size) {
    PaperDef paper;
    paper.szPaperName_mm = Name(name);
    paper.szPaperName_inch = Name(name);
    TextCodec::Store(u"1.00\"", paper.szPaperWidthString_inch);
    TextCodec::Store(u"2.00\"", paper.szPaperLengthString_inch);
    paper.nType = kTypeDieCut;
    paper.nPaperSize = size;
    paper.nPaperWidth = 254;
    paper.nPaperLength = 508;
    paper.byEnergyRank = 3;
    const char sizes[] = "257,258";
    std::copy(std::begin(sizes), std::end(sizes), paper.nCompatiblePaperSizes.begin());
    paper.byReserved001 = "0";
    paper.nSensorID = "1";
    paper.byRollWidMm = "25";
    paper.byHeadDivide = "0";
    paper.nDieStartPlus = paper.nDieStartRevPlus = paper.wDieStartFwdPlus = "0";
    paper.nAfterFeedPlus = "0";
    paper.wPafMediaID = std::to_string(size);
    paper.PresetBlkPos1_1 = paper.PresetBlkPos2_1 = paper.PresetBlkPos2_2 = "0";
    paper.PresetBlkPos3_1 = paper.PresetBlkPos3_2 = paper.PresetBlkPos3_3 = "0";
    paper.szSizeMM = "25x50";
    paper.MediaAtrInfo = "0";
    paper.reserved_12_ = "0,0,0,0,0,0,1,0,0,0,0,0";
    return paper;
}

} // namespace qlx::test
