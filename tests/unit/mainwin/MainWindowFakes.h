#pragma once

#include "app/Messages.h"
#include "papers/PaperDef.h"
#include "papers/TextCodec.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace qlx::testing {

class FakeStrings : public StringSource {
public:
    std::map<int, std::string> texts{{501, "New label"},     {1001, "Delete \"%s\"?"},
                                     {1006, "Installed."},   {1101, "Files missing."},
                                     {1102, "Copy failed."}, {1109, "Too many papers."}};
    std::string String(int id) const override {
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
};

// Records every message; questions take the next queued answer (No when none is left).
class RecordingSink : public MessageSink {
public:
    struct Message {
        MessageIcon icon;
        std::string text;
    };
    std::vector<Message> shown;
    std::deque<bool> answers;
    bool Show(MessageIcon icon, const std::string& text) override {
        shown.push_back({icon, text});
        if (icon != MessageIcon::Question || answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

inline PaperDef MakePaper(const std::string& name, int size, int preset = 0,
                          int16_t type = kTypeDieCut) {
    PaperDef p;
    TextCodec::Store(TextCodec::Utf8ToUtf16(name).value(), p.szPaperName_mm);
    TextCodec::Store(TextCodec::Utf8ToUtf16(name + " in").value(), p.szPaperName_inch);
    p.nPaperSize = static_cast<int16_t>(size);
    p.nType = type;
    p.nPaperWidth = 560;
    p.nPaperLength = type == kTypeContinuous ? 0 : 300;
    p.byEnergyRank = 3;
    p.bPreset = preset;
    p.MediaAtrInfo = "0";
    p.reserved_12_ = "0,0,0,0,0,0,1,0,0,0,0,0";
    return p;
}

} // namespace qlx::testing
