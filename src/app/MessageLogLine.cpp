#include "app/MessageLogLine.h"

namespace qlx {

namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

const char* MessageIconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return "error";
    case MessageIcon::Information:
        return "information";
    case MessageIcon::Question:
        return "question";
    }
    return "error";
}

std::string MessageLogLine(MessageIcon icon, const std::string& caption, const std::string& text) {
    return std::string(MessageIconName(icon)) + '\t' + Escaped(caption) + '\t' + Escaped(text) +
           '\n';
}

} // namespace qlx
