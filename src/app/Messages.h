#pragma once

#include <string>

namespace qlx {

// The core never shows a dialog: it reports through these two seams. The GUI implements
// them over the resource library and its message-box service; tests use recording fakes.

enum class MessageIcon { Error, Information, Question };

// Texts of the resource library's string table, looked up by number ("" when missing).
class StringSource {
public:
    virtual ~StringSource() = default;
    virtual std::string String(int id) const = 0;
};

// Shows one message. For MessageIcon::Question the answer is Yes (true) or No (false);
// for the other icons the result carries no meaning.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual bool Show(MessageIcon icon, const std::string& text) = 0;
};

} // namespace qlx
