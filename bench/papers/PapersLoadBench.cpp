// Prints the median times of reading the bytes of a preset and a user file, of loading them
// into the paper list, and of writing the user file back, and the ratio of loading to the
// plain read, the two measured taking turns. Exit status 1 when that ratio is 5 or more.
#include "app/Messages.h"
#include "papers/MdtSource.h"
#include "papers/PaperList.h"
#include "papers/TextCodec.h"
#include "platform/Files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

class NoStrings : public qlx::StringSource {
public:
    std::string String(int) const override { return {}; }
};

class NoMessages : public qlx::MessageSink {
public:
    bool Show(qlx::MessageIcon, const std::string&) override { return false; }
};

qlx::PaperDef Paper(int index, bool preset) {
    qlx::PaperDef paper;
    const std::string name = (preset ? "Preset label " : "User label ") + std::to_string(index);
    qlx::TextCodec::Store(*qlx::TextCodec::Utf8ToUtf16(name + " mm"), paper.szPaperName_mm);
    qlx::TextCodec::Store(*qlx::TextCodec::Utf8ToUtf16(name + " in"), paper.szPaperName_inch);
    qlx::TextCodec::Store(u"2.00\"", paper.szPaperWidthString_inch);
    qlx::TextCodec::Store(u"1.25\"", paper.szPaperLengthString_inch);
    paper.nType = index % 3 == 0 ? qlx::kTypeContinuous : qlx::kTypeDieCut;
    paper.nPaperSize = static_cast<int16_t>(513 + index);
    paper.nPaperWidth = static_cast<int16_t>(200 + index);
    paper.nPaperLength = 300;
    paper.nPaperWidthRes = 591;
    paper.dwPaperAbility01 = 0x11;
    const std::string sizes = "257,258,259";
    std::copy(sizes.begin(), sizes.end(), paper.nCompatiblePaperSizes.begin());
    for (std::string* text :
         {&paper.byReserved001, &paper.nSensorID, &paper.byHeadDivide, &paper.nDieStartPlus,
          &paper.nDieStartRevPlus, &paper.wDieStartFwdPlus, &paper.nAfterFeedPlus,
          &paper.PresetBlkPos1_1, &paper.PresetBlkPos2_1, &paper.PresetBlkPos2_2,
          &paper.PresetBlkPos3_1, &paper.PresetBlkPos3_2, &paper.PresetBlkPos3_3,
          &paper.MediaAtrInfo}) {
        text->assign(1, '0');
    }
    paper.byRollWidMm = "50";
    paper.wPafMediaID = std::to_string(513 + index);
    paper.szSizeMM = "50x30";
    paper.szSizeIN = "2x1.25";
    paper.reserved_12_ = "244,255,0,0,0,0,1,24,0,0,0,0";
    return paper;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median time of each piece of work, the pieces taking turns run by run, so that a
// machine that speeds up or slows down meanwhile weighs on all of them alike.
std::vector<double> MedianMicroseconds(int runs, const std::vector<std::function<void()>>& works) {
    std::vector<std::vector<double>> times(works.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t w = 0; w < works.size(); ++w) {
            const auto start = std::chrono::steady_clock::now();
            works[w]();
            times[w].push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& each : times) {
        medians.push_back(Median(std::move(each)));
    }
    return medians;
}

double MedianMicroseconds(int runs, const std::function<void()>& work) {
    return MedianMicroseconds(runs, std::vector<std::function<void()>>{work})[0];
}

} // namespace

int main(int argc, char** argv) {
    // "profile": only load, many times, for a profiler to look at.
    const bool profile = argc > 1 && std::string(argv[1]) == "profile";
    const auto folder = std::filesystem::temp_directory_path() / "qlx_papers_bench";
    std::filesystem::create_directories(folder);
    const std::string presetPath = (folder / "qlx530ead.txt").string();
    const std::string userPath = (folder / "qlx530eed.txt").string();
    const std::string outPath = (folder / "out.txt").string();

    qlx::MdtHeader header;
    header.FormatVersion = "1.00";
    header.dmDeviceName = "LT-5300E";
    header.modelSection = {{"bySeriesCode", "0x53"}, {"wResolutions", "300"}};
    std::vector<qlx::PaperDef> presets;
    std::vector<qlx::PaperDef> users;
    for (int i = 0; i < 60; ++i) {
        presets.push_back(Paper(i, true));
    }
    for (int i = 0; i < 40; ++i) {
        users.push_back(Paper(i, false));
    }
    if (!qlx::WriteSourceFile(presetPath, header, presets) ||
        !qlx::WriteSourceFile(userPath, header, users)) {
        std::fprintf(stderr, "cannot write the bench files in %s\n", folder.string().c_str());
        return 2;
    }

    const int kRuns = profile ? 3001 : 301;
    std::size_t bytes = 0;
    std::string presetBytes;
    qlx::platform::ReadFileBytes(presetPath, presetBytes);
    const double parse = MedianMicroseconds(kRuns, [&] {
        const qlx::IniDocument document(presetBytes);
        bytes += document.Sections().empty() ? 1 : 0;
    });
    auto list = std::make_unique<qlx::PaperList>();
    NoStrings strings;
    NoMessages sink;
    const std::vector<double> floorAndLoad = MedianMicroseconds(
        kRuns, {[&] {
                    std::string a;
                    std::string b;
                    qlx::platform::ReadFileBytes(presetPath, a);
                    qlx::platform::ReadFileBytes(userPath, b);
                    bytes = a.size() + b.size();
                },
                [&] { list->Load(presetPath, userPath, false, strings, sink); }});
    const double floor = floorAndLoad[0];
    const double load = floorAndLoad[1];
    list->header = header;
    const double write =
        MedianMicroseconds(51, [&] { list->WriteUserSource(outPath, list->count); });

    std::filesystem::remove_all(folder);
    const double ratio = load / floor;
    std::printf("papers loaded:            %d (%zu bytes in two files)\n", list->count, bytes);
    std::printf("read bytes (floor):       %8.1f us\n", floor);
    std::printf("load preset + user:       %8.1f us\n", load);
    std::printf("  section index of presets: %6.1f us\n", parse);
    std::printf("write user source:        %8.1f us\n", write);
    std::printf("load / floor:             %8.2f (target below 5)\n", ratio);
    return ratio < 5.0 ? 0 : 1;
}
