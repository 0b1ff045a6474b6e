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
        : next_(text.data()), end_(text.data() + text.size()), block_(next_),
          newlines_(text.empty() ? 0 : NewlineBits(block_, end_)), cutAtZero_(cutAtZero) {}

    bool AtEnd() const { return next_ == end_; }

    std::string_view TakeLine() { return TakeFrom(next_); }

    // Takes the line's value when the line starts "key=" with the key spelled exactly so:
    // the usual line of a source file, whose key then needs no split. The value comes back
    // through a reference, not a returned record, so that it goes to its place in one move.
    bool TakeValueOfKey(std::string_view key, std::string_view& value) {
        const std::size_t size = key.size();
        if (static_cast<std::size_t>(end_ - next_) <= size || next_[size] != '=' ||
            !StartsWith(next_, key)) {
            return false;
        }
        value = TakeFrom(next_ + size + 1);
        return true;
    }

private:
    // Whether `text`, longer than `key`, starts with it. Keys of source files are 5 to 24
    // bytes long: comparing 8-byte words, the last one overlapping the one before, is
    // cheaper than the library call for a comparison made on nearly every line.
    static bool StartsWith(const char* text, std::string_view key) {
        const std::size_t size = key.size();
        if (size < 8) {
            return std::string_view(text, size) == key;
        }
        for (std::size_t i = 0; i + 8 < size; i += 8) {
            if (Word(text + i) != Word(key.data() + i)) {
                return false;
            }
        }
        return Word(text + size - 8) == Word(key.data() + size - 8);
    }
    static uint64_t Word(const char* bytes) {
        uint64_t word = 0;
        std::memcpy(&word, bytes, sizeof word);
        return word;
    }

    // Bit i is set when block[i] is '\n'; bytes at or past `end` count as none.
    static uint64_t NewlineBits(const char* block, const char* end);

    // The text from `from` (on the current line) to the line's end; the reader moves to the
    // next line.
    std::string_view TakeFrom(const char* from) {
        const char* lineEnd = NextNewline();
        next_ = lineEnd == end_ ? end_ : lineEnd + 1;
        if (lineEnd != from && lineEnd[-1] == '\r') {
            --lineEnd;
        }
        const std::string_view line(from, static_cast<std::size_t>(lineEnd - from));
        return cutAtZero_ ? line.substr(0, line.find('\0')) : line;
    }

    // The current line's '\n', or the end of the text.
    const char* NextNewline() {
        while (newlines_ == 0) {
            block_ += 64;
            if (block_ >= end_) {
                return end_;
            }
            newlines_ = NewlineBits(block_, end_);
        }
        const char* newline = block_ + std::countr_zero(newlines_);
        newlines_ &= newlines_ - 1;
        return newline;
    }

    const char* next_; // where the next line starts
    const char* end_;
    const char* block_; // the 64-byte block that newlines_ describes
    uint64_t newlines_; // that block's line ends not yet passed
    bool cutAtZero_;
};

} // namespace qlx
