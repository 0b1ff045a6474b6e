#include "update/PublishDefinitions.h"

#include "platform/Files.h"
#include "platform/Process.h"
#include "update/CodeByte.h"

#include <optional>

namespace qlx {

namespace {

bool CopiesToDestination(PublishVariant variant) {
    return variant != PublishVariant::Send && variant != PublishVariant::SavePrinterFile;
}

// Export leaves a read-only file in the user's folder alone (the copy then fails); the
// driver folder's files are the program's own and are made writable first.
bool ClearsReadOnlyOnDestination(PublishVariant variant) {
    switch (variant) {
    case PublishVariant::Delete:
    case PublishVariant::Import:
    case PublishVariant::Replace:
    case PublishVariant::Add:
        return true;
    default:
        return false;
    }
}

std::string LastTwo(const std::string& text) {
    return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

// The tool's file in the program folder, found without regard to case: the main dialog asks
// for "qlx5sR..." and the editor for "qlx5sr...".
std::optional<std::string> FindTool(const std::string& programFolder, const std::string& name) {
    return platform::FindNameIgnoringCase(programFolder, name);
}

void MakeWritableIfPresent(const std::string& path) {
    if (platform::FileExists(path) && platform::IsReadOnly(path)) {
        platform::SetReadOnly(path, false);
    }
}

} // namespace

std::string PrinterFileName(const MdtHeader& header) {
    return "pdt" + LastTwo(header.byModelCode) + LastTwo(header.bySeriesCode) + ".bin";
}

std::string FamilyCode(PublishVariant variant) {
    return variant == PublishVariant::Replace || variant == PublishVariant::Add ? "qlx5sr"
                                                                                : "qlx5sR";
}

PublishMessageIds PublishMessages(PublishVariant variant) {
    switch (variant) {
    case PublishVariant::Export:
        return {1004, 0, 1103};
    case PublishVariant::Import:
        return {1005, 1006, 1104};
    case PublishVariant::Delete:
    case PublishVariant::Replace:
    case PublishVariant::Add:
        return {0, 0, 1102};
    case PublishVariant::Send:
    case PublishVariant::SavePrinterFile:
        return {};
    }
    return {};
}

bool RunTool(const std::vector<std::string>& argv, const std::function<void()>& whileWaiting) {
    return platform::RunProcess(argv, whileWaiting).started;
}

PublishOutcome PublishDefinitions(const PublishEnvironment& environment, PublishVariant variant,
                                  const SourceWriter& writeSource,
                                  const std::string& destinationFolder) {
    PublishOutcome outcome;
    const std::string& temp = environment.tempFolder;
    const std::string temporarySource = temp + environment.modelCode + "ed.txt";
    const std::string temporaryTable = temp + environment.modelCode + "ed.mdt";
    const std::string printerFileName = PrinterFileName(environment.header);
    const std::string temporaryPrinterFile = temp + printerFileName;
    const std::string family = FamilyCode(variant);

    // Outputs of an earlier run are removed first, so that a tool that fails leaves a
    // missing file instead of a stale one that would be installed as if it were new. The
    // temporary folder is the user's own; removing needs no attribute change.
    platform::DeleteFileIfExists(temporarySource);
    platform::DeleteFileIfExists(temporaryTable);
    platform::DeleteFileIfExists(temporaryPrinterFile);

    if (writeSource) {
        writeSource(temporarySource); // judged by the files that follow, not by its result
    }
    if (CopiesToDestination(variant)) {
        // An imported file may carry the read-only bit into its copy.
        MakeWritableIfPresent(temporarySource);
    }

    const auto cleanUpTemporaries = [&] {
        platform::DeleteFileIfExists(temporarySource);
        platform::DeleteFileIfExists(temporaryTable);
    };

    const auto compiler = FindTool(environment.programFolder, family + "pc");
    bool toolsRan = compiler.has_value() && RunTool({*compiler, "/S", "/L=" + temp + "log.txt",
                                                     temporarySource, temporaryTable},
                                                    environment.whileWaiting);

    // A zero series or model byte cannot travel as an argument: that run counts as failed.
    const uint8_t seriesByte = ParseCodeByte(environment.header.bySeriesCode);
    const uint8_t modelByte = ParseCodeByte(environment.header.byModelCode);
    const auto converter = FindTool(environment.programFolder, family + "cv");
    if (toolsRan && seriesByte != 0 && modelByte != 0 && converter) {
        toolsRan = RunTool({*converter, temporaryTable, temporaryPrinterFile, family + "i3.so",
                            std::string(1, static_cast<char>(seriesByte)),
                            std::string(1, static_cast<char>(modelByte))},
                           environment.whileWaiting);
    } else {
        toolsRan = false;
    }

    const bool produced = toolsRan && platform::FileExists(temporarySource) &&
                          platform::FileExists(temporaryTable) &&
                          platform::FileExists(temporaryPrinterFile);

    if (!CopiesToDestination(variant)) {
        cleanUpTemporaries();
        if (produced) {
            outcome.ok = true;
            outcome.temporaryPrinterFile = temporaryPrinterFile;
        } else {
            platform::DeleteFileIfExists(temporaryPrinterFile);
        }
        return outcome;
    }

    // Nothing reaches the destination unless all three files were produced.
    if (!produced) {
        return outcome;
    }
    const std::string copies[3][2] = {
        {temporarySource, JoinPath(destinationFolder, environment.modelCode + "ed.txt")},
        {temporaryTable, JoinPath(destinationFolder, environment.modelCode + "ed.mdt")},
        {temporaryPrinterFile, JoinPath(destinationFolder, printerFileName)},
    };
    for (const auto& copy : copies) {
        if (ClearsReadOnlyOnDestination(variant)) {
            MakeWritableIfPresent(copy[1]);
        }
        if (!platform::CopyFileAtomic(copy[0], copy[1])) {
            return outcome; // copies made so far stay, as the caller's message says
        }
    }
    outcome.ok = true;
    return outcome;
}

} // namespace qlx
