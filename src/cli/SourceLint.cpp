#include "cli/SourceLint.h"

#include "papers/TextCodec.h"

namespace qlx {

bool SourceLint::Clean(const SourceFile& file) {
    if (!file.readable || !file.headerOk) {
        return false;
    }
    for (const SourceSectionResult& section : file.sections) {
        if (!section.loaded) {
            return false;
        }
    }
    return true;
}

std::string SourceLint::Report(const std::string& path, const SourceFile& file) {
    std::string out;
    const auto line = [&](const std::string& text) {
        out.append(path);
        out.append(": ");
        out.append(text);
        out.push_back('\n');
    };
    if (!file.readable) {
        line("error: " + file.error);
        return out;
    }
    line(file.headerOk ? "header: ok" : "error: header: " + file.headerProblem);
    std::size_t paper = 0;
    std::string stoppedAt;
    for (const SourceSectionResult& section : file.sections) {
        if (section.loaded) {
            const std::string name =
                paper < file.papers.size()
                    ? TextCodec::ToUtf8(file.papers[paper].szPaperName_mm).value_or("")
                    : "";
            ++paper;
            line("[" + section.section + "] loaded: " + name);
        } else if (section.leftOut) {
            line("error: " + section.problem + "; the paper is left out");
        } else {
            line("error: " + section.problem + "; loading stops here");
            stoppedAt = section.section;
        }
    }
    std::string summary = std::to_string(file.papers.size()) + " of " +
                          std::to_string(file.sections.size()) + " sections loaded";
    if (!stoppedAt.empty()) {
        summary += ", stopped at [" + stoppedAt + "]";
    }
    line(summary);
    return out;
}

} // namespace qlx
