#include "papers/IniDocument.h"

#include <cstring>
#include <utility>

namespace qlx {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

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

uint32_t IniDocument::HashIgnoringCase(std::string_view text) {
    uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash = (hash ^ static_cast<uint8_t>(LowerAscii(c))) * 16777619u;
    }
    return hash;
}

bool IniDocument::EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

void IniDocument::Parse() {
    const std::string_view all(*text_);
    std::size_t pos = 0;
    int lineNumber = 0;
    Section* current = nullptr;
    sections_.reserve(all.size() / 1024 + 4);
    entries_.reserve(all.size() / 24 + 4);
    while (pos < all.size()) {
        ++lineNumber;
        const void* found = std::memchr(all.data() + pos, '\n', all.size() - pos);
        const std::size_t end =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - all.data())
                  : all.size();
        std::string_view line = all.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t zero = line.find('\0');
        if (zero != std::string_view::npos) {
            line = line.substr(0, zero);
        }
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';') {
            continue;
        }
        if (trimmed.front() == '[') {
            std::string_view name = trimmed.substr(1);
            const std::size_t close = name.find(']');
            if (close != std::string_view::npos) {
                name = name.substr(0, close);
            }
            name = Trim(name);
            Section section;
            section.name = name;
            section.nameHash = HashIgnoringCase(name);
            section.line = lineNumber;
            section.firstEntry = entries_.size();
            sections_.push_back(section);
            current = &sections_.back();
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) {
            continue;
        }
        Entry entry;
        entry.key = key;
        entry.value = line.substr(equals + 1);
        entry.keyHash = HashIgnoringCase(key);
        entry.line = lineNumber;
        entries_.push_back(entry);
        ++current->entryCount;
    }
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

const IniDocument::Entry* IniDocument::FindEntry(const Section& section,
                                                 std::string_view key) const {
    const uint32_t hash = HashIgnoringCase(key);
    for (std::size_t i = 0; i < section.entryCount; ++i) {
        const Entry& entry = entries_[section.firstEntry + i];
        if (entry.keyHash == hash && EqualIgnoringCase(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<std::string_view> IniDocument::Value(std::string_view section,
                                                   std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const Entry* entry = FindEntry(*found, key);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return entry->value;
}

} // namespace qlx
