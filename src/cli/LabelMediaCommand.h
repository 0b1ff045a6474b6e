#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qlx {

// The `labelmedia` command line: list, lint and normalize. Exit statuses: 0 success,
// 1 the input has problems (a section did not load, the header is incomplete), 2 the
// command could not run (bad arguments, unreadable file, unknown printer).
class LabelMediaCommand {
public:
    static constexpr int kOk = 0;
    static constexpr int kProblems = 1;
    static constexpr int kFailed = 2;

    // `args` without the program name.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

private:
    static int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
    static int Lint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
    static int Normalize(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);
};

} // namespace qlx
