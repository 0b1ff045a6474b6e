#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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
        const char* keyData = nullptr;
        uint32_t keyLength = 0;
        uint32_t valueOffset = 0; // from keyData
        uint32_t valueLength = 0;
        uint32_t keyHash = 0; // HashIgnoringCase of the key

        std::string_view key() const { return {keyData, keyLength}; }
        std::string_view value() const { return {keyData + valueOffset, valueLength}; }
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
    int LineNumber(const Entry& entry) const { return LineNumber(entry.keyData); }

    // The first section of that name, or null.
    const Section* FindSection(std::string_view name) const;
    // The section's key=value lines in order (into `entries`, replacing its content).
    static void ReadEntries(const Section& section, std::vector<Entry>& entries);
    static std::vector<Entry> Entries(const Section& section);
    // The first entry of that key in the section, or nothing.
    static std::optional<Entry> FindEntry(const Section& section, std::string_view key);
    // The value of section/key, or nothing when either is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;

    // A cheap hash of a name that ignores ASCII case: equal names give equal hashes. Length,
    // first and last four bytes with the case bit set: names in source files differ there,
    // and a collision only costs one full comparison.
    static uint32_t HashIgnoringCase(std::string_view text) {
        const std::size_t n = text.size();
        uint32_t head = 0;
        uint32_t tail = 0;
        if (n >= 4) {
            std::memcpy(&head, text.data(), 4);
            std::memcpy(&tail, text.data() + n - 4, 4);
            head |= 0x20202020u;
            tail |= 0x20202020u;
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                head = (head << 8) | (static_cast<uint8_t>(text[i]) | 0x20u);
            }
        }
        return (static_cast<uint32_t>(n) * 0x9E3779B1u) ^ (head * 0x85EBCA6Bu) ^ tail;
    }
    static bool EqualIgnoringCase(std::string_view a, std::string_view b) {
        return a.size() == b.size() && (a == b || EqualIgnoringCaseSlow(a, b));
    }

    // Calls `visit(entry)` for each key line of the section, in order, until it returns false.
    template <class Visit> static void WalkEntries(const Section& section, Visit&& visit) {
        const char* pos = section.body.data();
        const char* const finish = pos + section.body.size();
        while (pos < finish) {
            const char* lineStart = pos;
            const char* end = FindByte(pos, finish, '\n');
            pos = end < finish ? end + 1 : finish;
            if (end > lineStart && end[-1] == '\r') {
                --end;
            }
            if (section.hasZeroByte) {
                end = FindByte(lineStart, end, '\0');
            }
            if (static_cast<uint64_t>(end - lineStart) > UINT32_MAX) {
                continue; // offsets are 32-bit; no source line comes near this
            }
            const char* p = lineStart;
            while (p < end && (*p == ' ' || *p == '\t')) {
                ++p;
            }
            if (p == end || *p == ';') {
                continue;
            }
            const char* equals = FindByte(p, end, '=');
            if (equals == end || equals == p) {
                continue;
            }
            const char* keyEnd = equals;
            while (keyEnd > p && (keyEnd[-1] == ' ' || keyEnd[-1] == '\t')) {
                --keyEnd;
            }
            Entry entry;
            entry.keyData = p;
            entry.keyLength = static_cast<uint32_t>(keyEnd - p);
            entry.valueOffset = static_cast<uint32_t>(equals + 1 - p);
            entry.valueLength = static_cast<uint32_t>(end - equals - 1);
            entry.keyHash = HashIgnoringCase(entry.key());
            if (!visit(entry)) {
                return;
            }
        }
    }

private:
    static bool EqualIgnoringCaseSlow(std::string_view a, std::string_view b);
    // The first `c` in [p, end), or end; eight bytes at a time, as lines are short and a
    // library call per line costs more than the search.
    static const char* FindByte(const char* p, const char* end, char c) {
        constexpr uint64_t kOnes = 0x0101010101010101ull;
        constexpr uint64_t kHighs = 0x8080808080808080ull;
        const uint64_t pattern = kOnes * static_cast<uint8_t>(c);
        while (end - p >= 8) {
            uint64_t word = 0;
            std::memcpy(&word, p, 8);
            const uint64_t x = word ^ pattern;
            if (((x - kOnes) & ~x & kHighs) != 0) {
                break; // `c` lies in these eight bytes
            }
            p += 8;
        }
        while (p < end && *p != c) {
            ++p;
        }
        return p;
    }
    void Parse();

    // Views point into this text; held by pointer so that moving the document keeps them valid.
    std::shared_ptr<const std::string> text_;
    std::vector<Section> sections_;
};

} // namespace qlx
