#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/Messages.h"

namespace qlx {

// The resource library's string table. Its source is one or more texts of `id<TAB>text`
// lines (UTF-8); in the text "\n", "\t" and "\\" are escapes, any other backslash stays as
// it is. Lines starting with '#' and blank lines are skipped; CR before LF is dropped.
class StringTable final : public StringSource {
public:
    // One line that could not be taken, for the build's and the tests' checks.
    struct Problem {
        int line = 0;
        std::string reason;
    };

    // Adds the lines of one file; `problems` collects malformed lines and ids already
    // present (the first occurrence of an id wins). True when nothing was wrong.
    bool Parse(std::string_view text, std::vector<Problem>& problems);

    std::string String(int id) const override; // "" when missing
    bool Contains(int id) const;
    size_t Size() const { return strings_.size(); }
    void Clear() { strings_.clear(); }

    // "\n", "\t", "\\" turned into their characters.
    static std::string Unescape(std::string_view text);

private:
    std::map<int, std::string> strings_;
};

} // namespace qlx
