// qlx5sRpc /S /L=<log> <source> <table>
// The driver family's source compiler: reads an MDT source file with the program's own
// reader and writes the compiled table. Exit status 0 on success; on failure no table is
// left at <table>.

#include "CompiledTable.h"
#include "OutputFile.h"
#include "TableCompiler.h"
#include "papers/MdtSource.h"
#include "platform/Files.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A source that does not compile leaves no table behind (an older one would pass for its
// result); a table that cannot be replaced is left as it is.
int Fail(const std::string& logPath, const std::string& tablePath, const std::string& message,
         bool removeTable = true) {
    if (removeTable) {
        qlx::platform::DeleteFileIfExists(tablePath);
    }
    if (!logPath.empty()) {
        qlx::WriteOutputFile(logPath, "qlx5sRpc: error: " + message + "\n");
    }
    std::fprintf(stderr, "qlx5sRpc: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string logPath;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.size() >= 3 && arg[0] == '/' && (arg[1] == 'L' || arg[1] == 'l') && arg[2] == '=') {
            logPath = arg.substr(3);
        } else if (arg == "/S" || arg == "/s") {
            // silent: the compiler never asks anything anyway
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2) {
        std::fprintf(stderr, "usage: qlx5sRpc /S /L=<log> <source> <table>\n");
        return 2;
    }
    const std::string& sourcePath = files[0];
    const std::string& tablePath = files[1];

    const qlx::SourceFile source = qlx::LoadSourceFile(sourcePath, false);
    if (!source.readable) {
        return Fail(logPath, tablePath, "cannot read " + sourcePath + ": " + source.error);
    }
    if (!source.headerOk) {
        return Fail(logPath, tablePath,
                    "bad header in " + sourcePath + ": " + source.headerProblem);
    }
    // The reader stops at a section it cannot read, or leaves out one whose names are not
    // text: either way the source does not say what it means, and nothing is compiled.
    for (const qlx::SourceSectionResult& section : source.sections) {
        if (!section.loaded) {
            return Fail(logPath, tablePath, section.section + ": " + section.problem);
        }
    }

    qlx::CompiledTable table;
    std::string error;
    if (!qlx::TableCompiler::Compile(source.header, source.papers, table, error)) {
        return Fail(logPath, tablePath, error);
    }
    if (!qlx::WriteOutputFile(tablePath, table.Serialize())) {
        return Fail(logPath, tablePath, "cannot write " + tablePath, false);
    }
    if (!logPath.empty()) {
        qlx::WriteOutputFile(logPath, "qlx5sRpc: " + std::to_string(table.papers.size()) +
                                          " papers compiled from " + sourcePath + " into " +
                                          tablePath + "\n");
    }
    return 0;
}
