#include "papers/MdtSource.h"

#include "PapersTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace qlx {
namespace {

// Reads everything the loader would read from a text and checks that whatever loaded also
// survives a write and a second read unchanged.
void ReadEverything(const std::string& bytes) {
    const IniDocument document(bytes);
    MdtHeader header;
    std::string problem;
    ReadHeader(document, header, &problem);
    std::vector<PaperDef> loaded;
    for (int number = 0; number < 200; ++number) {
        PaperDef paper;
        const auto result = ReadPaperSection(document, number, false, paper);
        if (result.status == PaperReadStatus::Absent || result.status == PaperReadStatus::Failed) {
            break;
        }
        if (result.status == PaperReadStatus::Loaded) {
            loaded.push_back(paper);
        }
    }
    std::vector<const PaperDef*> pointers;
    for (const auto& paper : loaded) {
        pointers.push_back(&paper);
    }
    const auto text = FormatSourceText(header, pointers);
    if (!text) {
        return;
    }
    const IniDocument again(*text);
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        PaperDef back;
        ASSERT_EQ(ReadPaperSection(again, static_cast<int>(i), false, back).status,
                  PaperReadStatus::Loaded);
        ASSERT_EQ(back, loaded[i]);
    }
}

TEST(SourceRobustnessTest, EveryTruncationOfAValidFile) {
    const std::string bytes = test::ReadBytes(test::DataPath("user.txt"));
    ASSERT_FALSE(bytes.empty());
    for (std::size_t length = 0; length <= bytes.size(); length += 7) {
        ReadEverything(bytes.substr(0, length));
    }
}

TEST(SourceRobustnessTest, RandomMutationsAndGarbage) {
    const std::string bytes = test::ReadBytes(test::DataPath("user.txt"));
    std::mt19937 random(20261211);
    const std::string alphabet = "[]=;\r\n\t ,-0x9aZ\xC3\xA9\xFF";
    for (int round = 0; round < 400; ++round) {
        std::string mutated = bytes;
        const int edits = 1 + static_cast<int>(random() % 20);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % mutated.size();
            switch (random() % 3) {
            case 0:
                mutated[at] = alphabet[random() % alphabet.size()];
                break;
            case 1:
                mutated.erase(at, random() % 40);
                break;
            default:
                mutated.insert(at,
                               std::string(random() % 300, alphabet[random() % alphabet.size()]));
                break;
            }
            if (mutated.empty()) {
                mutated.push_back('x');
            }
        }
        ReadEverything(mutated);
    }
    for (int round = 0; round < 100; ++round) {
        std::string garbage(random() % 4000, '\0');
        for (char& c : garbage) {
            c = static_cast<char>(random());
        }
        ReadEverything(garbage);
        std::string withSection = "[Paper00]\n";
        withSection.append(garbage);
        ReadEverything(withSection);
    }
}

} // namespace
} // namespace qlx
