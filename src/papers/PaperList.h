#pragma once

#include "app/Messages.h"
#include "papers/MdtHeader.h"
#include "papers/PaperDef.h"

#include <array>
#include <optional>
#include <string>

namespace qlx {

// The ordered list of up to 100 papers that the main dialog owns for the whole run: presets
// first, then the user's papers, then those added during the run.
class PaperList {
public:
    static constexpr int kCapacity = 100;
    static constexpr int kSlots = kCapacity + 1; // the last slot is only a landing place
    static constexpr int kStringListFull = 1109; // shown when a file holds a 101st paper

    std::array<PaperDef, kSlots> slots{};
    int count = 0;
    int bFull = 0;
    int bChanged = 0;
    int nSelected = 0;
    PaperDef work;
    MdtHeader header;

    // Fills the list from the preset file then the user file, stopping each file at its first
    // section that cannot be read. A paper whose display name (inch name when `inch`) cannot
    // be converted is left out. A paper beyond the 100th reports string 1109 through `sink`
    // (with `strings`) and ends loading. Returns false when that happened.
    bool Load(const std::string& presetPath, const std::string& userPath, bool inch,
              const StringSource& strings, MessageSink& sink);

    // Reads `header` from a source file; false when a key is missing (what was read stays).
    bool ReadHeader(const std::string& path);

    // Out-of-range indexes change nothing; Append beyond the capacity is refused.
    void Select(int index);
    void Append(const PaperDef& paper);
    void Replace(int index, const PaperDef& paper);
    // Removes the paper at `index` and moves the selection as the Delete command needs it;
    // clears bFull, as the list then has room again.
    void Remove(int index);
    bool IsEditable(int index) const;

    // The two writers of the source format: all user papers among the first
    // `numberOfPapers` slots, or only the selected paper as Paper00.
    // Both build the whole text first and replace the file atomically; false (file untouched)
    // when it cannot be written, or when a paper cannot be written whole.
    bool WriteUserSource(const std::string& path, int numberOfPapers) const;
    bool WriteSingleSource(const std::string& path) const;

    // The texts those writers would write, or nothing when a paper cannot be written whole.
    std::optional<std::string> UserSourceText(int numberOfPapers) const;
    std::optional<std::string> SingleSourceText() const;
};

} // namespace qlx
