#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// An INI text parsed once: sections and their key=value lines in file order. Section and key
// names are matched without regard to ASCII case and the first of equal names wins, as the
// profile functions the source files were designed for behave. Lines may end with CR LF or
// LF. Names are trimmed of blanks and tabs; values are kept verbatim up to the line end (or
// an embedded zero byte). Comment lines (';'), lines before the first section and lines
// without '=' (the "0" lines of source files) carry no keys.
class IniDocument {
public:
    struct Entry {
        std::string_view key;
        std::string_view value;
        uint32_t keyHash = 0; // hash of the lower-cased key
        int line = 0;         // 1-based line number in the text
    };
    struct Section {
        std::string_view name;
        uint32_t nameHash = 0;
        int line = 0;
        std::size_t firstEntry = 0; // index into Entries()
        std::size_t entryCount = 0;
    };

    IniDocument() = default;
    explicit IniDocument(std::string text);

    const std::vector<Section>& Sections() const { return sections_; }
    const std::vector<Entry>& Entries() const { return entries_; }

    // The first section of that name, or null.
    const Section* FindSection(std::string_view name) const;
    // The first entry of that key in the section, or null.
    const Entry* FindEntry(const Section& section, std::string_view key) const;
    // The value of section/key, or nothing when either is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    static uint32_t HashIgnoringCase(std::string_view text);
    static bool EqualIgnoringCase(std::string_view a, std::string_view b);

private:
    void Parse();

    // Views point into this text; held by pointer so that moving the document keeps them valid.
    std::shared_ptr<const std::string> text_;
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
};

} // namespace qlx
