// Times the Add variant of the driver update end to end with 100 user papers (source
// written, compiler and converter run, three files installed) against its floor: starting
// two trivial processes and copying three files of the same sizes. Prints both and their
// ratio; exits 1 when the ratio is 2 or more.
//
//   update_publish_bench [iterations]   (default 20; finds the tools beside itself and the
//                                         demo tree in QLX_DEMO_DIR or ../demo)

#include "papers/MdtSource.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "update/PublishDefinitions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::vector<qlx::PaperDef> HundredPapers(const std::vector<qlx::PaperDef>& presets) {
    std::vector<qlx::PaperDef> papers;
    for (int i = 0; i < 100; ++i) {
        qlx::PaperDef paper = presets[static_cast<size_t>(i) % presets.size()];
        paper.bPreset = 0;
        paper.nPaperSize = static_cast<int16_t>(513 + i);
        paper.wPafMediaID = std::to_string(513 + i);
        papers.push_back(paper);
    }
    return papers;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const fs::path binFolder = fs::path(qlx::platform::ExecutablePath()).parent_path();
    const char* demoEnv = std::getenv("QLX_DEMO_DIR");
    const fs::path driver =
        (demoEnv != nullptr ? fs::path(demoEnv) : binFolder.parent_path() / "demo") / "driver/3";
    const qlx::SourceFile presets = qlx::LoadSourceFile((driver / "qlx530ead.txt").string(), true);
    const qlx::SourceFile user = qlx::LoadSourceFile((driver / "qlx530eed.txt").string(), false);
    if (presets.papers.empty() || !user.headerOk) {
        std::fprintf(stderr, "demo driver folder not found at %s\n", driver.c_str());
        return 2;
    }
    const std::vector<qlx::PaperDef> papers = HundredPapers(presets.papers);

    const fs::path work =
        fs::temp_directory_path() /
        ("qlx-publish-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
    const fs::path temp = work / "tmp";
    const fs::path destination = work / "driver";
    const fs::path floorDestination = work / "floor";
    fs::create_directories(temp);
    fs::create_directories(destination);
    fs::create_directories(floorDestination);

    qlx::PublishEnvironment environment;
    environment.programFolder = binFolder.string();
    environment.tempFolder = temp.string() + "/";
    environment.modelCode = "qlx530e";
    environment.header = user.header;
    const qlx::SourceWriter writer = [&](const std::string& path) {
        return qlx::WriteSourceFile(path, user.header, papers);
    };

    std::vector<double> publish;
    std::vector<double> floor;
    const std::string names[3] = {"qlx530eed.txt", "qlx530eed.mdt",
                                  qlx::PrinterFileName(user.header)};
    for (int i = 0; i < iterations; ++i) {
        const auto start = Clock::now();
        const bool ok = qlx::PublishDefinitions(environment, qlx::PublishVariant::Add, writer,
                                                destination.string())
                            .ok;
        publish.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!ok) {
            std::fprintf(stderr, "publishing failed\n");
            fs::remove_all(work);
            return 2;
        }

        const auto floorStart = Clock::now();
        qlx::platform::RunProcess({"/bin/true"});
        qlx::platform::RunProcess({"/bin/true"});
        for (const std::string& name : names) {
            qlx::platform::CopyFileAtomic((destination / name).string(),
                                          (floorDestination / name).string());
        }
        floor.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - floorStart).count());
    }

    const double publishMs = Median(publish);
    const double floorMs = Median(floor);
    const double ratio = publishMs / floorMs;
    std::printf("files: source %ju bytes, table %ju bytes, printer file %ju bytes\n",
                static_cast<uintmax_t>(fs::file_size(destination / names[0])),
                static_cast<uintmax_t>(fs::file_size(destination / names[1])),
                static_cast<uintmax_t>(fs::file_size(destination / names[2])));
    std::printf("Add, 100 papers, end to end: %.2f ms (median of %d)\n", publishMs, iterations);
    std::printf("floor (two trivial processes, three copies): %.2f ms\n", floorMs);
    std::printf("ratio: %.2f (target below 2)\n", ratio);
    fs::remove_all(work);
    return ratio < 2.0 ? 0 : 1;
}
