// qlx5sRpc /S /L=<log> <source> <table>
// The driver family's source compiler: reads an MDT source file with the program's own
// reader and writes the compiled table. Exit status 0 on success; on failure no table is
// left at <table>.

#include "CompiledTable.h"
#include "OutputFile.h"
#include "TableCompiler.h"
#include "papers/MdtSource.h"
#include "platform/Files.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// The reader stops at the first section that does not load; a section of that number that
// is present in the file means the source is broken there, not finished.
bool HasSection(const std::string& text, const std::string& name) {
    const std::string lower = LowerAscii(text);
    const std::string wanted = "[" + LowerAscii(name) + "]";
    size_t at = 0;
    while ((at = lower.find(wanted, at)) != std::string::npos) {
        size_t lineStart = at;
        while (lineStart > 0 && (lower[lineStart - 1] == ' ' || lower[lineStart - 1] == '\t')) {
            --lineStart;
        }
        if (lineStart == 0 || lower[lineStart - 1] == '\n') {
            return true;
        }
        at += wanted.size();
    }
    return false;
}

std::string SectionName(size_t number) {
    char name[16];
    std::snprintf(name, sizeof name, "Paper%02u", static_cast<unsigned>(number % 10000));
    return name;
}

int Fail(const std::string& logPath, const std::string& tablePath, const std::string& message) {
    qlx::platform::DeleteFileIfExists(tablePath);
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
    std::string text;
    const std::string stopped = SectionName(source.papers.size());
    if (qlx::platform::ReadFileBytes(sourcePath, text) && HasSection(text, stopped)) {
        std::string problem = "cannot be read";
        if (!source.sections.empty() && !source.sections.back().problem.empty()) {
            problem = source.sections.back().problem;
        }
        return Fail(logPath, tablePath, "section " + stopped + ": " + problem);
    }

    qlx::CompiledTable table;
    std::string error;
    if (!qlx::TableCompiler::Compile(source.header, source.papers, table, error)) {
        return Fail(logPath, tablePath, error);
    }
    if (!qlx::WriteOutputFile(tablePath, table.Serialize())) {
        return Fail(logPath, tablePath, "cannot write " + tablePath);
    }
    if (!logPath.empty()) {
        qlx::WriteOutputFile(logPath, "qlx5sRpc: " + std::to_string(table.papers.size()) +
                                          " papers compiled from " + sourcePath + " into " +
                                          tablePath + "\n");
    }
    return 0;
}
