#include "app/CommandLine.h"

namespace qlx {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The next token delimited by any of `delimiters` from `position`, which then stands one
// past the delimiter that ended it (or past the end). Empty when only delimiters remain.
std::string_view NextToken(std::string_view text, size_t& position, std::string_view delimiters) {
    const size_t start = text.find_first_not_of(delimiters, position);
    if (start == std::string_view::npos) {
        position = text.size() + 1;
        return {};
    }
    const size_t end = text.find_first_of(delimiters, start);
    if (end == std::string_view::npos) {
        position = text.size() + 1;
        return text.substr(start);
    }
    position = end + 1;
    return text.substr(start, end - start);
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    const std::string_view text = Trim(commandLine);
    std::vector<std::string> arguments;
    size_t position = 0;
    while (true) {
        std::string_view token;
        if (position < text.size() && text[position] == '"') {
            ++position;
            token = NextToken(text, position, "\"");
        } else {
            token = NextToken(text, position, " ");
        }
        token = Trim(token);
        if (token.empty()) {
            break; // the closing empty entry is not an argument
        }
        arguments.emplace_back(token);
    }
    return arguments;
}

std::vector<std::string> ArgumentsFromArgv(const std::vector<std::string>& argv) {
    std::vector<std::string> arguments;
    for (const std::string& argument : argv) {
        const std::string_view trimmed = Trim(argument);
        if (trimmed.empty()) {
            break;
        }
        arguments.emplace_back(trimmed);
    }
    return arguments;
}

} // namespace qlx
