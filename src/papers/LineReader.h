#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace qlx {

// Takes the lines of a text one by one, each without its line end (LF or CR LF) and, when
// asked, cut at a zero byte. It finds the line ends of 64 bytes at a time into a bit mask,
// so that walking a section's short lines costs a bit scan per line instead of a search
// whose result the next line has to wait for.
class LineReader {
public:
    LineReader(std::string_view text, bool cutAtZero)
        : text_(text), newlines_(text.empty() ? 0 : NewlineBits(text, 0)), cutAtZero_(cutAtZero) {}

    bool AtEnd() const { return next_ >= text_.size(); }

    std::string_view TakeLine() { return TakeFrom(next_); }

    // Takes the line's value when the line starts "key=" with the key spelled exactly so:
    // the usual line of a source file, whose key then needs no split. The value comes back
    // through a reference, not a returned record, so that it goes to its place in one move.
    bool TakeValueOfKey(std::string_view key, std::string_view& value) {
        const std::string_view rest = text_.substr(next_);
        if (rest.size() <= key.size() || rest[key.size()] != '=' || !StartsWith(rest, key)) {
            return false;
        }
        value = TakeFrom(next_ + key.size() + 1);
        return true;
    }

private:
    // Whether `text`, longer than `key`, starts with it. Keys of source files are 5 to 24
    // bytes long: comparing 8-byte words, the last one overlapping the one before, is
    // cheaper than the library call for a comparison made on nearly every line.
    static bool StartsWith(std::string_view text, std::string_view key) {
        const std::size_t size = key.size();
        if (size < 8) {
            return text.starts_with(key);
        }
        for (std::size_t i = 0; i + 8 < size; i += 8) {
            if (Word(text.data() + i) != Word(key.data() + i)) {
                return false;
            }
        }
        return Word(text.data() + size - 8) == Word(key.data() + size - 8);
    }
    static uint64_t Word(const char* bytes) {
        uint64_t word = 0;
        std::memcpy(&word, bytes, sizeof word);
        return word;
    }

    // Bit i is set when text[offset + i] is '\n'; bytes past the end count as none.
    static uint64_t NewlineBits(std::string_view text, std::size_t offset);

    // The text from `from` to the end of the current line; the reader moves to the next line.
    std::string_view TakeFrom(std::size_t from) {
        const std::size_t end = NextNewline();
        std::string_view line = text_.substr(from, end - from);
        next_ = end < text_.size() ? end + 1 : end;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (cutAtZero_) {
            line = line.substr(0, line.find('\0'));
        }
        return line;
    }

    // The position of the first '\n' of the current line, or the text's size.
    std::size_t NextNewline() {
        while (newlines_ == 0) {
            block_ += 64;
            if (block_ >= text_.size()) {
                return text_.size();
            }
            newlines_ = NewlineBits(text_, block_);
        }
        const std::size_t position = block_ + static_cast<std::size_t>(std::countr_zero(newlines_));
        newlines_ &= newlines_ - 1;
        return position;
    }

    std::string_view text_;
    std::size_t next_ = 0;  // where the next line starts
    std::size_t block_ = 0; // the 64-byte block that newlines_ describes
    uint64_t newlines_;     // that block's line ends not yet passed
    bool cutAtZero_;
};

} // namespace qlx
