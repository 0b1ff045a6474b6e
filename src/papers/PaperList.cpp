#include "papers/PaperList.h"

#include "papers/MdtSource.h"
#include "papers/TextCodec.h"
#include "platform/Files.h"

#include <algorithm>

namespace qlx {

bool PaperList::Load(const std::string& presetPath, const std::string& userPath, bool inch,
                     const StringSource& strings, MessageSink& sink) {
    // Both names convert for every paper the reader reports as loaded, so the display name
    // chosen by `inch` needs no further check here.
    static_cast<void>(inch);
    count = 0;
    bFull = 0;
    const std::pair<const std::string*, bool> files[] = {{&presetPath, true}, {&userPath, false}};
    for (const auto& [path, preset] : files) {
        if (count > kCapacity) {
            break;
        }
        IniDocument document;
        if (!ReadSourceDocument(*path, document)) {
            continue; // an unreadable file has no sections
        }
        for (int number = 0;; ++number) {
            // A read past the capacity lands in the last slot, which is never listed.
            PaperDef& slot = slots[std::min(count, kCapacity)];
            const PaperReadResult read = ReadPaperSection(document, number, preset, slot);
            if (read.status == PaperReadStatus::Absent || read.status == PaperReadStatus::Failed) {
                break;
            }
            if (count >= kCapacity) {
                bFull = 1;
                sink.Show(MessageIcon::Error, strings.String(kStringListFull));
                return false;
            }
            // A paper whose names cannot be converted (NotConvertible) is left out and its
            // slot reused; a loaded paper's names came from valid UTF-8, in either unit.
            if (read.status == PaperReadStatus::Loaded) {
                ++count;
            }
        }
    }
    // Full means 100 listed papers; a left-out paper in slot 99 does not fill the list.
    bFull = count >= kCapacity ? 1 : 0;
    return true;
}

bool PaperList::ReadHeader(const std::string& path) {
    IniDocument document;
    if (!ReadSourceDocument(path, document)) {
        return false;
    }
    return qlx::ReadHeader(document, header);
}

void PaperList::Select(int index) {
    if (index < 0 || index >= count) {
        return;
    }
    nSelected = index;
    work = slots[index];
}

void PaperList::Append(const PaperDef& paper) {
    if (count >= kCapacity) {
        return;
    }
    slots[count] = paper;
    ++count;
    if (count > 99) {
        bFull = 1;
    }
    bChanged = 1;
}

void PaperList::Replace(int index, const PaperDef& paper) {
    if (index < 0 || index >= count) {
        return;
    }
    slots[index] = paper;
    bChanged = 1;
}

void PaperList::Remove(int index) {
    if (index < 0 || index >= count) {
        return;
    }
    --count;
    if (index == count) {
        nSelected = count - 1;
    } else {
        std::move(slots.begin() + index + 1, slots.begin() + count + 1, slots.begin() + index);
    }
    bFull = 0;
}

bool PaperList::IsEditable(int index) const {
    if (index < 0 || index >= count) {
        return false;
    }
    return slots[index].bPreset == 0 && slots[index].bProtected == 0;
}

std::optional<std::string> PaperList::UserSourceText(int numberOfPapers) const {
    const int last = std::clamp(numberOfPapers, 0, kSlots);
    std::vector<const PaperDef*> papers;
    for (int i = 0; i < last; ++i) {
        if (slots[i].bPreset == 0) {
            papers.push_back(&slots[i]);
        }
    }
    return FormatSourceText(header, papers);
}

std::optional<std::string> PaperList::SingleSourceText() const {
    if (nSelected < 0 || nSelected >= kSlots) {
        return std::nullopt;
    }
    return FormatSourceText(header, {&slots[nSelected]});
}

bool PaperList::WriteUserSource(const std::string& path, int numberOfPapers) const {
    const auto text = UserSourceText(numberOfPapers);
    return text && platform::WriteFileAtomic(path, *text);
}

bool PaperList::WriteSingleSource(const std::string& path) const {
    const auto text = SingleSourceText();
    return text && platform::WriteFileAtomic(path, *text);
}

} // namespace qlx
