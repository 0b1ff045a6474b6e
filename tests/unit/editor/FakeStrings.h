#pragma once

#include "app/Messages.h"

#include <string>

namespace qlx::test {

// Strings of the resource library as "S<id>", the field-label format 1108 with its "%s", so
// that a test sees which strings a message was built from and how.
class FakeStrings final : public StringSource {
public:
    std::string String(int id) const override {
        if (id == 1108) {
            return "S1108:%s";
        }
        std::string text(1, 'S'); // not "S" + ...: GCC 12 warns wrongly on that at -O3
        text += std::to_string(id);
        return text;
    }
};

} // namespace qlx::test
