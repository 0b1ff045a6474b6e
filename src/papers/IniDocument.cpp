#include "papers/IniDocument.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace qlx {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

IniDocument::IniDocument(std::string text)
    : text_(std::make_shared<const std::string>(std::move(text))) {
    Parse();
}

// Finds the section lines: a '[' with only blanks before it on its line. Values rarely hold
// '[', so the search jumps from one header to the next.
void IniDocument::Parse() {
    const char* const begin = text_->data();
    const char* const finish = begin + text_->size();
    const bool hasZeroByte = std::memchr(begin, '\0', text_->size()) != nullptr;
    const char* pos = begin;
    while (pos < finish) {
        const char* bracket =
            static_cast<const char*>(std::memchr(pos, '[', static_cast<std::size_t>(finish - pos)));
        if (bracket == nullptr) {
            break;
        }
        const char* lineStart = bracket;
        while (lineStart > begin && IsBlank(lineStart[-1])) {
            --lineStart;
        }
        pos = bracket + 1;
        if (lineStart != begin && lineStart[-1] != '\n') {
            continue;
        }
        const char* lineEnd = static_cast<const char*>(
            std::memchr(bracket, '\n', static_cast<std::size_t>(finish - bracket)));
        const char* bodyStart = lineEnd != nullptr ? lineEnd + 1 : finish;
        if (lineEnd == nullptr) {
            lineEnd = finish;
        }
        // The name ends at ']', or at the line end (CR, a zero byte) when there is none.
        std::string_view name(bracket + 1, static_cast<std::size_t>(lineEnd - bracket - 1));
        const auto nameEnd = std::find_if(
            name.begin(), name.end(), [](char c) { return c == ']' || c == '\r' || c == '\0'; });
        name = name.substr(0, static_cast<std::size_t>(nameEnd - name.begin()));
        name = Trim(name);
        if (!sections_.empty()) {
            Section& previous = sections_.back();
            previous.body = std::string_view(
                previous.body.data(), static_cast<std::size_t>(lineStart - previous.body.data()));
        }
        Section section;
        section.name = name;
        section.nameHash = HashIgnoringCase(name);
        section.hasZeroByte = hasZeroByte;
        section.body = std::string_view(bodyStart, static_cast<std::size_t>(finish - bodyStart));
        sections_.push_back(section);
        pos = bodyStart;
    }
}

int IniDocument::LineNumber(const char* position) const {
    if (!text_ || position < text_->data() || position > text_->data() + text_->size()) {
        return 0;
    }
    return 1 + static_cast<int>(std::count(text_->data(), position, '\n'));
}

void IniDocument::ReadEntries(const Section& section, std::vector<Entry>& entries) {
    entries.clear();
    WalkEntries(section, [&entries](const Entry& entry) {
        entries.push_back(entry);
        return true;
    });
}

std::vector<IniDocument::Entry> IniDocument::Entries(const Section& section) {
    std::vector<Entry> entries;
    ReadEntries(section, entries);
    return entries;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const uint32_t hash = HashIgnoringCase(name);
    for (const Section& section : sections_) {
        if (section.nameHash == hash && EqualIgnoringCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

std::optional<IniDocument::Entry> IniDocument::FindEntry(const Section& section,
                                                         std::string_view key) {
    std::optional<Entry> found;
    WalkEntries(section, [&](const Entry& entry) {
        if (EqualIgnoringCase(entry.key(), key)) {
            found = entry;
            return false;
        }
        return true;
    });
    return found;
}

std::optional<std::string_view> IniDocument::Value(std::string_view section,
                                                   std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto entry = FindEntry(*found, key);
    if (!entry) {
        return std::nullopt;
    }
    return entry->value();
}

} // namespace qlx
