#pragma once

#include "papers/LineReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// An INI text read once: its sections in file order, each section's key=value lines read
// when asked for. Section and key names are matched without regard to ASCII case and the
// first of equal names wins, as the profile functions the source files were designed for
// behave. Lines may end with CR LF or LF. Names are trimmed of blanks and tabs; values are
// kept verbatim up to the line end (or an embedded zero byte). Comment lines (';'), lines
// before the first section and lines without '=' (the "0" lines of source files) carry no
// keys. Only the section index is kept, so a document costs little more than its text.
class IniDocument {
public:
    struct Entry {
        std::string_view keyText;   // trimmed
        std::string_view valueText; // verbatim

        std::string_view key() const { return keyText; }
        std::string_view value() const { return valueText; }
    };
    struct Section {
        std::string_view name;
        uint32_t nameHash = 0;
        bool hasZeroByte = false; // only then are lines cut at a zero byte
        std::string_view body;    // the lines after it, up to the next section
    };

    IniDocument() = default;
    explicit IniDocument(std::string text);

    const std::vector<Section>& Sections() const { return sections_; }

    // The 1-based line number of a position in the text (of a section's name, an entry's
    // key); counted when asked, as only messages need it.
    int LineNumber(const char* position) const;
    int LineNumber(const Section& section) const { return LineNumber(section.name.data()); }
    int LineNumber(const Entry& entry) const { return LineNumber(entry.keyText.data()); }

    // The first section of that name, or null.
    const Section* FindSection(std::string_view name) const;
    // The section's key=value lines in order (into `entries`, replacing its content).
    static void ReadEntries(const Section& section, std::vector<Entry>& entries);
    static std::vector<Entry> Entries(const Section& section);
    // The first entry of that key in the section, or nothing.
    static std::optional<Entry> FindEntry(const Section& section, std::string_view key);
    // The value of section/key, or nothing when either is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // A hash of a section name that ignores ASCII case, so that finding one of a hundred
    // similar names ("Paper00".."Paper99") rarely needs a full comparison.
    static uint32_t HashIgnoringCase(std::string_view text) {
        uint32_t hash = 2166136261u;
        for (const char c : text) {
            hash = (hash ^ static_cast<uint8_t>(LowerAscii(c))) * 16777619u;
        }
        return hash;
    }
    static bool EqualIgnoringCase(std::string_view a, std::string_view b) {
        // Names are usually spelled as the tables spell them: the exact comparison settles most.
        return a == b || (a.size() == b.size() &&
                          std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                              return LowerAscii(x) == LowerAscii(y);
                          }));
    }

    // A reader of the section's lines: without line ends, and cut at a zero byte when the
    // text holds one.
    static LineReader Lines(const Section& section) {
        return LineReader(section.body, section.hasZeroByte);
    }
    // Calls `visit(line)` for each line of the section, in order, until it returns false.
    template <class Visit> static void WalkLines(const Section& section, Visit&& visit) {
        LineReader lines = Lines(section);
        while (!lines.AtEnd()) {
            if (!visit(lines.TakeLine())) {
                return;
            }
        }
    }
    // The key and value of a line from WalkLines, or nothing for a line without a key.
    static std::optional<Entry> ParseLine(std::string_view line) {
        std::size_t start = 0;
        while (start < line.size() && IsBlank(line[start])) {
            ++start;
        }
        if (start == line.size() || line[start] == ';') {
            return std::nullopt;
        }
        const std::size_t equals = line.find('=', start);
        if (equals == std::string_view::npos || equals == start) {
            return std::nullopt;
        }
        std::string_view key = line.substr(start, equals - start);
        while (IsBlank(key.back())) { // not empty: the line does not start with '='
            key.remove_suffix(1);
        }
        return Entry{key, line.substr(equals + 1)};
    }
    // Calls `visit(entry)` for each key line of the section, in order, until it returns false.
    template <class Visit> static void WalkEntries(const Section& section, Visit&& visit) {
        WalkLines(section, [&](std::string_view line) {
            const auto entry = ParseLine(line);
            return !entry || visit(*entry);
        });
    }

private:
    static char LowerAscii(char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    void Parse();

    // Views point into this text; held by pointer so that moving the document keeps them valid.
    std::shared_ptr<const std::string> text_;
    std::vector<Section> sections_;
};

} // namespace qlx
