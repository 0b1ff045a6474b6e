#include "app/StringTable.h"

#include <charconv>

namespace qlx {

namespace {

bool ParseId(std::string_view text, int& id) {
    if (text.empty()) {
        return false;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), id);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && id >= 0;
}

} // namespace

std::string StringTable::Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool StringTable::Parse(std::string_view text, std::vector<Problem>& problems) {
    const size_t before = problems.size();
    // A byte-order mark some editors put first is not part of the first id.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const size_t tab = line.find('\t');
        int id = 0;
        if (tab == std::string_view::npos || !ParseId(line.substr(0, tab), id)) {
            problems.push_back({lineNumber, "expected id<TAB>text"});
            continue;
        }
        if (!strings_.emplace(id, Unescape(line.substr(tab + 1))).second) {
            problems.push_back({lineNumber, "duplicate id " + std::to_string(id)});
        }
    }
    return problems.size() == before;
}

std::string StringTable::String(int id) const {
    const auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

bool StringTable::Contains(int id) const {
    return strings_.count(id) != 0;
}

} // namespace qlx
